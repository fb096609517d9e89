#pragma once
// A skin for the window tests whose every piece has a colour of its own:
// each part (start, middle, end) of each frame of each border, each frame
// of the title buttons. Reading a pixel back from a window tells which
// piece of which frame is drawn there.
//
//   Left, Right: 2 frames of 6 x 30 side by side; fixed top 10 and bottom 5
//                rows; the frame's top-left pixel is magenta (cut out).
//   Top:         2 frames of 40 x 20 stacked; fixed 8 columns at each end.
//   Bottom:      2 frames of 40 x 4 stacked; fixed 8 columns at each end.
//   Close (Button0, action 0) and Minimize (Button3, action 2): 4 frames of
//   10 x 10, anchored 14 and 28 pixels left of the right edge, 4 down.
// So the frame is 6 wide at the sides, 20 high at the top, 4 at the bottom.
//
// MenuSkin adds the menus' elements:
//   MenuItem:       5 frames of 20 x 8 side by side, fixed 4 columns at each
//                   end, Trans 1; the middle of frame 1 is magenta, so that
//                   the popup's background shows through a normal item.
//   MenuBackground: one 16 x 16 frame, fixed 3 pixels on every side: an
//                   edge colour around a centre colour.
#include <cstdint>
#include <memory>
#include <string>

#include "skin/data/WinSkinData.h"
#include "tests/skin/SkinFixture.h"
#include "ui/Reader.h"

namespace probe {

constexpr int kSide = 6, kTitle = 20, kBottom = 4;
enum TPart { pStart, pMiddle, pEnd };

// The colour of part of frame (1 or 2) of a border.
inline TColor BorderColour(TSkinBorder border, int frame, TPart part) {
  return RGB(40 + 50 * border, 20 + 100 * (frame - 1) + 30 * part, 200 - 60 * part);
}
// The colour of frame (1 to 4) of a title button (0 close, 1 minimize).
inline TColor ButtonColour(int button, int frame) { return RGB(250 - 20 * frame, 30 + 100 * button, 250); }

// The colour of part of frame (1 to 5) of the menu item element.
inline TColor MenuItemColour(int frame, TPart part) { return RGB(20 + 45 * frame, 60 + 60 * part, 160 - 50 * part); }
// The colour of the menu background's edge or centre.
inline TColor MenuBackgroundColour(bool edge) { return edge ? RGB(0, 140, 70) : RGB(250, 240, 180); }
constexpr int kMenuItemEnds = 4, kMenuEdge = 3;

// sidesTransparent: Trans of the side borders (1: their magenta pixels are
// cut out of the window); extra: more INI sections (title buttons drawn with
// close.bmp, for example).
// personality: more keys of the Personality section.
inline TSkinFixture Skin(bool sidesTransparent = true, const std::string& extra = "",
                         const std::string& personality = "") {
  const auto side = [](TSkinBorder border) {
    return BmpOf(2 * kSide, 30, [border](int x, int y) -> TColor {
      const int frame = x / kSide + 1;
      if (x % kSide == 0 && y == 0) return clFuchsia;
      return BorderColour(border, frame, y < 10 ? pStart : y >= 25 ? pEnd : pMiddle);
    });
  };
  const auto along = [](TSkinBorder border, int height) {
    return BmpOf(40, 2 * height, [border, height](int x, int y) -> TColor {
      return BorderColour(border, y / height + 1, x < 8 ? pStart : x >= 32 ? pEnd : pMiddle);
    });
  };
  const auto button = [](int index) {
    return BmpOf(40, 10, [index](int x, int) { return ButtonColour(index, x / 10 + 1); });
  };
  const std::string trans = sidesTransparent ? "1" : "0";
  const std::string ini =
      "[Personality]\nLeft=left.bmp\nLeftFrame=2\nLeftTopHeight=10\nLeftBotHeight=5\nLeftStretch=0\nLeftTrans=" + trans + "\n"
      "Right=right.bmp\nRightFrame=2\nRightTopHeight=10\nRightBotHeight=5\nRightStretch=0\nRightTrans=" + trans + "\n"
      "Top=top.bmp\nTopFrame=2\nTopTopHeight=8\nTopBotHeight=8\nTopStretch=0\nTopTrans=0\n"
      "Bottom=bottom.bmp\nBottomFrame=2\nBottomTopHeight=8\nBottomBotHeight=8\nBottomStretch=0\nBottomTrans=0\n"
      "TextShift=30\nTextRightClip=30\n" + personality +
      "[Colours]\nTitleTextActive=255 255 0\nTitleTextNoActive=0 255 255\nButtonFace=200 200 200\n"
      "[Button0]\nAction=0\nAlign=1\nXcoord=14\nYcoord=4\nframe=4\nButtonImage=close.bmp\n"
      "[Button3]\nAction=2\nAlign=1\nXcoord=28\nYcoord=4\nframe=4\nButtonImage=minimize.bmp\n" + extra;
  return TSkinFixture(ini)
      .Entry("left.bmp", side(sbLeft))
      .Entry("right.bmp", side(sbRight))
      .Entry("top.bmp", along(sbTop, kTitle))
      .Entry("bottom.bmp", along(sbBottom, kBottom))
      .Entry("close.bmp", button(0))
      .Entry("minimize.bmp", button(1));
}

inline TSkinFixture MenuSkin() {
  const std::string sections =
      "[MenuItem]\nImage=menuitem.bmp\nLeftWidth=4\nRightWidth=4\nTrans=1\n"
      "[MenuBackground]\nImage=menubackground.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\nBottomHeight=3\n";
  return Skin(true, sections)
      .Entry("menuitem.bmp", BmpOf(100, 8,
                                   [](int x, int) -> TColor {
                                     const int frame = x / 20 + 1, column = x % 20;
                                     const TPart part = column < 4 ? pStart : column >= 16 ? pEnd : pMiddle;
                                     if (frame == 1 && part == pMiddle) return clFuchsia;
                                     return MenuItemColour(frame, part);
                                   }))
      .Entry("menubackground.bmp", BmpOf(16, 16, [](int x, int y) {
               return MenuBackgroundColour(x < 3 || y < 3 || x >= 13 || y >= 13);
             }));
}

// A skin data component built as a form's description builds it (loading
// state, Active, SkinStream, then Loaded), owned by owner.
inline TSkinData* LoadedSkinData(TComponent& owner, const TSkinFixture& skin, TSkinFormType scope = sfMainform,
                                 bool active = true, TSkinOptions options = TSkinData::kDefaultOptions) {
  TReader reader(owner);
  auto* data = reader.Create<TSkinData>("");
  data->SetSkinFormtype(scope);
  data->SetOptions(options);
  data->SetActive(active);
  const std::vector<std::uint8_t> packed = skin.Packed();
  TMemoryStream stream;
  std::uint8_t size[4];
  for (int i = 0; i < 4; ++i) size[i] = static_cast<std::uint8_t>(packed.size() >> (8 * i));
  stream.WriteBuffer(size, 4);
  stream.WriteBuffer(packed.data(), packed.size());
  stream.SetPosition(0);
  reader.ReadBinaryProperty(*data, "SkinStream", stream);
  reader.EndRead();
  return data;
}

}  // namespace probe
