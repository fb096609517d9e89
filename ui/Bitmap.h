#pragma once
// A device-independent bitmap (a DIB section, so that the pixel rows can be
// addressed directly) with a canvas for GDI drawing on it. Rows are stored
// bottom-up as in a BMP file; ScanLine counts from the top. A bitmap is an
// object, so that a control can publish one (a button's Glyph).
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/BmpFile.h"
#include "ui/Canvas.h"
#include "ui/Gdi.h"
#include "ui/Object.h"

class TStream;

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf16bit, pf24bit, pf32bit };

int BitsPerPixel(TPixelFormat format);

class TBitmap : public TObject {
 public:
  QV_CLASS(TBitmap, TObject)

  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }
  TPixelFormat PixelFormat() const { return FPixelFormat; }

  // Resizes, keeping the pixels both sizes share; new pixels are white.
  // A width or height of 0 or less empties the bitmap.
  void SetSize(int width, int height);
  // Converts the pixels to 16, 24 or 32 bits per pixel. Palette formats
  // come only from loading; converting to one raises EInvalidGraphic.
  void SetPixelFormat(TPixelFormat format);
  // Removes the image: 0 x 0 pixels.
  void Clear();
  // A copy of the source's pixels, size and format.
  void Assign(const TBitmap& source);

  // Reads a BMP file from the stream's position to its end (what DecodeBmp
  // reads). Anything else raises EInvalidGraphic and leaves the bitmap as
  // it was.
  void LoadFromStream(TStream& stream);
  // Reads a bitmap resource of the module (EInvalidGraphic when missing).
  void LoadFromResourceName(HINSTANCE instance, const char* name);
  // Writes a BMP file (40-byte header, uncompressed).
  void SaveToStream(TStream& stream) const;

  HBITMAP Handle() const { return FHandle.Get(); }
  // Drawing surface; created on first use and kept with the bitmap.
  TCanvas& Canvas();
  // Row y counted from the top; RowBytes() bytes, padded to 4 bytes.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;
  int RowBytes() const;

 private:
  void Replace(TBitmapHandle handle, std::uint8_t* bits, int width, int height, TPixelFormat format,
               std::vector<TBmpColour> palette);
  // Draws the current pixels into a new image of the given size and format.
  void Redraw(int width, int height, TPixelFormat format, std::vector<TBmpColour> palette);
  // Takes over the decoded image.
  void Load(const TBmpImage& image);

  // Declared before the device context, so the context goes first.
  TBitmapHandle FHandle;
  std::uint8_t* FBits = nullptr;
  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = TPixelFormat::pf24bit;
  std::vector<TBmpColour> FPalette;
  std::unique_ptr<TMemoryDC> FDC;
  HGDIOBJ FDefaultBitmap = nullptr;
  TCanvas FCanvas;
};
