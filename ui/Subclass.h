#pragma once
// Owners of a replaced window procedure: every subclassing goes through
// these two.
//
// TWindowSubclass puts a procedure of its own in front of a window's
// procedure (GWLP_WNDPROC) and hands each message to a handler method;
// CallDefault passes a message on to the procedure that was there before.
// TWindowProcHook does the same one level up, for a framework control's
// WindowProc.
//
// Letting go puts the previous procedure back only while this one is still
// the current one. When somebody replaced the procedure after this one,
// putting the old one back would cut them off; instead this procedure
// stays in the chain and passes every message on untouched, and goes away
// by itself as soon as it is current again or the window (the control) is
// destroyed. So whatever the order in which the owners of one window's
// procedures let go, and whether the window dies before or after them, no
// procedure in the chain points to freed memory.
//
// The A or W variants of the window calls follow IsWindowUnicode, also for
// the call of the previous procedure, so that text messages keep their
// character set.
#include <windows.h>

#include "ui/Messages.h"
#include "ui/Method.h"

class TControl;

class TWindowSubclass {
 public:
  using THandler = TMethod<void(TMessage& Message)>;

  TWindowSubclass() = default;
  TWindowSubclass(const TWindowSubclass&) = delete;
  TWindowSubclass& operator=(const TWindowSubclass&) = delete;
  ~TWindowSubclass() { Restore(); }

  // Puts the handler in front of the window's procedure; nothing when this
  // owner already holds a window or the window does not exist.
  void Install(HWND window, THandler handler);
  // Lets go of the window (see above); nothing when none is held.
  void Restore();
  // A window is held and has not been destroyed.
  bool Installed() const;
  HWND Window() const;
  // Passes the message to the procedure that was replaced.
  void CallDefault(TMessage& message) const;

  // Procedures that still exist: held ones and those that let go but are
  // still in a window's chain.
  static int LiveCount();

 private:
  struct TLink;
  static LRESULT CALLBACK LinkProc(TLink* link, UINT msg, WPARAM wParam, LPARAM lParam);

  TLink* FLink = nullptr;
};

class TWindowProcHook {
 public:
  using THandler = TMethod<void(TMessage& Message)>;

  TWindowProcHook() = default;
  TWindowProcHook(const TWindowProcHook&) = delete;
  TWindowProcHook& operator=(const TWindowProcHook&) = delete;
  ~TWindowProcHook() { Restore(); }

  // Makes the handler the control's WindowProc; nothing when this owner
  // already holds a control.
  void Install(TControl& control, THandler handler);
  void Restore();
  bool Installed() const { return FLink != nullptr; }
  // Passes the message to the WindowProc that was replaced.
  void CallDefault(TMessage& message) const;

 private:
  class TLink;
  friend class TLink;

  TLink* FLink = nullptr;
};
