#include "skin/data/SkinRead.h"

#include <gtest/gtest.h>

#include <vector>

#include "MessageCapture.h"
#include "RawPackage.h"
#include "StandInSkin.h"
#include "tools/skinpack/LzhPacker.h"
#include "tools/skinpack/SkinPackageWriter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

bool Read(TSkinReader& reader, const Bytes& packed) {
  TMemoryStream stream;
  stream.WriteBuffer(packed.data(), packed.size());
  return reader.ReadSkinPackage(stream);
}

std::string Entry(const TSkinReader& reader, const std::string& name) {
  TMemoryStream target;
  target.WriteBuffer("old", 3);
  reader.ExtractEntry(name, target);
  EXPECT_EQ(target.Position(), 0) << name;
  return std::string(reinterpret_cast<const char*>(target.Memory()), static_cast<std::size_t>(target.Size()));
}

// A names text with A.BMP and b.ini, sizes 10 and 5.
const Bytes kTwoEntries = RawPackage(20000, "A.BMP\r\nb.ini\r\n", {10, 5}, "0123456789abcde");

}  // namespace

TEST(SkinReader, ReadsTheDirectoryAndFindsEntriesByName) {
  TSkinReader reader;
  ASSERT_TRUE(Read(reader, LzhPack(kTwoEntries)));
  EXPECT_EQ(reader.Version(), 20000);
  ASSERT_EQ(reader.Count(), 2);
  EXPECT_EQ(reader.Names()[0], "a.bmp");
  EXPECT_EQ(reader.Names()[1], "b.ini");
  EXPECT_EQ(Entry(reader, "A.bmp"), "0123456789");
  EXPECT_EQ(Entry(reader, "b.ini"), "abcde");
  EXPECT_EQ(Entry(reader, "c.bmp"), "");
  EXPECT_EQ(Entry(reader, "a.bm"), "");
}

TEST(SkinReader, SkipsTheExtraHeaderOfEveryVersion) {
  const struct {
    std::int32_t version;
    std::size_t extra;
  } versions[] = {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}};
  for (const auto& v : versions) {
    EXPECT_EQ(SkinPackageExtraSize(v.version), static_cast<int>(v.extra));
    TSkinReader reader;
    ASSERT_TRUE(Read(reader, LzhPack(RawPackage(v.version, "one.bmp\r\ntwo.ini", {3, 2}, "abcde", v.extra))))
        << v.version;
    ASSERT_EQ(reader.Count(), 2) << v.version;
    EXPECT_EQ(Entry(reader, "one.bmp"), "abc") << v.version;
    EXPECT_EQ(Entry(reader, "two.ini"), "de") << v.version;
  }
}

TEST(SkinReader, NamesEndAtAnyLineEndAndTheFirstOfEqualNamesWins) {
  TSkinReader reader;
  ASSERT_TRUE(Read(reader, LzhPack(RawPackage(20000, "x.bmp\ry.bmp\nX.BMP\r\nz.bmp", {1, 2, 3, 4}, "abbcccdddd"))));
  ASSERT_EQ(reader.Count(), 4);
  EXPECT_EQ(Entry(reader, "X.bmp"), "a");
  EXPECT_EQ(Entry(reader, "y.bmp"), "bb");
  EXPECT_EQ(Entry(reader, "z.bmp"), "dddd");
}

TEST(SkinReader, ExtractEntryLikeTakesTheFirstNameContainingTheText) {
  TSkinReader reader;
  ASSERT_TRUE(Read(reader, LzhPack(RawPackage(20000, "a.bmp\r\nx.ini.bak\r\nskin.ini\r\n", {1, 2, 3}, "abbccc"))));
  TMemoryStream target;
  std::string name = "unchanged";
  reader.ExtractEntryLike(".ini", target, name);
  EXPECT_EQ(name, "x.ini.bak");
  EXPECT_EQ(target.Position(), 0);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), 2), "bb");

  // Case-sensitive; without a match the name stays and the target empties.
  name = "unchanged";
  reader.ExtractEntryLike(".INI", target, name);
  EXPECT_EQ(name, "unchanged");
  EXPECT_EQ(target.Size(), 0);
}

TEST(SkinReader, ReadsTheStandInSkin) {
  const std::vector<TSkinEntry> entries = StandInSkinEntries();
  TSkinReader reader;
  ASSERT_TRUE(Read(reader, LzhPack(WriteSkinPackage(entries, 20000))));
  ASSERT_EQ(reader.Count(), static_cast<int>(entries.size()));
  for (const TSkinEntry& entry : entries) {
    TMemoryStream target;
    reader.ExtractEntry(entry.Name, target);
    EXPECT_EQ(Bytes(target.Memory(), target.Memory() + target.Size()), entry.Data) << entry.Name;
  }
  TMemoryStream ini;
  std::string name;
  reader.ExtractEntryLike(".ini", ini, name);
  EXPECT_EQ(name, "skin.ini");
}

