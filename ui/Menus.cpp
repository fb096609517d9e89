#include "ui/Menus.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/Actions.h"
#include "ui/Control.h"
#include "ui/Exception.h"
#include "ui/Form.h"
#include "ui/Gdi.h"
#include "ui/ImageList.h"
#include "ui/Messages.h"
#include "ui/TypInfo.h"

namespace {

constexpr char kWindowClass[] = "QuorvexPopupList";
// Room around an item's parts in the plain look.
constexpr int kImageColumn = 16, kGap = 4, kShortcutGap = 16;
// Command identifiers stay below the system commands (SC_SIZE 0xF000).
constexpr UINT kLastCommand = 0xEFFF;

// The command identifiers in use; identifier 0 is never given out.
std::vector<bool>& UsedCommands() {
  static std::vector<bool> used(1, true);
  return used;
}

UINT AllocateCommand() {
  std::vector<bool>& used = UsedCommands();
  const auto free = std::find(used.begin(), used.end(), false);
  const auto command = static_cast<std::size_t>(free - used.begin());
  if (command > kLastCommand) throw EComponentError("Too many menu items");
  if (free == used.end())
    used.push_back(true);
  else
    *free = true;
  return static_cast<UINT>(command);
}

void ReleaseCommand(UINT command) {
  std::vector<bool>& used = UsedCommands();
  if (command > 0 && command < used.size()) used[command] = false;
}

SIZE TextSize(HDC dc, const std::string& text) {
  RECT rect{0, 0, 0, 0};
  DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &rect, DT_SINGLELINE | DT_CALCRECT);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// The menu font in bold, for default items.
TFontHandle BoldMenuFont() {
  LOGFONTA font{};
  GetObjectA(MenuFont(), sizeof font, &font);
  font.lfWeight = FW_BOLD;
  return TFontHandle(CreateFontIndirectA(&font));
}

// The text the system menu shows for an item: the caption and, after a
// tab, the shortcut.
std::string EntryText(const TMenuItem& item) {
  std::string text = item.DisplayCaption();
  const std::string shortcut = item.ShortCutText();
  if (!shortcut.empty()) text += "\t" + shortcut;
  return text;
}

// What the item's entry in its parent's system menu shows. text must
// outlive the structure.
MENUITEMINFOA EntryLook(const TMenuItem& item, bool ownerDraw, std::string& text) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA;
  info.fType = (item.IsLine() ? MFT_SEPARATOR : MFT_STRING) | (ownerDraw ? MFT_OWNERDRAW : 0);
  info.fState = (item.Enabled() ? 0 : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : 0) |
                (item.Default() ? MFS_DEFAULT : 0);
  info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
  if (!item.IsLine()) {
    text = EntryText(item);
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  return info;
}

struct TKeyName {
  WORD Key;
  const char* Name;
};
constexpr TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"}, {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},   {VK_SPACE, "Space"},
    {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"}, {VK_END, "End"},      {VK_HOME, "Home"},    {VK_LEFT, "Left"},
    {VK_UP, "Up"},      {VK_RIGHT, "Right"}, {VK_DOWN, "Down"},  {VK_INSERT, "Ins"},   {VK_DELETE, "Del"},
};

}  // namespace

std::string ShortCutToText(TShortCut shortCut) {
  const WORD key = shortCut & 0xFF;
  std::string name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    name = std::string(1, static_cast<char>(key));
  } else if (key >= VK_F1 && key <= VK_F24) {
    name = "F" + std::to_string(key - VK_F1 + 1);
  } else {
    for (const TKeyName& known : kKeyNames)
      if (known.Key == key) name = known.Name;
  }
  if (name.empty()) return {};
  std::string text;
  if (shortCut & scShift) text += "Shift+";
  if (shortCut & scCtrl) text += "Ctrl+";
  if (shortCut & scAlt) text += "Alt+";
  return text + name;
}

