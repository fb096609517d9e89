#pragma once
// The signatures of a list of records, arranged so that matching a header
// costs a few comparisons instead of a pass over every record: grouped by
// the offset they lie at, then by their first byte. Each group keeps its
// records in file order, so the record found is the one a scan in file order
// finds first.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "filetype/ExtRecord.h"
#include "filetype/ExtRecordSource.h"

class TSignatureIndex {
 public:
  TSignatureIndex() = default;
  // Reads every record of the source once.
  explicit TSignatureIndex(const TExtRecordSource& records);

  // The position (from 0, in file order) of the first record whose signature
  // lies at its place in the header, or -1 when none does.
  std::ptrdiff_t FirstMatch(const TFileHeader& header) const;

 private:
  // A signature: its record's position, its length and its bytes.
  struct TEntry {
    std::uint32_t Record;
    std::uint8_t Offset;
    std::uint8_t Length;
    std::array<std::uint8_t, kSignCapacity> Sign;
  };
  // The signatures at one offset: those that begin with byte b are
  // FEntries[First[b]] up to FEntries[First[b + 1]], in file order.
  struct TOffsetGroup {
    std::uint8_t Offset;
    std::array<std::uint32_t, 257> First;
  };

  std::vector<TOffsetGroup> FGroups;
  std::vector<TEntry> FEntries;
};
