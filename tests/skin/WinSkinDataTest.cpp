#include "skin/data/WinSkinData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <optional>

#include "skin/data/ImgUtil.h"
#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "tests/skin/RawPackage.h"
#include "tests/skin/SkinFixture.h"
#include "ui/Form.h"
#include "ui/Reader.h"
#include "ui/TypInfo.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The manager is program-wide: every test starts and ends without one.
class SkinData : public ::testing::Test {
 protected:
  void SetUp() override { DestroySkinManager(); }
  void TearDown() override { DestroySkinManager(); }
};

// The SkinStream property as a form stores it: the length, then the bytes.
void PropertyBytes(TMemoryStream& stream, const Bytes& packed, std::int32_t length) {
  for (int shift = 0; shift < 32; shift += 8) {
    const auto byte = static_cast<std::uint8_t>(length >> shift);
    stream.WriteBuffer(&byte, 1);
  }
  stream.WriteBuffer(packed.data(), packed.size());
  stream.SetPosition(0);
}

// A skin data component built as a form's description builds it: created
// in the loading state, Active and SkinStream assigned, then Loaded.
struct TStreamed {
  // length: the stored length, when it is not the packed skin's.
  TStreamed(const Bytes& packed, bool active = true, std::optional<std::int32_t> length = {}) : Root(nullptr) {
    TReader reader(Root);
    Data = reader.Create<TSkinData>("SkinData1");
    Data->SetActive(active);
    PropertyBytes(Stream, packed, length.value_or(static_cast<std::int32_t>(packed.size())));
    reader.ReadBinaryProperty(*Data, "SkinStream", Stream);
    reader.EndRead();
  }
  TComponent Root;
  TSkinData* Data = nullptr;
  TMemoryStream Stream;
};

const std::string kFullIni =
    "[Personality]\nTop=top.bmp\nTopFrame=2\nLeft=side.bmp\nRight=side.bmp\nBottom=bottom.bmp\n"
    "menuBar=strip.bmp\nTextBack=strip.bmp\n"
    "[Buttons]\nBitmap=strip.bmp\n"
    "[Button0]\nAction=0\nButtonImage=strip.bmp\n"
    "[Progress]\nBitmap=strip.bmp\n"
    "[GroupBoxEdge]\nImage=strip.bmp\nFrame=9\n[GroupBox]\nImage=strip.bmp\n"
    "[Tabs]\nImage=strip.bmp\nBorder=strip.bmp\n[StatusBarEdges]\nImage=strip.bmp\n"
    "[Tab.Pane]\nImage=strip.bmp\nLeftWidth=9\nTopHeight=4\nRightWidth=-2\nBottomHeight=5\n"
    "[ToolBars]\nImage=strip.bmp\n[ExtraImages]\nImage=strip.bmp\n[Headerbar]\nImage=strip.bmp\nFrame=3\n"
    "[MenuItem]\nImage=strip.bmp\n[MenuBackground]\nImage=strip.bmp\n[Scrollbar]\nImage=strip.bmp\n"
    "[HorzScroll]\nImage=strip.bmp\n[VertScroll]\nImage=strip.bmp\n"
    "[HorzScrollThumb]\nImage=strip.bmp\nFrameCount=7\n[VertScrollThumb]\nImage=strip.bmp\n"
    "[Trackbar.ThumbHorz]\nImage=strip.bmp\n[Trackbar.ThumbDown]\nImage=strip.bmp\n"
    "[UpDown.Vert]\nImage=strip.bmp\nGlyphImage=strip.bmp\n"
    "[TRACKVERT]\nImage=strip.bmp\nFrame=2\n";

TSkinFixture FullSkin() {
  return TSkinFixture(kFullIni)
      .Bitmap("top.bmp", 30, 12, 0x00C000)
      .Bitmap("side.bmp", 4, 20)
      .Bitmap("bottom.bmp", 30, 4)
      .Bitmap("strip.bmp", 40, 10);
}

}  // namespace

