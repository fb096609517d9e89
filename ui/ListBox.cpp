#include "ui/ListBox.h"

#include "ui/TypInfo.h"

QV_CLASS_INFO(TCustomListBox, {});

const TPropInfo TListBox::Published[] = {
    Prop<TTypeKind::Object, &TCustomListBox::Items, &TCustomListBox::SetItems>("Items"),
    Prop<TTypeKind::Integer, &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex>("ItemIndex"),
    Prop<TTypeKind::Enumeration, &TCustomListBox::BorderStyle, &TCustomListBox::SetBorderStyle>(
        "BorderStyle", kBorderStyleNames),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TListBox, Published);

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TItemStrings>(TItemStrings::TChangeEvent::Of<&TCustomListBox::ItemsChanged>(this))) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 121, 97);
}

void TCustomListBox::SetItems(const TStrings* items) {
  if (items) FItems->Assign(*items);
}

int TCustomListBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(WindowHandle(), LB_GETCURSEL, 0, 0));
}

void TCustomListBox::SetItemIndex(int index) {
  if (index < -1 || index >= FItems->Count()) index = -1;
  FItemIndex = index;
  if (HandleAllocated()) SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomListBox::SetBorderStyle(TBorderStyle borderStyle) {
  if (borderStyle == FBorderStyle) return;
  FBorderStyle = borderStyle;
  RecreateWnd();
}

void TCustomListBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "LISTBOX");
  params.Style |= WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT;
  if (FBorderStyle == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  for (int i = 0; i < FItems->Count(); ++i) {
    SendMessageA(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FItems->Get(i).c_str()));
  }
  SendMessageA(Handle(), LB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
}

void TCustomListBox::ItemsChanged(TItemChange change, int index) {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  switch (change) {
    case TItemChange::icInserted:
      SendMessageA(window, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(FItems->Get(index).c_str()));
      break;
    case TItemChange::icDeleting: SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(index), 0); break;
    case TItemChange::icChanged: {
      const int selected = ItemIndex();
      SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
      SendMessageA(window, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(FItems->Get(index).c_str()));
      SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
      break;
    }
    case TItemChange::icCleared: SendMessageA(window, LB_RESETCONTENT, 0, 0); break;
  }
}

void TCustomListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case WM_DESTROY: return WMDestroy(message);
    default: return TWinControl::WndProc(message);
  }
}

void TCustomListBox::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == LBN_SELCHANGE) Click();
  message.Result = 0;
}

// The choice outlives a window created anew.
void TCustomListBox::WMDestroy(TMessage& message) {
  FItemIndex = ItemIndex();
  TWinControl::WndProc(message);
}
