#pragma once
// Samples of the control elements at everyday sizes, composed as the
// control skins compose them: push buttons, combo boxes, check boxes, radio
// buttons, a progress bar, up-down buttons, track-bar thumbs, tabs over
// their page, a popup menu, a header and a status bar.
#include "tools/skinpreview/SkinSource.h"

TPixmap ComposeGallery(const TSkinSource& skin);
