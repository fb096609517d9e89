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
  void AlignControls();
  void UpdateBounds();

  void WMWindowPosChanged(TMessage& message);
  void WMSize(TMessage& message);
  void WMEraseBkgnd(TMessage& message);
  void WMCtlColor(TMessage& message);
  void CNCtlColor(TMessage& message);
  void WMDestroy(TMessage& message);
  void WMKeyDown(TMessage& message);
  void WMSysChar(TMessage& message);
  void CMEnabledChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);
  void CMColorChanged(TMessage& message);
  void CMFontChanged(TMessage& message);

  HWND FHandle = nullptr;
  WNDPROC FDefWndProc = nullptr;
  std::vector<TControl*> FControls;
  std::vector<TWinControl*> FTabList;
  mutable TBrushHandle FBrush;
  bool FAligning = false;
};

// Registers the window property name of framework windows. The application
// calls it before it creates any window, so that the name outlives them all.
void InitControls();

// The framework control whose window this is, or nullptr (also for windows
// of other threads and of no control).
TWinControl* FindControl(HWND window);
