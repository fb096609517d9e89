#pragma once
// Controls: components with a parent, bounds, alignment, colour, font, text,
// visibility and enabled state, that receive their window messages through
// a replaceable WindowProc. WindowProc starts as the control's own WndProc;
// whoever replaces it keeps the previous one and passes on what it does not
// handle (a skin wrapper does so). A windowed control (TWinControl) has a
// window of its own; a windowless one (TGraphicControl) is painted by its
// parent and gets its mouse messages from it. This class holds what does
// not need a window: the mouse handling (MouseDown and OnMouseDown, the
// enter and leave notifications), clicks, hints and the reading order.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ui/Color.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Messages.h"
#include "ui/Method.h"

class TPopupMenu;
class TWinControl;

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// How a control is laid out in its parent's client area.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TWndMethod = TMethod<void(TMessage& Message)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// The keys and buttons held down with a mouse event (a set).
using TShiftState = std::uint8_t;
enum : TShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
// The shift state of a mouse message's key flags (MK_SHIFT, MK_LBUTTON,
// ...), with the Alt key as the keyboard has it now.
TShiftState KeysToShiftState(WPARAM keys);

using TMouseEvent = TMethod<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// The direction text is read in. Right to left also aligns text to the
// right and puts a vertical scroll bar on the left; the other two right to
// left modes keep one of those as for left to right.
enum class TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
inline constexpr std::string_view kBiDiModeNames[] = {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign",
                                                      "bdRightToLeftReadingOnly"};

class TControl : public TComponent {
 public:
  QV_CLASS(TControl, TComponent)

  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  // Moves the control into the parent's controls (nullptr: out of any).
  void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
  void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  // In the parent's client coordinates (a form: on the screen).
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }

  // The client area in client coordinates.
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;
  // Resizes the control so that its client area gets the given size.
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* font);
  // The control takes its parent's font, and follows it, until its own font
  // is changed.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool parentFont);
  // The caption of a form or panel, the text of an edit.
  virtual std::string Text() const { return FText; }
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  // Shown by a right click on the control or the context-menu key; a
  // popup menu that goes leaves the controls that show it.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);
  bool UseRightToLeftReading() const { return FBiDiMode != TBiDiMode::bdLeftToRight; }
  // The text a hint shows for the control, and whether it is shown.
  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& hint) { FHint = hint; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool showHint) { FShowHint = showHint; }

  // A mouse button went down on the control (point in client coordinates):
  // calls OnMouseDown. The control calls it for every press it receives;
  // code that takes a press over before the control sees it (a skin
  // wrapper) calls it so that OnMouseDown still fires.
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  // The control was clicked (a button pressed, a choice made): calls
  // OnClick.
  virtual void Click();

  TMouseEvent OnMouseDown;
  TNotifyEvent OnClick;

  const TWndMethod& WindowProc() const { return FWindowProc; }
  void SetWindowProc(const TWndMethod& windowProc) { FWindowProc = windowProc; }
  // Sends a message to the control through its WindowProc; returns the result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void Invalidate();

 protected:
  // The control's own message handling: one switch over the messages it
  // handles, everything else to DefaultHandler.
  virtual void WndProc(TMessage& message);
  // What the control does with a message nobody handles: nothing here; a
  // windowed control calls its window class's procedure.
  virtual void DefaultHandler(TMessage& message);
  // The mouse moved over the control, or a button went up on it; nothing
  // here.
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  // Asks the parent to lay out its children again (the aligned ones move,
  // a scrolling parent measures them).
  void RequestAlign();
  void StoreBounds(int left, int top, int width, int height);
  void StoreText(const std::string& text) { FText = text; }

 private:
  friend class TWinControl;
  static const TPropInfo Published[];

  void FontChanged(TObject* sender);
  void CMParentFontChanged(TMessage& message);
  void WMContextMenu(TMessage& message);
  void WMMouseMove(TMessage& message);
  void WMButtonDown(TMessage& message, TMouseButton button);
  void WMButtonUp(TMessage& message, TMouseButton button);

  // The control the mouse is over, as the last mouse message found it: when
  // it changes, the control left gets CM_MOUSELEAVE and the one entered
  // CM_MOUSEENTER. Windowed controls report the mouse over themselves and
  // over their windowless children; a control that goes away is forgotten.
  static void MouseEntered(TControl* control);
  // The mouse left the window of this control (WM_MOUSELEAVE): the control,
  // or its windowless child, that had the mouse gets CM_MOUSELEAVE.
  static void MouseLeftWindow(const TWinControl* control);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  TColor FColor = SystemColor(COLOR_WINDOW);
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  std::string FText;
  bool FVisible = true;
  bool FEnabled = true;
  TPopupMenu* FPopupMenu = nullptr;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
  std::string FHint;
  bool FShowHint = false;
  TWndMethod FWindowProc;
};
