#pragma once
// String lists: an ordered list of 8-bit strings, each with an associated
// number. TStrings is the interface (a memo's lines implement it over the
// window's text); TStringList keeps its strings in memory.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Object.h"

class TStream;

class TStrings : public TObject {
 public:
  QV_CLASS(TStrings, TObject)

  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Put(int index, const std::string& text);
  virtual std::intptr_t GetData(int index) const;
  virtual void PutData(int index, std::intptr_t data);
  virtual void Insert(int index, const std::string& text) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  std::string operator[](int index) const { return Get(index); }
  int Add(const std::string& text);
  int AddData(const std::string& text, std::intptr_t data);
  // Index of the first string equal to text (exact bytes), or -1.
  int IndexOf(std::string_view text) const;
  void Assign(const TStrings& source);

  // Every line followed by CR LF.
  std::string Text() const;
  // Replaces the content with the lines of text: lines end at CR, LF or
  // CR LF; a final line end adds no line; a zero byte ends the text.
  void SetText(std::string_view text);
  // Replaces the content with the stream's text from its position on;
  // nothing is left when the position is at or past the end.
  void LoadFromStream(TStream& stream);

  // Nested update mode: SetUpdateState(true) on the first BeginUpdate,
  // SetUpdateState(false) on the matching last EndUpdate.
  void BeginUpdate();
  void EndUpdate();

 protected:
  virtual void SetUpdateState(bool /*updating*/) {}
  void CheckIndex(int index) const;

 private:
  int FUpdateCount = 0;
};

class TStringList : public TStrings {
 public:
  QV_CLASS(TStringList, TStrings)

  TStringList() = default;
  TStringList(std::initializer_list<std::string> lines);

  int Count() const override { return static_cast<int>(FItems.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& text) override;
  std::intptr_t GetData(int index) const override;
  void PutData(int index, std::intptr_t data) override;
  void Insert(int index, const std::string& text) override;
  void Delete(int index) override;
  void Clear() override { FItems.clear(); }

 private:
  struct Item {
    std::string Text;
    std::intptr_t Data = 0;
  };
  std::vector<Item> FItems;
};
