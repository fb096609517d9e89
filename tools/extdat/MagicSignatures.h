#pragma once
// Signatures from the magic rules of shared MIME-info types: for every
// alternative of a type's magic (a path from a top-level match to a leaf),
// the bytes that it compares at fixed offsets within the 51-byte header.
//
// Of an alternative's bytes, the run that tells the type best is taken: the
// most bytes other than zero, then the longest, then the innermost match
// (the form type inside a RIFF container, say). The start of an offset range
// counts as fixed; masked bytes other than 0xFF are left out; matches that
// touch are joined, and an alternative whose matches contradict each other
// yields nothing. A run longer than 11 bytes is cut to its first 11 bytes
// when no other type shares them, else to the 11 bytes that the fewest other
// types share, the last of equals (a common opening such as "#!/usr/bin/" or
// "mimetypeapplication/" comes first; what tells the type comes last).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/extdat/MimeInfo.h"

struct TSignatureCandidate {
  int Type = 0;        // index into the types
  int Priority = 0;    // of the <magic>
  int Strength = 0;    // bytes that the whole alternative compares
  std::int64_t Offset = 0;
  std::string Bytes;   // inside the header; at most 11 bytes once cut
  int Depth = 0;       // nesting level of the deepest match in Bytes
  int Source = 0;      // 0 MIME-info; 1 file's magic or the table, whose types name a group after MIME-info's
};

// The candidates of all types, in the types' order, not cut yet.
std::vector<TSignatureCandidate> MagicSignatures(const std::vector<TMimeType>& types);

// Cuts every candidate longer than 11 bytes as told above, weighing what
// all the candidates given share.
void CutToSignatures(std::vector<TSignatureCandidate>& candidates);

// Bytes that a rule compares at consecutive fixed offsets, from a match
// nested Depth levels deep.
struct TMagicPiece {
  std::int64_t Offset = 0;
  std::string Bytes;
  int Depth = 0;
};

// The run of an alternative's pieces that tells its type best, cut at the
// header's end, with Strength the bytes of all pieces; nothing when the
// pieces contradict each other or none lies inside the header. Blocks tells
// how many separate runs the pieces make.
struct TBestRun {
  TMagicPiece Run;
  int Strength = 0;
  std::size_t Blocks = 0;
  bool Cut = false;  // the run reached beyond the header
};
std::optional<TBestRun> BestRun(std::vector<TMagicPiece> pieces);

// How many of the bytes are not zero.
std::size_t NonZeroBytes(std::string_view bytes);
