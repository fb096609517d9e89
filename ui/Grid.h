#pragma once
// Grids: rows and columns of cells, the first FixedRows rows and FixedCols
// columns fixed (drawn in FixedColor, not scrolled), the others scrolled
// with the window's scroll bars when they do not fit. A click or an arrow
// key selects a cell (Col, Row). A draw grid leaves the cells' content to
// its OnDrawCell.
#include <cstdint>
#include <vector>

#include "ui/ControlTypes.h"
#include "ui/CustomControl.h"

using TGridDrawState = std::uint8_t;
enum : TGridDrawState { gdSelected = 1, gdFocused = 2, gdFixed = 4 };

class TCustomGrid : public TCustomControl {
 public:
  QV_CLASS(TCustomGrid, TCustomControl)

  explicit TCustomGrid(TComponent* owner);

  int ColCount() const { return FColCount; }
  void SetColCount(int count);
  int RowCount() const { return FRowCount; }
  void SetRowCount(int count);
  int FixedCols() const { return FFixedCols; }
  void SetFixedCols(int count);
  int FixedRows() const { return FFixedRows; }
  void SetFixedRows(int count);
  int DefaultColWidth() const { return FColWidth; }
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return FRowHeight; }
  void SetDefaultRowHeight(int height);
  TColor FixedColor() const { return FFixedColor; }
  void SetFixedColor(TColor color);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle scrollBars);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle borderStyle);

  // The selected cell (never a fixed one).
  int Col() const { return FCol; }
  void SetCol(int col) { Select(col, FRow); }
  int Row() const { return FRow; }
  void SetRow(int row) { Select(FCol, row); }
  // The first scrolled column and row shown.
  int LeftCol() const { return FLeftCol; }
  void SetLeftCol(int col) { ScrollTo(col, FTopRow); }
  int TopRow() const { return FTopRow; }
  void SetTopRow(int row) { ScrollTo(FLeftCol, row); }
  // The cell's rectangle in client coordinates, without its grid lines;
  // empty when the cell is not shown.
  RECT CellRect(int col, int row) const;

  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

 protected:
  // Draws a cell's content over its background; nothing here.
  virtual void DrawCell(int col, int row, const RECT& rect, TGridDrawState state);
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  // The indexes of the columns or rows shown along an axis limit pixels
  // long: the fixed ones, then the scrolled ones from first on.
  std::vector<int> Shown(int fixed, int first, int count, int size, int limit) const;
  // The left or top edge of a column or row; -1 when it is scrolled out.
  static int Offset(int index, int fixed, int first, int size);
  void Select(int col, int row);
  void ScrollTo(int leftCol, int topRow);
  // How many scrolled columns or rows fit wholly.
  int FullyVisible(int fixed, int size, int limit) const;
  void UpdateScrollBars();
  void Changed();
  void WMScroll(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMGetDlgCode(TMessage& message);
  void WMSize(TMessage& message);
  void WMFocus(TMessage& message);

  int FColCount = 5;
  int FRowCount = 5;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FColWidth = 64;
  int FRowHeight = 24;
  TColor FFixedColor = SystemColor(COLOR_BTNFACE);
  TScrollStyle FScrollBars = TScrollStyle::ssBoth;
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  int FCol = 1;
  int FRow = 1;
  int FLeftCol = 1;
  int FTopRow = 1;
};

using TDrawCellEvent = TMethod<void(TObject* Sender, int ACol, int ARow, const RECT& Rect, TGridDrawState State)>;

class TDrawGrid : public TCustomGrid {
 public:
  QV_CLASS(TDrawGrid, TCustomGrid)

  using TCustomGrid::TCustomGrid;

  TDrawCellEvent OnDrawCell;

 protected:
  void DrawCell(int col, int row, const RECT& rect, TGridDrawState state) override;

 private:
  static const TPropInfo Published[];
};
