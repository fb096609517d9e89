#include "skin/data/SkinLoader.h"

#include <gtest/gtest.h>

#include "skin/data/SkinDerived.h"
#include "tests/skin/SkinFixture.h"

namespace {

constexpr TColor kButtonText = 0x010203;

// Loads sections of a fixture through a loader whose ButtonText colour is
// kButtonText.
struct TLoaded {
  explicit TLoaded(const TSkinFixture& fixture) : Skin(fixture), Loader(Skin.Ini, Skin.Package) {
    EXPECT_TRUE(Skin.Valid);
    Loader.SetButtonText(kButtonText);
  }
  TOpenedSkin Skin;
  TSkinLoader Loader;
};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(SkinLoader, ColourText) {
  struct Case {
    const char* text;
    TColor expected;
  };
  const Case cases[] = {
      {"0,128,255", 0xFF8000},
      {"255 255 255", 0xFFFFFF},
      {"12", 0},            // a lone number at the end is not taken
      {"10, 20", 0x00000A},  // the end run counts only after exactly two
      {"1,2,3", 0x030201},
      {"1,2,3,", 0x030201},
      {" 1 2 3 4 ", 0x030201},  // further numbers are ignored
      {"300 1 2", 0x02012C},    // low 8 bits of each number
      {"99999999999999999999 0 0", 0xFF},
      {"r1g2b", 0x000201},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ColourFromText(c.text), c.expected) << '"' << c.text << '"';
}

TEST(SkinLoader, ImageNamesArePackageEntriesEndingInDotBmp) {
  std::vector<std::uint8_t> corrupt = SolidBmp(2, 2, 0);
  corrupt.resize(40);
  TLoaded skin(TSkinFixture("[A]\n")
                   .Bitmap("title.bmp", 3, 2)
                   .Bitmap("ba\xC4\\.bmp", 5, 1)  // a double-byte character ending in a backslash
                   .Entry("broken.bmp", corrupt));
  struct Case {
    const char* value;
    int width;  // 0: empty
    bool readable;
  };
  const Case cases[] = {
      {"title.bmp", 3, true},
      {"skin\\title.bmp", 3, true},  // the directory part is dropped
      {"c:title.bmp", 3, true},
      {"skins/Title.bmp", 3, true},  // entry names compare in lower case
      {"title.BMP", 0, true},        // the extension must be ".bmp" exactly
      {"title", 0, true},
      {"dir\\", 0, true},
      {"missing.bmp", 0, true},
      {"ba\xC4\\.bmp", 5, true},
      {"broken.bmp", 0, false},
  };
  for (const Case& c : cases) {
    TBitmap bitmap(7, 7);
    EXPECT_EQ(skin.Loader.LoadImage(bitmap, c.value), c.readable) << c.value;
    EXPECT_EQ(bitmap.Width(), c.width) << c.value;
  }
}

TEST(SkinLoader, GenericFamilyReadsItsKeysAndClampsTile) {
  TLoaded skin(TSkinFixture(
                   "[ToolBars]\nImage=tb.bmp\nStyle=3\nLeftWidth=1\nTopHeight=2\nRightWidth=3\nBottomHeight=4\n"
                   "Frame=7\nTrans=1\nTile=2\nNormalColour=5\nNormalColour2=9 8 7\n"
                   "[Plain]\nImage=tb.bmp\nTile=1\n"
                   "[NoImage]\nStyle=3\n"
                   "[NotBmp]\nImage=tb.png\n"
                   "[Broken]\nImage=broken.bmp\n")
                   .Bitmap("tb.bmp", 10, 4)
                   .Entry("broken.bmp", {'B', 'M'}));
  const auto e = skin.Loader.Generic("ToolBars");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->FName, "ToolBars");
  EXPECT_EQ(e->FStyle, 3);
  EXPECT_TRUE(SameRect(e->FMargins, RECT{1, 2, 3, 4}));
  EXPECT_EQ(e->FFrameCount, 7);
  EXPECT_EQ(e->FTrans, 1);
  EXPECT_EQ(e->FTile, 0);  // above 1 becomes 0
  EXPECT_EQ(e->FNormalColour, 5);
  EXPECT_EQ(e->FMouseOverColour, -1);
  EXPECT_EQ(e->FPressedColour, -1);
  EXPECT_EQ(e->FNormalColour2, 0x070809);
  EXPECT_EQ(e->FMouseOverColour2, kButtonText);
  EXPECT_EQ(e->FBitmap.Width(), 10);
  EXPECT_EQ(skin.Loader.Generic("Plain")->FTile, 1);

