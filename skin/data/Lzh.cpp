#include "skin/data/Lzh.h"

#include <array>
#include <memory>
#include <new>

#include "skin/data/LzhTree.h"
#include "ui/Bytes.h"
#include "ui/Stream.h"

namespace {

using namespace lzh;

// Reads the stream most significant bit first through a 16-bit buffer,
// refilled a byte at a time whenever 8 or fewer bits remain. Input is
// fetched from the caller in blocks; bytes past its end read as 0.
class TBitReader {
 public:
  explicit TBitReader(const TLZH::TReadBytes& read) : FRead(read) {}

  unsigned Bit() {
    Fill();
    const unsigned bit = FBits >> 15;
    FBits = (FBits << 1) & 0xFFFF;
    --FCount;
    return bit;
  }

  unsigned Byte() {
    Fill();
    const unsigned byte = FBits >> 8;
    FBits = (FBits << 8) & 0xFFFF;
    FCount -= 8;
    return byte;
  }

 private:
  void Fill() {
    while (FCount <= 8) {
      FBits |= NextByte() << (8 - FCount);
      FCount += 8;
    }
  }

  unsigned NextByte() {
    if (FNext == FEnd) {
      FNext = FEnd = 0;
      if (!FExhausted) FEnd = FRead(FBlock.data(), FBlock.size());
      if (FEnd == 0) {
        FExhausted = true;
        return 0;
      }
    }
    return FBlock[FNext++];
  }

  const TLZH::TReadBytes& FRead;
  std::array<std::uint8_t, 4096> FBlock{};
  std::size_t FNext = 0, FEnd = 0;
  bool FExhausted = false;
  unsigned FBits = 0;
  unsigned FCount = 0;
};

// The working tables of one unpack.
struct TDecoder {
  TLzhTree Tree;
  std::array<std::uint8_t, N> Ring{};

  int Symbol(TBitReader& bits) {
    int node = Tree.Son(R);
    while (node < T) node = Tree.Son(node + static_cast<int>(bits.Bit()));
    const int c = node - T;
    Tree.Update(c);
    return c;
  }

  static int Position(TBitReader& bits) {
    unsigned b = bits.Byte();
    const unsigned upper = kPosition.Upper[b];
    for (int extra = kPosition.Length[b] - 2; extra > 0; --extra) b = (b << 1) | bits.Bit();
    return static_cast<int>((upper << 6) | (b & 0x3F));
  }
};

}  // namespace

void TLZH::Unpack(std::uint32_t size, const TReadBytes& read, const TWriteByte& write) {
  std::unique_ptr<TDecoder> d;
  try {
    d = std::make_unique<TDecoder>();
  } catch (const std::bad_alloc&) {
    throw ElzhException("LZH : Cannot get memory for dictionary tables");
  }
  d->Tree.Start();
  // The window starts as N - F spaces; the rest stays zero so that damaged
  // data reaching it reads defined bytes.
  for (int i = 0; i < N - F; ++i) d->Ring[i] = ' ';
  TBitReader bits(read);
  int r = N - F;
  auto put = [&](std::uint8_t c) {
    write(c);
    d->Ring[r] = c;
    r = (r + 1) & (N - 1);
  };
  for (std::uint64_t count = 0; count < size;) {
    const int c = d->Symbol(bits);
    if (c < 256) {
      put(static_cast<std::uint8_t>(c));
      ++count;
    } else {
      const int from = (r - TDecoder::Position(bits) - 1) & (N - 1);
      const int length = c - 255 + THRESHOLD;
      // Copied whole, even past size.
      for (int k = 0; k < length; ++k) put(d->Ring[(from + k) & (N - 1)]);
      count += static_cast<std::uint64_t>(length);
    }
  }
}

bool TLZH::UnpackStream(TStream& input, TStream& output) {
  input.SetPosition(0);
  output.SetPosition(0);
  std::uint8_t field[4];
  if (input.Read(field, 4) != 4) return false;
  const std::uint32_t size = GetLE32(field);
  const std::int64_t stream = input.Size() - 4;
  if (size > kMaxBytesPerStreamByte * static_cast<std::uint64_t>(stream)) return false;
  Unpack(
      size, [&](std::uint8_t* buffer, std::size_t count) { return input.Read(buffer, count); },
      [&](std::uint8_t value) { output.WriteBuffer(&value, 1); });
  return true;
}
