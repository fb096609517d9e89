#pragma once
// Byte streams: a memory stream and a file stream behind one interface.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ui/Exception.h"
#include "ui/FileHandle.h"

class EStreamError : public Exception {
 public:
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  EReadError() : EStreamError("Stream read error") {}
};
class EWriteError : public EStreamError {
 public:
  EWriteError() : EStreamError("Stream write error") {}
};
// A file stream that could not be opened; ErrorCode is the system's.
class EFOpenError : public EStreamError {
 public:
  EFOpenError(const std::string& path, int code);
  int ErrorCode() const noexcept { return FErrorCode; }

 private:
  int FErrorCode;
};

enum class TSeekOrigin { Beginning, Current, End };

class TStream {
 public:
  virtual ~TStream() = default;
  // Reads up to count bytes; returns how many were read.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;
  // Writes up to count bytes; returns how many were written.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;
  // Returns the new position.
  virtual std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) = 0;

  std::int64_t Position() { return Seek(0, TSeekOrigin::Current); }
  void SetPosition(std::int64_t position) { Seek(position, TSeekOrigin::Beginning); }
  std::int64_t Size();

  // Exactly count bytes, or EReadError / EWriteError.
  void ReadBuffer(void* buffer, std::size_t count);
  void WriteBuffer(const void* buffer, std::size_t count);
  // Copies count bytes from the source's position; count 0 copies the whole
  // source from its start. Returns the number of bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

class TMemoryStream : public TStream {
 public:
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;
  void SetSize(std::int64_t size);

  const std::uint8_t* Memory() const { return FData.data(); }
  std::uint8_t* Memory() { return FData.data(); }
  void Clear();
  // Replaces the content with the whole source; the position becomes 0.
  void LoadFromStream(TStream& source);
  // Reads the whole file (opened for reading, denying others write access).
  void LoadFromFile(const std::string& path);
  void SaveToStream(TStream& target) const;
  void SaveToFile(const std::string& path) const;

 private:
  std::vector<std::uint8_t> FData;
  std::size_t FPosition = 0;
};

class TFileStream : public TStream {
 public:
  // Opens an existing file; EFOpenError when it cannot be opened.
  TFileStream(const std::string& path, TFileAccess access, TFileShare share);
  // Creates (or truncates) a file for writing.
  explicit TFileStream(const std::string& path);

  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  TFileHandle FFile;
  std::int64_t FPosition = 0;
};
