#pragma once
// An open file, closed by the destructor. Opening and reading report the
// system's error code the way the Windows API does (2 not found, 3 path not
// found, 5 access denied, ...); on other systems errno values are mapped to
// those codes so that callers behave alike everywhere.
#include <cstddef>
#include <cstdint>
#include <string>

enum class TFileAccess { Read, ReadWrite };
enum class TFileShare { DenyNone, DenyWrite };

class TFileHandle {
 public:
  TFileHandle() = default;
  TFileHandle(TFileHandle&& other) noexcept;
  TFileHandle& operator=(TFileHandle&& other) noexcept;
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;
  ~TFileHandle();

  // Opens an existing file. Returns 0, or the error code on failure.
  int Open(const std::string& path, TFileAccess access, TFileShare share);
#ifdef _WIN32
  // The same by the file's exact (UTF-16) name, which the system code page
  // may not be able to spell.
  int Open(const std::wstring& path, TFileAccess access, TFileShare share);
#endif
  // Creates or truncates a file for writing. Returns 0 or the error code.
  int Create(const std::string& path);
  bool IsOpen() const;
  void Close();

  // Reads up to count bytes; returns the number read, or -1 on an error
  // (then Error() tells which).
  std::ptrdiff_t Read(void* buffer, std::size_t count);
  std::ptrdiff_t Write(const void* buffer, std::size_t count);
  // Size in bytes, or -1 on an error.
  std::int64_t Size();
  // Moves to an absolute position; false on an error.
  bool SeekTo(std::int64_t position);
  int Error() const { return FError; }

#ifdef _WIN32
  using TNative = void*;
#else
  using TNative = int;
#endif
  // The system's handle (elsewhere the file descriptor), for calls that this
  // class does not make; it stays owned here.
  TNative Native() const { return FHandle; }

 private:
#ifdef _WIN32
  TNative FHandle = reinterpret_cast<void*>(-1);
#else
  TNative FHandle = -1;
#endif
  int FError = 0;
};

// Renames a file, replacing the target when it exists (within one volume the
// target is never seen half-written). Returns 0 or the error code.
int RenameFileReplacing(const std::string& from, const std::string& to);
// Deletes a file. Returns 0 or the error code.
int RemoveFile(const std::string& path);
// Whether path names an existing folder.
bool DirectoryExists(const std::string& path);
