#include "ui/Bitmap.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "ui/Stream.h"

namespace {

bool IsPaletteFormat(TPixelFormat format) { return BitsPerPixel(format) <= 8; }

TPixelFormat FormatOfBits(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16: return TPixelFormat::pf16bit;
    case 24: return TPixelFormat::pf24bit;
    default: return TPixelFormat::pf32bit;
  }
}

// A BITMAPINFO with room for a full colour table or three bit-field masks.
struct TDibInfo {
  BITMAPINFOHEADER Header;
  RGBQUAD Colors[256];
};

struct TDib {
  TBitmapHandle Handle;
  std::uint8_t* Bits = nullptr;
};

TDib CreateDib(int width, int height, TPixelFormat format, const std::vector<TBmpColour>& palette) {
  TDibInfo info{};
  info.Header.biSize = sizeof(BITMAPINFOHEADER);
  info.Header.biWidth = width;
  info.Header.biHeight = height;
  info.Header.biPlanes = 1;
  info.Header.biBitCount = static_cast<WORD>(BitsPerPixel(format));
  info.Header.biCompression = BI_RGB;
  info.Header.biClrUsed = static_cast<DWORD>(palette.size());
  for (std::size_t i = 0; i < palette.size(); ++i)
    info.Colors[i] = RGBQUAD{palette[i].Blue, palette[i].Green, palette[i].Red, 0};
  TDib dib;
  void* bits = nullptr;
  dib.Handle.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0));
  if (!dib.Handle) throw EInvalidGraphic("Cannot create a bitmap of " + std::to_string(width) + " x " +
                                         std::to_string(height) + " pixels");
  dib.Bits = static_cast<std::uint8_t*>(bits);
  return dib;
}

// Bit fields that are the plain 5-5-5 or 8-8-8 layout.
bool HasPlainMasks(const TBmpImage& image) {
  using TMasks = std::array<std::uint32_t, 3>;
  return image.BitsPerPixel == 32 ? image.Masks == TMasks{0xFF0000, 0xFF00, 0xFF}
                                  : image.Masks == TMasks{0x7C00, 0x3E0, 0x1F};
}

}  // namespace

QV_CLASS_INFO(TBitmap, {});

int BitsPerPixel(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf24bit: return 24;
    case TPixelFormat::pf32bit: return 32;
  }
  return 24;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format) {
  SetPixelFormat(format);
  SetSize(width, height);
}

TBitmap::~TBitmap() = default;

int TBitmap::RowBytes() const { return static_cast<int>(BmpRowBytes(FWidth, BitsPerPixel(FPixelFormat))); }

std::uint8_t* TBitmap::ScanLine(int y) {
  GdiFlush();
  return FBits + static_cast<std::ptrdiff_t>(FHeight - 1 - y) * RowBytes();
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
  GdiFlush();
  return FBits + static_cast<std::ptrdiff_t>(FHeight - 1 - y) * RowBytes();
}

TCanvas& TBitmap::Canvas() {
  if (!FDC) {
    FDC = std::make_unique<TMemoryDC>();
    FDefaultBitmap = GetCurrentObject(FDC->Get(), OBJ_BITMAP);
    if (FHandle) SelectObject(FDC->Get(), FHandle.Get());
    FCanvas.SetHandle(FDC->Get());
  }
  return FCanvas;
}

void TBitmap::Replace(TBitmapHandle handle, std::uint8_t* bits, int width, int height, TPixelFormat format,
                      std::vector<TBmpColour> palette) {
  if (FDC) SelectObject(FDC->Get(), handle ? static_cast<HGDIOBJ>(handle.Get()) : FDefaultBitmap);
  FHandle = std::move(handle);
  FBits = bits;
  FWidth = FHandle ? width : 0;
  FHeight = FHandle ? height : 0;
  FPixelFormat = format;
  FPalette = std::move(palette);
}

