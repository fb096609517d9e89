// skinres DIR: writes the program's own skin bitmaps into DIR as BMP files,
// for the resource compiler:
//   track.bmp        TRACK, 16 x 4, 4 bits: the horizontal track-bar channel
//   trackvert.bmp    TRACKVERT, 4 x 16, 4 bits: the vertical channel
//   quillanmenu.bmp  QUILLANMENU, 64 x 16, 1 bit: the MDI menu-bar glyphs
//                    restore, maximize, minimize and close, black on white
// The pictures are drawn below, one character per pixel.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ui/BmpFile.h"

namespace {

struct TPaletteColour {
  char Symbol;
  std::uint32_t Rgb;  // 0xRRGGBB
};

// A picture given row by row from the top, one symbol per pixel, and the
// colour of each symbol; the symbols' order is the palette's.
struct TPicture {
  const char* File;
  int Bits;
  std::vector<TPaletteColour> Palette;
  std::vector<std::string> Rows;
};

int IndexOf(const TPicture& picture, char symbol) {
  for (std::size_t i = 0; i < picture.Palette.size(); ++i)
    if (picture.Palette[i].Symbol == symbol) return static_cast<int>(i);
  std::fprintf(stderr, "skinres: %s: unknown pixel '%c'\n", picture.File, symbol);
  std::exit(1);
}

// The picture as a palette image: a full colour table (black where the
// picture names fewer colours), the rows bottom-up.
TBmpImage ImageOf(const TPicture& picture) {
  TBmpImage image;
  image.Width = static_cast<int>(picture.Rows.front().size());
  image.Height = static_cast<int>(picture.Rows.size());
  image.BitsPerPixel = picture.Bits;
  for (const TPaletteColour& c : picture.Palette)
    image.Palette.push_back(TBmpColour{static_cast<std::uint8_t>(c.Rgb), static_cast<std::uint8_t>(c.Rgb >> 8),
                                       static_cast<std::uint8_t>(c.Rgb >> 16)});
  image.Palette.resize(std::size_t{1} << picture.Bits);
  const std::size_t rowBytes = BmpRowBytes(image.Width, picture.Bits);
  for (auto row = picture.Rows.rbegin(); row != picture.Rows.rend(); ++row) {
    std::vector<std::uint8_t> bytes(rowBytes);
    for (std::size_t x = 0; x < row->size(); ++x) {
      const std::size_t bit = x * static_cast<std::size_t>(picture.Bits);
      const int shift = 8 - picture.Bits - static_cast<int>(bit % 8);
      bytes[bit / 8] |= static_cast<std::uint8_t>(IndexOf(picture, (*row)[x]) << shift);
    }
    image.Pixels.insert(image.Pixels.end(), bytes.begin(), bytes.end());
  }
  return image;
}

// '#' dark grey edge, '+' light grey start, '.' white body.
const std::vector<TPaletteColour> kTrackPalette = {{'#', 0x808080}, {'+', 0xC0C0C0}, {'.', 0xFFFFFF}};

using TGlyph = std::vector<std::string>;

const TGlyph kRestore = {
    "................", "................", "................", "......######....",
    "......######....", "......#....#....", "....######.#....", "....######.#....",
    "....#....###....", "....#....#......", "....#....#......", "....######......",
    "................", "................", "................", "................",
};
const TGlyph kMaximize = {
    "................", "................", "................", "....########....",
    "....########....", "....#......#....", "....#......#....", "....#......#....",
    "....#......#....", "....#......#....", "....########....", "................",
    "................", "................", "................", "................",
};
const TGlyph kMinimize = {
    "................", "................", "................", "................",
    "................", "................", "................", "................",
    "................", "................", ".....######.....", ".....######.....",
    "................", "................", "................", "................",
};
const TGlyph kClose = {
    "................", "................", "................", "................",
    "....##....##....", ".....##..##.....", "......####......", ".......##.......",
    "......####......", ".....##..##.....", "....##....##....", "................",
    "................", "................", "................", "................",
};

// Glyphs side by side, in the order given.
std::vector<std::string> Beside(const std::vector<TGlyph>& glyphs) {
  std::vector<std::string> rows(glyphs.front().size());
  for (const TGlyph& glyph : glyphs)
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] += glyph[y];
  return rows;
}

const TPicture kPictures[] = {
    {"track.bmp", 4, kTrackPalette,
     {
         "################",
         "+...............",
         "+...............",
         "+...............",
     }},
    {"trackvert.bmp", 4, kTrackPalette,
     {
         "#+++", "#...", "#...", "#...", "#...", "#...", "#...", "#...",
         "#...", "#...", "#...", "#...", "#...", "#...", "#...", "#...",
     }},
    // Black on white; white is transparent where the glyphs are drawn.
    {"quillanmenu.bmp", 1, {{'#', 0x000000}, {'.', 0xFFFFFF}}, Beside({kRestore, kMaximize, kMinimize, kClose})},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skinres DIR\n");
    return 2;
  }
  for (const TPicture& picture : kPictures) {
    const std::string path = std::string(argv[1]) + "/" + picture.File;
    const std::vector<std::uint8_t> bytes = EncodeBmp(ImageOf(picture));
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "skinres: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
