#include "tools/skingen/Pixmap.h"

#include <string>

#include "ui/BmpFile.h"

namespace {

constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch
constexpr int kBits = 24;

[[noreturn]] void Malformed(const std::string& what) { throw Exception("not a usable BMP file: " + what); }

}  // namespace

TPixmap::TPixmap(int width, int height, TRgb fill)
    : FWidth(width), FHeight(height),
      FPixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill) {}

std::vector<std::uint8_t> EncodePixmap(const TPixmap& picture) {
  TBmpImage image;
  image.Width = picture.Width();
  image.Height = picture.Height();
  image.BitsPerPixel = kBits;
  image.PixelsPerMetre = kPixelsPerMetre;
  const std::size_t rowSize = BmpRowBytes(picture.Width(), kBits);
  image.Pixels.reserve(rowSize * static_cast<std::size_t>(picture.Height()));
  for (int y = picture.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const TRgb c = picture.At(x, y);
      image.Pixels.push_back(c.B);
      image.Pixels.push_back(c.G);
      image.Pixels.push_back(c.R);
    }
    image.Pixels.resize(image.Pixels.size() + rowSize - static_cast<std::size_t>(picture.Width()) * 3, 0);
  }
  return EncodeBmp(image);
}

TPixmap DecodePixmap(std::span<const std::uint8_t> bytes) {
  const TBmpImage image = DecodeBmp(bytes);
  if (image.BitsPerPixel != kBits) Malformed(std::to_string(image.BitsPerPixel) + " bits per pixel, not 24");
  // A file cut or padded on its way would still decode; the headers tell.
  const TBmpFileHeader header = DecodeBmpFileHeader(bytes);
  if (header.FileSize != bytes.size()) Malformed("file size field disagrees with the file");
  if (header.PixelOffset + image.Pixels.size() != bytes.size()) Malformed("pixel data does not fill the file");

  TPixmap picture(image.Width, image.Height);
  const std::size_t rowSize = BmpRowBytes(image.Width, kBits);
  for (int y = 0; y < image.Height; ++y) {
    const std::uint8_t* row = image.Pixels.data() + static_cast<std::size_t>(image.Height - 1 - y) * rowSize;
    for (int x = 0; x < image.Width; ++x, row += 3) picture.Set(x, y, TRgb{row[2], row[1], row[0]});
  }
  return picture;
}
