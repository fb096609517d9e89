#pragma once
// The system's common controls (tab, list and tree views, bars, pickers)
// must be registered with the system before a window of theirs is made;
// a framework class over one asks for its classes here before it extends
// the system class.
#include <windows.h>
#include <commctrl.h>

// Registers the common control classes of the ICC_ flags, once each.
void InitCommonControl(DWORD classes);
