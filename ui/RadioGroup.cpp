#include "ui/RadioGroup.h"

#include <algorithm>

#include "ui/TypInfo.h"

QV_CLASS_INFO(TCustomRadioGroup, {});

const TPropInfo TRadioGroup::Published[] = {
    Prop<TTypeKind::String, &TControl::Caption, &TControl::SetCaption>("Caption"),
    Prop<TTypeKind::Object, &TCustomRadioGroup::Items, &TCustomRadioGroup::SetItems>("Items"),
    Prop<TTypeKind::Integer, &TCustomRadioGroup::ItemIndex, &TCustomRadioGroup::SetItemIndex>("ItemIndex"),
    Prop<TTypeKind::Integer, &TCustomRadioGroup::Columns, &TCustomRadioGroup::SetColumns>("Columns"),
    Prop<TTypeKind::Method, &TControl::OnClick, &TControl::OnClick>("OnClick"),
};
QV_CLASS_INFO(TRadioGroup, Published);

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner)
    : TCustomGroupBox(owner),
      FItems(std::make_unique<TItemStrings>(TItemStrings::TChangeEvent::Of<&TCustomRadioGroup::ItemsChanged>(this))) {}

void TCustomRadioGroup::SetItems(const TStrings* items) {
  if (items) FItems->Assign(*items);
}

TRadioButton* TCustomRadioGroup::Buttons(int index) const {
  if (index < 0 || index >= static_cast<int>(FButtons.size())) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
  return FButtons[static_cast<std::size_t>(index)];
}

void TCustomRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(FButtons.size())) index = -1;
  if (index == FItemIndex) return;
  if (index >= 0) {
    // The button's click makes it the group's choice.
    FButtons[static_cast<std::size_t>(index)]->SetChecked(true);
    return;
  }
  FButtons[static_cast<std::size_t>(FItemIndex)]->SetChecked(false);
  FItemIndex = -1;
}

void TCustomRadioGroup::SetColumns(int columns) {
  columns = std::clamp(columns, 1, 16);
  if (columns == FColumns) return;
  FColumns = columns;
  Realign();
}

void TCustomRadioGroup::ItemsChanged(TItemChange change, int index) {
  switch (change) {
    case TItemChange::icInserted: {
      auto* button = new TRadioButton(this);
      button->SetCaption(FItems->Get(index));
      button->OnClick = TNotifyEvent::Of<&TCustomRadioGroup::ButtonClicked>(this);
      FButtons.insert(FButtons.begin() + index, button);
      button->SetParent(this);
      break;
    }
    case TItemChange::icDeleting: delete FButtons[static_cast<std::size_t>(index)]; break;
    case TItemChange::icChanged: FButtons[static_cast<std::size_t>(index)]->SetCaption(FItems->Get(index)); break;
    case TItemChange::icCleared:
      while (!FButtons.empty()) delete FButtons.back();
      break;
  }
  const auto checked = std::find_if(FButtons.begin(), FButtons.end(), [](const TRadioButton* b) { return b->Checked(); });
  FItemIndex = checked == FButtons.end() ? -1 : static_cast<int>(checked - FButtons.begin());
  Realign();
}

// A button freed, by the group or by anyone, leaves the group's buttons.
void TCustomRadioGroup::Notification(TComponent* component, TOperation operation) {
  TCustomGroupBox::Notification(component, operation);
  if (operation == TOperation::opRemove) {
    std::erase_if(FButtons, [component](const TRadioButton* button) { return button == component; });
  }
}

void TCustomRadioGroup::ButtonClicked(TObject* sender) {
  const auto found = std::find(FButtons.begin(), FButtons.end(), sender);
  if (found == FButtons.end()) return;
  FItemIndex = static_cast<int>(found - FButtons.begin());
  Click();
}

// The buttons fill the area inside the frame column by column, each as
// high as a row.
void TCustomRadioGroup::AlignControls() {
  TCustomGroupBox::AlignControls();
  if (FButtons.empty()) return;
  RECT area = ClientRect();
  AdjustClientRect(area);
  const int count = static_cast<int>(FButtons.size());
  const int rows = (count + FColumns - 1) / FColumns;
  const int columnWidth = (area.right - area.left) / FColumns;
  const int rowHeight = (area.bottom - area.top) / rows;
  for (int i = 0; i < count; ++i) {
    const int column = i / rows;
    const int row = i % rows;
    FButtons[static_cast<std::size_t>(i)]->SetBounds(area.left + column * columnWidth + 6,
                                                     area.top + row * rowHeight, columnWidth - 8, rowHeight);
  }
}
