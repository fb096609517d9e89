// Fuzzes the skin INI parser and the integer conversion behind ReadInteger,
// checking the conversion against a second, independent one.
#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "skin/data/WinSkinIni.h"
#include "ui/StrUtils.h"
#include "ui/Stream.h"

namespace {

void Fail(const char* what, std::string_view text) {
  // Standard error is closed while fuzzing (scripts/fuzz); say it on standard output.
  std::printf("fuzz_skinini: %s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
  std::fflush(stdout);
  std::abort();
}

// The conversion's rules, with std::from_chars doing the digits.
bool ReferenceToInt(std::string_view text, int& value) {
  text.remove_prefix(std::min(text.find_first_not_of(' '), text.size()));
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("$") || text.starts_with("x") || text.starts_with("X")) {
    base = 16;
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  }
  // from_chars would take a sign of its own; the digits may have none.
  if (text.empty() || text[0] == '-' || text[0] == '+') return false;
  std::uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  if (magnitude > (negative ? 2147483648u : 2147483647u)) return false;
  value = static_cast<int>(negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude));
  return true;
}

void CheckConversion(std::string_view text) {
  int got = 7, expected = 7;
  const bool ok = TryStrToInt(text, got);
  if (ok != ReferenceToInt(text, expected) || got != expected) Fail("the conversion disagrees", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  CheckConversion(text);

  TMemoryStream stream;
  stream.WriteBuffer(data, size);
  stream.SetPosition(size / 3);
  TQuickIni ini;
  ini.LoadFromStream(&stream);
  TStringList sections;
  ini.ReadSections(sections);

  // Look up every section with the keys of every line of the input.
  TStringList lines;
  lines.SetText(text);
  for (int s = 0; s < sections.Count(); ++s) {
    const std::string section = sections[s];
    if (!AnsiSameText(section, section)) Fail("a text differs from itself", section);
    ini.FindSection(section);
    for (int l = 0; l < lines.Count() && l < 64; ++l) {
      const std::string line = lines[l];
      const std::string key = line.substr(0, line.find('='));
      std::string value;
      ini.ReadString(section, key, value, "\x01");
      if (value != "\x01" && (value.empty() || Trim(value) != value)) Fail("a value is not trimmed", value);
      int expected = -5;
      if (value != "\x01") TryStrToInt(value, expected);
      if (ini.ReadInteger(section, key, -5) != expected) Fail("ReadInteger differs from its string", value);
      CheckConversion(value);
    }
  }
  return 0;
}
