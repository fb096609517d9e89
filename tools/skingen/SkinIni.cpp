#include "tools/skingen/SkinIni.h"

#include <charconv>

#include "ui/StrUtils.h"

TSkinIni::TSkinIni(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    const std::string_view line = Trim(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) {
      start = text.size() + 1;
    } else {
      start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string_view name = line.substr(1, line.size() - 2);
      FHeaders.emplace_back(name);
      FSections.emplace_back(Trim(name));
      continue;
    }
    if (FSections.empty()) continue;  // lines before the first section belong to none
    const std::size_t eq = line.find('=');
    const std::string_view key = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(0, eq));
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : Trim(line.substr(eq + 1));
    FEntries.push_back({FSections.size() - 1, AsciiLowerCase(key), std::string(value)});
  }
}

std::optional<std::size_t> TSkinIni::FindSection(std::string_view section) const {
  const std::string wanted = AsciiLowerCase(section);
  for (std::size_t i = 0; i < FHeaders.size(); ++i)
    if (AsciiLowerCase(FHeaders[i]) == wanted) return i;
  return std::nullopt;
}

bool TSkinIni::HasSection(std::string_view section) const { return FindSection(section).has_value(); }

std::optional<std::string> TSkinIni::Value(std::string_view section, std::string_view key) const {
  const auto index = FindSection(section);
  if (!index) return std::nullopt;
  const std::string wanted = AsciiLowerCase(key);
  for (const TEntry& e : FEntries) {
    if (e.Section != *index || e.Key != wanted) continue;
    if (e.Value.empty()) return std::nullopt;
    return e.Value;
  }
  return std::nullopt;
}

int TSkinIni::Integer(std::string_view section, std::string_view key, int fallback) const {
  const auto text = Value(section, key);
  if (!text) return fallback;
  int value = 0;
  const char* first = text->data();
  const char* last = first + text->size();
  if (*first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last ? value : fallback;
}
