#include "ui/CommonControls.h"

void InitCommonControl(DWORD classes) {
  static DWORD registered = 0;
  if ((registered & classes) == classes) return;
  INITCOMMONCONTROLSEX init{sizeof init, classes};
  if (InitCommonControlsEx(&init)) registered |= classes;
}
