#include "tools/extdat/MimeInfo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::vector<TMimeType> Read(const std::string& types) {
  return ReadMimeInfo(*ParseXml("<mime-info>" + types + "</mime-info>"));
}

// The bytes one <match> stands for, and its mask.
TMagicMatch Match(const std::string& attributes) {
  const auto types = Read("<mime-type type='a/b'><comment>c</comment><magic><match " + attributes +
                          "/></magic></mime-type>");
  return types.at(0).Magic.at(0).Matches.at(0);
}

}  // namespace

TEST(MimeInfo, ReadsCommentsGlobsSubClassesAndMagic) {
  const auto types = Read(
      "<mime-type type='audio/x-wav'>"
      "  <comment>WAV audio</comment><comment xml:lang='de'>WAV-Audio</comment>"
      "  <comment xml:lang='zh_CN'>WAV \xE9\x9F\xB3\xE9\xA2\x91</comment>"
      "  <alias type='audio/wav'/><sub-class-of type='application/x-riff'/>"
      "  <glob pattern='*.WAV'/><glob pattern='*.wav' weight='60'/><glob pattern='*.wave' weight='30'/>"
      "  <glob pattern='Makefile'/><glob pattern='*.so.[0-9]*'/><glob pattern='*.C' case-sensitive='true'/>"
      "  <magic priority='80'><match type='string' value='RIFF' offset='0'>"
      "    <match type='string' value='WAVE' offset='8'/></match></magic>"
      "</mime-type>");
  ASSERT_EQ(types.size(), 1u);
  const TMimeType& t = types[0];
  EXPECT_EQ(t.Name, "audio/x-wav");
  EXPECT_EQ(t.Comment, "WAV audio");
  EXPECT_EQ(t.CommentZh, "WAV \xE9\x9F\xB3\xE9\xA2\x91");
  ASSERT_EQ(t.Extensions.size(), 2u);  // *.WAV and *.wav are one extension
  EXPECT_EQ(t.Extensions[0].Ext, ".wav");
  EXPECT_EQ(t.Extensions[0].Weight, 50);
  EXPECT_EQ(t.Extensions[1].Ext, ".wave");
  EXPECT_EQ(t.Extensions[1].Weight, 30);
  EXPECT_EQ(t.SubClassOf, std::vector<std::string>{"application/x-riff"});
  EXPECT_EQ(t.Aliases, std::vector<std::string>{"audio/wav"});
  ASSERT_EQ(t.Magic.size(), 1u);
  EXPECT_EQ(t.Magic[0].Priority, 80);
  const TMagicMatch& riff = t.Magic[0].Matches.at(0);
  EXPECT_EQ(riff.Value, "RIFF");
  ASSERT_EQ(riff.Children.size(), 1u);
  EXPECT_EQ(riff.Children[0].Value, "WAVE");
  EXPECT_EQ(riff.Children[0].RangeStart, 8);
}

TEST(MimeInfo, DecodesValuesInTheirByteOrder) {
  struct Case {
    const char* attributes;
    std::string value;
    std::string mask;
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {"type='string' value='\\x89PNG\\r\\n\\032\\n' offset='0'", "\x89PNG\r\n\x1a\n", ""},
      {"type='string' value='\\177ELF\\ x\\\\\\\"' offset='0'", "\177ELF x\\\"", ""},
      {"type='string' value='MSCF\\0\\0' offset='0'", "MSCF\0\0"s, ""},
      {"type='string' value='CDRXvrsn' mask='0xffffff00ffffffff' offset='8'", "CDRXvrsn", "\xff\xff\xff\0\xff\xff\xff\xff"s},
      {"type='byte' value='0x0a' offset='0'", "\n", ""},
      {"type='big16' value='0x4282' offset='0'", "\x42\x82", ""},
      {"type='little16' value='0603' offset='0'", "\x83\x01", ""},
      {"type='host16' value='0x1234' offset='0'", "\x34\x12", ""},
      {"type='big32' value='0x1a45dfa3' offset='0'", "\x1a\x45\xdf\xa3", ""},
      {"type='little32' value='23' offset='0'", "\x17\0\0\0"s, ""},
      {"type='little16' value='020000' mask='030000' offset='22'", "\0\x20"s, "\0\x30"s},
  };
  for (const Case& c : cases) {
    const TMagicMatch m = Match(c.attributes);
    EXPECT_EQ(m.Value, c.value) << c.attributes;
    EXPECT_EQ(m.Mask, c.mask) << c.attributes;
  }
}

TEST(MimeInfo, OffsetRangesKeepBothEnds) {
  const TMagicMatch m = Match("type='string' value='%PDF-' offset='0:1024'");
  EXPECT_EQ(m.RangeStart, 0);
  EXPECT_EQ(m.RangeEnd, 1024);
}

TEST(MimeInfo, RejectsMalformedRulesWithTheirLine) {
  const char* bad[] = {
      "type='byte' value='256' offset='0'",
      "type='big16' value='0x10000' offset='0'",
      "type='little32' value='12x' offset='0'",
      "type='float' value='1' offset='0'",
      "type='string' value='' offset='0'",
      "type='string' value='ab' mask='0xff' offset='0'",
      "type='string' value='ab' mask='ffff' offset='0'",
      "type='string' value='ab' offset='4:2'",
      "type='string' value='ab' offset='-1'",
      "type='string' value='ab'",
  };
  for (const char* attributes : bad) {
    try {
      Read("<mime-type type='a/b'><comment>c</comment>\n<magic><match " + std::string(attributes) +
           "/></magic></mime-type>");
      ADD_FAILURE() << "accepted: " << attributes;
    } catch (const EXmlError& e) {
      EXPECT_EQ(e.Line(), 2) << attributes;
    }
  }
  EXPECT_THROW(Read("<mime-type type='a/b'/>"), EXmlError);  // no English comment
  EXPECT_THROW(ReadMimeInfo(*ParseXml("<other/>")), EXmlError);
}
