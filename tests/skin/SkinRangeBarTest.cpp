// Progress bars and track bars painted from the skin, on real windows under
// Wine: how far a bar is filled for its range and position, lying and
// standing, in the two-frame and in the chunk style; a track bar's channel
// and thumb, horizontal and vertical, with the built-in channel images and
// without thumb images, the control's own tick marks, and the thumb dragged
// with the mouse; nothing leaking.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/RangeSkin.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/WindowPixels.h"
#include "tests/support/GdiCount.h"
#include "ui/ProgressBar.h"
#include "ui/TrackBar.h"

namespace {

using ranges::ChunkColour;
using ranges::ProgressColour;
using ranges::ThumbColour;
using ranges::TrackColour;

template <class T>
T* Add(TForm& form, int x, int y, int width, int height) {
  auto* control = new T(&form);
  control->SetParent(&form);
  control->SetBounds(x, y, width, height);
  return control;
}

RECT ClientOf(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return client;
}

// How many pixels of the colour lie in a row from x0 on (step 1) or in a
// column from the bottom up.
int RunInRow(const TWindowShot& shot, int y, int x0, int x1, TColor colour) {
  int run = 0;
  for (int x = x0; x < x1; ++x) run += shot(x, y) == colour;
  return run;
}
int RunInColumn(const TWindowShot& shot, int x, int y0, int y1, TColor colour) {
  int run = 0;
  for (int y = y0; y < y1; ++y) run += shot(x, y) == colour;
  return run;
}

class SkinRangeBars : public ::testing::Test {
 protected:
  void Open(unsigned elements) {
    Window = std::make_unique<TSkinnedWindow>(ranges::Skin(elements), 320, 240);
    Bar = Add<TProgressBar>(*Window->Form, 10, 10, 200, 14);
    Standing = Add<TProgressBar>(*Window->Form, 230, 10, 14, 120);
    Standing->SetOrientation(TProgressBarOrientation::pbVertical);
    Standing->SetBounds(230, 10, 14, 120);
    Track = Add<TTrackBar>(*Window->Form, 10, 60, 200, 32);
    StandingTrack = Add<TTrackBar>(*Window->Form, 260, 10, 32, 150);
    StandingTrack->SetOrientation(TTrackBarOrientation::trVertical);
    StandingTrack->SetBounds(260, 10, 32, 150);
    for (TTrackBar* track : {Track, StandingTrack}) {
      track->SetMax(10);
      track->SetPosition(5);
    }
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }
  void TearDown() override {
    MoveMouseTo(POINT{0, 0});
    Window.reset();
  }
  void SetRange(TProgressBar& bar, int min, int max, int position) {
    bar.SetMin(std::min(min, bar.Min()));
    bar.SetMax(max);
    bar.SetMin(min);
    bar.SetPosition(position);
  }
  static RECT ThumbOf(TTrackBar& track) {
    RECT thumb{};
    SendMessageA(track.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    return thumb;
  }
  // Standing for a vertical track bar, whichever way the system reports it.
  static RECT ChannelOf(TTrackBar& track) {
    RECT c{};
    SendMessageA(track.Handle(), TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&c));
    const bool lying = c.right - c.left > c.bottom - c.top;
    if (track.Orientation() == TTrackBarOrientation::trVertical && lying) return RECT{c.top, c.left, c.bottom, c.right};
    return c;
  }

  std::unique_ptr<TSkinnedWindow> Window;
  TProgressBar* Bar = nullptr;
  TProgressBar* Standing = nullptr;
  TTrackBar* Track = nullptr;
  TTrackBar* StandingTrack = nullptr;
};

}  // namespace

TEST_F(SkinRangeBars, TheDispatchWrapsBothKinds) {
  Open(ranges::eProgress | ranges::eThumbs);
  for (TWinControl* control : std::initializer_list<TWinControl*>{Bar, Standing, Track, StandingTrack})
    EXPECT_EQ(SendMessageA(control->Handle(), SKM_QUERYSKINNED, 0, 0), 1) << control->ClassName();
}

