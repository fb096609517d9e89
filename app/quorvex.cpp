// The program: creates the main form, identifies the files given on the
// command line and runs the message loop until the main form is closed.
#include <windows.h>

#include "app/CommandLine.h"
#include "app/Unit_main.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application().CreateForm(Form_main);
  } catch (...) {
    Application().HandleException();
    return 1;
  }
  OpenCommandLineFiles(*Form_main, GetCommandLineW());
  try {
    Application().Run();
  } catch (...) {
    Application().HandleException();
    return 1;
  }
  return 0;
}
