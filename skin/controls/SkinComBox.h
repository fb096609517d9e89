#pragma once
// TSkinComBox: a combo box's border and drop-down button drawn from the
// skin's "ComboButton" element (with "SunkEdge" for the border and the
// "ExtraImages" arrow glyph), over what the combo box painted itself: frame
// 1 normal, 2 pressed, 3 disabled, 4 focused or with the mouse over the
// button. The button sits on the left for WS_EX_LEFTSCROLLBAR. A simple
// combo box keeps its own look.
//
// Attached to a framework combo box it also skins the scroll bar of its
// list: a TComboxScrollBar for a list that drops down, a TSkinScrollbarH
// for the list of a simple combo box (a child window); both belong to the
// combo box control and are freed by Unskin. The edit child of a drop-down
// combo box is subclassed, so that the frame comes back after the edit
// paints and a click in the edit shows the button pressed.
#include "skin/controls/SkinControl.h"

class TComboxScrollBar;
class TDataSkinBorder;
class TSkinScrollbarH;

class TSkinComBox : public TSkinControl {
 public:
  QV_CLASS(TSkinComBox, TSkinControl)

  // extended: drawn as an extended combo box (a plain frame and the
  // "ComboxArrow" image).
  explicit TSkinComBox(TComponent* owner, bool extended = false);

  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  // A bare combo box window: no wrappers for its list.
  void InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  // Forgets a list wrapper that goes before this one.
  void Notification(TComponent* component, TOperation operation) override;

  // The window's styles, read again at every paint.
  LONG FStyle = 0;
  LONG FExStyle = 0;
  HWND FListWnd = nullptr;
  // The edit child of a drop-down combo box, subclassed by FEditInstance.
  HWND FEditWnd = nullptr;
  bool FDroppedDown = false;
  TWindowSubclass FEditInstance;
  // The wrappers of the list's scroll bars, owned by the combo box control.
  TSkinScrollbarH* FListScroll = nullptr;
  TComboxScrollBar* FPopupScroll = nullptr;
  COMBOBOXINFO FInfo{};
  // Where the mouse makes the button hot (client coordinates).
  RECT FButtonRect{};
  bool FExtended = false;
  bool FFocused = false;
  // Hot (1) and pressed (2).
  int FButtonState = 0;

 private:
  // Finds the list and subclasses the edit; listBars: also skins the list's
  // scroll bars.
  void Attach(bool listBars);
  bool ReadInfo();
  void EditProc(TMessage& message);
  void OnMouseMove(TMessage& message);
  void SetButtonState(int bit, bool on);
  void FreeListWrappers();
  int StateFrame() const;
  void DrawThin(HDC dc, const RECT& rect, TDataSkinBorder& button);
  void DrawExtended(HDC dc, const RECT& rect, int frame);
  void DrawButtonStyle(HDC dc, const RECT& rect, TDataSkinBorder& button, int frame);
};
