#include "skin/controls/SkinTab.h"

#include <algorithm>

#include "skin/controls/OffscreenFace.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Gdi.h"
#include "ui/PageControl.h"
#include "ui/TabSet.h"

QV_CLASS_INFO(TSkinTab, {});
QV_CLASS_INFO(TSkinTabBtn, {});
QV_CLASS_INFO(TSkinTab31, {});
QV_CLASS_INFO(TSkinAdvPage, {});

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

enum : int { kNormalFrame = 1, kChosenFrame = 2 };
// A tab's text is read into a buffer of this many characters.
constexpr int kTabTextCapacity = 80;
// The pane's margins when the picture is the "Tabs" element's Border.
constexpr RECT kBorderMargins{4, 5, 4, 4};
// The display area grown by this much on every side is the pane's place.
constexpr int kPaneOutset = 4;
// A close box: 6 pixels square, 2 in from the tab's top right corner.
constexpr int kCloseRight = 2, kCloseSize = 6, kCloseTop = 2;

// The margins of a picture that was turned for the tab position, from
// those of the upright picture: upside down, or a quarter turn anticlockwise
// (the top edge to the left) or clockwise (the top edge to the right).
RECT TurnedMargins(const RECT& m, int position) {
  switch (position) {
    case tpTabsBottom: return RECT{m.left, m.bottom, m.right, m.top};
    case tpTabsLeft: return RECT{m.top, m.right, m.bottom, m.left};
    case tpTabsRight: return RECT{m.bottom, m.left, m.top, m.right};
    default: return m;
  }
}

// Makes picture a 24-bit copy of source turned for the tab position; the
// tab image only ever turns upside down, the pane turns every way.
void CopyTurned(TBitmap& picture, const TBitmap& source, int position, bool quarterTurns) {
  picture.Assign(source);
  picture.SetPixelFormat(TPixelFormat::pf24bit);
  if (position == tpTabsBottom) FlipBitmap(picture);
  if (!quarterTurns) return;
  if (position == tpTabsLeft) RotateLeft(picture);
  if (position == tpTabsRight) RotateRight(picture);
}

}  // namespace

void TSkinTab::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  TSkinControl::InitControl(form, skinData, setColor, canvas);
  if (!FInited) return;
  FEnabled = IsWindowEnabled(FHandle) != FALSE;
  const auto* pages = dynamic_cast<const TPageControl*>(FControl);
  FShowClose = pages && pages->Tag() == kCloseBoxTag && pages->TabPosition() == TTabPosition::tpTop;
  PrepareImages();
  ScrollArrowsRect();
  FActive = true;
  FUnicodeItems = IsWindowUnicode(FHandle) != FALSE;
}

void TSkinTab::InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  TSkinControl::InitHandle(window, skinData, form, canvas);
  if (!FInited) return;
  FEnabled = IsWindowEnabled(FHandle) != FALSE;
  PrepareImages();
  ScrollArrowsRect();
  FActive = true;
  FUnicodeItems = IsWindowUnicode(FHandle) != FALSE;
}

void TSkinTab::SkinChange() {
  PrepareImages();
  TSkinControl::SkinChange();
}

// The arrows' wrapper may go before this one (the form skinner frees every
// wrapper it knows).
void TSkinTab::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FUpDown) FUpDown = nullptr;
}

int TSkinTab::TabPositionOfWindow() const {
  const LONG style = GetWindowLongA(FHandle, GWL_STYLE);
  if (style & TCS_BOTTOM) return style & TCS_VERTICAL ? tpTabsRight : tpTabsBottom;
  return style & TCS_VERTICAL ? tpTabsLeft : tpTabsTop;
}

