#include "ui/TabControl.h"

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

QV_CLASS_INFO(TCustomTabControl, {});

const TPropInfo TTabControl::Published[] = {
    Prop<TTypeKind::Object, &TCustomTabControl::Tabs, &TCustomTabControl::SetTabs>("Tabs"),
    Prop<TTypeKind::Integer, &TCustomTabControl::TabIndex, &TCustomTabControl::SetTabIndex>("TabIndex"),
    Prop<TTypeKind::Enumeration, &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition>(
        "TabPosition", kTabPositionNames),
    Prop<TTypeKind::Boolean, &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine>("MultiLine"),
    Prop<TTypeKind::Enumeration, &TCustomTabControl::Style, &TCustomTabControl::SetStyle>("Style",
                                                                                         kTabStyleNames),
    Prop<TTypeKind::Object, &TCustomTabControl::Images, &TCustomTabControl::SetImages>("Images"),
    Prop<TTypeKind::Method, &TCustomTabControl::OnChange, &TCustomTabControl::OnChange>("OnChange"),
};
QV_CLASS_INFO(TTabControl, Published);

TCustomTabControl::TCustomTabControl(TComponent* owner)
    : TWinControl(owner),
      FTabs(std::make_unique<TItemStrings>(TItemStrings::TChangeEvent::Of<&TCustomTabControl::TabsChanged>(this))) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 289, 193);
}

void TCustomTabControl::SetTabs(const TStrings* tabs) {
  if (tabs) FTabs->Assign(*tabs);
}

int TCustomTabControl::TabIndex() const {
  if (!HandleAllocated()) return FTabIndex;
  return static_cast<int>(SendMessageA(WindowHandle(), TCM_GETCURSEL, 0, 0));
}

void TCustomTabControl::SetTabIndex(int index) {
  if (index < -1 || index >= FTabs->Count()) index = -1;
  FTabIndex = index;
  if (HandleAllocated()) SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomTabControl::SetTabPosition(TTabPosition position) {
  if (position == FTabPosition) return;
  FTabPosition = position;
  RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool multiLine) {
  if (multiLine == FMultiLine) return;
  FMultiLine = multiLine;
  RecreateWnd();
}

void TCustomTabControl::SetStyle(TTabStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  RecreateWnd();
}

void TCustomTabControl::SetImages(TImageList* images) {
  FImages = images;
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
  for (int i = 0; i < FTabs->Count(); ++i) SetTab(i, TCM_SETITEMA);
  Realign();
}

RECT TCustomTabControl::DisplayRect() const {
  RECT rect = ClientRect();
  if (HandleAllocated()) SendMessageA(WindowHandle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  return rect;
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(this);
}

int TCustomTabControl::TabImageIndex(int index) const { return FImages ? index : -1; }

void TCustomTabControl::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_TAB_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_TABCONTROLA);
  params.Style |= WS_TABSTOP | WS_CLIPCHILDREN;
  // Tabs at the side stand in rows along it.
  switch (FTabPosition) {
    case TTabPosition::tpTop: break;
    case TTabPosition::tpBottom: params.Style |= TCS_BOTTOM; break;
    case TTabPosition::tpLeft: params.Style |= TCS_VERTICAL | TCS_MULTILINE; break;
    case TTabPosition::tpRight: params.Style |= TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE; break;
  }
  if (FMultiLine) params.Style |= TCS_MULTILINE;
  if (FStyle == TTabStyle::tsButtons) params.Style |= TCS_BUTTONS;
  if (FStyle == TTabStyle::tsFlatButtons) params.Style |= TCS_BUTTONS | TCS_FLATBUTTONS;
}

void TCustomTabControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (FImages) SendMessageA(Handle(), TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (int i = 0; i < FTabs->Count(); ++i) SetTab(i, TCM_INSERTITEMA);
  SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(FTabIndex), 0);
}

void TCustomTabControl::AdjustClientRect(RECT& rect) const { rect = DisplayRect(); }

// Inserts (TCM_INSERTITEMA) or updates (TCM_SETITEMA) a tab of the window.
void TCustomTabControl::SetTab(int index, UINT message) {
  std::string text = FTabs->Get(index);
  TCITEMA item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = TabImageIndex(index);
  SendMessageA(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void TCustomTabControl::TabsChanged(TItemChange change, int index) {
  if (!HandleAllocated()) return;
  switch (change) {
    case TItemChange::icInserted: SetTab(index, TCM_INSERTITEMA); break;
    case TItemChange::icDeleting: SendMessageA(Handle(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0); break;
    case TItemChange::icChanged: SetTab(index, TCM_SETITEMA); break;
    case TItemChange::icCleared: SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0); break;
  }
  // The tabs may take another number of rows.
  Realign();
}

void TCustomTabControl::CNNotify(const NMHDR& header, TMessage& message) {
  if (header.code == TCN_SELCHANGE) Change();
  message.Result = 0;
}

void TCustomTabControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY: return WMDestroy(message);
    default: return TWinControl::WndProc(message);
  }
}

// The chosen tab outlives a window created anew.
void TCustomTabControl::WMDestroy(TMessage& message) {
  FTabIndex = TabIndex();
  TWinControl::WndProc(message);
}
