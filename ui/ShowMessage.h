#pragma once
// The framework's simple message box: the text with an OK button, titled
// with the executable's file name without its extension, owned by the
// active window. Without a window system the text goes to standard error.
#include <string>

void ShowMessage(const std::string& text);
