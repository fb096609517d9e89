#include "ui/Font.h"

#include <algorithm>

#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kFontStyleNames[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
}

const TPropInfo TFont::Published[] = {
    Prop<TTypeKind::Integer, &TFont::Charset, &TFont::SetCharset>("Charset"),
    Prop<TTypeKind::Integer, &TFont::Color, &TFont::SetColor>("Color"),
    Prop<TTypeKind::Integer, &TFont::Height, &TFont::SetHeight>("Height"),
    Prop<TTypeKind::String, &TFont::Name, &TFont::SetName>("Name"),
    Prop<TTypeKind::Set, &TFont::Style, &TFont::SetStyle>("Style", kFontStyleNames),
};
QV_CLASS_INFO(TFont, Published);

void TFont::SetName(const std::string& name) {
  if (name == FName) return;
  FName = name;
  Changed(true);
}

void TFont::SetHeight(int height) {
  if (height == FHeight) return;
  FHeight = height;
  Changed(true);
}

void TFont::SetCharset(int charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  Changed(true);
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed(false);
}

void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  Changed(true);
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  FName = source.FName;
  FHeight = source.FHeight;
  FCharset = source.FCharset;
  FColor = source.FColor;
  FStyle = source.FStyle;
  Changed(true);
}

HFONT TFont::Handle() const {
  if (!FHandle) {
    LOGFONTA font{};
    font.lfHeight = FHeight;
    font.lfWeight = (FStyle & fsBold) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = (FStyle & fsItalic) ? TRUE : FALSE;
    font.lfUnderline = (FStyle & fsUnderline) ? TRUE : FALSE;
    font.lfStrikeOut = (FStyle & fsStrikeOut) ? TRUE : FALSE;
    font.lfCharSet = static_cast<BYTE>(FCharset);
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    FName.copy(font.lfFaceName, std::min(FName.size(), sizeof font.lfFaceName - 1));
    FHandle.Reset(CreateFontIndirectA(&font));
  }
  return FHandle.Get();
}

void TFont::Changed(bool newFace) {
  if (newFace) FHandle.Reset();
  if (OnChange) OnChange(this);
}
