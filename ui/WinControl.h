#pragma once
// Windowed controls: a control with its own window, child controls and a
// tab order.
//
// Every framework window is of a window class registered under the
// framework class name of its control (TForm_main, TAIFileDropPan, TMemo,
// ...), and carries its control object in the window property named
// "ControlOfs" followed by the module instance and the thread id in hex
// (a global atom, made once per program from the thread that first needs
// it), so that a window handle leads back to its control
// (FindControl). All framework windows share one window procedure: it
// passes each message to the control's WindowProc, and hands an exception
// that escapes to the application's error box. Messages that the control
// does not handle go to the window class's own procedure (DefWindowProcA,
// or the procedure of a system class that the control's class extends, as
// TMemo extends "EDIT").
//
// What a child control tells its parent window (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_HSCROLL, WM_VSCROLL, WM_CTLCOLOR...) the parent hands on
// to that child as the CN_ message of the same number (Messages.h), so that
// a control handles its own notifications. A reflected notification reaches
// the control's code only as CNNotify (with its header) and a reflected draw
// request only as CNDrawItem: a message that merely has the number of
// CN_NOTIFY (the skin engine's SKM_SKINREADY) never gets there.
//
// The parent paints its windowless children (PaintControls) after its own
// face, and routes the mouse messages over one of them to it: the child
// that gets a button press keeps getting the mouse until the button is
// released.
#include <windows.h>

#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/Gdi.h"

// What a windowed control's window is created with.
struct TCreateParams {
  std::string Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // The menu bar of a top-level window.
  HMENU Menu = nullptr;
  // The window class; its lpfnWndProc is the procedure for the messages
  // the control does not handle.
  WNDCLASSA WindowClass{};
  std::string WinClassName;
};

class TWinControl : public TControl {
 public:
  QV_CLASS(TWinControl, TControl)

  explicit TWinControl(TComponent* owner);
  // Destroys the window, then frees the child controls.
  ~TWinControl() override;

  // The window, created (with the parent's) when it does not exist yet.
  HWND Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }
  // The window as it is: nullptr while none exists (Handle creates it).
  HWND WindowHandle() const { return FHandle; }
  void HandleNeeded();
  // Destroys the window and creates it anew from the control's properties.
  void RecreateWnd();

  // The child controls, in the order they were put into this control.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int index) const;
  // The position among the parent's windowed controls in tab order; -1
  // without a parent. Setting it moves the control there.
  int TabOrder() const;
  void SetTabOrder(int tabOrder);
  // Every windowed control inside this one, in tab order, each followed by
  // the ones inside it.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;

  // Lays out the aligned child controls (top, bottom, left, right, then
  // client) in the client area; not while loading or being destroyed.
  void Realign();
  // A solid brush of the control's colour.
  HBRUSH Brush() const;
  // Paints the visible windowless children into the device context of this
  // control's client area (each gets WM_PAINT with the context, its origin
  // moved to the child's corner and clipped to it).
  void PaintControls(HDC dc);

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  std::string Text() const override;
  void SetText(const std::string& text) override;
  void Invalidate() override;
  void Loaded() override;

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Makes the window class extend a system class ("EDIT").
  static void CreateSubClass(TCreateParams& params, const char* systemClassName);
  virtual void CreateWnd();
  void DestroyHandle();
  // The part of the client area that aligned child controls fill.
  virtual void AdjustClientRect(RECT& rect) const;
  // Lays out the aligned child controls in AdjustClientRect's area.
  virtual void AlignControls();
  // WM_PAINT: the window's face (PaintWindow), then the windowless
  // children, into the context given with the message or a BeginPaint one.
  void PaintHandler(TMessage& message);
  // The window's own face: the window class's painting by default.
  virtual void PaintWindow(HDC dc);
  // The enabled, visible windowless child at the point (client
  // coordinates), the topmost first; nullptr for none. A control whose
  // window handles its children's mouse itself answers nullptr.
  virtual TControl* GraphicControlAt(POINT point) const;
  // A notification this control sent its parent (WM_NOTIFY), handed back;
  // unanswered (0) by default.
  virtual void CNNotify(const NMHDR& header, TMessage& message);
  // An owner-drawn part of this control to draw (WM_DRAWITEM), handed
  // back; nothing is drawn by default.
  virtual void CNDrawItem(const DRAWITEMSTRUCT& item, TMessage& message);

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;

 private:
  friend class TControl;
  static const TPropInfo Published[];
  static LRESULT CALLBACK FrameworkWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

  void CreateHandle();
  void AttachHandle(HWND window);
  void DetachHandle();
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void UpdateBounds();
  bool HasGraphicChildren() const;

  void WMWindowPosChanged(TMessage& message);
  void WMSize(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMCtlColor(TMessage& message);
  void CNCtlColor(TMessage& message);
  void WMReflect(TMessage& message, HWND child);
  void WMNotify(TMessage& message);
  void WMDrawItem(TMessage& message);
  void CNNotifyChecked(TMessage& message);
  void CNDrawItemChecked(TMessage& message);
  void WMPaint(TMessage& message);
  void WMMouse(TMessage& message);
  void WMMouseLeave(TMessage& message);
  void WMCaptureChanged(TMessage& message);
  void WMDestroy(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMSysChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);
  void CMBiDiModeChanged(TMessage& message);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  mutable TBrushHandle FBrush;
  bool FAligning = false;
  // The windowless child that got a button press, until it is released.
  TControl* FCaptureChild = nullptr;
  bool FTrackingMouse = false;
};

// Registers the window property name of framework windows. The application
// calls it before it creates any window, so that the name outlives them all.
void InitControls();

// The framework control whose window this is, or nullptr (also for windows
// of other threads and of no control).
TWinControl* FindControl(HWND window);

// The notification header of a reflected WM_NOTIFY (CN_NOTIFY) that the
// framework is handing to a control now, or nullptr for any other message
// of that number. For code that replaces a control's WindowProc.
const NMHDR* ReflectedNotifyHeader(const TMessage& message);
// Likewise the drawing request of a reflected WM_DRAWITEM (CN_DRAWITEM).
const DRAWITEMSTRUCT* ReflectedDrawItem(const TMessage& message);
