#include "ui/Menus.h"

#include <algorithm>
#include <string>
#include <utility>

#include "ui/Exception.h"
#include "ui/Gdi.h"
#include "ui/ImageList.h"

namespace {

constexpr char kWindowClass[] = "QuorvexPopupList";
// Room around an item's parts.
constexpr int kImageColumn = 16, kGap = 4, kShortcutGap = 16;

// A menu handle made here, destroyed on every path.
class TMenuHandle {
 public:
  TMenuHandle() : FMenu(CreatePopupMenu()) {}
  TMenuHandle(const TMenuHandle&) = delete;
  TMenuHandle& operator=(const TMenuHandle&) = delete;
  ~TMenuHandle() {
    if (FMenu) DestroyMenu(FMenu);
  }
  HMENU Get() const { return FMenu; }

 private:
  HMENU FMenu;
};

// The caption before a tab, and the shortcut after it.
std::pair<std::string, std::string> SplitCaption(const std::string& caption) {
  const std::size_t tab = caption.find('\t');
  if (tab == std::string::npos) return {caption, {}};
  return {caption.substr(0, tab), caption.substr(tab + 1)};
}

SIZE TextSize(HDC dc, const std::string& text) {
  RECT rect{0, 0, 0, 0};
  DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &rect, DT_SINGLELINE | DT_CALCRECT);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

HFONT MenuFont() {
  static const TFontHandle font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    return TFontHandle(CreateFontIndirectA(&metrics.lfMenuFont));
  }();
  return font ? font.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

QV_CLASS_INFO(TMenuItem, {});
QV_CLASS_INFO(TPopupMenu, {});

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner) {}

TPopupMenu::~TPopupMenu() {
  if (FWindow) DestroyWindow(FWindow);
}

TMenuItem* TPopupMenu::Add(const std::string& caption) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  FItems.push_back(item);
  return item;
}

TMenuItem* TPopupMenu::Items(int index) const {
  if (index < 0 || index >= Count()) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return FItems[static_cast<std::size_t>(index)];
}

void TPopupMenu::Clear() {
  for (TMenuItem* item : FItems) delete item;
  FItems.clear();
}

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
  int chosen = 0;
  {
    const TMenuHandle menu;
    for (std::size_t i = 0; i < FItems.size(); ++i) {
      TMenuItem& item = *FItems[i];
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
      info.fType = (item.IsLine() ? MFT_SEPARATOR : MFT_STRING) | (FOwnerDraw ? MFT_OWNERDRAW : 0);
      info.fState = (item.Enabled() ? 0 : MFS_GRAYED) | (item.Checked() ? MFS_CHECKED : 0);
      info.wID = static_cast<UINT>(i + 1);
      info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
      info.dwTypeData = const_cast<char*>(item.Caption().c_str());
      InsertMenuItemA(menu.Get(), static_cast<UINT>(i), TRUE, &info);
    }
    chosen = static_cast<int>(
        TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, Window(), nullptr));
  }
  if (chosen < 1 || chosen > Count()) return;
  TMenuItem* item = FItems[static_cast<std::size_t>(chosen - 1)];
  if (item->OnClick) item->OnClick(item);
}

LRESULT CALLBACK TPopupMenu::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* menu = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (msg) {
    case WM_MEASUREITEM:
      if (!menu || reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->CtlType != ODT_MENU) break;
      menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_DRAWITEM:
      if (!menu || reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlType != ODT_MENU) break;
      menu->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    default: break;
  }
  return DefWindowProcA(window, msg, wParam, lParam);
}

void TPopupMenu::MeasureItem(MEASUREITEMSTRUCT& measure) {
  const auto* item = reinterpret_cast<const TMenuItem*>(measure.itemData);
  if (!item) return;
  TWindowDC screen;
  const TSelectObject font(screen.Get(), MenuFont());
  TCanvas canvas(screen.Get());
  int width = 0, height = 0;
  MeasurePlainItem(*item, canvas, width, height);
  if (item->OnMeasureItem) item->OnMeasureItem(const_cast<TMenuItem*>(item), canvas, width, height);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
}

void TPopupMenu::DrawItem(const DRAWITEMSTRUCT& draw) {
  auto* item = reinterpret_cast<TMenuItem*>(draw.itemData);
  if (!item) return;
  const TSaveDC saved(draw.hDC);
  SelectObject(draw.hDC, MenuFont());
  TCanvas canvas(draw.hDC);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (item->OnDrawItem)
    item->OnDrawItem(item, canvas, draw.rcItem, selected);
  else
    DrawPlainItem(*item, canvas, draw.rcItem, selected);
}

void TPopupMenu::MeasurePlainItem(const TMenuItem& item, TCanvas& canvas, int& width, int& height) const {
  if (item.IsLine()) {
    width = 0;
    height = GetSystemMetrics(SM_CYMENU) / 2;
    return;
  }
  const auto [caption, shortcut] = SplitCaption(item.Caption());
  const SIZE text = TextSize(canvas.Handle(), caption);
  const int column = FImages ? std::max(FImages->Width(), kImageColumn) : kImageColumn;
  width = kGap + column + kGap + text.cx + kGap;
  if (!shortcut.empty()) width += kShortcutGap + TextSize(canvas.Handle(), shortcut).cx;
  height = std::max<int>({text.cy + 6, GetSystemMetrics(SM_CYMENU), FImages ? FImages->Height() + 4 : 0});
}

void TPopupMenu::DrawPlainItem(const TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected) const {
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
  if (FImages && item.ImageIndex() >= 0) {
    FImages->Draw(dc, image.left + (column - FImages->Width()) / 2,
                  image.top + (image.bottom - image.top - FImages->Height()) / 2, item.ImageIndex());
  } else if (item.Checked()) {
    const int size = std::min<int>(column, image.bottom - image.top);
    RECT check{image.left, image.top + (image.bottom - image.top - size) / 2, image.left + size, 0};
    check.bottom = check.top + size;
    DrawFrameControl(dc, &check, DFC_MENU, DFCS_MENUCHECK);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!item.Enabled() ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  const auto [caption, shortcut] = SplitCaption(item.Caption());
  RECT text{image.right + kGap, rect.top, rect.right - kGap, rect.bottom};
  DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (!shortcut.empty()) DrawTextA(dc, shortcut.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}
