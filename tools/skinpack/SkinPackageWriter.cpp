#include "tools/skinpack/SkinPackageWriter.h"

#include <set>

#include "skin/data/SkinRead.h"
#include "ui/Bytes.h"
#include "ui/Exception.h"
#include "ui/StrUtils.h"

namespace {

void CheckEntries(const std::vector<TSkinEntry>& entries) {
  if (entries.size() > static_cast<std::size_t>(TSkinReader::kMaxEntries)) {
    throw Exception("a skin package holds at most " + std::to_string(TSkinReader::kMaxEntries) + " entries, not " +
                    std::to_string(entries.size()));
  }
  std::set<std::string> seen;
  for (const TSkinEntry& entry : entries) {
    if (entry.Name.empty()) throw Exception("an entry has no name");
    if (entry.Name.find_first_of(std::string("\r\n\0", 3)) != std::string::npos) {
      throw Exception("the entry name \"" + entry.Name + "\" contains a line end or a zero byte");
    }
    if (!seen.insert(AsciiLowerCase(entry.Name)).second) {
      throw Exception("two entries are named \"" + entry.Name + "\" but for letter case; only the first could be read");
    }
  }
}

}  // namespace

std::vector<std::uint8_t> WriteSkinPackage(const std::vector<TSkinEntry>& entries, std::int32_t version) {
  const int extra = SkinPackageExtraSize(version);
  if (extra < 0) throw Exception("unknown skin package version " + std::to_string(version));
  CheckEntries(entries);

  std::string names;
  std::uint64_t total = 16 + static_cast<std::uint64_t>(extra);
  for (const TSkinEntry& entry : entries) {
    names += entry.Name + "\r\n";
    total += 4 + entry.Data.size();
  }
  total += names.size();
  // Sizes are signed 32-bit in the package.
  if (total > 0x7FFFFFFF) throw Exception("the skin package would be 2 GiB or larger");

  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(total));
  AppendLE32(out, static_cast<std::uint32_t>(version));
  AppendLE32(out, static_cast<std::uint32_t>(names.size()));
  AppendLE32(out, 0);
  AppendLE32(out, 0);
  out.resize(out.size() + static_cast<std::size_t>(extra), 0);
  out.insert(out.end(), names.begin(), names.end());
  for (const TSkinEntry& entry : entries) AppendLE32(out, static_cast<std::uint32_t>(entry.Data.size()));
  for (const TSkinEntry& entry : entries) out.insert(out.end(), entry.Data.begin(), entry.Data.end());
  return out;
}
