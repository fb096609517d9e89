#pragma once
// Paths as the system gives them, so that every file can be named whatever
// characters its name holds: bytes elsewhere, UTF-16 on Windows, where the
// 8-bit code page cannot spell every name.
#include <string>
#include <string_view>

#ifdef _WIN32
using TNativePath = std::wstring;
#else
using TNativePath = std::string;
#endif

// The path for printing, in UTF-8 (elsewhere: its bytes as they are).
std::string PathToUtf8(const TNativePath& path);
// The path in the system's 8-bit code page, as the identification takes file
// names; on Windows what the code page cannot spell becomes its replacement.
std::string PathToSystemCodePage(const TNativePath& path);
// A line of a list of paths: elsewhere its bytes; on Windows UTF-8, or the
// system code page when the line is not valid UTF-8.
TNativePath PathFromListLine(std::string_view line);
// An ASCII text (an option, "-") as a path.
TNativePath PathFromAscii(std::string_view text);

// The folder of the running program, with its trailing delimiter; empty
// when the system cannot tell it.
TNativePath ProgramFolder();

// The part after the last folder delimiter.
TNativePath FileNamePart(const TNativePath& path);
// name inside folder.
TNativePath JoinPath(const TNativePath& folder, const TNativePath& name);
