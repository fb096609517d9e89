// Check boxes and radio buttons: the glyph painter they share and the
// state each reads.
#include "skin/controls/SkinCheckBox.h"

#include "skin/controls/DispatchPlan.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/StrUtils.h"
#include "ui/TypInfo.h"

namespace {

// The framework's notification that the focus left the control in its
// form, and another after which a box repaints too.
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_BOXNOTIFY = CM_BASE + 0xD0;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

// Frames 1 unchecked, 2 checked, 3 unchecked disabled, 4 checked disabled;
// the long strips keep these at 1, 5, 4 and 8.
int LongFrame(int base) {
  constexpr int kLong[] = {0, 1, 5, 4, 8};
  return kLong[base];
}

int BaseFrame(bool checked, bool disabled) { return (checked ? 2 : 1) + (disabled ? 2 : 0); }

}  // namespace

int CheckGlyphFrame(bool checked, bool disabled, bool indeterminate, int frames) {
  if (frames == 12) return indeterminate ? (disabled ? 12 : 9) : LongFrame(BaseFrame(checked, disabled));
  return indeterminate ? 4 : BaseFrame(checked, disabled);
}

int RadioGlyphFrame(bool checked, bool disabled, int frames) {
  const int base = BaseFrame(checked, disabled);
  return frames == 8 ? LongFrame(base) : base;
}

QV_CLASS_INFO(TSkinGlyphButton, {});

void TSkinGlyphButton::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  FKind = 0;
  if (!FControl) return;
  // The whole control is the wrapper's when there is a strip to draw.
  const TBitmap* strip = Strip();
  FKind = strip && !strip->Empty() ? 1 : 0;
  FTransparent = ParentBackgroundWanted();
}

bool TSkinGlyphButton::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (FKind != 1) break;
      PaintByDraw(message);
      return false;
    case WM_ERASEBKGND:
      if (!FTransparent) break;
      EraseByParent(message);
      return false;
    default: break;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinGlyphButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK: CheckSet(message.WParam); return Repaint();
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
    case CM_BOXNOTIFY: return Repaint();
    default: return TSkinControl::AfterProc(message);
  }
}

bool TSkinGlyphButton::GlyphRight() const {
  return (GetWindowLongFor(FHandle, GWL_STYLE) & BS_RIGHTBUTTON) != 0;
}

bool TSkinGlyphButton::Disabled() const { return (GetWindowLongFor(FHandle, GWL_STYLE) & WS_DISABLED) != 0; }

LRESULT TSkinGlyphButton::ButtonState() const {
  char name[16] = {};
  GetClassNameA(FHandle, name, sizeof name);
  // Framework buttons are "BUTTON" windows under their own class name.
  const bool button = AsciiLowerCase(name) == "button" || (FControl && IsA(*FControl, "TButtonControl"));
  return button ? SendMessageA(FHandle, BM_GETSTATE, 0, 0) : 0;
}

void TSkinGlyphButton::DrawControl(HDC dc, const RECT& rect) {
  TBitmap* strip = Strip();
  if (!strip || strip->Empty()) {
    FKind = 0;
    return;
  }
  const int frames = StripFrames();
  const int frame = GlyphFrame(frames);
  const int w = strip->Width() / frames, h = strip->Height();
  const bool rightToLeft = (TextFlagsFor(0) & DT_RTLREADING) != 0;
  RECT glyph{rect.left, rect.top + (HeightOf(rect) - h) / 2, 0, 0};
  RECT text = rect;
  UINT flags = rightToLeft ? DT_RTLREADING : 0;
  if (GlyphRight()) {
    glyph.left = rect.right - RightInset() - w;
    text.right = glyph.left - 2;
    if (rightToLeft) flags |= DT_RIGHT;
  } else {
    text.left = rect.left + w + 2;
  }
  glyph.right = glyph.left + w;
  glyph.bottom = glyph.top + h;
  if (FKind != 1) return DrawSkinFrame(dc, glyph, frames, frame, *strip);

  // The whole face, composed off-screen.
  FBuffer.SetSize(WidthOf(rect), HeightOf(rect));
  if (FBuffer.Empty()) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  const RECT local{0, 0, WidthOf(rect), HeightOf(rect)};
  if (FTransparent)
    PaintParentBackground(*FControl, buffer);
  else
    FillSkinColor(buffer, local);
  OffsetRect(&glyph, -rect.left, -rect.top);
  OffsetRect(&text, -rect.left, -rect.top);
  DrawSkinFrame(buffer, glyph, frames, frame, *strip);
  DrawGlyphCaption(buffer, text, flags);
  BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), buffer, 0, 0, SRCCOPY);
}

