#include "tools/extdat/Signature.h"

bool HasSignature(const TExtRecord& record) { return record.SignLen > 0; }

bool SignatureInBounds(const TExtRecord& record) {
  return record.HeadOffset >= 0 && record.SignLen <= static_cast<int>(kSignCapacity) &&
         record.HeadOffset <= static_cast<int>(kFileHeaderSize) - record.SignLen;
}

bool Covers(const TExtRecord& general, const TExtRecord& specific) {
  if (!HasSignature(general) || !HasSignature(specific)) return false;
  if (!SignatureInBounds(general) || !SignatureInBounds(specific)) return false;
  // general's bytes must lie within specific's and agree with them there.
  const int shift = general.HeadOffset - specific.HeadOffset;
  if (shift < 0 || shift + general.SignLen > specific.SignLen) return false;
  for (int i = 0; i < general.SignLen; ++i) {
    if (general.Sign[static_cast<std::size_t>(i)] != specific.Sign[static_cast<std::size_t>(shift + i)]) {
      return false;
    }
  }
  return true;
}
