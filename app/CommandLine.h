#pragma once
// Files given on the command line (a file dragged onto the program's icon,
// "Open with") are identified at start-up as one drop of those files.
#include "app/Unit_main.h"
#include "ui/Strings.h"

// The arguments after the program's own path, in the system code page.
TStringList CommandLinePaths(const wchar_t* commandLine);

// Hands the paths of the command line to the form as one drop; an error is
// shown in the application's error box.
void OpenCommandLineFiles(TForm_main& form, const wchar_t* commandLine);
