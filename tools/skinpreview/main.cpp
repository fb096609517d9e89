// skinpreview SKIN_DIR CAPTION_BMP MEMO_BMP WINDOW_BMP GALLERY_BMP
//
// Draws the program's main window from the skin in SKIN_DIR, active and
// inactive side by side on a plain desktop, into WINDOW_BMP, and samples of
// the control elements into GALLERY_BMP. CAPTION_BMP holds
// the caption text in any ink on magenta, MEMO_BMP the memo's text on white
// (tools/skinpreview/preview renders both and converts the result).
#include <cstdio>
#include <exception>

#include "tools/skinpreview/Gallery.h"
#include "tools/skinpreview/MainWindow.h"
#include "tools/skinpreview/Render.h"
#include "ui/Stream.h"

namespace {

void Save(const TPixmap& picture, const char* path) {
  const std::vector<std::uint8_t> bytes = EncodePixmap(picture);
  TFileStream out(path);
  out.WriteBuffer(bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: skinpreview SKIN_DIR CAPTION_BMP MEMO_BMP WINDOW_BMP GALLERY_BMP\n");
    return 2;
  }
  try {
    const TSkinSource skin(argv[1]);
    const TPixmap caption = DecodePixmap(ReadFileBytes(argv[2]));
    const TPixmap memo = DecodePixmap(ReadFileBytes(argv[3]));
    const TRgb desktop = Hex(0x8A97A6);
    const TPixmap active = ComposeMainWindow(skin, true, caption, memo, desktop);
    const TPixmap inactive = ComposeMainWindow(skin, false, caption, memo, desktop);
    constexpr int kGap = 16;
    TPixmap sheet(active.Width() * 2 + kGap * 3, active.Height() + kGap * 2, desktop);
    Blit(sheet, kGap, kGap, active, false);
    Blit(sheet, active.Width() + kGap * 2, kGap, inactive, false);
    Save(sheet, argv[4]);
    Save(ComposeGallery(skin), argv[5]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpreview: %s\n", e.what());
    return 1;
  }
  return 0;
}
