#include "StandInSkin.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

std::uint32_t Rgb(int r, int g, int b) {
  auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
  return clamp(r) << 16 | clamp(g) << 8 | clamp(b);
}

// A frame strip: frames side by side, each a bevelled, shaded face with
// transparent corners and a frame-dependent tint.
std::vector<std::uint8_t> FrameStrip(int frameWidth, int height, int frames, int bits) {
  return MakeBmp(frameWidth * frames, height, bits, [=](int x, int y) -> std::uint32_t {
    const int frame = x / frameWidth;
    const int fx = x % frameWidth;
    const bool corner = (fx < 2 || fx >= frameWidth - 2) && (y < 2 || y >= height - 2);
    if (corner) return kMagenta;
    if (fx == 0 || y == 0) return Rgb(250, 250, 252);
    if (fx == frameWidth - 1 || y == height - 1) return Rgb(90, 96, 110);
    const int shade = 200 - 60 * y / height + 12 * frame;
    return Rgb(shade - 20, shade - 5, shade + 25);
  });
}

}  // namespace

std::string StandInSkinIni() {
  std::string ini = "; stand-in skin description\r\n[Personality]\r\nSkinName=Stand-in\r\nTopHeight=30\r\n";
  const char* keys[] = {"Image", "Frames", "Left", "Top", "Right", "Bottom", "Tile", "TransparentColor",
                        "FontColor", "Alignment", "Visibility", "Action"};
  for (int section = 0; section < 76; ++section) {
    ini += "\r\n[Element" + std::to_string(section) + "]\r\n";
    for (int k = 0; k < 12; ++k) {
      ini += std::string(keys[k]) + "=";
      ini += k == 0 ? "element" + std::to_string(section % 9) + ".bmp" : std::to_string((section * 7 + k * 13) % 64);
      ini += "\r\n";
    }
  }
  ini += "[Colours]\r\nButtonFace=236 233 216\r\nHilight=0x316AC5\r\n";
  return ini;
}

std::vector<TSkinEntry> StandInSkinEntries() {
  std::vector<TSkinEntry> entries;
  const std::string ini = StandInSkinIni();
  entries.push_back({"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())});
  const struct {
    const char* name;
    int frameWidth, height, frames, bits;
  } strips[] = {
      {"bottom.bmp", 266, 32, 1, 24},    {"buttons.bmp", 40, 23, 5, 24},  {"left.bmp", 14, 158, 2, 24},
      {"menu.bmp", 120, 200, 1, 32},     {"right.bmp", 14, 158, 2, 24},   {"scrollbar.bmp", 17, 17, 23, 24},
      {"tabs.bmp", 60, 22, 4, 24},       {"top.bmp", 266, 128, 1, 24},    {"track.bmp", 300, 120, 1, 24},
  };
  for (const auto& s : strips) entries.push_back({s.name, FrameStrip(s.frameWidth, s.height, s.frames, s.bits)});
  std::sort(entries.begin(), entries.end(), [](const TSkinEntry& a, const TSkinEntry& b) { return a.Name < b.Name; });
  return entries;
}
