#pragma once
// TComboxScrollBar: the vertical scroll bar of a combo box's pop-up list.
// A pop-up list comes and goes with every drop-down, so no panel covers it:
// the wrapper paints the skinned bar straight into the list's non-client
// area, where the system has just painted its own, and drags the thumb
// itself (the system's thumb tracking would paint over the skin at every
// step). Made by the combo box wrapper, owned by the combo box control, and
// attached to the list window with InitHandle.
#include "skin/controls/ScrollBarFace.h"
#include "skin/controls/SkinControl.h"

class TComboxScrollBar : public TSkinControl {
 public:
  QV_CLASS(TComboxScrollBar, TSkinControl)

  explicit TComboxScrollBar(TComponent* owner);

  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  // The list's vertical bar at the system bar's place; rect: the window.
  void DrawControl(HDC dc, const RECT& rect) override;

  // SM_CXHSCROLL.
  int FArrowSize = 0;
  int FHotPart = sbpNone;
  // The thumb is being dragged; the press's cursor (screen) and the
  // thumb's start (bar coordinates) then.
  bool FPressed = false;
  POINT FPressPoint{};
  int FPressThumbTop = 0;
  // The last thumb painted.
  TThumbExtent FThumb;

 private:
  // The list message that repaints its bar.
  static constexpr UINT kListRepaint = 0x1AE;

  // Drags the thumb when the press (screen point) lies on it, in a loop
  // of its own until the button goes up; false when it does not.
  bool TrackThumb(POINT press);
  // The position the thumb stands for after the cursor moved to y.
  int TrackPosition(const SCROLLINFO& info, int barLength, int y) const;
};
