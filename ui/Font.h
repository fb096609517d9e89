#pragma once
// A font description (face name, height in pixels, character set, colour,
// style) with the GDI font made from it, created when first asked for and
// made again after a change.
#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Color.h"
#include "ui/Gdi.h"
#include "ui/Object.h"

// Font style flags (a set of fsBold, fsItalic, fsUnderline, fsStrikeOut).
using TFontStyles = std::uint8_t;
enum : TFontStyles { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFont : public TObject {
 public:
  QV_CLASS(TFont, TObject)

  const std::string& Name() const { return FName; }
  void SetName(const std::string& name);
  // Negative: the character height in pixels; positive: the cell height.
  int Height() const { return FHeight; }
  void SetHeight(int height);
  int Charset() const { return FCharset; }
  void SetCharset(int charset);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles style);
  // Takes every value of the source, with one change notification.
  void Assign(const TFont& source);

  HFONT Handle() const;

  // Called after every change of a value.
  TNotifyEvent OnChange;

 private:
  static const TPropInfo Published[];

  void Changed(bool newFace);

  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  int FCharset = DEFAULT_CHARSET;
  TColor FColor = SystemColor(COLOR_WINDOWTEXT);
  TFontStyles FStyle = 0;
  mutable TFontHandle FHandle;
};
