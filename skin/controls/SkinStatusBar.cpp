#include "skin/controls/SkinStatusBar.h"

#include <commctrl.h>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "ui/Collection.h"
#include "ui/Font.h"
#include "ui/StatusBar.h"

QV_CLASS_INFO(TSkinStatusBar, {});

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// Frames of "StatusBarEdges".
enum : int { fLowered = 1, fRaised = 2, fFlat = 3 };
constexpr int kGripFrame = 5;
// Between a panel's edge and its text.
constexpr int kTextInset = 2;

UINT AlignmentFlag(const std::string& alignment) {
  if (alignment == "taRightJustify") return DT_RIGHT;
  if (alignment == "taCenter") return DT_CENTER;
  return DT_LEFT;
}

bool ReadsRightToLeft(const TObject* object) {
  const std::string mode = TSkinControl::GetEnumPropByName(object, "BiDiMode");
  return !mode.empty() && mode != "bdLeftToRight";
}

// The panel collection of the status bar, read by name; null without one.
const TCollection* PanelsOf(const TControl* control) {
  return dynamic_cast<const TCollection*>(TSkinControl::GetObjectPropByName(control, "Panels"));
}

// The panel's rectangle as the window has it.
bool PanelRect(HWND window, int index, RECT& rect) {
  return SendMessageW(window, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)) != 0;
}

RECT Narrowed(const RECT& rect, int dx) { return RECT{rect.left + dx, rect.top, rect.right - dx, rect.bottom}; }

}  // namespace

bool TSkinStatusBar::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      PaintByDraw(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rect) {
  const TSkinDrawingScope drawing;
  TBitmap& buffer = *SkinDrawBuffer();
  const RECT bar{0, 0, WidthOf(rect), HeightOf(rect)};
  if (bar.right <= 0 || bar.bottom <= 0) return;
  buffer.SetSize(bar.right, bar.bottom);
  TCanvas& canvas = buffer.Canvas();
  const HDC bufferDC = canvas.Handle();
  const TSaveDC saved(bufferDC);
  FillColor(bufferDC, bar, FSkinData->FColours[scButtonFace]);
  const TFont* font = FControl ? FControl->Font() : nullptr;
  const auto windowFont = reinterpret_cast<HFONT>(SendMessageW(FHandle, WM_GETFONT, 0, 0));
  SelectObject(bufferDC, font ? font->Handle() : windowFont ? windowFont : GetStockObject(DEFAULT_GUI_FONT));
  if (const TDataSkinObject* edges = FSkinData->FStatusBarEdges.get())
    SetTextColor(bufferDC, static_cast<COLORREF>(ColorToRGB(edges->FNormalColour2)));
  else if (font)
    SetTextColor(bufferDC, static_cast<COLORREF>(ColorToRGB(font->Color())));
  DrawPanels(canvas, bar);
  if (GetWindowLongFor(FHandle, GWL_STYLE) & SBARS_SIZEGRIP) DrawGrip(bufferDC, bar);
  BitBlt(dc, rect.left, rect.top, bar.right, bar.bottom, bufferDC, 0, 0, SRCCOPY);
  if (auto* windowed = dynamic_cast<TWinControl*>(FControl)) windowed->PaintControls(dc);
  CallDrawPanel(dc);
}

void TSkinStatusBar::DrawPanelBack(HDC dc, const RECT& rect, int frame) const {
  const TDataSkinObject* edges = FSkinData->FStatusBarEdges.get();
  if (edges && !edges->FBitmap.Empty()) {
    const auto back = RenderNineGrid(rect, const_cast<TBitmap&>(edges->FBitmap), edges->FMargins, false,
                                     edges->FTile != 0, 3, frame);
    BitBlt(dc, rect.left, rect.top, WidthOf(rect), HeightOf(rect), back->Canvas().Handle(), 0, 0, SRCCOPY);
    return;
  }
  if (frame == fFlat) return;
  RECT edge = rect;
  DrawEdge(dc, &edge, frame == fLowered ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}

// One simple text over the whole bar, or each panel with its text.
void TSkinStatusBar::DrawPanels(TCanvas& canvas, const RECT& bar) const {
  const HDC dc = canvas.Handle();
  const TCollection* panels = PanelsOf(FControl);
  const int count = panels ? panels->Count() : 0;
  if (count == 0 || GetEnumPropByName(FControl, "SimplePanel") == "True") {
    std::wstring text = GetTextPropByName(FControl, "simpletext");
    if (text.empty()) text = L" ";
    DrawPanelBack(dc, bar, fLowered);
    DrawCaption(canvas, Narrowed(bar, kTextInset), ReadsRightToLeft(FControl) ? DT_RIGHT : DT_LEFT, true, text);
    return;
  }
  for (int i = 0; i < count; ++i) {
    const TCollectionItem* panel = panels->Items(i);
    UINT align = AlignmentFlag(GetEnumPropByName(panel, "Alignment"));
    // Read from the right, left and right trade places.
    if (ReadsRightToLeft(panel) && align != DT_CENTER) align = align == DT_LEFT ? DT_RIGHT : DT_LEFT;
    const std::string bevel = GetEnumPropByName(panel, "Bevel");
    const int frame = bevel == "pbRaised" ? fRaised : bevel == "pbNone" ? fFlat : fLowered;
    RECT place{};
    if (!PanelRect(FHandle, i, place)) continue;
    place.right += 2;
    if (i == count - 1) place.right = bar.right;
    DrawPanelBack(dc, place, frame);
    if (GetEnumPropByName(panel, "Style") == "psOwnerDraw") continue;
    std::wstring text = GetTextPropByName(panel, "Text");
    if (text.empty()) text = L" ";
    DrawCaption(canvas, Narrowed(place, kTextInset), align, true, text);
  }
}

void TSkinStatusBar::DrawGrip(HDC dc, const RECT& bar) const {
  TDataSkinObject* extra = FSkinData->FExtraImages.get();
  if (!extra || extra->FBitmap.Empty()) return;
  const int frames = extra->FFrameCount < 1 ? 1 : extra->FFrameCount;
  const int w = extra->FBitmap.Width() / frames, h = extra->FBitmap.Height();
  DrawSkinFrame(dc, RECT{bar.right - 1 - w, bar.bottom - 1 - h, bar.right - 1, bar.bottom - 1}, frames, kGripFrame,
                extra->FBitmap);
}

void TSkinStatusBar::CallDrawPanel(HDC dc) const {
  auto* statusBar = dynamic_cast<TCustomStatusBar*>(FControl);
  if (!statusBar || !statusBar->OnDrawPanel) return;
  const TCanvasBinding binding(statusBar->Canvas(), dc);
  for (int i = 0; i < statusBar->Panels()->Count(); ++i) {
    RECT place{};
    if (!PanelRect(FHandle, i, place)) continue;
    InflateRect(&place, -2, -2);
    statusBar->OnDrawPanel(statusBar, statusBar->Panels()->Items(i), place);
  }
}
