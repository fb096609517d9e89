#pragma once
// Samples of the control elements at everyday sizes, drawn with the
// engine's drawing primitives from the loaded skin as the control skins
// compose them: push buttons, combo boxes, check boxes, radio buttons, a
// progress bar, up-down buttons, track-bar thumbs, tabs over their page, a
// popup menu, a header and a status bar.
#include <memory>

#include "ui/Bitmap.h"

class TSkinData;

std::unique_ptr<TBitmap> ComposeGallery(TSkinData& skin);
