#pragma once
// The code shared by the LZHUF decoder (TLZH) and the packer of the
// skinpack tool: the scheme's parameters, its position-code tables and the
// adaptive Huffman tree that codes literals and match lengths.
//
// The stream is LZSS over a 4096-byte ring buffer. A symbol below 256 is a
// literal byte; symbol 256 + k is a match of k + 3 bytes. Symbols are coded
// with an adaptive Huffman tree that both sides update identically after
// every symbol. A match's position (12 bits) follows its symbol: the upper
// 6 bits as a prefix code of 3 to 8 bits, then the lower 6 bits as they are.
#include <array>
#include <cstdint>

namespace lzh {

inline constexpr int N = 4096;         // ring buffer size
inline constexpr int F = 60;           // longest match
inline constexpr int THRESHOLD = 2;    // a match is longer than this
inline constexpr int N_CHAR = 256 - THRESHOLD + F;  // 314 symbols
inline constexpr int T = N_CHAR * 2 - 1;            // 627 tree nodes
inline constexpr int R = T - 1;                     // the root
inline constexpr unsigned MAX_FREQ = 0x8000;        // rebuild at this root frequency

// Position codes. The upper 6 bits u of a position are coded by a prefix
// code whose first 8 bits, read as a byte B, determine u and the code
// length: the 256 values of B are shared out among u = 0..63 in runs of 32
// (u 0), 16 (u 1..3), 8 (u 4..11), 4 (u 12..23), 2 (u 24..47) and 1
// (u 48..63); a run of 2^k bytes means a code of 8 - k bits.
struct PositionTables {
  std::array<std::uint8_t, 256> Upper{};   // by B: u
  std::array<std::uint8_t, 256> Length{};  // by B: code length in bits
  std::array<std::uint8_t, 64> Code{};     // by u: the code, left-aligned in 8 bits
  std::array<std::uint8_t, 64> CodeLength{};  // by u: code length in bits
};

constexpr PositionTables MakePositionTables() {
  // {number of u values, bytes of B per value, code length}
  constexpr int runs[6][3] = {{1, 32, 3}, {3, 16, 4}, {8, 8, 5}, {12, 4, 6}, {24, 2, 7}, {16, 1, 8}};
  PositionTables t;
  int b = 0, u = 0;
  for (const auto& run : runs) {
    for (int v = 0; v < run[0]; ++v, ++u) {
      t.Code[u] = static_cast<std::uint8_t>(b);
      t.CodeLength[u] = static_cast<std::uint8_t>(run[2]);
      for (int k = 0; k < run[1]; ++k, ++b) {
        t.Upper[b] = static_cast<std::uint8_t>(u);
        t.Length[b] = static_cast<std::uint8_t>(run[2]);
      }
    }
  }
  return t;
}

inline constexpr PositionTables kPosition = MakePositionTables();

// The adaptive Huffman tree. Nodes are kept in order of non-decreasing
// frequency; a node and its sibling are adjacent (son[n] and son[n] + 1).
// Leaves are numbered T + symbol in the son and parent links.
class TLzhTree {
 public:
  // Every symbol frequency 1, internal nodes built pairwise from the leaves.
  void Start();
  // Counts one more occurrence of symbol c and restores the node order,
  // first rebuilding with halved frequencies when the root reached MAX_FREQ.
  void Update(int c);

  // The first of the two children of an internal node, or T + symbol for a
  // leaf.
  int Son(int node) const { return FSon[node]; }
  // The parent of a node; leaves are asked for as T + symbol.
  int Parent(int node) const { return FParent[node]; }
  unsigned Freq(int node) const { return FFreq[node]; }

 private:
  void Rebuild();

  std::array<std::uint16_t, T + 1> FFreq{};  // FFreq[T] is a sentinel above all
  std::array<std::uint16_t, T + N_CHAR> FParent{};
  std::array<std::uint16_t, T> FSon{};
};

}  // namespace lzh
