// skinpreview SKIN_DIR CAPTION_BMP MEMO_BMP OUT_BMP
//
// Draws the program's main window from the skin in SKIN_DIR, active and
// inactive side by side on a plain desktop, into OUT_BMP. CAPTION_BMP holds
// the caption text in any ink on magenta, MEMO_BMP the memo's text on white
// (tools/skinpreview/preview renders both and converts the result).
#include <cstdio>
#include <exception>

#include "tools/skinpreview/MainWindow.h"
#include "tools/skinpreview/Render.h"
#include "ui/Stream.h"

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: skinpreview SKIN_DIR CAPTION_BMP MEMO_BMP OUT_BMP\n");
    return 2;
  }
  try {
    const TSkinSource skin(argv[1]);
    const TPixmap caption = DecodeBmp(ReadFileBytes(argv[2]));
    const TPixmap memo = DecodeBmp(ReadFileBytes(argv[3]));
    const TRgb desktop = Hex(0x8A97A6);
    const TPixmap active = ComposeMainWindow(skin, true, caption, memo, desktop);
    const TPixmap inactive = ComposeMainWindow(skin, false, caption, memo, desktop);
    constexpr int kGap = 16;
    TPixmap sheet(active.Width() * 2 + kGap * 3, active.Height() + kGap * 2, desktop);
    Blit(sheet, kGap, kGap, active, false);
    Blit(sheet, active.Width() + kGap * 2, kGap, inactive, false);
    const std::vector<std::uint8_t> bytes = EncodeBmp(sheet);
    TFileStream out(argv[4]);
    out.WriteBuffer(bytes.data(), bytes.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpreview: %s\n", e.what());
    return 1;
  }
  return 0;
}
