// The default skin as the skin engine will read it: the generator's output
// folder (exactly the package's entries), the description's sections and
// keys, and bitmaps whose sizes, frame counts and transparency agree with
// the description.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "skin/data/WinSkinIni.h"
#include "tools/skingen/Pixmap.h"
#include "tools/skingen/SkinWriter.h"
#include "ui/Stream.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> ReadBytes(const fs::path& path) {
  TMemoryStream s;
  s.LoadFromFile(path.string());
  return std::vector<std::uint8_t>(s.Memory(), s.Memory() + s.Size());
}

// Generates the skin once for all tests.
class DefaultSkin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    fs::remove_all(Dir());
    Written() = WriteSkin(QV_DEFAULT_SKIN_INI, Dir().string());
    TMemoryStream text;
    text.LoadFromFile((Dir() / "skin.ini").string());
    Ini() = std::make_unique<TQuickIni>();
    Ini()->LoadFromStream(&text);
  }

  static fs::path Dir() { return fs::path(QV_TEST_OUT_DIR) / "first"; }
  static std::vector<std::string>& Written() {
    static std::vector<std::string> names;
    return names;
  }
  static std::unique_ptr<TQuickIni>& Ini() {
    static std::unique_ptr<TQuickIni> ini;
    return ini;
  }
  static const TQuickIni& Skin() { return *Ini(); }

  // The value of a key; empty when the key is missing or has no value.
  static std::string Value(const std::string& section, const std::string& key) {
    std::string value;
    Skin().ReadString(section, key, value, "");
    return value;
  }

  // The bitmap that a key names.
  static TPixmap Image(const std::string& section, const std::string& key) {
    const std::string name = Value(section, key);
    if (name.empty()) throw std::runtime_error(section + "/" + key + " names no bitmap");
    return DecodePixmap(ReadBytes(Dir() / name));
  }
};

// How the engine cuts each bitmap into frames: a count that it fixes, or
// one read from a key (with its default); stacked frames lie top to bottom.
struct TStrip {
  const char* Section;
  const char* ImageKey;
  int Frames;                   // fixed by the engine, or 0: read FramesKey
  const char* FramesKey = nullptr;
  int FramesDefault = 0;
  bool Stacked = false;
  bool NineGrid = true;         // drawn with the section's four margins
};

const TStrip kStrips[] = {
    {"Personality", "TextBack", 2, nullptr, 0, true, false},
    {"MdiControls", "Image", 12, nullptr, 0, false, false},
    {"Buttons", "Bitmap", 5},
    {"Buttons", "CheckButton", 0, "CheckButtonFrame", 0, false, false},
    {"Buttons", "RadioButton", 0, "RadioButtonFrame", 0, false, false},
    {"Progress", "Bitmap", 2},
    {"GroupBoxEdge", "Image", 2},
    {"GroupBox", "Image", 1},
    {"Tabs", "Image", 5},
    {"Tabs", "Border", 1, nullptr, 0, false, false},
    {"StatusBarEdges", "Image", 3},
    {"ToolBars", "Image", 5},
    {"ComboButton", "Image", 4},
    {"SunkEdge", "Image", 4},
    {"ExtraImages", "Image", 5, nullptr, 0, false, false},
    {"Headerbar", "Image", 0, "Frame", 5},
    {"MenuItem", "Image", 5},
    {"MenuBackground", "Image", 1},
    {"Scrollbar", "Image", 23, nullptr, 0, false, false},
    {"HorzScroll", "Image", 4},
    {"VertScroll", "Image", 4},
    {"HorzScrollThumb", "Image", 0, "FrameCount", 3},
    {"VertScrollThumb", "Image", 0, "FrameCount", 3},
    {"Trackbar.ThumbHorz", "Image", 5, nullptr, 0, false, false},
    {"Trackbar.ThumbVert", "Image", 5, nullptr, 0, false, false},
    {"Trackbar.ThumbLeft", "Image", 5, nullptr, 0, false, false},
    {"Trackbar.ThumbRight", "Image", 5, nullptr, 0, false, false},
    {"Trackbar.ThumbUp", "Image", 5, nullptr, 0, false, false},
    {"Trackbar.ThumbDown", "Image", 5, nullptr, 0, false, false},
    {"UpDown.Horz", "Image", 8, nullptr, 0, false, false},
    {"UpDown.Horz", "GlyphImage", 8, nullptr, 0, false, false},
    {"UpDown.Vert", "Image", 8, nullptr, 0, false, false},
    {"UpDown.Vert", "GlyphImage", 8, nullptr, 0, false, false},
};

