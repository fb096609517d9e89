#pragma once
// What the windowed demo programs (menudemo, skingallery) share: their
// command line and the picture they save of themselves.
#include <windows.h>

#include <string>
#include <vector>

// The command line's arguments after the program's path, in the ANSI code
// page.
std::vector<std::string> AnsiArguments();

// Saves the screen's pixels in area (screen coordinates) as a BMP file.
void SaveScreenArea(const RECT& area, const std::string& path);
