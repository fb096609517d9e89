#include "skin/window/SkinDraw.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "tests/skin/Pixels.h"
#include "tests/ui/TestForm.h"
#include "ui/Stream.h"

namespace {

constexpr TColor K = clFuchsia, G = 0x404040, R = 0x0000FF, Bl = 0xFF0000, Gr = 0x00FF00, Y = 0x00FFFF,
                 C = 0xFFFF00;
// In an expected row: a pixel blended by half-toned stretching, not checked.
constexpr TColor kBlend = 0x7FFFFFFF;

// A 4 x 4 frame: 1-pixel corners R, edges Gr, centre 2 x 2 of Bl and Y.
void NineGridFrame(TBitmap& b) {
  Paint(b, 4, 4, {R, Gr, Gr, R,   //
                  Gr, Bl, Y, Gr,  //
                  Gr, Bl, Y, Gr,  //
                  R, Gr, Gr, R});
}

std::vector<TColor> Row(TBitmap& b, int y) {
  std::vector<TColor> row;
  for (int x = 0; x < b.Width(); ++x) row.push_back(b.Canvas().Pixel(x, y));
  return row;
}

// A three-part draw: a strip of `frames` stacked frames, each one row of
// `width` pixels, drawn into a target on a G background of `canvasWidth`.
struct TThreePartCase {
  const char* Name;
  std::vector<TColor> Strip;
  int Frames, K;
  RECT Margins;
  RECT Target;
  int CanvasWidth;
  std::vector<TColor> Expected;
  bool Transparent = false;
};

::testing::AssertionResult RowMatches(const std::vector<TColor>& row, const std::vector<TColor>& expected) {
  bool same = row.size() == expected.size();
  for (std::size_t i = 0; same && i < row.size(); ++i) same = expected[i] == kBlend || row[i] == expected[i];
  if (same) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << "row";
  for (const TColor c : row) failure << ' ' << std::hex << c;
  return failure;
}

// Runs the case with draw(canvas, target, strip), then checks every row of
// the canvas.
template <class Draw>
void CheckThreePart(const TThreePartCase& c, int height, Draw draw) {
  SCOPED_TRACE(c.Name);
  TBitmap strip;
  const int width = static_cast<int>(c.Strip.size()) / c.Frames;
  Paint(strip, width, c.Frames, c.Strip);
  TBitmap canvas;
  Paint(canvas, c.CanvasWidth, height, std::vector<TColor>(static_cast<std::size_t>(c.CanvasWidth * height), G));
  draw(canvas, c.Target, strip);
  for (int y = 0; y < height; ++y) EXPECT_TRUE(RowMatches(Row(canvas, y), c.Expected)) << "row " << y;
}

}  // namespace

TEST(SkinDraw, SelectFrame) {
  TBitmap b(40, 12);
  const TFrame third = SelectFrame(b, false, 4, 3);
  EXPECT_EQ(third.X, 20);
  EXPECT_EQ(third.Y, 0);
  EXPECT_EQ(third.Width, 10);
  EXPECT_EQ(third.Height, 12);
  const TFrame stacked = SelectFrame(b, true, 3, 2);
  EXPECT_EQ(stacked.Y, 4);
  EXPECT_EQ(stacked.Height, 4);
  EXPECT_EQ(stacked.Width, 40);
  // A frame count of 0 from a skin counts as one frame.
  EXPECT_EQ(SelectFrame(b, false, 0, 1).Width, 40);
}

TEST(SkinDraw, NineGridKeepsCornersAndFitsTheMiddle) {
  TBitmap frame;
  NineGridFrame(frame);
  const RECT margins{1, 1, 1, 1};
  // Tiled centre: B Y repeated; stretched: B then Y halves.
  const std::unique_ptr<TBitmap> tiled = RenderNineGrid(RECT{0, 0, 7, 3}, frame, margins, false, true, 1, 1);
  EXPECT_EQ(Row(*tiled, 0), (std::vector<TColor>{R, Gr, Gr, Gr, Gr, Gr, R}));
  EXPECT_EQ(Row(*tiled, 1), (std::vector<TColor>{Gr, Bl, Y, Bl, Y, Bl, Gr}));
  EXPECT_EQ(Row(*tiled, 2), (std::vector<TColor>{R, Gr, Gr, Gr, Gr, Gr, R}));
  const std::unique_ptr<TBitmap> stretched = RenderNineGrid(RECT{5, 5, 11, 8}, frame, margins, false, false, 1, 1);
  // Stretching is half-toned: only the ends of the doubled centre are pure.
  const std::vector<TColor> middle = Row(*stretched, 1);
  EXPECT_EQ(middle[0], Gr);
  EXPECT_EQ(middle[1], Bl);
  EXPECT_EQ(middle[4], Y);
  EXPECT_EQ(middle[5], Gr);
  // Narrower than both ends: no ends, the whole frame is the centre.
  const std::unique_ptr<TBitmap> narrow = RenderNineGrid(RECT{0, 0, 1, 4}, frame, RECT{1, 0, 1, 0}, false, true,
                                                         1, 1);
  EXPECT_EQ(PixelsOf(*narrow), (std::vector<TColor>{R, Gr, Gr, R}));
}

