#include "tools/qvid/Options.h"

const char kQvidUsage[] =
    "usage: qvid [--json | --jsonl] [-r] [--db DATABASE] [-f LIST]... [FILE...]\n"
    "\n"
    "Tells what each FILE really is: path, extension and description, tab-separated,\n"
    "or one JSON object per line with --json or --jsonl.\n"
    "  -r          examine the files inside the folders given, and inside their folders\n"
    "  -f LIST     examine the paths listed in LIST, one per line (-: standard input)\n"
    "  --db FILE   the database (default: ext.dat beside qvid)\n"
    "Exit status: 0 every file examined, 1 some could not be, 2 bad usage or no database.\n";

std::optional<TOptions> ParseOptions(const std::vector<TNativePath>& args) {
  TOptions options;
  bool optionsEnd = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const TNativePath& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (optionsEnd || arg.empty() || arg[0] != '-' || arg == PathFromAscii("-")) {
      options.Sources.push_back({false, arg});
    } else if (arg == PathFromAscii("--")) {
      optionsEnd = true;
    } else if (arg == PathFromAscii("--json") || arg == PathFromAscii("--jsonl")) {
      options.Format = TOutputFormat::JsonLines;
    } else if (arg == PathFromAscii("-r") || arg == PathFromAscii("--recursive")) {
      options.Recursive = true;
    } else if (arg == PathFromAscii("-h") || arg == PathFromAscii("--help")) {
      options.Help = true;
    } else if (arg == PathFromAscii("--db") && hasValue) {
      options.Database = args[++i];
    } else if (arg == PathFromAscii("-f") && hasValue) {
      options.Sources.push_back({true, args[++i]});
    } else {
      return std::nullopt;
    }
  }
  if (options.Sources.empty() && !options.Help) return std::nullopt;
  return options;
}
