#include "ui/ItemStrings.h"

QV_CLASS_INFO(TItemStrings, {});

void TItemStrings::Put(int index, const std::string& text) {
  TStringList::Put(index, text);
  FOnChange(TItemChange::icChanged, index);
}

void TItemStrings::Insert(int index, const std::string& text) {
  TStringList::Insert(index, text);
  FOnChange(TItemChange::icInserted, index);
}

void TItemStrings::Delete(int index) {
  CheckIndex(index);
  FOnChange(TItemChange::icDeleting, index);
  TStringList::Delete(index);
}

void TItemStrings::Clear() {
  TStringList::Clear();
  FOnChange(TItemChange::icCleared, -1);
}
