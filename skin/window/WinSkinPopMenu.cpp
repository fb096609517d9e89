#include "skin/window/WinSkinPopMenu.h"

#include <memory>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "ui/Gdi.h"

namespace {

// The width of a popup menu's frame.
constexpr int kFrame = 3;

}  // namespace

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, int level) {
  FHandle = window;
  FSkinData = skinData;
  FLevel = level;
  FSubclass.Install(window, TWindowSubclass::THandler::Of<&TWinSkinPopMenu::WndProc>(this));
}

void TWinSkinPopMenu::Release() {
  FSubclass.Restore();
  FBackground.Clear();
}

POINT TWinSkinPopMenu::ClientOffset() const {
  POINT origin{0, 0};
  ClientToScreen(FHandle, &origin);
  RECT window{};
  GetWindowRect(FHandle, &window);
  return POINT{origin.x - window.left, origin.y - window.top};
}

void TWinSkinPopMenu::WndProc(TMessage& message) {
  // While skinning is switched off the window is left to itself.
  const TSkinManage* manager = SkinManager();
  if (!manager || !manager->FEnabled) return FSubclass.CallDefault(message);
  switch (message.Msg) {
    case SKM_QUERYSKINNED: message.Result = 1; return;
    case WM_DESTROY:
      // The window is going: nothing of it is kept.
      FSubclass.CallDefault(message);
      return Release();
    case WM_ERASEBKGND: return OnEraseBkgnd(message);
    case WM_NCPAINT: return OnNCPaint(message);
    case WM_PRINT: return OnPrint(message);
    case WM_PAINT: return OnPaint(message);
    default: return FSubclass.CallDefault(message);
  }
}

bool TWinSkinPopMenu::SkinDraws() const {
  return FSkinData && !FSkinData->FNoSkin && FSkinData->FMenuBackground &&
         !FSkinData->FMenuBackground->FBitmap.Empty();
}

void TWinSkinPopMenu::RenderBackground() {
  RECT window{};
  GetWindowRect(FHandle, &window);
  const int w = window.right - window.left, h = window.bottom - window.top;
  if (FBackground.Width() == w && FBackground.Height() == h) return;
  TDataSkinObject& element = *FSkinData->FMenuBackground;
  const std::unique_ptr<TBitmap> image =
      RenderNineGrid(RECT{0, 0, w, h}, element.FBitmap, element.FMargins, false, element.FTile != 0, 1, 1);
  FBackground.Assign(*image);
}

void TWinSkinPopMenu::OnEraseBkgnd(TMessage& message) {
  // With xoMenuBG the background painted with the frame stays.
  if (!(FSkinData->Options() & SetBit(xoMenuBG))) FSubclass.CallDefault(message);
  message.Result = 1;
}

void TWinSkinPopMenu::OnNCPaint(TMessage& message) {
  if (message.WParam != 1 || !SkinDraws()) return FSubclass.CallDefault(message);
  RenderBackground();
  // The whole picture in one transfer: the border strips are part of it.
  const TNonClientDC dc(FHandle);
  BitBlt(dc.Get(), 0, 0, FBackground.Width(), FBackground.Height(), FBackground.Canvas().Handle(), 0, 0, SRCCOPY);
  message.Result = 0;
}

void TWinSkinPopMenu::OnPrint(TMessage& message) {
  if (!SkinDraws()) return FSubclass.CallDefault(message);
  RenderBackground();
  PrintFace(reinterpret_cast<HDC>(message.WParam), WM_PRINT, message.LParam);
  message.Result = 0;
}

void TWinSkinPopMenu::OnPaint(TMessage& message) {
  // A popup whose client area lies inside a frame of the system's is
  // painted by the system over the background the frame paint left.
  const POINT offset = ClientOffset();
  if (!SkinDraws() || offset.x >= kFrame) return FSubclass.CallDefault(message);
  RenderBackground();
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(FHandle, &paint);
  TBitmap face(FBackground.Width(), FBackground.Height());
  PrintFace(face.Canvas().Handle(), WM_PRINTCLIENT, PRF_CLIENT);
  RECT client{};
  GetClientRect(FHandle, &client);
  BitBlt(dc, 0, 0, client.right, client.bottom, face.Canvas().Handle(), offset.x, offset.y, SRCCOPY);
  EndPaint(FHandle, &paint);
  message.Result = 0;
}

void TWinSkinPopMenu::PrintFace(HDC dc, UINT msg, LPARAM flags) {
  const int w = FBackground.Width(), h = FBackground.Height();
  BitBlt(dc, 0, 0, w, h, FBackground.Canvas().Handle(), 0, 0, SRCCOPY);
  const TSaveDC saved(dc);
  SetBkMode(dc, TRANSPARENT);
  IntersectClipRect(dc, kFrame, kFrame, w - kFrame, h - kFrame);
  // The client is printed at its place in the window.
  if (msg == WM_PRINTCLIENT) {
    const POINT offset = ClientOffset();
    SetViewportOrgEx(dc, offset.x, offset.y, nullptr);
  }
  TMessage print{msg, reinterpret_cast<WPARAM>(dc), flags, 0};
  FSubclass.CallDefault(print);
}
