#include "skin/data/Lzh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "StandInSkin.h"
#include "skin/data/LzhTree.h"
#include "tools/skinpack/LzhPacker.h"
#include "ui/Stream.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

// The stream form over memory streams; output holds what was written.
bool UnpackBytes(const Bytes& packed, Bytes& output) {
  TMemoryStream in, out;
  in.WriteBuffer(packed.data(), packed.size());
  const bool unpacked = TLZH().UnpackStream(in, out);
  output.assign(out.Memory(), out.Memory() + out.Size());
  return unpacked;
}

Bytes Unpacked(const Bytes& packed) {
  Bytes output;
  EXPECT_TRUE(UnpackBytes(packed, output));
  return output;
}

Bytes RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  return bytes;
}

// Words from a small vocabulary: matches of every length and distance,
// also across the wrap of the ring buffer.
Bytes WordSoup(std::size_t size, unsigned seed) {
  const char* words[] = {"skin", "frame", "button", "=", "\r\n", "[Section]", "Image=", "0x00FF00FF", " ",
                         "TopHeight", "transparent", "1", "22", "333"};
  std::mt19937 random(seed);
  std::string text;
  while (text.size() < size) text += words[random() % std::size(words)];
  text.resize(size);
  return Text(text);
}

// Bytes of very uneven frequency, so that rare symbols sit deep in the tree.
Bytes Skewed(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::geometric_distribution<int> geometric(0.35);
  Bytes bytes(size);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(std::min(geometric(random), 255));
  return bytes;
}

}  // namespace

// The adaptive tree must stay a Huffman tree whatever it is fed: nodes in
// order of frequency, every internal node the sum of its two children,
// links consistent both ways, and the root below MAX_FREQ after rebuilds.
TEST(LzhTree, KeepsItsOrderThroughUpdatesAndRebuilds) {
  using namespace lzh;
  TLzhTree tree;
  tree.Start();
  std::mt19937 random(7);
  std::geometric_distribution<int> geometric(0.05);
  std::vector<unsigned> counts(N_CHAR, 1);
  bool rebuilt = false;
  int deepest = 0;
  for (int step = 0; step < 120000; ++step) {
    const int c = std::min(geometric(random), N_CHAR - 1);
    const unsigned rootBefore = tree.Freq(R);
    tree.Update(c);
    ++counts[c];
    if (tree.Freq(R) < rootBefore) rebuilt = true;
    if (!rebuilt) {
      ASSERT_EQ(tree.Freq(tree.Parent(c + T)), counts[c]) << "step " << step;
    }
    if (step % 499 != 0) continue;
    for (int node = 0; node < R; ++node) ASSERT_LE(tree.Freq(node), tree.Freq(node + 1)) << "step " << step;
    std::vector<int> seen(N_CHAR, 0);
    for (int node = 0; node <= R; ++node) {
      const int son = tree.Son(node);
      if (son >= T) {
        ++seen[son - T];
        ASSERT_EQ(tree.Parent(son), node);
      } else {
        ASSERT_EQ(son % 2, 0);
        ASSERT_EQ(tree.Freq(node), tree.Freq(son) + tree.Freq(son + 1));
        ASSERT_EQ(tree.Parent(son), node);
        ASSERT_EQ(tree.Parent(son + 1), node);
      }
    }
    ASSERT_EQ(std::count(seen.begin(), seen.end(), 1), N_CHAR);
    for (int leaf = 0; leaf < N_CHAR; ++leaf) {
      int depth = 0;
      for (int node = tree.Parent(leaf + T); node != R; node = tree.Parent(node)) ++depth;
      deepest = std::max(deepest, depth);
    }
  }
  EXPECT_TRUE(rebuilt);
  EXPECT_LT(tree.Freq(R), MAX_FREQ);
  // The packer sends a code in one piece of at most 32 bits.
  EXPECT_LT(deepest, 32);
}

