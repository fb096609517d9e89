#include "tools/extdat/Generator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/extdat/Checker.h"
#include "tools/extdat/MagicTable.h"

namespace {

using namespace std::string_literals;

// UTF-8 text, whatever the execution character set of plain literals (GBK:
// the generated descriptions are GBK, as plain literals here).
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

// A <mime-type> whose English comment is its name.
std::string Type(const std::string& name, const std::string& inner) {
  return "<mime-type type='" + name + "'><comment>" + name + "</comment>" + inner + "</mime-type>";
}

std::string Magic(const std::string& matches, int priority = 50) {
  return "<magic priority='" + std::to_string(priority) + "'>" + matches + "</magic>";
}

std::string StringMatch(const std::string& value, const std::string& offset = "0") {
  return "<match type='string' value='" + value + "' offset='" + offset + "'/>";
}

std::vector<TMimeType> Types(const std::string& types) {
  return ReadMimeInfo(*ParseXml("<mime-info>" + types + "</mime-info>"));
}

std::vector<TExtRecord> Generate(const std::string& types, const std::string& table = "") {
  return GenerateRecords(Types(types), {}, ParseTable(table)).Records;
}

// A rule of file's magic: its signature, MIME type and extensions.
TMagicRule Rule(std::int64_t offset, const std::string& bytes, const std::string& mime,
                std::vector<std::string> extensions = {}, bool complete = true) {
  TMagicRule rule;
  rule.Offset = offset;
  rule.Bytes = bytes;
  rule.Complete = complete;
  rule.Strength = static_cast<int>(bytes.size());
  rule.Mime = mime;
  rule.Extensions = std::move(extensions);
  rule.Description = "English " + mime;
  return rule;
}

std::vector<TExtRecord> Signatures(const std::vector<TExtRecord>& records) {
  std::vector<TExtRecord> signatures;
  for (const TExtRecord& r : records) {
    if (r.SignLen > 0) signatures.push_back(r);
  }
  return signatures;
}

// "offset:bytes" of a record's signature, for readable expectations.
std::string Signature(const TExtRecord& r) {
  return std::to_string(r.HeadOffset) + ":" +
         std::string(reinterpret_cast<const char*>(r.Sign.data()), static_cast<std::size_t>(r.SignLen));
}

std::vector<std::string> Keys(const std::vector<TExtRecord>& records) {
  std::vector<std::string> keys;
  for (const TExtRecord& r : records) keys.push_back(r.Ext.Str());
  return keys;
}

const TExtRecord& Keyed(const std::vector<TExtRecord>& records, const std::string& key) {
  for (const TExtRecord& r : records) {
    if (r.Ext.Str() == key) return r;
  }
  throw std::runtime_error("no record keyed " + key);
}

// The records misbehave in no way (the types here are named in English).
void ExpectClean(const std::vector<TExtRecord>& records) {
  for (const std::string& problem : CheckExtDat({records, 0}).Problems) {
    if (problem.find("has no Chinese") == std::string::npos) ADD_FAILURE() << problem;
  }
}

}  // namespace

TEST(Generator, KeysEveryGlobWithTheChineseOrEnglishDescription) {
  const auto records = Generate(
      U8(u8"<mime-type type='text/x-a'><comment>A text</comment><comment xml:lang='zh_CN'>甲文本</comment>"
         u8"<glob pattern='*.aa'/><glob pattern='*.A2'/><glob pattern='*.verylongext'/></mime-type>"
         u8"<mime-type type='text/x-b'><comment>B\n   text</comment><comment xml:lang='zh_TW'>乙</comment>"
         u8"<glob pattern='*.bb'/></mime-type>"
         u8"<mime-type type='text/x-c'><comment>C text</comment><comment xml:lang='zh_CN'>😀</comment>"
         u8"<glob pattern='*.cc'/></mime-type>"));
  EXPECT_EQ(Keys(records), (std::vector<std::string>{".aa", ".a2", ".bb", ".cc"}));
  EXPECT_EQ(Keyed(records, ".aa").Desc.Str(), "甲文本（.verylongext）");
  EXPECT_EQ(Keyed(records, ".a2").Desc.Str(), "甲文本（.verylongext）");
  EXPECT_EQ(Keyed(records, ".bb").Desc.Str(), "B text");
  EXPECT_EQ(Keyed(records, ".cc").Desc.Str(), "C text");  // its zh_CN text has no GBK form
  ExpectClean(records);
}

