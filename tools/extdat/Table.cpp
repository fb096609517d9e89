#include "tools/extdat/Table.h"

#include "tools/extdat/Signature.h"
#include "ui/CodePage.h"
#include "ui/StrUtils.h"

namespace {

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  while (true) {
    const std::size_t tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string ToGbk(int line, std::string_view utf8, const char* what) {
  TConversion gbk = Utf8ToGbk(utf8);
  if (!gbk.Exact) throw ETableError(line, std::string(what) + " \"" + std::string(utf8) + "\" has no GBK form");
  return std::move(gbk.Text);
}

void ParseSignature(int line, std::string_view offset, std::string_view hex, TExtRecord& record) {
  if (offset.empty() != hex.empty()) throw ETableError(line, "offset and signature go together");
  if (offset.empty()) return;
  int value = 0;
  for (const char c : offset) {
    if (c < '0' || c > '9' || value > int(kFileHeaderSize)) throw ETableError(line, "bad offset \"" + std::string(offset) + "\"");
    value = value * 10 + (c - '0');
  }
  if (hex.size() % 2 != 0 || hex.size() / 2 > kSignCapacity) {
    throw ETableError(line, "signature \"" + std::string(hex) + "\" is not 1 to 11 bytes of hex");
  }
  for (std::size_t i = 0; i < hex.size(); i += 2) {
    const int hi = HexValue(hex[i]);
    const int lo = HexValue(hex[i + 1]);
    if (hi < 0 || lo < 0) throw ETableError(line, "signature \"" + std::string(hex) + "\" is not hex");
    record.Sign[i / 2] = static_cast<std::uint8_t>(hi * 16 + lo);
  }
  record.HeadOffset = value;
  record.SignLen = static_cast<int>(hex.size() / 2);
  if (!SignatureInBounds(record)) {
    throw ETableError(line, "signature at offset " + std::string(offset) + " reaches beyond the 51-byte header");
  }
}

TTableRow ParseRow(int line, std::string_view text) {
  const std::vector<std::string_view> fields = SplitTabs(text);
  if (fields.size() != 4) {
    throw ETableError(line, "expected 4 tab-separated fields (key, offset, signature, description), found " +
                                std::to_string(fields.size()));
  }
  TTableRow row;
  row.Line = line;
  TExtRecord& r = row.Record;
  const std::string key = ToGbk(line, fields[0], "key");
  if (key.empty() || key.size() > 10) throw ETableError(line, "key \"" + std::string(fields[0]) + "\" is not 1 to 10 bytes");
  if (AsciiLowerCase(key) != key) throw ETableError(line, "key \"" + std::string(fields[0]) + "\" is not lower case");
  r.Ext.Assign(key);
  ParseSignature(line, fields[1], fields[2], r);
  const std::string desc = ToGbk(line, fields[3], "description");
  if (IsBlank(desc)) throw ETableError(line, "empty description");
  if (desc.size() > 250) {
    throw ETableError(line, "description is " + std::to_string(desc.size()) + " bytes in GBK, more than 250");
  }
  r.Desc.Assign(desc);
  return row;
}

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

}  // namespace

std::vector<TTableRow> ParseTable(std::string_view utf8) {
  if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);  // byte order mark
  std::vector<TTableRow> rows;
  int line = 0;
  while (!utf8.empty()) {
    ++line;
    const std::size_t end = utf8.find('\n');
    std::string_view text = utf8.substr(0, end);
    utf8.remove_prefix(end == std::string_view::npos ? utf8.size() : end + 1);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (IsBlank(text) || text.front() == '#') continue;
    rows.push_back(ParseRow(line, text));
  }
  return rows;
}

std::string FormatTableRow(const TExtRecord& record) {
  static const char kHex[] = "0123456789abcdef";
  std::string line = OneLine(GbkToUtf8(record.Ext.View()).Text);
  line += '\t';
  if (HasSignature(record)) {
    line += std::to_string(record.HeadOffset);
    line += '\t';
    const int shown = record.SignLen < int(kSignCapacity) ? record.SignLen : int(kSignCapacity);
    for (int i = 0; i < shown; ++i) {
      line += kHex[record.Sign[static_cast<std::size_t>(i)] >> 4];
      line += kHex[record.Sign[static_cast<std::size_t>(i)] & 15];
    }
  } else {
    line += '\t';
  }
  line += '\t';
  line += OneLine(GbkToUtf8(record.Desc.View()).Text);
  return line;
}
