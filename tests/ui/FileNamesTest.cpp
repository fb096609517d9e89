#include "ui/FileNames.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

struct Case {
  const char* path;
  const char* folder;
  const char* name;
  const char* ext;
};

void Check(const Case& c) {
  SCOPED_TRACE(c.path);
  EXPECT_EQ(ExtractFilePath(c.path), c.folder);
  EXPECT_EQ(ExtractFileName(c.path), c.name);
  EXPECT_EQ(ExtractFileExt(c.path), c.ext);
}

}  // namespace

TEST(FileNames, SplitAtTheLastDelimiterAndTheLastDotAfterIt) {
#ifdef _WIN32
  const Case cases[] = {
      {"C:\\dir\\photo.JPG", "C:\\dir\\", "photo.JPG", ".JPG"},
      {"C:\\dir.d\\README", "C:\\dir.d\\", "README", ""},
      {"C:\\dir\\archive.tar.gz", "C:\\dir\\", "archive.tar.gz", ".gz"},
      {"C:\\dir\\.profile", "C:\\dir\\", ".profile", ".profile"},
      {"C:\\dir\\trailing.", "C:\\dir\\", "trailing.", "."},
      {"D:name.txt", "D:", "name.txt", ".txt"},
      {"\\\\server\\share\\f.bin", "\\\\server\\share\\", "f.bin", ".bin"},
      {"plain.txt", "", "plain.txt", ".txt"},
      {"", "", "", ""},
      // 0xB1 0x5C is one GBK character whose second byte is a backslash.
      {"C:\\dir\\\xB1\x5C.txt", "C:\\dir\\", "\xB1\x5C.txt", ".txt"},
      {"C:\\a.b\\\xB1\x5Cname", "C:\\a.b\\", "\xB1\x5Cname", ""},
      // A lead byte at the very end pairs with nothing.
      {"C:\\dir\\x\xB1", "C:\\dir\\", "x\xB1", ""},
  };
#else
  const Case cases[] = {
      {"/home/u/photo.JPG", "/home/u/", "photo.JPG", ".JPG"},
      {"/home/u.d/README", "/home/u.d/", "README", ""},
      {"/tmp/archive.tar.gz", "/tmp/", "archive.tar.gz", ".gz"},
      {"/tmp/.profile", "/tmp/", ".profile", ".profile"},
      {"relative/a:b.txt", "relative/", "a:b.txt", ".txt"},
      {"plain.txt", "", "plain.txt", ".txt"},
      {"", "", "", ""},
      {"/tmp/\xB1\x5C.txt", "/tmp/", "\xB1\x5C.txt", ".txt"},
      // UTF-8 "中" (E4 B8 AD) before a slash: not GBK, so the slash counts.
      {"/tmp/\xE4\xB8\xAD/x.txt", "/tmp/\xE4\xB8\xAD/", "x.txt", ".txt"},
      {"/tmp/\xE4\xB8\xAD.d/x", "/tmp/\xE4\xB8\xAD.d/", "x", ""},
  };
#endif
  for (const Case& c : cases) Check(c);
}

TEST(FileNames, TheExecutableIsThisTestProgram) {
  const std::string path = ExecutablePath();
  ASSERT_FALSE(ExtractFilePath(path).empty()) << path;
  EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
#ifdef _WIN32
  EXPECT_EQ(ExtractFileName(path), "rtl_tests.exe");
#else
  EXPECT_EQ(ExtractFileName(path), "rtl_tests");
#endif
  EXPECT_EQ(ExecutableTitle(), "rtl_tests");
}
