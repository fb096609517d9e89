#include "tools/extdat/MagicSource.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "tools/extdat/MagicSignatures.h"
#include "tools/extdat/MimeInfo.h"
#include "ui/StrUtils.h"

namespace {

// One test line and what followed it.
struct TTest {
  int Level = 0;
  int Parent = -1;
  int Line = 0;
  bool Exact = true;  // a comparison of Pieces, or no condition at all
  std::vector<TMagicPiece> Pieces;
  std::string Message;
  std::string Mime;
  std::string Ext;  // the !:ext value, "exe/com"
  bool Annotated = false;
};

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

// The next whitespace-separated field; a backslash keeps the character after
// it in the field (an escaped space in a string value).
std::string_view NextField(std::string_view& line) {
  std::size_t start = 0;
  while (start < line.size() && IsSpace(line[start])) ++start;
  std::size_t end = start;
  while (end < line.size() && !IsSpace(line[end])) end += line[end] == '\\' ? 2 : 1;
  end = std::min(end, line.size());
  const std::string_view field = line.substr(start, end - start);
  line.remove_prefix(end);
  return field;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsSpace(text.back())) text.remove_suffix(1);
  return text;
}

int Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// A number as file reads it: optional minus, then 0x... hexadecimal, a
// leading 0 octal, decimal otherwise; two's complement for a negative one.
std::optional<std::uint64_t> ParseNumber(std::string_view text) {
  bool negative = false;
  if (!text.empty() && text[0] == '-') {
    negative = true;
    text.remove_prefix(1);
  }
  unsigned base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.size() > 1 && text[0] == '0') {
    base = 8;
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 22) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : text) {
    const int d = Digit(c);
    if (d >= static_cast<int>(base)) return std::nullopt;
    value = value * base + static_cast<unsigned>(d);
  }
  return negative ? ~value + 1 : value;
}

// A fixed offset: a plain number, not negative (from the end), computed
// "(...)" or relative "&...".
std::optional<std::int64_t> FixedOffset(std::string_view text) {
  if (text.empty() || text[0] == '-') return std::nullopt;
  const std::optional<std::uint64_t> value = ParseNumber(text);
  if (!value || *value > 0x7FFFFFFF) return std::nullopt;
  return static_cast<std::int64_t>(*value);
}

// Width and byte order of a number type: byte, [u]beshort, [u]lelong, ...
// 0 for any other type, also for the native-order short, long and quad.
int NumberWidth(std::string_view type, bool& bigEndian) {
  if (!type.empty() && type[0] == 'u') type.remove_prefix(1);
  if (type == "byte") return 1;
  if (type.substr(0, 2) != "be" && type.substr(0, 2) != "le") return 0;
  bigEndian = type[0] == 'b';
  type.remove_prefix(2);
  if (type == "short") return 2;
  if (type == "long") return 4;
  if (type == "quad") return 8;
  return 0;
}

bool HasLetters(std::string_view text) {
  for (const char c : text) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return true;
  }
  return false;
}

// A string test: its flags after "/" may make it blind to case or to
// whitespace; such a value compares exactly only when it has no letters or
// no whitespace.
void ReadStringTest(TTest& test, std::int64_t offset, std::string_view flags, std::string_view value,
                    int utf16 /* 0, 1 little-endian, 2 big-endian */) {
  if (value == "x") return;  // any value
  if (!value.empty() && value[0] == '=') value.remove_prefix(1);
  if (!value.empty() && (value[0] == '!' || value[0] == '<' || value[0] == '>')) {
    test.Exact = false;
    return;
  }
  std::string bytes = DecodeMagicString(std::string(value));
  const bool caseBlind = flags.find_first_of("cC") != std::string_view::npos;
  const bool spaceBlind = flags.find_first_of("wW") != std::string_view::npos;
  if (bytes.empty() || (caseBlind && HasLetters(bytes)) ||
      (spaceBlind && bytes.find_first_of(" \t\r\n\v\f") != std::string::npos)) {
    test.Exact = false;
    return;
  }
  if (utf16) {
    std::string wide;
    for (const char c : bytes) {
      wide += utf16 == 1 ? std::string{c, '\0'} : std::string{'\0', c};
    }
    bytes = std::move(wide);
  }
  test.Pieces.push_back({offset, std::move(bytes), test.Level});
}

