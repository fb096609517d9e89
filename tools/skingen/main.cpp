// skingen SKIN_INI OUT_DIR [PALETTE]
//
// Writes a skin's package entries into OUT_DIR: the description SKIN_INI,
// copied, and the bitmaps that this program draws in the colours of
// PALETTE ("slate", the default skin's, when not given; or "ember").
#include <cstdio>
#include <exception>

#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinWriter.h"

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: skingen SKIN_INI OUT_DIR [PALETTE]\n");
    return 2;
  }
  if (argc == 4) {
    const TPalette* palette = FindPalette(argv[3]);
    if (!palette) {
      std::fprintf(stderr, "skingen: no palette named %s (slate, ember)\n", argv[3]);
      return 2;
    }
    UsePalette(*palette);
  }
  try {
    WriteSkin(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
