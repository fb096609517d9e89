// The program's own skin, as the skin data component loads it from the
// package the build made (QV_DEFAULT_SKIN_PACKAGE): everything the window
// and control painting will draw with is there.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"

namespace {

class DefaultSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Data = new TSkinData(nullptr);
    Data->FSkinStream.LoadFromFile(QV_DEFAULT_SKIN_PACKAGE);
    Loaded = Data->LoadSkin();
  }
  static void TearDownTestSuite() {
    delete Data;
    DestroySkinManager();
  }
  static TSkinData* Data;
  static bool Loaded;
};
TSkinData* DefaultSkin::Data = nullptr;
bool DefaultSkin::Loaded = false;

}  // namespace

TEST_F(DefaultSkin, IsAVersion20000PackageOfAnIniAndItsBitmaps) {
  TMemoryStream packed;
  packed.LoadFromFile(QV_DEFAULT_SKIN_PACKAGE);
  TSkinReader package;
  ASSERT_TRUE(package.ReadSkinPackage(packed));
  EXPECT_EQ(package.Version(), 20000);
  int inis = 0;
  for (int i = 0; i < package.Count(); ++i) {
    const std::string name = package.Names()[i];
    TMemoryStream entry;
    package.ExtractEntry(name, entry);
    if (name.size() > 4 && name.substr(name.size() - 4) == ".ini") {
      ++inis;
      // No section that this skin must not have.
      const std::string text(reinterpret_cast<const char*>(entry.Memory()), static_cast<std::size_t>(entry.Size()));
      for (const char* absent : {"[Progress.Chunk]", "[Tab.Pane]", "[Track]", "[TRACKVERT]"})
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
      // Colours are three numbers separated by spaces.
      const std::size_t colours = text.find("[Colours]");
      ASSERT_NE(colours, std::string::npos);
      const std::regex entryLine(R"(^\s*(\w+)\s*=\s*(.*?)\s*$)");
      std::istringstream lines(text.substr(colours + 9, text.find("\n[", colours) - colours - 9));
      for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_match(line, match, entryLine)) {
          EXPECT_TRUE(std::regex_match(match[2].str(), std::regex(R"(\d+ \d+ \d+)"))) << line;
        }
      }
      continue;
    }
    ASSERT_EQ(name.substr(name.size() - 4), ".bmp") << name;
    TBitmap bitmap;
    bitmap.LoadFromStream(entry);
    if (bitmap.PixelFormat() != TPixelFormat::pf24bit) {
      EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf32bit) << name;
      EXPECT_NE(name.find("menu"), std::string::npos) << name << ": only the menu background may have 32 bits";
    }
  }
  EXPECT_EQ(inis, 1);
}

TEST_F(DefaultSkin, LoadsWithEveryElement) {
  ASSERT_TRUE(Loaded);
  EXPECT_FALSE(Data->FNoSkin);
  // The borders: two frames each, stacked along the top and bottom, side by
  // side at the left and right.
  struct Border {
    TSkinBorder index;
    int width, height;
  };
  for (const Border& b : {Border{sbTop, 266, 64}, Border{sbBottom, 266, 16}, Border{sbLeft, 14, 158},
                          Border{sbRight, 14, 158}}) {
    const TDataSkinBorder& border = *Data->FBorders[b.index];
    EXPECT_EQ(border.FFrameCount, 2) << border.FName;
    EXPECT_EQ(border.FBitmap.Width(), b.width) << border.FName;
    EXPECT_EQ(border.FBitmap.Height(), b.height) << border.FName;
  }
  EXPECT_FALSE(Data->FTitle.FBitmap.Empty());
  EXPECT_FALSE(Data->FButtons.FBitmap.Empty());
  const std::initializer_list<const TDataSkinObject*> drawn = {
      Data->FProgress.get(),       Data->FGroupBoxEdge.get(),   Data->FGroupBox.get(),
      Data->FTabs.get(),           Data->FStatusBarEdges.get(), Data->FToolBars.get(),
      Data->FComboButton.get(),    Data->FSunkEdge.get(),       Data->FExtraImages.get(),
      Data->FHeaderbar.get(),      Data->FMenuItem.get(),       Data->FMenuBackground.get(),
      Data->FScrollbar.get(),      Data->FHorzScroll.get(),     Data->FVertScroll.get(),
      Data->FHorzScrollThumb.get(), Data->FVertScrollThumb.get(), Data->FTrackThumbs[0].get(),
      Data->FTrackThumbs[1].get(), Data->FTrackThumbs[2].get(), Data->FTrackThumbs[3].get(),
      Data->FTrackThumbs[4].get(), Data->FTrackThumbs[5].get(), Data->FUpDownHorz.get(),
      Data->FUpDownVert.get(),     Data->FComboxArrow.get(),    Data->FToolbar.get()};
  for (const TDataSkinObject* element : drawn) {
    ASSERT_NE(element, nullptr);
    EXPECT_FALSE(element->FBitmap.Empty()) << element->FName;
  }
  EXPECT_EQ(Data->FScrollbar->FFrameCount, 23);
  EXPECT_EQ(Data->FProgressChunk, nullptr);
  EXPECT_EQ(Data->FTabPane, nullptr);
  // The track images are the program's own.
  EXPECT_EQ(Data->FTrack->FName, "TRACK");
  EXPECT_EQ(Data->FTrackVert->FName, "TRACKVERT");
  // The combo box strips were composed.
  EXPECT_EQ(Data->FComboButton->FStyle, 2);
  EXPECT_EQ(Data->FComboxArrow->FBitmap.Height(), 17);
}

TEST_F(DefaultSkin, HasItsTitleButtons) {
  ASSERT_TRUE(Loaded);
  struct Expected {
    const char* name;
    int action, visibility;
    bool image;
  };
  const Expected expected[] = {
      {"BUTTON0", 0, 0, true},     {"BUTTON1", 1, 6, true},     {"BUTTON2", 1, 1, true},
      {"BUTTON3", 2, 0, true},     {"BUTTON6", 3, 0, false},    {"MDIMINIMIZE", 7, 100, true},
      {"MDIRESTORE", 8, 100, true}, {"MDICLOSE", 9, 100, true},
  };
  ASSERT_EQ(Data->FSysButtons.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const TDataSkinSysButton& button = *Data->FSysButtons[i];
    EXPECT_EQ(button.FName, expected[i].name);
    EXPECT_EQ(button.FAction, expected[i].action) << button.FName;
    EXPECT_EQ(button.FVisibility, expected[i].visibility) << button.FName;
    EXPECT_EQ(!button.FBitmap.Empty(), expected[i].image) << button.FName;
  }
}
