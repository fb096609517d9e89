#pragma once
// Consistency checks of an ext.dat: what would make records misbehave or
// never be found.
#include <cstddef>
#include <string>
#include <vector>

#include "tools/extdat/DatFile.h"

struct TCheckReport {
  std::vector<std::string> Problems;  // one line each, UTF-8
  std::size_t Records = 0;
  std::size_t Signatures = 0;           // records with a content signature
  std::size_t ChineseDescriptions = 0;  // descriptions holding Chinese text
};

// Finds: key or description lengths beyond their capacity, signatures
// outside the 51-byte header, keys with capitals, duplicate keys that hide
// a description from the extension lookup, empty descriptions, signatures that an earlier signature
// always beats, text that is not valid GBK, and a partial record at the end.
TCheckReport CheckExtDat(const TExtDatContents& contents);