TEST(SkinDraw, NineGridCutsTheRequestedFrame) {
  // Three stacked 2 x 1 frames: R, Gr, Bl.
  TBitmap strip;
  Paint(strip, 2, 3, {R, R, Gr, Gr, Bl, Bl});
  const std::unique_ptr<TBitmap> second = RenderNineGrid(RECT{0, 0, 3, 2}, strip, RECT{}, true, false, 3, 2);
  EXPECT_EQ(PixelsOf(*second), std::vector<TColor>(6, Gr));
}

TEST(SkinDraw, TransparentDrawingKeepsTheDestinationUnderMagenta) {
  TBitmap target;
  Paint(target, 4, 1, std::vector<TColor>(4, G));
  TBitmap picture;
  Paint(picture, 3, 1, {R, K, Bl});
  DrawTransparent(target.Canvas().Handle(), RECT{1, 0, 5, 1}, picture, K);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, R, G, Bl}));

  Paint(target, 4, 1, std::vector<TColor>(4, G));
  TBitmap frame;
  Paint(frame, 3, 1, {K, Y, Bl});
  DrawNineGrid(target.Canvas().Handle(), RECT{0, 0, 4, 1}, frame, false, false, true, 1, 1, RECT{1, 0, 1, 0});
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, Y, Y, Bl}));
  // Negative sizes draw nothing.
  DrawNineGrid(target.Canvas().Handle(), RECT{3, 0, 0, 1}, frame, false, false, false, 1, 1, RECT{});
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, Y, Y, Bl}));
}

TEST(SkinDraw, TransparentDrawingOfAPaletteBitmapKeysTheExactColourOnly) {
  // An 8-bit bitmap whose table lacks magenta but has a colour next to it.
  constexpr TColor nearKey = 0xFE00FE;
  TBmpImage image;
  image.Width = 3;
  image.Height = 1;
  image.BitsPerPixel = 8;
  image.Palette = {TBmpColour{0xFE, 0x00, 0xFE}, TBmpColour{0x00, 0x00, 0xFF}};
  image.Pixels = {0, 1, 0, 0};
  const std::vector<std::uint8_t> bytes = EncodeBmp(image);
  TMemoryStream stream;
  stream.WriteBuffer(bytes.data(), bytes.size());
  stream.SetPosition(0);
  TBitmap picture;
  picture.LoadFromStream(stream);
  ASSERT_EQ(picture.PixelFormat(), TPixelFormat::pf8bit);
  TBitmap target;
  Paint(target, 3, 1, std::vector<TColor>(3, G));
  DrawTransparent(target.Canvas().Handle(), RECT{0, 0, 3, 1}, picture, K);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{nearKey, R, nearKey}));
}

TEST(SkinDraw, DrawCentredPutsTheFrameInTheMiddle) {
  // Two side-by-side 2 x 1 frames; the second is K Y.
  TBitmap strip;
  Paint(strip, 4, 1, {R, R, K, Y});
  TBitmap target;
  Paint(target, 5, 3, std::vector<TColor>(15, G));
  // (5 - 2) / 2 = 1 across, (3 - 1) / 2 = 1 down.
  DrawCentred(target.Canvas().Handle(), RECT{0, 0, 5, 3}, strip, true, 2, 2);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, G, G, G, G,  //
                                                   G, G, Y, G, G,  //
                                                   G, G, G, G, G}));
  DrawCentred(target.Canvas().Handle(), RECT{0, 0, 4, 1}, strip, false, 2, 1);
  EXPECT_EQ(Row(target, 0), (std::vector<TColor>{G, R, R, G, G}));
}

