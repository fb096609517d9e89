#include <gtest/gtest.h>

#include <climits>

#include "FileTypeFixtures.h"
#include "filetype/ExtDatabaseImage.h"
#include "filetype/qenQuorvex.h"

namespace {

// Runs the matching over the database file, over the same records held in
// memory and over the file's indexed image; all must agree.
class SignatureTest : public ScratchTest {
 protected:
  TExtRecord Match(const std::vector<TExtRecord>& records, std::string_view ext, const TFileHeader& header) {
    TExtRecord fromFile, fromMemory, fromImage;
    const std::string path = WriteDatabase("ext.dat", records);
    MatchSignature(path, ext, header, fromFile);
    MatchSignature(TExtRecordList(records), ext, header, fromMemory);
    MatchSignature(TExtDatabaseImage(path), ext, header, fromImage);
    EXPECT_EQ(fromFile, fromMemory);
    EXPECT_EQ(fromFile, fromImage);
    return fromFile;
  }
  TExtRecord Lookup(const std::vector<TExtRecord>& records, std::string_view ext) {
    TExtRecord fromFile, fromMemory, fromImage;
    const std::string path = WriteDatabase("ext.dat", records);
    LookupExtension(path, ext, fromFile);
    LookupExtension(TExtRecordList(records), ext, fromMemory);
    LookupExtension(TExtDatabaseImage(path), ext, fromImage);
    EXPECT_EQ(fromFile, fromMemory);
    EXPECT_EQ(fromFile, fromImage);
    return fromFile;
  }
};

const std::string kPng = "\x89PNG\r\n\x1a\n";
const TFileHeader kPngHeader = Header(kPng + std::string("\0\0\0\rIHDR", 8));

}  // namespace