TEST(Generator, AnExtensionOfSeveralTypesJoinsTheirDescriptionsHeaviestFirst) {
  const auto records = Generate(Type("text/x-light", "<glob pattern='*.x' weight='40'/>") +
                                Type("text/x-heavy", "<glob pattern='*.x' weight='60'/><glob pattern='*.h'/>") +
                                Type("text/x-same", "<glob pattern='*.x' weight='40'/>"));
  EXPECT_EQ(Keyed(records, ".x").Desc.Str(), "text/x-heavy；text/x-light；text/x-same");
  EXPECT_EQ(Keyed(records, ".h").Desc.Str(), "text/x-heavy");
}

TEST(Generator, TakesTheBlockThatTellsTheTypeBest) {
  struct Case {
    const char* what;
    std::string magic;
    std::string signature;  // "offset:bytes", empty for none
  };
  using namespace std::string_literals;
  const Case cases[] = {
      {"a container's form type", "<match type='string' value='RIFF' offset='0'>" + StringMatch("WAVE", "8") + "</match>",
       "8:WAVE"},
      {"not a run of zeros", "<match type='string' value='.snd' offset='0'><match type='big32' value='23' offset='12'/></match>",
       "0:.snd"},
      {"adjacent matches joined", "<match type='string' value='\\177ELF' offset='0'><match type='byte' value='2' offset='4'/></match>",
       "0:\177ELF\2"},
      {"masked bytes left out", "<match type='string' value='CDRXvrsn' mask='0xffffff00ffffffff' offset='8'/>",
       "12:vrsn"},
      {"an offset range from its start", StringMatch("%PDF-", "0:1024"), "0:%PDF-"},
      {"a long value cut to 11 bytes", StringMatch("0123456789abcdefghij"), "0:0123456789a"},
      {"a value cut at the header's end", StringMatch("0123456789", "45"), "45:012345"},
      {"beyond the header", StringMatch("FORMAT", "60"), ""},
      {"contradicting matches", "<match type='string' value='AB' offset='0'>" + StringMatch("XY", "1") + "</match>", ""},
      {"a single byte", "<match type='byte' value='0x47' offset='0'/>", ""},
      {"two bytes, one of them zero", "<match type='big16' value='0x11' offset='2'/>", ""},
      {"four bytes, three of them zero", "<match type='string' value='\\0\\0\\1\\0' offset='0'/>", "0:\0\0\1\0"s},
      {"zeros only", "<match type='string' value='\\0\\0\\0\\0' offset='4'/>", ""},
  };
  for (const Case& c : cases) {
    const auto records = Generate(Type("application/x-t", "<glob pattern='*.t'/>" + Magic(c.magic)));
    const auto signatures = Signatures(records);
    if (c.signature.empty()) {
      EXPECT_TRUE(signatures.empty()) << c.what;
      continue;
    }
    ASSERT_EQ(signatures.size(), 1u) << c.what;
    EXPECT_EQ(Signature(signatures[0]), c.signature) << c.what;
    EXPECT_EQ(signatures[0].Ext.Str(), ".t") << c.what;
    EXPECT_EQ(records.size(), 1u) << c.what << ": the signature record serves the extension too";
  }
}

TEST(Generator, LeavesOutWeakRulesThatCannotTellTheirType) {
  const auto records = Generate(
      Type("application/x-short", "<glob pattern='*.s'/>" + Magic(StringMatch("MZ"), 40)) +
      Type("application/x-box", "<glob pattern='*.b'/>" + Magic(StringMatch("FORM"), 40)) +
      Type("text/x-script", "<glob pattern='*.m'/>" + Magic(StringMatch("function"), 10)) +
      Type("text/plain", "<glob pattern='*.txt'/>") +
      Type("application/x-js", "<sub-class-of type='text/plain'/><glob pattern='*.j'/>" +
                                   Magic(StringMatch("#!/bin/js"), 30)));
  const auto signatures = Signatures(records);
  ASSERT_EQ(signatures.size(), 1u);
  EXPECT_EQ(Signature(signatures[0]), "0:FORM");
  EXPECT_EQ(Keys(records), (std::vector<std::string>{".b", ".s", ".m", ".txt", ".j"}));
}

