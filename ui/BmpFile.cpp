#include "ui/BmpFile.h"

#include <climits>
#include <cstring>

#include "ui/Bytes.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::uint32_t kRgb = 0;        // BI_RGB
constexpr std::uint32_t kBitFields = 3;  // BI_BITFIELDS

bool IsHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 || size == 108 ||
         size == 124;
}

// The packed bitmap whose information header starts at `offset`;
// `pixelOffset` 0 means that the pixels follow the colour table.
TBmpImage DecodeAt(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t pixelOffset) {
  const std::uint8_t* data = bytes.data();
  const std::size_t size = bytes.size();
  if (size < offset + 4) throw EInvalidGraphic("Bitmap header is truncated");
  const std::uint32_t headerSize = GetLE32(data + offset);
  if (!IsHeaderSize(headerSize)) throw EInvalidGraphic("Unsupported bitmap header");
  if (size - offset < headerSize) throw EInvalidGraphic("Bitmap header is truncated");
  const std::uint8_t* h = data + offset;
  const bool core = headerSize == kCoreHeaderSize;

  TBmpImage image;
  std::int64_t width, height;
  std::uint32_t compression = kRgb, colorsUsed = 0;
  if (core) {
    width = GetLE16(h + 4);
    height = GetLE16(h + 6);
    image.BitsPerPixel = GetLE16(h + 10);
  } else {
    width = static_cast<std::int32_t>(GetLE32(h + 4));
    height = static_cast<std::int32_t>(GetLE32(h + 8));
    image.BitsPerPixel = GetLE16(h + 14);
    compression = GetLE32(h + 16);
    image.PixelsPerMetre = static_cast<std::int32_t>(GetLE32(h + 24));
    colorsUsed = GetLE32(h + 32);
  }
  const int bits = image.BitsPerPixel;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    throw EInvalidGraphic("Unsupported bitmap colour depth");
  if (compression != kRgb && !(compression == kBitFields && (bits == 16 || bits == 32)))
    throw EInvalidGraphic("Unsupported bitmap compression");
  if (width <= 0 || height == 0 || height == INT_MIN) throw EInvalidGraphic("Invalid bitmap size");
  const bool topDown = height < 0;
  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(topDown ? -height : height);

  // The masks follow a 40-byte header; longer headers hold them themselves.
  std::size_t table = offset + headerSize;
  if (compression == kBitFields) {
    const std::size_t masks = offset + kInfoHeaderSize;
    if (headerSize == kInfoHeaderSize) table += 12;
    if (size < masks + 12) throw EInvalidGraphic("Bitmap header is truncated");
    image.BitFields = true;
    for (std::size_t i = 0; i < 3; ++i) image.Masks[i] = GetLE32(data + masks + 4 * i);
  }

  const std::uint64_t entrySize = core ? 3 : 4;
  std::uint64_t colours = colorsUsed;
  if (bits <= 8) {
    if (colours == 0) colours = 1u << bits;
    if (colours > (1u << bits)) throw EInvalidGraphic("Invalid bitmap colour table");
  }
  // Above 8 bits a colour table is only a hint for palette devices: skipped.
  if (table + colours * entrySize > size) throw EInvalidGraphic("Bitmap colour table is truncated");
  if (bits <= 8) {
    for (std::uint64_t i = 0; i < colours; ++i) {
      const std::uint8_t* e = data + table + i * entrySize;
      image.Palette.push_back(TBmpColour{e[0], e[1], e[2]});
    }
  }

  const std::size_t start = pixelOffset != 0 ? pixelOffset : static_cast<std::size_t>(table + colours * entrySize);
  const std::size_t row = BmpRowBytes(image.Width, bits);
  const std::uint64_t pixelBytes = static_cast<std::uint64_t>(row) * static_cast<std::uint64_t>(image.Height);
  if (start > size || size - start < pixelBytes) throw EInvalidGraphic("Bitmap pixel data is truncated");
  const std::uint8_t* pixels = data + start;
  if (!topDown) {
    image.Pixels.assign(pixels, pixels + pixelBytes);
  } else {
    image.Pixels.resize(static_cast<std::size_t>(pixelBytes));
    for (std::size_t y = 0; y < static_cast<std::size_t>(image.Height); ++y)
      std::memcpy(image.Pixels.data() + row * (image.Height - 1 - y), pixels + row * y, row);
  }
  return image;
}

}  // namespace

std::size_t BmpRowBytes(int width, int bitsPerPixel) {
  return static_cast<std::size_t>((static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32 * 4);
}

TBmpFileHeader DecodeBmpFileHeader(std::span<const std::uint8_t> file) {
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') throw EInvalidGraphic("Not a bitmap file");
  return TBmpFileHeader{GetLE32(file.data() + 2), GetLE32(file.data() + 10)};
}

TBmpImage DecodeBmp(std::span<const std::uint8_t> file) {
  const TBmpFileHeader header = DecodeBmpFileHeader(file);
  if (header.PixelOffset == 0) throw EInvalidGraphic("Bitmap pixel data is truncated");
  return DecodeAt(file, kFileHeaderSize, header.PixelOffset);
}

TBmpImage DecodeDib(std::span<const std::uint8_t> dib) { return DecodeAt(dib, 0, 0); }

std::vector<std::uint8_t> EncodeBmp(const TBmpImage& image) {
  const std::size_t pixelBytes = BmpRowBytes(image.Width, image.BitsPerPixel) * static_cast<std::size_t>(image.Height);
  if (image.Width <= 0 || image.Height <= 0 || image.Pixels.size() != pixelBytes)
    throw EInvalidGraphic("Bitmap pixel data does not match its size");
  const std::size_t offset =
      kFileHeaderSize + kInfoHeaderSize + (image.BitFields ? 12 : 0) + 4 * image.Palette.size();
  std::vector<std::uint8_t> out;
  out.reserve(offset + pixelBytes);
  // File header
  out.push_back('B');
  out.push_back('M');
  AppendLE32(out, static_cast<std::uint32_t>(offset + pixelBytes));
  AppendLE32(out, 0);  // reserved
  AppendLE32(out, static_cast<std::uint32_t>(offset));
  // Information header; a positive height: rows bottom-up
  AppendLE32(out, kInfoHeaderSize);
  AppendLE32(out, static_cast<std::uint32_t>(image.Width));
  AppendLE32(out, static_cast<std::uint32_t>(image.Height));
  AppendLE16(out, 1);  // planes
  AppendLE16(out, static_cast<std::uint32_t>(image.BitsPerPixel));
  AppendLE32(out, image.BitFields ? kBitFields : kRgb);
  AppendLE32(out, static_cast<std::uint32_t>(pixelBytes));
  AppendLE32(out, static_cast<std::uint32_t>(image.PixelsPerMetre));
  AppendLE32(out, static_cast<std::uint32_t>(image.PixelsPerMetre));
  AppendLE32(out, static_cast<std::uint32_t>(image.Palette.size()));  // colours used
  AppendLE32(out, 0);                                                 // important colours
  if (image.BitFields)
    for (const std::uint32_t mask : image.Masks) AppendLE32(out, mask);
  for (const TBmpColour& c : image.Palette) {
    out.push_back(c.Blue);
    out.push_back(c.Green);
    out.push_back(c.Red);
    out.push_back(0);
  }
  out.insert(out.end(), image.Pixels.begin(), image.Pixels.end());
  return out;
}
