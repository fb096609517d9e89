#include "filetype/SignatureIndex.h"

#include <algorithm>
#include <cstring>

TSignatureIndex::TSignatureIndex(const TExtRecordSource& records) {
  // The records that take part, ordered by offset and first byte; a stable
  // sort keeps file order within each group.
  std::uint32_t position = 0;
  records.Scan([&](const TExtRecord& r) {
    if (HasComparableSignature(r)) {
      FEntries.push_back(
          {position, static_cast<std::uint8_t>(r.HeadOffset), static_cast<std::uint8_t>(r.SignLen), r.Sign});
    }
    ++position;
    return true;
  });
  std::stable_sort(FEntries.begin(), FEntries.end(), [](const TEntry& a, const TEntry& b) {
    return a.Offset != b.Offset ? a.Offset < b.Offset : a.Sign[0] < b.Sign[0];
  });
  for (const TEntry& entry : FEntries) {
    if (FGroups.empty() || FGroups.back().Offset != entry.Offset) FGroups.push_back({entry.Offset, {}});
    // Counted here, summed into starting points below.
    ++FGroups.back().First[entry.Sign[0] + 1];
  }
  std::uint32_t start = 0;
  for (TOffsetGroup& group : FGroups) {
    group.First[0] = start;
    for (std::size_t b = 1; b < group.First.size(); ++b) group.First[b] += group.First[b - 1];
    start = group.First[256];
  }
}

std::ptrdiff_t TSignatureIndex::FirstMatch(const TFileHeader& header) const {
  std::uint32_t best = UINT32_MAX;
  for (const TOffsetGroup& group : FGroups) {
    const std::uint8_t* at = header.data() + group.Offset;
    const std::uint32_t end = group.First[*at + 1];
    for (std::uint32_t e = group.First[*at]; e < end; ++e) {
      const TEntry& entry = FEntries[e];
      if (entry.Record >= best) break;  // the rest of the group lies later in the file
      if (std::memcmp(entry.Sign.data(), at, entry.Length) == 0) {
        best = entry.Record;
        break;
      }
    }
  }
  return best == UINT32_MAX ? -1 : static_cast<std::ptrdiff_t>(best);
}
