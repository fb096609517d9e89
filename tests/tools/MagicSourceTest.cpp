#include "tools/extdat/MagicSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/extdat/MagicTable.h"
#include "tools/extdat/Table.h"

namespace {

using namespace std::string_literals;

// "offset:bytes" of a rule, for readable expectations.
std::string Signature(const TMagicRule& rule) { return std::to_string(rule.Offset) + ":" + rule.Bytes; }

// The rule of a magic text whose test names the MIME type.
TMagicRule Rule(const std::vector<TMagicRule>& rules, const std::string& mime) {
  for (const TMagicRule& r : rules) {
    if (r.Mime == mime) return r;
  }
  throw std::runtime_error("no rule for " + mime);
}

}  // namespace

TEST(MagicSource, TakesTheBytesThatATestAndItsParentsCompare) {
  struct Case {
    const char* what;
    std::string magic;
    std::string signature;  // "offset:bytes", empty for no rule at all
    bool complete;
  };
  const Case cases[] = {
      {"a string with escapes", "0\tstring\t\\x89PNG\\r\\n\\032\\n\tPNG\n!:mime\ta/b\n", "0:\x89PNG\r\n\x1a\n", true},
      {"an escaped space and octal", "4\tstring\tmy\\ file\\0\tX\n!:mime\ta/b\n", "4:my file\0"s, true},
      {"numbers in their byte order", "0\tbelong\t0xCAFEBABE\n>4\tleshort\t0x0102\tX\n!:mime\ta/b\n",
       "0:\xca\xfe\xba\xbe\x02\x01", true},
      {"a byte and a negative number", "0\tbyte\t0x1f\n>1\tbyte\t-117\tgzip\n!:mime\ta/b\n", "0:\x1f\x8b", true},
      {"a masked number keeps its full bytes", "0\tbelong&0xffff00ff\t0x504b0004\tX\n!:mime\ta/b\n", "0:PK", false},
      {"the form type inside a container", "0\tstring\tRIFF\n>8\tstring\tWAVE\tWAV\n!:mime\ta/b\n", "8:WAVE", false},
      {"a comparison is no signature", "0\tstring\tMZ\n>0x18\tleshort\t<0x40\tDOS\n!:mime\ta/b\n", "0:MZ", false},
      {"computed offsets", "0\tstring\tMZ\n>(0x3c.l)\tstring\tPE\\0\\0\tPE\n!:mime\ta/b\n", "0:MZ", false},
      {"a test of any value", "0\tstring\tELF\n>4\tbyte\tx\tclass %d\n!:mime\ta/b\n", "0:ELF", true},
      {"case-blind letters", "0\tstring/c\thello\tX\n!:mime\ta/b\n", "", false},
      {"case-blind without letters", "0\tstring/c\t\\x01\\x02\tX\n!:mime\ta/b\n", "0:\x01\x02", true},
      {"a UTF-16 string", "0\tlestring16\tAB\tX\n!:mime\ta/b\n", "0:A\0B\0"s, true},
      {"native byte order", "0\tlong\t0x01020304\tX\n!:mime\ta/b\n", "", false},
      {"a regular expression", "0\tregex\t^abc\tX\n!:mime\ta/b\n", "", false},
      {"beyond the header", "60\tstring\tLATE\tX\n!:mime\ta/b\n", "", false},
      {"cut at the header's end", "45\tstring\t0123456789\tX\n!:mime\ta/b\n", "45:012345", false},
      {"contradicting tests", "0\tstring\tAB\n>1\tstring\tXY\tX\n!:mime\ta/b\n", "", false},
  };
  for (const Case& c : cases) {
    const std::vector<TMagicRule> rules = ReadMagicRules("t", c.magic);
    if (c.signature.empty()) {
      EXPECT_TRUE(rules.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(rules.size(), 1u) << c.what;
    EXPECT_EQ(Signature(rules[0]), c.signature) << c.what;
    EXPECT_EQ(rules[0].Complete, c.complete) << c.what;
  }
}

TEST(MagicSource, NamesEachRuleByTheNearestMimeTypeAndExtensions) {
  const std::vector<TMagicRule> rules = ReadMagicRules("msdos",
                                                       "# comment\n"
                                                       "0\tstring/b\tMZ\n"
                                                       "!:mime\tapplication/x-dosexec\n"
                                                       "!:ext\texe/COM/??_/tar.gz\n"
                                                       ">(0x3c.l)\tstring\tPE\\0\\0\tPE\n"
                                                       "!:mime\tapplication/pe\n"
                                                       ">>(0x3c.l+92)\tleshort\t1\n"
                                                       ">>>(0x3c.l+22)\tleshort&0x2000\t>0\t\\b(native)\n"
                                                       "!:ext\tdll/sys\n"
                                                       "\n"
                                                       "0\tstring\tPK\\003\\004\n"
                                                       ">30\tstring\tmimetype\tZIP with a name\n"
                                                       "!:ext\tzip\n");
  ASSERT_EQ(rules.size(), 4u);
  EXPECT_EQ(rules[0].Mime, "application/x-dosexec");
  EXPECT_EQ(rules[0].Extensions, (std::vector<std::string>{".exe", ".com", ".tar.gz"}));
  EXPECT_EQ(rules[0].Source, "msdos:2");
  EXPECT_EQ(rules[1].Mime, "application/pe");
  EXPECT_EQ(rules[1].Extensions, (std::vector<std::string>{".exe", ".com", ".tar.gz"}));
  EXPECT_EQ(rules[1].Description, "PE");
  EXPECT_EQ(rules[2].Mime, "application/pe");  // inherited from the parent
  EXPECT_EQ(rules[2].Extensions, (std::vector<std::string>{".dll", ".sys"}));
  EXPECT_EQ(rules[2].Description, "PE(native)");
  EXPECT_EQ(Signature(rules[2]), "0:MZ");
  EXPECT_FALSE(rules[2].Complete);
  EXPECT_EQ(rules[3].Mime, "");
  EXPECT_EQ(Signature(rules[3]), "30:mimetype");  // more letters than PK\3\4
  EXPECT_EQ(rules[3].Strength, 12);
}

TEST(MagicSource, SkipsSubroutinesAndWhatFollowsALineItCannotPlace) {
  const std::vector<TMagicRule> rules = ReadMagicRules("t",
                                                       "0\tname\telf-le\n"
                                                       ">16\tleshort\t2\texecutable\n"
                                                       "!:mime\tapplication/x-executable\n"
                                                       "0\tstring\tAAAA\n"
                                                       ">>4\tstring\tBBBB\torphan two levels down\n"
                                                       "!:mime\tapplication/x-orphan\n"
                                                       "0\tstring\tCCCC\tkept\n"
                                                       "!:mime\tapplication/x-kept\n"
                                                       "!:mime\tapplication/x-kept\n"
                                                       "0\tstring\tCCCC\tthe same again\n"
                                                       "!:mime\tapplication/x-kept\n");
  ASSERT_EQ(rules.size(), 1u);
  EXPECT_EQ(rules[0].Mime, "application/x-kept");
  EXPECT_EQ(rules[0].Description, "kept");
}

TEST(MagicTable, WritesTheLicenceFirstAndReadsItsRulesBack) {
  const std::vector<TMagicRule> rules = ReadMagicRules("riff",
                                                       "0\tstring\tRIFF\n"
                                                       ">8\tstring\tWAVE\tWAVE audio\n"
                                                       "!:mime\taudio/x-wav\n"
                                                       "!:ext\twav/wave\n"
                                                       "0\tbelong\t0x00000100\tlong %s\n"
                                                       "!:mime\timage/x-icon\n");
  const std::string text = MagicTableText("$File: COPYING$\nCopyright (c) Someone 1986.\n\nRedistribution...\n",
                                          "1:5.44-3", rules);
  EXPECT_EQ(text.rfind("# $File: COPYING$\n# Copyright (c) Someone 1986.\n#\n# Redistribution...\n#\n", 0), 0u);
  EXPECT_NE(text.find("source package file, version 1:5.44-3,\n"), std::string::npos);
  EXPECT_NE(text.find("\n8\t57415645\t0\t8\taudio/x-wav\t.wav .wave\tWAVE audio\triff:2\n"), std::string::npos);
  EXPECT_NE(text.find("\n0\t00000100\t1\t4\timage/x-icon\t\t\triff:5\n"), std::string::npos);
  const std::vector<TMagicRule> back = ParseMagicTable(text);
  ASSERT_EQ(back.size(), 2u);
  for (std::size_t i = 0; i < back.size(); ++i) EXPECT_EQ(FormatMagicRule(back[i]), FormatMagicRule(rules[i]));
  EXPECT_EQ(Rule(back, "audio/x-wav").Extensions, (std::vector<std::string>{".wav", ".wave"}));
}

TEST(MagicTable, RejectsMalformedLinesAndNames) {
  const char* const rules[] = {
      "0\t4d5a\t1\t2\ta/b\t.exe\tX",          // a field short
      "0\t4d5\t1\t2\ta/b\t.exe\tX\ts:1",      // odd hex
      "50\t4d5a\t1\t2\ta/b\t.exe\tX\ts:1",    // beyond the header
      "0\t4d5a\t2\t2\ta/b\t.exe\tX\ts:1",     // complete is not 0 or 1
      "0\t4d5a\t1\t2\ta/b\texe\tX\ts:1",      // an extension without its dot
      "0\t4d5a\t1\t2\t\t\tX\ts:1",            // names nothing
  };
  for (const char* line : rules) EXPECT_THROW(ParseMagicTable(line), ETableError) << line;

  EXPECT_EQ(ParseMagicNames("# names\n\napplication/x-a\t\xE7\x94\xB2\n.fbx\tFBX\n").size(), 2u);
  for (const char* names : {"application/x-a\n", "application/x-a\t \n", "a\tone\na\ttwo\n", "a\t\xF0\x9F\x98\x80\n"}) {
    EXPECT_THROW(ParseMagicNames(names), ETableError) << names;
  }
}