std::vector<std::string> Sections(const TQuickIni& ini) {
  TStringList list;
  ini.ReadSections(list);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
  return names;
}

int FrameCount(const TQuickIni& ini, const TStrip& s) {
  if (s.Frames) return s.Frames;
  const int n = ini.ReadInteger(s.Section, s.FramesKey, s.FramesDefault);
  return n == 0 ? s.FramesDefault : n;
}

// Sections read as title-bar buttons: names starting with BUTTON, except
// the push-button sections, and not hidden decorations.
std::vector<std::string> TitleButtonSections(const TQuickIni& ini) {
  std::vector<std::string> out;
  for (const std::string& name : Sections(ini)) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    if (upper.rfind("BUTTON", 0) != 0 || upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" ||
        upper == "BUTTON.CHECKBOX")
      continue;
    if (ini.ReadInteger(name, "Action", 0) == -1 && ini.ReadInteger(name, "Visibility", -1) != 0) continue;
    out.push_back(name);
  }
  return out;
}

bool NearMagenta(TRgb c) { return c.R >= 224 && c.G <= 40 && c.B >= 224; }

}  // namespace

TEST_F(DefaultSkin, FolderHoldsExactlyTheDescriptionAndTheBitmapsItNames) {
  std::set<std::string> files;
  for (const auto& entry : fs::directory_iterator(Dir())) files.insert(entry.path().filename().string());
  EXPECT_EQ(files, std::set<std::string>(Written().begin(), Written().end()));

  // The engine finds the description as the first entry containing ".ini"
  // and loads a bitmap only for a name ending in exactly ".bmp".
  std::set<std::string> named{"skin.ini"};
  const std::regex bitmapName("[a-z0-9_]+\\.bmp");
  for (const std::string& section : Sections(Skin())) {
    for (const char* key : {"Image", "Bitmap", "Border", "GlyphImage", "CheckButton", "RadioButton", "ButtonImage",
                            "TextBack", "Top", "Bottom", "Left", "Right"}) {
      const std::string value = Value(section, key);
      if (value.empty()) continue;
      EXPECT_TRUE(std::regex_match(value, bitmapName)) << section << "/" << key << " = " << value;
      named.insert(value);
    }
  }
  EXPECT_EQ(files, named);
  EXPECT_EQ(std::count_if(files.begin(), files.end(), [](const std::string& f) { return f.find(".ini") != f.npos; }),
            1);
}

TEST_F(DefaultSkin, HasTheSectionsOfTheStoredSkinAndNoneOfTheMissingOnes) {
  for (const char* section :
       {"Personality", "Colours", "Buttons", "MdiControls", "Progress", "GroupBoxEdge", "GroupBox", "Tabs",
        "StatusBarEdges", "ToolBars", "ComboButton", "SunkEdge", "ExtraImages", "Headerbar", "MenuItem",
        "MenuBackground", "Scrollbar", "HorzScroll", "VertScroll", "HorzScrollThumb", "VertScrollThumb",
        "Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft", "Trackbar.ThumbRight", "Trackbar.ThumbUp",
        "Trackbar.ThumbDown", "UpDown.Horz", "UpDown.Vert"})
    EXPECT_GE(Skin().FindSection(section), 0) << section;
  // Without these the engine uses its built-in track images and leaves the
  // chunk and pane styles unused.
  for (const char* section : {"Progress.Chunk", "Tab.Pane", "Track", "TRACKVERT"})
    EXPECT_EQ(Skin().FindSection(section), -1) << section;
  EXPECT_EQ(Skin().ReadInteger("Progress", "Style", 0), 0);  // the two-frame bar
  EXPECT_EQ(Skin().ReadInteger("Tabs", "Style", 0), 0);      // the page from Border, not Tab.Pane
}

TEST_F(DefaultSkin, BordersMakeA404By316WindowAroundThe390By276Client) {
  struct TBorder {
    const char* Name;
    int Width, Height;
    bool Stacked;
  };
  std::map<std::string, int> size;  // frame thickness of each border
  for (const TBorder& b : {TBorder{"Top", 266, 64, true}, TBorder{"Bottom", 266, 16, true},
                           TBorder{"Left", 14, 158, false}, TBorder{"Right", 14, 158, false}}) {
    const TPixmap p = Image("Personality", b.Name);
    const int frames = Skin().ReadInteger("Personality", std::string(b.Name) + "Frame", 1);
    EXPECT_EQ(p.Width(), b.Width) << b.Name;
    EXPECT_EQ(p.Height(), b.Height) << b.Name;
    EXPECT_EQ(frames, 2) << b.Name;
    size[b.Name] = b.Stacked ? p.Height() / frames : p.Width() / frames;
  }
  EXPECT_EQ(390 + size["Left"] + size["Right"], 404);
  EXPECT_EQ(276 + size["Top"] + size["Bottom"], 316);
  // The side borders run the full height: their fixed parts line up with
  // the title bar and the bottom border.
  for (const char* side : {"Left", "Right"}) {
    EXPECT_EQ(Skin().ReadInteger("Personality", std::string(side) + "TopHeight", 0), size["Top"]) << side;
    EXPECT_EQ(Skin().ReadInteger("Personality", std::string(side) + "BotHeight", 0), size["Bottom"]) << side;
  }
}

