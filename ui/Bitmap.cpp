#include "ui/Bitmap.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "ui/Stream.h"

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  PutU16(out, v & 0xFFFF);
  PutU16(out, v >> 16);
}

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

std::int64_t RowBytesOf(std::int64_t width, int bits) { return (width * bits + 31) / 32 * 4; }

// A BITMAPINFO with room for a full colour table or three bit-field masks.
struct TDibInfo {
  BITMAPINFOHEADER Header;
  RGBQUAD Colors[256];
};

struct TDib {
  TBitmapHandle Handle;
  std::uint8_t* Bits = nullptr;
};

TDib CreateDib(int width, int height, TPixelFormat format, const std::vector<RGBQUAD>& palette) {
  TDibInfo info{};
  info.Header.biSize = sizeof(BITMAPINFOHEADER);
  info.Header.biWidth = width;
  info.Header.biHeight = height;
  info.Header.biPlanes = 1;
  info.Header.biBitCount = static_cast<WORD>(BitsPerPixel(format));
  info.Header.biCompression = BI_RGB;
  info.Header.biClrUsed = static_cast<DWORD>(palette.size());
  std::copy(palette.begin(), palette.end(), info.Colors);
  TDib dib;
  void* bits = nullptr;
  dib.Handle.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &bits, nullptr, 0));
  if (!dib.Handle) throw EInvalidGraphic("Cannot create a bitmap of " + std::to_string(width) + " x " +
                                         std::to_string(height) + " pixels");
  dib.Bits = static_cast<std::uint8_t*>(bits);
  return dib;
}

// Where and how the pixels of a device-independent bitmap lie in a byte
// buffer, read from its header and checked against the buffer's length.
struct TDibLayout {
  int Width = 0;
  int Height = 0;  // rows, always positive
  bool TopDown = false;
  int Bits = 0;
  bool BitFields = false;
  DWORD Masks[3] = {};
  std::vector<RGBQUAD> Palette;
  std::size_t BitsOffset = 0;
};

// The header starts at `offset`; `bitsOffset` 0 means that the pixels follow
// the colour table (a packed bitmap, as in resources).
TDibLayout ParseDib(const std::uint8_t* data, std::size_t size, std::size_t offset, std::size_t bitsOffset) {
  TDibLayout dib;
  if (size < offset + 4) throw EInvalidGraphic("Bitmap header is truncated");
  const std::uint32_t headerSize = U32(data + offset);
  const bool core = headerSize == 12;
  if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
      headerSize != 124)
    throw EInvalidGraphic("Unsupported bitmap header");
  if (size - offset < headerSize) throw EInvalidGraphic("Bitmap header is truncated");
  const std::uint8_t* h = data + offset;
  std::int64_t width, height;
  std::uint32_t compression = BI_RGB, colorsUsed = 0;
  if (core) {
    width = U16(h + 4);
    height = U16(h + 6);
    dib.Bits = U16(h + 10);
  } else {
    width = static_cast<std::int32_t>(U32(h + 4));
    height = static_cast<std::int32_t>(U32(h + 8));
    dib.Bits = U16(h + 14);
    compression = U32(h + 16);
    colorsUsed = U32(h + 32);
  }
  const int bits = dib.Bits;
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
    throw EInvalidGraphic("Unsupported bitmap colour depth");
  if (compression != BI_RGB && !(compression == BI_BITFIELDS && (bits == 16 || bits == 32)))
    throw EInvalidGraphic("Unsupported bitmap compression");
  if (width <= 0 || height == 0 || height == INT_MIN) throw EInvalidGraphic("Invalid bitmap size");
  dib.Width = static_cast<int>(width);
  dib.TopDown = height < 0;
  dib.Height = static_cast<int>(height < 0 ? -height : height);

  std::size_t table = offset + headerSize;
  if (compression == BI_BITFIELDS) {
    const std::size_t masks = headerSize == 40 ? table : offset + 40;
    if (headerSize == 40) table += 12;
    if (size < masks + 12) throw EInvalidGraphic("Bitmap header is truncated");
    for (int i = 0; i < 3; ++i) dib.Masks[i] = U32(data + masks + 4 * i);
    const bool standard = bits == 32 ? dib.Masks[0] == 0xFF0000 && dib.Masks[1] == 0xFF00 && dib.Masks[2] == 0xFF
                                     : dib.Masks[0] == 0x7C00 && dib.Masks[1] == 0x3E0 && dib.Masks[2] == 0x1F;
    dib.BitFields = !standard;
  }
  const std::uint64_t entrySize = core ? 3 : 4;
  std::uint64_t colors = colorsUsed;
  if (bits <= 8) {
    if (colors == 0) colors = 1u << bits;
    if (colors > (1u << bits)) throw EInvalidGraphic("Invalid bitmap colour table");
  }
  if (table + colors * entrySize > size) throw EInvalidGraphic("Bitmap colour table is truncated");
  if (bits <= 8) {
    for (std::uint64_t i = 0; i < colors; ++i) {
      const std::uint8_t* e = data + table + i * entrySize;
      dib.Palette.push_back(RGBQUAD{e[0], e[1], e[2], 0});
    }
  }
  dib.BitsOffset = bitsOffset != 0 ? bitsOffset : static_cast<std::size_t>(table + colors * entrySize);
  const std::uint64_t pixelBytes = static_cast<std::uint64_t>(RowBytesOf(dib.Width, bits)) * dib.Height;
  if (dib.BitsOffset > size || size - dib.BitsOffset < pixelBytes)
    throw EInvalidGraphic("Bitmap pixel data is truncated");
  return dib;
}

}  // namespace

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

