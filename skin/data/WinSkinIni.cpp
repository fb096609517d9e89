#include "skin/data/WinSkinIni.h"

#include "ui/StrUtils.h"

namespace {

bool IsSectionHeader(std::string_view line) { return !line.empty() && line.front() == '[' && line.back() == ']'; }

}  // namespace

void TQuickIni::LoadFromStream(TStream* stream) {
  if (!stream) return;
  TStringList text;
  text.LoadFromStream(*stream);
  FLines.BeginUpdate();
  FSections.BeginUpdate();
  FLines.Clear();
  FSections.Clear();
  for (int i = 0; i < text.Count(); ++i) {
    const std::string raw = text[i];
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';') continue;
    const int index = FLines.Add(std::string(line));
    if (IsSectionHeader(line)) FSections.AddData(std::string(line), index);
  }
  FSections.EndUpdate();
  FLines.EndUpdate();
}

int TQuickIni::FindSection(const std::string& section) const {
  const std::string header = "[" + section + "]";
  for (int i = 0; i < FSections.Count(); ++i) {
    if (AnsiSameText(FSections[i], header)) return static_cast<int>(FSections.GetData(i));
  }
  return -1;
}

void TQuickIni::ReadString(const std::string& section, const std::string& key, std::string& value,
                           const std::string& def) const {
  value = def;
  const std::string wanted = AsciiLowerCase(key);
  const int header = FindSection(section);
  if (header < 0) return;
  for (int i = header + 1; i < FLines.Count(); ++i) {
    const std::string line = FLines[i];
    if (IsSectionHeader(line)) return;
    // A line without "=" has the empty key and the whole line as its value.
    const std::size_t equals = line.find('=');
    const std::string_view before = equals == std::string::npos ? std::string_view() : std::string_view(line).substr(0, equals);
    if (AsciiLowerCase(Trim(before)) != wanted) continue;
    const std::string_view after = equals == std::string::npos ? std::string_view(line) : std::string_view(line).substr(equals + 1);
    const std::string_view found = Trim(after);
    if (!found.empty()) value = std::string(found);
    return;
  }
}

int TQuickIni::ReadInteger(const std::string& section, const std::string& key, int def) const {
  std::string value;
  ReadString(section, key, value, "");
  // The conversion reads "0x1F" as hexadecimal itself.
  int result = def;
  TryStrToInt(value, result);
  return result;
}

void TQuickIni::ReadSections(TStrings& strings) const {
  strings.BeginUpdate();
  strings.Clear();
  for (int i = 0; i < FSections.Count(); ++i) {
    const std::string header = FSections[i];
    strings.Add(std::string(Trim(std::string_view(header).substr(1, header.size() - 2))));
  }
  strings.EndUpdate();
}
