#pragma once
// Files given on the command line (a file dragged onto the program's icon,
// "Open with") are identified at start-up as one drop of those files.
#include <string>
#include <vector>

#include "app/Unit_main.h"

// The arguments after the program's own path, as the system has them
// (UTF-16).
std::vector<std::wstring> CommandLinePaths(const wchar_t* commandLine);

// Hands the paths of the command line to the form's drop panel as one drop;
// an error is shown in the application's error box.
void OpenCommandLineFiles(TForm_main& form, const wchar_t* commandLine);
