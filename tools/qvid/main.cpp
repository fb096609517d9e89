// qvid: identifies files from the command line, with the verdict that the
// window shows, one file per line (or one JSON object per file).
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "filetype/ExtDatabase.h"
#include "filetype/ExtRecordSource.h"
#include "filetype/Identify.h"
#include "tools/common/Console.h"
#include "tools/qvid/VerdictFormat.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"
#include "ui/FileHandle.h"
#include "ui/FileNames.h"

namespace {

const char kUsage[] =
    "usage: qvid [--json] [--db DATABASE] FILE...\n"
    "\n"
    "Tells what each FILE really is: path, extension and description, tab-separated,\n"
    "or one JSON object per file with --json. The database is ext.dat beside qvid\n"
    "unless --db names another.\n"
    "Exit status: 0 every file examined, 1 some could not be, 2 bad usage or no database.\n";

struct TOptions {
  bool Json = false;
  std::string Database;
  std::vector<std::string> Files;
};

bool ParseOptions(int argc, char** argv, TOptions& options) {
  bool optionsEnd = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
      options.Files.push_back(arg);
    } else if (arg == "--") {
      optionsEnd = true;
    } else if (arg == "--json") {
      options.Json = true;
    } else if (arg == "--db" && i + 1 < argc) {
      options.Database = argv[++i];
    } else {
      return false;
    }
  }
  return !options.Files.empty();
}

// Why a file cannot be examined, or empty when it can be read.
std::string Unreadable(const std::string& path) {
  if (DirectoryExists(path)) return "is a folder";
  TFileHandle file;
  const int error = file.Open(path, TFileAccess::Read, TFileShare::DenyNone);
  return error ? FileErrorText(error) : std::string();
}

TFileReport Examine(const std::string& path, const TExtRecordSource& database) {
  TFileReport report;
  report.Path = SystemToUtf8(path);
  report.Name = SystemToUtf8(ExtractFileName(path));
  report.Error = Unreadable(path);
  if (!report.Error.empty()) return report;
  try {
    const TExtRecord verdict = IdentifyFile(path, database);
    // The extension comes from the file's name (system code page) unless a
    // database key replaced it; the keys that ext.dat holds are ASCII.
    report.Ext = SystemToUtf8(verdict.Ext.View());
    report.Description = GbkToUtf8(verdict.Desc.View()).Text;
  } catch (const Exception& e) {
    report.Error = GbkToUtf8(e.Message()).Text;
  } catch (const std::exception& e) {
    report.Error = e.what();
  }
  return report;
}

}  // namespace

int main(int argc, char** argv) {
  TUtf8Console console;
  TOptions options;
  if (!ParseOptions(argc, argv, options)) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  const std::string path = options.Database.empty() ? ExtDatabasePath() : options.Database;
  TExtRecordList database;
  try {
    if (DirectoryExists(path)) throw EInOutError(5);
    database = TExtRecordList::Load(path);
  } catch (const EInOutError& e) {
    std::fprintf(stderr, "qvid: database %s: %s\n", SystemToUtf8(path).c_str(), FileErrorText(e.ErrorCode()).c_str());
    return 2;
  }

  int status = 0;
  for (const std::string& file : options.Files) {
    const TFileReport report = Examine(file, database);
    if (!report.Error.empty()) status = 1;
    if (options.Json) {
      std::printf("%s\n", FormatJsonObject(report).c_str());
    } else if (report.Error.empty()) {
      std::printf("%s\n", FormatTsvLine(report).c_str());
    } else {
      std::fflush(stdout);
      std::fprintf(stderr, "qvid: %s: %s\n", report.Path.c_str(), report.Error.c_str());
    }
  }
  return status;
}
