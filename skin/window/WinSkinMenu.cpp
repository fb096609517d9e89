#include "skin/window/WinSkinMenu.h"

#include <algorithm>
#include <cstdint>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Form.h"
#include "ui/Gdi.h"
#include "ui/Menus.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// A button is this much wider than its caption.
constexpr int kCaptionPadding = 10;
constexpr UINT kCaptionMeasure = DT_CALCRECT | DT_NOCLIP;
constexpr UINT kCaptionDraw = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

// The title buttons that stand in the menu bar (an MDI frame's buttons for
// its maximized child).
bool InMenuBar(const TWinSysButton& button) { return button.FData.FVisibility == 100; }

// An MDI frame whose active child is maximized.
bool ShowsMaximizedChild(const TWinSkinForm& form) {
  if (form.FMDIKind != mkFrame || !form.FMDIClient) return false;
  BOOL maximized = FALSE;
  return SendMessageA(form.FMDIClient, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)) && maximized;
}

}  // namespace

wchar_t AcceleratorOf(const std::wstring& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;  // "&&" is an ampersand
  }
  return 0;
}

bool TMenuBtn::HasAccelerator(wchar_t key) const {
  const wchar_t accelerator = AcceleratorOf(FCaption);
  if (!accelerator || !key) return false;
  const auto upper = [](wchar_t c) {
    return reinterpret_cast<std::uintptr_t>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(c))));
  };
  return upper(accelerator) == upper(key);
}

void TMenuBtn::Paint() {
  TWinSkinMenu* bar = FForm.FMenuBar.get();
  if (!bar || bar->FBackground.Empty() || !FVisible || WidthOf(FBounds) <= 0) return;
  const RECT& barRect = bar->FBarRect;
  const int width = WidthOf(FBounds), height = HeightOf(barRect);
  TBitmap column(width, height);
  const HDC dc = column.Canvas().Handle();
  BitBlt(dc, 0, 0, width, height, bar->FBackground.Canvas().Handle(), FBounds.left - barRect.left, 0, SRCCOPY);
  RECT bounds = FBounds;
  OffsetRect(&bounds, -FBounds.left, -barRect.top);
  if (FState == kElementHot || FState == kElementPressed) {
    const TBrushHandle frame(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FSkinData.FColours[scButtonHilight]))));
    FrameRect(dc, &bounds, frame.Get());
  }
  bar->DrawCaption(dc, *this, bounds);
  const TNonClientDC window(FForm.FHandle);
  BitBlt(window.Get(), FBounds.left, barRect.top, width, height, dc, 0, 0, SRCCOPY);
}

TWinSkinMenu::TWinSkinMenu(TWinSkinForm& form) : FSkinData(form.FSkinData), FForm(form) {}

void TWinSkinMenu::Build() { Read(false); }

void TWinSkinMenu::Rebuild() {
  Read(true);
  Layout();
}

