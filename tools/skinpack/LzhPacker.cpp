#include "tools/skinpack/LzhPacker.h"

#include <array>
#include <memory>

#include "skin/data/LzhTree.h"
#include "ui/Bytes.h"
#include "ui/Exception.h"

namespace {

using namespace lzh;

constexpr int NIL = N;  // no node in the search trees

// Writes bits most significant first.
class TBitWriter {
 public:
  explicit TBitWriter(std::vector<std::uint8_t>& out) : FOut(out) {}

  // The low count bits of code, count at most 32.
  void Put(int count, std::uint32_t code) {
    FBits = (FBits << count) | (code & ((std::uint64_t{1} << count) - 1));
    FCount += count;
    while (FCount >= 8) {
      FCount -= 8;
      FOut.push_back(static_cast<std::uint8_t>(FBits >> FCount));
    }
    FBits &= (std::uint64_t{1} << FCount) - 1;
  }

  // Pads the last byte with zero bits.
  void Flush() {
    if (FCount > 0) Put(8 - FCount, 0);
  }

 private:
  std::vector<std::uint8_t>& FOut;
  std::uint64_t FBits = 0;  // FCount pending bits, fewer than 8 between calls
  int FCount = 0;
};

// The packer's working state: the ring buffer (with a copy of its first
// F - 1 bytes after its end, so that a match can be compared without
// wrapping), the binary search trees of the window's strings (one per first
// byte, rooted at N + 1 + byte) and the symbol tree.
class TPacker {
 public:
  TPacker(std::span<const std::uint8_t> data, std::vector<std::uint8_t>& out) : FData(data), FWriter(out) {}
  void Run();

 private:
  void InsertNode(int r);
  void DeleteNode(int p);
  void PutSymbol(int c);
  void PutPosition(int position);