TEST_F(DefaultSkin, EveryStripSplitsIntoWholeFramesThatHoldTheirMargins) {
  for (const TStrip& s : kStrips) {
    SCOPED_TRACE(std::string(s.Section) + "/" + s.ImageKey);
    const TPixmap p = Image(s.Section, s.ImageKey);
    const int frames = FrameCount(Skin(), s);
    ASSERT_GT(frames, 0);
    const int along = s.Stacked ? p.Height() : p.Width();
    EXPECT_EQ(along % frames, 0) << along << " pixels in " << frames << " frames";
    if (!s.NineGrid) continue;
    const int fw = s.Stacked ? p.Width() : p.Width() / frames;
    const int fh = s.Stacked ? p.Height() / frames : p.Height();
    EXPECT_LT(Skin().ReadInteger(s.Section, "LeftWidth", 0) + Skin().ReadInteger(s.Section, "RightWidth", 0), fw);
    EXPECT_LT(Skin().ReadInteger(s.Section, "TopHeight", 0) + Skin().ReadInteger(s.Section, "BottomHeight", 0), fh);
  }
  // The bar's thickness: within 2 pixels of the usual scroll-arrow size, or
  // the engine ignores it.
  EXPECT_NEAR(Image("Scrollbar", "Image").Height(), 17, 2);
  // The caption backdrop spans the title's height, its fixed left part
  // inside one frame.
  EXPECT_EQ(Image("Personality", "TextBack").Height() / 2, 32);
  EXPECT_LT(Skin().ReadInteger("Personality", "TXTBackleft", 0) + Skin().ReadInteger("Personality", "TXTBackRight", 0),
            Image("Personality", "TextBack").Width());
}

TEST_F(DefaultSkin, TitleBarHasCloseMaximizeRestoreMinimizeAndTheIcon) {
  EXPECT_EQ(TitleButtonSections(Skin()),
            (std::vector<std::string>{"Button0", "Button1", "Button2", "Button3", "BUTTON6"}));
  const struct {
    const char* Section;
    int Action, Visibility;
  } buttons[] = {{"Button0", 0, 0}, {"Button1", 1, 6}, {"Button2", 1, 1}, {"Button3", 2, 0}};
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.Section);
    EXPECT_EQ(Skin().ReadInteger(b.Section, "Action", -99), b.Action);
    EXPECT_EQ(Skin().ReadInteger(b.Section, "Visibility", -99), b.Visibility);
    EXPECT_EQ(Skin().ReadInteger(b.Section, "Align", 0), 1);  // anchored to the right edge
    // Frame 4 is the disabled and inactive look, so at least four frames;
    // the count must be given (this strip's proportions would otherwise
    // make the engine guess 6).
    const int frames = Skin().ReadInteger(b.Section, "frame", 0);
    ASSERT_GE(frames, 4);
    const TPixmap p = Image(b.Section, "ButtonImage");
    ASSERT_EQ(p.Width() % frames, 0);
    const int width = p.Width() / frames;
    // Inside the 404-pixel window's title bar.
    EXPECT_GE(Skin().ReadInteger(b.Section, "Ycoord", -1), 0);
    EXPECT_LE(Skin().ReadInteger(b.Section, "Ycoord", 0) + p.Height(), 32);
    EXPECT_GE(Skin().ReadInteger(b.Section, "Xcoord", 0), width);
    EXPECT_LE(Skin().ReadInteger(b.Section, "Xcoord", 0), 404 - 7);
  }
  // The window icon is drawn from the application; no bitmap of its own.
  EXPECT_EQ(Skin().ReadInteger("BUTTON6", "Action", -99), 3);
  const std::string icon = Value("BUTTON6", "ButtonImage");
  EXPECT_TRUE(icon.size() < 4 || icon.substr(icon.size() - 4) != ".bmp") << icon;
}

