#pragma once
// The program's main window as the engine draws it: two real windows of
// its size and style (dialog frame, stay on top, 390 x 276 client, a panel
// and a memo), skinned by the engine with the loaded skin, one active and
// one inactive, read back from the screen side by side on a plain desktop.
// Where the window region cuts a window, the desktop shows.
#include <memory>

#include "ui/Bitmap.h"

class TSkinData;

std::unique_ptr<TBitmap> ComposeMainWindows(TSkinData& skin);
