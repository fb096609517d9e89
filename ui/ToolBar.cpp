#include "ui/ToolBar.h"

#include <algorithm>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {

constexpr std::string_view kToolButtonStyleNames[] = {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator",
                                                      "tbsDivider"};
// The width of a separator.
constexpr int kSeparatorWidth = 8;

BYTE ButtonStyle(TToolButtonStyle style) {
  switch (style) {
    case TToolButtonStyle::tbsCheck: return BTNS_CHECK;
    case TToolButtonStyle::tbsDropDown: return BTNS_DROPDOWN;
    case TToolButtonStyle::tbsSeparator:
    case TToolButtonStyle::tbsDivider: return BTNS_SEP;
    default: return BTNS_BUTTON;
  }
}

TCustomDrawState DrawState(UINT itemState) {
  TCustomDrawState state = 0;
  if (itemState & CDIS_SELECTED) state |= cdsSelected;
  if (itemState & CDIS_GRAYED) state |= cdsGrayed;
  if (itemState & CDIS_DISABLED) state |= cdsDisabled;
  if (itemState & CDIS_CHECKED) state |= cdsChecked;
  if (itemState & CDIS_FOCUS) state |= cdsFocused;
  if (itemState & CDIS_DEFAULT) state |= cdsDefault;
  if (itemState & CDIS_HOT) state |= cdsHot;
  if (itemState & CDIS_MARKED) state |= cdsMarked;
  if (itemState & CDIS_INDETERMINATE) state |= cdsIndeterminate;
  return state;
}

}  // namespace

const TPropInfo TToolButton::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Enumeration, &TToolButton::Style, &TToolButton::SetStyle>("Style", kToolButtonStyleNames),
    Prop<TTypeKind::Integer, &TToolButton::ImageIndex, &TToolButton::SetImageIndex>("ImageIndex"),
    Prop<TTypeKind::Boolean, &TToolButton::Down, &TToolButton::SetDown>("Down"),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TToolButton, Published);

const TPropInfo TToolBar::Published[] = {
    Prop<TTypeKind::Boolean, &TToolBar::Flat, &TToolBar::SetFlat>("Flat"),
    Prop<TTypeKind::Boolean, &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions>("ShowCaptions"),
    Prop<TTypeKind::Object, &TToolBar::Images, &TToolBar::SetImages>("Images"),
    Prop<TTypeKind::Method, &TToolBar::OnCustomDraw, &TToolBar::OnCustomDraw>("OnCustomDraw"),
    Prop<TTypeKind::Method, &TToolBar::OnCustomDrawButton, &TToolBar::OnCustomDrawButton>("OnCustomDrawButton"),
};
QV_CLASS_INFO(TToolBar, Published);

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetStyle(TToolButtonStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  if (TToolBar* toolBar = ToolBar()) toolBar->UpdateButton(*this);
}

void TToolButton::SetImageIndex(int index) {
  FImageIndex = index;
  if (TToolBar* toolBar = ToolBar()) toolBar->UpdateButton(*this);
}

bool TToolButton::Down() const {
  const TToolBar* toolBar = ToolBar();
  if (!toolBar || !toolBar->HandleAllocated()) return FDown;
  return SendMessageA(toolBar->WindowHandle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(FCommand), 0) != 0;
}

void TToolButton::SetDown(bool down) {
  FDown = down;
  if (TToolBar* toolBar = ToolBar()) toolBar->UpdateButton(*this);
}

void TToolButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED: return CMChanged(message);
    default: return TGraphicControl::WndProc(message);
  }
}

