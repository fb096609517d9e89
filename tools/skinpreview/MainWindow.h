#pragma once
// A mock-up of the program's main window drawn from a skin folder the way
// frame painting and the memo's scroll-bar skin compose it: the four
// borders, the title with its caption and buttons, the panel and the memo
// with a vertical scroll bar. Texts come as pictures: the caption's ink on
// magenta (recoloured with the skin's title text colour) and the memo's
// text on white.
#include "tools/skinpreview/SkinSource.h"

TPixmap ComposeMainWindow(const TSkinSource& skin, bool active, const TPixmap& caption, const TPixmap& memoText,
                          TRgb desktop);
