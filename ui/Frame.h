#pragma once
// Frames: a scrolling container that owns the components placed on it, to
// be put on a form as one piece.
#include "ui/ScrollBox.h"

class TCustomFrame : public TScrollingWinControl {
 public:
  QV_CLASS(TCustomFrame, TScrollingWinControl)

  explicit TCustomFrame(TComponent* owner);
};
