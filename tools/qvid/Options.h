#pragma once
// qvid's command line.
#include <optional>
#include <vector>

#include "tools/qvid/NativePath.h"

extern const char kQvidUsage[];

enum class TOutputFormat { Tsv, JsonLines };

// Something to examine: a path, or a list of paths (-f).
struct TPathSource {
  bool IsList = false;
  TNativePath Path;
};

struct TOptions {
  TOutputFormat Format = TOutputFormat::Tsv;
  bool Recursive = false;
  bool Help = false;
  std::optional<TNativePath> Database;  // none: ext.dat beside qvid
  std::vector<TPathSource> Sources;  // in the order given
};

// The options of the arguments after the program's own; nothing when they
// are not a valid command line.
std::optional<TOptions> ParseOptions(const std::vector<TNativePath>& args);
