#pragma once
// How qvid prints what it found about a file: a tab-separated line or a JSON
// object, in UTF-8.
#include <string>
#include <string_view>

// What qvid tells about one file; all texts UTF-8.
struct TFileReport {
  std::string Path;  // as given
  std::string Name;  // the file name part of the path
  std::string Ext;
  std::string Description;
  std::string Error;  // why the file could not be examined; empty when it was
};

// "path<TAB>ext<TAB>description"; tabs and line breaks inside the texts
// become spaces, so that every file takes exactly one line.
std::string FormatTsvLine(const TFileReport& report);

// {"name":...,"path":...,"ext":...,"description":...}, or with "error" in
// place of ext and description.
std::string FormatJsonObject(const TFileReport& report);

// A JSON string literal, quotes included. Bytes that are not valid UTF-8
// become U+FFFD.
std::string JsonString(std::string_view utf8);
