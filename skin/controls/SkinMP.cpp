#include "skin/controls/SkinMP.h"

#include <windowsx.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "ui/Control.h"
#include "ui/Gdi.h"
#include "ui/TypInfo.h"

namespace {

constexpr int kButtonKinds = 9;
constexpr unsigned kAllButtons = (1u << kButtonKinds) - 1;

// A button's symbol: shapes on a grid of 8 x 8, filled in the text colour:
// rectangles and ellipses by two corners, triangles by three points.
enum class TShapeKind { Rectangle, Ellipse, Triangle };
struct TShape {
  TShapeKind Kind;
  POINT Points[3];
};
using TSymbol = std::vector<TShape>;

const TSymbol& SymbolOf(int kind) {
  using enum TShapeKind;
  static const TSymbol kSymbols[kButtonKinds] = {
      {{Triangle, {{2, 1}, {6, 4}, {2, 7}}}},                                // play
      {{Rectangle, {{1, 1}, {3, 7}}}, {Rectangle, {{5, 1}, {7, 7}}}},        // pause
      {{Rectangle, {{1, 1}, {7, 7}}}},                                       // stop
      {{Triangle, {{1, 1}, {5, 4}, {1, 7}}}, {Rectangle, {{5, 1}, {7, 7}}}},  // next
      {{Rectangle, {{1, 1}, {3, 7}}}, {Triangle, {{7, 1}, {3, 4}, {7, 7}}}},  // previous
      {{Triangle, {{0, 1}, {4, 4}, {0, 7}}}, {Triangle, {{4, 1}, {8, 4}, {4, 7}}}},  // step
      {{Triangle, {{8, 1}, {4, 4}, {8, 7}}}, {Triangle, {{4, 1}, {0, 4}, {4, 7}}}},  // back
      {{Ellipse, {{1, 1}, {7, 7}}}},                                         // record
      {{Triangle, {{1, 4}, {4, 1}, {7, 4}}}, {Rectangle, {{1, 5}, {7, 7}}}},  // eject
  };
  return kSymbols[kind];
}

// The symbol scaled into the middle of the cell.
void DrawSymbol(HDC dc, const RECT& cell, int kind) {
  const int side = std::min(cell.right - cell.left, cell.bottom - cell.top) / 2;
  if (side < 4) return;
  const int left = (cell.left + cell.right - side) / 2, top = (cell.top + cell.bottom - side) / 2;
  const auto at = [&](POINT p) { return POINT{left + p.x * side / 8, top + p.y * side / 8}; };
  for (const TShape& shape : SymbolOf(kind)) {
    const POINT a = at(shape.Points[0]), b = at(shape.Points[1]);
    switch (shape.Kind) {
      case TShapeKind::Rectangle: Rectangle(dc, a.x, a.y, b.x, b.y); break;
      case TShapeKind::Ellipse: Ellipse(dc, a.x, a.y, b.x, b.y); break;
      case TShapeKind::Triangle: {
        const POINT points[] = {a, b, at(shape.Points[2])};
        Polygon(dc, points, 3);
        break;
      }
    }
  }
}

}  // namespace

QV_CLASS_INFO(TSkinMP, {});

bool TSkinMP::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: PaintByDraw(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinMP::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: return Track(ButtonAt(GET_X_LPARAM(message.LParam)), FPressedButton);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return Track(FHotButton, ButtonAt(GET_X_LPARAM(message.LParam)));
    case WM_LBUTTONUP: return Track(FHotButton, -1);
    case WM_MOUSELEAVE: return Track(-1, -1);
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinMP::Track(int hot, int pressed) {
  if (hot >= 0 && FHotButton < 0) SkinTrackMouseLeave(FHandle);
  if (hot == FHotButton && pressed == FPressedButton) return;
  FHotButton = hot;
  FPressedButton = pressed;
  Repaint();
}

unsigned TSkinMP::VisibleButtons() const {
  const TPropInfo* prop = FControl ? GetPropInfo(*FControl, "VisibleButtons") : nullptr;
  if (!prop || prop->Kind != TTypeKind::Set) return kAllButtons;
  return static_cast<unsigned>(std::get<std::int64_t>(prop->Get(*FControl))) & kAllButtons;
}

int TSkinMP::ButtonAt(int x) const {
  RECT client{};
  GetClientRect(FHandle, &client);
  const int count = std::popcount(VisibleButtons());
  if (count == 0 || x < 0 || x >= client.right) return -1;
  return std::min(x / std::max<int>(client.right / count, 1), count - 1);
}

void TSkinMP::DrawControl(HDC dc, const RECT& rect) {
  TDataSkinButton& element = FSkinData->FButtons;
  if (element.FBitmap.Empty()) return;
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  FBuffer.SetSize(width, height);
  if (FBuffer.Empty()) return;
  const HDC buffer = FBuffer.Canvas().Handle();
  FillSkinColor(buffer, RECT{0, 0, width, height});
  const bool enabled = (GetWindowLongFor(FHandle, GWL_STYLE) & WS_DISABLED) == 0;
  const COLORREF ink = enabled ? static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[scButtonText]))
                               : GetSysColor(COLOR_GRAYTEXT);
  const TBrushHandle brush(CreateSolidBrush(ink));
  const TGdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, ink));
  const TSelectObject selectBrush(buffer, brush.Get());
  const TSelectObject selectPen(buffer, pen.Get());
  const unsigned visible = VisibleButtons();
  const int count = std::popcount(visible);
  int place = 0;
  for (int kind = 0; kind < kButtonKinds; ++kind) {
    if (!(visible & (1u << kind))) continue;
    const int cellWidth = width / count;
    // The last button takes what the division leaves.
    const RECT cell{place * cellWidth, 0, place == count - 1 ? width : (place + 1) * cellWidth, height};
    int frame = 1;
    if (!enabled)
      frame = 3;
    else if (place == FPressedButton)
      frame = 2;
    else if (place == FHotButton)
      frame = 4;
    DrawSkinElement(buffer, cell, 5, frame, element);
    DrawSymbol(buffer, cell, kind);
    ++place;
  }
  BitBlt(dc, rect.left, rect.top, width, height, buffer, 0, 0, SRCCOPY);
}