TEST(SkinReader, UnknownVersionIsToldAndRefused) {
  TSkinReader reader;
  ASSERT_TRUE(Read(reader, LzhPack(kTwoEntries)));
  TMessageCapture message;
  EXPECT_FALSE(Read(reader, LzhPack(RawPackage(10000, "c.bmp\r\n", {1}, "c"))));
  EXPECT_EQ(message.Text(), "This is Older Skin File\rPlease update to new version !");
#ifdef _WIN32
  EXPECT_EQ(message.Title(), "skindata_tests");
#endif
  EXPECT_EQ(reader.Version(), 20000);
  EXPECT_EQ(Entry(reader, "a.bmp"), "0123456789");
}

// A directory that does not fit what was unpacked is refused quietly and
// leaves the reader as it was.
TEST(SkinReader, RefusesPackagesWhoseDirectoryCannotBeTrusted) {
  std::string manyNames;
  for (int i = 0; i < 1002; ++i) manyNames += "e" + std::to_string(i) + "\r\n";
  Bytes truncated = LzhPack(WriteSkinPackage(StandInSkinEntries(), 20000));
  truncated.resize(40);

  const struct {
    const char* what;
    Bytes packed;
  } cases[] = {
      {"no size field", {1, 2}},
      {"a size no stream could code", {0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0, 0}},
      {"shorter than the header", LzhPack(Bytes(10, 0))},
      {"a negative names size", LzhPack(RawPackage(20000, "a\r\n", {1}, "a", 0, 0xFFFFFFFF))},
      {"names longer than the package", LzhPack(RawPackage(20000, "a\r\n", {1}, "a", 0, 1000))},
      {"extra header beyond the package", LzhPack(Bytes{0x30, 0x75, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1})},
      {"more than 1001 entries", LzhPack(RawPackage(20000, manyNames, std::vector<std::int64_t>(1002, 0), {}))},
      {"sizes beyond the package", LzhPack(RawPackage(20000, "a\r\nb\r\n", {}, "xyz"))},
      {"a negative size", LzhPack(RawPackage(20000, "a\r\nb\r\n", {-1, 2}, "x"))},
      {"sizes beyond the data", LzhPack(RawPackage(20000, "a\r\nb\r\n", {2, 2}, "xyz"))},
      {"sizes whose sum overflows", LzhPack(RawPackage(20000, "a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "x"))},
      {"a stream cut short", truncated},
  };
  for (const auto& c : cases) {
    TSkinReader reader;
    ASSERT_TRUE(Read(reader, LzhPack(kTwoEntries)));
    TMessageCapture message;
    EXPECT_FALSE(Read(reader, c.packed)) << c.what;
    EXPECT_EQ(message.Text(), "") << c.what;
    EXPECT_EQ(reader.Count(), 2) << c.what;
    EXPECT_EQ(Entry(reader, "b.ini"), "abcde") << c.what;
  }
}

TEST(SkinReader, AcceptsTheLimitsOfATrustworthyDirectory) {
  std::string names;
  for (int i = 0; i < TSkinReader::kMaxEntries; ++i) names += "e" + std::to_string(i) + "\r\n";
  const struct {
    const char* what;
    Bytes package;
    int count;
  } cases[] = {
      {"1001 entries", RawPackage(20000, names, std::vector<std::int64_t>(TSkinReader::kMaxEntries, 0), "tail"),
       TSkinReader::kMaxEntries},
      {"no entries", RawPackage(20000, "", {}, {}), 0},
      {"data after the last entry", RawPackage(20000, "a", {1}, "abc"), 1},
      {"a zero byte ends the names", RawPackage(20000, std::string("a\r\n\0b\r\n", 7), {1}, "a"), 1},
  };
  for (const auto& c : cases) {
    TSkinReader reader;
    EXPECT_TRUE(Read(reader, LzhPack(c.package))) << c.what;
    EXPECT_EQ(reader.Count(), c.count) << c.what;
  }
}

// A stream cut only in the entry data still gives the directory and the
// entries before the cut; the damage shows in the later entries' bytes.
TEST(SkinReader, StreamCutInTheDataKeepsTheEntriesBeforeTheCut) {
  const std::vector<TSkinEntry> entries = StandInSkinEntries();
  Bytes packed = LzhPack(WriteSkinPackage(entries, 20000));
  packed.resize(packed.size() * 9 / 10);
  TSkinReader reader;
  ASSERT_TRUE(Read(reader, packed));
  ASSERT_EQ(reader.Count(), static_cast<int>(entries.size()));
  TMemoryStream first;
  reader.ExtractEntry(entries[0].Name, first);
  EXPECT_EQ(Bytes(first.Memory(), first.Memory() + first.Size()), entries[0].Data);
  TMemoryStream last;
  reader.ExtractEntry(entries.back().Name, last);
  EXPECT_EQ(last.Size(), static_cast<std::int64_t>(entries.back().Data.size()));
  EXPECT_NE(Bytes(last.Memory(), last.Memory() + last.Size()), entries.back().Data);
}