TShortCut ShortCutOfKey(WORD key) {
  TShortCut modifiers = 0;
  if (GetKeyState(VK_SHIFT) < 0) modifiers |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) modifiers |= scCtrl;
  if (GetKeyState(VK_MENU) < 0) modifiers |= scAlt;
  return ShortCut(key, modifiers);
}

HFONT MenuFont() {
  static const TFontHandle font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return TFontHandle(CreateFontIndirectA(&metrics.lfMenuFont));
  }();
  return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool IsMenuKey(TControl& control, WORD key) {
  if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return false;
  const TShortCut shortCut = ShortCutOfKey(key);
  TControl* top = &control;
  for (TControl* around = &control; around; around = around->Parent()) {
    if (around->PopupMenu() && around->PopupMenu()->IsShortCut(shortCut)) return true;
    top = around;
  }
  const auto* form = dynamic_cast<const TCustomForm*>(top);
  return form && form->Menu() && form->Menu()->IsShortCut(shortCut);
}

// ---------------------------------------------------------------------------
// TMenuItem

const TPropInfo TMenuItem::Published[] = {
    Prop<TTypeKind::String, &TMenuItem::Caption, &TMenuItem::SetCaption>("Caption"),
    Prop<TTypeKind::Integer, &TMenuItem::ShortCut, &TMenuItem::SetShortCut>("ShortCut"),
    Prop<TTypeKind::Boolean, &TMenuItem::Enabled, &TMenuItem::SetEnabled>("Enabled"),
    Prop<TTypeKind::Boolean, &TMenuItem::Checked, &TMenuItem::SetChecked>("Checked"),
    Prop<TTypeKind::Boolean, &TMenuItem::Visible, &TMenuItem::SetVisible>("Visible"),
    Prop<TTypeKind::Boolean, &TMenuItem::Default, &TMenuItem::SetDefault>("Default"),
    Prop<TTypeKind::Integer, &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex>("ImageIndex"),
    Prop<TTypeKind::Object, &TMenuItem::Action, &TMenuItem::SetAction>("Action"),
    Prop<TTypeKind::Method, &TMenuItem::OnClick, &TMenuItem::OnClick>("OnClick"),
    Prop<TTypeKind::Method, &TMenuItem::OnMeasureItem, &TMenuItem::OnMeasureItem>("OnMeasureItem"),
    Prop<TTypeKind::Method, &TMenuItem::OnDrawItem, &TMenuItem::OnDrawItem>("OnDrawItem"),
};
QV_CLASS_INFO(TMenuItem, Published);

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(AllocateCommand()) {}

TMenuItem::~TMenuItem() {
  if (FParent) FParent->Remove(this);
  Clear();
  SetAction(nullptr);
  // No system menu holds the drop-down any more.
  if (FHandle) DestroyMenu(FHandle);
  ReleaseCommand(FCommand);
}

void TMenuItem::SetCaption(const std::string& caption) {
  if (caption == FCaption) return;
  const bool wasLine = IsLine();
  FCaption = caption;
  // A separator and a string are different entries.
  if (wasLine != IsLine() && FParent) return FParent->RebuildHandle();
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == FShortCut) return;
  FShortCut = shortCut;
  Changed();
}

void TMenuItem::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Changed();
}

void TMenuItem::SetChecked(bool checked) {
  if (checked == FChecked) return;
  FChecked = checked;
  Changed();
}

void TMenuItem::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  if (FParent) FParent->RebuildHandle();
}

void TMenuItem::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  Changed();
}

void TMenuItem::SetAction(TAction* action) {
  if (action == FAction) return;
  if (FAction) std::erase(FAction->FClients, this);
  FAction = action;
  if (!FAction) return;
  FAction->FClients.push_back(this);
  TakeActionValues();
}

void TMenuItem::TakeActionValues() {
  SetCaption(FAction->Caption());
  SetShortCut(FAction->ShortCut());
  SetEnabled(FAction->Enabled());
  SetChecked(FAction->Checked());
  SetVisible(FAction->Visible());
  SetImageIndex(FAction->ImageIndex());
}

std::string TMenuItem::DisplayCaption() const { return FCaption.substr(0, FCaption.find('\t')); }

