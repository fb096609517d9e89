// Fuzzes the BMP reader: each input is read as a BMP file and as a packed
// bitmap. What is read must be a consistent image, and writing it and
// reading it back must give the same image.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "ui/BmpFile.h"

namespace {

void Fail(const char* what) {
  std::printf("fuzz_bmpfile: %s\n", what);
  std::fflush(stdout);
  std::abort();
}

void Check(const TBmpImage& image, std::size_t inputSize) {
  const int bits = image.BitsPerPixel;
  if (image.Width <= 0 || image.Height <= 0) Fail("an image without pixels was read");
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Fail("odd colour depth");
  const std::size_t pixelBytes = BmpRowBytes(image.Width, bits) * static_cast<std::size_t>(image.Height);
  if (image.Pixels.size() != pixelBytes) Fail("the pixels do not match the size");
  // Rows are copied from the input, never made up.
  if (pixelBytes > inputSize) Fail("more pixels than input bytes");
  if (bits <= 8 ? image.Palette.empty() || image.Palette.size() > (std::size_t{1} << bits) : !image.Palette.empty())
    Fail("a colour table of the wrong size");
  if (image.BitFields && bits != 16 && bits != 32) Fail("bit fields on a palette or 24-bit image");
  if (DecodeBmp(EncodeBmp(image)) != image) Fail("the image did not survive writing and reading");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  try {
    Check(DecodeBmp(bytes), size);
  } catch (const EInvalidGraphic&) {
  }
  try {
    Check(DecodeDib(bytes), size);
  } catch (const EInvalidGraphic&) {
  }
  return 0;
}
