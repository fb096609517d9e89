#include "ui/FileHandle.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

TFileHandle::TFileHandle(TFileHandle&& other) noexcept
    : FHandle(std::exchange(other.FHandle, TFileHandle().FHandle)), FError(other.FError) {}

TFileHandle& TFileHandle::operator=(TFileHandle&& other) noexcept {
  if (this != &other) {
    Close();
    FHandle = std::exchange(other.FHandle, TFileHandle().FHandle);
    FError = other.FError;
  }
  return *this;
}

TFileHandle::~TFileHandle() { Close(); }

#ifdef _WIN32

namespace {

DWORD DesiredAccess(TFileAccess access) {
  return access == TFileAccess::Read ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
}

DWORD ShareMode(TFileShare share) {
  return share == TFileShare::DenyNone ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
}

}  // namespace

int TFileHandle::Open(const std::string& path, TFileAccess access, TFileShare share) {
  Close();
  FHandle = CreateFileA(path.c_str(), DesiredAccess(access), ShareMode(share), nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  FError = IsOpen() ? 0 : static_cast<int>(GetLastError());
  return FError;
}

int TFileHandle::Open(const std::wstring& path, TFileAccess access, TFileShare share) {
  Close();
  FHandle = CreateFileW(path.c_str(), DesiredAccess(access), ShareMode(share), nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  FError = IsOpen() ? 0 : static_cast<int>(GetLastError());
  return FError;
}

int TFileHandle::Create(const std::string& path) {
  Close();
  FHandle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
  FError = IsOpen() ? 0 : static_cast<int>(GetLastError());
  return FError;
}

bool TFileHandle::IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }

void TFileHandle::Close() {
  if (IsOpen()) CloseHandle(FHandle);
  FHandle = INVALID_HANDLE_VALUE;
}

std::ptrdiff_t TFileHandle::Read(void* buffer, std::size_t count) {
  DWORD done = 0;
  if (!ReadFile(FHandle, buffer, static_cast<DWORD>(count), &done, nullptr)) {
    FError = static_cast<int>(GetLastError());
    return -1;
  }
  return static_cast<std::ptrdiff_t>(done);
}

std::ptrdiff_t TFileHandle::Write(const void* buffer, std::size_t count) {
  DWORD done = 0;
  if (!WriteFile(FHandle, buffer, static_cast<DWORD>(count), &done, nullptr)) {
    FError = static_cast<int>(GetLastError());
    return -1;
  }
  return static_cast<std::ptrdiff_t>(done);
}

std::int64_t TFileHandle::Size() {
  LARGE_INTEGER size;
  if (!GetFileSizeEx(FHandle, &size)) {
    FError = static_cast<int>(GetLastError());
    return -1;
  }
  return size.QuadPart;
}

bool TFileHandle::SeekTo(std::int64_t position) {
  LARGE_INTEGER to;
  to.QuadPart = position;
  if (!SetFilePointerEx(FHandle, to, nullptr, FILE_BEGIN)) {
    FError = static_cast<int>(GetLastError());
    return false;
  }
  return true;
}

int RenameFileReplacing(const std::string& from, const std::string& to) {
  if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return 0;
  return static_cast<int>(GetLastError());
}

int RemoveFile(const std::string& path) {
  if (DeleteFileA(path.c_str())) return 0;
  return static_cast<int>(GetLastError());
}

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

#else

namespace {

// The Windows error code for an errno value.
int SystemError(int error) {
  switch (error) {
    case ENOENT: return 2;
    case ENOTDIR: return 3;
    case EMFILE: return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return 5;
    case EBADF: return 6;
    case ENOSPC: return 112;
    default: return error;
  }
}

}  // namespace

int TFileHandle::Open(const std::string& path, TFileAccess access, TFileShare) {
  // Sharing has no counterpart here: other processes are never locked out.
  Close();
  FHandle = ::open(path.c_str(), (access == TFileAccess::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC);
  if (FHandle >= 0) {
    struct stat st;
    if (fstat(FHandle, &st) == 0 && S_ISDIR(st.st_mode)) {
      Close();
      errno = EISDIR;  // as on Windows, a folder does not open as a file
    }
  }
  FError = IsOpen() ? 0 : SystemError(errno);
  return FError;
}

int TFileHandle::Create(const std::string& path) {
  Close();
  FHandle = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  FError = IsOpen() ? 0 : SystemError(errno);
  return FError;
}

bool TFileHandle::IsOpen() const { return FHandle >= 0; }

void TFileHandle::Close() {
  if (IsOpen()) ::close(FHandle);
  FHandle = -1;
}

std::ptrdiff_t TFileHandle::Read(void* buffer, std::size_t count) {
  std::ptrdiff_t done;
  do done = ::read(FHandle, buffer, count);
  while (done < 0 && errno == EINTR);
  if (done < 0) FError = SystemError(errno);
  return done;
}

std::ptrdiff_t TFileHandle::Write(const void* buffer, std::size_t count) {
  std::ptrdiff_t done;
  do done = ::write(FHandle, buffer, count);
  while (done < 0 && errno == EINTR);
  if (done < 0) FError = SystemError(errno);
  return done;
}

std::int64_t TFileHandle::Size() {
  struct stat st;
  if (fstat(FHandle, &st) != 0) {
    FError = SystemError(errno);
    return -1;
  }
  return st.st_size;
}

bool TFileHandle::SeekTo(std::int64_t position) {
  if (::lseek(FHandle, static_cast<off_t>(position), SEEK_SET) < 0) {
    FError = SystemError(errno);
    return false;
  }
  return true;
}

int RenameFileReplacing(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : SystemError(errno);
}

int RemoveFile(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : SystemError(errno); }

bool DirectoryExists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

#endif
