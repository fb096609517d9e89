#pragma once
// Conversion between UTF-8 and GBK (code page 936), the 8-bit code page of
// the program's texts. Tools read UTF-8 sources and print UTF-8, while
// ext.dat and the program's messages hold GBK.
#include <string>
#include <string_view>

struct TConversion {
  std::string Text;
  // False when some input was not valid in its encoding or had no form in
  // the target; Text then holds a substitute (such as '?') for each piece.
  bool Exact = true;
};

TConversion Utf8ToGbk(std::string_view utf8);
TConversion GbkToUtf8(std::string_view gbk);

// True when the text is valid GBK and comes back unchanged from a round trip
// through Unicode.
bool IsExactGbk(std::string_view gbk);

// The longest start of a GBK text that has at most maxBytes bytes and does
// not split a double-byte character.
std::string_view CutGbk(std::string_view gbk, std::size_t maxBytes);

// True when the GBK text holds a double-byte (Chinese) character.
bool HasDoubleByteChar(std::string_view gbk);

#ifdef _WIN32
// UTF-16 text and the text of a Windows code page (CP_ACP, the system's 8-bit
// code page; 936; CP_UTF8), both ways. What the target cannot spell becomes
// "?" and what is not valid in the source the system's substitute; the
// conversion is then marked inexact.
struct TWideConversion {
  std::wstring Text;
  bool Exact = true;
};
TConversion WideToCodePage(std::wstring_view wide, unsigned codePage);
TWideConversion CodePageToWide(std::string_view text, unsigned codePage);
#endif
