// The skinpack tool, run as a user runs it.
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "RawPackage.h"
#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhPacker.h"

namespace fs = std::filesystem;

namespace {

class Skinpack : public testing::Test {
 protected:
  void SetUp() override {
    FRoot = fs::temp_directory_path() / ("skinpack_test_" + std::to_string(::getpid()));
    fs::remove_all(FRoot);
    fs::create_directories(FRoot);
  }
  void TearDown() override { fs::remove_all(FRoot); }

  fs::path Path(const std::string& name) const { return FRoot / name; }

  static void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static void Write(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    Write(path, std::string(bytes.begin(), bytes.end()));
  }
  static std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Runs skinpack with the arguments; returns its exit status and keeps
  // what it printed.
  int Run(const std::string& args) {
    const std::string command = std::string(SKINPACK) + " " + args + " >" + Path("out.txt").string() + " 2>" +
                                Path("err.txt").string();
    const int status = std::system(command.c_str());
    FOut = Contents(Path("out.txt"));
    FErr = Contents(Path("err.txt"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path FRoot;
  std::string FOut, FErr;
};

}  // namespace

TEST_F(Skinpack, PacksListsAndUnpacksAFolder) {
  std::string bitmap;
  for (int i = 0; i < 3000; ++i) bitmap += static_cast<char>(i * 31 % 256);
  Write(Path("in/b.bmp"), bitmap);
  Write(Path("in/Skin.INI"), "[Personality]\r\nSkinName=Test\r\n");
  Write(Path("in/empty"), "");
  fs::create_directories(Path("in/folder"));

  ASSERT_EQ(Run("pack " + Path("in").string() + " " + Path("skin.skn").string()), 0) << FErr;
  EXPECT_NE(FErr.find("folder"), std::string::npos) << "a skipped folder is mentioned";

  // Byte order of the names as written; the reader lower-cases them.
  ASSERT_EQ(Run("list " + Path("skin.skn").string()), 0) << FErr;
  EXPECT_EQ(FOut, "skin.ini\t30\nb.bmp\t3000\nempty\t0\n");

  ASSERT_EQ(Run("unpack " + Path("skin.skn").string() + " " + Path("out/new").string()), 0) << FErr;
  EXPECT_EQ(Contents(Path("out/new/skin.ini")), "[Personality]\r\nSkinName=Test\r\n");
  EXPECT_EQ(Contents(Path("out/new/b.bmp")), bitmap);
  EXPECT_TRUE(fs::is_regular_file(Path("out/new/empty")));
  EXPECT_EQ(std::distance(fs::directory_iterator(Path("out/new")), fs::directory_iterator()), 3);

  // Any version the reader knows, the same entries.
  ASSERT_EQ(Run("pack --version 70000 " + Path("in").string() + " " + Path("v7.skn").string()), 0) << FErr;
  ASSERT_EQ(Run("list " + Path("v7.skn").string()), 0) << FErr;
  EXPECT_EQ(FOut, "skin.ini\t30\nb.bmp\t3000\nempty\t0\n");
  TSkinReader reader;
  TMemoryStream packed;
  packed.LoadFromFile(Path("v7.skn").string());
  ASSERT_TRUE(reader.ReadSkinPackage(packed));
  EXPECT_EQ(reader.Version(), 70000);
}

TEST_F(Skinpack, UnpackWritesTheFirstOfTwoEqualNames) {
  Write(Path("dup.skn"), LzhPack(RawPackage(20000, "a.bmp\r\nA.BMP\r\n", {1, 2}, "xyy")));
  ASSERT_EQ(Run("unpack " + Path("dup.skn").string() + " " + Path("out").string()), 0) << FErr;
  EXPECT_EQ(Contents(Path("out/a.bmp")), "x");
  EXPECT_NE(FErr.find("a.bmp"), std::string::npos);
}

TEST_F(Skinpack, RefusesBadInputAndLeavesOutputsAlone) {
  Write(Path("case/A.bmp"), "1");
  Write(Path("case/a.bmp"), "2");
  Write(Path("good/a.bmp"), "1");
  Write(Path("garbage.skn"), "this is no skin package");
  Write(Path("empty.skn"), "");
  Write(Path("escape.skn"), LzhPack(RawPackage(20000, "ok.bmp\r\n../escape.bmp\r\n", {1, 1}, "xy")));
  Write(Path("old.skn"), LzhPack(RawPackage(10000, "a.bmp\r\n", {1}, "x")));
  Write(Path("kept.skn"), "keep me");
  const struct {
    std::string args;
    int status;
    const char* says;
  } cases[] = {
      {"pack " + Path("missing").string() + " " + Path("kept.skn").string(), 1, "not a folder"},
      {"pack " + Path("case").string() + " " + Path("kept.skn").string(), 1, "letter case"},
      {"pack --version 12345 " + Path("good").string() + " " + Path("kept.skn").string(), 1, "unknown version"},
      {"pack " + Path("good").string() + " " + Path("no/such/folder/out.skn").string(), 1, "cannot write"},
      {"unpack " + Path("missing.skn").string() + " " + Path("out").string(), 1, "cannot open"},
      {"unpack " + Path("garbage.skn").string() + " " + Path("out").string(), 1, "not a readable skin package"},
      {"list " + Path("empty.skn").string(), 1, "not a readable skin package"},
      {"list " + Path("old.skn").string(), 1, "Please update to new version"},
      {"unpack " + Path("escape.skn").string() + " " + Path("out").string(), 1, "not a plain file name"},
      {"", 2, "usage"},
      {"frobnicate x", 2, "usage"},
      {"pack " + Path("good").string(), 2, "usage"},
      {"pack --version", 2, "usage"},
      {"list", 2, "usage"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), c.status) << c.args << "\n" << FErr;
    EXPECT_NE(FErr.find(c.says), std::string::npos) << c.args << "\n" << FErr;
  }
  EXPECT_EQ(Contents(Path("kept.skn")), "keep me");
  EXPECT_FALSE(fs::exists(Path("out")));
  EXPECT_FALSE(fs::exists(Path("escape.bmp")));
  // No temporary files are left behind.
  for (const auto& item : fs::recursive_directory_iterator(FRoot)) {
    EXPECT_EQ(item.path().string().find(".skinpack-"), std::string::npos) << item.path();
  }
}
