#include "tools/skingallery/GallerySkin.h"

#include <windows.h>

#include <algorithm>

#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinData.h"
#include "skins/DefaultSkin.h"
#include "ui/Exception.h"
#include "ui/Stream.h"

namespace {

// Makes packed the skin of data and applies it.
void Apply(TSkinData& data, TMemoryStream& packed) {
  data.FSkinStream.Clear();
  data.FSkinStream.WriteBuffer(packed.Memory(), static_cast<std::size_t>(packed.Size()));
  data.LoadSkin();
  data.ApplySkin();
}

// The built-in skin's package bytes (the stored stream without its length).
void ReadBuiltInPackage(TMemoryStream& package) {
  TMemoryStream stored;
  StoredSkinStream(stored);
  if (stored.Size() <= 4) return;
  stored.SetPosition(4);
  package.CopyFrom(stored, stored.Size() - 4);
}

}  // namespace

TSkinData* NewGallerySkin(TComponent* owner) {
  auto* data = new TSkinData(owner);
  data->Skin3rd()->Add("TMenuButton=menubtn");
  ReadBuiltInPackage(data->FSkinStream);
  data->LoadSkin();
  data->SetActive(true);
  return data;
}

std::string UseSkinPackage(TSkinData& data, const std::string& path) {
  TMemoryStream packed;
  try {
    packed.LoadFromFile(path);
  } catch (const Exception& e) {
    return path + ": " + e.what();
  }
  // The reader checks the package on a copy, so that a bad file leaves the
  // skin in use alone.
  TSkinReader reader;
  packed.SetPosition(0);
  if (!reader.ReadSkinPackage(packed)) return path + ": not a skin package";
  Apply(data, packed);
  return {};
}

void UseBuiltInSkin(TSkinData& data) {
  TMemoryStream package;
  ReadBuiltInPackage(package);
  Apply(data, package);
}

std::vector<std::string> PackagesBesideProgram() {
  char module[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, module, sizeof module);
  std::string folder(module);
  folder.erase(folder.find_last_of("\\/") + 1);
  folder += "skins\\";
  std::vector<std::string> found;
  WIN32_FIND_DATAA entry{};
  const HANDLE search = FindFirstFileA((folder + "*.skin").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) found.push_back(folder + entry.cFileName);
  } while (FindNextFileA(search, &entry));
  FindClose(search);
  std::sort(found.begin(), found.end());
  return found;
}
