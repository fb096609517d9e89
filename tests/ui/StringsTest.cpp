#include "ui/Strings.h"

#include <gtest/gtest.h>

#include "ui/Exception.h"
#include "ui/Stream.h"

namespace {

std::vector<std::string> Lines(const TStrings& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

}  // namespace

TEST(Strings, SetTextSplitsAtEveryKindOfLineEnd) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}},
      {"a\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {std::string("a\nb\0c\nd", 7), {"a", "b"}},
  };
  for (const Case& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(Lines(list), c.lines) << c.text;
  }
}

TEST(Strings, TextEndsEveryLineWithCrLf) {
  TStringList list{"把文件", "", "b"};
  EXPECT_EQ(list.Text(), "把文件\r\n\r\nb\r\n");
}

TEST(Strings, KeepsDataThroughEditsAndAssign) {
  TStringList list;
  list.AddData("a", 7);
  list.Insert(0, "z");
  list.Put(1, "b");
  EXPECT_EQ(list.GetData(1), 7);
  TStringList copy;
  copy.Assign(list);
  EXPECT_EQ(Lines(copy), (std::vector<std::string>{"z", "b"}));
  EXPECT_EQ(copy.GetData(1), 7);
  EXPECT_EQ(copy.IndexOf("b"), 1);
  EXPECT_EQ(copy.IndexOf("B"), -1);
  EXPECT_THROW(copy.Get(2), Exception);
  EXPECT_THROW(copy.Insert(3, "x"), Exception);
}

TEST(Strings, LoadsFromTheStreamPosition) {
  const struct {
    std::int64_t position;
    std::vector<std::string> lines;
  } cases[] = {
      {0, {"skip", "x=1"}},
      {6, {"x=1"}},
      {11, {}},   // at the end
      {100, {}},  // past the end
  };
  for (const auto& c : cases) {
    TMemoryStream stream;
    stream.WriteBuffer("skip\r\nx=1\r\n", 11);
    stream.SetPosition(c.position);
    TStringList list{"old"};
    list.LoadFromStream(stream);
    EXPECT_EQ(Lines(list), c.lines) << c.position;
  }
}
