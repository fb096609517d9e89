#include "ui/Stream.h"

#include <algorithm>
#include <cstring>

EFOpenError::EFOpenError(const std::string& path, int code)
    : EStreamError("Cannot open file \"" + path + "\" (error " + std::to_string(code) + ")"),
      FErrorCode(code) {}

std::int64_t TStream::Size() {
  const std::int64_t position = Position();
  const std::int64_t size = Seek(0, TSeekOrigin::End);
  SetPosition(position);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError();
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 0xF000)));
  for (std::int64_t left = count; left > 0;) {
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(left, std::int64_t(buffer.size())));
    source.ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= static_cast<std::int64_t>(n);
  }
  return count;
}

// Memory stream

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (FPosition >= FData.size()) return 0;
  const std::size_t n = std::min(count, FData.size() - FPosition);
  std::memcpy(buffer, FData.data() + FPosition, n);
  FPosition += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (FPosition + count > FData.size()) FData.resize(FPosition + count);
  std::memcpy(FData.data() + FPosition, buffer, count);
  FPosition += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::Current) base = static_cast<std::int64_t>(FPosition);
  if (origin == TSeekOrigin::End) base = static_cast<std::int64_t>(FData.size());
  FPosition = static_cast<std::size_t>(std::max<std::int64_t>(0, base + offset));
  return static_cast<std::int64_t>(FPosition);
}

void TMemoryStream::SetSize(std::int64_t size) {
  FData.resize(static_cast<std::size_t>(std::max<std::int64_t>(0, size)));
  FPosition = std::min(FPosition, FData.size());
}

void TMemoryStream::Clear() {
  FData.clear();
  FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  SetSize(source.Size());
  source.ReadBuffer(FData.data(), FData.size());
  FPosition = 0;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  TFileStream file(path, TFileAccess::Read, TFileShare::DenyWrite);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& target) const { target.WriteBuffer(FData.data(), FData.size()); }

void TMemoryStream::SaveToFile(const std::string& path) const {
  TFileStream file(path);
  SaveToStream(file);
}

// File stream

TFileStream::TFileStream(const std::string& path, TFileAccess access, TFileShare share) {
  if (const int error = FFile.Open(path, access, share)) throw EFOpenError(path, error);
}

TFileStream::TFileStream(const std::string& path) {
  if (const int error = FFile.Create(path)) throw EFOpenError(path, error);
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  const std::ptrdiff_t n = FFile.Read(buffer, count);
  if (n <= 0) return 0;
  FPosition += n;
  return static_cast<std::size_t>(n);
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  const std::ptrdiff_t n = FFile.Write(buffer, count);
  if (n <= 0) return 0;
  FPosition += n;
  return static_cast<std::size_t>(n);
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::Current) base = FPosition;
  if (origin == TSeekOrigin::End) base = std::max<std::int64_t>(0, FFile.Size());
  const std::int64_t target = std::max<std::int64_t>(0, base + offset);
  if (FFile.SeekTo(target)) FPosition = target;
  return FPosition;
}
