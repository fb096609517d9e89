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

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

int IndexOf(const TPicture& picture, char symbol) {
  for (std::size_t i = 0; i < picture.Palette.size(); ++i)
    if (picture.Palette[i].Symbol == symbol) return static_cast<int>(i);
  std::fprintf(stderr, "skinres: %s: unknown pixel '%c'\n", picture.File, symbol);
  std::exit(1);
}

// A BMP file: 14-byte file header, 40-byte information header, the colour
// table, then the rows bottom-up, each padded to 4 bytes.
std::vector<std::uint8_t> EncodeBmp(const TPicture& picture) {
  const auto width = static_cast<std::uint32_t>(picture.Rows.front().size());
  const auto height = static_cast<std::uint32_t>(picture.Rows.size());
  const std::uint32_t rowBytes = (width * picture.Bits + 31) / 32 * 4;
  const std::uint32_t colours = 1u << picture.Bits;
  const std::uint32_t offBits = 14 + 40 + 4 * colours;
  std::vector<std::uint8_t> out{'B', 'M'};
  Put32(out, offBits + rowBytes * height);
  Put32(out, 0);
  Put32(out, offBits);
  Put32(out, 40);
  Put32(out, width);
  Put32(out, height);
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(picture.Bits));
  Put32(out, 0);
  Put32(out, rowBytes * height);
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, colours);
  Put32(out, 0);
  for (std::uint32_t i = 0; i < colours; ++i) {
    const std::uint32_t rgb = i < picture.Palette.size() ? picture.Palette[i].Rgb : 0;
    out.push_back(static_cast<std::uint8_t>(rgb));
    out.push_back(static_cast<std::uint8_t>(rgb >> 8));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    out.push_back(0);
  }
  for (auto row = picture.Rows.rbegin(); row != picture.Rows.rend(); ++row) {
    std::vector<std::uint8_t> bytes(rowBytes);
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::uint32_t bit = x * picture.Bits;
      const int shift = 8 - picture.Bits - static_cast<int>(bit % 8);
      bytes[bit / 8] |= static_cast<std::uint8_t>(IndexOf(picture, (*row)[x]) << shift);
    }
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  return out;
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
    const std::vector<std::uint8_t> bytes = EncodeBmp(picture);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
      std::fprintf(stderr, "skinres: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
