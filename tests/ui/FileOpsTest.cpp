#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ui/FileHandle.h"

namespace {

std::string Slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

TEST(FileOps, RenamesOverAnExistingFileAndRemovesFiles) {
  const auto folder = std::filesystem::temp_directory_path() / "qv_fileops_test";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string from = (folder / "new.tmp").string();
  const std::string to = (folder / "old.dat").string();
  std::ofstream(from) << "new";
  std::ofstream(to) << "old";

  EXPECT_EQ(RenameFileReplacing(from, to), 0);
  EXPECT_EQ(Slurp(to), "new");
  EXPECT_FALSE(std::filesystem::exists(from));
  EXPECT_EQ(RenameFileReplacing(from, to), 2);  // nothing left to rename

  EXPECT_TRUE(DirectoryExists(folder.string()));
  EXPECT_FALSE(DirectoryExists(to));
  EXPECT_FALSE(DirectoryExists((folder / "none").string()));

  EXPECT_EQ(RemoveFile(to), 0);
  EXPECT_FALSE(std::filesystem::exists(to));
  EXPECT_EQ(RemoveFile(to), 2);
  std::filesystem::remove_all(folder);
}
