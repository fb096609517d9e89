#pragma once
// Reads a skin description the way the skin engine does: lines end at CR,
// LF or CR LF; lines are trimmed; empty lines and lines starting with ";"
// are skipped; "[name]" starts a section; other lines are key=value with
// the key compared in lower case. Section names match without regard to
// letter case; only the first section of a name and the first line of a key
// in it count. Blanks inside the brackets belong to the name: "[ A ]" is
// not section A.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TSkinIni {
 public:
  explicit TSkinIni(std::string_view text);

  // Section names in text order, without brackets.
  const std::vector<std::string>& Sections() const { return FSections; }
  bool HasSection(std::string_view section) const;
  // The value, or nothing when the section or key is missing or the value
  // is empty.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;
  // The value as a decimal integer, or fallback when it is missing or not a
  // whole number.
  int Integer(std::string_view section, std::string_view key, int fallback) const;

 private:
  struct TEntry {
    std::size_t Section;
    std::string Key;  // lower case
    std::string Value;
  };
  std::optional<std::size_t> FindSection(std::string_view section) const;

  std::vector<std::string> FSections;  // trimmed, as listed
  std::vector<std::string> FHeaders;   // as written between the brackets, as matched
  std::vector<TEntry> FEntries;
};
