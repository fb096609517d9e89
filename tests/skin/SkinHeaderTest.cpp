// Header controls painted from the skin, on real windows under Wine: each
// item and the rest of the bar in frame 1, the item under the mouse in
// frame 2 (real mouse moves, the dividers belonging to no item, leaving the
// window), a click still reaching the control; captions with images by
// alignment; the skin's text colour; a header window attached as a bare
// window, as a list view's header is; the header's own painting without
// the element; nothing leaking.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "skin/controls/SkinHeader.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/RangeSkin.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/WindowPixels.h"
#include "tests/support/GdiCount.h"
#include "ui/HeaderControl.h"
#include "ui/ImageList.h"

namespace {

using ranges::HeaderColour;

constexpr TColor kIcon = RGB(0, 128, 255);
constexpr TColor kText = RGB(250, 0, 120);
// Items: 0 to 80, 80 to 180, 180 to 240, 240 to 254; the bar is 300 wide.
constexpr int kEnds[] = {80, 180, 240, 254};
constexpr int kBarWidth = 300, kBarHeight = 24;

class SkinHeader : public ::testing::Test {
 protected:
  void Open(unsigned elements, bool textColour = false) {
    Window = std::make_unique<TSkinnedWindow>(ranges::Skin(elements), 320, 120);
    if (textColour) {
      Window->Data->FColours[scWindowText] = kText;
      Window->Data->FColourGiven[scWindowText] = true;
    }
    TBitmap icon(16, 16);
    icon.Canvas().SetBrushColor(kIcon);
    icon.Canvas().FillRect(RECT{0, 0, 16, 16});
    Images = std::make_unique<TImageList>(16, 16);
    Images->AddMasked(icon, clFuchsia);
    Header = new THeaderControl(Window->Form.get());
    Header->SetParent(Window->Form.get());
    Header->SetBounds(10, 10, kBarWidth, kBarHeight);
    Header->SetImages(Images.get());
    AddSection("Name", 80, TAlignment::taLeftJustify, -1);
    AddSection("Size", 100, TAlignment::taCenter, 0);
    // No text: the image is not drawn either.
    AddSection("", 60, TAlignment::taRightJustify, 0);
    // Narrower than the icon: the icon is left out.
    AddSection("x", 14, TAlignment::taLeftJustify, 0);
    Header->OnSectionClick = TSectionNotifyEvent::Of<&SkinHeader::SectionClick>(this);
    Window->Show();
    ASSERT_NE(Window->Skin(), nullptr);
  }
  void TearDown() override {
    MoveMouseTo(POINT{0, 0});
    Window.reset();
  }
  void AddSection(const char* text, int width, TAlignment alignment, int image) {
    THeaderSection* section = Header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(width);
    section->SetAlignment(alignment);
    section->SetImageIndex(image);
  }
  void SectionClick(THeaderControl*, THeaderSection* section) { Clicked = section->Index(); }
  // The frame each item shows, read at its top-left corner.
  std::vector<int> Frames() const {
    const TWindowShot shot(Header->Handle());
    std::vector<int> frames;
    int left = 0;
    for (const int end : kEnds) {
      const TColor pixel = shot(left + 1, 1);
      frames.push_back(pixel == HeaderColour(1) ? 1 : pixel == HeaderColour(2) ? 2 : 0);
      left = end;
    }
    // The rest of the bar.
    const TColor rest = shot(kBarWidth - 2, kBarHeight - 2);
    frames.push_back(rest == HeaderColour(1) ? 1 : rest == HeaderColour(2) ? 2 : 0);
    return frames;
  }
  int TextWidth(const std::wstring& text) const {
    const HDC dc = GetDC(Header->Handle());
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(Header->Handle(), WM_GETFONT, 0, 0)));
    RECT r{};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(Header->Handle(), dc);
    return r.right;
  }

  std::unique_ptr<TSkinnedWindow> Window;
  std::unique_ptr<TImageList> Images;
  THeaderControl* Header = nullptr;
  int Clicked = -1;
};

using TFrames = std::vector<int>;

}  // namespace

