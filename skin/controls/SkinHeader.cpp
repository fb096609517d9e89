#include "skin/controls/SkinHeader.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"

QV_CLASS_INFO(TSkinHeader, {});

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// The item text as it is read, at most 200 characters.
constexpr int kTextCapacity = 201;
// The flags the item text is measured and drawn with.
constexpr UINT kTextFlags = DT_EXPANDTABS | DT_END_ELLIPSIS;
// Between an item's edge and where it answers the mouse.
constexpr int kDividerMargin = 3;

}  // namespace

void TSkinHeader::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  FHotItem = -1;
}

void TSkinHeader::InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  TSkinControl::InitHandle(window, skinData, form, canvas);
  FHotItem = -1;
}

TDataSkinObject* TSkinHeader::Element() const {
  TDataSkinObject* element = FSkinData ? FSkinData->FHeaderbar.get() : nullptr;
  return element && !element->FBitmap.Empty() ? element : nullptr;
}

// Without the element the header paints itself, background and all.
bool TSkinHeader::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!Element()) return true;
      PaintByDraw(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      if (!Element()) return true;
      message.Result = 1;
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinHeader::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: return OnMouseMove(message);
    case WM_MOUSELEAVE:
      FHotItem = -1;
      return Repaint();
    default: return TSkinControl::AfterProc(message);
  }
}

// The hot item follows the mouse over the items; between them (on a
// divider) it stays, until the mouse leaves the window.
void TSkinHeader::OnMouseMove(const TMessage& message) {
  const POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  for (int i = 0; i < static_cast<int>(FItemRects.size()); ++i) {
    if (PtInRect(&FItemRects[static_cast<std::size_t>(i)], point) && i != FHotItem) {
      FHotItem = i;
      Repaint();
    }
  }
  SkinTrackMouseLeave(FHandle);
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rect) {
  TDataSkinObject* element = Element();
  if (!element) return;
  TBitmap buffer(WidthOf(rect), HeightOf(rect));
  const HDC canvas = buffer.Canvas().Handle();
  const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  const TSelectObject fontIn(canvas, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(canvas, TRANSPARENT);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, static_cast<int>(SendMessageW(FHandle, HDM_GETITEMCOUNT, 0, 0)));
  FItemRects.assign(static_cast<std::size_t>(count), RECT{});
  LONG end = 0;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(FHandle, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item))) continue;
    DrawItem(canvas, i, item, images, *element);
    FItemRects[static_cast<std::size_t>(i)] = RECT{item.left + kDividerMargin, item.top,
                                                   item.right - kDividerMargin, item.bottom};
    end = std::max(end, item.right);
  }
  // The rest of the bar after the last item.
  if (end < rect.right) {
    const RECT rest{end, rect.top, rect.right, rect.bottom};
    const auto back = RenderNineGrid(rest, element->FBitmap, element->FMargins, false, element->FTile != 0,
                                     element->FFrameCount, 1);
    BitBlt(canvas, rest.left, rest.top, WidthOf(rest), HeightOf(rest), back->Canvas().Handle(), 0, 0, SRCCOPY);
  }
  BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), canvas, 0, 0, SRCCOPY);
}

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& rect, HIMAGELIST images, TDataSkinObject& element) const {
  wchar_t text[kTextCapacity] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kTextCapacity;
  SendMessageW(FHandle, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const auto face = RenderNineGrid(rect, element.FBitmap, element.FMargins, false, element.FTile != 0,
                                   element.FFrameCount, index == FHotItem ? 2 : 1);
  const HDC faceDC = face->Canvas().Handle();
  const std::wstring caption = WideFromBuffer(text, -1);
  // An item without text shows only its face, image or not.
  if (!caption.empty()) {
    const int imageIndex = item.fmt & (HDF_IMAGE | HDF_OWNERDRAW) ? item.iImage : -1;
    const int format = item.fmt & 0xFF;
    const int align = format == HDF_RIGHT ? 2 : format == HDF_CENTER ? 1 : 0;
    // The item text in the header's font.
    const TSelectObject fontIn(faceDC, GetCurrentObject(dc, OBJ_FONT));
    DrawContent(faceDC, RECT{0, 0, WidthOf(rect), HeightOf(rect)}, align, caption, imageIndex, images);
  }
  BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), faceDC, 0, 0, SRCCOPY);
}

// The image, when it fits, and the text right after it: 3 pixels in from
// the left, centred, or 2 pixels in from the right, never nearer than 1
// pixel to the left edge; both vertically centred.
void TSkinHeader::DrawContent(HDC dc, const RECT& place, int align, const std::wstring& text, int imageIndex,
                              HIMAGELIST images) const {
  int cx = 0, cy = 0;
  if (images) ImageList_GetIconSize(images, &cx, &cy);
  const bool image = images && imageIndex != -1 && cx < WidthOf(place);
  if (!image) cx = 0;
  RECT measured = place;
  DrawSkinText(dc, text, measured, kTextFlags | DT_CALCRECT | DT_NOCLIP);
  int x = align == 1   ? (WidthOf(place) - cx - WidthOf(measured)) / 2
          : align == 2 ? WidthOf(place) - cx - WidthOf(measured) - 2
                       : 3;
  if (x < 2) x = 1;
  if (image)
    ImageList_Draw(images, imageIndex, dc, place.left + x, place.top + (HeightOf(place) - cx) / 2, ILD_TRANSPARENT);
  RECT textRect = measured;
  OffsetRect(&textRect, x + cx, (HeightOf(place) - HeightOf(measured)) / 2);
  textRect.left = std::max(textRect.left, place.left);
  textRect.right = std::min(textRect.right, place.right);
  const TSaveDC saved(dc);
  SetBkMode(dc, TRANSPARENT);
  if (FSkinData->FColourGiven[scWindowText])
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[scWindowText])));
  DrawSkinText(dc, text, textRect, TextFlagsFor(kTextFlags));
}
