#pragma once
// Identification over the signature database: content signatures, extension
// lookup and the text test. Each function works over any record source; the
// path-taking forms read the database file at that path afresh (a missing
// file is an empty database). Errors of reading the database reach the
// caller as EInOutError.
#include <string>
#include <string_view>

#include "filetype/ExtRecord.h"
#include "filetype/ExtRecordSource.h"

// The group record text written when the file's extension is not listed in
// the group, and when it is listed but the database has no record for it.
inline constexpr std::string_view kGroupMembersPrefix = "该文件属于以下文件:";
inline constexpr std::string_view kGroupMemberUndefined = "该类文件还没有定义";

// Finds the first record whose signature lies at its position in the header
// and copies it into verdict. A group record (key starting with "*") is then
// refined by the file's extension ext. On a miss verdict.Ext is " ",
// SignLen 0, and Desc stays as the caller supplied it. Records whose
// signature reaches outside the header or the 11 signature bytes never match.
void MatchSignature(const TExtRecordSource& database, std::string_view ext, const TFileHeader& header,
                    TExtRecord& verdict);
void MatchSignature(const std::string& databasePath, std::string_view ext, const TFileHeader& header,
                    TExtRecord& verdict);

// Finds the record that describes ext (lower-cased): a record keyed by it,
// else the last record whose description mentions it. On a miss result.Ext
// is empty, SignLen 0, and Desc stays as the caller supplied it.
void LookupExtension(const TExtRecordSource& database, std::string_view ext, TExtRecord& result);
void LookupExtension(const std::string& databasePath, std::string_view ext, TExtRecord& result);

// Text when none of the 51 header bytes is below 9 (tab).
bool IsTextHeader(const TFileHeader& header);
