#pragma once
// What the screen shows of one window, read in the window's own
// coordinates, and real mouse input aimed at points of a window.
#include <windows.h>

#include "tests/support/WindowsTestSupport.h"
#include "ui/Color.h"

class TWindowShot {
 public:
  // Lets pending paints run first.
  explicit TWindowShot(HWND window) {
    PumpMessages(60);
    GetWindowRect(window, &FRect);
    FShot = CaptureScreen(FRect);
  }
  TColor operator()(int x, int y) const { return static_cast<TColor>(FShot.At(FRect.left + x, FRect.top + y)); }

 private:
  RECT FRect{};
  TScreenShot FShot;
};

// The screen point of a point in window coordinates.
inline POINT ScreenPoint(HWND window, int x, int y) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return POINT{rect.left + x, rect.top + y};
}

// Moves the mouse there and lets the window answer.
inline void HoverAt(HWND window, int x, int y) {
  MoveMouseTo(ScreenPoint(window, x, y));
  PumpMessages(120);
}