void TSkinGlyphButton::DrawGlyphCaption(HDC dc, RECT text, UINT flags) {
  FCaption = GetTextPropByName(FControl, "Caption");
  const auto* font = dynamic_cast<const TFont*>(GetObjectPropByName(FControl, "Font"));
  const TSaveDC saved(dc);
  if (font) SelectObject(dc, font->Handle());
  else if (const auto own = reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0))) SelectObject(dc, own);
  TColor ink = SystemColor(COLOR_GRAYTEXT);
  if (!Disabled()) ink = font ? font->Color() : SystemColor(COLOR_BTNTEXT);
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(ink)));
  SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(SkinColor())));
  SetBkMode(dc, TRANSPARENT);
  RECT measured = text;
  DrawSkinText(dc, FCaption, measured, flags | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  OffsetRect(&text, 0, (HeightOf(text) - HeightOf(measured)) / 2);
  // Systems of major version 6 show focus by other means.
  if (GetFocus() == FHandle && !FCaption.empty() && LOBYTE(LOWORD(GetVersion())) != 6)
    DrawFocusText(dc, flags, text);
  DrawSkinText(dc, FCaption, text, flags | DT_EXPANDTABS | DT_WORDBREAK);
}

QV_CLASS_INFO(TSkinCheckBox, {});

TBitmap* TSkinCheckBox::Strip() const { return FSkinData ? &FSkinData->FButtons.FCheckBitmap : nullptr; }

int TSkinCheckBox::StripFrames() const { return FSkinData->FButtons.FCheckFrameCount; }

void ReadCheckProps(const TControl& control, bool& checked, bool& indeterminate) {
  const TPropInfo* state = GetPropInfo(control, "State");
  if (state && state->Kind == TTypeKind::Enumeration) {
    const std::string name = AsciiLowerCase(TSkinControl::GetEnumPropByName(&control, "State"));
    checked = !Contains(name, "uncheck") && Contains(name, "check");
    indeterminate = !Contains(name, "check") && Contains(name, "gray");
  } else if (GetPropInfo(control, "Checked")) {
    checked = AsciiLowerCase(TSkinControl::GetEnumPropByName(&control, "Checked")) == "true";
  }
}

int TSkinCheckBox::GlyphFrame(int frames) {
  const LRESULT window = ButtonState();
  bool checked = (window & BST_CHECKED) != 0;
  bool indeterminate = false;
  if (FControl) {
    ReadCheckProps(*FControl, checked, indeterminate);
    if (GetPropInfo(*FControl, "DataField") && FCheckState != 0) {
      checked = FCheckState == 2;
      indeterminate = FCheckState == 3;
    }
    if (GetPropInfo(*FControl, "DataBinding")) checked = indeterminate = false;
  }
  if (window & BST_INDETERMINATE) indeterminate = true;
  return CheckGlyphFrame(checked, Disabled(), indeterminate, frames);
}

QV_CLASS_INFO(TSkinRadioButton, {});

TBitmap* TSkinRadioButton::Strip() const { return FSkinData ? &FSkinData->FButtons.FRadioBitmap : nullptr; }

int TSkinRadioButton::StripFrames() const { return FSkinData->FButtons.FRadioFrameCount; }

int TSkinRadioButton::GlyphFrame(int frames) {
  bool checked = (ButtonState() & BST_CHECKED) != 0;
  if (FControl && GetPropInfo(*FControl, "Checked"))
    checked = AsciiLowerCase(GetEnumPropByName(FControl, "Checked")) == "true";
  return RadioGlyphFrame(checked, Disabled(), frames);
}
