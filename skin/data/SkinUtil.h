#pragma once
// Small helpers shared by the skin data, form skinning and the control
// skins: the disabled look of a glyph, wide text drawing, and user-interface
// calls that older systems lack, looked up by name.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "ui/Bitmap.h"

// The source's ink embossed on the button face: shadow-coloured with a
// one-pixel highlight edge to the lower right. Ink is every pixel that
// differs from the glyph's background colour, its bottom-left pixel.
std::unique_ptr<TBitmap> MakeDisabledGlyph(TBitmap& source);
// Converts with the system's ANSI code page, embedded zero bytes included.
std::wstring AnsiToWide(std::string_view text);
// count -1 takes the buffer up to its terminating zero.
std::wstring WideFromBuffer(const wchar_t* buffer, int count);
// DrawTextW of the text; returns what DrawTextW returns.
int DrawSkinText(HDC dc, const std::wstring& text, RECT& rect, UINT format);

// Whether the system has GetScrollBarInfo.
bool SkinHasScrollBarInfo();
// GetScrollBarInfo when the system has it, else false.
bool SkinGetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO& info);
// GetComboBoxInfo when the system has it (the structure's size set here),
// else false.
bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO& info);
// Asks for a WM_MOUSELEAVE for the window when the system has
// TrackMouseEvent; otherwise nothing, so callers must not depend on it.
void SkinTrackMouseLeave(HWND window);
