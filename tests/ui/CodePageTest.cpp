#include "ui/CodePage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// UTF-8 text, whatever the execution character set of plain literals (GBK).
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST(CodePage, ConvertsBetweenUtf8AndGbk) {
  struct Case {
    std::string utf8;
    std::string gbk;
  };
  const Case cases[] = {
      {"", ""},
      {"plain ASCII", "plain ASCII"},
      {U8(u8"文件类型：.png"), "文件类型：.png"},
      {U8(u8"繁體字"), "繁體字"},  // GBK holds traditional characters too
  };
  for (const Case& c : cases) {
    const TConversion gbk = Utf8ToGbk(c.utf8);
    EXPECT_TRUE(gbk.Exact) << c.utf8;
    EXPECT_EQ(gbk.Text, c.gbk);
    const TConversion utf8 = GbkToUtf8(c.gbk);
    EXPECT_TRUE(utf8.Exact) << c.utf8;
    EXPECT_EQ(utf8.Text, c.utf8);
  }
}

TEST(CodePage, MarksWhatDoesNotConvert) {
  const TConversion emoji = Utf8ToGbk(U8(u8"a😀b"));
  EXPECT_FALSE(emoji.Exact);
  EXPECT_EQ(emoji.Text.front(), 'a');
  EXPECT_EQ(emoji.Text.back(), 'b');
  EXPECT_FALSE(Utf8ToGbk("bad \xC3(").Exact);
  EXPECT_FALSE(GbkToUtf8("half \xCE").Exact);
  EXPECT_FALSE(GbkToUtf8("\x81\x7F").Exact);
}

TEST(CodePage, TellsExactGbkText) {
  EXPECT_TRUE(IsExactGbk("纯文本 plain"));
  EXPECT_TRUE(IsExactGbk(""));
  EXPECT_FALSE(IsExactGbk("纯文\xCE"));
  EXPECT_FALSE(IsExactGbk("\x81\x7F"));
}

TEST(CodePage, CutsWithoutSplittingACharacter) {
  const std::string text = "ab中文";  // 2 + 2 + 2 bytes
  EXPECT_EQ(CutGbk(text, 10), text);
  EXPECT_EQ(CutGbk(text, 6), text);
  EXPECT_EQ(CutGbk(text, 5), "ab中");
  EXPECT_EQ(CutGbk(text, 3), "ab");
  EXPECT_EQ(CutGbk(text, 0), "");
}

TEST(CodePage, FindsChineseText) {
  EXPECT_TRUE(HasDoubleByteChar("PNG 图像"));
  EXPECT_FALSE(HasDoubleByteChar("PNG image"));
  EXPECT_FALSE(HasDoubleByteChar("\x81"));
}
