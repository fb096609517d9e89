// extdat: builds, lists, checks and searches the signature database ext.dat.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "tools/common/Console.h"
#include "tools/extdat/Checker.h"
#include "tools/extdat/DatFile.h"
#include "tools/extdat/Generator.h"
#include "tools/extdat/MagicSource.h"
#include "tools/extdat/MagicTable.h"
#include "tools/extdat/MimeInfo.h"
#include "tools/extdat/Table.h"
#include "tools/extdat/XmlReader.h"
#include "ui/CodePage.h"
#include "ui/Stream.h"
#include "ui/StrUtils.h"

namespace {

const char kUsage[] =
    "usage: extdat build OUTPUT [--xml FREEDESKTOP.XML] [--magic MAGIC.TSV] [--names NAMES.TSV]\n"
    "                           [--table TABLE.TSV]... [--unnamed]\n"
    "       extdat magic FILE-SOURCE-DIR MAGIC.TSV\n"
    "       extdat dump DATABASE\n"
    "       extdat check DATABASE [--extensions LIST]\n"
    "       extdat find DATABASE EXT\n"
    "\n"
    "build   writes ext.dat from a shared MIME-info database, file's magic rules and maintainers' tables\n"
    "magic   derives the magic rules from the source of file (magic/Magdir, COPYING, debian/changelog)\n"
    "dump    prints every record as a table line: key, offset, signature in hex, description\n"
    "check   reports records that would misbehave and common Windows extensions without a record\n"
    "        (those of LIST instead, when given); exit status 1 when there are any\n"
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
  TMagicSource magic;
  std::vector<TTableRow> table;
  bool sources = false;
  std::vector<std::string> options(args.begin() + 1, args.end());
  const bool listUnnamed = std::erase(options, "--unnamed") > 0;
  for (std::size_t i = 0; i < options.size(); i += 2) {
    const std::string& option = options[i];
    if (i + 1 == options.size() ||
        (option != "--xml" && option != "--magic" && option != "--names" && option != "--table")) {
      throw TFailure{"build: expected --xml, --magic, --names or --table FILE, found \"" + SystemToUtf8(option) + "\""};
    }
    const std::string& path = options[i + 1];
    const std::string text = ReadTextFile(path);
    try {
      if (option == "--xml") {
        std::vector<TMimeType> more = ReadMimeInfo(*ParseXml(text));
        types.insert(types.end(), more.begin(), more.end());
      } else if (option == "--magic") {
        std::vector<TMagicRule> more = ParseMagicTable(text);
        magic.Rules.insert(magic.Rules.end(), more.begin(), more.end());
      } else if (option == "--names") {
        magic.Names.merge(ParseMagicNames(text));
      } else {
        std::vector<TTableRow> more = ParseTable(text);
        table.insert(table.end(), more.begin(), more.end());
      }
    } catch (const std::runtime_error& e) {
      throw TFailure{SystemToUtf8(path) + ": " + e.what()};
    }
    sources = true;
  }
  if (!sources) throw TFailure{"build: give --xml, --magic or --table"};

  const TGenerated generated = GenerateRecords(types, magic, table);
  const std::vector<TExtRecord>& records = generated.Records;
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
  if (!generated.Unnamed.empty()) {
    std::printf("%zu type%s of file's magic left out, since no Chinese name names them%s\n",
                generated.Unnamed.size(), generated.Unnamed.size() == 1 ? "" : "s",
                listUnnamed ? ":" : " (--unnamed lists them)");
  }
  if (listUnnamed) {
    for (const TUnnamedMagicType& u : generated.Unnamed) {
      std::string extensions;
      for (const std::string& ext : u.Extensions) extensions += (extensions.empty() ? "" : " ") + ext;
      std::printf("%s\t%s\t%s\n", u.Name.c_str(), extensions.c_str(), u.Description.c_str());
    }
  }
  return 0;
}

// Derives the table of file's magic rules from file's source: the licence
// (COPYING), the Debian version (the first line of debian/changelog) and the
// magic files (magic/Magdir, in the byte order of their names).
int Magic(const std::string& sourceDir, const std::string& output) {
  namespace fs = std::filesystem;
  const fs::path root(sourceDir);
  const std::string copying = ReadTextFile((root / "COPYING").string());
  const std::string changelog = ReadTextFile((root / "debian" / "changelog").string());
  const std::size_t open = changelog.find('(');
  const std::size_t close = changelog.find(')');
  if (open == std::string::npos || close == std::string::npos || close < open || close > changelog.find('\n')) {
    throw TFailure{"magic: debian/changelog does not begin with \"file (VERSION)\""};
  }
  const std::string version = changelog.substr(open + 1, close - open - 1);
  std::vector<std::string> names;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(root / "magic" / "Magdir", error)) {
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  }
  if (error || names.empty()) throw TFailure{"magic: " + SystemToUtf8(sourceDir) + "/magic/Magdir has no magic files"};
  std::sort(names.begin(), names.end());
  std::vector<TMagicRule> rules;
  for (const std::string& name : names) {
    std::vector<TMagicRule> more = ReadMagicRules(name, ReadTextFile((root / "magic" / "Magdir" / name).string()));
    rules.insert(rules.end(), more.begin(), more.end());
  }
  const std::string text = MagicTableText(copying, version, rules);
  try {
    TFileStream file(output);
    file.WriteBuffer(text.data(), text.size());
  } catch (const EFOpenError& e) {
    throw TFailure{SystemToUtf8(output) + ": cannot write (" + FileErrorText(e.ErrorCode()) + ")"};
  } catch (const Exception&) {
    throw TFailure{SystemToUtf8(output) + ": cannot write"};
  }
  std::printf("%s: %zu rules from %zu magic files of file %s\n", SystemToUtf8(output).c_str(), rules.size(),
              names.size(), version.c_str());
  return 0;
}

int Dump(const std::string& path) {
  for (const TExtRecord& r : ReadDatabase(path).Records) std::printf("%s\n", FormatTableRow(r).c_str());
  return 0;
}

int Check(const std::string& path, const std::string* listPath) {
  std::vector<std::string> expected;
  const std::string list = listPath ? ReadTextFile(*listPath) : std::string(kWindowsExtensions);
  try {
    expected = ParseExtensionList(list);
  } catch (const std::invalid_argument& e) {
    throw TFailure{(listPath ? SystemToUtf8(*listPath) : std::string("the built-in list")) + ": " + e.what()};
  }
  const TCheckReport report = CheckExtDat(ReadDatabase(path), expected);
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
  if (command == "magic" && rest.size() == 2) return Magic(rest[0], rest[1]);
  if (command == "dump" && rest.size() == 1) return Dump(rest[0]);
  if (command == "check" && rest.size() == 1) return Check(rest[0], nullptr);
  if (command == "check" && rest.size() == 3 && rest[1] == "--extensions") return Check(rest[0], &rest[2]);
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