TEST(SkinDraw, ThreePartRepeatsTheMiddleBetweenTheEnds) {
  // Frames of 5: ends R and Gr, middle Bl Y C; the second frame reversed.
  const std::vector<TColor> two{R, Bl, Y, C, Gr,  //
                                Gr, C, Y, Bl, R};
  const TThreePartCase cases[] = {
      {"middle repeated, the last copy under the right end", two, 2, 1, {1, 0, 1, 0}, {0, 0, 10, 2}, 10,
       {R, Bl, Y, C, Bl, Y, C, Bl, Y, Gr}},
      {"second stacked frame, at an offset", two, 2, 2, {1, 0, 1, 0}, {1, 0, 8, 2}, 9,
       {G, Gr, C, Y, Bl, C, Y, R, G}},
      {"narrower than the ends: the right end is drawn over the left", two, 2, 1, {1, 0, 1, 0}, {0, 0, 1, 2}, 2,
       {Gr, G}},
      {"magenta leaves the canvas", {R, K, Gr}, 1, 1, {1, 0, 1, 0}, {0, 0, 4, 2}, 4, {R, G, G, Gr}, true},
      // Ends that leave no middle: the frame is stretched whole across.
      {"middle of width 0", {R, R, Gr, Gr}, 1, 1, {2, 0, 2, 0}, {0, 0, 8, 2}, 8,
       {R, R, R, kBlend, kBlend, Gr, Gr, Gr}},
      {"middle of negative width", {R, R, Gr, Gr}, 1, 1, {3, 0, 2, 0}, {0, 0, 8, 2}, 8,
       {R, R, R, kBlend, kBlend, Gr, Gr, Gr}},
      {"no middle, frame width", {R, Bl, Gr}, 1, 1, {2, 0, 2, 0}, {0, 0, 3, 2}, 3, {R, Bl, Gr}},
      {"negative width draws nothing", two, 2, 1, {1, 0, 1, 0}, {4, 0, 1, 2}, 4, {G, G, G, G}},
  };
  for (const TThreePartCase& c : cases) {
    CheckThreePart(c, 2, [&](TBitmap& canvas, const RECT& target, TBitmap& strip) {
      DrawThreePart(canvas.Canvas(), target, strip, true, c.Transparent, c.Frames, c.K, c.Margins);
    });
  }
}

TEST(SkinDraw, StretchedEndsKeepTheirWidth) {
  const TThreePartCase cases[] = {
      {"middle stretched between the ends", {R, Bl, Y, Gr}, 1, 1, {1, 0, 1, 0}, {1, 0, 7, 1}, 8,
       {G, R, Bl, Bl, Y, Y, Gr, G}},
      {"second stacked frame", {R, Bl, Y, Gr, Gr, Y, Bl, R}, 2, 2, {1, 0, 1, 0}, {0, 0, 6, 1}, 6,
       {Gr, Y, Y, Bl, Bl, R}},
      {"narrower than the frame: the whole frame shrunk", {R, R, C, C, Y, Y, Gr, Gr}, 1, 1, {2, 0, 2, 0},
       {0, 0, 4, 1}, 4, {R, C, Y, Gr}},
      {"no middle: the whole frame stretched", {R, R, Gr, Gr}, 1, 1, {3, 0, 2, 0}, {0, 0, 8, 1}, 8,
       {R, R, R, R, Gr, Gr, Gr, Gr}},
      {"negative width draws nothing", {R, Bl, Y, Gr}, 1, 1, {1, 0, 1, 0}, {3, 0, 1, 1}, 3, {G, G, G}},
  };
  for (const TThreePartCase& c : cases) {
    CheckThreePart(c, 1, [&](TBitmap& canvas, const RECT& target, TBitmap& strip) {
      // Straight onto the context, in its own stretch mode: exact pixels.
      SetStretchBltMode(canvas.Canvas().Handle(), COLORONCOLOR);
      DrawStretchedEnds(canvas.Canvas().Handle(), target, strip, true, c.Frames, c.K, c.Margins);
    });
  }
}