// The filled part (frame 2) reaches from the low limit to the position,
// over the empty bar (frame 1); a standing bar fills from the bottom.
TEST_F(SkinRangeBars, ProgressBarsFillFromTheLowLimitToThePosition) {
  Open(ranges::eProgress);
  struct Case {
    bool standing;
    int min, max, position;
    int filled;
  };
  const Case cases[] = {
      {false, 0, 100, 0, 0},     {false, 0, 100, 50, 100},   {false, 20, 120, 70, 100},
      {false, 0, 100, 100, 200}, {false, -10, 0, -5, 0},     {true, 0, 100, 25, 30},
      {true, 0, 100, 100, 120},  {true, 0, 100, 0, 0},
  };
  for (const Case& c : cases) {
    TProgressBar& bar = c.standing ? *Standing : *Bar;
    SetRange(bar, c.min, c.max, c.position);
    const RECT client = ClientOf(bar.Handle());
    const TWindowShot shot(bar.Handle());
    const std::string what = std::to_string(c.min) + ".." + std::to_string(c.max) + " at " +
                             std::to_string(c.position) + (c.standing ? " standing" : "");
    if (c.standing) {
      const int x = client.right / 2;
      EXPECT_EQ(RunInColumn(shot, x, 0, client.bottom, ProgressColour(2)), c.filled) << what;
      EXPECT_EQ(RunInColumn(shot, x, 0, client.bottom, ProgressColour(1)), client.bottom - c.filled) << what;
      // Filled from the bottom.
      if (c.filled > 0) {
        EXPECT_EQ(shot(x, client.bottom - 1), ProgressColour(2)) << what;
      }
    } else {
      const int y = client.bottom / 2;
      EXPECT_EQ(RunInRow(shot, y, 0, client.right, ProgressColour(2)), c.filled) << what;
      EXPECT_EQ(RunInRow(shot, y, 0, client.right, ProgressColour(1)), client.right - c.filled) << what;
      if (c.filled > 0) {
        EXPECT_EQ(shot(0, y), ProgressColour(2)) << what;
      }
    }
  }
}

// The chunk style: the whole image is the bar; the low limit does not
// count (70 of 120 over 200 pixels is 117); the chunks start 2 pixels in.
// Stretched, the chunk fills the bar but 2 pixels at the top and bottom,
// its own last row included; tiled, it keeps its height, centred.
TEST_F(SkinRangeBars, ChunkBarsIgnoreTheLowLimit) {
  for (const bool tiled : {false, true}) {
    Open(ranges::eProgressChunk | (tiled ? ranges::eChunkTiled : 0u));
    SetRange(*Bar, 20, 120, 70);
    const RECT client = ClientOf(Bar->Handle());
    const TWindowShot shot(Bar->Handle());
    const int y = client.bottom / 2;
    EXPECT_EQ(shot(1, y), ProgressColour(1)) << tiled;
    EXPECT_EQ(shot(2, y), ChunkColour(false)) << tiled;
    EXPECT_EQ(RunInRow(shot, y, 0, client.right, ChunkColour(false)), 117) << tiled;
    EXPECT_EQ(shot(2 + 117, y), ProgressColour(1)) << tiled;
    const int top = tiled ? (client.bottom - ranges::kChunkHeight) / 2 : 2;
    const int bottom = tiled ? top + ranges::kChunkHeight : client.bottom - 2;
    EXPECT_EQ(shot(10, top - 1), ProgressColour(1)) << tiled;
    EXPECT_EQ(shot(10, top), ChunkColour(false)) << tiled;
    EXPECT_EQ(shot(10, bottom - 1), ChunkColour(true)) << tiled;
    EXPECT_EQ(shot(10, bottom), ProgressColour(1)) << tiled;
    Window.reset();
  }
}

// A chunk style without the chunk image cannot be drawn from the skin: the
// bar paints itself rather than showing nothing.
TEST_F(SkinRangeBars, AChunkStyleWithoutChunksLeavesTheBarToItself) {
  Open(0);
  SetRange(*Bar, 0, 100, 50);
  const TWindowShot plain(Bar->Handle());
  Window.reset();
  Open(ranges::eProgressChunk);
  Window->Data->FProgressChunk.reset();
  SetRange(*Bar, 0, 100, 50);
  Bar->Invalidate();
  const TWindowShot shot(Bar->Handle());
  const RECT client = ClientOf(Bar->Handle());
  for (int x = 0; x < client.right; x += 7) EXPECT_EQ(shot(x, client.bottom / 2), plain(x, client.bottom / 2)) << x;
}

