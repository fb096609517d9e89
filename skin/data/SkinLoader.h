#pragma once
// Filling skin elements from a skin: the INI description answers the keys,
// the package supplies the bitmaps. Nothing here reports an error: a missing
// section or key gives its default, a missing image key leaves an element
// absent (null), an unusable image name or a missing entry gives an empty
// bitmap, and a package entry that is no readable BMP leaves its element
// absent (or, for the objects that always exist, its bitmap empty).
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinElements.h"

class TQuickIni;
class TSkinReader;
class TStrings;

// A colour written as text: each run of digits is a number, taken when a
// non-digit follows it; the first three taken are red, green and blue, each
// reduced to its low 8 bits. A run at the very end counts as the third when
// exactly two were taken before it. "0,128,255" is 0xFF8000, "12" is 0.
TColor ColourFromText(std::string_view text);

class TSkinLoader {
 public:
  TSkinLoader(const TQuickIni& ini, const TSkinReader& package) : FIni(ini), FPackage(package) {}

  // The skin's ButtonText colour, the default of the state colour texts;
  // set once the colour table has been read.
  void SetButtonText(TColor colour) { FButtonText = colour; }

  int Integer(const std::string& section, const std::string& key, int def) const;
  // The value, or "" when the key is missing or empty.
  std::string Text(const std::string& section, const std::string& key) const;
  // The colour text of the key, or def when missing; given tells which.
  TColor Colour(const std::string& section, const std::string& key, TColor def, bool* given = nullptr) const;
  // Loads the package entry named by the file-name part of value when it
  // ends in ".bmp" (exactly); otherwise, or without such an entry, empties
  // the bitmap. False (bitmap emptied) when the entry is no readable BMP.
  bool LoadImage(TBitmap& bitmap, const std::string& value) const;

  // The loader families, by the class they fill and their image key.
  // Generic: "Image", with "Frame" and the state colours.
  std::unique_ptr<TDataSkinObject> Generic(const std::string& section) const;
  // Generic without "Frame", plus an extra image key loaded into FBitmap2.
  std::unique_ptr<TDataSkinBorder> Bordered(const std::string& section, const std::string& extraKey) const;
  // "Bitmap": style, margins, "Trans" and "Tile" only.
  std::unique_ptr<TDataSkinBorder> Bar(const std::string& section) const;
  // Bordered without the extra image, plus the background placement.
  std::unique_ptr<TDataSkinBoxLabel> BoxLabel(const std::string& section) const;

  // "Personality": a window border ("Left", "Right", "Top", "Bottom"),
  // refilled in place; the menu bar; the title ("Personality", "Fonts").
  void LoadBorder(TDataSkinBorder& border) const;
  std::unique_ptr<TDataSkinObject> MenuBar() const;
  void LoadTitle(TDataSkinTitle& title) const;
  // "Buttons", refilled in place; its frame counts are set by FinishButtons.
  void LoadButtons(TDataSkinButton& buttons) const;
  // The title-bar buttons of the skin's "Button..." sections (sections
  // lists every section name, in order), followed by the three MDI buttons
  // cut from "MDICONTROLS".
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons(const TStrings& sections) const;

 private:
  // The keys every family but Bar reads: style, margins, "Trans", "Tile"
  // (clamped to 0 and 1) and the state colours.
  void ReadCommon(const std::string& section, TDataSkinObject& element) const;
  void ReadMargins(const std::string& section, TDataSkinObject& element) const;
  std::unique_ptr<TDataSkinSysButton> SysButton(const std::string& section, const std::string& name) const;
  void CutMdiButtons(std::vector<std::unique_ptr<TDataSkinSysButton>>& buttons) const;

  const TQuickIni& FIni;
  const TSkinReader& FPackage;
  TColor FButtonText = SystemColor(COLOR_BTNTEXT);
};

// The element "TRACK" or "TRACKVERT" from the program's bitmap resource of
// that name: margins 3, not tiled, one frame.
std::unique_ptr<TDataSkinObject> BuiltInTrack(const char* name);
