#pragma once
// 8-bit text helpers shared by every subsystem. Texts are bytes in the
// system's code page (GBK); these helpers never split or change a byte of a
// double-byte character except where stated.
#include <string>
#include <string_view>

// A to Z become a to z; every other byte stays.
std::string AsciiLowerCase(std::string_view text);
// Removes leading and trailing bytes of value 0x20 or less.
std::string_view Trim(std::string_view text);
// Empty after trimming.
bool IsBlank(std::string_view text);