// The thumb is frame 2 of its element, of the orientation's own; the
// channel is the track image's caps and middle across the channel, half
// the channel's height down when the image is lower than the channel.
TEST_F(SkinRangeBars, TrackBarsDrawChannelAndThumbFromTheSkin) {
  Open(ranges::eThumbs | ranges::eTrack);
  for (TTrackBar* track : {Track, StandingTrack}) {
    const bool vertical = track == StandingTrack;
    const RECT thumb = ThumbOf(*track);
    const RECT channel = ChannelOf(*track);
    const TWindowShot shot(track->Handle());
    const char* what = vertical ? "vertical" : "horizontal";
    EXPECT_EQ(shot((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), ThumbColour(vertical, 2)) << what;
    EXPECT_EQ(shot(thumb.left, thumb.top), ThumbColour(vertical, 2)) << what;
    EXPECT_EQ(shot(thumb.right - 1, thumb.bottom - 1), ThumbColour(vertical, 2)) << what;
    if (vertical) {
      const int w = ranges::kTrackWidth;
      const int x = channel.left + (w < channel.right - channel.left ? (channel.right - channel.left - w) / 2 : 0);
      EXPECT_EQ(shot(x, channel.top), TrackColour(true, 0)) << what;
      EXPECT_EQ(shot(x + w - 1, channel.top + 5), TrackColour(true, 1)) << what;
      EXPECT_EQ(shot(x, channel.bottom - 1), TrackColour(true, 2)) << what;
    } else {
      const int h = ranges::kTrackWidth;
      const int y = channel.top + (h < channel.bottom - channel.top ? (channel.bottom - channel.top) / 2 : 0);
      EXPECT_EQ(shot(channel.left, y), TrackColour(false, 0)) << what;
      EXPECT_EQ(shot(channel.left + 5, y + h - 1), TrackColour(false, 1)) << what;
      EXPECT_EQ(shot(channel.right - 1, y), TrackColour(false, 2)) << what;
    }
  }
}

// Without the skin's thumbs: a white box outlined in the shadow colour.
// Without its channel images: the program's own, a dark grey line along
// the top (or the left) and white below.
TEST_F(SkinRangeBars, TrackBarsFallBackToAPlainThumbAndTheBuiltInChannel) {
  Open(0);
  const TColor shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
  for (TTrackBar* track : {Track, StandingTrack}) {
    const bool vertical = track == StandingTrack;
    const RECT thumb = ThumbOf(*track);
    const RECT channel = ChannelOf(*track);
    const TWindowShot shot(track->Handle());
    const char* what = vertical ? "vertical" : "horizontal";
    EXPECT_EQ(shot((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), clWhite) << what;
    EXPECT_EQ(shot(thumb.left, (thumb.top + thumb.bottom) / 2), shadow) << what;
    EXPECT_EQ(shot((thumb.left + thumb.right) / 2, thumb.bottom - 1), shadow) << what;
    if (vertical) {
      const int x = channel.left + (4 < channel.right - channel.left ? (channel.right - channel.left - 4) / 2 : 0);
      EXPECT_EQ(shot(x, channel.top + 5), TColor{0x808080}) << what;
      EXPECT_EQ(shot(x + 2, channel.top + 5), clWhite) << what;
    } else {
      const int y = channel.top + (4 < channel.bottom - channel.top ? (channel.bottom - channel.top) / 2 : 0);
      EXPECT_EQ(shot(channel.left + 5, y), TColor{0x808080}) << what;
      EXPECT_EQ(shot(channel.left + 5, y + 2), clWhite) << what;
    }
  }
}

// The control still draws its tick marks, one per position.
TEST_F(SkinRangeBars, TrackBarsKeepTheirTickMarks) {
  Open(ranges::eThumbs | ranges::eTrack);
  const RECT thumb = ThumbOf(*Track);
  const RECT client = ClientOf(Track->Handle());
  const TWindowShot shot(Track->Handle());
  const TColor back = shot(client.right - 1, thumb.bottom + 1);
  int marks = 0;
  for (int y = thumb.bottom; y < client.bottom; ++y) {
    int inRow = 0;
    for (int x = 0; x < client.right; ++x) inRow += shot(x, y) != back;
    marks = std::max(marks, inRow);
  }
  EXPECT_GE(marks, 11);
}

// Dragging the thumb with the mouse moves the position; the skin's thumb
// goes with it.
TEST_F(SkinRangeBars, DraggingTheThumbMovesThePositionAndTheFaceFollows) {
  Open(ranges::eThumbs | ranges::eTrack);
  for (TTrackBar* track : {Track, StandingTrack}) {
    const bool vertical = track == StandingTrack;
    const HWND window = track->Handle();
    const RECT before = ThumbOf(*track);
    const POINT grab{(before.left + before.right) / 2, (before.top + before.bottom) / 2};
    const RECT channel = ChannelOf(*track);
    // To the far end of the channel.
    const POINT drop = vertical ? POINT{grab.x, channel.bottom + 5} : POINT{channel.right + 5, grab.y};
    POINT from = grab, to = drop;
    ClientToScreen(window, &from);
    ClientToScreen(window, &to);
    MoveMouseTo(from);
    PumpMessages(50);
    MouseButton(true);
    PumpMessages(50);
    for (int step = 1; step <= 5; ++step) {
      MoveMouseTo(POINT{from.x + (to.x - from.x) * step / 5, from.y + (to.y - from.y) * step / 5});
      PumpMessages(30);
    }
    MouseButton(false);
    PumpMessages(80);
    const char* what = vertical ? "vertical" : "horizontal";
    EXPECT_EQ(track->Position(), 10) << what;
    const RECT after = ThumbOf(*track);
    EXPECT_FALSE(EqualRect(&before, &after)) << what;
    const TWindowShot shot(window);
    EXPECT_EQ(shot((after.left + after.right) / 2, (after.top + after.bottom) / 2), ThumbColour(vertical, 2)) << what;
    EXPECT_NE(shot(grab.x, grab.y), ThumbColour(vertical, 2)) << what;
  }
}

// A new skin reaches a track bar through a moment of focus, which the
// window that had it gets back.
TEST_F(SkinRangeBars, ASkinChangeRepaintsTheTrackBarAndLeavesTheFocus) {
  Open(ranges::eThumbs | ranges::eTrack);
  TSkinTrackBar* wrapper = nullptr;
  for (TSkinControl* candidate : Window->Skin()->FControls)
    if (candidate->FControl == Track) wrapper = dynamic_cast<TSkinTrackBar*>(candidate);
  ASSERT_NE(wrapper, nullptr);
  SetFocus(StandingTrack->Handle());
  constexpr TColor kNewThumb = RGB(5, 250, 5);
  TBitmap& thumbs = Window->Data->FTrackThumbs[0]->FBitmap;
  thumbs.Canvas().SetBrushColor(kNewThumb);
  thumbs.Canvas().FillRect(RECT{0, 0, thumbs.Width(), thumbs.Height()});
  wrapper->SkinChange();
  EXPECT_EQ(GetFocus(), StandingTrack->Handle());
  const RECT thumb = ThumbOf(*Track);
  const TWindowShot shot(Track->Handle());
  EXPECT_EQ(shot((thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2), kNewThumb);
}

TEST_F(SkinRangeBars, NothingLeaks) {
  Open(ranges::eProgress | ranges::eThumbs);
  const auto round = [&](int i) {
    Bar->SetPosition(i % 100);
    Standing->SetPosition((i * 7) % 100);
    Track->SetPosition(i % 10);
    StandingTrack->SetPosition((i + 5) % 10);
    UpdateWindow(Window->Handle());
    for (TWinControl* control : std::initializer_list<TWinControl*>{Bar, Standing, Track, StandingTrack}) {
      InvalidateRect(control->Handle(), nullptr, TRUE);
      UpdateWindow(control->Handle());
    }
  };
  for (int i = 0; i < 5; ++i) round(i);
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 300; ++i) round(i);
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}