std::string TMenuItem::ShortCutText() const {
  if (FShortCut) return ShortCutToText(FShortCut);
  const std::size_t tab = FCaption.find('\t');
  return tab == std::string::npos ? std::string() : FCaption.substr(tab + 1);
}

TMenuItem* TMenuItem::Items(int index) const {
  if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return FItems[static_cast<std::size_t>(index)];
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  for (const TMenuItem* above = this; above; above = above->FParent)
    if (above == item) throw EComponentError("A menu item cannot be inserted into itself");
  if (item->FParent) item->FParent->Remove(item);
  index = std::clamp(index, 0, Count());
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  RebuildHandle();
  // The first sub-item turns this item's entry into a drop-down.
  if (Count() == 1 && FParent) FParent->RebuildHandle();
}

void TMenuItem::Remove(TMenuItem* item) {
  const auto found = std::find(FItems.begin(), FItems.end(), item);
  if (found == FItems.end()) return;
  FItems.erase(found);
  item->FParent = nullptr;
  RebuildHandle();
  if (Count() == 0 && FParent) FParent->RebuildHandle();
}

void TMenuItem::Clear() {
  if (FItems.empty()) return;
  std::vector<TMenuItem*> items = std::move(FItems);
  FItems.clear();
  for (TMenuItem* item : items) item->FParent = nullptr;
  RebuildHandle();
  for (TMenuItem* item : items) delete item;
  if (FParent) FParent->RebuildHandle();
}

int TMenuItem::MenuIndex() const {
  if (!FParent) return -1;
  const auto& siblings = FParent->FItems;
  return static_cast<int>(std::find(siblings.begin(), siblings.end(), this) - siblings.begin());
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParent) root = root->FParent;
  return root->FMenu;
}

HMENU TMenuItem::Handle() {
  if (FHandle) return FHandle;
  FHandle = FMenu ? FMenu->CreateMenuHandle() : CreatePopupMenu();
  if (!FHandle) throw Exception("Cannot create a menu: system error " + std::to_string(GetLastError()));
  RebuildHandle();
  return FHandle;
}

void TMenuItem::Changed() {
  if (!FParent || !FParent->FHandle || !FVisible) return;
  std::string text;
  const TMenu* menu = GetParentMenu();
  const MENUITEMINFOA info = EntryLook(*this, menu && menu->OwnerDraw(), text);
  SetMenuItemInfoA(FParent->FHandle, FCommand, FALSE, &info);
  if (FParent->FMenu) FParent->FMenu->MenuChanged();
}

void TMenuItem::RebuildHandle() {
  if (!FHandle) return;
  // RemoveMenu leaves the drop-downs alone: their items own them.
  for (int i = GetMenuItemCount(FHandle); i-- > 0;) RemoveMenu(FHandle, static_cast<UINT>(i), MF_BYPOSITION);
  const TMenu* menu = GetParentMenu();
  const bool ownerDraw = menu && menu->OwnerDraw();
  UINT position = 0;
  for (TMenuItem* item : FItems) {
    if (!item->FVisible) continue;
    std::string text;
    MENUITEMINFOA info = EntryLook(*item, ownerDraw, text);
    info.fMask |= MIIM_ID;
    info.wID = item->FCommand;
    if (!item->FItems.empty()) {
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item->Handle();
    }
    InsertMenuItemA(FHandle, position++, TRUE, &info);
  }
  if (FMenu) FMenu->MenuChanged();
}

void TMenuItem::RebuildHandles() {
  for (TMenuItem* item : FItems) item->RebuildHandles();
  RebuildHandle();
}

void TMenuItem::Click() {
  if (!FEnabled) return;
  if (OnClick)
    OnClick(this);
  else if (FAction)
    FAction->Execute();
}

void TMenuItem::InitiateAction() {
  if (FAction) FAction->Update();
}

void TMenuItem::InitiateActions() {
  for (TMenuItem* item : FItems) {
    item->InitiateAction();
    item->InitiateActions();
  }
}