TEST(SkinDraw, DrawFrameStretchesTheChosenFrame) {
  // Four 2 x 1 frames side by side; the third is Bl K.
  TBitmap strip;
  Paint(strip, 8, 1, {R, R, Gr, Gr, Bl, K, Y, Y});
  TBitmap target;
  Paint(target, 5, 2, std::vector<TColor>(10, G));
  DrawFrame(target.Canvas().Handle(), RECT{0, 0, 4, 2}, strip, false, 4, 3);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{Bl, Bl, K, K, G,  //
                                                   Bl, Bl, K, K, G}));
  Paint(target, 5, 2, std::vector<TColor>(10, G));
  DrawFrame(target.Canvas().Handle(), RECT{1, 0, 5, 2}, strip, true, 4, 3);
  EXPECT_EQ(PixelsOf(target), (std::vector<TColor>{G, Bl, Bl, G, G,  //
                                                   G, Bl, Bl, G, G}));
  DrawFrame(target.Canvas().Handle(), RECT{4, 0, 0, 2}, strip, false, 4, 1);
  EXPECT_EQ(Row(target, 0), (std::vector<TColor>{G, Bl, Bl, G, G}));
}

namespace {

std::unique_ptr<TTestForm> NewTestForm() {
  return std::unique_ptr<TTestForm>(TCustomForm::Create<TTestForm>(nullptr));
}

}  // namespace

TEST(SkinDraw, ParentBackgroundIsThePanelUnderTheControl) {
  // The test form's panel is 390 x 276 with a raised bevel of width 1.
  auto form = NewTestForm();
  TPanel& parent = *form->Panel1;
  parent.SetCaption("");
  parent.SetColor(Y);
  const TColor light = ColorToRGB(SystemColor(COLOR_BTNHIGHLIGHT));
  const TColor shadow = ColorToRGB(SystemColor(COLOR_BTNSHADOW));
  ASSERT_NE(light, shadow);
  TPanel* child = new TPanel(form.get());
  child->SetParent(&parent);

  struct TCase {
    const char* Name;
    int Left, Top;
    // The expected corners: top-left, top-right, bottom-left, bottom-right.
    TColor Corners[4];
  };
  const TCase cases[] = {
      {"top-left corner", 0, 0, {light, light, light, Y}},
      {"bottom-right corner", 370, 266, {Y, shadow, shadow, shadow}},
      {"inside", 100, 50, {Y, Y, Y, Y}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    child->SetBounds(c.Left, c.Top, 20, 10);
    // A context larger than the control: what lies beyond it stays.
    TBitmap picture;
    Paint(picture, 22, 12, std::vector<TColor>(22 * 12, G));
    const HDC dc = picture.Canvas().Handle();
    PaintParentBackground(*child, dc);
    EXPECT_EQ(picture.Canvas().Pixel(0, 0), c.Corners[0]);
    EXPECT_EQ(picture.Canvas().Pixel(19, 0), c.Corners[1]);
    EXPECT_EQ(picture.Canvas().Pixel(0, 9), c.Corners[2]);
    EXPECT_EQ(picture.Canvas().Pixel(19, 9), c.Corners[3]);
    EXPECT_EQ(picture.Canvas().Pixel(10, 5), Y);
    EXPECT_EQ(picture.Canvas().Pixel(20, 5), G);
    EXPECT_EQ(picture.Canvas().Pixel(10, 10), G);
    POINT origin{1, 1};
    GetViewportOrgEx(dc, &origin);
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);
  }

  // Without a parent there is nothing to paint.
  TPanel orphan(nullptr);
  TBitmap picture;
  Paint(picture, 4, 4, std::vector<TColor>(16, G));
  PaintParentBackground(orphan, picture.Canvas().Handle());
  EXPECT_EQ(PixelsOf(picture), std::vector<TColor>(16, G));
}

TEST(SkinDraw, TheDrawingBufferLivesFromTheFirstStartToTheLastEnd) {
  ASSERT_EQ(SkinDrawBuffer(), nullptr);
  TBitmap* buffer = nullptr;
  {
    const TSkinDrawingScope outer;
    buffer = SkinDrawBuffer();
    ASSERT_NE(buffer, nullptr);
    EXPECT_EQ(GetStretchBltMode(buffer->Canvas().Handle()), HALFTONE);
    {
      const TSkinDrawingScope inner;
      EXPECT_EQ(SkinDrawBuffer(), buffer);
    }
    EXPECT_EQ(SkinDrawBuffer(), buffer);
  }
  EXPECT_EQ(SkinDrawBuffer(), nullptr);
  // An end without a start is ignored: the next start still creates it.
  EndSkinDrawing();
  StartSkinDrawing();
  EXPECT_NE(SkinDrawBuffer(), nullptr);
  EndSkinDrawing();
  EXPECT_EQ(SkinDrawBuffer(), nullptr);
}
