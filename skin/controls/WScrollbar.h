#pragma once
// TWScrollbar: a small borderless panel laid exactly over one scroll bar
// that the system shows, painting the skin's scroll bar in its place. The
// system keeps its bar and does all the scrolling: a press on the panel is
// handed to the window as the press on its own bar (the non-client message
// of that bar, or the button message of a scroll-bar control), so that the
// system runs its scroll tracking, with its auto-repeat, while the panel
// follows the scroll notifications that the window sends itself.
//
// The panel belongs to a wrapper (its owner) and is a child of the covered
// window's parent, just above the covered window in z-order. It is no
// control of that parent: the form's own lists never see it.
#include <windows.h>

#include "skin/controls/ScrollBarFace.h"
#include "ui/Panel.h"

class TSkinControl;
class TWinControl;

// FKind: the window's horizontal bar, its vertical bar, a scroll-bar
// control (the panel covers the whole control).
enum : int { wbHorizontal = 0, wbVertical = 1, wbControl = 2 };

class TWScrollbar : public TCustomPanel {
 public:
  QV_CLASS(TWScrollbar, TCustomPanel)

  explicit TWScrollbar(TSkinControl* wrapper);

  // Covers the bar of kind of a framework control, in the colour of the
  // wrapper's parent.
  void AttachControl(TSkinControl* wrapper, TWinControl* control, int kind);
  // Covers the bar of kind of a bare window.
  void AttachWindow(TSkinControl* wrapper, HWND window, int kind);
  // Places the panel over the window's bar and shows it, or hides it when
  // the window or its bar is hidden; stays as it is when the system tells
  // nothing about the bar.
  void UpdatePosition(HWND window);
  void HideBar();
  // The part under a point of the panel.
  int HitTest(POINT point) const;
  // Paints the panel now (a scroll notification, a wheel turn).
  void RepaintBar();
  // The part being scrolled, from a scroll notification's request code.
  void SetHotPart(int part);

  int FLength = 0;
  int FThumbStart = 0, FThumbEnd = 0;
  // Screen position of the system bar's top-left corner.
  POINT FBarOrigin{};
  // Cursor (screen) at the last press, and the system's thumb start then.
  POINT FPressPoint{};
  int FPressThumbTop = 0;
  // A press went down on the panel and the system's tracking runs.
  bool FPressed = false;
  // 0 horizontal, 1 vertical.
  int FOrientation = 0;
  int FHotPart = sbpNone;
  // SM_CXHSCROLL.
  int FArrowSize = 0;
  HWND FTarget = nullptr;
  TWinControl* FTargetControl = nullptr;
  TSkinControl* FWrapper = nullptr;
  int FKind = wbHorizontal;
  // The system bar in the target's client coordinates.
  RECT FBarRect{};
  bool FShown = false;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void WndProc(TMessage& message) override;

 private:
  struct TGeometry {
    // Screen coordinates.
    RECT Bar{};
    TThumbExtent Thumb;
    // STATE_SYSTEM_INVISIBLE, STATE_SYSTEM_UNAVAILABLE.
    DWORD State = 0;
  };
  // The bar as the system has it now; false when it tells nothing.
  bool ReadGeometry(TGeometry& geometry) const;
  bool Vertical() const { return FOrientation == 1; }
  void Attach(TSkinControl* wrapper, HWND window, TWinControl* control, int kind);

  void OnMouseMove(TMessage& message);
  void OnMouseLeave(TMessage& message);
  void OnLButtonDown(TMessage& message);
  void OnLButtonUp(TMessage& message);

  // The covered window's parent, this panel's parent window.
  HWND FParentWindow = nullptr;
};
