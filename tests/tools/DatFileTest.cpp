#include "tools/extdat/DatFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ui/Stream.h"

namespace {

class DatFileTest : public testing::Test {
 protected:
  DatFileTest() : FFolder(std::filesystem::temp_directory_path() / ("extdat-" + std::string(Name()))) {
    std::filesystem::remove_all(FFolder);
    std::filesystem::create_directories(FFolder);
  }
  ~DatFileTest() override { std::filesystem::remove_all(FFolder); }

  static const char* Name() { return testing::UnitTest::GetInstance()->current_test_info()->name(); }
  std::string Path(const char* name) const { return (FFolder / name).string(); }
  bool Exists(const char* name) const { return std::filesystem::exists(FFolder / name); }

  std::filesystem::path FFolder;
};

std::vector<TExtRecord> Records(int n) {
  std::vector<TExtRecord> records(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    records[static_cast<std::size_t>(i)].Ext.Assign("." + std::to_string(i));
    records[static_cast<std::size_t>(i)].Desc.Assign("记录 " + std::to_string(i));
  }
  return records;
}

}  // namespace

TEST_F(DatFileTest, WritesWholeRecordsAndReadsThemBack) {
  const std::string path = Path("ext.dat");
  WriteExtDat(path, Records(3));
  EXPECT_EQ(std::filesystem::file_size(path), 3 * kExtRecordSize);
  EXPECT_EQ(ReadExtDat(path).Records, Records(3));
  WriteExtDat(path, Records(2));  // replaces the old file
  const TExtDatContents contents = ReadExtDat(path);
  EXPECT_EQ(contents.Records, Records(2));
  EXPECT_EQ(contents.TrailingBytes, 0u);
  EXPECT_FALSE(Exists("ext.dat.tmp"));
}

TEST_F(DatFileTest, CountsAPartialRecordAtTheEndWithoutReadingIt) {
  const std::string path = Path("ext.dat");
  WriteExtDat(path, Records(2));
  std::ofstream(path, std::ios::binary | std::ios::app) << std::string(100, 'x');
  const TExtDatContents contents = ReadExtDat(path);
  EXPECT_EQ(contents.Records, Records(2));
  EXPECT_EQ(contents.TrailingBytes, 100u);
}

TEST_F(DatFileTest, AFailedWriteLeavesTheOldFileAndNoTemporaryFile) {
  const std::string path = Path("ext.dat");
  WriteExtDat(path, Records(1));
  // The temporary file's name is taken by a folder: nothing can be written.
  std::filesystem::create_directory(FFolder / "ext.dat.tmp");
  EXPECT_ANY_THROW(WriteExtDat(path, Records(4)));
  EXPECT_EQ(ReadExtDat(path).Records, Records(1));
  EXPECT_THROW(WriteExtDat(Path("missing/ext.dat"), Records(1)), EFOpenError);
  EXPECT_FALSE(Exists("missing"));
  EXPECT_THROW(ReadExtDat(Path("none.dat")), EInOutError);
}
