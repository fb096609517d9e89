#pragma once
// The file types of a shared MIME-info database (freedesktop.org.xml): names,
// comments, file-name extensions, sub-class relations and magic rules, read
// from the parsed XML document. Texts stay UTF-8; magic values are decoded to
// the bytes they stand for.
#include <string>
#include <vector>

#include "tools/extdat/XmlReader.h"

// One <match>: Value (compared through Mask when Mask is not empty; both
// have the same length) found at some offset from RangeStart to RangeEnd,
// and at least one of Children matching too, when there are any.
struct TMagicMatch {
  int RangeStart = 0;
  int RangeEnd = 0;
  std::string Value;
  std::string Mask;
  std::vector<TMagicMatch> Children;
};

// One <magic>: any of Matches identifies the type.
struct TMagic {
  int Priority = 50;
  std::vector<TMagicMatch> Matches;
};

// One "*.ext" glob, as the key ".ext" (lower case) and the glob's weight.
struct TGlobExtension {
  std::string Ext;
  int Weight = 50;
};

struct TMimeType {
  std::string Name;       // e.g. image/png
  std::string Comment;    // English
  std::string CommentZh;  // zh_CN, empty when the database has none
  std::vector<TGlobExtension> Extensions;  // each once, in the file's order
  std::vector<std::string> SubClassOf;
  std::vector<std::string> Aliases;  // other names of the type
  std::vector<TMagic> Magic;
  int Line = 0;
};

// Reads the <mime-type> elements of a <mime-info> document. Globs that are
// not a plain "*.ext" pattern (file names, wildcards) are left out, and so
// are case-sensitive ones with capitals, since file extensions are compared
// in lower case. EXmlError for a malformed rule, with its line.
std::vector<TMimeType> ReadMimeInfo(const TXmlElement& root);

// Decodes a string value with its escapes (\n, \t, \\, \xHH, \NNN octal,
// \ followed by any other character for that character).
std::string DecodeMagicString(const std::string& text);