  EXPECT_FALSE(skin.Loader.Generic("NoImage"));
  EXPECT_FALSE(skin.Loader.Generic("Missing"));
  // An image value that names no bitmap: the element exists, without image.
  const auto notBmp = skin.Loader.Generic("NotBmp");
  ASSERT_TRUE(notBmp);
  EXPECT_TRUE(notBmp->FBitmap.Empty());
  // A bitmap entry that cannot be read leaves the element absent.
  EXPECT_FALSE(skin.Loader.Generic("Broken"));
}

TEST(SkinLoader, BarBorderedAndBoxLabelFamilies) {
  TLoaded skin(TSkinFixture("[Progress]\nBitmap=p.bmp\nImage=x.bmp\nTile=5\nFrame=9\nNormalColour=4\nTrans=1\n"
                            "[UpDown.Horz]\nImage=p.bmp\nGlyphImage=g.bmp\nFrame=9\nTile=2\nPressedColour=6\n"
                            "[GroupBox]\nImage=p.bmp\nBackgroundAlignment=2\nBackgroundLeftShift=-3\n"
                            "BackgroundRightShift=4\nTile=3\n")
                   .Bitmap("p.bmp", 8, 8)
                   .Bitmap("g.bmp", 16, 4));
  const auto bar = skin.Loader.Bar("Progress");
  ASSERT_TRUE(bar);
  EXPECT_EQ(bar->FBitmap.Width(), 8);
  EXPECT_EQ(bar->FTile, 1);  // above 1 becomes 1 for bars
  EXPECT_EQ(bar->FTrans, 1);
  EXPECT_EQ(bar->FFrameCount, 0);  // neither frames nor colours are read
  EXPECT_EQ(bar->FNormalColour, 0);
  EXPECT_TRUE(bar->FBitmap2.Empty());
  EXPECT_FALSE(skin.Loader.Bar("UpDown.Horz"));  // no "Bitmap" key

  const auto updown = skin.Loader.Bordered("UpDown.Horz", "GlyphImage");
  ASSERT_TRUE(updown);
  EXPECT_EQ(updown->FBitmap2.Width(), 16);
  EXPECT_EQ(updown->FFrameCount, 0);
  EXPECT_EQ(updown->FTile, 0);
  EXPECT_EQ(updown->FPressedColour, 6);

  const auto box = skin.Loader.BoxLabel("GroupBox");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->FBackgroundAlignment, 2);
  EXPECT_EQ(box->FBackgroundLeftShift, -3);
  EXPECT_EQ(box->FBackgroundRightShift, 4);
  EXPECT_EQ(box->FTile, 0);
}