TEST(Generator, CutsALongValueWhereTheFewestOtherTypesShareIt) {
  const auto records = Generate(Type("text/x-p2", "<glob pattern='*.p2'/>" + Magic(StringMatch("#!/usr/bin/python"))) +
                                Type("text/x-p3", "<glob pattern='*.p3'/>" + Magic(StringMatch("#!/usr/bin/python3"))) +
                                Type("text/x-pl", "<glob pattern='*.pl'/>" + Magic(StringMatch("#!/usr/bin/perl"))));
  EXPECT_EQ(Signature(Keyed(records, ".p3")), "7:bin/python3");
  EXPECT_EQ(Signature(Keyed(records, ".p2")), "6:/bin/python");
  EXPECT_EQ(Signature(Keyed(records, ".pl")), "4:sr/bin/perl");
  // A python3 header matches the python window too: the longer rule first.
  EXPECT_EQ(Keys(Signatures(records)), (std::vector<std::string>{".p3", ".p2", ".pl"}));
  ExpectClean(records);
}

TEST(Generator, OrdersByPriorityAndLengthButNeverHidesASpecificSignature) {
  const auto records = Generate(
      Type("application/x-general", "<glob pattern='*.g'/>" + Magic(StringMatch("ABCD"), 80)) +
      Type("application/x-long", "<glob pattern='*.l'/>" + Magic(StringMatch("LLLLLLLL"))) +
      Type("application/x-specific", "<glob pattern='*.s'/>" + Magic(StringMatch("ABCDEF"), 40)) +
      Type("application/x-short", "<glob pattern='*.h'/>" + Magic(StringMatch("HHHH"))) +
      Type("application/x-inner", "<glob pattern='*.i'/>" + Magic(StringMatch("CD", "2"), 90)));
  // x-inner's "CD" at 2 would hide both records with "ABCD" at 0: they move
  // ahead of it, x-specific ahead of x-general.
  EXPECT_EQ(Keys(Signatures(records)), (std::vector<std::string>{".s", ".g", ".i", ".l", ".h"}));
  ExpectClean(records);
}

TEST(Generator, TypesSharingASignatureShareAGroupRecord) {
  const auto records = Generate(
      U8(u8"<mime-type type='application/zip'><comment>Zip</comment><comment xml:lang='zh_CN'>Zip 归档</comment>"
         u8"<alias type='application/x-zip'/><glob pattern='*.zip'/><magic priority='60'><match type='string' value='PK\\003\\004' offset='0'/></magic>"
         u8"</mime-type>") +
      Type("application/x-docx", "<sub-class-of type='application/x-zip'/><glob pattern='*.docx'/>") +
      Type("application/x-nested", "<sub-class-of type='application/x-docx'/><glob pattern='*.n'/>") +
      Type("text/x-manifest", "<sub-class-of type='application/zip'/><glob pattern='*.mf'/>") +
      Type("audio/x-one", "<glob pattern='*.one'/>" + Magic(StringMatch("SAME"), 60)) +
      Type("audio/x-two", "<glob pattern='*.two'/><glob pattern='*.2'/>" + Magic(StringMatch("SAME"), 50)) +
      Type("application/x-core", Magic(StringMatch("CORE"))));
  // x-docx names zip's alias; the text sub-class and types with signatures
  // of their own stay out of the group.
  EXPECT_EQ(Keyed(records, "*zip").Desc.Str(), " Zip 归档等：.zip .docx .n");
  EXPECT_EQ(Signature(Keyed(records, "*zip")), "0:PK\3\4");
  // The holder of the lower priority names the group.
  EXPECT_EQ(Keyed(records, "*two").Desc.Str(), " audio/x-two等：.two .2 .one");
  // A type without extensions gets a group of its own.
  EXPECT_EQ(Keyed(records, "*core").Desc.Str(), " application/x-core");
  for (const char* key : {".zip", ".docx", ".n", ".mf", ".one", ".two", ".2"}) {
    EXPECT_EQ(Keyed(records, key).SignLen, 0) << key;
  }
  ExpectClean(records);
}

