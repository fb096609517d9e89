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

std::string ToSystemCodePage(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string converted(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, converted.data(), size, nullptr, nullptr);
  converted.resize(static_cast<std::size_t>(size) - 1);
  return converted;
}

}  // namespace

TStringList CommandLinePaths(const wchar_t* commandLine) {
  TStringList paths;
  // An empty command line would give the program's own path as argument 0.
  if (!commandLine || !*commandLine) return paths;
  const TArgv args(commandLine);
  for (int i = 1; i < args.Count(); ++i) paths.Add(ToSystemCodePage(args[i]));
  return paths;
}

void OpenCommandLineFiles(TForm_main& form, const wchar_t* commandLine) {
  try {
    const TStringList paths = CommandLinePaths(commandLine);
    if (paths.Count() > 0) form.AIFileDropPan1DragFile(form.AIFileDropPan1, &paths);
  } catch (...) {
    Application().HandleException();
  }
}
