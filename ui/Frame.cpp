#include "ui/Frame.h"

QV_CLASS_INFO(TCustomFrame, {});

TCustomFrame::TCustomFrame(TComponent* owner) : TScrollingWinControl(owner) { SetBounds(0, 0, 320, 240); }
