#pragma once
// The rules of file's magic as a text table (filetype/data/magic.tsv): what
// `extdat magic` derives from the source and `extdat build --magic` reads.
// UTF-8, one rule a line, seven fields separated by tabs:
//
//   offset <TAB> bytes in hex <TAB> complete (1 or 0) <TAB> strength <TAB>
//   MIME type <TAB> extensions, space-separated <TAB> description <TAB> source
//
// e.g. "0\t4c0000000114020000000000c000000000000046\t1\t20\tapplication/x-ms-shortcut\t.lnk\tMS Windows shortcut\twindows:493".
// Lines starting with '#' (the provenance and licence at the top) and blank
// lines are ignored.
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "tools/extdat/MagicSource.h"

// The names of the types of file's magic (filetype/data/magic-names.tsv):
// UTF-8, one a line, "name <TAB> description", where name is a rule's MIME
// type or, for rules without one, its first extension (".fbx"); '#' lines
// and blank lines are ignored. Descriptions come back in GBK. ETableError
// for a malformed line, a description without GBK form or a name given twice.
std::map<std::string, std::string> ParseMagicNames(std::string_view utf8);

// Parses a table; ETableError (Table.h) for the first malformed line.
std::vector<TMagicRule> ParseMagicTable(std::string_view utf8);

// One rule as a table line, without line end.
std::string FormatMagicRule(const TMagicRule& rule);

// The whole table: first the licence of the magic descriptions (copying,
// file's COPYING, each line as a comment), then where the rules come from
// (the Debian package version) and how to make the table again, then the
// rules.
std::string MagicTableText(std::string_view copying, std::string_view version, const std::vector<TMagicRule>& rules);
