// The hand-over of a skinned window's controls to control skinning: the
// form skinner calls these when it has attached to a window, and the window
// hook for size grips. The wrapper classes that repaint controls from the
// skin are not built yet, so the dispatch chooses no wrapper for any
// control: every control keeps the system's drawing.
#include "skin/window/WinSkinForm.h"

void TWinSkinForm::SkinFormControls(TWinControl&) {}

void TWinSkinForm::SkinChildWindows(HWND) {}

void TWinSkinForm::SkinWindow(HWND) {}
