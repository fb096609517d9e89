#include "tools/extdat/MagicSignatures.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "filetype/ExtRecord.h"

namespace {

constexpr std::int64_t kHeader = static_cast<std::int64_t>(kFileHeaderSize);
constexpr std::size_t kSignMax = kSignCapacity;

// The bytes of one match that are compared exactly: all of them, or the
// runs whose mask bytes are 0xFF.
void AddPieces(const TMagicMatch& match, int depth, std::vector<TMagicPiece>& pieces) {
  if (match.Mask.empty()) {
    pieces.push_back({match.RangeStart, match.Value, depth});
    return;
  }
  const auto full = [&](std::size_t i) { return static_cast<unsigned char>(match.Mask[i]) == 0xFF; };
  for (std::size_t i = 0; i < match.Value.size();) {
    if (!full(i)) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < match.Value.size() && full(end)) ++end;
    pieces.push_back({match.RangeStart + static_cast<std::int64_t>(i), match.Value.substr(i, end - i), depth});
    i = end;
  }
}

// Joins pieces that touch or overlap into blocks. False when two pieces
// demand different bytes at one offset: that alternative never matches.
bool MergePieces(std::vector<TMagicPiece> pieces, std::vector<TMagicPiece>& blocks) {
  std::stable_sort(pieces.begin(), pieces.end(),
                   [](const TMagicPiece& a, const TMagicPiece& b) { return a.Offset < b.Offset; });
  for (TMagicPiece& piece : pieces) {
    if (!blocks.empty()) {
      TMagicPiece& last = blocks.back();
      const std::int64_t shift = piece.Offset - last.Offset;
      if (shift <= static_cast<std::int64_t>(last.Bytes.size())) {
        const auto at = static_cast<std::size_t>(shift);
        const std::size_t overlap = std::min(piece.Bytes.size(), last.Bytes.size() - at);
        if (last.Bytes.compare(at, overlap, piece.Bytes, 0, overlap) != 0) return false;
        last.Bytes.append(piece.Bytes, overlap);
        last.Depth = std::max(last.Depth, piece.Depth);
        continue;
      }
    }
    blocks.push_back(std::move(piece));
  }
  return true;
}

// Adds one candidate for every path from match down to a leaf.
void AddAlternatives(const TMagicMatch& match, int depth, std::vector<TMagicPiece> pieces, int type, int priority,
                     std::vector<TSignatureCandidate>& out) {
  AddPieces(match, depth, pieces);
  if (!match.Children.empty()) {
    for (const TMagicMatch& child : match.Children) AddAlternatives(child, depth + 1, pieces, type, priority, out);
    return;
  }
  const std::optional<TBestRun> best = BestRun(std::move(pieces));
  if (!best) return;
  out.push_back({type, priority, best->Strength, best->Run.Offset, best->Run.Bytes, best->Run.Depth});
}

// How many types other than self have a candidate that holds bytes at
// offset.
std::size_t SharedBy(const std::vector<TSignatureCandidate>& all, int self, std::int64_t offset,
                     std::string_view bytes) {
  std::set<int> types;
  for (const TSignatureCandidate& other : all) {
    if (other.Type == self) continue;
    const std::int64_t at = offset - other.Offset;
    if (at < 0 || at + static_cast<std::int64_t>(bytes.size()) > static_cast<std::int64_t>(other.Bytes.size())) {
      continue;
    }
    if (std::string_view(other.Bytes).substr(static_cast<std::size_t>(at), bytes.size()) == bytes) {
      types.insert(other.Type);
    }
  }
  return types.size();
}

}  // namespace

std::optional<TBestRun> BestRun(std::vector<TMagicPiece> pieces) {
  std::vector<TMagicPiece> blocks;
  if (!MergePieces(std::move(pieces), blocks)) return std::nullopt;
  TBestRun best;
  best.Blocks = blocks.size();
  std::tuple<std::size_t, std::size_t, int> bestScore{0, 0, 0};
  for (TMagicPiece& block : blocks) {
    best.Strength += static_cast<int>(std::min<std::size_t>(block.Bytes.size(), 0xFFFF));
    if (block.Offset < 0 || block.Offset >= kHeader) continue;
    const auto room = static_cast<std::size_t>(kHeader - block.Offset);
    const bool cut = block.Bytes.size() > room;
    block.Bytes.resize(std::min(block.Bytes.size(), room));
    const std::string_view head = std::string_view(block.Bytes).substr(0, kSignMax);
    const std::tuple<std::size_t, std::size_t, int> score{NonZeroBytes(head), head.size(), block.Depth};
    if (score > bestScore) {
      bestScore = score;
      best.Run = block;
      best.Cut = cut;
    }
  }
  if (best.Run.Bytes.empty()) return std::nullopt;
  return best;
}

void CutToSignatures(std::vector<TSignatureCandidate>& candidates) {
  const std::vector<TSignatureCandidate> all = candidates;
  for (TSignatureCandidate& c : candidates) {
    const std::string bytes = c.Bytes;
    if (bytes.size() <= kSignMax) continue;
    const auto shared = [&](std::size_t start) {
      return SharedBy(all, c.Type, c.Offset + static_cast<std::int64_t>(start),
                      std::string_view(bytes).substr(start, kSignMax));
    };
    std::size_t best = 0;
    if (shared(0) > 0) {
      std::size_t bestShared = SIZE_MAX;
      for (std::size_t start = 0; start + kSignMax <= bytes.size(); ++start) {
        const std::size_t n = shared(start);
        if (n <= bestShared) {
          bestShared = n;
          best = start;
        }
      }
    }
    c.Offset += static_cast<std::int64_t>(best);
    c.Bytes = bytes.substr(best, kSignMax);
  }
}

std::size_t NonZeroBytes(std::string_view bytes) {
  return static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char c) { return c != '\0'; }));
}

std::vector<TSignatureCandidate> MagicSignatures(const std::vector<TMimeType>& types) {
  std::vector<TSignatureCandidate> candidates;
  for (std::size_t t = 0; t < types.size(); ++t) {
    for (const TMagic& magic : types[t].Magic) {
      for (const TMagicMatch& match : magic.Matches) {
        AddAlternatives(match, 0, {}, static_cast<int>(t), magic.Priority, candidates);
      }
    }
  }
  return candidates;
}