TEST(SkinLoader, PersonalityBordersMenuBarAndTitle) {
  TLoaded skin(TSkinFixture("[Personality]\nLeft=l.bmp\nLeftTopHeight=20\nLeftBotHeight=5\nLeftFrame=2\n"
                            "LeftStretch=4\nLeftTrans=0\nTop=t.bmp\nTopTopHeight=30\nTopBotHeight=40\n"
                            "menuBar=m.bmp\nTileMenu=3\nTileLeftMenu=6\n"
                            "TextBack=t.bmp\nTextShift=8\nTextShiftVert=-2\nTextRightClip=50\nTextAlignment=1\n"
                            "TXTBackleft=3\nTXTBackRight=4\nActiveTextR=255\nActiveTextG=0x80\nActiveTextB=1\n"
                            "InActiveTextR=1\nInActiveTextG=2\n"
                            "[Fonts]\nFontHeight=17\n")
                   .Bitmap("l.bmp", 14, 158)
                   .Bitmap("t.bmp", 266, 64)
                   .Bitmap("m.bmp", 20, 10));
  TDataSkinBorder left("Left"), top("Top"), bottom("Bottom");
  bottom.FBitmap.SetSize(5, 5);
  skin.Loader.LoadBorder(left);
  skin.Loader.LoadBorder(top);
  skin.Loader.LoadBorder(bottom);
  // Fixed lengths along the border: top and bottom for the sides, left and
  // right for the top and bottom borders.
  EXPECT_TRUE(SameRect(left.FMargins, RECT{0, 20, 0, 5}));
  EXPECT_EQ(left.FFrameCount, 2);
  EXPECT_EQ(left.FTile, 1);
  EXPECT_EQ(left.FTrans, 0);
  EXPECT_EQ(left.FBitmap.Height(), 158);
  EXPECT_TRUE(SameRect(top.FMargins, RECT{30, 0, 40, 0}));
  // Defaults: one frame, stretched, transparent; no image.
  EXPECT_EQ(bottom.FFrameCount, 1);
  EXPECT_EQ(bottom.FTile, 1);
  EXPECT_EQ(bottom.FTrans, 1);
  EXPECT_TRUE(bottom.FBitmap.Empty());

  const auto menuBar = skin.Loader.MenuBar();
  ASSERT_TRUE(menuBar);
  EXPECT_EQ(menuBar->FName, "Personality");
  EXPECT_EQ(menuBar->FTile, 1);
  EXPECT_TRUE(SameRect(menuBar->FMargins, RECT{6, 0, 1, 0}));
  EXPECT_EQ(menuBar->FFrameCount, 2);

  TDataSkinTitle title("Title");
  skin.Loader.LoadTitle(title);
  EXPECT_EQ(title.FBitmap.Width(), 266);
  EXPECT_TRUE(SameRect(title.FMargins, RECT{8, -2, 50, 0}));
  EXPECT_EQ(title.FTextAlignment, 1);
  EXPECT_EQ(title.FTextBackLeft, 3);
  EXPECT_EQ(title.FTextBackRight, 4);
  EXPECT_EQ(title.FFontHeight, 17);
  EXPECT_EQ(title.FActiveTextColour, 0x0180FF);
  EXPECT_EQ(title.FInactiveTextColour, TDataSkinTitle::kNoColour);  // one channel missing
  EXPECT_EQ(title.FFrameCount, 2);
}

TEST(SkinLoader, ButtonsAndTheirGlyphFrames) {
  TLoaded skin(TSkinFixture("[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\nRadioButton=r.bmp\nTile=2\n"
                            "LeftWidth=3\nMouseOverColour2=4,5,6\nPressedColour=7\n")
                   .Bitmap("b.bmp", 50, 20)
                   .Bitmap("c.bmp", 130, 13)
                   .Bitmap("r.bmp", 20, 10));
  TDataSkinButton buttons("Buttons");
  skin.Loader.LoadButtons(buttons);
  FinishButtons(buttons);
  EXPECT_EQ(buttons.FFrameCount, 5);
  EXPECT_EQ(buttons.FCheckFrameCount, 10);  // 13-pixel cells
  EXPECT_EQ(buttons.FRadioFrameCount, 4);   // at least 4
  EXPECT_EQ(buttons.FTile, 0);
  EXPECT_EQ(buttons.FMargins.left, 3);
  EXPECT_EQ(buttons.FNormalColour, -1);
  EXPECT_EQ(buttons.FPressedColour, 7);
  EXPECT_FALSE(buttons.FHasNormalColour2);
  EXPECT_TRUE(buttons.FHasMouseOverColour2);
  EXPECT_EQ(buttons.FMouseOverColour2, 0x060504);
  EXPECT_EQ(buttons.FNormalColour2, kButtonText);

  // Counts the skin gives stay; 16-pixel cells from a height of 16.
  TLoaded given(TSkinFixture("[Buttons]\nCheckButton=c.bmp\nRadioButtonFrame=3\nRadioButton=c.bmp\n")
                    .Bitmap("c.bmp", 96, 16));
  TDataSkinButton other("Buttons");
  given.Loader.LoadButtons(other);
  FinishButtons(other);
  EXPECT_EQ(other.FCheckFrameCount, 6);
  EXPECT_EQ(other.FRadioFrameCount, 3);
}

