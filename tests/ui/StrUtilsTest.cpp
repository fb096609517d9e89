#include "ui/StrUtils.h"

#include <gtest/gtest.h>

TEST(StrUtils, ChangesTheCaseOfAsciiLettersOnlyAndTrimsControlBytes) {
  const struct {
    const char* text;
    const char* lower;
    const char* upper;
  } cases[] = {
      // 0xC4 0xDA is a double-byte character whose bytes must not change.
      {"A.TXT\xC4\xDA", "a.txt\xC4\xDA", "A.TXT\xC4\xDA"},
      // A trail byte among the letters is part of its character and stays ...
      {"\x81\x41", "\x81\x41", "\x81\x41"},
      {".\xB0\x5A\xB0\x41", ".\xB0\x5A\xB0\x41", ".\xB0\x5A\xB0\x41"},
      {"\x81\x61", "\x81\x61", "\x81\x61"},
      // ... and the letter after the character changes.
      {"\xB0\x41\x42", "\xB0\x41\x62", "\xB0\x41\x42"},
      {"\xB0\xA1X", "\xB0\xA1x", "\xB0\xA1X"},
      // A lead byte at the end pairs with nothing.
      {"Z\xB0", "z\xB0", "Z\xB0"},
      {"[Buttons]", "[buttons]", "[BUTTONS]"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AsciiLowerCase(c.text), c.lower) << c.text;
    EXPECT_EQ(AsciiUpperCase(c.text), c.upper) << c.text;
  }
  EXPECT_EQ(Trim("\t\r\n x y \x01"), "x y");
  EXPECT_TRUE(IsBlank(" \x1F\t"));
  EXPECT_FALSE(IsBlank(" \x21 "));
}

TEST(StrUtils, DoubleByteCharactersAreLeadAndTrailOfTheCodePage) {
  const struct {
    const char* pair;
    bool doubleByte;
  } cases[] = {
      {"\xB0\xA1", true},
      {"\x81\x40", true},
      {"\xFE\xFE", true},
      {"\x81\x5C", true},  // the trail byte looks like a backslash
      {"AB", false},
      {"\x80\x41", false},
      {"\xFF\x41", false},
      {"\x41\xB0", false},
#ifndef _WIN32
      // GBK has no trail byte below 0x40, at 0x7F or at 0xFF.
      {"\xE4\x2F", false},
      {"\x81\x7F", false},
      {"\x81\xFF", false},
#endif
  };
  for (const auto& c : cases) EXPECT_EQ(IsDoubleByte(c.pair[0], c.pair[1]), c.doubleByte) << c.pair;
}

TEST(StrUtils, AnsiSameTextIgnoresLetterCaseOnly) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"[Buttons]", "[BUTTONS]", true},
      {"[Buttons]", "[buttons]", true},
      {"", "", true},
      {"a", "", false},
      {"", "a", false},
      {"ab", "abc", false},
      {"[a]", "[b]", false},
      {"a b", "ab", false},
      // GBK: the letter after a double-byte character folds ...
      {"\xB0\xA1X", "\xB0\xA1x", true},
      // ... but a trail byte that looks like a letter is part of its
      // character: 0x81 0x41 and 0x81 0x61 are two different characters.
      {"\x81\x41", "\x81\x61", false},
      {"\xB0\xA1", "\xB0\xA2", false},
  };
  for (const auto& c : cases) EXPECT_EQ(AnsiSameText(c.a, c.b), c.same) << c.a << " / " << c.b;
}

TEST(StrUtils, TryStrToIntConvertsAsTheRuntimeDoes) {
  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"0", true, 0},
      {"42", true, 42},
      {"   42", true, 42},
      {"+42", true, 42},
      {"-42", true, -42},
      {"007", true, 7},
      {"$1F", true, 31},
      {"$1f", true, 31},
      {"x1F", true, 31},
      {"X1F", true, 31},
      {"0x1F", true, 31},
      {"0X1F", true, 31},
      {"-$10", true, -16},
      {"-0x10", true, -16},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"$7FFFFFFF", true, 2147483647},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"$80000000", false, 0},
      {"99999999999999999999999", false, 0},
      {"", false, 0},
      {" ", false, 0},
      {"+", false, 0},
      {"-", false, 0},
      {"$", false, 0},
      {"0x", false, 0},
      {"42 ", false, 0},
      {"\t42", false, 0},
      {"1F", false, 0},
      {"4.2", false, 0},
      {"$G", false, 0},
      {"- 1", false, 0},
      {"--1", false, 0},
  };
  for (const auto& c : cases) {
    int value = 12345;
    EXPECT_EQ(TryStrToInt(c.text, value), c.ok) << c.text;
    EXPECT_EQ(value, c.ok ? c.value : 12345) << c.text;
  }
}

TEST(StrUtils, IdentifiersAreTheSameInAnyLetterCase) {
  const struct {
    const char* a;
    const char* b;
    bool same;
  } cases[] = {
      {"Caption", "caption", true},
      {"NUMGLYPHS", "NumGlyphs", true},
      {"Glyph", "Glyphs", false},
      {"", "", true},
      {"Tag", "Ta", false},
      // Only letters fold: '@' and '`' are not 'A' and 'a' of each other.
      {"@", "`", false},
      // A double-byte character never equals letters.
      {"\xB0\x41", "\xB0\x61", false},
      {"\xB0\x41", "\xB0\x41", true},
  };
  for (const auto& c : cases) EXPECT_EQ(SameIdentifier(c.a, c.b), c.same) << c.a << " / " << c.b;
}