TEST(Generator, ASignatureOfATypeWithoutAnExtensionOfItsOwnIsAGroup) {
  const auto records = Generate(Type("video/x-ts", "<glob pattern='*.ts'/>" + Magic(StringMatch("TSTS"))) +
                                Type("text/x-typescript", "<glob pattern='*.ts'/>"));
  EXPECT_EQ(Keyed(records, "*ts").Desc.Str(), " video/x-ts：.ts");
  EXPECT_EQ(Keyed(records, ".ts").Desc.Str(), "video/x-ts；text/x-typescript");
  EXPECT_EQ(Keyed(records, ".ts").SignLen, 0);
  ExpectClean(records);
}

TEST(Generator, TheTableCorrectsAndExtendsTheGeneratedRecords) {
  const auto records = Generate(
      Type("image/x-p", "<glob pattern='*.p'/><glob pattern='*.pp'/>" + Magic(StringMatch("PPPP"))) +
          Type("text/x-q", "<glob pattern='*.q'/>") + Type("text/x-r", "<glob pattern='*.r'/>"),
      U8(u8".p\t\t\t甲图像\n"
         u8".pp\t\t\t甲图像二\n"
         u8".new\t\t\t新类型\n"
         u8".sig\t0\t5050505050\t签名\n"
         u8".r\t4\t52525252\t乙\n"));
  EXPECT_EQ(Keys(records), (std::vector<std::string>{".sig", ".r", ".p", ".pp", ".q", ".new"}));
  EXPECT_EQ(Keyed(records, ".p").Desc.Str(), "甲图像");
  EXPECT_EQ(Signature(Keyed(records, ".p")), "0:PPPP");
  EXPECT_EQ(Keyed(records, ".pp").Desc.Str(), "甲图像二");
  EXPECT_EQ(Keyed(records, ".new").Desc.Str(), "新类型");
  EXPECT_EQ(Signature(Keyed(records, ".r")), "4:RRRR");  // replaces the generated keyed .r
  ExpectClean(records);
}

TEST(Generator, FilesMagicGivesSignaturesToTheTypesItNames) {
  TMagicSource magic;
  magic.Names = ParseMagicNames(U8(u8"application/wasm\tWebAssembly 模块\n"
                                   u8"application/pe\tPE 程序\n"
                                   u8"application/x-loose\t松散类型\n"
                                   u8"application/x-short\t短类型\n"
                                   u8".fbx\tFBX 模型\n"
                                   u8".alz\tALZip 归档\n"));
  magic.Rules = {
      Rule(0, "KNWN", "image/x-known-alias"),                     // an alias of a MIME-info type
      Rule(0, "\0asm"s, "application/wasm", {".wasm", ".kn"}),    // .kn stays MIME-info's
      Rule(0, "Kaydara", "", {".fbx"}),                            // named by its extension
      Rule(0, "UNNM", "application/x-unnamed", {".un", ".un2"}),  // no Chinese name
      Rule(0, "SCRIPT", "text/x-script", {".scr"}),               // text
      Rule(0, "MZ", "application/pe", {".dll", ".sys"}, false),   // joins MIME-info's MZ
      Rule(0, "LOOSE", "application/x-loose", {".lo"}, false),    // nothing to join
      Rule(0, "SH", "application/x-short", {".sh2"}),             // too short to stand alone
      Rule(0, "ALZ\1", "", {".alz"}),                             // an extension of MIME-info's
  };
  const TGenerated generated = GenerateRecords(
      Types(Type("image/x-known", "<alias type='image/x-known-alias'/><glob pattern='*.kn'/>") +
            Type("application/x-exe", "<glob pattern='*.exe'/>" + Magic(StringMatch("MZ"))) +
            Type("application/x-alz", "<glob pattern='*.alz'/>")),
      magic, {});
  const auto& records = generated.Records;
  EXPECT_EQ(Signature(Keyed(records, ".kn")), "0:KNWN");
  EXPECT_EQ(Signature(Keyed(records, ".wasm")), "0:\0asm"s);
  EXPECT_EQ(Keyed(records, ".wasm").Desc.Str(), "WebAssembly 模块");
  EXPECT_EQ(Keyed(records, ".kn").Desc.Str(), "image/x-known");
  EXPECT_EQ(Signature(Keyed(records, ".fbx")), "0:Kaydara");
  // The PE rule joins the group of MZ, which names its extensions.
  EXPECT_EQ(Keyed(records, "*exe").Desc.Str(), " application/x-exe等：.exe .dll .sys");
  EXPECT_EQ(Keyed(records, ".dll").Desc.Str(), "PE 程序");
  EXPECT_EQ(Keyed(records, ".dll").SignLen, 0);
  // Named types keep their extensions even where their signatures say too
  // little to stand alone.
  EXPECT_EQ(Keyed(records, ".lo").SignLen, 0);
  EXPECT_EQ(Keyed(records, ".sh2").SignLen, 0);
  // A type whose extensions MIME-info claims names a group of its own.
  EXPECT_EQ(Keyed(records, "*alz").Desc.Str(), " ALZip 归档");
  EXPECT_EQ(Keyed(records, ".alz").Desc.Str(), "application/x-alz");
  EXPECT_EQ(Keys(Signatures(records)), (std::vector<std::string>{".fbx", ".kn", ".wasm", "*alz", "*exe"}));
  for (const char* key : {".un", ".scr"}) {
    EXPECT_TRUE(std::none_of(records.begin(), records.end(), [&](const TExtRecord& r) { return r.Ext.Str() == key; }))
        << key;
  }
  ASSERT_EQ(generated.Unnamed.size(), 1u);
  EXPECT_EQ(generated.Unnamed[0].Name, "application/x-unnamed");
  EXPECT_EQ(generated.Unnamed[0].Extensions, (std::vector<std::string>{".un", ".un2"}));
  ExpectClean(records);
}

