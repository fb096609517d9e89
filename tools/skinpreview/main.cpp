// skinpreview PACKAGE OUT_DIR
//
// Shows a skin package as the engine draws it: OUT_DIR/window.bmp, the
// program's main window (active and inactive) skinned by the engine and
// read back from the screen, and OUT_DIR/gallery.bmp, samples of the
// control elements drawn with the engine's primitives
// (tools/skinpreview/preview packs a skin folder, runs this under Wine and
// converts the pictures).
#include <cstdio>
#include <exception>
#include <string>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "tools/skinpreview/Gallery.h"
#include "tools/skinpreview/MainWindow.h"
#include "ui/Stream.h"

namespace {

void Save(TBitmap& picture, const std::string& path) {
  TFileStream out(path);
  picture.SaveToStream(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinpreview PACKAGE OUT_DIR\n");
    return 2;
  }
  int status = 0;
  {
    TComponent root(nullptr);
    try {
      auto* skin = new TSkinData(&root);
      skin->SetSkinFile(argv[1]);
      if (skin->FNoSkin) throw Exception(std::string(argv[1]) + " is not a skin package");
      const std::string out = argv[2];
      Save(*ComposeMainWindows(*skin), out + "/window.bmp");
      Save(*ComposeGallery(*skin), out + "/gallery.bmp");
    } catch (const Exception& e) {
      std::fprintf(stderr, "skinpreview: %s\n", e.Message().c_str());
      status = 1;
    }
  }
  DestroySkinManager();
  return status;
}
