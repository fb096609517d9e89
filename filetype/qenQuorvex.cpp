#include "filetype/qenQuorvex.h"

#include <algorithm>
#include <cstdint>

#include "ui/StrUtils.h"

namespace {

// A group match: ext listed in the group's description is looked up for its
// own key and description; otherwise the description names the group.
void RefineGroupMatch(const TExtRecordSource& database, const std::string& ext, TExtRecord& verdict) {
  if (DescMentions(verdict, ext)) {
    TExtRecord member;
    LookupExtension(database, ext, member);
    if (!member.Ext.Empty()) {
      verdict.Ext = member.Ext;
      verdict.Desc = member.Desc;
    } else {
      verdict.Ext.Assign(CutExt(ext));
      verdict.Desc.Assign(kGroupMemberUndefined);
    }
  } else {
    verdict.Desc.Assign(std::string(kGroupMembersPrefix) + verdict.Ext.Str() + verdict.Desc.Str());
    verdict.Ext.Assign(CutExt(ext));
  }
}

}  // namespace

void MatchSignature(const TExtRecordSource& database, std::string_view ext, const TFileHeader& header,
                    TExtRecord& verdict) {
  const std::string lowerExt = AsciiLowerCase(ext);
  verdict.Ext.Assign(" ");
  verdict.SignLen = 0;
  database.FindSignature(header, verdict);
  // The key's first byte, whatever its stored length says.
  if (verdict.Ext.Chars[0] == '*') RefineGroupMatch(database, lowerExt, verdict);
}

void MatchSignature(const std::string& databasePath, std::string_view ext, const TFileHeader& header,
                    TExtRecord& verdict) {
  MatchSignature(TExtDatabaseFile(databasePath), ext, header, verdict);
}

void LookupExtension(const TExtRecordSource& database, std::string_view ext, TExtRecord& result) {
  const std::string lowerExt = AsciiLowerCase(ext);
  result.Ext.Assign("");
  result.SignLen = 0;
  // Candidates count as found when their key is not empty.
  const auto [exact, listed] = database.FindExtension(lowerExt);
  if (!exact.Ext.Empty()) result = exact;
  if (!listed.Ext.Empty()) {
    if (!exact.Ext.Empty()) {
      // The exact key and description with the listed record's signature.
      result.HeadOffset = listed.HeadOffset;
      result.SignLen = listed.SignLen;
      const auto length = std::clamp<std::int32_t>(listed.SignLen, 0, std::int32_t(kSignCapacity));
      std::copy_n(listed.Sign.begin(), length, result.Sign.begin());
    } else {
      result = listed;
      result.Ext.Assign(CutExt(lowerExt));
    }
  }
}

void LookupExtension(const std::string& databasePath, std::string_view ext, TExtRecord& result) {
  LookupExtension(TExtDatabaseFile(databasePath), ext, result);
}

bool IsTextHeader(const TFileHeader& header) {
  return std::none_of(header.begin(), header.end(), [](std::uint8_t byte) { return byte < 9; });
}
