#include "skin/data/SkinLoader.h"

#include <algorithm>

#include "skin/data/ImgUtil.h"
#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include "ui/Stream.h"
#include "ui/StrUtils.h"
#include "ui/Strings.h"

namespace {

const std::string kPersonality = "Personality";

// The file-name part of a path: what follows the last "\", "/" or ":".
// Double-byte characters, whose second byte may look like a backslash, are
// stepped over whole.
std::string_view FileNamePart(std::string_view path) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])))
      ++i;
    else if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
      start = i + 1;
  }
  return path.substr(std::min(start, path.size()));
}

// From the last "." on; empty without one.
std::string_view Extension(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

// Sections whose names start with BUTTON but that are not title buttons.
bool IsControlButtonSection(const std::string& upper) {
  return upper == "BUTTON" || upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX";
}

}  // namespace

TColor ColourFromText(std::string_view text) {
  int numbers[3] = {};
  int taken = 0, value = 0;
  bool inNumber = false;
  for (const char c : Trim(text)) {
    if (c >= '0' && c <= '9') {
      value = (value * 10 + (c - '0')) & 0xFF;  // the low 8 bits of the whole number
      inNumber = true;
    } else {
      if (inNumber && taken < 3) numbers[taken++] = value;
      inNumber = false;
      value = 0;
    }
  }
  if (inNumber && taken == 2) numbers[taken++] = value;
  return numbers[0] | numbers[1] << 8 | numbers[2] << 16;
}

int TSkinLoader::Integer(const std::string& section, const std::string& key, int def) const {
  return FIni.ReadInteger(section, key, def);
}

std::string TSkinLoader::Text(const std::string& section, const std::string& key) const {
  std::string value;
  FIni.ReadString(section, key, value, "");
  return value;
}

TColor TSkinLoader::Colour(const std::string& section, const std::string& key, TColor def, bool* given) const {
  const std::string value = Text(section, key);
  if (given) *given = !value.empty();
  return value.empty() ? def : ColourFromText(value);
}

bool TSkinLoader::LoadImage(TBitmap& bitmap, const std::string& value) const {
  const std::string_view name = FileNamePart(value);
  TMemoryStream entry;
  if (!name.empty() && Extension(name) == ".bmp") FPackage.ExtractEntry(std::string(name), entry);
  if (entry.Size() <= 0) {
    bitmap.Clear();
    return true;
  }
  try {
    bitmap.LoadFromStream(entry);
    return true;
  } catch (const EInvalidGraphic&) {
    bitmap.Clear();
    return false;
  }
}

void TSkinLoader::ReadMargins(const std::string& section, TDataSkinObject& element) const {
  element.FMargins = RECT{Integer(section, "LeftWidth", 0), Integer(section, "TopHeight", 0),
                          Integer(section, "RightWidth", 0), Integer(section, "BottomHeight", 0)};
}

void TSkinLoader::ReadCommon(const std::string& section, TDataSkinObject& element) const {
  element.FStyle = Integer(section, "Style", 0);
  ReadMargins(section, element);
  element.FTrans = Integer(section, "Trans", 0);
  element.FTile = Integer(section, "Tile", 0);
  if (element.FTile > 1) element.FTile = 0;
  element.FNormalColour = Integer(section, "NormalColour", -1);
  element.FMouseOverColour = Integer(section, "MouseOverColour", -1);
  element.FPressedColour = Integer(section, "PressedColour", -1);
  element.FNormalColour2 = Colour(section, "NormalColour2", FButtonText);
  element.FMouseOverColour2 = Colour(section, "MouseOverColour2", FButtonText);
  element.FPressedColour2 = Colour(section, "PressedColour2", FButtonText);
}

std::unique_ptr<TDataSkinObject> TSkinLoader::Generic(const std::string& section) const {
  const std::string image = Text(section, "Image");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinObject>(section);
  ReadCommon(section, *element);
  element->FFrameCount = Integer(section, "Frame", 0);
  if (!LoadImage(element->FBitmap, image)) return nullptr;
  return element;
}

std::unique_ptr<TDataSkinBorder> TSkinLoader::Bordered(const std::string& section, const std::string& extraKey) const {
  const std::string image = Text(section, "Image");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinBorder>(section);
  ReadCommon(section, *element);
  if (!LoadImage(element->FBitmap, image)) return nullptr;
  const std::string extra = Text(section, extraKey);
  if (!extra.empty()) LoadImage(element->FBitmap2, extra);
  return element;
}

