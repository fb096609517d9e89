#pragma once
// Small skins that the tests pack themselves: an INI description named
// skin.ini and bitmaps, packed as a version 20000 package.
#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinIni.h"
#include "tools/skinpack/LzhPacker.h"
#include "tools/skinpack/SkinPackageWriter.h"
#include "ui/Bitmap.h"
#include "ui/Stream.h"

// The BMP file of a 24-bit picture: pixel(x, y) gives its colour.
template <class Pixel>
std::vector<std::uint8_t> BmpOf(int width, int height, Pixel pixel) {
  TBitmap bitmap(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) bitmap.Canvas().SetPixel(x, y, pixel(x, y));
  TMemoryStream stream;
  bitmap.SaveToStream(stream);
  return std::vector<std::uint8_t>(stream.Memory(), stream.Memory() + stream.Size());
}

inline std::vector<std::uint8_t> SolidBmp(int width, int height, TColor colour) {
  return BmpOf(width, height, [colour](int, int) { return colour; });
}

class TSkinFixture {
 public:
  explicit TSkinFixture(std::string ini) { Entry("skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())); }

  TSkinFixture& Entry(const std::string& name, std::vector<std::uint8_t> bytes) {
    FEntries.push_back({name, std::move(bytes)});
    return *this;
  }
  TSkinFixture& Bitmap(const std::string& name, int width, int height, TColor colour = 0x336699) {
    return Entry(name, SolidBmp(width, height, colour));
  }

  // The packed package, as SkinStream or SkinFile hold it.
  std::vector<std::uint8_t> Packed() const { return LzhPack(WriteSkinPackage(FEntries, 20000)); }
  void PackInto(TMemoryStream& stream) const {
    const std::vector<std::uint8_t> packed = Packed();
    stream.Clear();
    stream.WriteBuffer(packed.data(), packed.size());
    stream.SetPosition(0);
  }

 private:
  std::vector<TSkinEntry> FEntries;
};

// A fixture opened as the skin data opens it: the package read and its
// description parsed.
struct TOpenedSkin {
  explicit TOpenedSkin(const TSkinFixture& fixture) {
    TMemoryStream packed;
    fixture.PackInto(packed);
    Valid = Package.ReadSkinPackage(packed);
    TMemoryStream description;
    std::string name;
    Package.ExtractEntryLike(".ini", description, name);
    Ini.LoadFromStream(&description);
  }

  bool Valid = false;
  TSkinReader Package;
  TQuickIni Ini;
};