// The window shows the button's caption and state.
void TToolButton::CMChanged(TMessage& message) {
  if (TToolBar* toolBar = ToolBar()) toolBar->UpdateButton(*this);
  TGraphicControl::WndProc(message);
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

TToolButton* TToolBar::Buttons(int index) const {
  if (index < 0 || index >= ButtonCount()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FButtons[static_cast<std::size_t>(index)];
}

void TToolBar::SetFlat(bool flat) {
  if (flat == FFlat) return;
  FFlat = flat;
  RecreateWnd();
}

void TToolBar::SetShowCaptions(bool show) {
  if (show == FShowCaptions) return;
  FShowCaptions = show;
  RecreateWnd();
}

void TToolBar::SetImages(TImageList* images) {
  FImages = images;
  if (!HandleAllocated()) return;
  SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
  PlaceButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

int TToolBar::IndexOfButton(const TControl* button) const {
  const auto found = std::find(FButtons.begin(), FButtons.end(), button);
  return found == FButtons.end() ? -1 : static_cast<int>(found - FButtons.begin());
}

TToolButton* TToolBar::ButtonOfCommand(int command) const {
  const auto found = std::find_if(FButtons.begin(), FButtons.end(),
                                  [command](const TToolButton* button) { return button->FCommand == command; });
  return found == FButtons.end() ? nullptr : *found;
}

void TToolBar::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, TOOLBARCLASSNAMEA);
  // The framework places the bar (Align); it does not place itself.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | WS_CLIPCHILDREN;
  if (FFlat) params.Style |= TBSTYLE_FLAT;
}

void TToolBar::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  if (FImages) SendMessageA(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (TToolButton* button : FButtons) AddButton(*button);
  PlaceButtons();
}

TControl* TToolBar::GraphicControlAt(POINT) const { return nullptr; }

void TToolBar::AddButton(TToolButton& button) {
  if (button.FCommand == 0) button.FCommand = FNextCommand++;
  const bool separator = ButtonStyle(button.FStyle) == BTNS_SEP;
  const std::string caption = button.Caption();
  TBBUTTON item{};
  item.iBitmap = separator ? kSeparatorWidth : button.FImageIndex >= 0 ? button.FImageIndex : I_IMAGENONE;
  item.idCommand = button.FCommand;
  item.fsState = static_cast<BYTE>((button.Enabled() ? TBSTATE_ENABLED : 0) | (button.FDown ? TBSTATE_CHECKED : 0) |
                                   (button.Visible() ? 0 : TBSTATE_HIDDEN));
  item.fsStyle = ButtonStyle(button.FStyle);
  item.iString = FShowCaptions && !separator ? reinterpret_cast<INT_PTR>(caption.c_str()) : -1;
  SendMessageA(Handle(), TB_INSERTBUTTONA, static_cast<WPARAM>(IndexOfButton(&button)),
               reinterpret_cast<LPARAM>(&item));
}

void TToolBar::UpdateButton(TToolButton& button) {
  if (!HandleAllocated()) return;
  const int index = IndexOfButton(&button);
  if (index < 0) return;
  // A button's kind and caption are set when it is made: it is made anew.
  SendMessageA(Handle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
  AddButton(button);
  PlaceButtons();
}

void TToolBar::PlaceButtons() {
  if (!HandleAllocated()) return;
  for (int i = 0; i < ButtonCount(); ++i) {
    RECT rect{};
    if (!SendMessageA(Handle(), TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect))) continue;
    FButtons[static_cast<std::size_t>(i)]->SetBounds(rect.left, rect.top, rect.right - rect.left,
                                                     rect.bottom - rect.top);
  }
}

void TToolBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_CONTROLLISTCHANGE: return CMControlListChange(message);
    case CN_COMMAND: return CNCommand(message);
    default: return TWinControl::WndProc(message);
  }
}

void TToolBar::CMControlListChange(TMessage& message) {
  auto* control = reinterpret_cast<TControl*>(message.WParam);
  if (message.LParam) {
    auto* button = dynamic_cast<TToolButton*>(control);
    if (!button) return;
    FButtons.push_back(button);
    if (HandleAllocated()) AddButton(*button);
  } else {
    const int index = IndexOfButton(control);
    if (index < 0) return;
    FButtons.erase(FButtons.begin() + index);
    if (HandleAllocated()) SendMessageA(Handle(), TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
  }
  PlaceButtons();
}

// A click on a button: the window has already checked or cleared a check
// button.
void TToolBar::CNCommand(TMessage& message) {
  message.Result = 0;
  TToolButton* button = ButtonOfCommand(LOWORD(message.WParam));
  if (!button) return;
  button->FDown = button->Down();
  button->Click();
}

void TToolBar::CNNotify(const NMHDR& header, TMessage& message) {
  message.Result = header.code == static_cast<UINT>(NM_CUSTOMDRAW)
                       ? CustomDraw(reinterpret_cast<const NMTBCUSTOMDRAW&>(header))
                       : 0;
}

LRESULT TToolBar::CustomDraw(const NMTBCUSTOMDRAW& draw) {
  const TCanvasBinding binding(FCanvas, draw.nmcd.hdc);
  bool defaultDraw = true;
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: {
      if (OnCustomDraw) OnCustomDraw(this, draw.nmcd.rc, defaultDraw);
      LRESULT result = defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
      if (OnCustomDrawButton) result |= CDRF_NOTIFYITEMDRAW;
      return result;
    }
    case CDDS_ITEMPREPAINT: {
      TToolButton* button = ButtonOfCommand(static_cast<int>(draw.nmcd.dwItemSpec));
      if (!button || !OnCustomDrawButton) return CDRF_DODEFAULT;
      OnCustomDrawButton(this, button, DrawState(draw.nmcd.uItemState), defaultDraw);
      return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
    }
    default: return CDRF_DODEFAULT;
  }
}
