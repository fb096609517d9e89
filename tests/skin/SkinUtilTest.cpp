#include "skin/data/SkinUtil.h"

#include <gtest/gtest.h>

#include "tests/skin/Pixels.h"

TEST(SkinUtil, DisabledGlyphEmbossesTheInk) {
  // White background (the bottom-left pixel) with one black pixel.
  const TColor W = clWhite;
  TBitmap glyph;
  Paint(glyph, 4, 3, {W, W, W, W,  //
                      W, 0, W, W,  //
                      W, W, W, W});
  const std::unique_ptr<TBitmap> disabled = MakeDisabledGlyph(glyph);
  const TColor face = static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
  const TColor shadow = static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
  const TColor light = static_cast<TColor>(GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(disabled->Width(), 4);
  EXPECT_EQ(disabled->Height(), 3);
  EXPECT_EQ(PixelsOf(*disabled), (std::vector<TColor>{face, face, face, face,    //
                                                      face, shadow, face, face,  //
                                                      face, face, light, face}));
  EXPECT_TRUE(MakeDisabledGlyph(*std::make_unique<TBitmap>())->Empty());
}

TEST(SkinUtil, TextConversions) {
  EXPECT_EQ(AnsiToWide("文件 a"), L"文件 a");  // GBK bytes in the system code page
  EXPECT_EQ(AnsiToWide(std::string_view("a\0b", 3)), std::wstring(L"a\0b", 3));
  EXPECT_EQ(AnsiToWide(""), L"");
  const wchar_t buffer[] = L"abc";
  EXPECT_EQ(WideFromBuffer(buffer, -1), L"abc");
  EXPECT_EQ(WideFromBuffer(buffer, 2), L"ab");
  EXPECT_EQ(WideFromBuffer(buffer, 0), L"");
}

TEST(SkinUtil, DrawSkinTextDrawsWideText) {
  TBitmap b;
  Paint(b, 60, 20, std::vector<TColor>(1200, clWhite));
  const HDC dc = b.Canvas().Handle();
  RECT rect{0, 0, 60, 20};
  EXPECT_EQ(DrawSkinText(dc, L"", rect, DT_SINGLELINE), DrawTextW(dc, L"", 0, &rect, DT_SINGLELINE));
  EXPECT_EQ(PixelsOf(b), std::vector<TColor>(1200, clWhite));

  RECT measured{0, 0, 0, 0};
  EXPECT_GT(DrawSkinText(dc, L"文件", measured, DT_CALCRECT | DT_SINGLELINE), 0);
  EXPECT_GT(measured.right, 0);
  DrawSkinText(dc, L"文件", rect, DT_SINGLELINE);
  EXPECT_NE(PixelsOf(b), std::vector<TColor>(1200, clWhite));
}

namespace {

// Dispatches messages for up to ms milliseconds or until stop(msg) is true.
template <class Stop>
bool PumpMessages(int ms, Stop stop) {
  for (const DWORD end = GetTickCount() + static_cast<DWORD>(ms); GetTickCount() < end;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (stop(msg)) return true;
      DispatchMessageA(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return false;
}

}  // namespace

TEST(SkinUtil, OptionalUserInterfaceCalls) {
  const HWND window = CreateWindowExA(0, "EDIT", "", ES_MULTILINE | WS_POPUP | WS_VISIBLE | WS_VSCROLL, 0, 0, 100,
                                      100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(SkinHasScrollBarInfo());
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  EXPECT_TRUE(SkinGetScrollBarInfo(window, OBJID_VSCROLL, info));
  EXPECT_GT(info.rcScrollBar.bottom, info.rcScrollBar.top);

  // Tracked while the pointer is over the window, which it then leaves.
  SetCursorPos(50, 50);
  PumpMessages(200, [](const MSG&) { return false; });
  SkinTrackMouseLeave(window);
  SetCursorPos(300, 300);
  EXPECT_TRUE(PumpMessages(3000, [&](const MSG& msg) { return msg.message == WM_MOUSELEAVE && msg.hwnd == window; }));
  DestroyWindow(window);
}
