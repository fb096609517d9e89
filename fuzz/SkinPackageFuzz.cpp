// Fuzzes LZHUF decoding and the skin package reader, and checks that
// packing gives back what was packed. Each input is used twice:
//   1. as a packed skin: unpacked and read, every entry extracted;
//   2. as data: packed, unpacked again (it must come back unchanged) and
//      read as a package, so that the fuzzer also shapes directories
//      directly instead of through the bit stream.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "skin/data/SkinRead.h"
#include "tools/skinpack/LzhPacker.h"

namespace {

void Fail(const char* what) {
  // Standard error is closed while fuzzing (scripts/fuzz); say it on standard output.
  std::printf("fuzz_skinpackage: %s\n", what);
  std::fflush(stdout);
  std::abort();
}

void ReadPackage(const std::uint8_t* data, std::size_t size) {
  TMemoryStream packed;
  packed.WriteBuffer(data, size);
  TSkinReader reader;
  if (!reader.ReadSkinPackage(packed)) return;
  std::int64_t total = 0;
  for (int i = 0; i < reader.Count(); ++i) {
    TMemoryStream entry;
    reader.ExtractEntry(reader.Names()[i], entry);
    // An entry found by name is the first of that name: its size is the
    // size of the first entry with the name.
    const int first = reader.Names().IndexOf(reader.Names()[i]);
    if (entry.Size() != reader.EntrySize(first)) Fail("an extracted entry has the wrong size");
    total += reader.EntrySize(i);
  }
  if (total < 0) Fail("negative entry sizes were accepted");
  TMemoryStream ini;
  std::string name;
  reader.ExtractEntryLike(".ini", ini, name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ReadPackage(data, size);

  const std::vector<std::uint8_t> packed = LzhPack({data, size});
  TMemoryStream in, out;
  in.WriteBuffer(packed.data(), packed.size());
  if (!TSkinReader().UnpackStream(in, out)) Fail("packed data was refused");
  if (static_cast<std::size_t>(out.Size()) != size || (size > 0 && std::memcmp(out.Memory(), data, size) != 0)) {
    Fail("packed data did not unpack to the bytes packed");
  }
  ReadPackage(packed.data(), packed.size());
  return 0;
}
