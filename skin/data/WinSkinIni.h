#pragma once
// The skin's INI description, held in memory and read by section and key.
//
// Lines end at CR, LF or CR LF; a zero byte ends the text. Lines are
// trimmed; empty lines and lines beginning with ";" are dropped. A kept
// line that begins with "[" and ends with "]" heads a section; any other is
// an entry: its key is the trimmed text before the first "=" (compared in
// lower case), its value the trimmed text after it. There are no comments
// at the end of a line.
#include <string>

#include "ui/Strings.h"

class TStream;

class TQuickIni {
 public:
  // Replaces the content with the text from the stream's position to its
  // end; a null stream changes nothing.
  void LoadFromStream(TStream* stream);
  // The value of key in the first section of that name, or def when the
  // section, the key or the value is missing. Only the first line with the
  // key counts, even when its value is empty.
  void ReadString(const std::string& section, const std::string& key, std::string& value,
                  const std::string& def) const;
  // The value converted by TryStrToInt ("0x1F" and "$1F" are 31), or def
  // when it is missing or no number.
  int ReadInteger(const std::string& section, const std::string& key, int def) const;
  // Fills strings with the section names, without brackets and trimmed, in
  // text order.
  void ReadSections(TStrings& strings) const;
  // The index in the kept lines of the header of the first section named
  // section (letter case aside), or -1.
  int FindSection(const std::string& section) const;

 private:
  TStringList FLines;
  // Section headers as written, with the index of their line in FLines.
  TStringList FSections;
};
