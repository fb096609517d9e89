// Push buttons, and what the button wrappers share: the face state, the
// buffer, the caption's font and colour, the caption of push buttons and
// the click.
#include "skin/controls/SkinButton.h"

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Control.h"
#include "ui/StrUtils.h"

namespace {

// The framework's notifications of a dialog key and of a focus change in
// the form.
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

bool IsTrue(const std::string& identifier) { return AsciiLowerCase(identifier) == "true"; }

}  // namespace

std::wstring BreakCaption(std::wstring caption) {
  const std::size_t at = caption.find(L"||");
  if (at != std::wstring::npos) caption.replace(at, 2, L"\r\n");
  return caption;
}

QV_CLASS_INFO(TSkinButton, {});

TSkinButton::TSkinButton(TComponent* owner) : TSkinControl(owner) {}

void TSkinButton::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  if (!FControl) return;
  // These libraries' buttons fire OnMouseDown themselves.
  const std::string name = AsciiLowerCase(FControl->ClassName());
  FKind = name.starts_with("trz") || name.starts_with("tel") ? 1 : 0;
  FTransparent = ParentBackgroundWanted();
}

bool TSkinButton::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintByDraw(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    case WM_TIMER: KillTimer(FHandle, 1); return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(message); return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT: return PaintControl(nullptr);
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) SetState(bsPressed, true);
      return;
    case WM_KEYUP:
      // The system button clicks.
      if (message.WParam == VK_SPACE) SetState(bsPressed, false);
      return;
    case WM_MOUSEMOVE: return MouseMoved();
    case WM_LBUTTONUP: return Release();
    case WM_MOUSELEAVE: return SetState(bsHot | bsPressed, false);
    case CM_DIALOGKEY:
    case CM_FOCUSCHANGED: return Repaint();
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinButton::Press(const TMessage& message) {
  if (FHandle && GetFocus() != FHandle) SetFocus(FHandle);
  FButtonState |= bsPressed;
  PaintControl(nullptr);
  if (FKind == 0 && FControl) ForwardMouseDown(message);
}

void TSkinButton::Release() {
  if (!(FButtonState & bsPressed)) return;
  SetState(bsPressed, false);
  ClickButton();
}

void TSkinButton::MouseMoved() {
  if (!EnabledNow() || (FButtonState & bsHot)) return;
  SetState(bsHot, true);
  if (FHandle) SkinTrackMouseLeave(FHandle);
}

void TSkinButton::SetState(int bits, bool on) {
  if (on)
    FButtonState |= bits;
  else
    FButtonState &= ~bits;
  Repaint();
}

bool TSkinButton::EnabledNow() const {
  if (FHandle) return IsWindowEnabled(FHandle) != FALSE;
  return FControl && FControl->Enabled();
}

void TSkinButton::ClickButton() {
  if (FControl) return FControl->Click();
  const HWND parent = GetParent(FHandle);
  if (!parent) return;
  char name[16] = {};
  GetClassNameA(FHandle, name, sizeof name);
  // The framework's own button windows are told by the handle alone.
  const WPARAM id = AsciiLowerCase(name) == "tbutton" ? 0 : static_cast<WPARAM>(GetDlgCtrlID(FHandle));
  PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(FHandle));
}

TDataSkinButton* TSkinButton::Element() const {
  if (!FSkinData || FSkinData->FButtons.FBitmap.Empty()) return nullptr;
  return &FSkinData->FButtons;
}

