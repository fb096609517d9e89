#include "tools/extdat/Checker.h"

#include <gtest/gtest.h>

#include <stdexcept>
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

std::vector<std::string> Problems(const std::vector<TExtRecord>& records, std::size_t trailing = 0,
                                  const std::vector<std::string>& expected = {}) {
  return CheckExtDat({records, trailing}, expected).Problems;
}

}  // namespace

TEST(Checker, FindsNothingWrongWithASoundDatabase) {
  const std::vector<TExtRecord> records = {
      Record(".docx", "Word 文档", 30, "[Content_Ty"), Record("*zip", " 压缩文件等：.zip .docx", 0, "PK\3\4"),
      Record(".png", "PNG 图像", 0, "\x89PNG"),       Record(".png", "PNG 图像", 0, "\x8aPNG"),
      Record(".zip", "压缩文件"),                     Record(".docx", "Word 文档"),
      Record("*st", "权重（.safetensors）"),
  };
  const TCheckReport report = CheckExtDat({records, 0}, {".zip", ".docx", ".png", ".safetensors"});
  EXPECT_TRUE(report.Problems.empty());
  EXPECT_EQ(report.Records, 7u);
  EXPECT_EQ(report.Signatures, 4u);
  EXPECT_EQ(report.ChineseDescriptions, 7u);
}

TEST(Checker, ReportsEachKindOfFault) {
  struct Case {
    const char* what;
    std::vector<TExtRecord> records;
    const char* problem;
  };
  TExtRecord longKey = Record(".ok", "好");
  longKey.Ext.Length = 11;
  TExtRecord longDesc = Record(".ok", "好");
  longDesc.Desc.Length = 251;
  const Case cases[] = {
      {"key too long", {longKey}, "key length 11 is more than 10"},
      {"description too long", {longDesc}, "description length 251 is more than 250"},
      {"capitals", {Record(".TXT", "文本")}, "not lower case"},
      {"half a character", {Record(".txt", "文本\xce")}, "description is not valid GBK"},
      {"bad key bytes", {Record(".\x81\x7f", "甲")}, "key is not valid GBK"},
      {"empty description", {Record(".txt", " ")}, "description is empty"},
      {"no Chinese", {Record(".txt", "Plain text")}, "record 1 (.txt): description has no Chinese text"},
      {"negative offset", {Record(".a", "甲", -1, "AB")}, "outside the 51-byte header"},
      {"past the header", {Record(".a", "甲", 45, "ABCDEFG")}, "outside the 51-byte header"},
      {"hidden", {Record(".a", "甲", 0, "AB"), Record(".b", "乙", 0, "ABC")},
       "record 2 (.b): signature can never match first: record 1 (.a)"},
      {"hidden inside", {Record(".a", "甲", 2, "CD"), Record(".b", "乙", 0, "ABCDE")},
       "record 2 (.b): signature can never match first"},
      {"shared without a group", {Record(".exe", "程序", 0, "MZ"), Record(".dll", "动态链接库", 0, "MZ")},
       "record 2 (.dll): shares its signature with record 1 (.exe), which says something else: a group record"},
      {"shared after its group", {Record("*pe", " 程序等：.exe .dll", 0, "MZ"), Record(".dll", "动态链接库", 0, "MZ")},
       "record 2 (.dll): signature can never match first: record 1 (*pe)"},
      {"duplicate key", {Record(".a", "一"), Record(".a", "二")},
       "record 1 (.a): duplicate key; the extension lookup answers with record 2"},
      {"key hidden by a signature", {Record(".a", "一"), Record(".a", "二", 0, "AB")}, "record 1 (.a): duplicate key"},
  };
  for (const Case& c : cases) {
    const auto problems = Problems(c.records);
    ASSERT_EQ(problems.size(), 1u) << c.what << ": " << (problems.empty() ? "" : problems[0]);
    EXPECT_NE(problems[0].find(c.problem), std::string::npos) << c.what << ": " << problems[0];
  }
  EXPECT_EQ(Problems({Record(".a", "甲")}, 100), std::vector<std::string>{"100 bytes after the last whole record"});
}

TEST(Checker, AcceptsWhatCannotMislead) {
  // Signatures that only overlap, equal duplicates, several signatures of
  // one key, and a signature after a more specific one.
  EXPECT_TRUE(Problems({Record(".a", "甲", 0, "ABC"), Record(".b", "乙", 1, "BCD"), Record(".c", "丙", 0, "AB"),
                        Record(".d", "丁"), Record(".d", "丁"), Record(".e", "一", 0, "EE"), Record(".e", "二", 0, "EF")})
                  .empty());
}

TEST(Checker, ReportsEveryExpectedExtensionThatNoRecordKnows) {
  const std::vector<TExtRecord> records = {
      Record("*pe", " 程序等：.exe .dll", 0, "MZ"),  // a listing is no record of .dll
      Record(".exe", "程序"),
      Record("*st", "权重（.safetensors）"),
  };
  EXPECT_EQ(Problems(records, 0, {".exe", ".dll", ".safetensors", ".onnx", ".averylongext"}),
            (std::vector<std::string>{"common extension .dll has no record", "common extension .onnx has no record",
                                      "common extension .averylongext has no record"}));
}

TEST(Checker, ReadsAListOfExtensions) {
  EXPECT_EQ(ParseExtensionList("# Programs\n.exe .dll\t.sys # drivers\n\n  .safetensors\r\n"),
            (std::vector<std::string>{".exe", ".dll", ".sys", ".safetensors"}));
  for (const char* bad : {".EXE", "exe", "."}) EXPECT_THROW(ParseExtensionList(bad), std::invalid_argument) << bad;
  // The list built into the tool reads.
  EXPECT_GT(ParseExtensionList(kWindowsExtensions).size(), 100u);
}