int TBitmap::RowBytes() const { return static_cast<int>(RowBytesOf(FWidth, BitsPerPixel(FPixelFormat))); }

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
                      std::vector<RGBQUAD> palette) {
  if (FDC) SelectObject(FDC->Get(), handle ? static_cast<HGDIOBJ>(handle.Get()) : FDefaultBitmap);
  FHandle = std::move(handle);
  FBits = bits;
  FWidth = FHandle ? width : 0;
  FHeight = FHandle ? height : 0;
  FPixelFormat = format;
  FPalette = std::move(palette);
}

void TBitmap::Redraw(int width, int height, TPixelFormat format, std::vector<RGBQUAD> palette) {
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

namespace {

// Builds a bitmap's image from a checked layout.
TDib DibFromLayout(const TDibLayout& layout, const std::uint8_t* data, TPixelFormat& format) {
  const std::uint8_t* pixels = data + layout.BitsOffset;
  if (layout.BitFields) {
    // Unusual masks: let GDI convert to a plain format.
    format = layout.Bits == 32 ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
    TDib dib = CreateDib(layout.Width, layout.Height, format, {});
    TDibInfo info{};
    info.Header.biSize = sizeof(BITMAPINFOHEADER);
    info.Header.biWidth = layout.Width;
    info.Header.biHeight = layout.TopDown ? -layout.Height : layout.Height;
    info.Header.biPlanes = 1;
    info.Header.biBitCount = static_cast<WORD>(layout.Bits);
    info.Header.biCompression = BI_BITFIELDS;
    std::memcpy(info.Colors, layout.Masks, sizeof layout.Masks);
    TMemoryDC dc;
    SetDIBits(dc.Get(), dib.Handle.Get(), 0, static_cast<UINT>(layout.Height), pixels,
              reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    return dib;
  }
  format = FormatOfBits(layout.Bits);
  TDib dib = CreateDib(layout.Width, layout.Height, format, layout.Palette);
  GdiFlush();
  const std::size_t row = static_cast<std::size_t>(RowBytesOf(layout.Width, layout.Bits));
  if (!layout.TopDown) {
    std::memcpy(dib.Bits, pixels, row * layout.Height);
  } else {
    for (int y = 0; y < layout.Height; ++y)
      std::memcpy(dib.Bits + row * (layout.Height - 1 - y), pixels + row * y, row);
  }
  return dib;
}

}  // namespace

void TBitmap::LoadFromStream(TStream& stream) {
  const std::int64_t left = stream.Size() - stream.Position();
  std::vector<std::uint8_t> data(static_cast<std::size_t>(std::max<std::int64_t>(left, 0)));
  data.resize(stream.Read(data.data(), data.size()));
  if (data.size() < kFileHeaderSize || data[0] != 'B' || data[1] != 'M')
    throw EInvalidGraphic("Not a bitmap file");
  const std::uint32_t bitsOffset = U32(data.data() + 10);
  if (bitsOffset == 0) throw EInvalidGraphic("Bitmap pixel data is truncated");
  const TDibLayout layout = ParseDib(data.data(), data.size(), kFileHeaderSize, bitsOffset);
  TPixelFormat format;
  TDib dib = DibFromLayout(layout, data.data(), format);
  Replace(std::move(dib.Handle), dib.Bits, layout.Width, layout.Height, format, layout.Palette);
}

void TBitmap::LoadFromResourceName(HINSTANCE instance, const char* name) {
  HRSRC info = FindResourceA(instance, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  HGLOBAL resource = info ? LoadResource(instance, info) : nullptr;
  const void* bytes = resource ? LockResource(resource) : nullptr;
  if (!bytes) throw EInvalidGraphic(std::string("Bitmap resource ") + name + " not found");
  const auto* data = static_cast<const std::uint8_t*>(bytes);
  const TDibLayout layout = ParseDib(data, SizeofResource(instance, info), 0, 0);
  TPixelFormat format;
  TDib dib = DibFromLayout(layout, data, format);
  Replace(std::move(dib.Handle), dib.Bits, layout.Width, layout.Height, format, layout.Palette);
}

void TBitmap::SaveToStream(TStream& stream) const {
  if (Empty()) return;
  const std::uint32_t offBits =
      static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * FPalette.size());
  const std::uint32_t imageSize = static_cast<std::uint32_t>(RowBytes()) * static_cast<std::uint32_t>(FHeight);
  std::vector<std::uint8_t> out;
  out.reserve(offBits);
  out.push_back('B');
  out.push_back('M');
  PutU32(out, offBits + imageSize);
  PutU32(out, 0);
  PutU32(out, offBits);
  PutU32(out, kInfoHeaderSize);
  PutU32(out, static_cast<std::uint32_t>(FWidth));
  PutU32(out, static_cast<std::uint32_t>(FHeight));
  PutU16(out, 1);
  PutU16(out, static_cast<std::uint32_t>(BitsPerPixel(FPixelFormat)));
  PutU32(out, BI_RGB);
  PutU32(out, imageSize);
  PutU32(out, 0);
  PutU32(out, 0);
  PutU32(out, static_cast<std::uint32_t>(FPalette.size()));
  PutU32(out, 0);
  for (const RGBQUAD& c : FPalette) {
    out.push_back(c.rgbBlue);
    out.push_back(c.rgbGreen);
    out.push_back(c.rgbRed);
    out.push_back(0);
  }
  stream.WriteBuffer(out.data(), out.size());
  GdiFlush();
  stream.WriteBuffer(FBits, imageSize);
}
