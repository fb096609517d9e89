#include "app/CommandLine.h"

#include <windows.h>
#include <shellapi.h>

#include "ui/Application.h"

namespace {

// The argument array of CommandLineToArgvW, freed by the destructor.
class TArgv {
 public:
  explicit TArgv(const wchar_t* commandLine) : FArgs(CommandLineToArgvW(commandLine, &FCount)) {}
  ~TArgv() {
    if (FArgs) LocalFree(FArgs);
  }
  TArgv(const TArgv&) = delete;
  TArgv& operator=(const TArgv&) = delete;
  int Count() const { return FArgs ? FCount : 0; }
  const wchar_t* operator[](int index) const { return FArgs[index]; }

 private:
  int FCount = 0;
  LPWSTR* FArgs;
};

}  // namespace

std::vector<std::wstring> CommandLinePaths(const wchar_t* commandLine) {
  std::vector<std::wstring> paths;
  // An empty command line would give the program's own path as argument 0.
  if (!commandLine || !*commandLine) return paths;
  const TArgv args(commandLine);
  for (int i = 1; i < args.Count(); ++i) paths.emplace_back(args[i]);
  return paths;
}

void OpenCommandLineFiles(TForm_main& form, const wchar_t* commandLine) {
  try {
    const std::vector<std::wstring> paths = CommandLinePaths(commandLine);
    if (!paths.empty()) form.AIFileDropPan1->DropPaths(paths);
  } catch (...) {
    Application().HandleException();
  }
}
