#include "tools/extdat/MimeInfo.h"

#include <cstdint>
#include <optional>

#include "ui/StrUtils.h"

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// An unsigned number as C writes it: 0x... hexadecimal, a leading 0 octal,
// decimal otherwise. Nothing when the text is not such a number or exceeds
// 32 bits.
std::optional<std::uint32_t> ParseNumber(const std::string& text) {
  int base = 10;
  std::size_t i = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    i = 2;
  } else if (text.size() > 1 && text[0] == '0') {
    base = 8;
    i = 1;
  }
  if (i == text.size()) return std::nullopt;
  std::uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const int d = HexDigit(text[i]);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<std::uint32_t>(value);
}

const std::string& Required(const TXmlElement& e, const char* name) {
  const std::string* value = e.Attribute(name);
  if (!value) throw EXmlError(e.Line, "<" + e.Name + "> without " + name);
  return *value;
}

int ParseOffset(const TXmlElement& e, const std::string& text, int& rangeEnd) {
  const std::size_t colon = text.find(':');
  const auto start = ParseNumber(text.substr(0, colon));
  const auto end = colon == std::string::npos ? start : ParseNumber(text.substr(colon + 1));
  if (!start || !end || *start > 0x7FFFFFFF || *end > 0x7FFFFFFF || *end < *start) {
    throw EXmlError(e.Line, "bad match offset \"" + text + "\"");
  }
  rangeEnd = static_cast<int>(*end);
  return static_cast<int>(*start);
}

// The bytes of an integer of the given width in the given order. Host
// order is the x86 order (little-endian) of every machine the program runs on.
std::string IntegerBytes(std::uint32_t value, int width, bool bigEndian) {
  std::string bytes(static_cast<std::size_t>(width), '\0');
  for (int i = 0; i < width; ++i) {
    const int shift = 8 * (bigEndian ? width - 1 - i : i);
    bytes[static_cast<std::size_t>(i)] = static_cast<char>(value >> shift & 0xFF);
  }
  return bytes;
}

std::string ParseHexMask(const TXmlElement& e, const std::string& text) {
  if (text.size() < 4 || text.size() % 2 != 0 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) {
    throw EXmlError(e.Line, "bad string mask \"" + text + "\"");
  }
  std::string bytes;
  for (std::size_t i = 2; i < text.size(); i += 2) {
    const int hi = HexDigit(text[i]);
    const int lo = HexDigit(text[i + 1]);
    if (hi < 0 || lo < 0) throw EXmlError(e.Line, "bad string mask \"" + text + "\"");
    bytes += static_cast<char>(hi * 16 + lo);
  }
  return bytes;
}

TMagicMatch ReadMatch(const TXmlElement& e) {
  TMagicMatch match;
  match.RangeStart = ParseOffset(e, Required(e, "offset"), match.RangeEnd);
  const std::string& type = Required(e, "type");
  const std::string& value = Required(e, "value");
  const std::string* mask = e.Attribute("mask");
  if (type == "string") {
    match.Value = DecodeMagicString(value);
    if (match.Value.empty()) throw EXmlError(e.Line, "empty match value");
    if (mask) {
      match.Mask = ParseHexMask(e, *mask);
      if (match.Mask.size() != match.Value.size()) {
        throw EXmlError(e.Line, "mask \"" + *mask + "\" is not as long as its value");
      }
    }
  } else {
    int width = 0;
    bool bigEndian = false;
    if (type == "byte") {
      width = 1;
    } else if (type == "big16" || type == "little16" || type == "host16") {
      width = 2;
      bigEndian = type == "big16";
    } else if (type == "big32" || type == "little32" || type == "host32") {
      width = 4;
      bigEndian = type == "big32";
    } else {
      throw EXmlError(e.Line, "unknown match type \"" + type + "\"");
    }
    const std::uint32_t limit = width == 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
    const auto number = ParseNumber(value);
    if (!number || *number > limit) throw EXmlError(e.Line, "bad " + type + " value \"" + value + "\"");
    match.Value = IntegerBytes(*number, width, bigEndian);
    if (mask) {
      const auto bits = ParseNumber(*mask);
      if (!bits || *bits > limit) throw EXmlError(e.Line, "bad " + type + " mask \"" + *mask + "\"");
      match.Mask = IntegerBytes(*bits, width, bigEndian);
    }
  }
  for (const auto& child : e.Children) {
    if (child->Name == "match") match.Children.push_back(ReadMatch(*child));
  }
  return match;
}

