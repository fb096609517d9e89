#pragma once
// Rules from the magic descriptions of file(1), the magic(5) text format:
// for every test that names a MIME type or extensions (the !:mime and !:ext
// lines after it), the bytes that this test and the tests it depends on
// (its parents, up to the top-level test) compare at fixed offsets within
// the 51-byte header.
//
// Equality tests of strings and of byte, short, long and quad numbers in a
// stated byte order give bytes (masked numbers the bytes whose mask is
// 0xFF); so do case-blind strings without letters and UTF-16 strings. Other
// tests (comparisons, searches, regular expressions, computed or relative
// offsets, sub-routines) compare nothing that a signature can hold. Of the
// bytes, the run that tells the rule best is kept as MagicSignatures.h
// describes, whole as far as it lies in the header. The MIME type and the
// extensions are those of the nearest test on the path that has them.
// Named sub-routines (the tests after "name") are not rules.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TMagicRule {
  std::int64_t Offset = 0;
  std::string Bytes;                    // 1 to 51 bytes, inside the header
  bool Complete = false;                // every test of the rule is a comparison of these bytes
  int Strength = 0;                     // bytes that the rule's tests compare at fixed offsets
  std::string Mime;                     // may be empty
  std::vector<std::string> Extensions;  // ".exe": lower case, with the dot, at most 10 bytes
  std::string Description;              // the tests' messages, printable ASCII
  std::string Source;                   // "msdos:124": file name and line of the test
};

// The rules of one magic file, in the order of their tests; of rules that
// differ only in description and source, the first. name is the file's
// name, for Source. Lines that cannot be read are skipped, as file itself
// skips them.
std::vector<TMagicRule> ReadMagicRules(const std::string& name, std::string_view text);
