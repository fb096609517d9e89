#pragma once
// The default skin's colours: a calm slate frame around light blue-grey
// faces, with one blue accent. The colour table in skin.ini repeats the
// colours that the engine paints with (face, text, shadow, highlight).
#include "tools/skingen/Pixmap.h"

namespace palette {

// Window frame of an active window.
inline constexpr TRgb kFrameOutline = Hex(0x2B3849);
inline constexpr TRgb kFrameSheen = Hex(0x7189A8);  // the row under the top outline
inline constexpr TRgb kTitleTop = Hex(0x5A7292);
inline constexpr TRgb kTitleBottom = Hex(0x465D7B);  // also the sides and the bottom
inline constexpr TRgb kFrameInner = Hex(0x34465E);   // the line around the client area

// Window frame of an inactive window.
inline constexpr TRgb kFrameOutlineInactive = Hex(0x8C96A2);
inline constexpr TRgb kFrameSheenInactive = Hex(0xEBEEF2);
inline constexpr TRgb kTitleTopInactive = Hex(0xD9DEE5);
inline constexpr TRgb kTitleBottomInactive = Hex(0xCAD1DA);
inline constexpr TRgb kFrameInnerInactive = Hex(0xA6B0BC);

// Title-bar buttons.
inline constexpr TRgb kTitleGlyph = Hex(0xFFFFFF);
inline constexpr TRgb kTitleGlyphDisabled = Hex(0x8E9BAB);
inline constexpr TRgb kTitleButtonHot = Hex(0x6B84A4);
inline constexpr TRgb kTitleButtonPressed = Hex(0x34475F);
inline constexpr TRgb kCloseHot = Hex(0xD0453E);
inline constexpr TRgb kClosePressed = Hex(0xA3332D);

// Faces and text.
inline constexpr TRgb kWhite = Hex(0xFFFFFF);
inline constexpr TRgb kFace = Hex(0xEEF1F5);        // ButtonFace
inline constexpr TRgb kFaceLight = Hex(0xF8FAFC);   // Buttonlight
inline constexpr TRgb kFaceDim = Hex(0xE2E7ED);     // tracks, unselected tabs
inline constexpr TRgb kFacePressed = Hex(0xD6DDE6);
inline constexpr TRgb kText = Hex(0x1F2933);        // WindowText, ButtonText
inline constexpr TRgb kTextMuted = Hex(0x4E5A68);
inline constexpr TRgb kTextDisabled = Hex(0xA3ADB9);

// Lines.
inline constexpr TRgb kBorder = Hex(0x97A3B2);       // control outlines
inline constexpr TRgb kBorderStrong = Hex(0x7C8A9B); // outlines while pressed
inline constexpr TRgb kBorderSoft = Hex(0xC6CED7);   // disabled outlines, dividers
inline constexpr TRgb kShadow = Hex(0xA3AEBB);       // ButtonShadow

// Accent.
inline constexpr TRgb kAccent = Hex(0x3D7CC9);       // Hilight
inline constexpr TRgb kAccentLight = Hex(0x7FAFE8);
inline constexpr TRgb kAccentDark = Hex(0x2D63A6);
inline constexpr TRgb kAccentWash = Hex(0xE4EEFA);   // hover fills

// Scroll bars.
inline constexpr TRgb kThumb = Hex(0xB4BFCB);
inline constexpr TRgb kThumbHot = Hex(0x98A6B6);
inline constexpr TRgb kThumbPressed = Hex(0x7A8B9F);
inline constexpr TRgb kArrowHot = Hex(0xDCE3EB);
inline constexpr TRgb kArrowPressed = Hex(0xC8D1DC);

}  // namespace palette