void ReadNumberTest(TTest& test, std::int64_t offset, int width, bool bigEndian, std::string_view mask,
                    std::string_view value) {
  if (value == "x") return;
  if (!value.empty() && value[0] == '=') value.remove_prefix(1);
  const std::optional<std::uint64_t> number = ParseNumber(value);
  std::optional<std::uint64_t> bits = ~std::uint64_t{0};
  if (!mask.empty()) bits = mask[0] == '&' ? ParseNumber(mask.substr(1)) : std::nullopt;
  if (!number || !bits) {
    test.Exact = false;
    return;
  }
  for (int i = 0; i < width;) {
    // Runs of bytes whose mask is 0xFF; others are not compared exactly.
    std::string run;
    const int start = i;
    for (; i < width; ++i) {
      const int shift = 8 * (bigEndian ? width - 1 - i : i);
      if ((*bits >> shift & 0xFF) != 0xFF) break;
      run += static_cast<char>(*number >> shift & 0xFF);
    }
    if (!run.empty()) test.Pieces.push_back({offset + start, std::move(run), test.Level});
    if (i < width) {
      test.Exact = false;
      ++i;
    }
  }
}

// Reads the offset, type and test of a line into test; Exact false when the
// test compares what no signature can hold. A test of any value ("x") has
// no condition, wherever it reads.
void ReadTest(TTest& test, std::string_view offsetText, std::string_view type, std::string_view value) {
  if (type == "clear") return;
  const std::size_t slash = type.find('/');
  const std::string_view base = type.substr(0, slash);
  const std::string_view flags = slash == std::string_view::npos ? std::string_view() : type.substr(slash + 1);
  const int utf16 = base == "lestring16" ? 1 : base == "bestring16" ? 2 : 0;
  const bool isString = base == "string" || utf16;
  const std::size_t op = base.find_first_of("&|^+-*/%");
  bool bigEndian = false;
  const int width = isString || slash != std::string_view::npos ? 0 : NumberWidth(base.substr(0, op), bigEndian);
  const bool comparison = isString || width > 0;
  const std::optional<std::int64_t> offset = FixedOffset(offsetText);
  if (!comparison || !offset) {
    // Searches, expressions, sub-routines and tests at computed offsets.
    test.Exact = value == "x" && type != "default" && type != "use" && type != "indirect";
    return;
  }
  if (isString) {
    ReadStringTest(test, *offset, flags, value, utf16);
  } else {
    ReadNumberTest(test, *offset, width, bigEndian, op == std::string_view::npos ? "" : base.substr(op), value);
  }
}

// The message of a test as plain text: printable ASCII, without formats
// that file fills with values.
std::string PlainMessage(std::string_view message) {
  if (message.find('%') != std::string_view::npos) return {};
  std::string text;
  for (const char c : message) text += (c >= 0x20 && c < 0x7F) ? c : '?';
  return text;
}

void AppendMessage(std::string& description, std::string_view message) {
  std::string_view m = Trim(message);
  const bool join = m.substr(0, 2) == "\\b";
  if (join) m.remove_prefix(2);
  const std::string text = PlainMessage(Trim(m));
  if (text.empty()) return;
  if (!description.empty() && !join) description += ' ';
  description += text;
}

