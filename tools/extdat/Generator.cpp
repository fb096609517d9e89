#include "tools/extdat/Generator.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "tools/extdat/MagicSignatures.h"
#include "tools/extdat/Signature.h"
#include "ui/CodePage.h"
#include "ui/StrUtils.h"

namespace {

constexpr std::size_t kKeyMax = 10;
constexpr std::size_t kDescMax = 250;
constexpr int kWeakPriority = 50;

// ---------------------------------------------------------------------------
// Types

struct TTypeInfo {
  std::string Desc;               // GBK
  std::vector<std::string> Keys;  // GBK, at most 10 bytes each
  std::vector<int> Weights;       // glob weight of each key
  std::vector<int> Parents;
  std::vector<int> SubClasses;
  bool IsText = false;  // text/..., or a sub-class of text/plain
  bool HasSignature = false;
};

// A signature must tell its type from others: at least 2 bytes other than
// zero (zeros pad every short file) or, in a signature of 4 bytes or more,
// one (an icon's 00 00 01 00); at least 4 bytes from a rule the source marks
// as weak. Weak rules of text types are left out altogether: the text test
// and the extension tell such files better than a common opening word
// ("function", "<?xml").
bool Distinctive(const TSignatureCandidate& c, const std::vector<TTypeInfo>& infos) {
  const std::string& bytes = c.Bytes;
  const std::size_t nonZero = NonZeroBytes(bytes);
  if (nonZero == 0 || bytes.size() < 2 || (nonZero == 1 && bytes.size() < 4)) return false;
  const bool weak = c.Priority < kWeakPriority;
  if (weak && (bytes.size() < 4 || infos[static_cast<std::size_t>(c.Type)].IsText)) return false;
  return true;
}

bool IsTextType(std::size_t type, const std::vector<TMimeType>& types, const std::vector<TTypeInfo>& infos,
                std::set<std::size_t>& seen) {
  if (!seen.insert(type).second) return false;
  if (types[type].Name.compare(0, 5, "text/") == 0) return true;
  for (const int parent : infos[type].Parents) {
    if (IsTextType(static_cast<std::size_t>(parent), types, infos, seen)) return true;
  }
  return false;
}

std::string NormalizeSpace(std::string_view text) {
  std::string out;
  for (const char c : text) {
    const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
    if (!space) {
      out += c;
    } else if (!out.empty() && out.back() != ' ') {
      out += ' ';
    }
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string TypeDescription(const TMimeType& type, const std::vector<std::string>& longExtensions) {
  TConversion desc = Utf8ToGbk(NormalizeSpace(type.CommentZh));
  if (type.CommentZh.empty() || !desc.Exact) desc = Utf8ToGbk(NormalizeSpace(type.Comment));
  for (const std::string& ext : longExtensions) desc.Text += "（" + ext + "）";
  return std::string(CutGbk(desc.Text, kDescMax));
}

std::vector<TTypeInfo> DescribeTypes(const std::vector<TMimeType>& types) {
  std::vector<TTypeInfo> infos(types.size());
  std::map<std::string, int> byName;
  for (std::size_t t = 0; t < types.size(); ++t) {
    byName.emplace(types[t].Name, static_cast<int>(t));
    for (const std::string& alias : types[t].Aliases) byName.emplace(alias, static_cast<int>(t));
  }
  for (std::size_t t = 0; t < types.size(); ++t) {
    std::vector<std::string> longExtensions;
    for (const TGlobExtension& glob : types[t].Extensions) {
      const TConversion key = Utf8ToGbk(glob.Ext);
      if (!key.Exact) continue;
      if (key.Text.size() > kKeyMax) {
        longExtensions.push_back(key.Text);
      } else {
        infos[t].Keys.push_back(key.Text);
        infos[t].Weights.push_back(glob.Weight);
      }
    }
    infos[t].Desc = TypeDescription(types[t], longExtensions);
    for (const std::string& parent : types[t].SubClassOf) {
      const auto found = byName.find(parent);
      if (found != byName.end() && found->second != static_cast<int>(t)) {
        infos[static_cast<std::size_t>(found->second)].SubClasses.push_back(static_cast<int>(t));
        infos[t].Parents.push_back(found->second);
      }
    }
  }
  for (std::size_t t = 0; t < types.size(); ++t) {
    std::set<std::size_t> seen;
    infos[t].IsText = IsTextType(t, types, infos, seen);
  }
  return infos;
}

// ---------------------------------------------------------------------------
// Records

// Types that share one signature: those whose magic yields it, then the
// sub-classes of theirs that have no signature of their own.
struct TSignatureGroup {
  std::int64_t Offset = 0;
  std::string Bytes;
  std::vector<int> Members;
  std::size_t Holders = 0;
  int Priority = 0;
  int Strength = 0;
};

struct TSignatureEntry {
  TExtRecord Record;
  bool FromTable = false;
  int Priority = 0;
  int Strength = 0;
  std::size_t Index = 0;
};

// Groups equal signatures. The holders come in the order of their rule's
// priority, lowest first: the most general reading of the signature (an
// executable rather than a core dump for an ELF header) names the group.
std::vector<TSignatureGroup> GroupSignatures(const std::vector<TSignatureCandidate>& candidates) {
  std::vector<TSignatureGroup> groups;
  std::vector<std::vector<std::pair<int, int>>> holders;  // priority, type
  std::map<std::pair<std::int64_t, std::string>, std::size_t> index;
  for (const TSignatureCandidate& c : candidates) {
    const auto [at, added] = index.emplace(std::make_pair(c.Offset, c.Bytes), groups.size());
    if (added) {
      groups.push_back({c.Offset, c.Bytes, {}, 0, c.Priority, c.Strength});
      holders.emplace_back();
    }
    TSignatureGroup& g = groups[at->second];
    g.Priority = std::max(g.Priority, c.Priority);
    g.Strength = std::max(g.Strength, c.Strength);
    auto& h = holders[at->second];
    const auto known = std::find_if(h.begin(), h.end(), [&](const auto& p) { return p.second == c.Type; });
    if (known == h.end()) {
      h.emplace_back(c.Priority, c.Type);
    } else {
      known->first = std::min(known->first, c.Priority);
    }
  }
  for (std::size_t i = 0; i < groups.size(); ++i) {
    std::stable_sort(holders[i].begin(), holders[i].end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [priority, type] : holders[i]) groups[i].Members.push_back(type);
    groups[i].Holders = groups[i].Members.size();
  }
  return groups;
}

void AddSubClasses(int type, const std::vector<TTypeInfo>& infos, std::set<int>& seen, TSignatureGroup& g) {
  for (const int sub : infos[static_cast<std::size_t>(type)].SubClasses) {
    if (infos[static_cast<std::size_t>(sub)].IsText || !seen.insert(sub).second) continue;
    const bool member = std::find(g.Members.begin(), g.Members.end(), sub) != g.Members.end();
    if (!infos[static_cast<std::size_t>(sub)].HasSignature && !member) g.Members.push_back(sub);
    AddSubClasses(sub, infos, seen, g);
  }
}

bool IsShortName(std::string_view name) {
  return !name.empty() && name.size() <= kKeyMax - 1 &&
         name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789") == std::string_view::npos;
}

// "*" and a short name for a group, unique among the groups: the first
// member's subtype when it is short (zip, ogg), else for a group of several
// types the first member's extension, else the subtype's letters and digits.
std::string GroupKey(const TSignatureGroup& g, const TMimeType& first, const TTypeInfo& info,
                     std::set<std::string>& used) {
  std::string_view subtype = first.Name;
  subtype.remove_prefix(std::min(subtype.size(), subtype.find('/') + 1));
  if (subtype.substr(0, 2) == "x-") subtype.remove_prefix(2);
  if (subtype.substr(0, 4) == "vnd.") subtype.remove_prefix(4);
  std::string name = AsciiLowerCase(subtype);
  if (!IsShortName(name) && g.Members.size() > 1 && !info.Keys.empty()) {
    name = info.Keys[0].substr(1);
  } else {
    std::erase_if(name, [](char c) { return !((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')); });
  }
  std::string key = "*" + std::string(CutGbk(name, kKeyMax - 1));
  for (int n = 2; used.count(key); ++n) {
    const std::string number = std::to_string(n);
    key = std::string(CutGbk("*" + name, kKeyMax - number.size())) + number;
  }
  used.insert(key);
  return key;
}

// The first member's description, then the members' extensions as far as
// they fit.
std::string GroupDescription(const TSignatureGroup& g, const std::vector<TTypeInfo>& infos) {
  std::string desc = " " + infos[static_cast<std::size_t>(g.Members[0])].Desc;
  if (g.Members.size() > 1) desc += "等";
  desc = std::string(CutGbk(desc, kDescMax));
  std::set<std::string> listed;
  for (const int member : g.Members) {
    for (const std::string& key : infos[static_cast<std::size_t>(member)].Keys) {
      if (listed.count(key)) continue;
      const std::string item = (listed.empty() ? "：" : " ") + key;
      if (desc.size() + item.size() > kDescMax) continue;
      desc += item;
      listed.insert(key);
    }
  }
  return desc;
}

TExtRecord MakeRecord(std::string_view key, std::int64_t offset, std::string_view sign, std::string_view desc) {
  TExtRecord r;
  r.Ext.Assign(key);
  r.HeadOffset = static_cast<std::int32_t>(offset);
  r.SignLen = static_cast<std::int32_t>(sign.size());
  std::copy(sign.begin(), sign.end(), r.Sign.begin());
  r.Desc.Assign(desc);
  return r;
}

std::vector<TSignatureEntry> SignatureRecords(const std::vector<TMimeType>& types, std::vector<TTypeInfo>& infos,
                                              std::map<std::string, std::vector<int>>& keyTypes) {
  std::vector<TSignatureCandidate> candidates = MagicSignatures(types);
  std::erase_if(candidates, [&](const TSignatureCandidate& c) { return !Distinctive(c, infos); });
  for (const TSignatureCandidate& c : candidates) infos[static_cast<std::size_t>(c.Type)].HasSignature = true;

  std::vector<TSignatureGroup> groups = GroupSignatures(candidates);
  std::vector<TSignatureEntry> entries;
  std::set<std::string> groupKeys;
  for (TSignatureGroup& g : groups) {
    std::set<int> seen;
    for (std::size_t i = 0; i < g.Holders; ++i) {
      // A container's signature starts the files of its sub-classes too; a
      // text type's opening words say nothing about its sub-classes.
      if (!infos[static_cast<std::size_t>(g.Members[i])].IsText) AddSubClasses(g.Members[i], infos, seen, g);
    }
    const auto first = static_cast<std::size_t>(g.Members[0]);
    const TTypeInfo& info = infos[first];
    std::string key;
    std::string desc;
    std::vector<std::string> own;  // extensions that no other type claims
    for (const std::string& k : info.Keys) {
      if (keyTypes[k].size() == 1) own.push_back(k);
    }
    if (g.Members.size() == 1 && !own.empty()) {
      key = own[0];
      desc = info.Desc;
    } else {
      key = GroupKey(g, types[first], info, groupKeys);
      desc = GroupDescription(g, infos);
    }
    entries.push_back({MakeRecord(key, g.Offset, g.Bytes, desc), false, g.Priority, g.Strength, entries.size()});
  }
  return entries;
}

// Tries signatures in order: the table's first, then by priority, length and
// strength; then moves each signature ahead of the first one that would
// hide it. Signatures that can hide each other both ways are equal, and
// equal signatures are grouped, so the result has none hidden.
std::vector<TExtRecord> OrderSignatures(std::vector<TSignatureEntry> entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const TSignatureEntry& a, const TSignatureEntry& b) {
    if (a.FromTable != b.FromTable) return a.FromTable;
    if (a.FromTable) return a.Index < b.Index;
    if (a.Priority != b.Priority) return a.Priority > b.Priority;
    if (a.Record.SignLen != b.Record.SignLen) return a.Record.SignLen > b.Record.SignLen;
    if (a.Strength != b.Strength) return a.Strength > b.Strength;
    return a.Index < b.Index;
  });
  std::vector<TExtRecord> ordered;
  for (const TSignatureEntry& e : entries) {
    const auto hider = std::find_if(ordered.begin(), ordered.end(),
                                    [&](const TExtRecord& earlier) { return Covers(earlier, e.Record); });
    ordered.insert(hider, e.Record);
  }
  return ordered;
}

// One record for every extension that no signature record is keyed with;
// an extension of several types gets their descriptions joined.
std::vector<TExtRecord> KeyedRecords(const std::vector<std::string>& keyOrder,
                                     const std::map<std::string, std::vector<int>>& keyTypes,
                                     const std::vector<TTypeInfo>& infos, const std::set<std::string>& signed_) {
  std::vector<TExtRecord> records;
  for (const std::string& key : keyOrder) {
    if (signed_.count(key)) continue;
    std::vector<std::pair<int, int>> owners;  // weight, type
    for (const int t : keyTypes.at(key)) {
      const TTypeInfo& info = infos[static_cast<std::size_t>(t)];
      const auto k = std::find(info.Keys.begin(), info.Keys.end(), key) - info.Keys.begin();
      owners.emplace_back(info.Weights[static_cast<std::size_t>(k)], t);
    }
    std::stable_sort(owners.begin(), owners.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::string desc;
    std::set<std::string> seen;
    for (const auto& [weight, t] : owners) {
      const std::string& d = infos[static_cast<std::size_t>(t)].Desc;
      if (!seen.insert(d).second) continue;
      desc += (desc.empty() ? "" : "；") + d;
    }
    records.push_back(MakeRecord(key, 0, {}, CutGbk(desc, kDescMax)));
  }
  return records;
}

}  // namespace

std::vector<TExtRecord> GenerateRecords(const std::vector<TMimeType>& types, const std::vector<TTableRow>& table) {
  std::vector<TTypeInfo> infos = DescribeTypes(types);
  std::vector<std::string> keyOrder;
  std::map<std::string, std::vector<int>> keyTypes;
  for (std::size_t t = 0; t < infos.size(); ++t) {
    for (const std::string& key : infos[t].Keys) {
      std::vector<int>& owners = keyTypes[key];
      if (owners.empty()) keyOrder.push_back(key);
      owners.push_back(static_cast<int>(t));
    }
  }

  std::vector<TSignatureEntry> signatures = SignatureRecords(types, infos, keyTypes);
  std::set<std::string> signedKeys;
  for (const TSignatureEntry& e : signatures) signedKeys.insert(e.Record.Ext.Str());
  std::vector<TExtRecord> keyed = KeyedRecords(keyOrder, keyTypes, infos, signedKeys);

  std::vector<TExtRecord> tableKeyed;
  std::set<std::string> tableSigned;
  std::size_t tableIndex = 0;
  for (const TTableRow& row : table) {
    const TExtRecord& r = row.Record;
    if (HasSignature(r)) {
      signatures.push_back({r, true, 0, 0, tableIndex++});
      tableSigned.insert(r.Ext.Str());
      continue;
    }
    bool known = false;
    for (TSignatureEntry& e : signatures) {
      if (!e.FromTable && e.Record.Ext == r.Ext) {
        e.Record.Desc = r.Desc;
        known = true;
      }
    }
    for (TExtRecord& k : keyed) {
      if (k.Ext == r.Ext) {
        k.Desc = r.Desc;
        known = true;
      }
    }
    if (!known) tableKeyed.push_back(r);
  }
  // The table's signature record answers the extension lookup for its key.
  std::erase_if(keyed, [&](const TExtRecord& k) { return tableSigned.count(k.Ext.Str()) > 0; });

  std::vector<TExtRecord> records = OrderSignatures(std::move(signatures));
  records.insert(records.end(), keyed.begin(), keyed.end());
  records.insert(records.end(), tableKeyed.begin(), tableKeyed.end());
  return records;
}
