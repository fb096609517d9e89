// qvid: identifies files from the command line, with the verdict that the
// window shows, one file per line (or one JSON object per line).
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "filetype/ExtDatabaseImage.h"
#include "filetype/Identify.h"
#include "tools/common/Console.h"
#include "tools/qvid/FileProbe.h"
#include "tools/qvid/FolderWalk.h"
#include "tools/qvid/NativePath.h"
#include "tools/qvid/Options.h"
#include "tools/qvid/PathList.h"
#include "tools/qvid/VerdictFormat.h"
#include "ui/CodePage.h"
#include "ui/Exception.h"

namespace {

// One run: examines the paths it is given and prints a line for each.
class TQvid {
 public:
  TQvid(const TOptions& options, const TExtRecordSource& database) : FOptions(options), FDatabase(database) {}

  // A path given on the command line or in a list: a folder is walked with
  // -r and reported as one otherwise.
  void Examine(const TNativePath& path) {
    const TProbe probe = ProbePath(path);
    if (probe.Kind != TPathKind::Folder || !FOptions.Recursive) return Report(path, probe);
    WalkFolder(path, {[this](const TNativePath& entry, TPathKind kind) { Report(entry, ProbePath(entry, kind)); },
                      [this](const TNativePath& folder, const std::string& error) {
                        Print(ReportOn(folder, error));
                      }});
  }

  int Status() const { return FStatus; }

 private:
  // The report on path: its names, and why it could not be examined.
  static TFileReport ReportOn(const TNativePath& path, const std::string& error) {
    TFileReport report;
    report.Path = PathToUtf8(path);
    report.Name = PathToUtf8(FileNamePart(path));
    report.Error = error;
    return report;
  }

  void Report(const TNativePath& path, const TProbe& probe) {
    if (!probe.Error.empty()) return Print(ReportOn(path, probe.Error));
    TFileReport report = ReportOn(path, {});
    try {
      // The name in the system code page gives the extension; the database
      // and its keys are GBK.
      const TExtRecord verdict = IdentifyHeader(PathToSystemCodePage(FileNamePart(path)), probe.Header, FDatabase);
      report.Ext = SystemToUtf8(verdict.Ext.View());
      report.Description = GbkToUtf8(verdict.Desc.View()).Text;
    } catch (const Exception& e) {
      report.Error = GbkToUtf8(e.Message()).Text;
    } catch (const std::exception& e) {
      report.Error = e.what();
    }
    Print(report);
  }

  void Print(const TFileReport& report) {
    if (!report.Error.empty()) FStatus = 1;
    if (FOptions.Format == TOutputFormat::JsonLines) {
      std::printf("%s\n", FormatJsonObject(report).c_str());
    } else if (report.Error.empty()) {
      std::printf("%s\n", FormatTsvLine(report).c_str());
    } else {
      std::fflush(stdout);
      std::fprintf(stderr, "qvid: %s: %s\n", report.Path.c_str(), report.Error.c_str());
    }
  }

  const TOptions& FOptions;
  const TExtRecordSource& FDatabase;
  int FStatus = 0;
};

// The database, or none when it cannot be loaded (the error is shown). A
// path that is not a file is refused before it is opened, as any other.
std::unique_ptr<TExtDatabaseImage> LoadDatabase(const TNativePath& path) {
  std::string error = ProbePath(path).Error;
  if (error.empty()) {
    try {
      return std::make_unique<TExtDatabaseImage>(path);
    } catch (const EInOutError& e) {
      error = FileErrorText(e.ErrorCode());
    }
  }
  std::fprintf(stderr, "qvid: database %s: %s\n", PathToUtf8(path).c_str(), error.c_str());
  return nullptr;
}

int Run(const std::vector<TNativePath>& args) {
  const std::optional<TOptions> options = ParseOptions(args);
  if (!options) {
    std::fputs(kQvidUsage, stderr);
    return 2;
  }
  if (options->Help) {
    std::fputs(kQvidUsage, stdout);
    return 0;
  }
  const auto database = LoadDatabase(options->Database.value_or(ProgramFolder() + PathFromAscii("ext.dat")));
  if (!database) return 2;
  // Lists are opened before anything is examined: a list that cannot be
  // read is bad usage.
  std::vector<std::unique_ptr<TPathList>> lists;
  for (const TPathSource& source : options->Sources) {
    if (!source.IsList) continue;
    lists.push_back(std::make_unique<TPathList>(source.Path));
    if (!lists.back()->IsOpen()) {
      std::fprintf(stderr, "qvid: list %s: %s\n", PathToUtf8(source.Path).c_str(), lists.back()->Error().c_str());
      return 2;
    }
  }
  TQvid qvid(*options, *database);
  auto list = lists.begin();
  for (const TPathSource& source : options->Sources) {
    if (!source.IsList) {
      qvid.Examine(source.Path);
      continue;
    }
    for (TNativePath path; (*list)->Next(path);) qvid.Examine(path);
    ++list;
  }
  return qvid.Status();
}

}  // namespace

#ifdef _WIN32
// The arguments in UTF-16, as the system has them: every file can be named.
int wmain(int argc, wchar_t** argv) {
  TUtf8Console console;
  return Run(std::vector<TNativePath>(argv + 1, argv + argc));
}
#else
int main(int argc, char** argv) {
  TUtf8Console console;
  return Run(std::vector<TNativePath>(argv + 1, argv + argc));
}
#endif
