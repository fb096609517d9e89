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

// Whether an anti-aliased text pixel is ink of the text colour: nearer to
// it than to the background it was drawn on.
inline bool InkOf(TColor pixel, TColor text, TColor back) {
  const auto distance = [](TColor a, TColor b) {
    int sum = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const int d = ((a >> shift) & 0xFF) - ((b >> shift) & 0xFF);
      sum += d * d;
    }
    return sum;
  };
  return pixel != back && distance(pixel, text) < distance(pixel, back);
}

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