  std::span<const std::uint8_t> FData;
  std::size_t FNext = 0;  // next byte of FData to read
  TBitWriter FWriter;
  TLzhTree FTree;
  std::array<std::uint8_t, N + F - 1> FText{};
  std::array<int, N + 1> FLeft{};
  std::array<int, N + 257> FRight{};
  std::array<int, N + 1> FDad{};
  int FMatchPosition = 0;  // distance - 1 of the longest match found
  int FMatchLength = 0;
};

// Inserts the string at r into its tree and finds the longest match for it
// (the nearest one among equally long ones). A string that matches in full
// (F bytes) takes the place of the older one.
void TPacker::InsertNode(int r) {
  const std::uint8_t* key = &FText[r];
  int p = N + 1 + key[0];
  int cmp = 1;
  FRight[r] = FLeft[r] = NIL;
  FMatchLength = 0;
  for (;;) {
    if (cmp >= 0) {
      if (FRight[p] == NIL) {
        FRight[p] = r;
        FDad[r] = p;
        return;
      }
      p = FRight[p];
    } else {
      if (FLeft[p] == NIL) {
        FLeft[p] = r;
        FDad[r] = p;
        return;
      }
      p = FLeft[p];
    }
    int i = 1;
    for (; i < F; ++i) {
      cmp = key[i] - FText[p + i];
      if (cmp != 0) break;
    }
    if (i > THRESHOLD) {
      const int distance = ((r - p) & (N - 1)) - 1;
      if (i > FMatchLength) {
        FMatchPosition = distance;
        FMatchLength = i;
        if (i >= F) break;
      } else if (i == FMatchLength && distance < FMatchPosition) {
        FMatchPosition = distance;
      }
    }
  }
  // Replace p by r.
  FDad[r] = FDad[p];
  FLeft[r] = FLeft[p];
  FRight[r] = FRight[p];
  FDad[FLeft[p]] = r;
  FDad[FRight[p]] = r;
  if (FRight[FDad[p]] == p) {
    FRight[FDad[p]] = r;
  } else {
    FLeft[FDad[p]] = r;
  }
  FDad[p] = NIL;
}

void TPacker::DeleteNode(int p) {
  if (FDad[p] == NIL) return;
  int q;
  if (FRight[p] == NIL) {
    q = FLeft[p];
  } else if (FLeft[p] == NIL) {
    q = FRight[p];
  } else {
    // Replace p by its predecessor, the rightmost node of its left subtree.
    q = FLeft[p];
    if (FRight[q] != NIL) {
      do q = FRight[q];
      while (FRight[q] != NIL);
      FRight[FDad[q]] = FLeft[q];
      FDad[FLeft[q]] = FDad[q];
      FLeft[q] = FLeft[p];
      FDad[FLeft[p]] = q;
    }
    FRight[q] = FRight[p];
    FDad[FRight[p]] = q;
  }
  FDad[q] = FDad[p];
  if (FRight[FDad[p]] == p) {
    FRight[FDad[p]] = q;
  } else {
    FLeft[FDad[p]] = q;
  }
  FDad[p] = NIL;
}

// The symbol's code is the path from the root to its leaf, 1 for a second
// child (odd node). It is gathered from the leaf upward, so the first bit
// found is the last one sent. Codes stay far below 32 bits: a leaf 23 levels
// deep would need a root frequency above MAX_FREQ.
void TPacker::PutSymbol(int c) {
  std::uint32_t code = 0;
  int length = 0;
  for (int k = FTree.Parent(c + T); k != R; k = FTree.Parent(k)) {
    code |= static_cast<std::uint32_t>(k & 1) << length;
    ++length;
  }
  FWriter.Put(length, code);
  FTree.Update(c);
}

void TPacker::PutPosition(int position) {
  const int upper = position >> 6;
  FWriter.Put(kPosition.CodeLength[upper], kPosition.Code[upper] >> (8 - kPosition.CodeLength[upper]));
  FWriter.Put(6, static_cast<std::uint32_t>(position & 0x3F));
}

void TPacker::Run() {
  FTree.Start();
  for (int i = N + 1; i <= N + 256; ++i) FRight[i] = NIL;
  for (int i = 0; i < N; ++i) FDad[i] = NIL;

  int s = 0;
  int r = N - F;
  for (int i = s; i < r; ++i) FText[i] = ' ';
  int len = 0;
  for (; len < F && FNext < FData.size(); ++len) FText[r + len] = FData[FNext++];
  if (len == 0) return;
  for (int i = 1; i <= F; ++i) InsertNode(r - i);
  InsertNode(r);
  do {
    if (FMatchLength > len) FMatchLength = len;
    if (FMatchLength <= THRESHOLD) {
      FMatchLength = 1;
      PutSymbol(FText[r]);
    } else {
      PutSymbol(255 - THRESHOLD + FMatchLength);
      PutPosition(FMatchPosition);
    }
    const int advance = FMatchLength;
    int i = 0;
    for (; i < advance && FNext < FData.size(); ++i) {
      const std::uint8_t c = FData[FNext++];
      DeleteNode(s);
      FText[s] = c;
      if (s < F - 1) FText[s + N] = c;
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      InsertNode(r);
    }
    for (; i < advance; ++i) {
      DeleteNode(s);
      s = (s + 1) & (N - 1);
      r = (r + 1) & (N - 1);
      if (--len) InsertNode(r);
    }
  } while (len > 0);
  FWriter.Flush();
}

}  // namespace

std::vector<std::uint8_t> LzhPack(std::span<const std::uint8_t> data) {
  if (data.size() > 0xFFFFFFFFu) throw Exception("LZH : data of 4 GiB or more cannot be packed");
  const auto size = static_cast<std::uint32_t>(data.size());
  std::vector<std::uint8_t> out;
  AppendLE32(out, size);
  out.reserve(4 + data.size() / 2);
  auto packer = std::make_unique<TPacker>(data, out);
  packer->Run();
  return out;
}