// "exe/COM/tar.gz" as keys: lower case, with the dot; names with other than
// letters, digits and "_+-." (wildcards such as "??_") are left out.
std::vector<std::string> Extensions(std::string_view list) {
  std::vector<std::string> keys;
  while (!list.empty()) {
    const std::size_t slash = list.find('/');
    const std::string name = AsciiLowerCase(std::string(list.substr(0, slash)));
    list.remove_prefix(slash == std::string_view::npos ? list.size() : slash + 1);
    const bool plain = !name.empty() && name.size() <= 9 &&
                       name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_+-.") == std::string::npos &&
                       name[0] != '.' && name.back() != '.';
    const std::string key = "." + name;
    if (plain && std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
  }
  return keys;
}

std::vector<TTest> ReadTests(std::string_view text) {
  std::vector<TTest> tests;
  std::vector<int> open;  // the last test of each level
  bool inSubroutine = false;
  bool lastRead = false;  // the last test line became a test: annotations belong to it
  int lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (Trim(line).empty() || Trim(line)[0] == '#') continue;
    if (line.substr(0, 2) == "!:") {
      if (!lastRead) continue;
      std::string_view rest = line.substr(2);
      const std::string_view key = NextField(rest);
      const std::string_view value = NextField(rest);
      TTest& last = tests.back();
      if (key == "mime") last.Mime = std::string(value);
      if (key == "ext") last.Ext = std::string(value);
      last.Annotated = last.Annotated || ((key == "mime" || key == "ext") && !value.empty());
      continue;
    }
    int level = 0;
    while (level < static_cast<int>(line.size()) && line[static_cast<std::size_t>(level)] == '>') ++level;
    std::string_view rest = line.substr(static_cast<std::size_t>(level));
    const std::string_view offset = NextField(rest);
    const std::string_view type = NextField(rest);
    const std::string_view value = NextField(rest);
    if (level == 0) inSubroutine = type == "name";
    lastRead = !inSubroutine && !type.empty() && level <= static_cast<int>(open.size());
    if (!lastRead) continue;
    TTest test;
    test.Level = level;
    test.Parent = level == 0 ? -1 : open[static_cast<std::size_t>(level - 1)];
    test.Line = lineNumber;
    test.Message = std::string(rest);
    ReadTest(test, offset, type, value);
    open.resize(static_cast<std::size_t>(level));
    open.push_back(static_cast<int>(tests.size()));
    tests.push_back(std::move(test));
  }
  return tests;
}

}  // namespace

std::vector<TMagicRule> ReadMagicRules(const std::string& name, std::string_view text) {
  const std::vector<TTest> tests = ReadTests(text);
  std::vector<TMagicRule> rules;
  for (const TTest& test : tests) {
    if (!test.Annotated) continue;
    std::vector<const TTest*> path;
    for (const TTest* t = &test; t; t = t->Parent < 0 ? nullptr : &tests[static_cast<std::size_t>(t->Parent)]) {
      path.insert(path.begin(), t);
    }
    TMagicRule rule;
    std::vector<TMagicPiece> pieces;
    bool exact = true;
    std::string ext;
    for (const TTest* t : path) {
      pieces.insert(pieces.end(), t->Pieces.begin(), t->Pieces.end());
      exact = exact && t->Exact;
      if (!t->Mime.empty()) rule.Mime = t->Mime;
      if (!t->Ext.empty()) ext = t->Ext;
      AppendMessage(rule.Description, t->Message);
    }
    rule.Extensions = Extensions(ext);
    if (rule.Mime.empty() && rule.Extensions.empty()) continue;
    const std::optional<TBestRun> best = BestRun(std::move(pieces));
    if (!best) continue;
    rule.Offset = best->Run.Offset;
    rule.Bytes = best->Run.Bytes;
    rule.Strength = best->Strength;
    rule.Complete = exact && best->Blocks == 1 && !best->Cut;
    rule.Source = name + ":" + std::to_string(test.Line);
    const auto same = [&](const TMagicRule& r) {
      return r.Offset == rule.Offset && r.Bytes == rule.Bytes && r.Complete == rule.Complete &&
             r.Strength == rule.Strength && r.Mime == rule.Mime && r.Extensions == rule.Extensions;
    };
    if (std::find_if(rules.begin(), rules.end(), same) == rules.end()) rules.push_back(std::move(rule));
  }
  return rules;
}