TEST_F(SkinHeader, TheItemUnderTheMouseIsHot) {
  Open(ranges::eHeader);
  EXPECT_EQ(SendMessageA(Header->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  const HWND window = Header->Handle();
  struct Case {
    const char* what;
    int x;  // -1: away from the header
    TFrames frames;
  };
  const Case cases[] = {
      {"untouched", -1, {1, 1, 1, 1, 1}},
      {"over item 0", 40, {2, 1, 1, 1, 1}},
      {"over item 1", 130, {1, 2, 1, 1, 1}},
      // Within 3 pixels of the divider: no item's, item 1 stays hot.
      {"on the divider", 181, {1, 2, 1, 1, 1}},
      {"over item 2", 210, {1, 1, 2, 1, 1}},
      // The rest of the bar is no item.
      {"past the items", 280, {1, 1, 2, 1, 1}},
      {"away", -1, {1, 1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    if (c.x < 0)
      HoverAt(Window->Handle(), 5, Window->Form->Height() - 10);
    else
      HoverAt(window, c.x, kBarHeight / 2);
    PumpMessages(150);
    EXPECT_EQ(Frames(), c.frames) << c.what;
  }
  // A click goes on to the control, and the item stays hot.
  HoverAt(window, 130, kBarHeight / 2);
  MouseButton(true);
  PumpMessages(50);
  MouseButton(false);
  PumpMessages(80);
  EXPECT_EQ(Clicked, 1);
  EXPECT_EQ(Frames(), (TFrames{1, 2, 1, 1, 1}));
}

// Icons and captions: 3 pixels in from the left, or centred as a pair, the
// text right after the icon; no icon without text, or wider than its item.
TEST_F(SkinHeader, CaptionsAndImagesAreLaidOutByAlignment) {
  Open(ranges::eHeader, true);
  const TWindowShot shot(Header->Handle());
  const int middle = kBarHeight / 2;
  // Item 1, centred: icon and text as one pair.
  const int x = 80 + (100 - 16 - TextWidth(L"Size")) / 2;
  const int iconTop = (kBarHeight - 16) / 2;
  EXPECT_EQ(shot(x - 1, middle), HeaderColour(1));
  EXPECT_EQ(shot(x, iconTop), kIcon);
  EXPECT_EQ(shot(x + 15, iconTop + 15), kIcon);
  EXPECT_EQ(shot(x + 16, iconTop), HeaderColour(1));
  const auto inkIn = [&shot](int left, int right, TColor colour) {
    int ink = 0;
    for (int y = 0; y < kBarHeight; ++y)
      for (int px = left; px < right; ++px) ink += InkOf(shot(px, y), colour, HeaderColour(1));
    return ink;
  };
  // The text in the skin's WindowText, after the icon.
  EXPECT_GT(inkIn(x + 16, x + 16 + TextWidth(L"Size"), kText), 5);
  EXPECT_EQ(inkIn(80, x, kText), 0);
  // Item 0, left: from 3 pixels in.
  EXPECT_EQ(inkIn(0, 3, kText), 0);
  EXPECT_GT(inkIn(3, 3 + TextWidth(L"Name"), kText), 5);
  // Item 2 has an image but no text; item 3 is narrower than its icon.
  EXPECT_EQ(inkIn(180, 254, kIcon), 0);
}

// Without the element the skinned header looks as it does unskinned.
TEST_F(SkinHeader, WithoutTheElementTheHeaderPaintsItself) {
  Open(0);
  const HWND window = Header->Handle();
  const auto pixels = [window] {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const TWindowShot shot(window);
    std::vector<TColor> all;
    for (int y = 0; y < kBarHeight; ++y)
      for (int x = 0; x < kBarWidth; ++x) all.push_back(shot(x, y));
    return all;
  };
  const std::vector<TColor> skinned = pixels();
  SendMessageA(window, SKM_SKINSWITCH, 0, 0);
  const std::vector<TColor> unskinned = pixels();
  SendMessageA(window, SKM_SKINSWITCH, 1, 0);
  EXPECT_EQ(skinned, unskinned);
  EXPECT_NE(std::count(skinned.begin(), skinned.end(), skinned.front()), static_cast<long>(skinned.size()));
}

// A list view's header is a bare window to the wrapper.
TEST_F(SkinHeader, ABareHeaderWindowIsSkinnedToo) {
  Open(ranges::eHeader);
  const HWND header = CreateWindowExW(0, WC_HEADERW, L"", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 10, 60, 200, 20,
                                      Window->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(header, nullptr);
  for (int i = 0; i < 2; ++i) {
    wchar_t text[] = L"Column";
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = text;
    item.cxy = 70;
    item.fmt = HDF_LEFT | HDF_STRING;
    SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  auto* wrapper = new TSkinHeader(Window->Skin());
  wrapper->InitHandle(header, Window->Data, Window->Skin(), &Window->Skin()->FCanvas);
  EXPECT_EQ(wrapper->FHotItem, -1);
  EXPECT_EQ(SendMessageW(header, SKM_QUERYSKINNED, 0, 0), 1);
  // The items answer the mouse from their first paint on.
  PumpMessages(100);
  HoverAt(header, 100, 10);
  {
    const TWindowShot shot(header);
    EXPECT_EQ(shot(1, 1), HeaderColour(1));
    EXPECT_EQ(shot(71, 1), HeaderColour(2));
    EXPECT_EQ(shot(190, 1), HeaderColour(1));
  }
  EXPECT_EQ(wrapper->FHotItem, 1);
  DestroyWindow(header);
  EXPECT_EQ(wrapper->FState, kWrapperDestroyed);
  delete wrapper;
}

TEST_F(SkinHeader, NothingLeaks) {
  Open(ranges::eHeader, true);
  const HWND window = Header->Handle();
  const auto round = [&](int i) {
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(i % kBarWidth, 5));
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  };
  for (int i = 0; i < 5; ++i) round(i * 37);
  PumpMessages(20);
  const int before = LiveGdiObjects();
  for (int i = 0; i < 300; ++i) round(i * 37);
  PumpMessages(20);
  EXPECT_EQ(LiveGdiObjects(), before);
}