int ParsePriority(const TXmlElement& e, const char* name, int fallback, int limit) {
  const std::string* text = e.Attribute(name);
  if (!text) return fallback;
  const auto number = ParseNumber(*text);
  if (!number || *number > static_cast<std::uint32_t>(limit)) {
    throw EXmlError(e.Line, std::string("bad ") + name + " \"" + *text + "\"");
  }
  return static_cast<int>(*number);
}

bool HasCapitals(const std::string& text) { return AsciiLowerCase(text) != text; }

void AddGlob(TMimeType& type, const TXmlElement& e) {
  const std::string& pattern = Required(e, "pattern");
  if (pattern.size() < 3 || pattern.compare(0, 2, "*.") != 0) return;
  if (pattern.find_first_of("*?[", 2) != std::string::npos) return;
  const std::string* caseSensitive = e.Attribute("case-sensitive");
  if (caseSensitive && *caseSensitive == "true" && HasCapitals(pattern)) return;
  const std::string ext = AsciiLowerCase(pattern.substr(1));
  for (const TGlobExtension& known : type.Extensions) {
    if (known.Ext == ext) return;
  }
  type.Extensions.push_back({ext, ParsePriority(e, "weight", 50, 100)});
}

TMimeType ReadType(const TXmlElement& e) {
  TMimeType type;
  type.Name = Required(e, "type");
  type.Line = e.Line;
  for (const auto& child : e.Children) {
    const TXmlElement& c = *child;
    if (c.Name == "comment") {
      const std::string* lang = c.Attribute("xml:lang");
      if (!lang) type.Comment = c.Text;
      if (lang && *lang == "zh_CN") type.CommentZh = c.Text;
    } else if (c.Name == "glob") {
      AddGlob(type, c);
    } else if (c.Name == "sub-class-of") {
      type.SubClassOf.push_back(Required(c, "type"));
    } else if (c.Name == "alias") {
      type.Aliases.push_back(Required(c, "type"));
    } else if (c.Name == "magic") {
      TMagic magic;
      magic.Priority = ParsePriority(c, "priority", 50, 100);
      for (const auto& m : c.Children) {
        if (m->Name == "match") magic.Matches.push_back(ReadMatch(*m));
      }
      type.Magic.push_back(std::move(magic));
    }
  }
  if (type.Comment.empty()) throw EXmlError(e.Line, type.Name + " has no English comment");
  return type;
}

}  // namespace

std::string DecodeMagicString(const std::string& text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      bytes += text[i];
      continue;
    }
    const char c = text[++i];
    if (c == 'x' && i + 1 < text.size() && HexDigit(text[i + 1]) >= 0) {
      int value = 0;
      for (int n = 0; n < 2 && i + 1 < text.size() && HexDigit(text[i + 1]) >= 0; ++n) {
        value = value * 16 + HexDigit(text[++i]);
      }
      bytes += static_cast<char>(value);
    } else if (c >= '0' && c <= '7') {
      int value = c - '0';
      for (int n = 1; n < 3 && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '7'; ++n) {
        value = value * 8 + (text[++i] - '0');
      }
      bytes += static_cast<char>(value & 0xFF);
    } else {
      switch (c) {
        case 'n': bytes += '\n'; break;
        case 'r': bytes += '\r'; break;
        case 't': bytes += '\t'; break;
        case 'b': bytes += '\b'; break;
        case 'f': bytes += '\f'; break;
        case 'v': bytes += '\v'; break;
        case 'a': bytes += '\a'; break;
        default: bytes += c;
      }
    }
  }
  return bytes;
}

std::vector<TMimeType> ReadMimeInfo(const TXmlElement& root) {
  if (root.Name != "mime-info") throw EXmlError(root.Line, "not a shared MIME-info database");
  std::vector<TMimeType> types;
  for (const auto& child : root.Children) {
    if (child->Name == "mime-type") types.push_back(ReadType(*child));
  }
  return types;
}
