// extdat: builds, lists, checks and searches the signature database ext.dat.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "tools/common/Console.h"
#include "tools/extdat/Checker.h"
#include "tools/extdat/DatFile.h"
#include "tools/extdat/Generator.h"
#include "tools/extdat/MimeInfo.h"
#include "tools/extdat/Table.h"
#include "tools/extdat/XmlReader.h"
#include "ui/CodePage.h"
#include "ui/Stream.h"
#include "ui/StrUtils.h"

namespace {

const char kUsage[] =
    "usage: extdat build OUTPUT [--xml FREEDESKTOP.XML] [--table TABLE.TSV]...\n"
    "       extdat dump DATABASE\n"
    "       extdat check DATABASE\n"
    "       extdat find DATABASE EXT\n"
    "\n"
    "build   writes ext.dat from a shared MIME-info database and maintainers' tables\n"
    "dump    prints every record as a table line: key, offset, signature in hex, description\n"
    "check   reports records that would misbehave; exit status 1 when there are any\n"
    "find    prints the records keyed EXT, then those whose description mentions it\n";

// A failure that ends the run with a message and exit status 1.
struct TFailure {
  std::string Message;
};

std::string ReadTextFile(const std::string& path) {
  try {
    TMemoryStream file;
    file.LoadFromFile(path);
    return std::string(reinterpret_cast<const char*>(file.Memory()), static_cast<std::size_t>(file.Size()));
  } catch (const EFOpenError& e) {
    throw TFailure{SystemToUtf8(path) + ": " + FileErrorText(e.ErrorCode())};
  } catch (const EStreamError&) {
    throw TFailure{SystemToUtf8(path) + ": cannot be read"};
  }
}

TExtDatContents ReadDatabase(const std::string& path) {
  try {
    return ReadExtDat(path);
  } catch (const EInOutError& e) {
    throw TFailure{SystemToUtf8(path) + ": " + FileErrorText(e.ErrorCode())};
  }
}

int Build(const std::vector<std::string>& args) {
  if (args.empty()) throw TFailure{"build: no output file given"};
  const std::string& output = args[0];
  std::vector<TMimeType> types;
  std::vector<TTableRow> table;
  bool sources = false;
  for (std::size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 == args.size() || (args[i] != "--xml" && args[i] != "--table")) {
      throw TFailure{"build: expected --xml FILE or --table FILE, found \"" + SystemToUtf8(args[i]) + "\""};
    }
    const std::string& path = args[i + 1];
    const std::string text = ReadTextFile(path);
    try {
      if (args[i] == "--xml") {
        std::vector<TMimeType> more = ReadMimeInfo(*ParseXml(text));
        types.insert(types.end(), more.begin(), more.end());
      } else {
        std::vector<TTableRow> more = ParseTable(text);
        table.insert(table.end(), more.begin(), more.end());
      }
    } catch (const std::runtime_error& e) {
      throw TFailure{SystemToUtf8(path) + ": " + e.what()};
    }
    sources = true;
  }
  if (!sources) throw TFailure{"build: give --xml or --table (or both)"};

  const std::vector<TExtRecord> records = GenerateRecords(types, table);
  try {
    WriteExtDat(output, records);
  } catch (const EFOpenError& e) {
    throw TFailure{SystemToUtf8(output) + ": cannot write (" + FileErrorText(e.ErrorCode()) + ")"};
  } catch (const Exception&) {
    throw TFailure{SystemToUtf8(output) + ": cannot write"};
  }
  std::size_t signatures = 0;
  for (const TExtRecord& r : records) signatures += r.SignLen > 0;
  std::printf("%s: %zu records, %zu with a content signature\n", SystemToUtf8(output).c_str(), records.size(),
              signatures);
  return 0;
}

int Dump(const std::string& path) {
  for (const TExtRecord& r : ReadDatabase(path).Records) std::printf("%s\n", FormatTableRow(r).c_str());
  return 0;
}

int Check(const std::string& path) {
  const TCheckReport report = CheckExtDat(ReadDatabase(path));
  for (const std::string& problem : report.Problems) std::printf("%s\n", problem.c_str());
  const double chinese = report.Records ? 100.0 * double(report.ChineseDescriptions) / double(report.Records) : 0.0;
  std::printf("%zu records, %zu with a content signature, %.1f %% of descriptions in Chinese: ", report.Records,
              report.Signatures, chinese);
  if (report.Problems.empty()) {
    std::printf("no problems\n");
    return 0;
  }
  std::printf("%zu problem%s\n", report.Problems.size(), report.Problems.size() == 1 ? "" : "s");
  return 1;
}

int Find(const std::string& path, const std::string& argument) {
  std::string ext = AsciiLowerCase(SystemToGbk(argument));
  if (ext.empty()) throw TFailure{"find: empty extension"};
  if (ext[0] != '.') ext.insert(0, ".");
  const std::vector<TExtRecord> records = ReadDatabase(path).Records;
  std::size_t found = 0;
  for (const TExtRecord& r : records) {
    if (r.Ext.View() == ext) {
      std::printf("%s\n", FormatTableRow(r).c_str());
      ++found;
    }
  }
  for (const TExtRecord& r : records) {
    if (r.Ext.View() != ext && r.Desc.View().find(ext) != std::string_view::npos) {
      std::printf("%s\n", FormatTableRow(r).c_str());
      ++found;
    }
  }
  if (found == 0) {
    std::fprintf(stderr, "extdat: no record knows %s\n", GbkToUtf8(ext).Text.c_str());
    return 1;
  }
  return 0;
}

int Run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  const std::vector<std::string> rest(args.begin() + (args.empty() ? 0 : 1), args.end());
  if (command == "build") return Build(rest);
  if (command == "dump" && rest.size() == 1) return Dump(rest[0]);
  if (command == "check" && rest.size() == 1) return Check(rest[0]);
  if (command == "find" && rest.size() == 2) return Find(rest[0], rest[1]);
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  TUtf8Console console;
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const TFailure& failure) {
    std::fprintf(stderr, "extdat: %s\n", failure.Message.c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "extdat: %s\n", e.what());
  }
  return 1;
}