TEST(Lzh, SizeZeroWritesNothingAndReadsNothing) {
  int reads = 0, writes = 0;
  TLZH().Unpack(
      0,
      [&](std::uint8_t*, std::size_t) {
        ++reads;
        return std::size_t{0};
      },
      [&](std::uint8_t) { ++writes; });
  EXPECT_EQ(reads, 0);
  EXPECT_EQ(writes, 0);
}

// Streams made by hand from the initial tree, where the literal "A" has the
// 9-bit code 111001101 and the match of length 5 (symbol 258) the 8-bit code
// 10001110; position 100 (upper 1, lower 36) is coded 0010 then 100100.
TEST(Lzh, DecodesHandMadeStreams) {
  const struct {
    const char* what;
    Bytes packed;
    std::string output;
  } cases[] = {
      {"a literal", {1, 0, 0, 0, 0xE6, 0x80}, "A"},
      {"a first match copies the spaces the window starts with", {5, 0, 0, 0, 0x8E, 0x29, 0x00}, "     "},
      {"the last match is copied whole, past the size", {3, 0, 0, 0, 0x8E, 0x29, 0x00}, "     "},
      {"missing input reads as zero bits", {5, 0, 0, 0, 0x8E, 0x29}, "     "},
  };
  for (const auto& c : cases) {
    const Bytes output = Unpacked(c.packed);
    EXPECT_EQ(std::string(output.begin(), output.end()), c.output) << c.what;
  }
}

// The expected streams below come from a separate implementation of the
// published LZHUF algorithm, written in another language for cross-checking
// this one; they pin down the format beyond our own packer and decoder
// agreeing with each other.
TEST(Lzh, DecodesAStreamOfASeparateImplementation) {
  const std::string text =
      "[Personality]\r\nSkinName=Cross check\r\nTopHeight=30\r\n[Buttons]\r\nImage=buttons.bmp\r\nFrames=5\r\n"
      "[Title]\r\nImage=title.bmp\r\nFrames=2\r\n";
  const Bytes packed = {
      0x7F, 0x00, 0x00, 0x00, 0xF3, 0xF7, 0x3E, 0x3F, 0xEF, 0xFF, 0xEF, 0xF5, 0xED, 0xFC, 0x7D, 0x40, 0x01, 0x7D,
      0x39, 0x9C, 0xB7, 0x7F, 0xEF, 0x79, 0x7F, 0xDA, 0xBE, 0xFC, 0xE1, 0xF2, 0x79, 0xF8, 0x58, 0x18, 0x34, 0x75,
      0x9E, 0xFF, 0xA5, 0x5A, 0xDB, 0x5B, 0x8B, 0x7F, 0x05, 0x2F, 0xE7, 0x52, 0xAD, 0x0F, 0x9D, 0x65, 0xDD, 0x96,
      0xFF, 0x79, 0x36, 0x66, 0x2F, 0x38, 0x06, 0x44, 0xCA, 0x92, 0xAC, 0x5F, 0x85, 0xDD, 0x5B, 0x38, 0xD4, 0x4E,
      0xC7, 0xF7, 0x59, 0x41, 0xFB, 0xA8, 0xF8, 0x54, 0xD3, 0xE7, 0x74, 0xA1, 0xCA, 0x8F, 0x9B, 0x91, 0xC1, 0x74,
      0x27, 0xA7, 0xA4, 0xD5, 0xEC, 0x15, 0x81, 0x2B, 0x57, 0xF0, 0x6D, 0xE0, 0x47, 0xBE, 0x51, 0x40};
  EXPECT_EQ(Unpacked(packed), Text(text));
  EXPECT_EQ(LzhPack(Text(text)), packed);
}

