#pragma once
// TSkinProgress: a progress bar painted from the skin's "Progress" element:
// its first frame is the empty bar, its second the filled part (Style 0);
// or the whole image is the bar and "Progress.Chunk" fills it (Style 1).
// A vertical bar is composed lying down and turned, so it fills from the
// bottom.
#include "skin/controls/SkinControl.h"

class TDataSkinBorder;

class TSkinProgress : public TSkinControl {
  QV_CLASS(TSkinProgress, TSkinControl)

  using TSkinControl::TSkinControl;

  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

 private:
  // Whether the skin has what the bar's style needs.
  bool CanDraw() const;
  // Onto the lying bar buffer over bar (at the origin).
  void DrawFrames(TBitmap& buffer, const RECT& bar, TDataSkinBorder& element) const;
  void DrawChunks(TBitmap& buffer, const RECT& bar, TDataSkinBorder& element) const;
};
