#pragma once
// Window messages as the framework passes them to a control's WindowProc,
// and the framework's own messages.
#include <windows.h>

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// Notifications a control sends itself through its WindowProc when a
// property changes, so that whoever has replaced the WindowProc sees them.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;  // WParam: the new value
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
// A key pressed with Alt (WM_SYSCHAR) that no control took, asked of the
// form first (WParam: the character, LParam: the key data); a non-zero
// result means the form used it.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// Sent to a form's window when its main menu changed: the window is given
// the menu anew.
constexpr UINT CM_MENUCHANGED = CM_BASE + 21;
// A child control was put into this control (LParam 1) or taken out of it
// (LParam 0); WParam: the child (TControl*), to be compared only: a child
// taken out while it is being destroyed is no longer whole.
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
// The mouse came onto a control, or left it (windowless controls included).
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;

// A message that a parent window received about a child control, handed on
// to the child's own WindowProc as CN_BASE + the message (WM_CTLCOLORSTATIC
// becomes CN_CTLCOLORSTATIC, WM_COMMAND CN_COMMAND). These numbers lie in
// the application's own message range, where other messages may share them
// (the skin engine's SKM_SKINREADY is the number of CN_NOTIFY): the
// reflected messages that carry a pointer, CN_NOTIFY and CN_DRAWITEM, reach
// a control's code only through TWinControl::CNNotify and CNDrawItem, after
// the framework has checked that they are the reflection it is making.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
// WM_NOTIFY is not reflected: CN_BASE + WM_NOTIFY (0xBC4E) is also the skin
// engine's SKM_SKINREADY, whose lParam (0x41A2) is no NMHDR pointer. A control
// that comes to handle it must tell the two apart by lParam first.
