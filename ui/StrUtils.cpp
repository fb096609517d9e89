#include "ui/StrUtils.h"

std::string AsciiLowerCase(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string_view Trim(std::string_view text) {
  auto control = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  while (!text.empty() && control(text.front())) text.remove_prefix(1);
  while (!text.empty() && control(text.back())) text.remove_suffix(1);
  return text;
}

bool IsBlank(std::string_view text) { return Trim(text).empty(); }