void TWinSkinMenu::Read(bool rebuild) {
  if (const HMENU menu = GetMenu(FForm.FHandle)) FMenuHandle = menu;
  if (!FMenuHandle) return;
  if (FForm.FForm) {
    const auto* form = dynamic_cast<const TCustomForm*>(FForm.FForm);
    FMenu = form ? form->Menu() : nullptr;
    if (!FMenu) return;
  }
  FForm.FHotElement = nullptr;
  FButtons.clear();
  const int count = GetMenuItemCount(FMenuHandle);
  for (int position = 0; position < count; ++position) {
    char text[80] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(FMenuHandle, static_cast<UINT>(position), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(FForm, *FSkinData);
    button->FIndex = position;
    button->FSubMenu = info.hSubMenu;
    button->FItemEnabled = (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0;
    button->FVisible = true;
    button->FCommand = info.wID;
    button->FCaption = AnsiToWide(text);
    if (TMenuItem* item = FMenu ? FMenu->FindItemByCommand(info.wID) : nullptr) {
      item->InitiateAction();
      if (!rebuild || button->FCaption.empty()) button->FCaption = AnsiToWide(item->Caption());
      button->FItemEnabled = item->Enabled();
      button->FSubMenu = item->Count() > 0 ? item->Handle() : nullptr;
    }
    FButtons.push_back(std::move(button));
  }
  SetMenu(FForm.FHandle, nullptr);
  FMenuTaken = true;
}

void TWinSkinMenu::Layout() {
  RECT window{};
  GetWindowRect(FForm.FHandle, &window);
  const RECT bar{FForm.FLeftWidth, FForm.FTitleHeight, WidthOf(window) - FForm.FRightWidth,
                 FForm.FTitleHeight + FForm.FMenuHeight};
  if (WidthOf(bar) <= 0 || HeightOf(bar) <= 0) return;
  const TWindowDC screen;
  LayoutIn(screen.Get(), bar, bar.right);
}

void TWinSkinMenu::LayoutIn(HDC dc, const RECT& bar, int rightLimit) {
  const TDataSkinObject* element = FSkinData->FMenuBar.get();
  int offset = 6;
  if (element) offset = FForm.FRightToLeft ? element->FMargins.right + 8 : element->FMargins.left + 4;
  if (WidthOf(bar) < offset) offset = 12;
  if (FForm.FRightToLeft) offset += bar.right - std::min<int>(rightLimit, bar.right);
  const TSelectObject font(dc, MenuFont());
  for (const auto& button : FButtons) {
    if (!button->FVisible) {
      button->FBounds = RECT{};
      continue;
    }
    RECT text{0, 0, 0, 0};
    if (!button->FCaption.empty()) DrawSkinText(dc, button->FCaption, text, kCaptionMeasure);
    const int width = WidthOf(text) > 0 ? WidthOf(text) + kCaptionPadding : 0;
    if (FForm.FRightToLeft)
      button->FBounds = RECT{bar.right - offset - width, bar.top, bar.right - offset, bar.bottom - 1};
    else
      button->FBounds = RECT{bar.left + offset, bar.top, bar.left + offset + width, bar.bottom - 1};
    offset += width;
  }
}

void TWinSkinMenu::Paint(HDC dc, const RECT& bar) {
  TBitmap* buffer = SkinDrawBuffer();
  const int width = WidthOf(bar), height = HeightOf(bar);
  if (!buffer || width <= 0 || height <= 0) return;
  FPainting = true;
  buffer->SetSize(width, height);
  TCanvas& canvas = buffer->Canvas();
  const HDC bufferDC = canvas.Handle();
  const RECT whole{0, 0, width, height};
  if (TDataSkinObject* element = FSkinData->FMenuBar.get()) {
    const int frame = FForm.FActive ? 1 : 2;
    if (element->FTile == 1)
      DrawNineGrid(bufferDC, whole, element->FBitmap, true, false, false, 2, frame, element->FMargins);
    else
      DrawThreePart(canvas, whole, element->FBitmap, true, false, 2, frame, element->FMargins);
  } else {
    canvas.SetBrushColor(FSkinData->FColours[scMenubar]);
    canvas.FillRect(whole);
  }
  FBarRect = bar;
  FBackground.SetSize(width, height);
  BitBlt(FBackground.Canvas().Handle(), 0, 0, width, height, bufferDC, 0, 0, SRCCOPY);

  const bool mdiButtons = ShowsMaximizedChild(FForm);
  int rightLimit = bar.right;
  if (mdiButtons) {
    for (const auto& button : FForm.FTitleButtons)
      if (InMenuBar(*button) && button->FVisible) rightLimit = std::min<int>(rightLimit, button->FBounds.left - 5);
  }
  LayoutIn(bufferDC, bar, rightLimit);
  for (const auto& button : FButtons) {
    if (!button->FVisible) continue;
    RECT rect = button->FBounds;
    OffsetRect(&rect, -bar.left, -bar.top);
    DrawCaption(bufferDC, *button, rect);
  }
  if (mdiButtons) {
    for (const auto& button : FForm.FTitleButtons) {
      TBitmap& image = button->FData.FBitmap;
      if (!InMenuBar(*button) || !button->FVisible || image.Empty()) continue;
      RECT rect = button->FBounds;
      OffsetRect(&rect, -bar.left, -bar.top);
      DrawFrame(bufferDC, rect, image, true, std::max(button->FData.FFrameCount, 1), 1);
    }
    if (TSkinManage* manager = SkinManager()) manager->FMDIMaximized = true;
  }
  BitBlt(dc, bar.left, bar.top, width, height, bufferDC, 0, 0, SRCCOPY);
  FPainting = false;
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& button, RECT rect) const {
  if (button.FCaption.empty()) return;
  const TSelectObject font(dc, MenuFont());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const TSkinColour colour = button.FItemEnabled ? scMenuBarText : scButtonShadow;
  SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[colour])));
  DrawSkinText(dc, button.FCaption, rect, kCaptionDraw);
  SetBkMode(dc, oldMode);
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT point) const {
  for (const auto& button : FButtons)
    if (!button->FCaption.empty() && PtInRect(&button->FBounds, point)) return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonOfAccelerator(wchar_t key) const {
  for (const auto& button : FButtons)
    if (button->FVisible && button->FItemEnabled && button->HasAccelerator(key)) return button.get();
  return nullptr;
}

TMenuBtn* TWinSkinMenu::Neighbour(int index, int step) const {
  const int count = static_cast<int>(FButtons.size());
  const auto open = std::find_if(FButtons.begin(), FButtons.end(), [index](const auto& b) { return b->FIndex == index; });
  // From no button: the first (or the last) one.
  int slot = step > 0 ? -1 : count;
  if (open != FButtons.end()) slot = static_cast<int>(open - FButtons.begin());
  for (int i = 1; i <= count; ++i) {
    const auto& button = FButtons[static_cast<std::size_t>(((slot + step * i) % count + count) % count)];
    if (button->FVisible && !button->FCaption.empty()) return button.get();
  }
  return nullptr;
}

void TWinSkinMenu::SwitchToOwnerDraw(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) continue;
    if (!(info.fType & MFT_OWNERDRAW)) {
      info.fMask = MIIM_FTYPE;
      info.fType |= MFT_OWNERDRAW;
      if (SetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info))
        FOwnerDrawn.emplace_back(menu, static_cast<UINT>(position));
    }
    if (info.hSubMenu) SwitchToOwnerDraw(info.hSubMenu);
  }
}

void TWinSkinMenu::GiveBackOwnerDraw() {
  for (const auto& [menu, position] : FOwnerDrawn) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    if (!IsMenu(menu) || !GetMenuItemInfoA(menu, position, TRUE, &info)) continue;
    info.fType &= ~MFT_OWNERDRAW;
    SetMenuItemInfoA(menu, position, TRUE, &info);
  }
  FOwnerDrawn.clear();
}

void TWinSkinMenu::GiveBackMenu() {
  if (FMenuTaken && FMenuHandle && IsMenu(FMenuHandle)) SetMenu(FForm.FHandle, FMenuHandle);
  FMenuTaken = false;
}

void TWinSkinMenu::LeaveMenuToWindow() {
  if (!FMenu) GiveBackMenu();
  FMenuTaken = false;
}