TEST_F(SignatureTest, TheFirstRecordWhoseSignatureLiesInTheHeaderWins) {
  struct Case {
    const char* what;
    std::vector<TExtRecord> records;
    std::string_view wantExt;
    std::string_view wantDesc;
  };
  const Case cases[] = {
      {"first of two matches",
       {Record(".txt", "Text"), Record(".png", "PNG", 0, 8, kPng), Record(".apng", "APNG", 1, 3, "PNG")},
       ".png", "PNG"},
      {"signature at an offset", {Record(".ihdr", "IHDR", 12, 4, "IHDR")}, ".ihdr", "IHDR"},
      {"no signature, whatever its bytes",
       {Record(".zero", "Zero", 0, 0, kPng), Record(".neg", "Negative", 0, -8, kPng),
        Record(".png", "PNG", 0, 4, kPng)},
       ".png", "PNG"},
      {"signature ending on the header's last byte", {Record(".end", "End", 40, 11, std::string(11, '\0'))},
       ".end", "End"},
      {"one differing byte", {Record(".png", "PNG", 0, 8, "\x89PNG\r\n\x1a\x0b")}, " ", ""},
      {"empty database", {}, " ", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TExtRecord verdict = Match(c.records, ".PNG", kPngHeader);
    EXPECT_EQ(verdict.Ext.View(), c.wantExt);
    EXPECT_EQ(verdict.Desc.View(), c.wantDesc);
  }
}

TEST_F(SignatureTest, AMissLeavesAllButExtAndSignLenAsSupplied) {
  TExtRecord verdict = Record(".old", "supplied", 7, 3, "abc");
  MatchSignature(PathOf("missing.dat"), ".png", kPngHeader, verdict);
  TExtRecord want = Record(" ", "supplied", 7, 0, "abc");
  EXPECT_EQ(verdict, want);
}

TEST_F(SignatureTest, RecordsReachingOutsideTheHeaderOrTheirSignatureNeverMatch) {
  // Each header/record pair would match if the bytes within reach were
  // compared; the valid record after them must win.
  const TFileHeader allA = Header(std::string(51, 'A'));
  const std::string a11(11, 'A');
  const TExtRecord valid = Record(".ok", "valid", 0, 1, "A");
  const TExtRecord cases[] = {
      Record(".neg", "negative offset", -1, 2, a11),
      Record(".min", "offset INT_MIN", INT_MIN, 1, a11),
      // 65 bytes of description: in memory the byte after Sign, the
      // description's length, is 'A' too.
      Record(".long", "SignLen 12" + std::string(55, '.'), 0, 12, a11),
      Record(".huge", "SignLen INT_MAX", 0, INT_MAX, a11),
      Record(".past", "offset + SignLen 52", 41, 11, a11),
      Record(".far", "offset INT_MAX", INT_MAX, 1, a11),
      Record(".wrap", "offset + SignLen wraps", INT_MAX, INT_MAX, a11),
  };
  for (const TExtRecord& bad : cases) {
    SCOPED_TRACE(bad.Desc.Str());
    EXPECT_EQ(Match({bad, valid}, ".x", allA).Desc.View(), "valid");
  }
}

TEST_F(SignatureTest, AGroupMatchIsRefinedByTheFilesExtension) {
  const TExtRecord zip = Record("*zip", "Office Open XML: .docx .xlsx .pptx", 0, 4, "PK\x03\x04");
  const TExtRecord docx = Record(".docx", "Word document");
  const TFileHeader header = Header("PK\x03\x04 rest of the archive");
  const std::string listedPrefix = std::string(kGroupMembersPrefix) + "*zip";
  struct Case {
    const char* what;
    std::vector<TExtRecord> records;
    std::string_view ext;
    std::string wantExt;
    std::string wantDesc;
  };
  const Case cases[] = {
      {"listed, with its own record", {zip, docx}, ".DOCX", ".docx", "Word document"},
      {"listed, own record before the group", {docx, zip}, ".docx", ".docx", "Word document"},
      // The lookup finds the group record itself through its description.
      {"listed, no record of its own", {zip}, ".xlsx", ".xlsx", zip.Desc.Str()},
      // A later record that mentions it but has no key leaves nothing found.
      {"listed, last mention without key", {zip, Record("", "see .pptx")}, ".pptx", ".pptx",
       std::string(kGroupMemberUndefined)},
      {"not listed", {zip, docx}, ".Jar", ".jar", listedPrefix + zip.Desc.Str()},
      {"no extension", {zip, docx}, "", "", listedPrefix + zip.Desc.Str()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const TExtRecord verdict = Match(c.records, c.ext, header);
    EXPECT_EQ(verdict.Ext.Str(), c.wantExt);
    EXPECT_EQ(verdict.Desc.Str(), c.wantDesc);
    // The signature fields stay the group record's.
    EXPECT_EQ(verdict.HeadOffset, zip.HeadOffset);
    EXPECT_EQ(verdict.SignLen, zip.SignLen);
    EXPECT_EQ(verdict.Sign, zip.Sign);
  }
}

TEST_F(SignatureTest, AGroupDescriptionIsCutTo250BytesAfterThePrefixAndKey) {
  EXPECT_EQ(kGroupMembersPrefix.size(), 19u);
  EXPECT_EQ(kGroupMemberUndefined.size(), 18u);
  const std::string desc = "\xB0\xA1" + std::string(238, 'd');  // a GBK character, then 238 bytes
  const TExtRecord group = Record("*longgroup", desc, 0, 1, "G");
  const TExtRecord verdict = Match({group}, ".x", Header("G"));
  const std::string want = std::string(kGroupMembersPrefix) + "*longgroup" + desc;
  EXPECT_EQ(verdict.Desc.Str(), want.substr(0, 250));
  EXPECT_EQ(verdict.Ext.Str(), ".x");
}

TEST_F(SignatureTest, ExtensionLookupPrefersAKeyedRecord) {
  struct Case {
    const char* what;
    std::vector<TExtRecord> records;
    std::string_view ext;
    std::string_view wantExt;
    std::string_view wantDesc;
    std::int32_t wantSignLen;
  };
  const Case cases[] = {
      {"extension lower-cased first", {Record(".txt", "Text")}, ".TXT", ".txt", "Text", 0},
      {"a key stored upper-case never matches", {Record(".TXT", "Upper")}, ".txt", "", "caller's", 0},
      {"last keyed record without signature", {Record(".txt", "First"), Record(".txt", "Second")}, ".txt",
       ".txt", "Second", 0},
      // The scan stops at the keyed record with a signature: the mention
      // after it is never seen, so its signature fields are not taken.
      {"keyed record with a signature stops the scan",
       {Record(".txt", "Plain"), Record(".txt", "Signed", 0, 3, "abc"), Record(".log", "like .txt", 5, 1, "z")},
       ".txt", ".txt", "Signed", 3},
      {"last record mentioning it", {Record(".a", "has .abc"), Record(".b", "also .abc"), Record(".c", "other")},
       ".abc", ".abc", "also .abc", 0},
      {"mention of an extension longer than 10", {Record(".x", "files .abcdefghijkl")}, ".abcdefghijkl",
       ".abcdefghi", "files .abcdefghijkl", 0},
      {"an extension longer than 10 never equals a key", {Record(".abcdefghi", "cut key")}, ".abcdefghijkl", "",
       "caller's", 0},
      {"empty extension, record with empty key", {Record("", "nameless"), Record(".x", "anything")}, "", "",
       "caller's", 0},
      {"nothing", {Record(".doc", "Document")}, ".txt", "", "caller's", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TExtRecord result = Record(".old", "caller's", 0, 9);
    TExtRecord fromMemory = result, fromImage = result;
    const std::string path = WriteDatabase("ext.dat", c.records);
    LookupExtension(path, c.ext, result);
    LookupExtension(TExtRecordList(c.records), c.ext, fromMemory);
    LookupExtension(TExtDatabaseImage(path), c.ext, fromImage);
    EXPECT_EQ(result, fromMemory);
    EXPECT_EQ(result, fromImage);
    EXPECT_EQ(result.Ext.View(), c.wantExt);
    EXPECT_EQ(result.Desc.View(), c.wantDesc);
    EXPECT_EQ(result.SignLen, c.wantSignLen);
  }
}

TEST_F(SignatureTest, AKeyedAndAMentioningRecordCombine) {
  // Key and description of the keyed record, signature fields of the last
  // record mentioning the extension.
  const TExtRecord keyed = Record(".foo", "Foo files", 1, 2, "kk");
  const TExtRecord listed = Record(".bar", "Bar, like .foo", 3, 2, "XY");
  TExtRecord result = Lookup({listed, keyed}, ".foo");
  EXPECT_EQ(result.Ext.View(), ".foo");
  EXPECT_EQ(result.Desc.View(), "Foo files");
  EXPECT_EQ(result.HeadOffset, 3);
  EXPECT_EQ(result.SignLen, 2);
  EXPECT_EQ(result.Sign, Record("", "", 0, 0, "XY").Sign);

  // A keyed record without a signature that mentions the extension itself
  // is the last mentioning record.
  result = Lookup({listed, Record(".foo", "Foo, also .foo", 6, 0)}, ".foo");
  EXPECT_EQ(result.Desc.View(), "Foo, also .foo");
  EXPECT_EQ(result.HeadOffset, 6);
  EXPECT_EQ(result.SignLen, 0);

  // A mentioning record's oversized SignLen is taken as it stands, but only
  // the 11 signature bytes there are copied.
  const TExtRecord oversized = Record(".big", "also .foo", 0, 4000, "0123456789A");
  result = Lookup({Record(".foo", "Foo files"), oversized}, ".foo");
  EXPECT_EQ(result.Desc.View(), "Foo files");
  EXPECT_EQ(result.SignLen, 4000);
  EXPECT_EQ(result.Sign, oversized.Sign);
}

TEST(TextHeader, TextMeansNoByteBelowTab) {
  struct Case {
    const char* what;
    TFileHeader header;
    bool text;
  };
  const std::string letters(51, 'a');
  auto with = [&](std::size_t at, char byte) {
    std::string s = letters;
    s[at] = byte;
    return Header(s);
  };
  const Case cases[] = {
      {"51 letters", Header(letters), true},
      {"tab, line feed, carriage return", with(0, '\t'), true},
      {"other control bytes from 14", with(25, '\x0e'), true},
      {"GBK bytes", Header(std::string(51, '\xB0')), true},
      {"backspace first", with(0, '\x08'), false},
      {"backspace last", with(50, '\x08'), false},
      {"zero in the middle", with(25, '\0'), false},
      {"20 bytes of text", Header(std::string(20, 'a')), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(IsTextHeader(c.header), c.text);
  }
}
