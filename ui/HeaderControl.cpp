#include "ui/HeaderControl.h"

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

const TPropInfo THeaderSection::Published[] = {
    Prop<TTypeKind::String, &THeaderSection::Text, &THeaderSection::SetText>("Text"),
    Prop<TTypeKind::Integer, &THeaderSection::Width, &THeaderSection::SetWidth>("Width"),
    Prop<TTypeKind::Enumeration, &THeaderSection::Alignment, &THeaderSection::SetAlignment>("Alignment",
                                                                                           kAlignmentNames),
    Prop<TTypeKind::Integer, &THeaderSection::ImageIndex, &THeaderSection::SetImageIndex>("ImageIndex"),
};
QV_CLASS_INFO(THeaderSection, Published);
QV_CLASS_INFO(THeaderSections, {});

const TPropInfo THeaderControl::Published[] = {
    Prop<TTypeKind::Object, &THeaderControl::Sections, nullptr>("Sections"),
    Prop<TTypeKind::Object, &THeaderControl::Images, &THeaderControl::SetImages>("Images"),
    Prop<TTypeKind::Method, &THeaderControl::OnSectionClick, &THeaderControl::OnSectionClick>("OnSectionClick"),
};
QV_CLASS_INFO(THeaderControl, Published);

void THeaderSection::SetText(const std::string& text) {
  FText = text;
  Changed();
}

void THeaderSection::SetWidth(int width) {
  FWidth = width < 0 ? 0 : width;
  Changed();
}

void THeaderSection::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Changed();
}

void THeaderSection::SetImageIndex(int index) {
  FImageIndex = index;
  Changed();
}

THeaderSection* THeaderSections::Add() {
  return static_cast<THeaderSection*>(AddItem(std::make_unique<THeaderSection>()));
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner),
      FSections(std::make_unique<THeaderSections>(
          TCollection::TChangeEvent::Of<&THeaderControl::SectionsChanged>(this))) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 185, 17);
  SetAlign(TAlign::alTop);
}

void THeaderControl::SetImages(TImageList* images) {
  FImages = images;
  if (HandleAllocated()) {
    SendMessageA(Handle(), HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images ? images->Handle() : nullptr));
  }
}

void THeaderControl::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FImages) SetImages(nullptr);
}

void THeaderControl::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_LISTVIEW_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, WC_HEADERA);
  params.Style |= HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG;
}

void THeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  if (FImages) SendMessageA(Handle(), HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (int i = 0; i < FSections->Count(); ++i) SetItem(i, HDM_INSERTITEMA);
}

// Inserts (HDM_INSERTITEMA) or updates (HDM_SETITEMA) an item of the window.
void THeaderControl::SetItem(int index, UINT message) {
  THeaderSection& section = *FSections->Items(index);
  std::string text = section.FText;
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text.data();
  item.cxy = section.FWidth;
  switch (section.FAlignment) {
    case TAlignment::taLeftJustify: item.fmt = HDF_LEFT; break;
    case TAlignment::taRightJustify: item.fmt = HDF_RIGHT; break;
    case TAlignment::taCenter: item.fmt = HDF_CENTER; break;
  }
  item.fmt |= HDF_STRING;
  if (section.FImageIndex >= 0) {
    item.mask |= HDI_IMAGE;
    item.fmt |= HDF_IMAGE;
    item.iImage = section.FImageIndex;
  }
  SendMessageA(Handle(), message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::SectionsChanged(TCollectionItem* item, TCollectionChange change) {
  if (!HandleAllocated()) return;
  switch (change) {
    case TCollectionChange::ccAdded: SetItem(item->Index(), HDM_INSERTITEMA); break;
    case TCollectionChange::ccChanged: SetItem(item->Index(), HDM_SETITEMA); break;
    case TCollectionChange::ccDeleting:
      SendMessageA(Handle(), HDM_DELETEITEM, static_cast<WPARAM>(item->Index()), 0);
      break;
  }
}

void THeaderControl::CNNotify(const NMHDR& header, TMessage& message) {
  const auto& notify = reinterpret_cast<const NMHEADERA&>(header);
  const bool known = notify.iItem >= 0 && notify.iItem < FSections->Count();
  switch (header.code) {
    case HDN_ITEMCLICKA:
    case HDN_ITEMCLICKW:
      if (known && OnSectionClick) OnSectionClick(this, FSections->Items(notify.iItem));
      break;
    case HDN_ITEMCHANGEDA:
    case HDN_ITEMCHANGEDW:
      // The user dragged an edge: the section keeps the window's width.
      if (known && notify.pitem && (notify.pitem->mask & HDI_WIDTH)) {
        FSections->Items(notify.iItem)->FWidth = notify.pitem->cxy;
      }
      break;
    default: break;
  }
  message.Result = 0;
}
