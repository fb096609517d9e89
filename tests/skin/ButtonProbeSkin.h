#pragma once
// The probe skin with a button element whose every frame has colours of
// its own, and check and radio strips whose every frame is one colour, so
// that a pixel read back from a button tells which frame is drawn there.
//
//   Buttons:     5 frames of 12 x 12 side by side, fixed 3 pixels at every
//                edge: the edge ring in FaceEdge(k), the middle in
//                FaceMiddle(k); with cut corners, the top-left pixel of
//                each frame magenta and the faces transparent.
//   CheckButton: checkFrames frames of 13 x 13 (16 x 16 for 12 frames),
//                RadioButton: radioFrames frames of 13 x 13, each in
//                GlyphColour; every frame's top-left pixel is magenta
//                (transparent).
#include <string>

#include "tests/skin/ProbeSkin.h"

namespace buttonprobe {

inline TColor FaceEdge(int frame) { return RGB(20 + 40 * frame, 70, 110); }
inline TColor FaceMiddle(int frame) { return RGB(20 + 40 * frame, 170, 40); }
inline TColor CheckColour(int frame) { return RGB(230, 10 + 18 * frame, 120); }
inline TColor RadioColour(int frame) { return RGB(120, 10 + 18 * frame, 230); }
// The skin's ButtonFace (ProbeSkin.h).
constexpr TColor kFace = RGB(200, 200, 200);
constexpr int kMargin = 3;

inline std::vector<std::uint8_t> Strip(int frames, int size, TColor (*colour)(int)) {
  return BmpOf(frames * size, size, [size, colour](int x, int y) -> TColor {
    if (x % size == 0 && y == 0) return clFuchsia;
    return colour(x / size + 1);
  });
}

// extra: more keys of the Buttons section ("NormalColour2=...\n");
// cutCorners: the faces are drawn transparently and each frame's top-left
// pixel is magenta.
inline TSkinFixture Skin(int checkFrames = 4, int radioFrames = 4, const std::string& extra = "",
                         bool cutCorners = false) {
  const int checkSize = checkFrames == 12 ? 16 : 13;
  const std::string buttons = "[Buttons]\nBitmap=buttons.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\n"
                              "Trans=" + std::string(cutCorners ? "1" : "0") +
                              "\nTile=0\nCheckButton=check.bmp\nRadioButton=radio.bmp\n" + extra;
  TSkinFixture skin = probe::Skin(true, buttons);
  skin.Entry("buttons.bmp", BmpOf(60, 12, [cutCorners](int x, int y) -> TColor {
    const int frame = x / 12 + 1, fx = x % 12;
    if (cutCorners && fx == 0 && y == 0) return clFuchsia;
    const bool edge = fx < kMargin || fx >= 12 - kMargin || y < kMargin || y >= 12 - kMargin;
    return edge ? FaceEdge(frame) : FaceMiddle(frame);
  }));
  skin.Entry("check.bmp", Strip(checkFrames, checkSize, CheckColour));
  skin.Entry("radio.bmp", Strip(radioFrames, 13, RadioColour));
  return skin;
}

}  // namespace buttonprobe