std::unique_ptr<TDataSkinBorder> TSkinLoader::Bar(const std::string& section) const {
  const std::string image = Text(section, "Bitmap");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinBorder>(section);
  element->FStyle = Integer(section, "Style", 0);
  ReadMargins(section, *element);
  element->FTrans = Integer(section, "Trans", 0);
  element->FTile = std::min(Integer(section, "Tile", 0), 1);
  if (!LoadImage(element->FBitmap, image)) return nullptr;
  return element;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinLoader::BoxLabel(const std::string& section) const {
  const std::string image = Text(section, "Image");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinBoxLabel>(section);
  ReadCommon(section, *element);
  element->FBackgroundAlignment = Integer(section, "BackgroundAlignment", 0);
  element->FBackgroundLeftShift = Integer(section, "BackgroundLeftShift", 0);
  element->FBackgroundRightShift = Integer(section, "BackgroundRightShift", 0);
  if (!LoadImage(element->FBitmap, image)) return nullptr;
  return element;
}

void TSkinLoader::LoadBorder(TDataSkinBorder& border) const {
  const std::string& n = border.FName;
  LoadImage(border.FBitmap, Text(kPersonality, n));
  // The fixed lengths at the start and the end along the border.
  const int start = Integer(kPersonality, n + "TopHeight", 0);
  const int end = Integer(kPersonality, n + "BotHeight", 0);
  const bool vertical = n == "Left" || n == "Right";
  border.FMargins = vertical ? RECT{0, start, 0, end} : RECT{start, 0, end, 0};
  border.FFrameCount = Integer(kPersonality, n + "Frame", 1);
  border.FTile = std::min(Integer(kPersonality, n + "Stretch", 1), 1);
  border.FTrans = Integer(kPersonality, n + "Trans", 1);
}

std::unique_ptr<TDataSkinObject> TSkinLoader::MenuBar() const {
  const std::string image = Text(kPersonality, "menuBar");
  if (image.empty()) return nullptr;
  auto element = std::make_unique<TDataSkinObject>(kPersonality);
  element->FTile = std::min(Integer(kPersonality, "TileMenu", 1), 1);
  element->FMargins = RECT{Integer(kPersonality, "TileLeftMenu", 1), 0, Integer(kPersonality, "TileRightMenu", 1), 0};
  element->FFrameCount = 2;
  if (!LoadImage(element->FBitmap, image)) return nullptr;
  return element;
}

void TSkinLoader::LoadTitle(TDataSkinTitle& title) const {
  LoadImage(title.FBitmap, Text(kPersonality, "TextBack"));
  title.FMargins = RECT{Integer(kPersonality, "TextShift", 0), Integer(kPersonality, "TextShiftVert", 0),
                        Integer(kPersonality, "TextRightClip", 0), 0};
  title.FTextAlignment = Integer(kPersonality, "TextAlignment", 0);
  title.FTextBackground = Integer(kPersonality, "Textbackground", 0);
  title.FTextBackLeft = Integer(kPersonality, "TXTBackleft", 0);
  title.FTextBackRight = Integer(kPersonality, "TXTBackRight", 0);
  title.FFontHeight = Integer("Fonts", "FontHeight", 14);
  // A text colour counts only when all three channels are given.
  const auto textColour = [this](const std::string& prefix) {
    const int r = Integer(kPersonality, prefix + "R", -1);
    const int g = Integer(kPersonality, prefix + "G", -1);
    const int b = Integer(kPersonality, prefix + "B", -1);
    if (r < 0 || g < 0 || b < 0) return TDataSkinTitle::kNoColour;
    return static_cast<TColor>((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16);
  };
  title.FActiveTextColour = textColour("ActiveText");
  title.FInactiveTextColour = textColour("InActiveText");
  title.FFrameCount = 2;
}

void TSkinLoader::LoadButtons(TDataSkinButton& buttons) const {
  const std::string section = "Buttons";
  ReadMargins(section, buttons);
  buttons.FTrans = Integer(section, "Trans", 0);
  LoadImage(buttons.FBitmap, Text(section, "Bitmap"));
  buttons.FTile = Integer(section, "Tile", 0);
  if (buttons.FTile > 1) buttons.FTile = 0;
  LoadImage(buttons.FCheckBitmap, Text(section, "CheckButton"));
  LoadImage(buttons.FRadioBitmap, Text(section, "RadioButton"));
  buttons.FNormalColour = Integer(section, "NormalColour", -1);
  buttons.FMouseOverColour = Integer(section, "MouseOverColour", -1);
  buttons.FPressedColour = Integer(section, "PressedColour", -1);
  buttons.FRadioFrameCount = Integer(section, "RadioButtonFrame", 0);
  buttons.FCheckFrameCount = Integer(section, "CheckButtonFrame", 0);
  buttons.FNormalColour2 = Colour(section, "NormalColour2", FButtonText, &buttons.FHasNormalColour2);
  buttons.FMouseOverColour2 = Colour(section, "MouseOverColour2", FButtonText, &buttons.FHasMouseOverColour2);
  buttons.FPressedColour2 = Colour(section, "PressedColour2", FButtonText, &buttons.FHasPressedColour2);
}

std::unique_ptr<TDataSkinSysButton> TSkinLoader::SysButton(const std::string& section, const std::string& name) const {
  auto button = std::make_unique<TDataSkinSysButton>(name);
  button->FAction = Integer(section, "Action", 0);
  button->FAlign = Integer(section, "Align", 0);
  button->FXcoord = Integer(section, "Xcoord", 0);
  button->FYcoord = Integer(section, "Ycoord", 0);
  button->FVisibility = Integer(section, "Visibility", 0);
  button->FVisibility1 = Integer(section, "Visibility1", button->FAction == -1 ? -1 : 0);
  button->FCombineOp = Integer(section, "CombineOp", -1);
  button->FFrameCount = Integer(section, "frame", 0);
  LoadImage(button->FBitmap, Text(section, "ButtonImage"));
  if (button->FFrameCount == 0) {
    // Normal, hot and pressed side by side, or six states for wider strips.
    button->FFrameCount = 6;
    if (!button->FBitmap.Empty())
      button->FFrameCount = static_cast<double>(button->FBitmap.Width()) / button->FBitmap.Height() <= 3.8 ? 3 : 6;
    if (button->FAction < 0) button->FFrameCount = 6;
    // The window icon is drawn in place of an image.
    if (button->FAction == 3 || button->FAction == 11) button->FBitmap.Clear();
  }
  return button;
}

std::vector<std::unique_ptr<TDataSkinSysButton>> TSkinLoader::SysButtons(const TStrings& sections) const {
  std::vector<std::unique_ptr<TDataSkinSysButton>> buttons;
  bool haveHelpPlace = false;
  int helpX = 0, helpY = 0;
  for (int i = 0; i < sections.Count(); ++i) {
    const std::string section = sections[i];
    const std::string upper = AsciiUpperCase(section);
    if (upper.rfind("BUTTON", 0) != 0 || IsControlButtonSection(upper)) continue;
    // A hidden decoration.
    if (Integer(section, "Action", 0) == -1 && Integer(section, "Visibility", -1) != 0) continue;
    auto button = SysButton(section, upper);
    // A help button sits where the maximize button shown on normal windows
    // sits, the two never being shown together.
    if (button->FAction == 1 && button->FVisibility == 2) {
      haveHelpPlace = true;
      helpX = button->FXcoord;
      helpY = button->FYcoord;
    } else if (button->FAction == 4 && haveHelpPlace) {
      button->FXcoord = helpX;
      button->FYcoord = helpY;
    }
    buttons.push_back(std::move(button));
  }
  CutMdiButtons(buttons);
  return buttons;
}

void TSkinLoader::CutMdiButtons(std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons) const {
  TBitmap image;
  LoadImage(image, Text("MDICONTROLS", "Image"));
  // Minimize, restore and close of the active MDI child; each takes a
  // quarter of its third of the image: 4 frames of width a.
  static const char* const kNames[] = {"MDIMINIMIZE", "MDIRESTORE", "MDICLOSE"};
  const int a = image.Width() / 12;
  for (int i = 0; i < 3; ++i) {
    auto button = std::make_unique<TDataSkinSysButton>(kNames[i]);
    button->FAction = 7 + i;
    button->FAlign = 100;
    button->FVisibility = 100;
    button->FVisibility1 = 100;
    button->FFrameCount = 4;
    if (!image.Empty()) {
      CopyBitmapRect(button->FBitmap, image, RECT{4 * a * i, 0, 4 * a * (i + 1), image.Height()});
      button->FXcoord = (3 - i) * (a + 4);
    }
    buttons.push_back(std::move(button));
  }
}

std::unique_ptr<TDataSkinObject> BuiltInTrack(const char* name) {
  auto element = std::make_unique<TDataSkinObject>(name);
  try {
    element->FBitmap.LoadFromResourceName(GetModuleHandleA(nullptr), name);
  } catch (const EInvalidGraphic&) {
    element->FBitmap.Clear();
  }
  element->FMargins = RECT{3, 3, 3, 3};
  element->FTile = 0;
  element->FFrameCount = 1;
  return element;
}