void TMenuItem::MeasureItem(TCanvas& canvas, int& width, int& height) {
  if (const TMenu* menu = GetParentMenu()) menu->MeasurePlainItem(*this, canvas, width, height);
  if (OnMeasureItem) OnMeasureItem(this, canvas, width, height);
}

void TMenuItem::DrawItem(TCanvas& canvas, const RECT& rect, bool selected) {
  if (OnDrawItem) {
    OnDrawItem(this, canvas, rect, selected);
  } else if (const TMenu* menu = GetParentMenu()) {
    menu->DrawPlainItem(*this, canvas, rect, selected);
  }
}

// ---------------------------------------------------------------------------
// TMenu

const TPropInfo TMenu::Published[] = {
    Prop<TTypeKind::Boolean, &TMenu::OwnerDraw, &TMenu::SetOwnerDraw>("OwnerDraw"),
};
QV_CLASS_INFO(TMenu, Published);

TMenu::TMenu(TComponent* owner) : TComponent(owner), FItems(std::make_unique<TMenuItem>(nullptr)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  // The items go before the menu they tell about their changes.
  FItems->FMenu = nullptr;
  FItems.reset();
}

void TMenu::SetImages(TImageList* images) {
  if (images == FImages) return;
  FImages = images;
  if (FOwnerDraw) FItems->RebuildHandles();
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
  if (ownerDraw == FOwnerDraw) return;
  FOwnerDraw = ownerDraw;
  FItems->RebuildHandles();
}

namespace {

template <class Test>
TMenuItem* FindInTree(TMenuItem& item, Test test) {
  if (test(item)) return &item;
  for (int i = 0; i < item.Count(); ++i)
    if (TMenuItem* found = FindInTree(*item.Items(i), test)) return found;
  return nullptr;
}

}  // namespace

TMenuItem* TMenu::FindItemByCommand(UINT command) const {
  return FindInTree(*FItems, [command](const TMenuItem& item) { return item.Command() == command; });
}

TMenuItem* TMenu::FindItemByHandle(HMENU handle) const {
  if (!handle) return nullptr;
  return FindInTree(*FItems, [handle](TMenuItem& item) { return item.HandleAllocated() && item.Handle() == handle; });
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItemByCommand(command);
  if (!item || item == FItems.get()) return false;
  if (item->Count() > 0) item->InitiateActions();
  item->Click();
  return true;
}

