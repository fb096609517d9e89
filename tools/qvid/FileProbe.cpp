#include "tools/qvid/FileProbe.h"

#include "tools/common/Console.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

std::string KindError(TPathKind kind) {
  switch (kind) {
    case TPathKind::Folder: return "is a folder";
    case TPathKind::NamedPipe: return "is a named pipe";
    case TPathKind::Socket: return "is a socket";
    case TPathKind::CharDevice: return "is a character device";
    case TPathKind::BlockDevice: return "is a block device";
    case TPathKind::File:
    case TPathKind::Unknown: break;
  }
  return {};
}

namespace {

TProbe Failed(TPathKind kind, std::string error) {
  TProbe probe;
  probe.Kind = kind;
  probe.Error = std::move(error);
  return probe;
}

TProbe Special(TPathKind kind) { return Failed(kind, KindError(kind)); }

}  // namespace

#ifdef _WIN32

namespace {

// An open handle, closed by the destructor.
class THandle {
 public:
  explicit THandle(HANDLE handle) : FHandle(handle) {}
  ~THandle() {
    if (IsOpen()) CloseHandle(FHandle);
  }
  THandle(const THandle&) = delete;
  THandle& operator=(const THandle&) = delete;
  bool IsOpen() const { return FHandle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return FHandle; }

 private:
  HANDLE FHandle;
};

bool IsFolder(const TNativePath& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TProbe ProbePath(const TNativePath& path, TPathKind kind) {
  if (kind != TPathKind::Unknown && kind != TPathKind::File) return Special(kind);
  // Others may go on reading, writing, renaming or deleting the file.
  const THandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) {
    const int error = static_cast<int>(GetLastError());
    if (IsFolder(path)) return Special(TPathKind::Folder);
    return Failed(TPathKind::Unknown, FileErrorText(error));
  }
  // Consoles, printers and serial ports (NUL, CON, COM1) and pipes may wait
  // for input when read: they are only named.
  switch (GetFileType(file.Get())) {
    case FILE_TYPE_DISK: break;
    case FILE_TYPE_CHAR: return Special(TPathKind::CharDevice);
    case FILE_TYPE_PIPE: return Special(TPathKind::NamedPipe);
    default: return Failed(TPathKind::Unknown, "is not a file");
  }
  TProbe probe;
  probe.Kind = TPathKind::File;
  DWORD done = 0;
  if (!ReadFile(file.Get(), probe.Header.data(), static_cast<DWORD>(probe.Header.size()), &done, nullptr)) {
    return Failed(TPathKind::File, FileErrorText(static_cast<int>(GetLastError())));
  }
  return probe;
}

#else

namespace {

std::string ErrorText(int error) {
  switch (error) {
    case ENOENT: return FileErrorText(2);
    case ENOTDIR: return FileErrorText(3);
    case EACCES:
    case EPERM: return FileErrorText(5);
    default: return std::strerror(error);
  }
}

TPathKind KindOf(mode_t mode) {
  if (S_ISREG(mode)) return TPathKind::File;
  if (S_ISDIR(mode)) return TPathKind::Folder;
  if (S_ISFIFO(mode)) return TPathKind::NamedPipe;
  if (S_ISSOCK(mode)) return TPathKind::Socket;
  if (S_ISCHR(mode)) return TPathKind::CharDevice;
  if (S_ISBLK(mode)) return TPathKind::BlockDevice;
  return TPathKind::Unknown;
}

// A file descriptor, closed by the destructor.
class TDescriptor {
 public:
  explicit TDescriptor(int fd) : FFd(fd) {}
  ~TDescriptor() {
    if (FFd >= 0) ::close(FFd);
  }
  TDescriptor(const TDescriptor&) = delete;
  TDescriptor& operator=(const TDescriptor&) = delete;
  int Get() const { return FFd; }

 private:
  int FFd;
};

}  // namespace

TProbe ProbePath(const TNativePath& path, TPathKind kind) {
  if (kind == TPathKind::Unknown) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return Failed(TPathKind::Unknown, ErrorText(errno));
    kind = KindOf(st.st_mode);
    if (kind == TPathKind::Unknown) return Failed(kind, "is not a file");
  }
  if (kind != TPathKind::File) return Special(kind);
  // Should the file have been replaced by a pipe or a device since its type
  // was seen, neither opening nor reading waits.
  const TDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.Get() < 0) return Failed(TPathKind::File, ErrorText(errno));
  TProbe probe;
  probe.Kind = TPathKind::File;
  ssize_t done;
  do done = ::read(file.Get(), probe.Header.data(), probe.Header.size());
  while (done < 0 && errno == EINTR);
  if (done < 0) return Failed(TPathKind::File, ErrorText(errno));
  return probe;
}

#endif
