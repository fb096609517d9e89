#include "tools/skinpreview/SkinSource.h"

#include <filesystem>
#include <sstream>

#include "ui/Exception.h"
#include "ui/Stream.h"

namespace {

std::string FindDescription(const std::string& dir) {
  for (const auto& entry : std::filesystem::directory_iterator(dir))
    if (entry.path().filename().string().find(".ini") != std::string::npos) return entry.path().string();
  throw Exception("no skin description (*.ini) in " + dir);
}

}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::string& path) {
  TMemoryStream stream;
  stream.LoadFromFile(path);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

TSkinSource::TSkinSource(const std::string& dir) : FDir(dir) {
  TMemoryStream description;
  description.LoadFromFile(FindDescription(dir));
  FIni.LoadFromStream(&description);
}

std::vector<std::string> TSkinSource::Sections() const {
  TStringList list;
  FIni.ReadSections(list);
  std::vector<std::string> names;
  for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
  return names;
}

std::string TSkinSource::Value(std::string_view section, std::string_view key) const {
  std::string value;
  FIni.ReadString(std::string(section), std::string(key), value, "");
  return value;
}

TPixmap TSkinSource::Image(std::string_view section, std::string_view key) const {
  const std::string name = Value(section, key);
  if (name.empty()) return {};
  return DecodePixmap(ReadFileBytes((std::filesystem::path(FDir) / name).string()));
}

TRgb TSkinSource::Colour(std::string_view key, TRgb fallback) const {
  const std::string text = Value("Colours", key);
  if (text.empty()) return fallback;
  std::istringstream in(text);
  int r = 0, g = 0, b = 0;
  if (!(in >> r >> g >> b)) return fallback;
  return TRgb{static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}
