#include "ui/Grid.h"

#include <windowsx.h>

#include <algorithm>

#include "ui/TypInfo.h"

QV_CLASS_INFO(TCustomGrid, {});

const TPropInfo TDrawGrid::Published[] = {
    Prop<TTypeKind::Integer, &TCustomGrid::ColCount, &TCustomGrid::SetColCount>("ColCount"),
    Prop<TTypeKind::Integer, &TCustomGrid::RowCount, &TCustomGrid::SetRowCount>("RowCount"),
    Prop<TTypeKind::Integer, &TCustomGrid::FixedCols, &TCustomGrid::SetFixedCols>("FixedCols"),
    Prop<TTypeKind::Integer, &TCustomGrid::FixedRows, &TCustomGrid::SetFixedRows>("FixedRows"),
    Prop<TTypeKind::Integer, &TCustomGrid::DefaultColWidth, &TCustomGrid::SetDefaultColWidth>("DefaultColWidth"),
    Prop<TTypeKind::Integer, &TCustomGrid::DefaultRowHeight, &TCustomGrid::SetDefaultRowHeight>(
        "DefaultRowHeight"),
    Prop<TTypeKind::Integer, &TCustomGrid::FixedColor, &TCustomGrid::SetFixedColor>("FixedColor"),
    Prop<TTypeKind::Enumeration, &TCustomGrid::ScrollBars, &TCustomGrid::SetScrollBars>("ScrollBars",
                                                                                       kScrollStyleNames),
    Prop<TTypeKind::Enumeration, &TCustomGrid::BorderStyle, &TCustomGrid::SetBorderStyle>("BorderStyle",
                                                                                         kBorderStyleNames),
    Prop<TTypeKind::Method, &TDrawGrid::OnDrawCell, &TDrawGrid::OnDrawCell>("OnDrawCell"),
};
QV_CLASS_INFO(TDrawGrid, Published);

TCustomGrid::TCustomGrid(TComponent* owner) : TCustomControl(owner) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 320, 120);
}

void TCustomGrid::SetColCount(int count) {
  FColCount = std::max(count, FFixedCols + 1);
  Changed();
}

void TCustomGrid::SetRowCount(int count) {
  FRowCount = std::max(count, FFixedRows + 1);
  Changed();
}

void TCustomGrid::SetFixedCols(int count) {
  FFixedCols = std::clamp(count, 0, FColCount - 1);
  Changed();
}

void TCustomGrid::SetFixedRows(int count) {
  FFixedRows = std::clamp(count, 0, FRowCount - 1);
  Changed();
}

void TCustomGrid::SetDefaultColWidth(int width) {
  FColWidth = std::max(width, 1);
  Changed();
}

void TCustomGrid::SetDefaultRowHeight(int height) {
  FRowHeight = std::max(height, 1);
  Changed();
}

void TCustomGrid::SetFixedColor(TColor color) {
  FFixedColor = color;
  Invalidate();
}

void TCustomGrid::SetScrollBars(TScrollStyle scrollBars) {
  if (scrollBars == FScrollBars) return;
  FScrollBars = scrollBars;
  RecreateWnd();
}

void TCustomGrid::SetBorderStyle(TBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

int TCustomGrid::Offset(int index, int fixed, int first, int size) {
  if (index < fixed) return index * size;
  if (index < first) return -1;
  return (fixed + index - first) * size;
}

std::vector<int> TCustomGrid::Shown(int fixed, int first, int count, int size, int limit) const {
  std::vector<int> shown;
  for (int i = 0; i < fixed; ++i) shown.push_back(i);
  for (int i = first, at = fixed * size; i < count && at < limit; ++i, at += size) shown.push_back(i);
  return shown;
}

RECT TCustomGrid::CellRect(int col, int row) const {
  const RECT client = ClientRect();
  const int x = Offset(col, FFixedCols, FLeftCol, FColWidth);
  const int y = Offset(row, FFixedRows, FTopRow, FRowHeight);
  if (col < 0 || row < 0 || col >= FColCount || row >= FRowCount || x < 0 || y < 0 || x >= client.right ||
      y >= client.bottom) {
    return RECT{0, 0, 0, 0};
  }
  // The grid line takes the last pixel column and row of the cell's space.
  return RECT{x, y, x + FColWidth - 1, y + FRowHeight - 1};
}

int TCustomGrid::FullyVisible(int fixed, int size, int limit) const {
  return std::max(1, (limit - fixed * size) / size);
}

void TCustomGrid::Select(int col, int row) {
  col = std::clamp(col, FFixedCols, FColCount - 1);
  row = std::clamp(row, FFixedRows, FRowCount - 1);
  FCol = col;
  FRow = row;
  // The selected cell is scrolled into view.
  const RECT client = ClientRect();
  int leftCol = FLeftCol;
  int topRow = FTopRow;
  const int columns = FullyVisible(FFixedCols, FColWidth, client.right);
  const int rows = FullyVisible(FFixedRows, FRowHeight, client.bottom);
  if (col < leftCol) leftCol = col;
  if (col >= leftCol + columns) leftCol = col - columns + 1;
  if (row < topRow) topRow = row;
  if (row >= topRow + rows) topRow = row - rows + 1;
  ScrollTo(leftCol, topRow);
  Invalidate();
}

void TCustomGrid::ScrollTo(int leftCol, int topRow) {
  const RECT client = ClientRect();
  const int columns = FullyVisible(FFixedCols, FColWidth, client.right);
  const int rows = FullyVisible(FFixedRows, FRowHeight, client.bottom);
  FLeftCol = std::clamp(leftCol, FFixedCols, std::max(FFixedCols, FColCount - columns));
  FTopRow = std::clamp(topRow, FFixedRows, std::max(FFixedRows, FRowCount - rows));
  UpdateScrollBars();
  Invalidate();
}

void TCustomGrid::Changed() {
  FFixedCols = std::min(FFixedCols, FColCount - 1);
  FFixedRows = std::min(FFixedRows, FRowCount - 1);
  Select(FCol, FRow);
}

void TCustomGrid::UpdateScrollBars() {
  if (!HandleAllocated()) return;
  const RECT client = ClientRect();
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, FFixedCols, FColCount - 1,
                    static_cast<UINT>(FullyVisible(FFixedCols, FColWidth, client.right)), FLeftCol, 0};
    SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
  }
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, FFixedRows, FRowCount - 1,
                    static_cast<UINT>(FullyVisible(FFixedRows, FRowHeight, client.bottom)), FTopRow, 0};
    SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  }
}

