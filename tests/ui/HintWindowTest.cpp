#include "ui/HintWindow.h"

#include <gtest/gtest.h>

TEST(HintWindow, SizesTheTextAndShowsAndHides) {
  THintWindow hint;
  const RECT one = hint.CalcHintRect(500, "Close");
  EXPECT_EQ(one.left, 0);
  EXPECT_EQ(one.top, 0);
  EXPECT_GT(one.right, 10);
  EXPECT_GT(one.bottom, 5);
  // A long text wraps within the width instead of growing past it.
  std::string words;
  for (int i = 0; i < 30; ++i) words += "word ";
  const RECT wrapped = hint.CalcHintRect(100, words);
  EXPECT_LE(wrapped.right, 100 + 12);
  EXPECT_GT(wrapped.bottom, one.bottom);

  EXPECT_EQ(hint.Handle(), nullptr);
  RECT at = one;
  OffsetRect(&at, 40, 30);
  hint.ActivateHint(at, "Close");
  ASSERT_NE(hint.Handle(), nullptr);
  EXPECT_TRUE(IsWindowVisible(hint.Handle()));
  RECT shown;
  GetWindowRect(hint.Handle(), &shown);
  EXPECT_EQ(shown.left, 40);
  EXPECT_EQ(shown.top, 30);
  EXPECT_EQ(shown.right - shown.left, one.right);
  char text[16];
  GetWindowTextA(hint.Handle(), text, sizeof text);
  EXPECT_STREQ(text, "Close");
  hint.Hide();
  EXPECT_FALSE(IsWindowVisible(hint.Handle()));
}