TEST(SkinLoader, TitleButtonsAreTheButtonSectionsThatShow) {
  TLoaded skin(TSkinFixture("[Buttons]\nAction=0\n[BUTTON.RADIO]\n[Button.CheckBox]\n[Button]\n"
                            "[Button0]\nAction=0\nAlign=1\nXcoord=20\nYcoord=3\nButtonImage=wide.bmp\n"
                            "[Decor]\n[buttonDecor]\nAction=-1\nVisibility=1\n"
                            "[ButtonShown]\nAction=-1\nVisibility=0\nButtonImage=square.bmp\n"
                            "[ButtonHidden]\nAction=-1\n"
                            "[ButtonMax]\nAction=1\nVisibility=2\nXcoord=44\nYcoord=5\nButtonImage=square.bmp\n"
                            "[ButtonHelp]\nAction=4\nXcoord=1\nYcoord=1\nframe=2\nCombineOp=3\n"
                            "[ButtonIcon]\nAction=3\nButtonImage=square.bmp\n"
                            "[MDIControls]\nImage=mdi.bmp\n")
                   .Bitmap("wide.bmp", 200, 30)
                   .Bitmap("square.bmp", 90, 30)
                   .Bitmap("mdi.bmp", 96, 16));
  TStringList sections;
  skin.Skin.Ini.ReadSections(sections);
  const auto buttons = skin.Loader.SysButtons(sections);
  std::vector<std::string> names;
  for (const auto& b : buttons) names.push_back(b->FName);
  EXPECT_EQ(names, (std::vector<std::string>{"BUTTON0", "BUTTONSHOWN", "BUTTONMAX", "BUTTONHELP", "BUTTONICON",
                                             "MDIMINIMIZE", "MDIRESTORE", "MDICLOSE"}));
  ASSERT_EQ(buttons.size(), 8u);
  const TDataSkinSysButton& close = *buttons[0];
  EXPECT_EQ(close.FAlign, 1);
  EXPECT_EQ(close.FXcoord, 20);
  EXPECT_EQ(close.FFrameCount, 6);  // 200 / 30 > 3.8
  EXPECT_EQ(close.FCombineOp, -1);
  EXPECT_EQ(close.FVisibility1, 0);
  const TDataSkinSysButton& shown = *buttons[1];
  EXPECT_EQ(shown.FVisibility1, -1);
  EXPECT_EQ(shown.FFrameCount, 6);  // a decoration always has 6
  EXPECT_EQ(buttons[2]->FFrameCount, 3);  // 90 / 30 <= 3.8
  // The help button takes the place of the maximize button shown on normal
  // windows; the frame count it gives stays.
  const TDataSkinSysButton& help = *buttons[3];
  EXPECT_EQ(help.FXcoord, 44);
  EXPECT_EQ(help.FYcoord, 5);
  EXPECT_EQ(help.FFrameCount, 2);
  EXPECT_EQ(help.FCombineOp, 3);
  // The window icon is drawn instead of an image.
  EXPECT_TRUE(buttons[4]->FBitmap.Empty());

  // The MDI buttons: a = 96 div 12 = 8; each gets 4 frames of width 8.
  for (int i = 0; i < 3; ++i) {
    const TDataSkinSysButton& mdi = *buttons[5 + static_cast<std::size_t>(i)];
    EXPECT_EQ(mdi.FAction, 7 + i);
    EXPECT_EQ(mdi.FAlign, 100);
    EXPECT_EQ(mdi.FVisibility, 100);
    EXPECT_EQ(mdi.FVisibility1, 100);
    EXPECT_EQ(mdi.FFrameCount, 4);
    EXPECT_EQ(mdi.FBitmap.Width(), 32);
    EXPECT_EQ(mdi.FBitmap.Height(), 16);
    EXPECT_EQ(mdi.FXcoord, (3 - i) * 12);
  }
}

TEST(SkinLoader, HelpButtonBeforeAnyMaximizeKeepsItsPlace) {
  TLoaded skin(TSkinFixture("[Button1]\nAction=4\nXcoord=9\nYcoord=8\n[Button2]\nAction=1\nVisibility=2\nXcoord=1\n"));
  TStringList sections;
  skin.Skin.Ini.ReadSections(sections);
  const auto buttons = skin.Loader.SysButtons(sections);
  ASSERT_EQ(buttons.size(), 5u);
  EXPECT_EQ(buttons[0]->FXcoord, 9);
  EXPECT_EQ(buttons[0]->FYcoord, 8);
  // Without an MDICONTROLS image the MDI buttons have none.
  EXPECT_TRUE(buttons[2]->FBitmap.Empty());
  EXPECT_EQ(buttons[2]->FXcoord, 0);
}

TEST(SkinLoader, BuiltInTrackImages) {
  for (const char* name : {"TRACK", "TRACKVERT"}) {
    const auto track = BuiltInTrack(name);
    EXPECT_EQ(track->FName, name);
    EXPECT_TRUE(SameRect(track->FMargins, RECT{3, 3, 3, 3}));
    EXPECT_EQ(track->FTile, 0);
    EXPECT_EQ(track->FFrameCount, 1);
    EXPECT_EQ(track->FBitmap.Width() * track->FBitmap.Height(), 64);
  }
}
