#pragma once
// Consistency checks of an ext.dat: what would make records misbehave or
// never be found, and what a Windows user would miss.
#include <cstddef>
#include <string>
#include <string_view>
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
// a description from the extension lookup, empty descriptions and
// descriptions without Chinese, signatures that an earlier signature always
// beats (and among them a signature that two records with different
// descriptions share outside a group record), text that is not valid GBK, a
// partial record at the end, and every extension of expected that no record
// knows: none is keyed by it or, for an extension longer than a key holds,
// names it in its description.
TCheckReport CheckExtDat(const TExtDatContents& contents, const std::vector<std::string>& expected = {});

// The extensions of a list such as filetype/data/windows-extensions.txt:
// separated by whitespace, '#' to the end of the line a comment. An entry
// that is not a lower-case extension with its dot throws
// std::invalid_argument naming it.
std::vector<std::string> ParseExtensionList(std::string_view text);

// The list of filetype/data/windows-extensions.txt, built into the tool.
extern const char kWindowsExtensions[];
