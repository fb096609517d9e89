// The database image answers through an index of its signatures and
// remembered extension lookups; a plain scan in file order must give the same
// answer for every header and every extension.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "FileTypeFixtures.h"
#include "filetype/ExtDatabaseImage.h"
#include "filetype/ExtRecordSource.h"
#include "filetype/qenQuorvex.h"

namespace {

// Records that answer every question by scanning them in file order.
class TScannedRecords : public TExtRecordSource {
 public:
  explicit TScannedRecords(const std::vector<TExtRecord>& records) : FRecords(records) {}
  void Scan(const TVisitor& visit) const override {
    for (const TExtRecord& record : FRecords) {
      if (!visit(record)) return;
    }
  }

 private:
  const std::vector<TExtRecord>& FRecords;
};

std::string Describe(const TFileHeader& header) {
  std::string text;
  for (const std::uint8_t byte : header) text += "0123456789abcdef"[byte >> 4], text += "0123456789abcdef"[byte & 15];
  return text;
}

// Headers that the records' signatures make interesting: each record's own
// signature at its place over zeros, over 0xFF and over random bytes; two
// signatures laid over each other; random bytes; and headers one byte away
// from a signature.
std::vector<TFileHeader> Headers(const std::vector<TExtRecord>& records, int randomCount) {
  std::mt19937 random(20240611);
  auto byte = [&] { return static_cast<std::uint8_t>(random() & 0xFF); };
  auto place = [](TFileHeader header, const TExtRecord& record) {
    if (HasComparableSignature(record)) {
      std::copy_n(record.Sign.begin(), record.SignLen, header.begin() + record.HeadOffset);
    }
    return header;
  };
  TFileHeader zeros{}, ones;
  ones.fill(0xFF);
  std::vector<TFileHeader> headers = {zeros, ones};
  for (const TExtRecord& record : records) {
    TFileHeader noise;
    std::generate(noise.begin(), noise.end(), byte);
    headers.push_back(place(zeros, record));
    headers.push_back(place(ones, record));
    headers.push_back(place(noise, record));
  }
  const auto pick = [&]() -> const TExtRecord& { return records[random() % records.size()]; };
  for (int i = 0; i < randomCount && !records.empty(); ++i) {
    TFileHeader noise;
    std::generate(noise.begin(), noise.end(), byte);
    headers.push_back(noise);
    headers.push_back(place(place(noise, pick()), pick()));
    TFileHeader nearly = place(noise, pick());
    nearly[random() % nearly.size()] ^= static_cast<std::uint8_t>(1 + random() % 255);
    headers.push_back(nearly);
  }
  return headers;
}

// The extensions worth asking about: every key, with and without capitals,
// and some that no key has.
std::vector<std::string> Extensions(const std::vector<TExtRecord>& records) {
  std::vector<std::string> exts = {"", ".", ".nothing-knows", ".X"};
  for (const TExtRecord& record : records) {
    exts.push_back(record.Ext.Str());
    std::string upper = record.Ext.Str();
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; });
    exts.push_back(upper);
  }
  return exts;
}

// Every header matched and every extension looked up both ways, through the
// whole identification path that uses them.
void ExpectSameAnswers(const TExtDatabaseImage& indexed, const std::vector<TExtRecord>& records, int randomCount) {
  ASSERT_EQ(indexed.Count(), records.size());
  const TScannedRecords scanned(records);
  const std::vector<std::string> exts = Extensions(records);
  std::size_t matched = 0, checked = 0;
  for (const TFileHeader& header : Headers(records, randomCount)) {
    TExtRecord fromIndex, fromScan;
    const bool found = indexed.FindSignature(header, fromIndex);
    ASSERT_EQ(found, scanned.FindSignature(header, fromScan)) << Describe(header);
    ASSERT_EQ(fromIndex, fromScan) << Describe(header);
    matched += found;
    // The whole match with group refinement, for one extension per header.
    const std::string& ext = exts[checked++ % exts.size()];
    TExtRecord verdictIndexed, verdictScanned;
    MatchSignature(indexed, ext, header, verdictIndexed);
    MatchSignature(scanned, ext, header, verdictScanned);
    ASSERT_EQ(verdictIndexed, verdictScanned) << Describe(header) << " " << ext;
  }
  // Asked twice: the second answer comes from what was remembered.
  for (int round = 0; round < 2; ++round) {
    for (const std::string& ext : exts) {
      TExtRecord fromIndex = Record(".old", "caller's", 0, 9), fromScan = fromIndex;
      LookupExtension(indexed, ext, fromIndex);
      LookupExtension(scanned, ext, fromScan);
      ASSERT_EQ(fromIndex, fromScan) << ext;
    }
  }
  // The headers made from the records' own signatures do match.
  const auto comparable = std::count_if(records.begin(), records.end(), HasComparableSignature);
  EXPECT_GE(matched, static_cast<std::size_t>(comparable));
}

}  // namespace

using SignatureIndex = ScratchTest;

TEST_F(SignatureIndex, AgreesWithAPlainScanOnAFixture) {
  const std::string a11(11, 'A');
  const std::vector<TExtRecord> records = {
      Record(".txt", "Text, no signature"),
      Record(".neg", "negative offset", -1, 2, a11),
      Record(".long", "SignLen 12", 0, 12, a11),
      Record(".past", "past the header", 41, 11, a11),
      Record(".zero", "SignLen 0", 0, 0, "AB"),
      Record(".minus", "SignLen -3", 0, -3, "AB"),
      // Same offset and first byte, the shorter one later: the longer wins
      // where both match, the shorter elsewhere.
      Record(".abc", "ABC", 0, 3, "ABC"),
      Record(".ab", "AB", 0, 2, "AB"),
      Record(".abx", "ABX, after AB", 0, 3, "ABX"),
      // The same signature twice: the first in the file wins.
      Record(".png", "PNG", 0, 4, "\x89PNG"),
      Record(".apng", "APNG, same signature", 0, 4, "\x89PNG"),
      // Other offsets, first byte zero, a byte of 0xFF, the header's last byte.
      Record(".mid", "at 8", 8, 4, "ftyp"),
      Record(".zeros", "zeros at 2", 2, 3, std::string(3, '\0')),
      Record(".ff", "FF at 30", 30, 1, "\xFF"),
      Record(".end", "the last byte", 50, 1, "E"),
      Record(".full", "eleven at 40", 40, 11, "0123456789Z"),
      // A group record and a keyed record for a member, one mentioning an
      // extension, another with the same key and a signature.
      Record("*zip", "Archives: .zip .docx", 0, 4, "PK\x03\x04"),
      Record(".docx", "Word document, like .zip"),
      Record(".txt", "Text again", 4, 2, "TX"),
      Record("", "no key, mentions .txt"),
      Record(".TXT", "upper-case key"),
  };
  ExpectSameAnswers(TExtDatabaseImage(WriteDatabase("ext.dat", records)), records, 3000);
}

#ifdef QV_EXT_DAT
// The database the build generates: every record's own signature and many
// random headers.
TEST(GeneratedSignatureIndex, AgreesWithAPlainScan) {
  const std::vector<TExtRecord> records = TExtRecordList::Load(QV_EXT_DAT).Records();
  ASSERT_GT(std::count_if(records.begin(), records.end(), HasComparableSignature), 100);
  ExpectSameAnswers(TExtDatabaseImage(QV_EXT_DAT), records, 20000);
}
#endif