TEST_F(SkinData, PropertiesAtConstruction) {
  TSkinData data(nullptr);
  struct Case {
    const char* name;
    TPropValue value;
  };
  const std::int64_t controls = 0x1FFFFB;  // all 22 kinds but xcMenuItem (2) and xcFastReport (21)
  const Case cases[] = {
      {"Active", std::int64_t{0}},
      {"DisableTag", std::int64_t{99}},
      {"SkinControls", controls},
      {"Options", std::int64_t{(1 << xoPreview) | (1 << xoToolbarBK) | (1 << xoCaptionButtonHint)}},
      {"SkinFile", std::string()},
      {"SkinStore", std::string("(none)")},
      {"SkinFormtype", std::int64_t{sfMainform}},
      {"Version", std::string("5.40.07.15")},
      {"MenuUpdate", std::int64_t{1}},
      {"MenuMerge", std::int64_t{0}},
      {"OnFormSkin", TRawMethod{}},
      {"OnAfterSkinForm", TRawMethod{}},
  };
  for (const Case& c : cases) EXPECT_EQ(GetPropValue(data, c.name), c.value) << c.name;
  EXPECT_EQ(GetEnumProp(data, "SkinFormtype"), "sfMainform");
  EXPECT_EQ(static_cast<TStrings*>(std::get<TObject*>(GetPropValue(data, "Skin3rd")))->Count(), 118);

  // Published in this order, after the inherited Name and Tag.
  std::vector<std::string_view> names;
  for (const TPropInfo& prop : TSkinData::ClassInfo.Props) names.push_back(prop.Name);
  EXPECT_EQ(names, (std::vector<std::string_view>{"Active", "DisableTag", "SkinControls", "Options", "Skin3rd",
                                                  "SkinFile", "SkinStore", "SkinFormtype", "Version", "MenuUpdate",
                                                  "MenuMerge", "OnFormSkin", "OnSkinChanged", "OnSkinControl",
                                                  "OnBeforeSkinForm", "OnAfterSkinForm"}));
  EXPECT_TRUE(TSkinData::ClassInfo.InheritsFrom(TComponent::ClassInfo));

  // Writing the informational texts changes nothing.
  SetPropValue(data, "Version", std::string("1.0"));
  SetPropValue(data, "SkinStore", std::string("(Good)"));
  EXPECT_EQ(data.Version(), "5.40.07.15");
  EXPECT_EQ(data.SkinStore(), "(none)");

  EXPECT_TRUE(data.FNoSkin);
  EXPECT_TRUE(data.FPaintFrames);
  EXPECT_EQ(data.FBorders[sbLeft]->FName, "Left");
  EXPECT_EQ(data.FBorders[sbBottom]->FName, "Bottom");
  EXPECT_EQ(data.FMenuGlyphs.Count(), 4);
  EXPECT_EQ(data.FAppIcon.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(SkinManager(), nullptr);
}

TEST_F(SkinData, Skin3rdDefaultList) {
  const std::vector<std::string>& lines = DefaultSkin3rd();
  ASSERT_EQ(lines.size(), 118u);
  EXPECT_EQ(lines[0], "TCategoryButtons=scrollbar");
  EXPECT_EQ(lines[1], "TPngSpeedbutton=pngspeedbutton");
  EXPECT_EQ(lines[48], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(lines[49], "TDBCheckboxEh=Checkbox");
  EXPECT_EQ(lines[117], "TOVCDBNUMERICFIELD=Edit");
  // The kinds, in the letter case each group is written in.
  std::map<std::string, int> kinds;
  for (const std::string& line : lines) {
    ASSERT_EQ(std::count(line.begin(), line.end(), '='), 1) << line;
    ++kinds[line.substr(line.find('=') + 1)];
  }
  EXPECT_EQ(kinds, (std::map<std::string, int>{
                       {"scrollbar", 10}, {"pngspeedbutton", 1}, {"pngbitbtn", 1}, {"Panel", 12}, {"combobox", 33},
                       {"speedbutton", 3}, {"panel", 3}, {"button", 1}, {"bitbtn", 3}, {"menubtn", 1},
                       {"CheckGroup", 3}, {"Radiogroup", 2}, {"Edit", 25}, {"Radiobutton", 2}, {"Groupbox", 1},
                       {"Checkbox", 4}, {"radiogroup", 5}, {"edit", 1}, {"Combobox", 6}, {"groupbox", 1}}));

  TSkinData data(nullptr);
  EXPECT_EQ(data.Skin3rd()->Get(1), lines[1]);
  // Assigning copies the lines.
  TStringList own{"TMyGrid=scrollbar"};
  data.SetSkin3rd(&own);
  own.Clear();
  ASSERT_EQ(data.Skin3rd()->Count(), 1);
  EXPECT_EQ(data.Skin3rd()->Get(0), "TMyGrid=scrollbar");
}

TEST_F(SkinData, StreamedSkinLoadsWhenTheFormIsRead) {
  TStreamed form(FullSkin().Packed());
  TSkinData& data = *form.Data;
  EXPECT_FALSE(data.FNoSkin);
  EXPECT_TRUE(data.Active());
  TSkinManage* manager = SkinManager();
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->FSkinDatas, std::vector<TSkinData*>{&data});
  EXPECT_EQ(manager->FMainSkinData, &data);
  // Before the first activation skinning is only switched on.
  EXPECT_TRUE(manager->FEnabled);
  EXPECT_EQ(manager->FCommand, kSkinAll);
  EXPECT_FALSE(manager->FTimer.Enabled());
  // The menu bar kind takes the menu items with it.
  EXPECT_EQ(data.SkinControls(), TSkinData::kDefaultSkinControls & ~SetBit(xcMenuItem));
  // The application icon is ready, on magenta.
  EXPECT_EQ(data.FAppIcon.Width(), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(data.FAppIcon.Height(), GetSystemMetrics(SM_CYSMICON));
}

TEST_F(SkinData, SkinStreamWithoutBytesLoadsNothing) {
  for (const std::int32_t length : {0, -5}) {
    SCOPED_TRACE(length);
    DestroySkinManager();
    TStreamed form(FullSkin().Packed(), true, length);
    EXPECT_EQ(form.Stream.Position(), 4);  // nothing read after the length
    EXPECT_EQ(form.Data->FSkinStream.Size(), 0);
    EXPECT_TRUE(form.Data->FNoSkin);
    // Without a skin the main component switches itself off when loaded.
    EXPECT_FALSE(form.Data->Active());
    EXPECT_FALSE(SkinManager()->FEnabled);
  }
  // A length beyond the stored bytes is an error, not an allocation.
  EXPECT_THROW(TStreamed(Bytes(10, 1), true, 0x7FFFFFFF), EReadError);
}

TEST_F(SkinData, InvalidPackageLeavesNoSkin) {
  // Entry sizes beyond the data: the package is refused.
  TStreamed form(LzhPack(RawPackage(20000, "skin.ini\r\n", {500}, "[A]")));
  EXPECT_TRUE(form.Data->FNoSkin);
  EXPECT_FALSE(form.Data->Active());

  // A refused package after a good one leaves the elements as they were.
  TSkinData data(nullptr);
  FullSkin().PackInto(data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  const TDataSkinObject* scrollbar = data.FScrollbar.get();
  const std::vector<std::uint8_t> bad = LzhPack(RawPackage(20000, "a.bmp\r\n", {-1}, ""));
  data.FSkinStream.Clear();
  data.FSkinStream.WriteBuffer(bad.data(), bad.size());
  EXPECT_FALSE(data.LoadSkin());
  EXPECT_TRUE(data.FNoSkin);
  EXPECT_EQ(data.FScrollbar.get(), scrollbar);
  EXPECT_EQ(data.FBorders[sbTop]->FBitmap.Width(), 30);
}

TEST_F(SkinData, ColourTableWithAndWithoutColours) {
  TSkinData plain(nullptr);
  TSkinFixture("[A]\n").PackInto(plain.FSkinStream);
  ASSERT_TRUE(plain.LoadSkin());
  const std::map<int, int> systemDefaults = {
      {scWindowText, COLOR_WINDOWTEXT},      {scTitleTextActive, COLOR_CAPTIONTEXT},
      {scTitleTextNoActive, COLOR_INACTIVECAPTIONTEXT}, {scButtonFace, COLOR_BTNFACE},
      {scButtonText, COLOR_BTNTEXT},         {scButtonHilight, COLOR_BTNHIGHLIGHT},
      {scButtonlight, COLOR_BTNHIGHLIGHT},   {scButtonShadow, COLOR_BTNSHADOW},
      {scButtonDkShadow, COLOR_3DDKSHADOW},  {scHilightText, COLOR_HIGHLIGHTTEXT},
      {scHilight, COLOR_HIGHLIGHT},          {scMenubar, COLOR_BTNFACE},
      {scMenuBarText, COLOR_MENUTEXT},       {scMenuText, COLOR_MENUTEXT},
      {scMenu, COLOR_MENU},                  {scScrollbar, COLOR_SCROLLBAR}};
  for (const auto& [index, system] : systemDefaults) {
    EXPECT_EQ(plain.FColours[static_cast<std::size_t>(index)], SystemColor(system)) << index;
    EXPECT_FALSE(plain.FColourGiven[static_cast<std::size_t>(index)]) << index;
  }
  // Without a top border image the sample is the button face.
  EXPECT_EQ(plain.FColours[scBorderSample], SystemColor(COLOR_BTNFACE));

  TSkinData data(nullptr);
  TSkinFixture("[Colours]\nButtonFace=10 20 30\nHilight=1,2\nMenuText=\nButtonText=0,0,255\n").PackInto(data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_EQ(data.FColours[scButtonFace], 0x1E140A);
  EXPECT_TRUE(data.FColourGiven[scButtonFace]);
  // The menu bar defaults to the face as read.
  EXPECT_EQ(data.FColours[scMenubar], 0x1E140A);
  EXPECT_FALSE(data.FColourGiven[scMenubar]);
  EXPECT_EQ(data.FColours[scHilight], 0x000001);
  EXPECT_TRUE(data.FColourGiven[scHilight]);
  EXPECT_FALSE(data.FColourGiven[scMenuText]);  // an empty value is no value
  LOGBRUSH brush{};
  ASSERT_NE(GetObject(data.FFaceBrush.Get(), sizeof brush, &brush), 0);
  EXPECT_EQ(brush.lbColor, 0x1E140Au);
}

TEST_F(SkinData, ElementsAndTheirFrameCounts) {
  TSkinData data(nullptr);
  FullSkin().PackInto(data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  EXPECT_FALSE(data.FNoSkin);
  struct Case {
    const char* name;
    const TDataSkinObject* element;
    int frames;
  };
  const Case cases[] = {
      {"Progress", data.FProgress.get(), 2},  {"GroupBoxEdge", data.FGroupBoxEdge.get(), 2},
      {"GroupBox", data.FGroupBox.get(), 1},   {"Tabs", data.FTabs.get(), 5},
      {"StatusBarEdges", data.FStatusBarEdges.get(), 3}, {"Tab.Pane", data.FTabPane.get(), 1},
      {"ToolBars", data.FToolBars.get(), 5},   {"ExtraImages", data.FExtraImages.get(), 5},
      {"Headerbar", data.FHeaderbar.get(), 3}, {"MenuItem", data.FMenuItem.get(), 5},
      {"MenuBackground", data.FMenuBackground.get(), 1}, {"Scrollbar", data.FScrollbar.get(), 23},
      {"HorzScroll", data.FHorzScroll.get(), 4}, {"VertScroll", data.FVertScroll.get(), 4},
      {"HorzScrollThumb", data.FHorzScrollThumb.get(), 7}, {"VertScrollThumb", data.FVertScrollThumb.get(), 3},
      {"Trackbar.ThumbHorz", data.FTrackThumbs[0].get(), 5}, {"Trackbar.ThumbDown", data.FTrackThumbs[5].get(), 5},
      {"UpDown.Vert", data.FUpDownVert.get(), 8}, {"TRACKVERT", data.FTrackVert.get(), 2},
      {"Personality", data.FMenuBar.get(), 2},  {"Title", &data.FTitle, 2},
      {"Buttons", &data.FButtons, 5},           {"TRACK", data.FTrack.get(), 1},
      {"Toolbar", data.FToolbar.get(), 1},
  };
  for (const Case& c : cases) {
    ASSERT_NE(c.element, nullptr) << c.name;
    EXPECT_EQ(c.element->FName, c.name);
    EXPECT_EQ(c.element->FFrameCount, c.frames) << c.name;
  }
  const std::initializer_list<const TDataSkinObject*> absent = {
      data.FProgressChunk.get(), data.FComboButton.get(), data.FSunkEdge.get(), data.FTrackThumbs[1].get(),
      data.FUpDownHorz.get()};
  for (const TDataSkinObject* element : absent)
    EXPECT_EQ(element, nullptr);
  // Tab.Pane margins are limited to 4.
  const RECT& pane = data.FTabPane->FMargins;
  EXPECT_EQ(pane.left, 4);
  EXPECT_EQ(pane.top, 4);
  EXPECT_EQ(pane.right, -2);
  EXPECT_EQ(pane.bottom, 4);
  // No "Track" section: the built-in image, 16 x 4.
  EXPECT_EQ(data.FTrack->FBitmap.Width(), 16);
  EXPECT_EQ(data.FTrack->FMargins.left, 3);
  EXPECT_EQ(data.FUpDownVert->FBitmap2.Width(), 40);
  // One skin button and the three MDI buttons.
  EXPECT_EQ(data.FSysButtons.size(), 4u);
  // The combo arrow always exists; without a combo button it is empty.
  ASSERT_TRUE(data.FComboxArrow);
  EXPECT_TRUE(data.FComboxArrow->FBitmap.Empty());
  // The border sample: a third into the first of the top border's 2 frames.
  EXPECT_EQ(data.FColours[scBorderSample], 0x00C000);
  // The borders, the title, the buttons and the 24 elements of this skin.
  EXPECT_EQ(data.Elements().size(), 30u);

  // A progress bar with a style has one frame.
  TSkinData styled(nullptr);
  TSkinFixture("[Progress]\nBitmap=p.bmp\nStyle=1\n").Bitmap("p.bmp", 4, 4).PackInto(styled.FSkinStream);
  ASSERT_TRUE(styled.LoadSkin());
  EXPECT_EQ(styled.FProgress->FFrameCount, 1);
}

TEST_F(SkinData, ComboStripsAreComposedFromTheSunkenEdgeAndTheButton) {
  // Four 10 x 21 frames each: edge frame k in colour 0x10 * k, button frame
  // k in 0x100000 * k, both with 1-pixel magenta-free margins.
  const auto edge = BmpOf(40, 21, [](int x, int) { return 0x10 * (x / 10 + 1); });
  const auto button = BmpOf(40, 21, [](int x, int) { return 0x400000 * (x / 10 + 1) & 0xFF0000; });
  TSkinData data(nullptr);
  TSkinFixture("[SunkEdge]\nImage=edge.bmp\nTopHeight=2\nBottomHeight=3\n"
               "[ComboButton]\nImage=button.bmp\n")
      .Entry("edge.bmp", edge)
      .Entry("button.bmp", button)
      .PackInto(data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  const int bw = GetSystemMetrics(SM_CXHSCROLL) + 2;
  TDataSkinBorder& combo = *data.FComboButton;
  ASSERT_EQ(combo.FBitmap.Width(), 200);
  ASSERT_EQ(combo.FBitmap.Height(), 21);
  EXPECT_EQ(combo.FStyle, 2);
  EXPECT_EQ(combo.FFrameCount, 4);
  EXPECT_EQ(combo.FMargins.left, 2);
  EXPECT_EQ(combo.FMargins.top, 2);
  EXPECT_EQ(combo.FMargins.right, bw + 2);
  EXPECT_EQ(combo.FMargins.bottom, 3);
  // The mirrored copy made when the edge was loaded.
  EXPECT_EQ(combo.FBitmap2.Width(), 40);
  EXPECT_EQ(combo.FBitmap2.Canvas().Pixel(0, 0), 0xFF0000 & (0x400000 * 4));
  for (int k = 1; k <= 4; ++k) {
    const int left = 50 * (k - 1);
    TCanvas& strip = combo.FBitmap.Canvas();
    EXPECT_EQ(strip.Pixel(left, 0), 0x10 * k) << k;                             // the edge
    EXPECT_EQ(strip.Pixel(left + 10, 10), clFuchsia) << k;                      // the text area
    EXPECT_EQ(strip.Pixel(left + 50 - bw / 2, 10), 0x400000 * k & 0xFF0000) << k;  // the button
  }
  // The edge gets the strip mirrored, for right-to-left.
  TDataSkinObject& sunk = *data.FSunkEdge;
  EXPECT_EQ(sunk.FBitmap.Canvas().Pixel(199, 0), 0x10);
  EXPECT_EQ(sunk.FMargins.left, bw + 2);
  EXPECT_EQ(sunk.FMargins.right, 2);
  // The arrow: the 17 x 17 button parts of the four cells.
  TDataSkinObject& arrow = *data.FComboxArrow;
  EXPECT_EQ(arrow.FBitmap.Width(), 68);
  EXPECT_EQ(arrow.FBitmap.Height(), 17);
  EXPECT_EQ(arrow.FFrameCount, 4);
  EXPECT_EQ(arrow.FBitmap.Canvas().Pixel(17 * 2 + 16, 8), 0x400000 * 3 & 0xFF0000);
}

TEST_F(SkinData, ComboArrowWithoutSunkenEdgeIsTheButtonOnTheFace) {
  TSkinData data(nullptr);
  TSkinFixture("[Colours]\nButtonFace=1 2 3\n[ComboButton]\nImage=b.bmp\n")
      .Entry("b.bmp", BmpOf(8, 4, [](int x, int) { return x < 4 ? clFuchsia : 0x123456; }))
      .PackInto(data.FSkinStream);
  ASSERT_TRUE(data.LoadSkin());
  TDataSkinObject& arrow = *data.FComboxArrow;
  EXPECT_EQ(arrow.FFrameCount, 4);
  EXPECT_EQ(arrow.FBitmap.Canvas().Pixel(0, 0), 0x030201);
  EXPECT_EQ(arrow.FBitmap.Canvas().Pixel(7, 3), 0x123456);
  // The button itself keeps its picture.
  EXPECT_EQ(data.FComboButton->FBitmap.Canvas().Pixel(0, 0), clFuchsia);
  EXPECT_EQ(data.FComboButton->FStyle, 0);
}

TEST_F(SkinData, ToolbarGradientFollowsTheBorderSample) {
  struct Case {
    const char* name;
    TColor sample;
  };
  const Case cases[] = {{"grey border", 0x808080}, {"saturated border", 0x0000FF}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TSkinData data(nullptr);
    TSkinFixture("[Colours]\nButtonFace=200 200 200\n[Personality]\nTop=top.bmp\n")
        .Bitmap("top.bmp", 9, 9, c.sample)
        .PackInto(data.FSkinStream);
    ASSERT_TRUE(data.LoadSkin());
    TBitmap& bar = data.FToolbar->FBitmap;
    ASSERT_EQ(bar.Width(), 10);
    ASSERT_EQ(bar.Height(), 40);
    const TColor light = MixColors(0xC8C8C8, clWhite, 150);
    const int saturation = ColorSaturation(c.sample);
    const TColor dark = saturation > 110 ? MixColors(c.sample, clWhite, (225 - saturation) * 25 / 140 + 50)
                                         : MixColors(clGray, c.sample, 150);
    EXPECT_EQ(bar.Canvas().Pixel(5, 0), light);
    // A falling gradient may end one step short of its last colour.
    const TColor bottom = bar.Canvas().Pixel(5, 39);
    for (int shift : {0, 8, 16}) EXPECT_NEAR((bottom >> shift) & 0xFF, (dark >> shift) & 0xFF, 1) << shift;
  }
}

TEST_F(SkinData, LoadedAppliesTheMenuRules) {
  struct Case {
    TSkinControlTypes given, expected;
  };
  const TSkinControlTypes all = (1u << 22) - 1;
  const Case cases[] = {
      {SetBit(xcMainMenu) | SetBit(xcMenuItem) | SetBit(xcSystemMenu), SetBit(xcMainMenu) | SetBit(xcSystemMenu)},
      {SetBit(xcMenuItem) | SetBit(xcSystemMenu), SetBit(xcMenuItem)},
      {all, all & ~SetBit(xcMenuItem)},
  };
  for (const Case& c : cases) {
    DestroySkinManager();
    TComponent root(nullptr);
    TReader reader(root);
    TSkinData* data = reader.Create<TSkinData>("SkinData1");
    data->SetSkinControls(c.given);
    reader.EndRead();
    // This system has GetScrollBarInfo, so xcScrollbar stays.
    EXPECT_EQ(data->SkinControls(), c.expected) << std::hex << c.given;
  }
}

TEST_F(SkinData, OtherScopesSwitchTheManagerOnWhenLoaded) {
  TForm form(nullptr);
  form.SetBounds(100, 100, 200, 150);
  form.Show();
  TReader reader(form);
  TSkinData* data = reader.Create<TSkinData>("SkinData1");
  data->SetSkinFormtype(sfOnlyThisForm);
  data->SetActive(true);
  FullSkin().PackInto(data->FSkinStream);
  data->LoadSkin();
  reader.EndRead();
  TSkinManage& manager = *SkinManager();
  EXPECT_TRUE(manager.FEnabled);
  EXPECT_EQ(manager.FState, 1);
  EXPECT_EQ(manager.FMainSkinData, nullptr);
  // Its own form is skinned at once, with it.
  const TWinSkinForm* skinned = manager.FindSkinForm(form.Handle());
  ASSERT_NE(skinned, nullptr);
  EXPECT_EQ(skinned->FSkinData, data);
  // Its menu kinds are left alone.
  EXPECT_TRUE(data->SkinControls() & SetBit(xcSystemMenu));
}

TEST_F(SkinData, ActivationAsksTheManager) {
  TStreamed form(FullSkin().Packed(), false);
  TSkinData& data = *form.Data;
  TSkinManage& manager = *SkinManager();
  // The first activation of a window starts the counter: commands are
  // deferred from then on, by 250 ms.
  manager.FState = 1;
  data.SetActive(true);
  EXPECT_EQ(manager.FCommandData, &data);
  EXPECT_EQ(manager.FCommand, kSkinAll);
  EXPECT_TRUE(manager.FTimer.Enabled());
  EXPECT_EQ(manager.FTimer.Interval(), 250);
  data.SetActive(false);
  EXPECT_EQ(manager.FCommand, kUnskinAll);

  data.ApplySkin();
  EXPECT_EQ(manager.FCommandData, &data);
  EXPECT_EQ(manager.FCommand, kRefresh);
  // With the counter beyond 1 no refresh is asked for.
  manager.FCommand = 0;
  manager.FState = 2;
  data.ApplySkin();
  EXPECT_EQ(manager.FCommand, 0);

  // Without a skin, switching on asks nothing; dialog scope never asks.
  TSkinData empty(nullptr);
  empty.SetActive(true);
  TSkinData dialog(nullptr);
  dialog.SetSkinFormtype(sfDialog);
  dialog.SetActive(true);
  EXPECT_EQ(manager.FCommandData, &data);
  EXPECT_EQ(manager.FCommand, 0);
}

TEST_F(SkinData, CanSkinWindowVetoes) {
  TSkinData data(nullptr);
  struct Case {
    const char* className;
    bool fastReport, expected;
  };
  const Case cases[] = {
      {"SysMonthCal32", false, false}, {"TfrDesigner", false, true}, {"TfrDesigner", true, false},
      {"TForm1", true, true},           {"tfrLower", true, true},
  };
  for (const Case& c : cases) {
    data.SetSkinControls(c.fastReport ? SetBit(xcFastReport) : 0);
    bool doSkin = true;
    data.CanSkinWindow(nullptr, c.className, doSkin);
    EXPECT_EQ(doSkin, c.expected) << c.className << " " << c.fastReport;
  }
  // A handler decides alone.
  struct THandler {
    void FormSkin(TObject* sender, const std::string& name, bool& doSkin) {
      Sender = sender;
      Name = name;
      (void)doSkin;
    }
    TObject* Sender = nullptr;
    std::string Name;
  } handler;
  data.OnFormSkin = TOnFormSkin::Of<&THandler::FormSkin>(&handler);
  bool doSkin = true;
  data.CanSkinWindow(nullptr, "SysMonthCal32", doSkin);
  EXPECT_TRUE(doSkin);
  EXPECT_EQ(handler.Sender, &data);
  EXPECT_EQ(handler.Name, "SysMonthCal32");
}

TEST_F(SkinData, SkinFileLoadsAPackageAtRunTime) {
  const std::string path = (std::filesystem::temp_directory_path() / "quorvex-test.skin").string();
  {
    const Bytes packed = FullSkin().Packed();
    TMemoryStream file;
    file.WriteBuffer(packed.data(), packed.size());
    file.SaveToFile(path);
  }
  TSkinData data(nullptr);
  data.SetSkinFile(path);
  EXPECT_FALSE(data.FNoSkin);
  EXPECT_EQ(data.FScrollbar->FFrameCount, 23);
  // The manager takes the new skin up.
  ASSERT_NE(SkinManager(), nullptr);
  EXPECT_EQ(SkinManager()->FCommandData, &data);
  std::filesystem::remove(path);

  // A missing file leaves the component without a skin.
  data.SetSkinFile(path);
  EXPECT_EQ(data.SkinFile(), path);
  EXPECT_TRUE(data.FNoSkin);
}

TEST_F(SkinData, CaptionHintNeedsItsOption) {
  TSkinData data(nullptr);
  data.SetOptions(0);
  data.ShowCaptionHint(RECT{10, 10, 20, 20}, "Close");
  EXPECT_FALSE(data.FHintShown);
  data.SetOptions(TSkinData::kDefaultOptions);
  data.ShowCaptionHint(RECT{10, 10, 20, 20}, "Close");
  EXPECT_TRUE(data.FHintShown);
  ASSERT_NE(data.FHintWindow.Handle(), nullptr);
  EXPECT_TRUE(IsWindowVisible(data.FHintWindow.Handle()));
  data.HideCaptionHint();
  EXPECT_FALSE(data.FHintShown);
  EXPECT_FALSE(IsWindowVisible(data.FHintWindow.Handle()));
}
