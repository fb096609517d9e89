#include "ui/Strings.h"

#include <algorithm>

#include "ui/Exception.h"
#include "ui/Stream.h"

QV_CLASS_INFO(TStrings, {});
QV_CLASS_INFO(TStringList, {});

void TStrings::Put(int index, const std::string& text) {
  const std::intptr_t data = GetData(index);
  Delete(index);
  Insert(index, text);
  PutData(index, data);
}

std::intptr_t TStrings::GetData(int index) const {
  CheckIndex(index);
  return 0;
}

void TStrings::PutData(int index, std::intptr_t) { CheckIndex(index); }

void TStrings::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  }
}

int TStrings::Add(const std::string& text) {
  const int index = Count();
  Insert(index, text);
  return index;
}

int TStrings::AddData(const std::string& text, std::intptr_t data) {
  const int index = Add(text);
  PutData(index, data);
  return index;
}

int TStrings::IndexOf(std::string_view text) const {
  for (int i = 0; i < Count(); ++i) {
    if (Get(i) == text) return i;
  }
  return -1;
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  BeginUpdate();
  Clear();
  for (int i = 0; i < source.Count(); ++i) AddData(source.Get(i), source.GetData(i));
  EndUpdate();
}

std::string TStrings::Text() const {
  std::string text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += "\r\n";
  }
  return text;
}

void TStrings::SetText(std::string_view text) {
  BeginUpdate();
  Clear();
  std::size_t i = 0;
  const std::size_t end = std::min(text.size(), text.find('\0'));
  while (i < end) {
    std::size_t stop = i;
    while (stop < end && text[stop] != '\r' && text[stop] != '\n') ++stop;
    Add(std::string(text.substr(i, stop - i)));
    i = stop;
    if (i < end && text[i] == '\r') ++i;
    if (i < end && text[i] == '\n') ++i;
  }
  EndUpdate();
}

void TStrings::LoadFromStream(TStream& stream) {
  // A stream positioned at or past its end holds no text: the list empties.
  const std::int64_t left = std::max<std::int64_t>(stream.Size() - stream.Position(), 0);
  std::string text(static_cast<std::size_t>(left), '\0');
  stream.ReadBuffer(text.data(), text.size());
  SetText(text);
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (--FUpdateCount == 0) SetUpdateState(false);
}

TStringList::TStringList(std::initializer_list<std::string> lines) {
  for (const std::string& line : lines) Add(line);
}

std::string TStringList::Get(int index) const {
  CheckIndex(index);
  return FItems[static_cast<std::size_t>(index)].Text;
}

void TStringList::Put(int index, const std::string& text) {
  CheckIndex(index);
  FItems[static_cast<std::size_t>(index)].Text = text;
}

std::intptr_t TStringList::GetData(int index) const {
  CheckIndex(index);
  return FItems[static_cast<std::size_t>(index)].Data;
}

void TStringList::PutData(int index, std::intptr_t data) {
  CheckIndex(index);
  FItems[static_cast<std::size_t>(index)].Data = data;
}

void TStringList::Insert(int index, const std::string& text) {
  if (index < 0 || index > Count()) CheckIndex(index);
  FItems.insert(FItems.begin() + index, Item{text, 0});
}

void TStringList::Delete(int index) {
  CheckIndex(index);
  FItems.erase(FItems.begin() + index);
}
