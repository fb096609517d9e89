#include "tools/extdat/Table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// UTF-8 text, whatever the execution character set of plain literals.
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

}  // namespace

TEST(Table, ReadsRecordsSkippingCommentsAndBlankLines) {
  const auto rows = ParseTable(U8(u8"\uFEFF# a comment\r\n"
                                   u8".png\t0\t89504E47\tPNG 图像\r\n"
                                   u8"\n"
                                   u8"*grp\t8\t57415645\t 音频：.wav .wave\n"
                                   u8".txt\t\t\t纯文本"));
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0].Line, 2);
  EXPECT_EQ(rows[0].Record.Ext.Str(), ".png");
  EXPECT_EQ(rows[0].Record.HeadOffset, 0);
  EXPECT_EQ(rows[0].Record.SignLen, 4);
  EXPECT_EQ(rows[0].Record.Sign[0], 0x89);
  EXPECT_EQ(rows[0].Record.Desc.Str(), "PNG 图像");  // stored in GBK
  EXPECT_EQ(rows[1].Record.Desc.Str(), " 音频：.wav .wave");
  EXPECT_EQ(rows[1].Record.HeadOffset, 8);
  EXPECT_EQ(rows[2].Line, 5);
  EXPECT_EQ(rows[2].Record.SignLen, 0);
}

TEST(Table, RejectsMalformedLinesWithTheirNumber) {
  struct Case {
    std::u8string_view line;
    const char* what;
  };
  const Case cases[] = {
      {u8".png\t0\t89504e47", "expected 4"},
      {u8".png\t0\t89504e47\tPNG\textra", "expected 4"},
      {u8".PNG\t\t\tPNG", "not lower case"},
      {u8".abcdefghij\t\t\tlong key", "not 1 to 10 bytes"},
      {u8"\t\t\tno key", "not 1 to 10 bytes"},
      {u8".png\t0\t\tPNG", "go together"},
      {u8".png\t\t8950\tPNG", "go together"},
      {u8".png\t0\t895\tPNG", "not 1 to 11 bytes"},
      {u8".png\t0\t89504e4789504e4789504e47\tPNG", "not 1 to 11 bytes"},
      {u8".png\t0\t89zz\tPNG", "not hex"},
      {u8".png\tx\t89\tPNG", "bad offset"},
      {u8".png\t50\t8950\tPNG", "beyond the 51-byte header"},
      {u8".png\t\t\t  ", "empty description"},
      {u8".png\t\t\t😀", "no GBK form"},
  };
  for (const Case& c : cases) {
    try {
      ParseTable(U8(u8"# first line\n") + U8(c.line));
      ADD_FAILURE() << "accepted: " << U8(c.line);
    } catch (const ETableError& e) {
      const std::string what = e.what();
      EXPECT_EQ(what.rfind("line 2: ", 0), 0u) << what;
      EXPECT_NE(what.find(c.what), std::string::npos) << what;
    }
  }
  EXPECT_THROW(ParseTable(U8(u8".x\t\t\t") + std::string(251, 'd')), ETableError);
  std::string chinese;  // 125 characters, 250 bytes in GBK
  for (int i = 0; i < 125; ++i) chinese += U8(u8"中");
  EXPECT_NO_THROW(ParseTable(".x\t\t\t" + chinese));
  EXPECT_THROW(ParseTable(".x\t\t\t" + chinese + U8(u8"文")), ETableError);
}

TEST(Table, FormattedRecordsReadBackUnchanged) {
  TExtRecord r;
  r.Ext.Assign("*zip");
  r.HeadOffset = 30;
  r.SignLen = 3;
  r.Sign = {0x00, 0xff, 0x5b};
  r.Desc.Assign(" 压缩文件：.zip .jar");
  EXPECT_EQ(FormatTableRow(r), U8(u8"*zip\t30\t00ff5b\t 压缩文件：.zip .jar"));
  TExtRecord keyed;
  keyed.Ext.Assign(".txt");
  keyed.Desc.Assign("纯文本");
  EXPECT_EQ(FormatTableRow(keyed), U8(u8".txt\t\t\t纯文本"));
  const auto rows = ParseTable(FormatTableRow(r) + "\n" + FormatTableRow(keyed));
  EXPECT_EQ(rows.at(0).Record, r);
  EXPECT_EQ(rows.at(1).Record, keyed);
}

TEST(Table, FormattedRecordsStayOnOneLine) {
  TExtRecord r;
  r.Ext.Assign(".a");
  r.Desc.Assign("x\ty\r\nz");
  EXPECT_EQ(FormatTableRow(r), ".a\t\t\tx y  z");
}
