#include "tools/extdat/Generator.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "tools/extdat/MagicSignatures.h"
#include "tools/extdat/Signature.h"
#include "ui/CodePage.h"
#include "ui/StrUtils.h"

namespace {

constexpr std::size_t kKeyMax = 10;
constexpr std::size_t kDescMax = 250;
constexpr int kWeakPriority = 50;
constexpr int kMagicWeight = 40;  // extensions from file's magic and the table: lighter than MIME-info's globs

// ---------------------------------------------------------------------------
// Types

struct TTypeInfo {
  std::string Name;               // the MIME type; empty for an extension type
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
    infos[t].Name = types[t].Name;
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

// Groups equal signatures. The holders come in the order of their source
// (MIME-info's types first) and of their rule's priority, lowest first: the
// most general reading of the signature (an executable rather than a core
// dump for an ELF header) names the group.
std::vector<TSignatureGroup> GroupSignatures(const std::vector<TSignatureCandidate>& candidates) {
  std::vector<TSignatureGroup> groups;
  std::vector<std::vector<std::tuple<int, int, int>>> holders;  // source, priority, type
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
    const auto known = std::find_if(h.begin(), h.end(), [&](const auto& p) { return std::get<2>(p) == c.Type; });
    if (known == h.end()) {
      h.emplace_back(c.Source, c.Priority, c.Type);
    } else {
      *known = std::min(*known, std::make_tuple(c.Source, c.Priority, c.Type));
    }
  }
  for (std::size_t i = 0; i < groups.size(); ++i) {
    std::stable_sort(holders[i].begin(), holders[i].end(), [](const auto& a, const auto& b) {
      return std::make_pair(std::get<0>(a), std::get<1>(a)) < std::make_pair(std::get<0>(b), std::get<1>(b));
    });
    for (const auto& holder : holders[i]) groups[i].Members.push_back(std::get<2>(holder));
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
// types (or an extension type) the first member's extension, else the
// subtype's letters and digits.
std::string GroupKey(const TSignatureGroup& g, const TTypeInfo& info, std::set<std::string>& used) {
  std::string_view subtype = info.Name;
  subtype.remove_prefix(std::min(subtype.size(), subtype.find('/') + 1));
  if (subtype.substr(0, 2) == "x-") subtype.remove_prefix(2);
  if (subtype.substr(0, 4) == "vnd.") subtype.remove_prefix(4);
  std::string name = AsciiLowerCase(subtype);
  if (!IsShortName(name) && (g.Members.size() > 1 || info.Name.empty()) && !info.Keys.empty()) {
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

// head, then the members' extensions as far as they fit. Extensions that
// head lists already (after its "："), a table's group row for one, keep
// their place.
std::string GroupDescription(std::string head, const TSignatureGroup& g, const std::vector<TTypeInfo>& infos) {
  std::string desc = std::string(CutGbk(head, kDescMax));
  std::set<std::string> listed;
  const std::size_t colon = desc.rfind("：");
  if (colon != std::string::npos) {
    std::string_view rest = std::string_view(desc).substr(colon + std::string_view("：").size());
    while (!rest.empty()) {
      const std::size_t end = std::min(rest.find(' '), rest.size());
      if (end > 0 && rest[0] == '.') listed.insert(std::string(rest.substr(0, end)));
      rest.remove_prefix(std::min(end + 1, rest.size()));
    }
  }
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

// What the sources say about the types, while the records are made: the
// MIME-info types first, then the types that file's magic rules and the
// table's rows add.
struct TSources {
  std::size_t MimeTypes = 0;  // Infos[0, MimeTypes) are MIME-info's
  std::vector<TTypeInfo> Infos;
  std::map<std::string, int> ByName;                 // MIME types and aliases, then magic types
  std::map<std::string, std::vector<int>> KeyTypes;  // extension: the types that claim it
  std::vector<std::string> KeyOrder;                 // extensions in the order first claimed
  std::map<std::string, std::string> Named;          // the table's description of an extension
  const std::map<std::string, std::string>* MagicNames = nullptr;
  std::vector<TUnnamedMagicType> Unnamed;

  void Claim(const std::string& key, int type) {
    std::vector<int>& owners = KeyTypes[key];
    if (owners.empty()) KeyOrder.push_back(key);
    if (std::find(owners.begin(), owners.end(), type) != owners.end()) return;
    owners.push_back(type);
    TTypeInfo& info = Infos[static_cast<std::size_t>(type)];
    if (std::find(info.Keys.begin(), info.Keys.end(), key) == info.Keys.end()) {
      info.Keys.push_back(key);
      info.Weights.push_back(kMagicWeight);
    }
  }

  bool ClaimedByMimeInfo(const std::string& key) const {
    const auto claimed = KeyTypes.find(key);
    return claimed != KeyTypes.end() && static_cast<std::size_t>(claimed->second.front()) < MimeTypes;
  }

  int AddType(std::string name, std::string desc) {
    TTypeInfo info;
    info.Name = std::move(name);
    info.Desc = std::move(desc);
    Infos.push_back(std::move(info));
    return static_cast<int>(Infos.size() - 1);
  }

  // The type of a magic rule: the MIME-info type of its MIME type (whose
  // extensions MIME-info alone gives), else the rule's own type (one for
  // each MIME type, or for each first extension of rules without one) when
  // the names table names it; -1 when not. The extensions of an own type are
  // those of its rules that MIME-info does not claim: where MIME-info claims
  // one, it may well be for another format.
  int MagicType(const TMagicRule& rule) {
    const std::string name = !rule.Mime.empty() ? rule.Mime : rule.Extensions.empty() ? "" : rule.Extensions[0];
    auto known = ByName.find(name);
    if (known == ByName.end()) {
      const auto named = MagicNames->find(name);
      if (named == MagicNames->end()) {
        const auto listed = [&](const TUnnamedMagicType& u) { return u.Name == name; };
        auto unnamed = std::find_if(Unnamed.begin(), Unnamed.end(), listed);
        if (unnamed == Unnamed.end()) unnamed = Unnamed.insert(Unnamed.end(), {name, rule.Description, {}});
        for (const std::string& ext : rule.Extensions) {
          if (std::find(unnamed->Extensions.begin(), unnamed->Extensions.end(), ext) == unnamed->Extensions.end()) {
            unnamed->Extensions.push_back(ext);
          }
        }
        return -1;
      }
      known = ByName.emplace(name, AddType(name, named->second)).first;
    }
    const int type = known->second;
    if (static_cast<std::size_t>(type) < MimeTypes) return Infos[static_cast<std::size_t>(type)].IsText ? -1 : type;
    for (const std::string& ext : rule.Extensions) {
      if (!ClaimedByMimeInfo(ext)) Claim(ext, type);
    }
    return type;
  }

  // The types that files with the extension of a table row belong to: the
  // non-text types that claim it, else the row's own type.
  std::vector<int> RowTypes(const TExtRecord& row) {
    const std::string key = row.Ext.Str();
    std::vector<int> members;
    for (const int t : KeyTypes[key]) {
      if (!Infos[static_cast<std::size_t>(t)].IsText) members.push_back(t);
    }
    if (members.empty()) {
      members.push_back(AddType("", row.Desc.Str()));
      Claim(key, members.back());
    }
    return members;
  }

  // The description that names a type: the table's for its first extension,
  // else its own.
  const std::string& Describe(int type) const {
    const TTypeInfo& info = Infos[static_cast<std::size_t>(type)];
    if (!info.Keys.empty()) {
      const auto named = Named.find(info.Keys.front());
      if (named != Named.end()) return named->second;
    }
    return info.Desc;
  }
};

// The candidates that file's magic rules give, with those that can only
// join an equal signature marked in joinsOnly. Rules of text types are left
// out.
void AddMagicCandidates(const std::vector<TMagicRule>& rules, TSources& sources,
                        std::vector<TSignatureCandidate>& candidates, std::vector<bool>& joinsOnly) {
  for (const TMagicRule& rule : rules) {
    if (rule.Mime.compare(0, 5, "text/") == 0) continue;
    const int type = sources.MagicType(rule);
    if (type < 0) continue;
    candidates.push_back({type, kWeakPriority, rule.Strength, rule.Offset, rule.Bytes, 0, 1});
    joinsOnly.push_back(!rule.Complete || rule.Bytes.size() < 4);
  }
}

bool SameSignature(const TSignatureCandidate& c, std::int64_t offset, std::string_view bytes) {
  return c.Offset == offset && c.Bytes == bytes;
}

std::string_view SignBytes(const TExtRecord& r) {
  return {reinterpret_cast<const char*>(r.Sign.data()), static_cast<std::size_t>(r.SignLen)};
}

std::vector<TSignatureEntry> SignatureRecords(const std::vector<TMimeType>& types, const std::vector<TMagicRule>& magic,
                                              const std::vector<TTableRow>& table, TSources& sources) {
  std::vector<TSignatureCandidate> candidates = MagicSignatures(types);
  std::vector<bool> joinsOnly(candidates.size(), false);
  AddMagicCandidates(magic, sources, candidates, joinsOnly);
  CutToSignatures(candidates);
  std::vector<TSignatureCandidate> kept;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (!joinsOnly[i] && Distinctive(candidates[i], sources.Infos)) kept.push_back(candidates[i]);
  }
  const std::size_t standing = kept.size();
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const TSignatureCandidate& c = candidates[i];
    const auto equal = [&](const TSignatureCandidate& k) { return SameSignature(k, c.Offset, c.Bytes); };
    if (joinsOnly[i] && std::any_of(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(standing), equal)) {
      kept.push_back(c);
    }
  }

  // The table's rows whose signature is a generated one join its group. The
  // keys of its group rows are taken.
  std::vector<TSignatureEntry> entries;
  std::map<std::pair<std::int64_t, std::string>, const TExtRecord*> groupNames;
  std::set<std::string> groupKeys;
  for (const TTableRow& row : table) {
    if (HasSignature(row.Record) && row.Record.Ext.View()[0] == '*') groupKeys.insert(row.Record.Ext.Str());
  }
  const std::size_t generated = kept.size();
  std::size_t tableIndex = 0;
  for (const TTableRow& row : table) {
    const TExtRecord& r = row.Record;
    if (!HasSignature(r)) continue;
    const std::string_view bytes = SignBytes(r);
    const auto equal = [&](const TSignatureCandidate& k) { return SameSignature(k, r.HeadOffset, bytes); };
    if (!std::any_of(kept.begin(), kept.begin() + static_cast<std::ptrdiff_t>(generated), equal)) {
      entries.push_back({r, true, 0, 0, tableIndex++});
      continue;
    }
    const std::string key = r.Ext.Str();
    if (key[0] == '*') {
      groupNames.emplace(std::make_pair(std::int64_t{r.HeadOffset}, std::string(bytes)), &r);
      continue;
    }
    for (const int type : sources.RowTypes(r)) {
      kept.push_back({type, kWeakPriority, r.SignLen, r.HeadOffset, std::string(bytes), 0, 1});
    }
  }
  for (const TSignatureCandidate& c : kept) sources.Infos[static_cast<std::size_t>(c.Type)].HasSignature = true;

  for (TSignatureGroup& g : GroupSignatures(kept)) {
    std::set<int> seen;
    for (std::size_t i = 0; i < g.Holders; ++i) {
      // A container's signature starts the files of its sub-classes too; a
      // text type's opening words say nothing about its sub-classes.
      if (!sources.Infos[static_cast<std::size_t>(g.Members[i])].IsText) {
        AddSubClasses(g.Members[i], sources.Infos, seen, g);
      }
    }
    const TTypeInfo& info = sources.Infos[static_cast<std::size_t>(g.Members[0])];
    std::vector<std::string> own;  // extensions that no other type claims
    for (const std::string& k : info.Keys) {
      if (sources.KeyTypes[k].size() == 1) own.push_back(k);
    }
    std::string key;
    std::string desc;
    const auto name = groupNames.find({g.Offset, g.Bytes});
    if (name != groupNames.end()) {
      key = name->second->Ext.Str();
      desc = GroupDescription(name->second->Desc.Str(), g, sources.Infos);
    } else if (g.Members.size() == 1 && !own.empty()) {
      key = own[0];
      desc = info.Desc;
    } else {
      key = GroupKey(g, info, groupKeys);
      desc = GroupDescription(" " + sources.Describe(g.Members[0]) + (g.Members.size() > 1 ? "等" : ""), g,
                              sources.Infos);
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

TGenerated GenerateRecords(const std::vector<TMimeType>& types, const TMagicSource& magic,
                           const std::vector<TTableRow>& table) {
  TSources sources;
  sources.Infos = DescribeTypes(types);
  sources.MimeTypes = types.size();
  sources.MagicNames = &magic.Names;
  for (std::size_t t = 0; t < types.size(); ++t) {
    sources.ByName.emplace(types[t].Name, static_cast<int>(t));
    for (const std::string& alias : types[t].Aliases) sources.ByName.emplace(alias, static_cast<int>(t));
    for (const std::string& key : sources.Infos[t].Keys) {
      std::vector<int>& owners = sources.KeyTypes[key];
      if (owners.empty()) sources.KeyOrder.push_back(key);
      owners.push_back(static_cast<int>(t));
    }
  }
  // Rows without signature name their extension first, then rows with one.
  for (const bool signature : {false, true}) {
    for (const TTableRow& row : table) {
      const TExtRecord& r = row.Record;
      if (HasSignature(r) == signature && r.Ext.View()[0] != '*') sources.Named.emplace(r.Ext.Str(), r.Desc.Str());
    }
  }

  std::vector<TSignatureEntry> signatures = SignatureRecords(types, magic.Rules, table, sources);
  std::set<std::string> signedKeys;
  for (const TSignatureEntry& e : signatures) signedKeys.insert(e.Record.Ext.Str());
  std::vector<TExtRecord> keyed = KeyedRecords(sources.KeyOrder, sources.KeyTypes, sources.Infos, signedKeys);

  std::vector<TExtRecord> tableKeyed;
  std::set<std::string> tableSigned;
  for (const TSignatureEntry& e : signatures) {
    if (e.FromTable) tableSigned.insert(e.Record.Ext.Str());
  }
  for (const TTableRow& row : table) {
    const TExtRecord& r = row.Record;
    if (HasSignature(r)) continue;
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

  TGenerated result;
  result.Records = OrderSignatures(std::move(signatures));
  result.Records.insert(result.Records.end(), keyed.begin(), keyed.end());
  result.Records.insert(result.Records.end(), tableKeyed.begin(), tableKeyed.end());
  result.Unnamed = std::move(sources.Unnamed);
  return result;
}
