// skininfo PACKAGE: loads a skin package through the skin data component,
// exactly as the program loads its skin, and prints what the engine read
// from it as one JSON object (UTF-8):
//   "version", "entries" [{"name", "size"}], "noSkin",
//   "colours" [19 x {"value", "given"}] by index,
//   "elements" {name: {"class", "frames", "margins" [l, t, r, b], "tile",
//               "trans", "style", "image" [w, h], ("image2" [w, h])}},
//   "sysButtons" [{"name", "action", "align", "x", "y", "visibility",
//                  "visibility1", "combineOp", "frames", "image" [w, h]}].
// Exit status 1 when the file cannot be read or is no skin the engine
// takes (the JSON then says "noSkin": true), 2 on wrong usage.
#include <windows.h>

#include <cstdio>
#include <string>

#include "skin/data/SkinRead.h"
#include "skin/data/WinSkinData.h"
#include "ui/Bytes.h"
#include "ui/Stream.h"

namespace {

// 8-bit text of the system code page as a JSON string.
std::string Quoted(const std::string& text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                                           utf8.data(), static_cast<int>(utf8.size()), nullptr,
                                                           nullptr)));
  std::string out = "\"";
  for (const char c : utf8) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Size(const TBitmap& bitmap) {
  return "[" + std::to_string(bitmap.Width()) + ", " + std::to_string(bitmap.Height()) + "]";
}

const char* ClassOf(const TDataSkinObject& element) {
  if (dynamic_cast<const TDataSkinTitle*>(&element)) return "TDataSkinTitle";
  if (dynamic_cast<const TDataSkinButton*>(&element)) return "TDataSkinButton";
  if (dynamic_cast<const TDataSkinSysButton*>(&element)) return "TDataSkinSysButton";
  if (dynamic_cast<const TDataSkinBoxLabel*>(&element)) return "TDataSkinBoxLabel";
  if (dynamic_cast<const TDataSkinBorder*>(&element)) return "TDataSkinBorder";
  return "TDataSkinObject";
}

std::string Element(const TDataSkinObject& e) {
  const RECT& m = e.FMargins;
  std::string out = "{\"class\": " + Quoted(ClassOf(e)) + ", \"frames\": " + std::to_string(e.FFrameCount) +
                    ", \"margins\": [" + std::to_string(m.left) + ", " + std::to_string(m.top) + ", " +
                    std::to_string(m.right) + ", " + std::to_string(m.bottom) + "], \"tile\": " +
                    std::to_string(e.FTile) + ", \"trans\": " + std::to_string(e.FTrans) +
                    ", \"style\": " + std::to_string(e.FStyle) + ", \"image\": " + Size(e.FBitmap);
  if (const auto* bordered = dynamic_cast<const TDataSkinBorder*>(&e)) out += ", \"image2\": " + Size(bordered->FBitmap2);
  return out + "}";
}

std::string SysButton(const TDataSkinSysButton& b) {
  return "{\"name\": " + Quoted(b.FName) + ", \"action\": " + std::to_string(b.FAction) +
         ", \"align\": " + std::to_string(b.FAlign) + ", \"x\": " + std::to_string(b.FXcoord) +
         ", \"y\": " + std::to_string(b.FYcoord) + ", \"visibility\": " + std::to_string(b.FVisibility) +
         ", \"visibility1\": " + std::to_string(b.FVisibility1) + ", \"combineOp\": " +
         std::to_string(b.FCombineOp) + ", \"frames\": " + std::to_string(b.FFrameCount) +
         ", \"image\": " + Size(b.FBitmap) + "}";
}

// The package's version, 0 when it does not unpack: checked first, so that
// an unknown version is reported here rather than in a message box.
std::int32_t PackageVersion(TMemoryStream& packed) {
  TMemoryStream unpacked;
  std::uint8_t bytes[4] = {};
  if (!TSkinReader().UnpackStream(packed, unpacked)) return 0;
  unpacked.SetPosition(0);
  if (unpacked.Read(bytes, 4) != 4) return 0;
  return GetLE32Signed(bytes);
}

std::string Report(const std::string& path, bool& loaded) {
  TMemoryStream packed;
  packed.LoadFromFile(path);
  const std::int32_t version = PackageVersion(packed);
  if (SkinPackageExtraSize(version) < 0)
    throw Exception("not a skin package of a known version (" + std::to_string(version) + ")");
  TSkinReader package;
  packed.SetPosition(0);
  const bool read = package.ReadSkinPackage(packed);
  std::string out = "{\n  \"version\": " + std::to_string(read ? package.Version() : 0) + ",\n  \"entries\": [";
  for (int i = 0; read && i < package.Count(); ++i)
    out += std::string(i ? "," : "") + "\n    {\"name\": " + Quoted(package.Names()[i]) +
           ", \"size\": " + std::to_string(package.EntrySize(i)) + "}";
  out += "\n  ],\n";

  TSkinData data(nullptr);
  data.SetSkinFile(path);
  loaded = !data.FNoSkin;
  out += "  \"noSkin\": " + std::string(data.FNoSkin ? "true" : "false") + ",\n  \"colours\": [";
  for (int i = 0; i < kSkinColourCount; ++i)
    out += std::string(i ? "," : "") + "\n    {\"value\": " + std::to_string(data.FColours[static_cast<std::size_t>(i)]) +
           ", \"given\": " + (data.FColourGiven[static_cast<std::size_t>(i)] ? "true" : "false") + "}";
  out += "\n  ],\n  \"elements\": {";
  bool first = true;
  if (!data.FNoSkin) {
    for (const TDataSkinObject* element : data.Elements()) {
      out += std::string(first ? "" : ",") + "\n    " + Quoted(element->FName) + ": " + Element(*element);
      first = false;
    }
  }
  out += "\n  },\n  \"sysButtons\": [";
  for (std::size_t i = 0; !data.FNoSkin && i < data.FSysButtons.size(); ++i)
    out += std::string(i ? "," : "") + "\n    " + SysButton(*data.FSysButtons[i]);
  return out + "\n  ]\n}\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: skininfo PACKAGE\n");
    return 2;
  }
  try {
    bool loaded = false;
    const std::string report = Report(argv[1], loaded);
    std::fwrite(report.data(), 1, report.size(), stdout);
    return loaded ? 0 : 1;
  } catch (const Exception& e) {
    std::fprintf(stderr, "skininfo: %s: %s\n", argv[1], e.Message().c_str());
    return 1;
  }
}