// 80,000 bytes of uneven frequencies: enough symbols for the tree to be
// rebuilt twice. The separate implementation packs them into 63,025 bytes
// with the FNV-1a hash below.
TEST(Lzh, PacksAndUnpacksThroughTreeRebuildsAsASeparateImplementation) {
  Bytes data;
  std::uint32_t x = 12345;
  for (int i = 0; i < 80000; ++i) {
    x = (x * 1103515245u + 12345u) & 0x7FFFFFFF;
    data.push_back(static_cast<std::uint8_t>(((x >> 16) & 0xFF) >> ((x >> 8) & 7)));
  }
  const Bytes packed = LzhPack(data);
  std::uint64_t hash = 0xCBF29CE484222325u;
  for (const std::uint8_t b : packed) hash = (hash ^ b) * 0x100000001B3u;
  EXPECT_EQ(packed.size(), 63025u);
  EXPECT_EQ(hash, 0x6C89DFF21DF5A475u);
  EXPECT_EQ(Unpacked(packed), data);
}

TEST(Lzh, PackedDataUnpacksToExactlyTheBytesPacked) {
  const Bytes standIn = WriteSkinPackage(StandInSkinEntries(), 20000);
  const struct {
    const char* what;
    Bytes data;
  } cases[] = {
      {"empty", {}},
      {"one byte", {0x42}},
      {"spaces only", Bytes(5000, ' ')},
      {"all equal", Bytes(100000, 'x')},
      {"random", RandomBytes(100000, 1)},
      {"every byte value in turn", [] {
         Bytes b(70000);
         for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(i * 7);
         return b;
       }()},
      {"words", WordSoup(300000, 2)},
      {"skewed", Skewed(300000, 3)},
      {"stand-in skin package", standIn},
  };
  for (const auto& c : cases) {
    const Bytes packed = LzhPack(c.data);
    ASSERT_GE(packed.size(), 4u) << c.what;
    EXPECT_EQ(packed[0] | packed[1] << 8 | packed[2] << 16 | packed[3] << 24, static_cast<int>(c.data.size()))
        << c.what;
    EXPECT_EQ(Unpacked(packed), c.data) << c.what;
  }
  // Repeats are coded as matches of full length: near the best ratio of
  // 48 bytes per packed byte.
  EXPECT_LT(LzhPack(Bytes(100000, 'x')).size(), 100000u / 40);
  EXPECT_LT(LzhPack(standIn).size(), standIn.size() / 4);
}

TEST(Lzh, TruncatedStreamStillGivesTheAnnouncedSize) {
  const Bytes ini = Text(StandInSkinIni());
  Bytes packed = LzhPack(ini);
  packed.resize(4 + (packed.size() - 4) / 2);
  const Bytes output = Unpacked(packed);
  ASSERT_GE(output.size(), ini.size());
  EXPECT_LE(output.size(), ini.size() + lzh::F - 1);
  // What the remaining stream codes comes out as it was.
  EXPECT_TRUE(std::equal(ini.begin(), ini.begin() + 1000, output.begin()));
}

TEST(Lzh, StreamFormRefusesInputThatCannotHoldItsSize) {
  const struct {
    const char* what;
    Bytes packed;
    bool unpacked;
  } cases[] = {
      {"no size", {}, false},
      {"three bytes of size", {1, 0, 0}, false},
      {"a size and no stream", {0, 0, 0, 0}, true},
      {"one byte can code 48 bytes", {48, 0, 0, 0, 0}, true},
      {"but not 49", {49, 0, 0, 0, 0}, false},
      {"4 GiB from 10 bytes", {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6}, false},
  };
  for (const auto& c : cases) {
    Bytes output;
    EXPECT_EQ(UnpackBytes(c.packed, output), c.unpacked) << c.what;
    if (!c.unpacked) {
      EXPECT_TRUE(output.empty()) << c.what;
    }
  }
}

TEST(Lzh, StreamFormStartsAtTheBeginningOfTheInput) {
  const Bytes data = WordSoup(5000, 4);
  const Bytes packed = LzhPack(data);
  TMemoryStream in, out;
  in.WriteBuffer(packed.data(), packed.size());
  ASSERT_TRUE(TLZH().UnpackStream(in, out));
  EXPECT_EQ(Bytes(out.Memory(), out.Memory() + out.Size()), data);
}
