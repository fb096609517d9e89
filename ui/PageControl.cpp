#include "ui/PageControl.h"

#include <algorithm>

#include "ui/TypInfo.h"

const TPropInfo TPageControl::Published[] = {
    Prop<TTypeKind::Integer, &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex>("ActivePageIndex"),
    Prop<TTypeKind::Enumeration, &TCustomTabControl::TabPosition, &TCustomTabControl::SetTabPosition>(
        "TabPosition", kTabPositionNames),
    Prop<TTypeKind::Boolean, &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine>("MultiLine"),
    Prop<TTypeKind::Enumeration, &TCustomTabControl::Style, &TCustomTabControl::SetStyle>("Style",
                                                                                         kTabStyleNames),
    Prop<TTypeKind::Object, &TCustomTabControl::Images, &TCustomTabControl::SetImages>("Images"),
    Prop<TTypeKind::Method, &TCustomTabControl::OnChange, &TCustomTabControl::OnChange>("OnChange"),
};
QV_CLASS_INFO(TPageControl, Published);

const TPropInfo TTabSheet::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Integer, &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex>("ImageIndex"),
    Prop<TTypeKind::Integer, &TTabSheet::PageIndex, nullptr>("PageIndex"),
};
QV_CLASS_INFO(TTabSheet, Published);

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TTabSheet* TPageControl::Pages(int index) const {
  if (index < 0 || index >= PageCount()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FPages[static_cast<std::size_t>(index)];
}

int TPageControl::IndexOfPage(const TControl* page) const {
  const auto found = std::find(FPages.begin(), FPages.end(), page);
  return found == FPages.end() ? -1 : static_cast<int>(found - FPages.begin());
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && IndexOfPage(page) < 0) return;
  FActivePage = page;
  SetTabIndex(IndexOfPage(page));
  ShowActivePage();
}

int TPageControl::ActivePageIndex() const { return IndexOfPage(FActivePage); }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? FPages[static_cast<std::size_t>(index)] : nullptr);
}

void TPageControl::ShowActivePage() {
  if (FActivePage) FActivePage->SetVisible(true);
  for (TTabSheet* page : FPages) {
    if (page != FActivePage) page->SetVisible(false);
  }
}

void TPageControl::Change() {
  const int index = TabIndex();
  FActivePage = index >= 0 && index < PageCount() ? FPages[static_cast<std::size_t>(index)] : nullptr;
  ShowActivePage();
  TCustomTabControl::Change();
}

int TPageControl::TabImageIndex(int index) const {
  return index < PageCount() ? FPages[static_cast<std::size_t>(index)]->ImageIndex() : -1;
}

void TPageControl::UpdateTab(TTabSheet* page) {
  const int index = IndexOfPage(page);
  if (index >= 0) Tabs()->Put(index, page->Caption());
}

void TPageControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_CONTROLLISTCHANGE: return CMControlListChange(message);
    default: return TCustomTabControl::WndProc(message);
  }
}

// A sheet put in gets a tab at the end, and shows when it is the first;
// a sheet taken out loses its tab, and the next one shows in its place.
void TPageControl::CMControlListChange(TMessage& message) {
  auto* control = reinterpret_cast<TControl*>(message.WParam);
  if (message.LParam) {
    auto* page = dynamic_cast<TTabSheet*>(control);
    if (!page) return;
    FPages.push_back(page);
    Tabs()->Add(page->Caption());
    page->SetAlign(TAlign::alClient);
    if (!FActivePage) {
      SetActivePage(page);
    } else {
      page->SetVisible(false);
    }
    return;
  }
  const int index = IndexOfPage(control);
  if (index < 0) return;
  FPages.erase(FPages.begin() + index);
  Tabs()->Delete(index);
  if (FActivePage == control) {
    FActivePage = nullptr;
    SetActivePageIndex(std::min(index, PageCount() - 1));
  }
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) { SetColor(SystemColor(COLOR_BTNFACE)); }

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

int TTabSheet::PageIndex() const {
  const TPageControl* pageControl = PageControl();
  return pageControl ? pageControl->IndexOfPage(this) : -1;
}

void TTabSheet::SetImageIndex(int index) {
  FImageIndex = index;
  if (TPageControl* pageControl = PageControl()) pageControl->UpdateTab(this);
}

void TTabSheet::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED: return CMTextChanged(message);
    default: return TWinControl::WndProc(message);
  }
}

void TTabSheet::CMTextChanged(TMessage& message) {
  if (TPageControl* pageControl = PageControl()) pageControl->UpdateTab(this);
  TWinControl::WndProc(message);
}
