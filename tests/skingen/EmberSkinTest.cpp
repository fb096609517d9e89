// The second skin: the generator run with the "ember" palette draws every
// bitmap of the default skin in the same shape (size and transparent
// pixels) but other colours; an unknown palette is refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tools/skingen/Pixmap.h"
#include "tools/skingen/SkinElements.h"
#include "ui/Stream.h"

namespace fs = std::filesystem;

namespace {

TPixmap ReadPixmap(const fs::path& path) {
  TMemoryStream s;
  s.LoadFromFile(path.string());
  return DecodePixmap(std::span<const std::uint8_t>(s.Memory(), static_cast<std::size_t>(s.Size())));
}

int Skingen(const std::string& ini, const fs::path& out, const std::string& palette) {
  fs::remove_all(out);
  std::string command = std::string("\"") + QV_SKINGEN_EXE + "\" \"" + ini + "\" \"" + out.string() + "\"";
  if (!palette.empty()) command += " " + palette;
  return std::system(command.c_str());
}

}  // namespace

TEST(EmberSkin, EveryBitmapHasTheDefaultShapeInOtherColours) {
  const fs::path slate = fs::path(QV_TEST_OUT_DIR) / "slate", ember = fs::path(QV_TEST_OUT_DIR) / "ember";
  ASSERT_EQ(Skingen(QV_DEFAULT_SKIN_INI, slate, ""), 0);
  ASSERT_EQ(Skingen(QV_EMBER_SKIN_INI, ember, "ember"), 0);
  for (const TSkinBitmap& bitmap : SkinBitmaps()) {
    const TPixmap a = ReadPixmap(slate / bitmap.FileName), b = ReadPixmap(ember / bitmap.FileName);
    ASSERT_EQ(a.Width(), b.Width()) << bitmap.FileName;
    ASSERT_EQ(a.Height(), b.Height()) << bitmap.FileName;
    int transparentApart = 0, coloured = 0;
    for (int y = 0; y < a.Height(); ++y)
      for (int x = 0; x < a.Width(); ++x) {
        transparentApart += (a.At(x, y) == kKey) != (b.At(x, y) == kKey);
        coloured += a.At(x, y) != b.At(x, y);
      }
    EXPECT_EQ(transparentApart, 0) << bitmap.FileName;
    EXPECT_GT(coloured, 0) << bitmap.FileName;
  }
  // The default palette by name draws the default skin.
  const fs::path named = fs::path(QV_TEST_OUT_DIR) / "slate-named";
  ASSERT_EQ(Skingen(QV_DEFAULT_SKIN_INI, named, "slate"), 0);
  for (const TSkinBitmap& bitmap : SkinBitmaps())
    EXPECT_EQ(ReadPixmap(named / bitmap.FileName), ReadPixmap(slate / bitmap.FileName)) << bitmap.FileName;
}

TEST(EmberSkin, AnUnknownPaletteIsRefusedAndWritesNothing) {
  const fs::path out = fs::path(QV_TEST_OUT_DIR) / "unknown";
  EXPECT_NE(Skingen(QV_DEFAULT_SKIN_INI, out, "mauve"), 0);
  EXPECT_FALSE(fs::exists(out));
}
