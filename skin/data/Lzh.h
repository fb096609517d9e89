#pragma once
// LZHUF decoding of the packed skin: a 32-bit little-endian unpacked size
// followed by the bit stream (see LzhTree.h for the scheme).
#include <cstddef>
#include <cstdint>
#include <functional>

#include "ui/Exception.h"

class TStream;

class ElzhException : public Exception {
 public:
  using Exception::Exception;
};

class TLZH {
 public:
  // Supplies up to count input bytes into buffer; returns how many it
  // delivered (0 at the end of the input).
  using TReadBytes = std::function<std::size_t(std::uint8_t* buffer, std::size_t count)>;
  // Accepts one output byte.
  using TWriteByte = std::function<void(std::uint8_t value)>;

  // No valid stream codes more than this many bytes per stream byte: a
  // symbol costs at least 1 bit and a match of at most 60 bytes at least
  // 10 bits (symbol and a 9-bit position), so 6 bytes per bit.
  static constexpr std::uint64_t kMaxBytesPerStreamByte = 48;

  // Decodes until size bytes were written. Input the reader cannot supply
  // reads as zero bits, so a truncated stream still gives size bytes of
  // (partly made-up) output; a last match is always copied whole, so up to
  // 59 bytes more may follow. ElzhException when the working tables cannot
  // be allocated.
  void Unpack(std::uint32_t size, const TReadBytes& read, const TWriteByte& write);

  // The stream form: rewinds both streams, reads the unpacked size and
  // unpacks the rest of input into output. Returns false, writing nothing,
  // when input is shorter than the size field or announces more than its
  // stream could code (kMaxBytesPerStreamByte): such a size can only come
  // from damaged data, and honouring it could exhaust memory.
  bool UnpackStream(TStream& input, TStream& output);
};