void TBitmap::Redraw(int width, int height, TPixelFormat format, std::vector<TBmpColour> palette) {
  TDib dib = CreateDib(width, height, format, palette);
  {
    TMemoryDC dc;
    TSelectObject select(dc.Get(), dib.Handle.Get());
    PatBlt(dc.Get(), 0, 0, width, height, WHITENESS);
    if (!Empty())
      BitBlt(dc.Get(), 0, 0, std::min(width, FWidth), std::min(height, FHeight), Canvas().Handle(), 0, 0,
             SRCCOPY);
  }
  GdiFlush();
  Replace(std::move(dib.Handle), dib.Bits, width, height, format, std::move(palette));
}

void TBitmap::SetSize(int width, int height) {
  if (width <= 0 || height <= 0) {
    Replace({}, nullptr, 0, 0, FPixelFormat, FPalette);
  } else if (width != FWidth || height != FHeight) {
    Redraw(width, height, FPixelFormat, FPalette);
  }
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == FPixelFormat) return;
  if (IsPaletteFormat(format)) throw EInvalidGraphic("Cannot convert a bitmap to a palette format");
  if (Empty()) {
    FPixelFormat = format;
    FPalette.clear();
  } else {
    Redraw(FWidth, FHeight, format, {});
  }
}

void TBitmap::Clear() { Replace({}, nullptr, 0, 0, FPixelFormat, {}); }

void TBitmap::Assign(const TBitmap& source) {
  if (&source == this) return;
  if (source.Empty()) {
    Replace({}, nullptr, 0, 0, source.FPixelFormat, source.FPalette);
    return;
  }
  TDib dib = CreateDib(source.FWidth, source.FHeight, source.FPixelFormat, source.FPalette);
  GdiFlush();
  std::memcpy(dib.Bits, source.FBits, static_cast<std::size_t>(source.RowBytes()) * source.FHeight);
  Replace(std::move(dib.Handle), dib.Bits, source.FWidth, source.FHeight, source.FPixelFormat, source.FPalette);
}

void TBitmap::Load(const TBmpImage& image) {
  if (image.BitFields && !HasPlainMasks(image)) {
    // Unusual masks: let GDI convert to a plain format.
    const TPixelFormat format = image.BitsPerPixel == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    TDib dib = CreateDib(image.Width, image.Height, format, {});
    TDibInfo info{};
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = image.Width;
    info.Header.biHeight = image.Height;
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(image.BitsPerPixel);
    info.Header.biCompression = BI_BITFIELDS;
    std::memcpy(info.Colors, image.Masks.data(), sizeof image.Masks);
    TMemoryDC dc;
    SetDIBits(dc.Get(), dib.Handle.Get(), 0, static_cast<UINT>(image.Height), image.Pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    Replace(std::move(dib.Handle), dib.Bits, image.Width, image.Height, format, {});
    return;
  }
  const TPixelFormat format = FormatOfBits(image.BitsPerPixel);
  TDib dib = CreateDib(image.Width, image.Height, format, image.Palette);
  GdiFlush();
  std::memcpy(dib.Bits, image.Pixels.data(), image.Pixels.size());
  Replace(std::move(dib.Handle), dib.Bits, image.Width, image.Height, format, image.Palette);
}

void TBitmap::LoadFromStream(TStream& stream) {
  const std::int64_t left = stream.Size() - stream.Position();
  std::vector<std::uint8_t> data(static_cast<std::size_t>(std::max<std::int64_t>(left, 0)));
  data.resize(stream.Read(data.data(), data.size()));
  Load(DecodeBmp(data));
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const char* name) {
  HRSRC info = FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL resource = info ? LoadResource(instance, info) : nullptr;
  const void* bytes = resource ? LockResource(resource) : nullptr;
  if (!bytes) throw EInvalidGraphic(std::string("Bitmap resource ") + name + " not found");
  Load(DecodeDib({static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, info)}));
}

void TBitmap::SaveToStream(TStream& stream) const {
  if (Empty()) return;
  TBmpImage image;
  image.Width = FWidth;
  image.Height = FHeight;
  image.BitsPerPixel = BitsPerPixel(FPixelFormat);
  image.Palette = FPalette;
  GdiFlush();
  image.Pixels.assign(FBits, FBits + static_cast<std::size_t>(RowBytes()) * static_cast<std::size_t>(FHeight));
  const std::vector<std::uint8_t> bytes = EncodeBmp(image);
  stream.WriteBuffer(bytes.data(), bytes.size());
}