void TCustomGrid::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    if (HandleAllocated()) SetFocus(Handle());
    const RECT client = ClientRect();
    const auto hit = [&](int fixed, int first, int count, int size, int limit, int at) {
      for (int index : Shown(fixed, first, count, size, limit)) {
        const int offset = Offset(index, fixed, first, size);
        if (at >= offset && at < offset + size) return index;
      }
      return -1;
    };
    const int col = hit(FFixedCols, FLeftCol, FColCount, FColWidth, client.right, x);
    const int row = hit(FFixedRows, FTopRow, FRowCount, FRowHeight, client.bottom, y);
    if (col >= FFixedCols && row >= FFixedRows) Select(col, row);
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomGrid::DrawCell(int, int, const RECT&, TGridDrawState) {}

void TCustomGrid::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_TABSTOP;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_HSCROLL;
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBars();
}

void TCustomGrid::Paint() {
  TCanvas& canvas = Canvas();
  const RECT client = ClientRect();
  canvas.SetBrushColor(Color());
  canvas.FillRect(client);
  const bool focused = HandleAllocated() && GetFocus() == WindowHandle();
  for (int row : Shown(FFixedRows, FTopRow, FRowCount, FRowHeight, client.bottom)) {
    for (int col : Shown(FFixedCols, FLeftCol, FColCount, FColWidth, client.right)) {
      RECT cell = CellRect(col, row);
      // The grid lines right and below the cell.
      canvas.SetBrushColor(SystemColor(COLOR_BTNSHADOW));
      canvas.FillRect(RECT{cell.left, cell.top, cell.right + 1, cell.bottom + 1});
      TGridDrawState state = 0;
      if (col < FFixedCols || row < FFixedRows) {
        state = gdFixed;
        canvas.SetBrushColor(FFixedColor);
        canvas.FillRect(cell);
        DrawEdge(canvas.Handle(), &cell, BDR_RAISEDINNER, BF_RECT);
      } else if (col == FCol && row == FRow) {
        state = gdSelected | (focused ? gdFocused : 0);
        canvas.SetBrushColor(SystemColor(COLOR_HIGHLIGHT));
        canvas.FillRect(cell);
      } else {
        canvas.SetBrushColor(Color());
        canvas.FillRect(cell);
      }
      DrawCell(col, row, cell, state);
    }
  }
}

void TCustomGrid::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL: return WMScroll(message);
    case WM_KEYDOWN: return WMKeyDown(message);
    case WM_GETDLGCODE: return WMGetDlgCode(message);
    case WM_SIZE: return WMSize(message);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return WMFocus(message);
    default: return TCustomControl::WndProc(message);
  }
}

void TCustomGrid::WMScroll(TMessage& message) {
  if (message.LParam) return TCustomControl::WndProc(message);
  const bool vertical = message.Msg == WM_VSCROLL;
  SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &info);
  int position = info.nPos;
  switch (LOWORD(message.WParam)) {
    case SB_LINEUP: --position; break;
    case SB_LINEDOWN: ++position; break;
    case SB_PAGEUP: position -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: position += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = info.nMin; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: break;
  }
  if (vertical) {
    ScrollTo(FLeftCol, position);
  } else {
    ScrollTo(position, FTopRow);
  }
  message.Result = 0;
}

void TCustomGrid::WMKeyDown(TMessage& message) {
  const int rows = FullyVisible(FFixedRows, FRowHeight, ClientRect().bottom);
  switch (message.WParam) {
    case VK_LEFT: return Select(FCol - 1, FRow);
    case VK_RIGHT: return Select(FCol + 1, FRow);
    case VK_UP: return Select(FCol, FRow - 1);
    case VK_DOWN: return Select(FCol, FRow + 1);
    case VK_PRIOR: return Select(FCol, FRow - rows);
    case VK_NEXT: return Select(FCol, FRow + rows);
    default: return TCustomControl::WndProc(message);
  }
}

void TCustomGrid::WMGetDlgCode(TMessage& message) { message.Result = DLGC_WANTARROWS; }

// The selected cell shows whether the grid has the focus.
void TCustomGrid::WMFocus(TMessage& message) {
  Invalidate();
  TCustomControl::WndProc(message);
}

void TCustomGrid::WMSize(TMessage& message) {
  TCustomControl::WndProc(message);
  ScrollTo(FLeftCol, FTopRow);
}

void TDrawGrid::DrawCell(int col, int row, const RECT& rect, TGridDrawState state) {
  if (OnDrawCell) OnDrawCell(this, col, row, rect, state);
}
