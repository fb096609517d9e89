#include "skin/data/SkinRead.h"

#include <algorithm>

#include "skin/data/Lzh.h"
#include "ui/Bytes.h"
#include "ui/ShowMessage.h"
#include "ui/StrUtils.h"

namespace {

constexpr std::size_t kHeaderSize = 16;


}  // namespace

int SkinPackageExtraSize(std::int32_t version) {
  switch (version) {
    case 20000: return 0;
    case 30000: return 256;
    case 40000: return 80;
    case 50000: return 48;
    case 60000: return 117;
    case 70000: return 69;
    default: return -1;
  }
}

bool TSkinReader::UnpackStream(TStream& packed, TStream& target) { return TLZH().UnpackStream(packed, target); }

bool TSkinReader::ReadSkinPackage(TStream& packed) {
  TMemoryStream unpacked;
  if (!UnpackStream(packed, unpacked)) return false;
  // Every part of the directory is checked against what was unpacked
  // before anything of this reader changes.
  const std::uint8_t* bytes = unpacked.Memory();
  const auto total = static_cast<std::uint64_t>(unpacked.Size());
  if (total < kHeaderSize) return false;
  const std::int32_t version = GetLE32Signed(bytes);
  const std::int32_t namesSize = GetLE32Signed(bytes + 4);
  const int extra = SkinPackageExtraSize(version);
  if (extra < 0) {
    ShowMessage("This is Older Skin File\rPlease update to new version !");
    return false;
  }
  const std::uint64_t namesAt = kHeaderSize + static_cast<std::uint64_t>(extra);
  if (namesSize < 0 || namesAt + static_cast<std::uint64_t>(namesSize) > total) return false;

  TStringList names;
  names.SetText(AsciiLowerCase(std::string_view(reinterpret_cast<const char*>(bytes + namesAt),
                                                static_cast<std::size_t>(namesSize))));
  const int count = names.Count();
  if (count > kMaxEntries) return false;
  const std::uint64_t sizesAt = namesAt + static_cast<std::uint64_t>(namesSize);
  const std::uint64_t dataAt = sizesAt + 4 * static_cast<std::uint64_t>(count);
  if (dataAt > total) return false;
  std::array<std::int32_t, kMaxEntries> sizes{};
  std::uint64_t sum = 0;
  for (int i = 0; i < count; ++i) {
    sizes[static_cast<std::size_t>(i)] = GetLE32Signed(bytes + sizesAt + 4 * static_cast<std::uint64_t>(i));
    if (sizes[static_cast<std::size_t>(i)] < 0) return false;
    sum += static_cast<std::uint64_t>(sizes[static_cast<std::size_t>(i)]);
  }
  if (sum > total - dataAt) return false;

  FVersion = version;
  FNames.Assign(names);
  FCount = count;
  FSizes = sizes;
  FData.Clear();
  FData.WriteBuffer(bytes + dataAt, static_cast<std::size_t>(total - dataAt));
  return true;
}

void TSkinReader::CopyEntry(int index, std::int64_t offset, TMemoryStream& target) const {
  target.WriteBuffer(FData.Memory() + offset, static_cast<std::size_t>(FSizes[static_cast<std::size_t>(index)]));
  target.SetPosition(0);
}

void TSkinReader::ExtractEntry(const std::string& name, TMemoryStream& target) const {
  target.Clear();
  const std::string wanted = AsciiLowerCase(name);
  std::int64_t offset = 0;
  for (int i = 0; i < FCount; ++i) {
    if (FNames[i] == wanted) return CopyEntry(i, offset, target);
    offset += FSizes[static_cast<std::size_t>(i)];
  }
}

void TSkinReader::ExtractEntryLike(const std::string& text, TMemoryStream& target, std::string& entryName) const {
  target.Clear();
  std::int64_t offset = 0;
  for (int i = 0; i < FCount; ++i) {
    const std::string name = FNames[i];
    if (name.find(text) != std::string::npos) {
      entryName = name;
      return CopyEntry(i, offset, target);
    }
    offset += FSizes[static_cast<std::size_t>(i)];
  }
}
