// skingallery: every control the skin engine draws, on one skinned form.
//
//   skingallery.exe [PACKAGE] [--screenshot BMP]
//
// PACKAGE: a skin package file shown instead of the built-in skin. The
// Skin menu switches between the built-in skin, the packages in the folder
// "skins" beside the program and one chosen with the open dialog. With
// --screenshot the window, once skinned, is saved as a BMP file and the
// program ends.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/window/SkinManage.h"
#include "tools/common/DemoProgram.h"
#include "tools/skingallery/GalleryForm.h"
#include "tools/skingallery/GallerySkin.h"
#include "ui/Application.h"
#include "ui/Timer.h"

namespace {

TGalleryForm* GalleryForm = nullptr;

// Brings the window to the front, waits for the skin to settle (a skin
// switch runs 250 ms after it was asked for), repaints the window whole,
// saves it and ends.
class TScreenshot {
 public:
  explicit TScreenshot(std::string path) : FPath(std::move(path)) {
    FTimer.SetInterval(600);
    FTimer.OnTimer = TNotifyEvent::Of<&TScreenshot::Step>(this);
    FTimer.SetEnabled(true);
  }

 private:
  void Step(TObject*) {
    switch (FStep++) {
      case 0: SetForegroundWindow(GalleryForm->Handle()); return;
      // Paints that a control asks for while it is repainted run before the
      // next tick.
      case 1:
        RedrawWindow(GalleryForm->Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
      default:
        FTimer.SetEnabled(false);
        RECT area{};
        GetWindowRect(GalleryForm->Handle(), &area);
        SaveScreenArea(area, FPath);
        PostMessageA(GalleryForm->Handle(), WM_CLOSE, 0, 0);
    }
  }

  std::string FPath;
  int FStep = 0;
  TTimer FTimer;
};

int RunGallery() {
  try {
    std::string package, screenshot;
    const std::vector<std::string> arguments = AnsiArguments();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      if (arguments[i] == "--screenshot" && i + 1 < arguments.size()) screenshot = arguments[++i];
      else package = arguments[i];
    }
    TSkinData* skin = NewGallerySkin(&Application());
    Application().CreateForm(GalleryForm);
    GalleryForm->SetSkinData(skin);
    if (!package.empty()) GalleryForm->ChooseSkin(package);
    std::unique_ptr<TScreenshot> shooter;
    if (!screenshot.empty()) shooter = std::make_unique<TScreenshot>(screenshot);
    Application().Run();
  } catch (...) {
    Application().HandleException();
    return 1;
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int status = RunGallery();
  Application().DestroyComponents();
  GalleryForm = nullptr;
  DestroySkinManager();
  return status;
}
