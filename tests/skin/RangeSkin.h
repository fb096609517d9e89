#pragma once
// The probe skin with the elements of the range controls, header controls
// and status bars, each frame in a colour of its own, so that a pixel read
// back from a window tells which frame of which element is drawn there.
// Only the elements asked for are in the skin.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/skin/ProbeSkin.h"

namespace ranges {

enum TElements : unsigned {
  eUpDown = 1,          // UpDown.Vert with glyphs, UpDown.Horz without
  eProgress = 2,        // Progress, two frames (Style 0)
  eProgressChunk = 4,   // Progress with Style 1, and Progress.Chunk
  eThumbs = 8,          // Trackbar.ThumbHorz, Trackbar.ThumbVert
  eTrack = 16,          // Track, TRACKVERT
  eHeader = 32,         // Headerbar
  eStatus = 64,         // StatusBarEdges
  eExtraImages = 128,   // ExtraImages (the size grip is frame 5)
  eChunkTiled = 256,    // with eProgressChunk: the chunks side by side (Tile=1)
};

// The probe skin's button face, and the text colour of StatusBarEdges.
constexpr TColor kFace = RGB(200, 200, 200);
constexpr TColor kStatusText = RGB(0, 90, 250);

// Frame k (1-based) of an element.
inline TColor UpDownColour(bool horizontal, int frame) { return RGB(horizontal ? 70 : 10, 20 * frame, 90); }
inline TColor GlyphColour(int frame) { return RGB(240, 20 * frame, 30); }
inline TColor ProgressColour(int frame) { return RGB(30, 160 + 40 * frame, 30); }
inline TColor ChunkColour(bool bottomRow) { return bottomRow ? RGB(90, 0, 90) : RGB(150, 50, 0); }
inline TColor ThumbColour(bool vertical, int frame) { return RGB(vertical ? 200 : 100, 200, 10 * frame); }
// Track images: the caps and the middle (part 0, 1, 2).
inline TColor TrackColour(bool vertical, int part) { return RGB(50 + 60 * part, vertical ? 10 : 250, 180); }
inline TColor HeaderColour(int frame) { return RGB(255, 150, 20 * frame); }
inline TColor StatusColour(int frame) { return RGB(60 * frame, 220, 220); }
inline TColor ExtraColour(int frame) { return RGB(20, 20 * frame, 200); }

// Sizes of the element frames.
constexpr int kUpDownFrame = 10, kGlyph = 4, kThumbLong = 14, kThumbShort = 8, kTrackLength = 16, kTrackWidth = 4,
              kTrackCap = 3, kChunkWidth = 6, kChunkHeight = 8, kGrip = 8;

inline TSkinFixture Skin(unsigned elements) {
  std::string ini;
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> entries;
  // Eight frames side by side.
  const auto strip = [](int frames, int width, int height, auto colour) {
    return BmpOf(frames * width, height, [=](int x, int y) { return colour(x / width + 1, x % width, y); });
  };
  const auto entry = [&entries](const char* name, std::vector<std::uint8_t> bytes) {
    entries.emplace_back(name, std::move(bytes));
  };
  if (elements & eUpDown) {
    ini += "[UpDown.Vert]\nImage=updownv.bmp\nGlyphImage=glyph.bmp\n[UpDown.Horz]\nImage=updownh.bmp\n";
    entry("updownv.bmp", strip(8, kUpDownFrame, kUpDownFrame, [](int f, int, int) { return UpDownColour(false, f); }));
    entry("updownh.bmp", strip(8, kUpDownFrame, kUpDownFrame, [](int f, int, int) { return UpDownColour(true, f); }));
    entry("glyph.bmp", strip(8, kGlyph, kGlyph, [](int f, int, int) { return GlyphColour(f); }));
  }
  if (elements & (eProgress | eProgressChunk)) {
    const bool chunk = (elements & eProgressChunk) != 0;
    ini += std::string("[Progress]\nBitmap=progress.bmp\nStyle=") + (chunk ? "1" : "0") + "\n";
    entry("progress.bmp", strip(chunk ? 1 : 2, 20, 10, [](int f, int, int) { return ProgressColour(f); }));
    if (chunk) {
      ini += std::string("[Progress.Chunk]\nImage=chunk.bmp\nFrame=1\nTile=") + (elements & eChunkTiled ? "1" : "0") +
             "\n";
      entry("chunk.bmp", BmpOf(kChunkWidth, kChunkHeight, [](int, int y) { return ChunkColour(y == kChunkHeight - 1); }));
    }
  }
  if (elements & eThumbs) {
    ini += "[Trackbar.ThumbHorz]\nImage=thumbh.bmp\n[Trackbar.ThumbVert]\nImage=thumbv.bmp\n";
    entry("thumbh.bmp", strip(5, kThumbShort, kThumbLong, [](int f, int, int) { return ThumbColour(false, f); }));
    entry("thumbv.bmp", strip(5, kThumbLong, kThumbShort, [](int f, int, int) { return ThumbColour(true, f); }));
  }
  if (elements & eTrack) {
    const auto part = [](int at) { return at < kTrackCap ? 0 : at >= kTrackLength - kTrackCap ? 2 : 1; };
    ini += "[Track]\nImage=track.bmp\nFrame=1\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n"
           "[TRACKVERT]\nImage=trackv.bmp\nFrame=1\nLeftWidth=3\nRightWidth=3\nTopHeight=3\nBottomHeight=3\n";
    entry("track.bmp", BmpOf(kTrackLength, kTrackWidth, [=](int x, int) { return TrackColour(false, part(x)); }));
    entry("trackv.bmp", BmpOf(kTrackWidth, kTrackLength, [=](int, int y) { return TrackColour(true, part(y)); }));
  }
  if (elements & eHeader) {
    ini += "[Headerbar]\nImage=header.bmp\nFrame=5\n";
    entry("header.bmp", strip(5, 20, 20, [](int f, int, int) { return HeaderColour(f); }));
  }
  if (elements & eStatus) {
    ini += "[StatusBarEdges]\nImage=status.bmp\nNormalColour2=0 90 250\n";
    entry("status.bmp", strip(3, 12, 12, [](int f, int, int) { return StatusColour(f); }));
  }
  if (elements & eExtraImages) {
    ini += "[ExtraImages]\nImage=extra.bmp\n";
    entry("extra.bmp", strip(5, kGrip, kGrip, [](int f, int, int) { return ExtraColour(f); }));
  }
  TSkinFixture fixture = probe::Skin(true, ini);
  for (auto& [name, bytes] : entries) fixture.Entry(name, std::move(bytes));
  return fixture;
}

}  // namespace ranges
