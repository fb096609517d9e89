#include "tools/qvid/VerdictFormat.h"

#include <cstdint>
#include <cstdio>

namespace {

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

// The length of the valid UTF-8 sequence at the start of text, or 0.
std::size_t Utf8SequenceLength(std::string_view text) {
  const auto b0 = static_cast<unsigned char>(text[0]);
  std::size_t length = 0;
  std::uint32_t min = 0;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  std::uint32_t code = b0 & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0;
    code = code << 6 | (b & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

}  // namespace

std::string FormatTsvLine(const TFileReport& report) {
  return OneLine(report.Path) + '\t' + OneLine(report.Ext) + '\t' + OneLine(report.Description);
}

std::string FormatJsonObject(const TFileReport& report) {
  std::string json = "{\"name\":" + JsonString(report.Name) + ",\"path\":" + JsonString(report.Path);
  if (report.Error.empty()) {
    json += ",\"ext\":" + JsonString(report.Ext) + ",\"description\":" + JsonString(report.Description);
  } else {
    json += ",\"error\":" + JsonString(report.Error);
  }
  return json + "}";
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  while (!utf8.empty()) {
    const char c = utf8[0];
    const std::size_t length = Utf8SequenceLength(utf8);
    if (length == 0) {
      out += "\xEF\xBF\xBD";  // U+FFFD for a byte that starts no valid sequence
      utf8.remove_prefix(1);
      continue;
    }
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    } else {
      out.append(utf8.substr(0, length));
    }
    utf8.remove_prefix(length);
  }
  return out + "\"";
}
