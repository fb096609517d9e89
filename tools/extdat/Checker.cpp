#include "tools/extdat/Checker.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include "tools/extdat/Signature.h"
#include "ui/CodePage.h"
#include "ui/StrUtils.h"

namespace {

bool IsGroup(const TExtRecord& r) { return !r.Ext.Empty() && r.Ext.View()[0] == '*'; }

std::string Name(const std::vector<TExtRecord>& records, std::size_t i) {
  return "record " + std::to_string(i + 1) + " (" + GbkToUtf8(records[i].Ext.View()).Text + ")";
}

// The extension lookup answers for a key with the first record of that key
// that has a signature, or else with the last one. A record without
// signature that it never answers with, and that says something else, is
// lost.
void CheckKeys(const std::vector<TExtRecord>& records, TCheckReport& report) {
  std::map<std::string, std::size_t> answer;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const auto [at, added] = answer.emplace(records[i].Ext.Str(), i);
    if (!added && !HasSignature(records[at->second])) at->second = i;
  }
  for (std::size_t i = 0; i < records.size(); ++i) {
    if (HasSignature(records[i])) continue;
    const std::size_t winner = answer[records[i].Ext.Str()];
    if (winner != i && records[winner].Desc.View() != records[i].Desc.View()) {
      report.Problems.push_back(Name(records, i) + ": duplicate key; the extension lookup answers with " +
                                Name(records, winner) + " and never with this description");
    }
  }
}

}  // namespace

TCheckReport CheckExtDat(const TExtDatContents& contents, const std::vector<std::string>& expected) {
  const std::vector<TExtRecord>& records = contents.Records;
  TCheckReport report;
  report.Records = records.size();
  std::map<std::string, std::size_t> firstWithKey;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const TExtRecord& r = records[i];
    auto problem = [&](const std::string& text) { report.Problems.push_back(Name(records, i) + ": " + text); };
    if (r.Ext.Length > 10) problem("key length " + std::to_string(r.Ext.Length) + " is more than 10");
    if (r.Desc.Length > 250) problem("description length " + std::to_string(r.Desc.Length) + " is more than 250");
    if (AsciiLowerCase(r.Ext.View()) != r.Ext.View()) problem("key is not lower case");
    if (!IsExactGbk(r.Ext.View())) problem("key is not valid GBK text");
    if (!IsExactGbk(r.Desc.View())) problem("description is not valid GBK text");
    if (IsBlank(r.Desc.View())) {
      problem("description is empty");
    } else if (HasDoubleByteChar(r.Desc.View())) {
      ++report.ChineseDescriptions;
    } else {
      problem("description has no Chinese text");
    }

    if (!HasSignature(r)) continue;
    ++report.Signatures;
    if (!SignatureInBounds(r)) {
      problem("signature of " + std::to_string(r.SignLen) + " bytes at offset " + std::to_string(r.HeadOffset) +
              " lies outside the 51-byte header or the 11-byte field");
      continue;
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (!Covers(records[j], r)) continue;
      if (Covers(r, records[j]) && !IsGroup(r) && !IsGroup(records[j]) &&
          records[j].Desc.View() != r.Desc.View()) {
        problem("shares its signature with " + Name(records, j) +
                ", which says something else: a group record should hold the two");
      } else {
        problem("signature can never match first: " + Name(records, j) + " matches every such header before it");
      }
      break;
    }
  }
  CheckKeys(records, report);
  for (const std::string& ext : expected) {
    const std::string key = Utf8ToGbk(ext).Text;
    const auto knows = [&](const TExtRecord& r) {
      return key.size() <= 10 ? r.Ext.View() == key : r.Desc.View().find(key) != std::string_view::npos;
    };
    if (std::none_of(records.begin(), records.end(), knows)) {
      report.Problems.push_back("common extension " + ext + " has no record");
    }
  }
  if (contents.TrailingBytes) {
    report.Problems.push_back(std::to_string(contents.TrailingBytes) + " bytes after the last whole record");
  }
  return report;
}

std::vector<std::string> ParseExtensionList(std::string_view text) {
  std::vector<std::string> extensions;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    line = line.substr(0, line.find('#'));
    while (!line.empty()) {
      const std::size_t start = line.find_first_not_of(" \t\r");
      if (start == std::string_view::npos) break;
      line.remove_prefix(start);
      const std::string ext(line.substr(0, line.find_first_of(" \t\r")));
      line.remove_prefix(ext.size());
      if (ext.size() < 2 || ext[0] != '.' || AsciiLowerCase(ext) != ext) {
        throw std::invalid_argument("\"" + ext + "\" is not a lower-case extension with its dot");
      }
      extensions.push_back(ext);
    }
  }
  return extensions;
}
