#include "filetype/ExtDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FileTypeFixtures.h"
#include "filetype/ExtRecordSource.h"
#include "ui/Exception.h"
#include "ui/FileNames.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

using ExtDatabaseTest = ScratchTest;

// The records a source delivers, in order.
std::vector<TExtRecord> ScanAll(const TExtRecordSource& source) {
  std::vector<TExtRecord> records;
  source.Scan([&](const TExtRecord& r) {
    records.push_back(r);
    return true;
  });
  return records;
}

int ErrorCodeOf(void (*action)(const std::string&), const std::string& path) {
  try {
    action(path);
  } catch (const EInOutError& e) {
    return e.ErrorCode();
  }
  return 0;
}

}  // namespace

TEST_F(ExtDatabaseTest, CountsWholeRecordsAndNeverReadsAPartialTail) {
  const std::vector<TExtRecord> three = {Record(".a", "A"), Record(".b", "B", 1, 2, "xy"), Record(".c", "C")};
  struct Case {
    std::vector<TExtRecord> records;
    std::string_view tail;
  };
  // The tail would decode as a record keyed ".zz" if it were read.
  const std::string tail = std::string("\x03.zz", 4) + std::string(96, 'z');
  const Case cases[] = {{{}, {}}, {{}, tail}, {three, {}}, {three, tail}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.records.size() << " records, tail " << c.tail.size());
    const std::string path = WriteDatabase("ext.dat", c.records, c.tail);
    EXPECT_EQ(CountExtRecords(path), std::int64_t(c.records.size()));
    EXPECT_EQ(ScanAll(TExtDatabaseFile(path)), c.records);
    EXPECT_EQ(TExtRecordList::Load(path).Records(), c.records);
  }
}

TEST_F(ExtDatabaseTest, ARecordCutShortRaisesReadBeyondEnd) {
  const std::string path = WriteDatabase("ext.dat", {Record(".a", "A"), Record(".b", "B")});
  TExtDatabase database(path);
  ASSERT_EQ(database.Count(), 2);
  // The file shrinks while it is open: the second record is incomplete.
  std::filesystem::resize_file(path, kExtRecordSize + 100);
  EXPECT_EQ(database.ReadNext(), Record(".a", "A"));
  try {
    database.ReadNext();
    FAIL() << "a short record was read";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 100);
    EXPECT_EQ(e.Message(), "读文件时超出文件结尾");
  }
}

TEST_F(ExtDatabaseTest, ReadingTheRestAtOnceFindsARecordCutShortToo) {
  const std::string path = WriteDatabase("ext.dat", {Record(".a", "A"), Record(".b", "B"), Record(".c", "C")});
  TExtDatabase database(path);
  EXPECT_EQ(database.ReadNext(), Record(".a", "A"));
  EXPECT_EQ(database.ReadRest(), (std::vector<TExtRecord>{Record(".b", "B"), Record(".c", "C")}));
  EXPECT_TRUE(database.Eof());
  TExtDatabase shrinking(path);
  std::filesystem::resize_file(path, 2 * kExtRecordSize + 100);
  try {
    shrinking.ReadRest();
    FAIL() << "a short record was read";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 100);
  }
}

TEST_F(ExtDatabaseTest, AMissingDatabaseIsEmptyForScansButFailsTheCount) {
  const std::string path = PathOf("ext.dat");
  EXPECT_FALSE(ExtDatabaseExists(path));
  EXPECT_TRUE(ScanAll(TExtDatabaseFile(path)).empty());
  try {
    CountExtRecords(path);
    FAIL() << "a missing database was counted";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), 2);
    EXPECT_EQ(e.Message(), "文件没找到");
  }
  EXPECT_EQ(ErrorCodeOf([](const std::string& p) { TExtRecordList::Load(p); }, path), 2);
}

TEST_F(ExtDatabaseTest, AFolderNamedLikeTheDatabaseIsNoDatabase) {
  const std::string path = PathOf("ext.dat");
  std::filesystem::create_directory(path);
  EXPECT_FALSE(ExtDatabaseExists(path));
  EXPECT_TRUE(ScanAll(TExtDatabaseFile(path)).empty());
  EXPECT_EQ(ErrorCodeOf([](const std::string& p) { CountExtRecords(p); }, path), 5);
}

TEST(ExtDatabasePath, IsExtDatBesideTheRunningProgram) {
  const std::string path = ExtDatabasePath();
  ASSERT_EQ(ExtractFileName(path), "ext.dat");
  const std::filesystem::path folder = ExtractFilePath(path);
  EXPECT_TRUE(std::filesystem::exists(folder / "filetype_tests") ||
              std::filesystem::exists(folder / "filetype_tests.exe"))
      << path;
}

#ifdef _WIN32

TEST_F(ExtDatabaseTest, AScanStoppedEarlyClosesTheFile) {
  const std::string path = WriteDatabase("ext.dat", {Record(".a", "A"), Record(".b", "B")});
  int visited = 0;
  TExtDatabaseFile(path).Scan([&](const TExtRecord&) { return ++visited < 1; });
  EXPECT_EQ(visited, 1);
  // A file still open here could not be removed.
  EXPECT_TRUE(std::filesystem::remove(path));
}

// The database is opened for reading only: a database that refuses writers
// still serves. The read-only attribute is real only where the system
// enforces it (not for an administrator under every system); a program that
// holds the file and denies writers is real everywhere.
TEST_F(ExtDatabaseTest, ADatabaseThatRefusesWritersStillOpens) {
  const std::string path = WriteDatabase("ext.dat", {Record(".a", "A"), Record(".b", "B")});
  const HeldFile reader(path, FILE_SHARE_READ);
  ASSERT_TRUE(reader.IsOpen());
  TFileHandle writer;
  ASSERT_EQ(writer.Open(path, TFileAccess::ReadWrite, TFileShare::DenyNone), ERROR_SHARING_VIOLATION);

  EXPECT_EQ(CountExtRecords(path), 2);
  EXPECT_EQ(ScanAll(TExtDatabaseFile(path)).size(), 2u);
}

TEST_F(ExtDatabaseTest, AReadOnlyDatabaseStillOpens) {
  const std::string path = WriteDatabase("ext.dat", {Record(".a", "A"), Record(".b", "B")});
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
  TFileHandle writer;
  const int refused = writer.Open(path, TFileAccess::ReadWrite, TFileShare::DenyNone);
  writer.Close();
  if (refused == 0) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "this system lets this user write read-only files";
  }
  EXPECT_EQ(refused, ERROR_ACCESS_DENIED);
  EXPECT_EQ(CountExtRecords(path), 2);
  EXPECT_EQ(ScanAll(TExtDatabaseFile(path)).size(), 2u);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ExtDatabaseTest, ADatabaseLockedByAnotherProgramReportsTheSystemsCode) {
  const std::string path = WriteDatabase("ext.dat", {Record(".a", "A")});
  const HeldFile lock(path, 0);
  ASSERT_TRUE(lock.IsOpen());
  try {
    CountExtRecords(path);
    FAIL() << "a locked database opened";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode(), ERROR_SHARING_VIOLATION);
    EXPECT_EQ(e.Message(), "I/O 错误 32");
  }
}

#endif
