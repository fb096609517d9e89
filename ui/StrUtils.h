#pragma once
// 8-bit text helpers shared by every subsystem. Texts are bytes in the
// system's code page (GBK); these helpers never split or change a byte of a
// double-byte character except where stated.
#include <string>
#include <string_view>

// True when the two bytes are one double-byte character of the system's
// code page. Windows answers by the lead byte alone (IsDBCSLeadByte);
// elsewhere the code page is GBK: lead 0x81-0xFE with a trail 0x40-0xFE
// other than 0x7F. Texts there are often UTF-8, whose byte pairs are mostly
// not GBK; requiring a valid trail keeps the byte after such a pair whole.
bool IsDoubleByte(char lead, char trail);
// A to Z become a to z; every other byte stays, including both bytes of a
// double-byte character (a GBK trail byte may lie in A to Z).
std::string AsciiLowerCase(std::string_view text);
// The same for a to z, which become A to Z.
std::string AsciiUpperCase(std::string_view text);
// Equal identifiers (names of properties, components, enumeration values)
// in any letter case, compared in place: only A to Z and a to z fold, and
// both bytes of a double-byte character compare exactly.
bool SameIdentifier(std::string_view a, std::string_view b);
// Removes leading and trailing bytes of value 0x20 or less.
std::string_view Trim(std::string_view text);
// Empty after trimming.
bool IsBlank(std::string_view text);
// Equal without regard to letter case by the system's locale rules: on
// Windows CompareStringA on the user's default locale; elsewhere A to Z
// fold to a to z, and both bytes of a double-byte character compare exactly.
bool AnsiSameText(std::string_view a, std::string_view b);
// The runtime's integer conversion: leading spaces, an optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X".
// False on an empty text, any other character (trailing spaces included)
// and a value outside the signed 32-bit range; value is then unchanged.
bool TryStrToInt(std::string_view text, int& value);
