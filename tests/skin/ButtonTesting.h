#pragma once
// A skinned form with the button probe skin for the button and check box
// tests: controls added to it are skinned by the form skinner when it
// shows; their pixels are read back from the screen.
#include <algorithm>
#include <climits>
#include <memory>
#include <string>

#include "tests/skin/ButtonProbeSkin.h"
#include "tests/skin/SkinnedWindow.h"
#include "ui/Control.h"
#include "ui/WinControl.h"

// Counts a control's clicks and mouse-downs.
struct TClickCounter {
  int Clicks = 0;
  int MouseDowns = 0;
  void Clicked(TObject*) { ++Clicks; }
  void MouseDown(TObject*, TMouseButton, TShiftState, int, int) { ++MouseDowns; }
  void Watch(TControl& control) {
    control.OnClick = TNotifyEvent::Of<&TClickCounter::Clicked>(this);
    control.OnMouseDown = TMouseEvent::Of<&TClickCounter::MouseDown>(this);
  }
};

class TButtonForm {
 public:
  explicit TButtonForm(const TSkinFixture& skin = buttonprobe::Skin(), int width = 360, int height = 220)
      : Window(skin, width, height) {}

  TForm& Form() { return *Window.Form; }
  template <class T>
  T* Add(TWinControl* parent, int left, int top, int width, int height, const std::string& caption = "") {
    auto* control = new T(&Form());
    control->SetParent(parent ? parent : &Form());
    control->SetBounds(left, top, width, height);
    control->SetCaption(caption);
    return control;
  }
  // Shows the form: the form skinner wraps its controls.
  void Show() { Window.Show(); }

  // A point of the control (client coordinates) on the screen.
  static POINT ScreenPoint(const TControl& control, int x, int y) {
    POINT point{x, y};
    if (auto* windowed = dynamic_cast<const TWinControl*>(&control); windowed && windowed->HandleAllocated()) {
      ClientToScreen(windowed->WindowHandle(), &point);
    } else {
      point.x += control.Left();
      point.y += control.Top();
      ClientToScreen(control.Parent()->WindowHandle(), &point);
    }
    return point;
  }
  static POINT Centre(const TControl& control) {
    return ScreenPoint(control, control.Width() / 2, control.Height() / 2);
  }
  // The control as the screen shows it now.
  TScreenShot Shot(const TControl& control) {
    PumpMessages(60);
    const POINT origin = ScreenPoint(control, 0, 0);
    return CaptureScreen(RECT{origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()});
  }
  static TColor At(const TScreenShot& shot, int x, int y) {
    return static_cast<TColor>(shot.At(shot.Area.left + x, shot.Area.top + y));
  }
  // The button face frame whose edge colour is at (x, y); 0 for none.
  static int FaceAt(const TScreenShot& shot, int x, int y) {
    const TColor colour = At(shot, x, y);
    for (int frame = 1; frame <= 5; ++frame)
      if (colour == buttonprobe::FaceEdge(frame)) return frame;
    return 0;
  }
  // The bounds of the pixels inside area (shot coordinates) that are not of
  // the colour given; empty when all are.
  static RECT InkBounds(const TScreenShot& shot, const RECT& area, TColor background) {
    RECT ink{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) {
        if (At(shot, x, y) == background) continue;
        ink = RECT{std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                   std::max<LONG>(ink.bottom, y + 1)};
      }
    return ink.left == LONG_MAX ? RECT{} : ink;
  }
  // The bounds of the pixels of the colour.
  static RECT ColourBounds(const TScreenShot& shot, TColor colour) {
    RECT found{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
    const int width = shot.Area.right - shot.Area.left, height = shot.Area.bottom - shot.Area.top;
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        if (At(shot, x, y) != colour) continue;
        found = RECT{std::min<LONG>(found.left, x), std::min<LONG>(found.top, y), std::max<LONG>(found.right, x + 1),
                     std::max<LONG>(found.bottom, y + 1)};
      }
    return found.left == LONG_MAX ? RECT{} : found;
  }
  // Moves the mouse onto the form's bottom-right corner, which the tests
  // keep free: it leaves every control at once (off the program's windows
  // the system notices a leave only with its next hover check).
  void MouseAway() {
    RECT client{};
    GetClientRect(Form().Handle(), &client);
    POINT corner{client.right - 3, client.bottom - 3};
    ClientToScreen(Form().Handle(), &corner);
    MoveMouseTo(corner);
    PumpMessages(60);
  }

  TSkinnedWindow Window;
};

inline std::string Str(const RECT& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}
