#include <gtest/gtest.h>

#include "tools/skingen/SkinIni.h"

TEST(SkinIni, ReadsSectionsAndKeysAsTheEngineDoes) {
  const TSkinIni ini(
      "top=1\r\n"
      "[A]\r"
      "  x = 5 \n"
      ";c=1\n"
      "\n"
      "Empty=\n"
      "empty=9\n"
      "Text=255;comment\n"
      "[ B ]\n"
      "X=7\n"
      "[a]\n"
      "x=6\n");
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"A", "B", "a"}));
  EXPECT_EQ(ini.Value("a", "X"), "5");  // sections ignore case; the first of a name counts
  EXPECT_EQ(ini.Value(" b ", "x"), "7");
  EXPECT_EQ(ini.Value("B", "x"), std::nullopt);  // blanks inside the brackets count
  EXPECT_EQ(ini.Value("A", "c"), std::nullopt);      // a comment line
  EXPECT_EQ(ini.Value("A", "empty"), std::nullopt);  // the first line of a key counts, even when empty
  EXPECT_EQ(ini.Value("A", "text"), "255;comment");  // no end-of-line comments
  EXPECT_EQ(ini.Value("C", "x"), std::nullopt);
  EXPECT_EQ(ini.Integer("A", "x", -1), 5);
  EXPECT_EQ(ini.Integer("A", "text", -1), -1);
  EXPECT_EQ(ini.Integer("A", "missing", 3), 3);
  EXPECT_FALSE(ini.HasSection("top"));
}
