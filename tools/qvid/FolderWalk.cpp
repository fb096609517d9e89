#include "tools/qvid/FolderWalk.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "tools/common/Console.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace {

// An entry of a folder: its name and what the listing told of it.
struct TEntry {
  TNativePath Name;
  bool Folder = false;
  bool Skipped = false;  // a link to a folder, not followed
  TPathKind Kind = TPathKind::Unknown;
};

#ifdef _WIN32

// The entries of a folder, or false with the system's error.
bool ListFolder(const TNativePath& folder, std::vector<TEntry>& entries, std::string& error) {
  WIN32_FIND_DATAW data;
  const HANDLE find = FindFirstFileExW(JoinPath(folder, L"*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                       nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE) {
    const DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND) return true;  // an empty drive
    error = FileErrorText(static_cast<int>(code));
    return false;
  }
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    TEntry entry{name};
    entry.Folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    // Junctions and links to folders.
    entry.Skipped = entry.Folder && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
    entries.push_back(std::move(entry));
  } while (FindNextFileW(find, &data));
  FindClose(find);
  return true;
}

#else

// A folder listing, closed by the destructor.
class TFolder {
 public:
  explicit TFolder(const TNativePath& path) : FDir(opendir(path.c_str())) {}
  ~TFolder() {
    if (FDir) closedir(FDir);
  }
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;
  DIR* Get() const { return FDir; }

 private:
  DIR* FDir;
};

TPathKind KindOfEntry(unsigned char type) {
  switch (type) {
    case DT_REG: return TPathKind::File;
    case DT_FIFO: return TPathKind::NamedPipe;
    case DT_SOCK: return TPathKind::Socket;
    case DT_CHR: return TPathKind::CharDevice;
    case DT_BLK: return TPathKind::BlockDevice;
    default: return TPathKind::Unknown;
  }
}

// What a link or an entry of unknown type is; a link is followed.
void Inspect(const TNativePath& path, bool link, TEntry& entry) {
  struct stat st;
  if ((link ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st)) != 0) return;  // reported when probed
  if (S_ISDIR(st.st_mode)) {
    entry.Folder = !link;
    entry.Skipped = link;
  } else if (S_ISLNK(st.st_mode)) {
    Inspect(path, true, entry);
  } else if (S_ISREG(st.st_mode)) {
    entry.Kind = TPathKind::File;
  }
}

bool ListFolder(const TNativePath& folder, std::vector<TEntry>& entries, std::string& error) {
  const TFolder dir(folder);
  if (!dir.Get()) {
    error = errno == ENOENT ? FileErrorText(2) : errno == EACCES ? FileErrorText(5) : std::strerror(errno);
    return false;
  }
  while (const dirent* item = readdir(dir.Get())) {
    const std::string name = item->d_name;
    if (name == "." || name == "..") continue;
    TEntry entry{name};
    if (item->d_type == DT_DIR) {
      entry.Folder = true;
    } else if (item->d_type == DT_LNK || item->d_type == DT_UNKNOWN) {
      Inspect(JoinPath(folder, name), item->d_type == DT_LNK, entry);
    } else {
      entry.Kind = KindOfEntry(item->d_type);
    }
    entries.push_back(std::move(entry));
  }
  return true;
}

#endif

}  // namespace

void WalkFolder(const TNativePath& folder, const TWalkVisitor& visitor) {
  std::vector<TEntry> entries;
  std::string error;
  if (!ListFolder(folder, entries, error)) {
    visitor.Unlisted(folder, error);
    return;
  }
  std::sort(entries.begin(), entries.end(), [](const TEntry& a, const TEntry& b) { return a.Name < b.Name; });
  for (const TEntry& entry : entries) {
    if (entry.Skipped) continue;
    const TNativePath path = JoinPath(folder, entry.Name);
    if (entry.Folder) {
      WalkFolder(path, visitor);
    } else {
      visitor.Entry(path, entry.Kind);
    }
  }
}
