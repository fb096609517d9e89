#include "filetype/qenreg.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "ui/StrUtils.h"

namespace {

// An open registry key, closed by the destructor.
class TRegKey {
 public:
  TRegKey() = default;
  TRegKey(const TRegKey&) = delete;
  TRegKey& operator=(const TRegKey&) = delete;
  ~TRegKey() {
    if (FKey) RegCloseKey(FKey);
  }

  // Opens for reading: full read access, else query and enumerate rights,
  // else query rights alone.
  bool OpenRead(HKEY root, const std::string& path) {
    for (const REGSAM access : {REGSAM(KEY_READ), REGSAM(KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS),
                                REGSAM(KEY_QUERY_VALUE)}) {
      const LSTATUS status = RegOpenKeyExA(root, path.c_str(), 0, access, &FKey);
      if (status == ERROR_SUCCESS) return true;
      FKey = nullptr;
      if (status != ERROR_ACCESS_DENIED) return false;
    }
    return false;
  }

  // A string or expandable-string value up to its first zero; false when the
  // value is missing or of another type.
  bool ReadString(const std::string& name, std::string& value) const {
    std::vector<char> data;
    for (;;) {
      DWORD type = 0;
      DWORD size = static_cast<DWORD>(data.size());
      BYTE* const buffer = data.empty() ? nullptr : reinterpret_cast<BYTE*>(data.data());
      const LSTATUS status = RegQueryValueExA(FKey, name.c_str(), nullptr, &type, buffer, &size);
      if (status == ERROR_MORE_DATA || (status == ERROR_SUCCESS && size > data.size())) {
        data.resize(size);  // the value grew between the two queries, or it is the first
        continue;
      }
      if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
      const std::string_view text(data.data(), size);
      value = std::string(text.substr(0, text.find('\0')));
      return true;
    }
  }

 private:
  HKEY FKey = nullptr;
};

// The four root names, in the order they are tested.
HKEY RootKey(const std::string& name) {
  if (name == "HKEY_USERS") return HKEY_USERS;
  if (name == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  const std::string lower = AsciiLowerCase(name);
  if (lower == "hkey_local_machine") return HKEY_LOCAL_MACHINE;
  if (lower == "hkey_classes_root") return HKEY_CLASSES_ROOT;
  return nullptr;
}

}  // namespace

bool ReadRegString(const std::string& rootName, const std::string& keyPath, const std::string& valueName,
                   std::string& value) noexcept {
  value.clear();
  try {
    const HKEY root = RootKey(rootName);
    if (!root) return false;
    TRegKey key;
    std::string text;
    if (!key.OpenRead(root, keyPath) || !key.ReadString(valueName, text)) return false;
    value = std::move(text);
    return true;
  } catch (...) {
    return false;  // out of memory: read as no value
  }
}

std::string GetRegTypeDesc(const std::string& ext) {
  const std::string key = (ext.find('.') != std::string::npos ? ext.substr(1) : ext) + "file";
  std::string description;
  ReadRegString("HKEY_CLASSES_ROOT", key, "", description);
  return description;
}
