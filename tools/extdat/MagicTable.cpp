#include "tools/extdat/MagicTable.h"

#include "filetype/ExtRecord.h"
#include "tools/extdat/Table.h"
#include "ui/CodePage.h"
#include "ui/StrUtils.h"

namespace {

std::vector<std::string_view> Split(std::string_view line, char separator) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t at = line.find(separator);
    fields.push_back(line.substr(0, at));
    if (at == std::string_view::npos) return fields;
    line.remove_prefix(at + 1);
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int Number(int line, std::string_view text, const char* what, int limit) {
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9' || value > limit) throw ETableError(line, std::string("bad ") + what + " \"" + std::string(text) + "\"");
    value = value * 10 + (c - '0');
  }
  if (text.empty() || value > limit) throw ETableError(line, std::string("bad ") + what + " \"" + std::string(text) + "\"");
  return value;
}

TMagicRule ParseRule(int line, std::string_view text) {
  const std::vector<std::string_view> f = Split(text, '\t');
  if (f.size() != 8) {
    throw ETableError(line, "expected 8 tab-separated fields (offset, bytes, complete, strength, MIME type, "
                            "extensions, description, source), found " + std::to_string(f.size()));
  }
  TMagicRule rule;
  rule.Offset = Number(line, f[0], "offset", int(kFileHeaderSize) - 1);
  if (f[1].empty() || f[1].size() % 2 || rule.Offset + int(f[1].size() / 2) > int(kFileHeaderSize)) {
    throw ETableError(line, "bytes \"" + std::string(f[1]) + "\" are not hex inside the 51-byte header");
  }
  for (std::size_t i = 0; i < f[1].size(); i += 2) {
    const int hi = HexValue(f[1][i]);
    const int lo = HexValue(f[1][i + 1]);
    if (hi < 0 || lo < 0) throw ETableError(line, "bytes \"" + std::string(f[1]) + "\" are not lower-case hex");
    rule.Bytes += static_cast<char>(hi * 16 + lo);
  }
  if (f[2] != "0" && f[2] != "1") throw ETableError(line, "complete is \"" + std::string(f[2]) + "\", not 0 or 1");
  rule.Complete = f[2] == "1";
  rule.Strength = Number(line, f[3], "strength", 0xFFFFFF);
  rule.Mime = std::string(f[4]);
  for (const std::string_view ext : Split(f[5], ' ')) {
    if (ext.empty()) continue;
    if (ext[0] != '.' || ext.size() > 10) throw ETableError(line, "bad extension \"" + std::string(ext) + "\"");
    rule.Extensions.emplace_back(ext);
  }
  if (rule.Mime.empty() && rule.Extensions.empty()) throw ETableError(line, "neither MIME type nor extensions");
  rule.Description = std::string(f[6]);
  rule.Source = std::string(f[7]);
  return rule;
}

}  // namespace

std::map<std::string, std::string> ParseMagicNames(std::string_view utf8) {
  std::map<std::string, std::string> names;
  int line = 0;
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);  // byte order mark
  while (!utf8.empty()) {
    ++line;
    const std::size_t end = utf8.find('\n');
    std::string_view text = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (IsBlank(text) || text.front() == '#') continue;
    const std::vector<std::string_view> f = Split(text, '\t');
    if (f.size() != 2 || f[0].empty() || IsBlank(f[1])) {
      throw ETableError(line, "expected a name and a description, separated by a tab");
    }
    TConversion desc = Utf8ToGbk(f[1]);
    if (!desc.Exact) throw ETableError(line, "description \"" + std::string(f[1]) + "\" has no GBK form");
    if (desc.Text.size() > 250) throw ETableError(line, "description is more than 250 bytes in GBK");
    if (!names.emplace(std::string(f[0]), std::move(desc.Text)).second) {
      throw ETableError(line, "\"" + std::string(f[0]) + "\" is named twice");
    }
  }
  return names;
}

std::vector<TMagicRule> ParseMagicTable(std::string_view utf8) {
  std::vector<TMagicRule> rules;
  int line = 0;
  while (!utf8.empty()) {
    ++line;
    const std::size_t end = utf8.find('\n');
    std::string_view text = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (text.empty() || text.front() == '#') continue;
    rules.push_back(ParseRule(line, text));
  }
  return rules;
}

std::string FormatMagicRule(const TMagicRule& rule) {
  static const char kHex[] = "0123456789abcdef";
  std::string line = std::to_string(rule.Offset) + '\t';
  for (const char c : rule.Bytes) {
    line += kHex[static_cast<unsigned char>(c) >> 4];
    line += kHex[static_cast<unsigned char>(c) & 15];
  }
  line += '\t';
  line += rule.Complete ? '1' : '0';
  line += '\t' + std::to_string(rule.Strength) + '\t' + rule.Mime + '\t';
  for (std::size_t i = 0; i < rule.Extensions.size(); ++i) line += (i ? " " : "") + rule.Extensions[i];
  line += '\t' + rule.Description + '\t' + rule.Source;
  return line;
}

std::string MagicTableText(std::string_view copying, std::string_view version, const std::vector<TMagicRule>& rules) {
  std::string text;
  while (!copying.empty() && (copying.back() == '\n' || copying.back() == '\r')) copying.remove_suffix(1);
  for (std::string_view line : Split(copying, '\n')) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    text += line.empty() ? "#\n" : "# " + std::string(line) + "\n";
  }
  text +=
      "#\n"
      "# The rules below are derived from the magic descriptions of file, as\n"
      "# found in magic/Magdir of Debian's source package file, version " + std::string(version) + ",\n"
      "# by `extdat magic`. tools/extdat/regenerate-magic fetches that source\n"
      "# with apt-get source and makes this table again, byte for byte.\n"
      "#\n"
      "# One rule a line: offset, signature bytes in hex, 1 when they hold every\n"
      "# test of the rule (else 0), strength, MIME type, extensions, description,\n"
      "# source file and line.\n";
  for (const TMagicRule& rule : rules) text += FormatMagicRule(rule) + "\n";
  return text;
}
