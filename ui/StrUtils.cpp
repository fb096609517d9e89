#include "ui/StrUtils.h"

#ifdef _WIN32
#include <windows.h>

#include <climits>
#endif

#ifdef _WIN32
bool IsDoubleByte(char lead, char) { return IsDBCSLeadByte(static_cast<BYTE>(lead)) != 0; }
#else
bool IsDoubleByte(char lead, char trail) {
  const auto l = static_cast<unsigned char>(lead);
  const auto t = static_cast<unsigned char>(trail);
  return l >= 0x81 && l <= 0xFE && t >= 0x40 && t <= 0xFE && t != 0x7F;
}
#endif

namespace {

// Moves the single-byte letters first..last by (to - first), stepping over
// double-byte characters whole.
std::string ShiftAsciiLetters(std::string_view text, char first, char last, char to) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (i + 1 < result.size() && IsDoubleByte(result[i], result[i + 1]))
      ++i;
    else if (result[i] >= first && result[i] <= last)
      result[i] = static_cast<char>(result[i] - first + to);
  }
  return result;
}

}  // namespace

std::string AsciiLowerCase(std::string_view text) { return ShiftAsciiLetters(text, 'A', 'Z', 'a'); }

std::string AsciiUpperCase(std::string_view text) { return ShiftAsciiLetters(text, 'a', 'z', 'A'); }

bool SameIdentifier(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && lower(a[i]) != lower(b[i])) return false;
    // After a byte outside ASCII (equal on both sides), the next byte may be
    // the trail of a double-byte character: it compares exactly.
    if (static_cast<unsigned char>(a[i]) >= 0x80 && i + 1 < a.size()) {
      ++i;
      if (a[i] != b[i]) return false;
    }
  }
  return true;
}

std::string_view Trim(std::string_view text) {
  auto control = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && control(text.front())) text.remove_prefix(1);
  while (!text.empty() && control(text.back())) text.remove_suffix(1);
  return text;
}

bool IsBlank(std::string_view text) { return Trim(text).empty(); }

#ifdef _WIN32
bool AnsiSameText(std::string_view a, std::string_view b) {
  // The system refuses empty texts; two empty texts are equal.
  if (a.empty() || b.empty()) return a.empty() && b.empty();
  if (a.size() > INT_MAX || b.size() > INT_MAX) return false;
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                        b.data(), static_cast<int>(b.size())) == CSTR_EQUAL;
}
#else
bool AnsiSameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
  for (std::size_t i = 0; i < a.size(); ++i) {
    // A double-byte character (whose trail byte may look like a letter)
    // compares exactly.
    if (i + 1 < a.size() && IsDoubleByte(a[i], a[i + 1])) {
      if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}
#endif

bool TryStrToInt(std::string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return false;
  // The magnitude may reach 2^31 for the most negative value.
  const long long limit = negative ? 2147483648LL : 2147483647LL;
  long long magnitude = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return false;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}
