#include "skin/controls/SkinGroupBox.h"

#include <string>

#include "skin/controls/OffscreenFace.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/Gdi.h"
#include "ui/StrUtils.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TSkinGroupBox, {});

namespace {

// The caption's distance from the frame's end.
constexpr int kCaptionIndent = 8;

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  return WideFromBuffer(text.data(), GetWindowTextW(window, text.data(), length + 1));
}

}  // namespace

void TSkinGroupBox::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  if (FControl) FKind = 1;
}

bool TSkinGroupBox::BeforeProc(TMessage& message) {
  if (FKind != 0 && message.Msg == WM_PAINT) {
    PaintByDraw(message);
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  FCaption = WindowText(FHandle);
  if (FCaption.empty() && FControl) FCaption = GetTextPropByName(FControl, "Caption");

  TOffscreenFace face(dc, rect);
  const HDC canvas = face.DC();
  // A bare group box keeps what the system painted, but for its frame.
  if (FKind == 0) face.CopyFrom(dc);
  if (FControl) FillSkinColor(canvas, rect);

  HFONT font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  if (FControl) {
    if (const auto* controlFont = dynamic_cast<const TFont*>(GetObjectPropByName(FControl, "Font"))) {
      font = controlFont->Handle();
      SetTextColor(canvas, static_cast<COLORREF>(ColorToRGB(controlFont->Color())));
    }
  }
  const TSelectObject selectFont(canvas, font ? font : static_cast<HFONT>(GetStockObject(SYSTEM_FONT)));
  SIZE zero{};
  GetTextExtentPoint32W(canvas, L"0", 1, &zero);
  const int y = zero.cy / 2 - 1;

  const HBRUSH background = FSkinData ? FSkinData->FFaceBrush.Get() : GetSysColorBrush(COLOR_BTNFACE);
  if (FKind == 0) {
    // The system's two-pixel frame goes under the skin's colour.
    RECT erase{0, y, rect.right, rect.bottom};
    FrameRect(canvas, &erase, background);
    InflateRect(&erase, -1, -1);
    FrameRect(canvas, &erase, background);
  }
  const TColor shadow = FSkinData ? FSkinData->FColours[scButtonShadow] : SystemColor(COLOR_BTNSHADOW);
  const TGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(shadow))));
  {
    const TSelectObject selectPen(canvas, pen.Get());
    const TSelectObject hollow(canvas, GetStockObject(NULL_BRUSH));
    RoundRect(canvas, 1, y, rect.right - 1, rect.bottom - 1, 5, 5);
  }

  // Opaque, so that the caption cuts the frame's line.
  SetBkMode(canvas, OPAQUE);
  SetBkColor(canvas, static_cast<COLORREF>(ColorToRGB(SkinColor())));
  if (GetWindowLongFor(FHandle, GWL_EXSTYLE) & WS_EX_RIGHT) {
    RECT place{rect.left, rect.top, rect.right - kCaptionIndent, rect.bottom};
    DrawSkinText(canvas, FCaption, place, TextFlagsFor(DT_RIGHT | DT_EXPANDTABS));
  } else {
    RECT place{rect.left + kCaptionIndent, rect.top, rect.right, rect.bottom};
    DrawSkinText(canvas, FCaption, place, DT_LEFT | DT_EXPANDTABS);
  }
  if (FKind == 1)
    if (auto* box = dynamic_cast<TWinControl*>(FControl)) box->PaintControls(canvas);
  face.CopyTo(dc);
}