bool TSkinButton::ReadState() {
  FFocused = FHandle && GetFocus() == FHandle;
  FEnabled = FHandle ? (GetWindowLongFor(FHandle, GWL_STYLE) & WS_DISABLED) == 0 : true;
  if (FControl) {
    FCaption = GetTextPropByName(FControl, "Caption");
    return IsTrue(GetEnumPropByName(FControl, "Default"));
  }
  const int length = GetWindowTextLengthW(FHandle);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  FCaption = WideFromBuffer(text.data(), GetWindowTextW(FHandle, text.data(), length + 1));
  // A dialog's default button has no property to tell it: its style does.
  return (GetWindowLongFor(FHandle, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

int TSkinButton::PushButtonFace(bool isDefault) const {
  if (!FEnabled) return kFaceDisabled;
  if (FButtonState & bsPressed) return kFacePressed;
  if (FButtonState & bsHot) return kFaceHot;
  return FFocused || isDefault ? kFaceFocused : kFaceNormal;
}

HDC TSkinButton::PrepareBuffer(const RECT& rect) {
  FBuffer.SetSize(WidthOf(rect), HeightOf(rect));
  if (FBuffer.Empty()) return nullptr;
  const HDC dc = FBuffer.Canvas().Handle();
  const RECT face{0, 0, FBuffer.Width(), FBuffer.Height()};
  if (FTransparent && FControl)
    PaintParentBackground(*FControl, dc);
  else
    FillSkinColor(dc, face);
  return dc;
}

void TSkinButton::PutBuffer(HDC dc, const RECT& rect) {
  BitBlt(dc, rect.left, rect.top, FBuffer.Width(), FBuffer.Height(), FBuffer.Canvas().Handle(), 0, 0, SRCCOPY);
}

HFONT TSkinButton::ButtonFont() const {
  if (const auto* font = dynamic_cast<const TFont*>(GetObjectPropByName(FControl, "Font"))) return font->Handle();
  return FHandle ? reinterpret_cast<HFONT>(SendMessageA(FHandle, WM_GETFONT, 0, 0)) : nullptr;
}

TColor TSkinButton::TextColour(int face, bool normalInFrame1Only) const {
  const auto* font = dynamic_cast<const TFont*>(GetObjectPropByName(FControl, "Font"));
  TColor colour = font ? font->Color() : FSkinData->FColours[scButtonText];
  const TDataSkinButton& buttons = FSkinData->FButtons;
  if (buttons.FHasNormalColour2 && (!normalInFrame1Only || face == kFaceNormal)) colour = buttons.FNormalColour2;
  if (face == kFaceHot && buttons.FHasMouseOverColour2) colour = buttons.FMouseOverColour2;
  if (face == kFacePressed && buttons.FHasPressedColour2) colour = buttons.FPressedColour2;
  if (!FEnabled) colour = SystemColor(COLOR_GRAYTEXT);
  return colour;
}

bool TSkinButton::FocusRectWanted() const {
  return FFocused && (FSkinData->Options() & SetBit(xoNoFocusRect)) == 0;
}

void TSkinButton::DrawButtonText(HDC dc, const RECT& rect, UINT align, const std::wstring& text) const {
  const std::wstring caption = BreakCaption(text);
  RECT place = rect;
  InflateRect(&place, -2, -2);
  SetBkMode(dc, TRANSPARENT);
  DrawSkinText(dc, caption, place, align | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_WORDBREAK);
  OffsetRect(&place, rect.left - place.left, rect.top - place.top);
  if (align & DT_CENTER) {
    OffsetRect(&place, (WidthOf(rect) - WidthOf(place)) / 2, 0);
  } else {
    place.left = rect.left;
    place.right = rect.right;
  }
  OffsetRect(&place, 0, (HeightOf(rect) - HeightOf(place)) / 2 - 1);
  DrawSkinText(dc, caption, place, TextFlagsFor(align | DT_WORDBREAK | DT_EXPANDTABS));
  SetBkMode(dc, OPAQUE);
  if (!FocusRectWanted()) return;
  InflateRect(&place, 2, 2);
  DrawFocusRect(dc, &place);
}

void TSkinButton::DrawControl(HDC dc, const RECT& rect) {
  TDataSkinButton* element = Element();
  if (!element) return;
  const int face = PushButtonFace(ReadState());
  const HDC buffer = PrepareBuffer(rect);
  if (!buffer) return;
  const RECT local{0, 0, WidthOf(rect), HeightOf(rect)};
  DrawSkinElement(buffer, local, 5, face, *element);
  {
    const TFontSelection font(buffer, ButtonFont());
    SetTextColor(buffer, static_cast<COLORREF>(ColorToRGB(TextColour(face, false))));
    DrawButtonText(buffer, local, DT_CENTER, FCaption);
  }
  PutBuffer(dc, rect);
}