TEST(Generator, MimeInfoNamesTheGroupsThatFilesMagicJoins) {
  TMagicSource magic;
  magic.Names = ParseMagicNames(U8(u8"application/x-early\t早\n"));
  magic.Rules = {Rule(0, "SAME", "application/x-early", {".early"})};
  const auto records = GenerateRecords(Types(Type("application/x-late", "<glob pattern='*.late'/>" +
                                                                            Magic(StringMatch("SAME"), 90))),
                                       magic, {})
                           .Records;
  EXPECT_EQ(Keyed(records, "*late").Desc.Str(), " application/x-late等：.late .early");
}

TEST(Generator, TableRowsJoinNameOrStandBesideTheGeneratedGroups) {
  const auto records = Generate(
      Type("image/x-cursor", "<glob pattern='*.cur'/>" + Magic(StringMatch("\\0\\0\\2\\0"))) +
          Type("image/x-tga", "<glob pattern='*.tga'/><glob pattern='*.icb'/>") +
          Type("application/x-exe", "<glob pattern='*.exe'/>" + Magic(StringMatch("MZ"))),
      U8(u8"*pe\t0\t4d5a\t Windows 程序等：.mui\n"
         u8".mui\t0\t4d5a\t多语言资源\n"
         u8".tga\t0\t00000200\tTGA 图像\n"
         u8".tga\t0\t00000a00\tTGA 图像\n"));
  // The row's own listing comes first.
  EXPECT_EQ(Keyed(records, "*pe").Desc.Str(), " Windows 程序等：.mui .exe");
  EXPECT_EQ(Keyed(records, ".mui").Desc.Str(), "多语言资源");
  EXPECT_EQ(Keyed(records, ".mui").SignLen, 0);
  // The cursor's signature starts TGA images too: a group of both.
  EXPECT_EQ(Keyed(records, "*cursor").Desc.Str(), " image/x-cursor等：.cur .tga .icb");
  EXPECT_EQ(Signature(Keyed(records, "*cursor")), "0:\0\0\2\0"s);
  // A signature that nothing generated has is a record of its own, first.
  EXPECT_EQ(Keys(Signatures(records)), (std::vector<std::string>{".tga", "*cursor", "*pe"}));
  EXPECT_EQ(Signature(Signatures(records)[0]), "0:\0\0\x0a\0"s);
  ExpectClean(records);
}
