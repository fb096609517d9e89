// The program: creates the main form, identifies the files given on the
// command line and runs the message loop until the main form is closed;
// then frees the forms and, after them, the skin manager.
#include <windows.h>

#include "app/CommandLine.h"
#include "app/Unit_main.h"
#include "skin/window/SkinManage.h"
#include "ui/Application.h"

namespace {

int RunProgram() {
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

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const int status = RunProgram();
  // The forms go first: their windows let go of the skin. The skin manager
  // goes after them, not at some point of the static objects' destruction.
  Application().DestroyComponents();
  Form_main = nullptr;
  DestroySkinManager();
  return status;
}
