#pragma once
// A skin folder as the preview reads it: the description (the first file
// whose name contains ".ini") and the bitmaps it names.
#include <string>

#include "tools/skingen/Pixmap.h"
#include "tools/skingen/SkinIni.h"

class TSkinSource {
 public:
  explicit TSkinSource(const std::string& dir);

  const TSkinIni& Ini() const { return FIni; }
  // The bitmap named by the key; an empty picture when the key is missing.
  TPixmap Image(std::string_view section, std::string_view key) const;
  int Integer(std::string_view section, std::string_view key, int fallback) const {
    return FIni.Integer(section, key, fallback);
  }
  // A colour of the "Colours" section (three numbers, red green blue).
  TRgb Colour(std::string_view key, TRgb fallback) const;

 private:
  std::string FDir;
  TSkinIni FIni;
};

// Reads a whole file; Exception when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