TEST_F(DefaultSkin, ColoursAreThreeNumbersSeparatedBySpaces) {
  const std::regex threeNumbers("(\\d{1,3}) (\\d{1,3}) (\\d{1,3})");
  for (const char* key : {"WindowText", "ButtonFace", "Scrollbar", "HilightText", "Hilight", "Menubar", "Menu",
                          "MenuText", "ButtonText", "ButtonHilight", "Buttonlight", "ButtonShadow", "ButtonDkShadow",
                          "MenuBarText", "TitleTextActive", "TitleTextNoActive"}) {
    const std::string value = Value("Colours", key);
    ASSERT_FALSE(value.empty()) << key;
    std::smatch m;
    ASSERT_TRUE(std::regex_match(value, m, threeNumbers)) << key << " = " << value;
    for (int i = 1; i <= 3; ++i) EXPECT_LE(std::stoi(m[i]), 255) << key;
  }
  for (const char* section : {"Tabs", "StatusBarEdges"}) {
    const std::string value = Value(section, "NormalColour2");
    ASSERT_FALSE(value.empty()) << section;
    EXPECT_TRUE(std::regex_match(value, threeNumbers)) << section;
  }
}

TEST_F(DefaultSkin, TransparentPixelsAreExactMagentaAndOnlyWhereDrawnTransparent) {
  // No colour close to magenta but not exactly it: such a pixel would show
  // as a pink fleck instead of vanishing.
  for (const std::string& name : Written()) {
    if (name.find(".bmp") == std::string::npos) continue;
    const TPixmap p = DecodePixmap(ReadBytes(Dir() / name));
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x)
        if (NearMagenta(p.At(x, y))) {
          ASSERT_EQ(p.At(x, y), kKey) << name << " at " << x << "," << y;
        }
  }
  // Bitmaps that the engine copies opaque must not contain magenta at all.
  const struct {
    const char* Section;
    const char* Key;
  } opaque[] = {{"Personality", "Top"},      {"Personality", "Bottom"}, {"Tabs", "Border"},
                {"StatusBarEdges", "Image"}, {"Headerbar", "Image"},    {"MenuBackground", "Image"},
                {"HorzScroll", "Image"},     {"VertScroll", "Image"}};
  for (const auto& o : opaque) {
    const std::string trans = std::string(o.Section) == "Personality" ? std::string(o.Key) + "Trans" : "Trans";
    const bool drawnOpaque = std::string(o.Key) == "Border" || Skin().ReadInteger(o.Section, trans, 1) == 0;
    EXPECT_TRUE(drawnOpaque) << o.Section << "/" << o.Key << " is expected to be drawn opaque";
    const TPixmap p = Image(o.Section, o.Key);
    for (int y = 0; y < p.Height(); ++y)
      for (int x = 0; x < p.Width(); ++x)
        ASSERT_NE(p.At(x, y), kKey) << o.Section << "/" << o.Key << " at " << x << "," << y;
  }
  // The side borders are transparent: their rounded outer corners are cut
  // out of the window in both frames, on the outer side only.
  for (const char* side : {"Left", "Right"}) {
    SCOPED_TRACE(side);
    EXPECT_EQ(Skin().ReadInteger("Personality", std::string(side) + "Trans", 0), 1);
    const TPixmap p = Image("Personality", side);
    const bool left = std::string(side) == "Left";
    for (int frame = 0; frame < 2; ++frame) {
      const int outer = left ? frame * 7 : frame * 7 + 6, inner = left ? frame * 7 + 6 : frame * 7;
      EXPECT_EQ(p.At(outer, 0), kKey);
      EXPECT_EQ(p.At(outer, p.Height() - 1), kKey);
      EXPECT_NE(p.At(inner, 0), kKey);
      EXPECT_NE(p.At(outer, p.Height() / 2), kKey);
    }
  }
}

TEST_F(DefaultSkin, GeneratorProgramWritesTheSameBytesAgain) {
  const fs::path again = fs::path(QV_TEST_OUT_DIR) / "again";
  fs::remove_all(again);
  const std::string command =
      std::string("\"") + QV_SKINGEN_EXE + "\" \"" + QV_DEFAULT_SKIN_INI + "\" \"" + again.string() + "\"";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  for (const std::string& name : Written()) EXPECT_EQ(ReadBytes(again / name), ReadBytes(Dir() / name)) << name;
  EXPECT_EQ(std::distance(fs::directory_iterator(again), fs::directory_iterator()),
            static_cast<std::ptrdiff_t>(Written().size()));
}
