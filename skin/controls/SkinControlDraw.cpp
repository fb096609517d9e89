// The drawing operations that the wrapper classes share.
#include <algorithm>

#include "skin/controls/SkinControl.h"
#include "skin/data/SkinElements.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Control.h"
#include "ui/Gdi.h"
#include "ui/TypInfo.h"
#include "ui/WinControl.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// The device context of one WM_PAINT, ended by the destructor.
class TPaintDC {
 public:
  explicit TPaintDC(HWND window) : FWindow(window), FDC(BeginPaint(window, &FPaint)) {}
  ~TPaintDC() { EndPaint(FWindow, &FPaint); }
  TPaintDC(const TPaintDC&) = delete;
  TPaintDC& operator=(const TPaintDC&) = delete;
  HDC Get() const { return FDC; }

 private:
  HWND FWindow;
  PAINTSTRUCT FPaint{};
  HDC FDC;
};

// The font selected into dc without bold, italic, underline and strike-out,
// selected for the lifetime of this object.
class TPlainFont {
 public:
  explicit TPlainFont(HDC dc) : FFont(PlainOf(dc)), FSelect(dc, FFont.Get()) {}

 private:
  static HFONT PlainOf(HDC dc) {
    LOGFONTW font{};
    if (!GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font)) return nullptr;
    font.lfWeight = FW_NORMAL;
    font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
    return CreateFontIndirectW(&font);
  }

  TFontHandle FFont;
  TSelectObject FSelect;
};

bool ReadsRightToLeft(const TControl* control) {
  const std::string mode = TSkinControl::GetEnumPropByName(control, "BiDiMode");
  return !mode.empty() && mode != "bdLeftToRight";
}

// Between an image and its caption.
constexpr int kImageGap = 3;

}  // namespace

TColor TSkinControl::SkinColor() const {
  return FSkinData ? FSkinData->FColours[scButtonFace] : SystemColor(COLOR_BTNFACE);
}

TColor TSkinControl::ParentColor() const {
  const TWinControl* parent = FControl ? FControl->Parent() : nullptr;
  const TPropInfo* colour = parent ? GetPropInfo(*parent, "Color") : nullptr;
  // An Integer property: system colours are negative, so -1 cannot tell
  // an absent one.
  if (!colour || colour->Kind != TTypeKind::Integer) return SkinColor();
  return GetOrdPropByName(parent, "Color");
}

void TSkinControl::FillColor(HDC dc, const RECT& rect, TColor color) const {
  const TBrushHandle brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(color))));
  FillRect(dc, &rect, brush.Get());
}

void TSkinControl::FillSkinColor(HDC dc, const RECT& rect) const { FillColor(dc, rect, SkinColor()); }

void TSkinControl::FillParentColor(HDC dc, const RECT& rect) const { FillColor(dc, rect, ParentColor()); }

void TSkinControl::DrawFocusText(HDC dc, UINT flags, const RECT& rect) const {
  RECT text = rect;
  DrawSkinText(dc, FCaption, text, flags | DT_CALCRECT | DT_NOCLIP);
  if (flags & DT_CENTER)
    OffsetRect(&text, (WidthOf(rect) - WidthOf(text)) / 2, (HeightOf(rect) - HeightOf(text)) / 2 - 1);
  else if (flags & DT_RIGHT)
    OffsetRect(&text, WidthOf(rect) - WidthOf(text), 0);
  InflateRect(&text, 2, 1);
  text.left = std::max(text.left, rect.left);
  text.top = std::max(text.top, rect.top);
  text.right = std::min(text.right, rect.right);
  text.bottom = std::min(text.bottom, rect.bottom);
  DrawFocusRect(dc, &text);
}

void TSkinControl::PaintByDraw(TMessage& message) {
  const auto draw = [this](HDC dc) {
    RECT rect{};
    if (!GetWindowRect(FHandle, &rect)) return;
    FWindowRect = rect;
    OffsetRect(&rect, -rect.left, -rect.top);
    DrawControl(dc, rect);
  };
  if (message.WParam) return draw(reinterpret_cast<HDC>(message.WParam));
  const TPaintDC paint(FHandle);
  draw(paint.Get());
}