void TSkinTab::PrepareImages() {
  FTabPosition = TabPositionOfWindow();
  FTabImage.Clear();
  FPaneImage.Clear();
  TDataSkinBorder* tabs = FSkinData ? FSkinData->FTabs.get() : nullptr;
  if (!tabs) return;
  if (!tabs->FBitmap.Empty()) CopyTurned(FTabImage, tabs->FBitmap, FTabPosition, false);
  FTabMargins = FTabPosition == tpTabsBottom ? TurnedMargins(tabs->FMargins, tpTabsBottom) : tabs->FMargins;
  const TDataSkinObject* pane = FSkinData->FTabPane.get();
  if (tabs->FStyle == 0 && !tabs->FBitmap2.Empty()) {
    CopyTurned(FPaneImage, tabs->FBitmap2, FTabPosition, true);
  } else if (tabs->FStyle == 1 && pane && !pane->FBitmap.Empty()) {
    CopyTurned(FPaneImage, pane->FBitmap, FTabPosition, true);
  }
  FPaneMargins = TurnedMargins(tabs->FStyle != 0 && pane ? pane->FMargins : kBorderMargins, FTabPosition);
}

RECT TSkinTab::ScrollArrowsRect() {
  const HWND arrows = FindWindowExW(FHandle, nullptr, UPDOWN_CLASSW, nullptr);
  if (!arrows) return RECT{};
  if ((!FUpDown || FUpDown->FHandle != arrows) && SendMessageW(arrows, SKM_QUERYSKINNED, 0, 0) != 1) {
    // The wrapper of arrows that went with their window stays with the
    // form skinner, which frees it.
    FUpDown = new TSkinUpDown(Owner());
    FUpDown->InitHandle(arrows, FSkinData, FForm, FCanvas);
    FUpDown->FHorizontal = 1;
  }
  if (!IsWindowVisible(arrows)) return RECT{};
  RECT place{}, window{};
  GetWindowRect(arrows, &place);
  GetWindowRect(FHandle, &window);
  OffsetRect(&place, -window.left, -window.top);
  return place;
}

