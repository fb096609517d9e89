// skingen SKIN_INI OUT_DIR
//
// Writes the default skin's package entries into OUT_DIR: the description
// SKIN_INI, copied, and the bitmaps that this program draws.
#include <cstdio>
#include <exception>

#include "tools/skingen/SkinWriter.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skingen SKIN_INI OUT_DIR\n");
    return 2;
  }
  try {
    WriteSkin(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s\n", e.what());
    return 1;
  }
  return 0;
}
