#include "ui/CoolBar.h"

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

const TPropInfo TCoolBand::Published[] = {
    Prop<TTypeKind::Object, &TCoolBand::Control, &TCoolBand::SetControl>("Control"),
    Prop<TTypeKind::String, &TCoolBand::Text, &TCoolBand::SetText>("Text"),
    Prop<TTypeKind::Integer, &TCoolBand::Width, &TCoolBand::SetWidth>("Width"),
    Prop<TTypeKind::Integer, &TCoolBand::MinHeight, &TCoolBand::SetMinHeight>("MinHeight"),
    Prop<TTypeKind::Integer, &TCoolBand::Color, &TCoolBand::SetColor>("Color"),
};
QV_CLASS_INFO(TCoolBand, Published);
QV_CLASS_INFO(TCoolBands, {});

const TPropInfo TCoolBar::Published[] = {
    Prop<TTypeKind::Object, &TCoolBar::Bands, nullptr>("Bands"),
};
QV_CLASS_INFO(TCoolBar, Published);

void TCoolBand::SetControl(TWinControl* control) {
  FControl = control;
  // The bar places the control in its band.
  if (control) control->SetAlign(TAlign::alNone);
  if (control && FCoolBar) control->SetParent(FCoolBar);
  Changed();
}

void TCoolBand::SetText(const std::string& text) {
  FText = text;
  Changed();
}

void TCoolBand::SetWidth(int width) {
  FWidth = width;
  Changed();
}

void TCoolBand::SetMinHeight(int height) {
  FMinHeight = height;
  Changed();
}

void TCoolBand::SetColor(TColor color) {
  FColor = color;
  Changed();
}

TCoolBand* TCoolBands::Add() {
  auto band = std::make_unique<TCoolBand>();
  band->FCoolBar = FCoolBar;
  return static_cast<TCoolBand*>(AddItem(std::move(band)));
}

TCoolBar::TCoolBar(TComponent* owner)
    : TWinControl(owner),
      FBands(std::make_unique<TCoolBands>(TCollection::TChangeEvent::Of<&TCoolBar::BandsChanged>(this))) {
  FBands->FCoolBar = this;
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 150, 30);
  SetAlign(TAlign::alTop);
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  for (int i = 0; i < FBands->Count(); ++i) {
    if (FBands->Items(i)->FControl == component) FBands->Items(i)->FControl = nullptr;
  }
}

void TCoolBar::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_COOL_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, REBARCLASSNAMEA);
  // The framework places the bar (Align); it does not place itself.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | RBS_VARHEIGHT | RBS_BANDBORDERS |
                  WS_CLIPCHILDREN;
}

void TCoolBar::CreateWnd() {
  TWinControl::CreateWnd();
  for (int i = 0; i < FBands->Count(); ++i) SetBand(i, RB_INSERTBANDA);
}

// Inserts (RB_INSERTBANDA) or updates (RB_SETBANDINFOA) a band.
void TCoolBar::SetBand(int index, UINT message) {
  const TCoolBand& band = *FBands->Items(index);
  std::string text = band.FText;
  REBARBANDINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = RBBIM_TEXT | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_COLORS | RBBIM_STYLE | RBBIM_CHILD;
  info.fStyle = RBBS_CHILDEDGE | RBBS_GRIPPERALWAYS;
  info.lpText = text.data();
  info.cx = static_cast<UINT>(band.FWidth);
  info.cyMinChild = static_cast<UINT>(band.FMinHeight);
  info.clrFore = GetSysColor(COLOR_BTNTEXT);
  info.clrBack = static_cast<COLORREF>(ColorToRGB(band.FColor));
  info.hwndChild = band.FControl ? band.FControl->Handle() : nullptr;
  SendMessageA(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  // The bar lays its bands and their controls out when it is sized (some
  // systems' bars not on a band's change): told its size again.
  const RECT client = ClientRect();
  SendMessageA(Handle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
}

void TCoolBar::BandsChanged(TCollectionItem* item, TCollectionChange change) {
  if (!HandleAllocated()) return;
  switch (change) {
    case TCollectionChange::ccAdded: SetBand(item->Index(), RB_INSERTBANDA); break;
    case TCollectionChange::ccChanged: SetBand(item->Index(), RB_SETBANDINFOA); break;
    case TCollectionChange::ccDeleting:
      SendMessageA(Handle(), RB_DELETEBAND, static_cast<WPARAM>(item->Index()), 0);
      break;
  }
}
