#include "ui/ComboBox.h"

#include <cstdlib>

#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kComboBoxStyleNames[] = {"csDropDown", "csSimple", "csDropDownList"};
}

QV_CLASS_INFO(TCustomComboBox, {});

const TPropInfo TComboBox::Published[] = {
    Prop<TTypeKind::Object, &TCustomComboBox::Items, &TCustomComboBox::SetItems>("Items"),
    Prop<TTypeKind::Integer, &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex>("ItemIndex"),
    Prop<TTypeKind::Enumeration, &TCustomComboBox::Style, &TCustomComboBox::SetStyle>("Style",
                                                                                     kComboBoxStyleNames),
    Prop<TTypeKind::Integer, &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount>(
        "DropDownCount"),
    Prop<TTypeKind::String, &TControl::Text, &TControl::SetText>("Text"),
    Prop<TTypeKind::Method, &TCustomComboBox::OnChange, &TCustomComboBox::OnChange>("OnChange"),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TComboBox, Published);

TCustomComboBox::TCustomComboBox(TComponent* owner)
    : TWinControl(owner),
      FItems(std::make_unique<TItemStrings>(TItemStrings::TChangeEvent::Of<&TCustomComboBox::ItemsChanged>(this))) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 145, 21);
}

void TCustomComboBox::SetItems(const TStrings* items) {
  if (items) FItems->Assign(*items);
}

int TCustomComboBox::ItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  return static_cast<int>(SendMessageA(WindowHandle(), CB_GETCURSEL, 0, 0));
}

void TCustomComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= FItems->Count()) index = -1;
  FItemIndex = index;
  if (HandleAllocated()) SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TCustomComboBox::SetStyle(TComboBoxStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int count) {
  FDropDownCount = count < 1 ? 1 : count;
  if (FStyle != TComboBoxStyle::csSimple && HandleAllocated()) {
    SetWindowPos(Handle(), nullptr, 0, 0, Width(), DroppedHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

int TCustomComboBox::DroppedHeight() const {
  int itemHeight = std::abs(Font()->Height()) + 4;
  if (HandleAllocated()) itemHeight = static_cast<int>(SendMessageA(WindowHandle(), CB_GETITEMHEIGHT, 0, 0));
  return Height() + FDropDownCount * itemHeight + 2;
}

void TCustomComboBox::SetBounds(int left, int top, int width, int height) {
  if (FStyle == TComboBoxStyle::csSimple || !HandleAllocated()) {
    return TWinControl::SetBounds(left, top, width, height);
  }
  if (left == Left() && top == Top() && width == Width()) return;
  // The window's height is the box's with the list below it.
  SetWindowPos(Handle(), nullptr, left, top, width, DroppedHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
  RequestAlign();
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "COMBOBOX");
  params.Style |= WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL;
  switch (FStyle) {
    case TComboBoxStyle::csDropDown: params.Style |= CBS_DROPDOWN; break;
    case TComboBoxStyle::csSimple: params.Style |= CBS_SIMPLE; break;
    case TComboBoxStyle::csDropDownList: params.Style |= CBS_DROPDOWNLIST; break;
  }
  if (FStyle != TComboBoxStyle::csSimple) params.Height = DroppedHeight();
}

void TCustomComboBox::CreateWnd() {
  // The text is the edit's; the window sets it when an item is chosen.
  const std::string text = Text();
  TWinControl::CreateWnd();
  for (int i = 0; i < FItems->Count(); ++i) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FItems->Get(i).c_str()));
  }
  if (FItemIndex >= 0) {
    SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(FItemIndex), 0);
  } else if (FStyle != TComboBoxStyle::csDropDownList) {
    SetWindowTextA(Handle(), text.c_str());
  }
}

void TCustomComboBox::ItemsChanged(TItemChange change, int index) {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  switch (change) {
    case TItemChange::icInserted:
      SendMessageA(window, CB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(FItems->Get(index).c_str()));
      break;
    case TItemChange::icDeleting: SendMessageA(window, CB_DELETESTRING, static_cast<WPARAM>(index), 0); break;
    case TItemChange::icChanged: {
      const int selected = ItemIndex();
      SendMessageA(window, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
      SendMessageA(window, CB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(FItems->Get(index).c_str()));
      SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
      break;
    }
    case TItemChange::icCleared: SendMessageA(window, CB_RESETCONTENT, 0, 0); break;
  }
}

void TCustomComboBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case WM_DESTROY: return WMDestroy(message);
    default: return TWinControl::WndProc(message);
  }
}

void TCustomComboBox::CNCommand(TMessage& message) {
  switch (HIWORD(message.WParam)) {
    case CBN_SELCHANGE:
      Click();
      Change();
      break;
    case CBN_EDITCHANGE: Change(); break;
  }
  message.Result = 0;
}

void TCustomComboBox::WMDestroy(TMessage& message) {
  FItemIndex = ItemIndex();
  TWinControl::WndProc(message);
}

void TCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}
