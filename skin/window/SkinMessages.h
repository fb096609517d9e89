#pragma once
// The skin engine's private window messages. Windows that the engine skins
// (and, with the control skins, their wrapped controls and popup menus)
// understand them; other code may send them to a skinned window.
#include <windows.h>

// Marks the messages whose numbers other code may also use: they carry it
// in lParam.
constexpr LPARAM SKIN_MAGIC = 0x41A2;

// Re-apply the skin (framework level).
constexpr UINT SKM_RESKIN = 0x3401;
// Repaint the whole frame.
constexpr UINT SKM_REPAINTFRAME = 0x3502;
// Posted by the skin manager after attaching, lParam 1000: finish the attach.
constexpr UINT SKM_ATTACH = 0x3503;
// wParam > 0 switches a wrapped control's skin drawing on, else off.
constexpr UINT SKM_SKINSWITCH = 0x3506;
// Sent to a form's window when a close box on a tab of a page control on
// it is clicked: wParam the tab control's window, lParam the tab's index.
// An answer of 0 lets the page be freed.
constexpr UINT SKM_CLOSETAB = 0x3507;
// Posted to the window itself with the Action of a custom title button
// that was clicked.
constexpr UINT SKM_TITLEBUTTON = 0x3514;
// Sent with wParam a Visibility code 1000-2000 and lParam the button's
// Action: an answer above 0 shows the button.
constexpr UINT SKM_BUTTONVISIBLE = 0x3515;
// Posted to an MDI client: redraw the frame window with its children.
constexpr UINT SKM_MDIREDRAW = 0x3516;
// wParam a control's window: give it a fresh scroll-bar skin.
constexpr UINT SKM_RESKINSCROLL = 0x3517;
// lParam a screen point: open the menu-bar button under it.
constexpr UINT SKM_MENUBARCLICK = 0x3518;
// Is this window skinned? Every skinned window, wrapped control and popup
// menu answers 1.
constexpr UINT SKM_QUERYSKINNED = 0x3523;
// A wrapped control paints its client area into the device context in
// wParam (lParam SKIN_MAGIC); answered with SKIN_MAGIC.
constexpr UINT SKM_PAINTCLIENTTO = 0xBC4A;
// Paint the frame into the device context in wParam (lParam SKIN_MAGIC).
constexpr UINT SKM_PAINTFRAMETO = 0xBC4B;
// Is this a skinned form? lParam SKIN_MAGIC is answered with SKIN_MAGIC.
constexpr UINT SKM_QUERYFORM = 0xBC4D;
// Skinning of the window is ready (lParam SKIN_MAGIC); passed on to the
// window's own procedure for the program. Its number is also the
// framework's reflected WM_NOTIFY: no control takes its lParam for a
// pointer.
constexpr UINT SKM_SKINREADY = 0xBC4E;
