#include "ui/Stream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace {

std::string TempPath(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

}  // namespace

TEST(MemoryStream, ReadsWritesSeeksAndGrows) {
  TMemoryStream s;
  s.WriteBuffer("abcdef", 6);
  EXPECT_EQ(s.Size(), 6);
  EXPECT_EQ(s.Seek(-2, TSeekOrigin::End), 4);
  char buf[8] = {};
  EXPECT_EQ(s.Read(buf, 8), 2u);
  EXPECT_STREQ(buf, "ef");
  EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
  s.SetPosition(8);
  s.WriteBuffer("x", 1);
  EXPECT_EQ(s.Size(), 9);
  EXPECT_EQ(s.Memory()[6], 0);
  s.SetSize(3);
  EXPECT_EQ(s.Position(), 3);
}

TEST(MemoryStream, CopyFromZeroCopiesTheWholeSource) {
  TMemoryStream source, target;
  source.WriteBuffer("hello", 5);
  source.SetPosition(3);
  EXPECT_EQ(target.CopyFrom(source, 0), 5);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), 5), "hello");
}

TEST(FileStream, SavesLoadsAndReportsOpenErrors) {
  const std::string path = TempPath("qv_stream_test.bin");
  TMemoryStream out;
  out.WriteBuffer("\x00\x01\x02", 3);
  out.SaveToFile(path);
  TMemoryStream in;
  in.LoadFromFile(path);
  ASSERT_EQ(in.Size(), 3);
  EXPECT_EQ(in.Memory()[2], 2);
  std::remove(path.c_str());

  try {
    in.LoadFromFile(path);
    FAIL() << "a missing file opened";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.ErrorCode(), 2);
  }
  try {
    TFileStream folder(std::filesystem::temp_directory_path().string(), TFileAccess::Read,
                       TFileShare::DenyNone);
    FAIL() << "a folder opened as a file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.ErrorCode(), 5);
  }
}
