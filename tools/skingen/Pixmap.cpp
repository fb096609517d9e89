#include "tools/skingen/Pixmap.h"

#include <string>

#include "ui/Exception.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

// Three bytes a pixel, rows padded to a multiple of 4 bytes.
std::size_t RowSize(int width) { return (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4; }

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(v >> shift));
}

std::uint32_t GetU32(const std::vector<std::uint8_t>& in, std::size_t at) {
  return static_cast<std::uint32_t>(in[at]) | static_cast<std::uint32_t>(in[at + 1]) << 8 |
         static_cast<std::uint32_t>(in[at + 2]) << 16 | static_cast<std::uint32_t>(in[at + 3]) << 24;
}

std::uint16_t GetU16(const std::vector<std::uint8_t>& in, std::size_t at) {
  return static_cast<std::uint16_t>(in[at] | in[at + 1] << 8);
}

[[noreturn]] void Malformed(const std::string& what) { throw Exception("not a usable BMP file: " + what); }

}  // namespace

TPixmap::TPixmap(int width, int height, TRgb fill)
    : FWidth(width), FHeight(height),
      FPixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::vector<std::uint8_t> EncodeBmp(const TPixmap& picture) {
  const std::size_t rowSize = RowSize(picture.Width());
  const std::size_t imageSize = rowSize * static_cast<std::size_t>(picture.Height());
  const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageSize);

  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  PutU32(out, static_cast<std::uint32_t>(offset + imageSize));
  PutU16(out, 0);
  PutU16(out, 0);
  PutU32(out, static_cast<std::uint32_t>(offset));
  // BITMAPINFOHEADER
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(picture.Width()));
  PutU32(out, static_cast<std::uint32_t>(picture.Height()));  // positive: bottom-up
  PutU16(out, 1);                                             // planes
  PutU16(out, 24);                                            // bits per pixel
  PutU32(out, 0);                                             // BI_RGB
  PutU32(out, static_cast<std::uint32_t>(imageSize));
  PutU32(out, kPixelsPerMetre);
  PutU32(out, kPixelsPerMetre);
  PutU32(out, 0);  // colours used
  PutU32(out, 0);  // important colours

  for (int y = picture.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const TRgb c = picture.At(x, y);
      out.push_back(c.B);
      out.push_back(c.G);
      out.push_back(c.R);
    }
    out.resize(out.size() + rowSize - static_cast<std::size_t>(picture.Width()) * 3, 0);
  }
  return out;
}

TPixmap DecodeBmp(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize) Malformed("shorter than its headers");
  if (bytes[0] != 'B' || bytes[1] != 'M') Malformed("no BM signature");
  if (GetU32(bytes, 2) != bytes.size()) Malformed("file size field disagrees with the file");
  const std::uint32_t offset = GetU32(bytes, 10);
  if (GetU32(bytes, 14) != kInfoHeaderSize) Malformed("information header is not 40 bytes");
  const auto width = static_cast<std::int32_t>(GetU32(bytes, 18));
  const auto rawHeight = static_cast<std::int32_t>(GetU32(bytes, 22));
  const int bits = GetU16(bytes, 28);
  if (GetU16(bytes, 26) != 1) Malformed("planes is not 1");
  if (bits != 24) Malformed(std::to_string(bits) + " bits per pixel, not 24");
  if (GetU32(bytes, 30) != 0) Malformed("compressed");
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) Malformed("empty or invalid size");
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;
  const std::size_t rowSize = RowSize(width);
  const std::size_t imageSize = rowSize * static_cast<std::size_t>(height);
  const std::uint32_t declaredImageSize = GetU32(bytes, 34);
  if (declaredImageSize != 0 && declaredImageSize != imageSize) Malformed("image size field is wrong");
  if (offset < kFileHeaderSize + kInfoHeaderSize || offset + imageSize != bytes.size())
    Malformed("pixel data does not fill the file");

  TPixmap picture(width, height);
  for (int row = 0; row < height; ++row) {
    const int y = bottomUp ? height - 1 - row : row;
    const std::size_t start = offset + static_cast<std::size_t>(row) * rowSize;
    for (int x = 0; x < width; ++x) {
      const std::size_t p = start + static_cast<std::size_t>(x) * 3;
      picture.Set(x, y, TRgb{bytes[p + 2], bytes[p + 1], bytes[p]});
    }
  }
  return picture;
}