void TSkinControl::EraseByParent(TMessage& message) {
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  if (FControl) {
    PaintParentBackground(*FControl, dc);
  } else {
    RECT client{};
    GetClientRect(FHandle, &client);
    FillParentColor(dc, client);
  }
  message.Result = 1;
}

void TSkinControl::DrawSkinElement(HDC dc, const RECT& rect, int frameCount, int frameIndex,
                                   TDataSkinObject& element) const {
  if (element.FBitmap.Empty()) return;
  DrawNineGrid(dc, rect, element.FBitmap, false, element.FTile != 0, element.FTrans == 1, frameCount, frameIndex,
               element.FMargins);
}

void TSkinControl::DrawSkinFrame(TCanvas& canvas, const RECT& rect, int frameCount, int frameIndex,
                                 TBitmap& bitmap) const {
  DrawSkinFrame(canvas.Handle(), rect, frameCount, frameIndex, bitmap);
}

void TSkinControl::DrawSkinFrame(HDC dc, const RECT& rect, int frameCount, int frameIndex, TBitmap& bitmap) const {
  DrawFrame(dc, rect, bitmap, true, frameCount, frameIndex);
}

void TSkinControl::DrawCaption(TCanvas& canvas, const RECT& rect, UINT align, bool enabled,
                               const std::wstring& text) const {
  const HDC dc = canvas.Handle();
  const TSaveDC saved(dc);
  const TPlainFont plain(dc);
  SetBkMode(dc, TRANSPARENT);
  RECT place = rect;
  DrawSkinText(dc, text, place, align | DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS);
  OffsetRect(&place, 0, (HeightOf(rect) - HeightOf(place)) / 2 - 1);
  if (align & DT_CENTER) {
    OffsetRect(&place, (WidthOf(rect) - WidthOf(place)) / 2, 0);
  } else {
    place.left = rect.left;
    place.right = rect.right;
  }
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawSkinText(dc, text, place, TextFlagsFor(align | DT_EXPANDTABS));
}

void TSkinControl::DrawCaptionImage(TCanvas& canvas, const RECT& rect, int align, const std::wstring& text,
                                    int imageIndex, HIMAGELIST images) const {
  const HDC dc = canvas.Handle();
  const TSaveDC saved(dc);
  IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
  SetBkMode(dc, TRANSPARENT);
  int iconWidth = 0, iconHeight = 0;
  if (images) ImageList_GetIconSize(images, &iconWidth, &iconHeight);
  const bool image = images && imageIndex != -1 && iconWidth < WidthOf(rect);
  const int imageWidth = image ? iconWidth + kImageGap : 0;
  RECT measured = rect;
  DrawSkinText(dc, text, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
  const int width = imageWidth + WidthOf(measured);
  LONG left = rect.left + 3;
  if (align == 1)
    left = rect.left + (WidthOf(rect) - width) / 2;
  else if (align == 2)
    left = rect.right - 2 - width;
  left = std::max(left, rect.left + 1);
  if (image)
    ImageList_Draw(images, imageIndex, dc, left, rect.top + (HeightOf(rect) - iconHeight) / 2, ILD_TRANSPARENT);
  const int top = rect.top + (HeightOf(rect) - HeightOf(measured)) / 2;
  RECT place{left + imageWidth, top, left + width, top + HeightOf(measured)};
  if (FControl && !FControl->Enabled()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawSkinText(dc, text, place, TextFlagsFor(DT_SINGLELINE | DT_NOCLIP));
}

UINT TSkinControl::TextFlagsFor(UINT flags) const {
  if (ReadsRightToLeft(FControl) || ReadsRightToLeft(FPaintControl)) flags |= DT_RTLREADING;
  return flags;
}
