#include "skin/data/WinSkinIni.h"

#include <gtest/gtest.h>

#include "ui/Stream.h"

namespace {

TQuickIni Load(const std::string& text) {
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), text.size());
  stream.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  return ini;
}

std::string ReadString(const TQuickIni& ini, const std::string& section, const std::string& key) {
  std::string value = "?";
  ini.ReadString(section, key, value, "default");
  return value;
}

std::vector<std::string> Sections(const TQuickIni& ini) {
  TStringList list{"left over"};
  ini.ReadSections(list);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) {
    EXPECT_EQ(list.GetData(i), 0);
    names.push_back(list[i]);
  }
  return names;
}

}  // namespace

TEST(QuickIni, KeepsHeadersAndEntriesAndDropsBlanksAndComments) {
  const TQuickIni ini = Load("[A]\r\nx = 5 \r\n;c=1\r\n\r\n[B]\r\nX=7");
  EXPECT_EQ(ini.FindSection("A"), 0);
  EXPECT_EQ(ini.FindSection("b"), 2);
  EXPECT_EQ(ini.ReadInteger("a", "X", -1), 5);
  EXPECT_EQ(ini.ReadInteger("B", "x", -1), 7);
  EXPECT_EQ(ini.ReadInteger("A", "c", -1), -1);
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"A", "B"}));
}

TEST(QuickIni, ReadsStringsByTheRulesOfTheFormat) {
  const TQuickIni ini = Load(
      "top=outside any section\n"
      "[Fonts]\n"
      "Name = Tahoma\n"
      "Empty=\n"
      "Empty=9\n"
      "Color=255;comment\n"
      "a=b=c\n"
      "  Spaced Key  =  spaced value  \n"
      "[\t\t\n"
      "After=bracket line\n"
      "[Fonts]\n"
      "Second=ignored\n"
      "[Other]\n"
      "Name=other\n");
  const struct {
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"Fonts", "name", "Tahoma"},
      {"FONTS", "NAME", "Tahoma"},
      {"Fonts", "Empty", "default"},  // the first line of a key decides, even when empty
      {"Fonts", "Color", "255;comment"},
      {"Fonts", "a", "b=c"},
      {"Fonts", "spaced key", "spaced value"},
      {"Fonts", "After", "bracket line"},  // "[" without "]" does not end the section
      {"Fonts", "", "["},                  // ... it is an entry with the empty key
      {"Fonts", "Second", "default"},      // only the first [Fonts] is searched
      {"Other", "name", "other"},
      {"Fonts", "top", "default"},
      {"Missing", "name", "default"},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadString(ini, c.section, c.key), c.value) << c.section << "/" << c.key;
}

TEST(QuickIni, ReadsIntegersInDecimalAndHexadecimal) {
  const TQuickIni ini = Load(
      "[N]\n"
      "hex=0x1F\n"
      "HEX=0X1f\n"
      "dollar=$1F\n"
      "bare=1F\n"
      "negative=-12\n"
      "plus=+12\n"
      "comment=255;comment\n"
      "big=2147483648\n"
      "small=-2147483648\n"
      "word=ten\n"
      "empty=\n"
      "inner=1 2\n");
  const struct {
    const char* key;
    int value;
  } cases[] = {{"hex", 31},       {"HEX", 31},         {"dollar", 31}, {"bare", -1},
               {"negative", -12}, {"plus", 12},        {"comment", -1}, {"big", -1},
               {"small", -2147483647 - 1}, {"word", -1}, {"empty", -1},  {"inner", -1},
               {"missing", -1}};
  for (const auto& c : cases) EXPECT_EQ(ini.ReadInteger("N", c.key, -1), c.value) << c.key;
}

TEST(QuickIni, FindsSectionsWithoutRegardToCaseButWithTheirSpaces) {
  const TQuickIni ini = Load(";head\n[Personality]\nx=1\n[ Buttons ]\n[Title.Bar]\n[]\n[PERSONALITY]\nx=2\n");
  EXPECT_EQ(ini.FindSection("personality"), 0);
  EXPECT_EQ(ini.FindSection("PERSONALITY"), 0);
  EXPECT_EQ(ini.FindSection("Buttons"), -1);
  EXPECT_EQ(ini.FindSection(" buttons "), 2);
  EXPECT_EQ(ini.FindSection("title.bar"), 3);
  EXPECT_EQ(ini.FindSection(""), 4);
  EXPECT_EQ(ini.FindSection("Personality]"), -1);
  // A later section whose name differs only in letter case is listed but
  // never read.
  EXPECT_EQ(ini.ReadInteger("personality", "x", -1), 1);
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"Personality", "Buttons", "Title.Bar", "", "PERSONALITY"}));
}

TEST(QuickIni, LoadsFromTheStreamPositionUpToAZeroByte) {
  std::string text = "[skip]\r\n[A]\rk=1\n\n[B]\r\nk=2\r\n";
  text += '\0';
  text += "[C]\r\nk=3";
  TMemoryStream stream;
  stream.WriteBuffer(text.data(), text.size());
  stream.SetPosition(8);
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(ini.ReadInteger("B", "k", -1), 2);

  // A new text replaces the old one; no stream changes nothing.
  TMemoryStream other;
  other.WriteBuffer("[C]\nk=3", 7);
  other.SetPosition(0);
  ini.LoadFromStream(&other);
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(Sections(ini), (std::vector<std::string>{"C"}));
  EXPECT_EQ(ini.ReadInteger("A", "k", -1), -1);
  EXPECT_EQ(ini.ReadInteger("C", "k", -1), 3);
}

TEST(QuickIni, EmptyTextGivesDefaults) {
  const TQuickIni ini = Load("");
  EXPECT_EQ(ReadString(ini, "A", "b"), "default");
  EXPECT_EQ(ini.FindSection("A"), -1);
  EXPECT_TRUE(Sections(ini).empty());
}
