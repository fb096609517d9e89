// menudemo: a form with skinned menus to look at and try.
//
//   menudemo.exe                  shows the form until it is closed
//   menudemo.exe --screenshot BMP opens File > Recent files from the
//                                 keyboard, saves the window with its open
//                                 drop-downs as a BMP file and ends
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/window/SkinManage.h"
#include "tools/common/DemoProgram.h"
#include "tools/menudemo/DemoForm.h"
#include "ui/Application.h"
#include "ui/Timer.h"

namespace {

TMenuDemoForm* DemoForm = nullptr;

void Press(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

void Tap(WORD key) {
  Press(key, true);
  Press(key, false);
}

// The screen under the window and the open popup menus of its thread.
void SaveScreenOf(HWND window, const std::string& path) {
  RECT area{};
  GetWindowRect(window, &area);
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND candidate, LPARAM found) -> BOOL {
        char name[16] = {};
        GetClassNameA(candidate, name, sizeof name);
        RECT popup{};
        if (std::string(name) == "#32768" && IsWindowVisible(candidate) && GetWindowRect(candidate, &popup))
          UnionRect(reinterpret_cast<RECT*>(found), reinterpret_cast<RECT*>(found), &popup);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&area));
  SaveScreenArea(area, path);
}

// The steps of the screenshot, one per timer tick; the timer keeps ticking
// while the drop-down's loop runs.
class TScreenshot {
 public:
  explicit TScreenshot(std::string path) : FPath(std::move(path)) {
    FTimer.SetInterval(500);
    FTimer.OnTimer = TNotifyEvent::Of<&TScreenshot::Step>(this);
    FTimer.SetEnabled(true);
  }

 private:
  void Step(TObject*) {
    switch (FStep++) {
      case 0:
        // Alt+F opens File, whose first item the menu selects.
        SetForegroundWindow(DemoForm->Handle());
        Press(VK_MENU, true);
        Tap('F');
        Press(VK_MENU, false);
        break;
      case 1:
        for (int i = 0; i < 4; ++i) Tap(VK_DOWN);
        Tap(VK_RIGHT);
        break;
      default:
        FTimer.SetEnabled(false);
        SaveScreenOf(DemoForm->Handle(), FPath);
        EndMenu();
        PostMessageA(DemoForm->Handle(), WM_CLOSE, 0, 0);
        break;
    }
  }

  std::string FPath;
  int FStep = 0;
  TTimer FTimer;
};

// The path after --screenshot, or empty.
std::string ScreenshotPath() {
  const std::vector<std::string> arguments = AnsiArguments();
  for (std::size_t i = 0; i + 1 < arguments.size(); ++i)
    if (arguments[i] == "--screenshot") return arguments[i + 1];
  return {};
}

int RunDemo() {
  try {
    Application().CreateForm(DemoForm);
    const std::string path = ScreenshotPath();
    std::unique_ptr<TScreenshot> screenshot;
    if (!path.empty()) screenshot = std::make_unique<TScreenshot>(path);
    Application().Run();
  } catch (...) {
    Application().HandleException();
    return 1;
  }
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int status = RunDemo();
  Application().DestroyComponents();
  DemoForm = nullptr;
  DestroySkinManager();
  return status;
}
