#include "tools/skingen/SkinWriter.h"

#include <filesystem>

#include "tools/skingen/SkinElements.h"
#include "ui/Stream.h"

namespace {

void Save(const std::vector<std::uint8_t>& bytes, const std::filesystem::path& path) {
  TFileStream file(path.string());
  file.WriteBuffer(bytes.data(), bytes.size());
}

}  // namespace

std::vector<std::string> WriteSkin(const std::string& iniSource, const std::string& outDir) {
  const std::filesystem::path dir(outDir);
  std::filesystem::create_directories(dir);

  std::vector<std::string> written;
  TMemoryStream ini;
  ini.LoadFromFile(iniSource);
  const std::string iniName = std::filesystem::path(iniSource).filename().string();
  ini.SaveToFile((dir / iniName).string());
  written.push_back(iniName);

  for (const TSkinBitmap& bitmap : SkinBitmaps()) {
    Save(EncodePixmap(bitmap.Draw()), dir / bitmap.FileName);
    written.emplace_back(bitmap.FileName);
  }
  return written;
}