bool TSkinTab::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      // Without a tab image the control draws itself.
      if (FTabImage.Empty()) return true;
      PaintByDraw(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND:
      // The painting covers the whole window.
      if (FTabImage.Empty()) return true;
      message.Result = 1;
      return false;
    case WM_ENABLE:
      FEnabled = message.WParam != 0;
      InvalidateRect(FHandle, nullptr, FALSE);
      return true;
    case WM_LBUTTONDOWN:
      if (!FShowClose || !PressOnCloseBox(message)) return true;
      message.Result = 0;
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

// A press on a close box asks the form's window, and frees the page when it
// answers 0; it selects no tab. The close boxes are in window coordinates,
// the press in client ones.
bool TSkinTab::PressOnCloseBox(const TMessage& message) {
  POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  RECT window{};
  GetWindowRect(FHandle, &window);
  ClientToScreen(FHandle, &point);
  point.x -= window.left;
  point.y -= window.top;
  const auto hit = std::find_if(FCloseBoxes.begin(), FCloseBoxes.end(),
                                [point](const RECT& box) { return PtInRect(&box, point) != FALSE; });
  if (hit == FCloseBoxes.end()) return false;
  const int index = static_cast<int>(hit - FCloseBoxes.begin());
  const HWND formWindow = FForm ? FForm->FHandle : GetAncestor(FHandle, GA_ROOT);
  if (SendMessageW(formWindow, SKM_CLOSETAB, reinterpret_cast<WPARAM>(FHandle), index) != 0) return true;
  auto* pages = dynamic_cast<TPageControl*>(FControl);
  if (pages && index < pages->PageCount()) delete pages->Pages(index);
  return true;
}

// The control keeps its focus index when tabs before it are deleted; one
// that names no tab any more gives way to the selected tab.
int TSkinTab::FocusedTab(int count) const {
  const auto focused = static_cast<int>(SendMessageW(FHandle, TCM_GETCURFOCUS, 0, 0));
  if (focused >= 0 && focused < count) return focused;
  return static_cast<int>(SendMessageW(FHandle, TCM_GETCURSEL, 0, 0));
}

void TSkinTab::ReadTab(int index, std::wstring& text, int& imageIndex) const {
  imageIndex = -1;
  if (FUnicodeItems) {
    wchar_t buffer[kTabTextCapacity] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = buffer;
    item.cchTextMax = kTabTextCapacity;
    if (SendMessageW(FHandle, TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
      imageIndex = item.iImage;
    text = WideFromBuffer(buffer, -1);
    return;
  }
  char buffer[kTabTextCapacity] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = buffer;
  item.cchTextMax = kTabTextCapacity;
  if (SendMessageA(FHandle, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
    imageIndex = item.iImage;
  text = AnsiToWide(buffer);
}

void TSkinTab::DrawTab(TCanvas& canvas, const RECT& rect, bool chosen, const std::wstring& text, int imageIndex,
                       HIMAGELIST images) {
  const TDataSkinBorder& tabs = *FSkinData->FTabs;
  const HDC dc = canvas.Handle();
  DrawNineGrid(dc, rect, FTabImage, false, tabs.FTile != 0, tabs.FTrans == 1,
               tabs.FFrameCount, chosen ? kChosenFrame : kNormalFrame, FTabMargins);
  const TColor colour = chosen ? tabs.FMouseOverColour2 : tabs.FNormalColour2;
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(FEnabled ? colour : SystemColor(COLOR_GRAYTEXT))));
  DrawCaptionImage(canvas, rect, 1, text, imageIndex, images);
}

void TSkinTab::DrawCloseBox(HDC dc, const RECT& tab, int index) {
  const int left = tab.right - kCloseRight - kCloseSize, top = tab.top + kCloseTop;
  const int right = left + kCloseSize, bottom = top + kCloseSize;
  const POINT outline[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
  Polyline(dc, outline, 5);
  MoveToEx(dc, left, top, nullptr);
  LineTo(dc, right, bottom);
  MoveToEx(dc, right, top, nullptr);
  LineTo(dc, left, bottom);
  // The box with its outline.
  FCloseBoxes[static_cast<std::size_t>(index)] = RECT{left, top, right + 1, bottom + 1};
}

// Each tab's window rectangle is taken into the row as it would stand on
// top: moved down a pixel on top, up to the strip below the pane at the
// bottom, and laid along the row from the side (where the row is turned
// after).
void TSkinTab::DrawTabRow(const RECT& rect, const RECT& display, int length, int depth) {
  FBuffer.SetSize(length, depth);
  TCanvas& canvas = FBuffer.Canvas();
  const HDC dc = canvas.Handle();
  FillParentColor(dc, RECT{0, 0, length, depth});
  const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  const TSelectObject fontIn(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const TSaveDC saved(dc);
  SetBkMode(dc, TRANSPARENT);
  const int count = std::max(0, static_cast<int>(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0)));
  const int focused = FocusedTab(count);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
  FCloseBoxes.assign(static_cast<std::size_t>(count), RECT{});
  for (int i = 0; i < count; ++i) {
    RECT t{};
    if (!SendMessageW(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&t))) continue;
    RECT tab = t;
    switch (FTabPosition) {
      case tpTabsTop: OffsetRect(&tab, 0, 1); break;
      case tpTabsBottom: OffsetRect(&tab, 0, -(display.bottom + 1)); break;
      case tpTabsLeft: tab = RECT{length - t.bottom, t.left, length - t.top, t.right}; break;
      case tpTabsRight: tab = RECT{t.top - 1, rect.right - t.right, t.bottom - 1, rect.right - t.left}; break;
    }
    std::wstring text;
    int imageIndex = -1;
    ReadTab(i, text, imageIndex);
    DrawTab(canvas, tab, i == focused, text, imageIndex, images);
    if (FShowClose) DrawCloseBox(dc, tab, i);
  }
}

// The tab row beside the pane, the pane over the display area grown by 4
// (less a pixel on the tabs' side), composed off the screen and copied
// round the scroll arrows.
void TSkinTab::DrawControl(HDC dc, const RECT& rect) {
  if (FTabImage.Empty()) return;
  RECT pane = rect;
  SendMessageW(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pane));
  InflateRect(&pane, kPaneOutset, kPaneOutset);
  RECT strip = rect;
  switch (FTabPosition) {
    case tpTabsTop: strip.bottom = ++pane.top; break;
    case tpTabsBottom: strip.top = --pane.bottom; break;
    case tpTabsLeft: strip.right = ++pane.left; break;
    case tpTabsRight: strip.left = --pane.right; break;
  }
  TOffscreenFace face(dc, rect);
  FillParentColor(face.DC(), rect);
  const bool across = FTabPosition == tpTabsTop || FTabPosition == tpTabsBottom;
  const int length = across ? WidthOf(strip) : HeightOf(strip);
  const int depth = across ? HeightOf(strip) : WidthOf(strip);
  if (length > 0 && depth > 0) {
    DrawTabRow(rect, pane, length, depth);
    if (FTabPosition == tpTabsLeft) RotateLeft(FBuffer);
    if (FTabPosition == tpTabsRight) RotateRight(FBuffer);
    BitBlt(face.DC(), strip.left, strip.top, WidthOf(strip), HeightOf(strip), FBuffer.Canvas().Handle(), 0, 0,
           SRCCOPY);
  }
  if (!FPaneImage.Empty())
    DrawNineGrid(face.DC(), pane, FPaneImage, false, false, false, 1, 1, FPaneMargins);
  if (FKind == 2)
    if (auto* windowed = dynamic_cast<TWinControl*>(FControl)) windowed->PaintControls(face.DC());
  face.CopyTo(dc, ScrollArrowsRect());
}

// Every button a tab frame, upright, on the parent's colour; the pages
// cover the rest.
void TSkinTabBtn::DrawControl(HDC dc, const RECT& rect) {
  if (FTabImage.Empty()) return;
  TBitmap face(WidthOf(rect), HeightOf(rect));
  FillParentColor(face.Canvas().Handle(), RECT{0, 0, WidthOf(rect), HeightOf(rect)});
  const HDC faceDC = face.Canvas().Handle();
  const auto font = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  const TSelectObject fontIn(faceDC, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  const int count = std::max(0, static_cast<int>(SendMessageW(FHandle, TCM_GETITEMCOUNT, 0, 0)));
  const int focused = FocusedTab(count);
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(FHandle, TCM_GETIMAGELIST, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT button{};
    if (!SendMessageW(FHandle, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button)))
      continue;
    std::wstring text;
    int imageIndex = -1;
    ReadTab(i, text, imageIndex);
    DrawTab(face.Canvas(), button, i == focused, text, imageIndex, images);
  }
  const RECT arrows = ScrollArrowsRect();
  const TSaveDC saved(dc);
  if (!IsRectEmpty(&arrows)) ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
  BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), faceDC, 0, 0, SRCCOPY);
}

// The tabs as the tab set lays them out, upside down as tabs at the bottom
// of a control are, the chosen one in frame 2.
void TSkinTab31::DrawControl(HDC dc, const RECT& rect) {
  const auto* tabSet = dynamic_cast<const TTabSet*>(FControl);
  if (FTabImage.Empty() || !tabSet) return;
  TBitmap face(WidthOf(rect), HeightOf(rect));
  const HDC faceDC = face.Canvas().Handle();
  FillParentColor(faceDC, RECT{0, 0, WidthOf(rect), HeightOf(rect)});
  const TSelectObject fontIn(faceDC, tabSet->Font()->Handle());
  for (int i = 0; i < tabSet->Tabs()->Count(); ++i)
    DrawTab(face.Canvas(), tabSet->TabRect(i), i == tabSet->TabIndex(), AnsiToWide(tabSet->Tabs()->Get(i)), -1,
            nullptr);
  BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), faceDC, 0, 0, SRCCOPY);
}
