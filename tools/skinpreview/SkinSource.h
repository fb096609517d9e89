#pragma once
// A skin folder as the preview reads it: the description (the first file
// whose name contains ".ini") and the bitmaps it names.
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/WinSkinIni.h"
#include "tools/skingen/Pixmap.h"

class TSkinSource {
 public:
  explicit TSkinSource(const std::string& dir);

  // The description's section names, in text order.
  std::vector<std::string> Sections() const;
  // The bitmap named by the key; an empty picture when the key is missing.
  TPixmap Image(std::string_view section, std::string_view key) const;
  int Integer(std::string_view section, std::string_view key, int fallback) const {
    return FIni.ReadInteger(std::string(section), std::string(key), fallback);
  }
  // A colour of the "Colours" section (three numbers, red green blue).
  TRgb Colour(std::string_view key, TRgb fallback) const;

 private:
  // The key's value; empty when it is missing.
  std::string Value(std::string_view section, std::string_view key) const;

  std::string FDir;
  TQuickIni FIni;
};

// Reads a whole file; Exception when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
