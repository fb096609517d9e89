#pragma once
// The elements of a skinned window's non-client area: small objects with a
// rectangle in window coordinates, a state and a paint operation. The
// title buttons (TWinSysButton) are made from the skin's title-bar button
// elements, one each, when the window loads its frame metrics; the window's
// mouse handlers (TitleBar.cpp) route the non-client mouse to them.
#include <windows.h>

class TDataSkinSysButton;
class TWinSkinForm;

// Element states.
enum : int { kElementNormal = 1, kElementPressed = 2, kElementHot = 3 };

class TNCObject {
 public:
  explicit TNCObject(TWinSkinForm& form) : FForm(form) {}
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;
  virtual ~TNCObject() = default;

  // Each state change repaints the element.
  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm& FForm;
  RECT FBounds{};
  bool FVisible = false;
  int FState = kElementNormal;
  bool FEnabled = true;
};

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TWinSkinForm& form, TDataSkinSysButton& data) : TNCObject(form), FData(data) {}

  // Draws the frame of the current state at FBounds on the window.
  void Paint() override;
  // FVisible and FEnabled from the visibility codes and the window.
  void UpdateVisibility();
  // The button's click; screen: where it was clicked.
  void Click(POINT screen);
  // The hint of the button's action, or null.
  const char* Hint() const;
  // The frame (from 1) that shows the state.
  int StateFrame() const;
  bool IsIcon() const;

  TDataSkinSysButton& FData;
};

// Whether a visibility code holds on the window: Visibility (second false)
// or Visibility1 (second true) of a button with the action.
bool VisibilityHolds(const TWinSkinForm& form, int code, bool second, int action);