bool TMenu::DispatchPopup(HMENU handle) {
  TMenuItem* item = FindItemByHandle(handle);
  if (!item) return false;
  item->InitiateActions();
  if (item != FItems.get()) item->Click();
  return true;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if (!shortCut) return false;
  TMenuItem* item = FindInTree(*FItems, [shortCut](TMenuItem& candidate) {
    if (candidate.ShortCut() != shortCut) return false;
    candidate.InitiateAction();
    return true;
  });
  if (!item) return false;
  // Every item on the way down is visible and enabled.
  for (const TMenuItem* above = item; above && above != FItems.get(); above = above->Parent())
    if (!above->Visible() || !above->Enabled()) return false;
  item->Click();
  return true;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItemByCommand(measure.itemID);
  if (!item) return false;
  TWindowDC screen;
  const TSelectObject font(screen.Get(), MenuFont());
  TCanvas canvas(screen.Get());
  int width = 0, height = 0;
  item->MeasureItem(canvas, width, height);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItemByCommand(draw.itemID);
  if (!item) return false;
  const TSaveDC saved(draw.hDC);
  SelectObject(draw.hDC, MenuFont());
  TCanvas canvas(draw.hDC);
  item->DrawItem(canvas, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
  return true;
}

void TMenu::MeasurePlainItem(const TMenuItem& item, TCanvas& canvas, int& width, int& height) const {
  if (item.IsLine()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  const HDC dc = canvas.Handle();
  const TFontHandle bold = item.Default() ? BoldMenuFont() : TFontHandle();
  const TSelectObject font(dc, bold ? bold.Get() : GetCurrentObject(dc, OBJ_FONT));
  const SIZE text = TextSize(dc, item.DisplayCaption());
  const int column = FImages ? std::max(FImages->Width(), kImageColumn) : kImageColumn;
  width = kGap + column + kGap + text.cx + kGap;
  const std::string shortcut = item.ShortCutText();
  if (!shortcut.empty()) width += kShortcutGap + TextSize(dc, shortcut).cx;
  height = std::max<int>({text.cy + 6, GetSystemMetrics(SM_CYMENU), FImages ? FImages->Height() + 4 : 0});
}

void TMenu::DrawPlainItem(const TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected) const {
  const HDC dc = canvas.Handle();
  FillRect(dc, &rect, GetSysColorBrush(selected && !item.IsLine() ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (item.IsLine()) {
    RECT line = rect;
    line.top += (rect.bottom - rect.top) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const int column = FImages ? std::max(FImages->Width(), kImageColumn) : kImageColumn;
  RECT image{rect.left + kGap, rect.top, rect.left + kGap + column, rect.bottom};
  if (FImages && item.ImageIndex() >= 0 && item.ImageIndex() < FImages->Count()) {
    FImages->Draw(dc, image.left + (column - FImages->Width()) / 2,
                  image.top + (image.bottom - image.top - FImages->Height()) / 2, item.ImageIndex(), item.Enabled());
  } else if (item.Checked()) {
    const int size = std::min<int>(column, image.bottom - image.top);
    RECT check{image.left, image.top + (image.bottom - image.top - size) / 2, image.left + size, 0};
    check.bottom = check.top + size;
    DrawFrameControl(dc, &check, DFC_MENU, DFCS_MENUCHECK);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!item.Enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const TFontHandle bold = item.Default() ? BoldMenuFont() : TFontHandle();
  const TSelectObject font(dc, bold ? bold.Get() : GetCurrentObject(dc, OBJ_FONT));
  RECT text{image.right + kGap, rect.top, rect.right - kGap, rect.bottom};
  DrawTextA(dc, item.DisplayCaption().c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  const std::string shortcut = item.ShortCutText();
  if (!shortcut.empty()) DrawTextA(dc, shortcut.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

// ---------------------------------------------------------------------------
// TMainMenu

QV_CLASS_INFO(TMainMenu, {});

TMainMenu::~TMainMenu() {
  if (FForm) FForm->SetMenu(nullptr);
}

HMENU TMainMenu::CreateMenuHandle() const { return CreateMenu(); }

void TMainMenu::MenuChanged() {
  if (!FForm || !FForm->HandleAllocated() || (ComponentState() & csDestroying) ||
      (FForm->ComponentState() & csDestroying))
    return;
  SendMessageA(FForm->Handle(), CM_MENUCHANGED, 0, 0);
}

// ---------------------------------------------------------------------------
// TPopupMenu

QV_CLASS_INFO(TPopupMenu, {});

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() {
  while (!FControls.empty()) FControls.back()->SetPopupMenu(nullptr);
  if (FWindow) DestroyWindow(FWindow);
}

HMENU TPopupMenu::CreateMenuHandle() const { return CreatePopupMenu(); }

HWND TPopupMenu::Window() {
  if (FWindow) return FWindow;
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (!GetClassInfoA(instance, kWindowClass, &windowClass)) {
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);
  }
  FWindow = CreateWindowExA(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                            this);
  return FWindow;
}

void TPopupMenu::Popup(int x, int y) {
  Items()->InitiateActions();
  const auto chosen = static_cast<UINT>(
      TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, Window(), nullptr));
  if (chosen) DispatchCommand(chosen);
}

LRESULT CALLBACK TPopupMenu::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* menu = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (menu) {
    switch (msg) {
      case WM_MEASUREITEM:
        if (menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
        break;
      case WM_DRAWITEM:
        if (menu->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
        break;
      case WM_INITMENUPOPUP:
        menu->DispatchPopup(reinterpret_cast<HMENU>(wParam));
        return 0;
      default: break;
    }
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}
