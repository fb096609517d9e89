#include "tools/extdat/Checker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TExtRecord Record(std::string_view key, std::string_view desc, int offset = 0, std::string_view sign = {}) {
  TExtRecord r;
  r.Ext.Assign(key);
  r.Desc.Assign(desc);
  r.HeadOffset = offset;
  r.SignLen = static_cast<int>(sign.size());
  std::copy(sign.begin(), sign.end(), r.Sign.begin());
  return r;
}

std::vector<std::string> Problems(const std::vector<TExtRecord>& records, std::size_t trailing = 0) {
  return CheckExtDat({records, trailing}).Problems;
}

}  // namespace

TEST(Checker, FindsNothingWrongWithASoundDatabase) {
  const std::vector<TExtRecord> records = {
      Record(".docx", "Word 文档", 30, "[Content_Ty"), Record("*zip", " 压缩文件等：.zip .docx", 0, "PK\3\4"),
      Record(".png", "PNG 图像", 0, "\x89PNG"),       Record(".png", "PNG 图像", 0, "\x8aPNG"),
      Record(".zip", "压缩文件"),                     Record(".docx", "Word 文档"),
  };
  const TCheckReport report = CheckExtDat({records, 0});
  EXPECT_TRUE(report.Problems.empty());
  EXPECT_EQ(report.Records, 6u);
  EXPECT_EQ(report.Signatures, 4u);
  EXPECT_EQ(report.ChineseDescriptions, 6u);
}

TEST(Checker, ReportsEachKindOfFault) {
  struct Case {
    const char* what;
    std::vector<TExtRecord> records;
    const char* problem;
  };
  TExtRecord longKey = Record(".ok", "ok");
  longKey.Ext.Length = 11;
  TExtRecord longDesc = Record(".ok", "ok");
  longDesc.Desc.Length = 251;
  const Case cases[] = {
      {"key too long", {longKey}, "key length 11 is more than 10"},
      {"description too long", {longDesc}, "description length 251 is more than 250"},
      {"capitals", {Record(".TXT", "text")}, "not lower case"},
      {"half a character", {Record(".txt", "文本\xce")}, "description is not valid GBK"},
      {"bad key bytes", {Record(".\x81\x7f", "x")}, "key is not valid GBK"},
      {"empty description", {Record(".txt", " ")}, "description is empty"},
      {"negative offset", {Record(".a", "a", -1, "AB")}, "outside the 51-byte header"},
      {"past the header", {Record(".a", "a", 45, "ABCDEFG")}, "outside the 51-byte header"},
      {"hidden", {Record(".a", "a", 0, "AB"), Record(".b", "b", 0, "ABC")}, "record 2 (.b): signature can never match first: record 1 (.a)"},
      {"hidden inside", {Record(".a", "a", 2, "CD"), Record(".b", "b", 0, "ABCDE")}, "record 2 (.b): signature can never match first"},
      {"duplicate key", {Record(".a", "one"), Record(".a", "two")}, "record 1 (.a): duplicate key; the extension lookup answers with record 2"},
      {"key hidden by a signature", {Record(".a", "plain"), Record(".a", "signed", 0, "AB")}, "record 1 (.a): duplicate key"},
  };
  for (const Case& c : cases) {
    const auto problems = Problems(c.records);
    ASSERT_EQ(problems.size(), 1u) << c.what;
    EXPECT_NE(problems[0].find(c.problem), std::string::npos) << c.what << ": " << problems[0];
  }
  EXPECT_EQ(Problems({Record(".a", "a")}, 100), std::vector<std::string>{"100 bytes after the last whole record"});
}

TEST(Checker, AcceptsWhatCannotMislead) {
  // Signatures that only overlap, equal duplicates, several signatures of
  // one key, and a signature after a more specific one.
  EXPECT_TRUE(Problems({Record(".a", "a", 0, "ABC"), Record(".b", "b", 1, "BCD"), Record(".c", "c", 0, "AB"),
                        Record(".d", "d"), Record(".d", "d"), Record(".e", "one", 0, "EE"), Record(".e", "two", 0, "EF")})
                  .empty());
}
