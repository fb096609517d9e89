#pragma once
// Read-only registry access for the type descriptions of extensions. Nothing
// here raises: every failure reads as an empty string.
#include <string>

// Reads the string value valueName (empty: the key's default value) of the
// key keyPath under the root named rootName: "HKEY_USERS" and
// "HKEY_CURRENT_USER" as written, "HKEY_LOCAL_MACHINE" and
// "HKEY_CLASSES_ROOT" in any letter case. String and expandable-string
// values are taken up to their first zero, unexpanded. Returns true when a
// value was read; value is empty otherwise.
bool ReadRegString(const std::string& rootName, const std::string& keyPath, const std::string& valueName,
                   std::string& value) noexcept;

// The default value of HKEY_CLASSES_ROOT\<ext without its first character>file
// (for ".txt": txtfile); when ext holds no dot, <ext>file. Empty when there
// is none.
std::string GetRegTypeDesc(const std::string& ext);
