#pragma once
// The skins' colours. A palette names every colour the drawing uses; the
// skin's description repeats in its colour table the ones the engine paints
// with (face, text, shadow, highlight). skingen draws with one palette per
// run, chosen by name before drawing: "slate", the default skin's calm
// slate frame around light blue-grey faces with one blue accent, or
// "ember", warm copper and sand with a deep red accent.
#include <string_view>

#include "tools/skingen/Pixmap.h"

struct TPalette {
  // Window frame of an active window.
  TRgb FrameOutline;
  TRgb FrameSheen;  // the row under the top outline
  TRgb TitleTop;
  TRgb TitleBottom;  // also the sides and the bottom
  TRgb FrameInner;   // the line around the client area

  // Window frame of an inactive window.
  TRgb FrameOutlineInactive;
  TRgb FrameSheenInactive;
  TRgb TitleTopInactive;
  TRgb TitleBottomInactive;
  TRgb FrameInnerInactive;

  // Title-bar buttons.
  TRgb TitleGlyph;
  TRgb TitleGlyphDisabled;
  TRgb TitleButtonHot;
  TRgb TitleButtonPressed;
  TRgb CloseHot;
  TRgb ClosePressed;

  // Faces and text.
  TRgb White;
  TRgb Face;        // ButtonFace
  TRgb FaceLight;   // Buttonlight
  TRgb FaceDim;     // tracks, unselected tabs
  TRgb FacePressed;
  TRgb Text;        // WindowText, ButtonText
  TRgb TextMuted;
  TRgb TextDisabled;

  // Lines.
  TRgb Border;       // control outlines
  TRgb BorderStrong; // outlines while pressed
  TRgb BorderSoft;   // disabled outlines, dividers
  TRgb Shadow;       // ButtonShadow

  // Accent.
  TRgb Accent;       // Hilight
  TRgb AccentLight;
  TRgb AccentDark;
  TRgb AccentWash;   // hover fills
  TRgb AccentSoft;   // hot track-bar thumbs

  // Scroll bars.
  TRgb Thumb;
  TRgb ThumbHot;
  TRgb ThumbPressed;
  TRgb ArrowHot;
  TRgb ArrowPressed;
};

// The palette of that name; null for an unknown name.
const TPalette* FindPalette(std::string_view name);
// Makes palette the one that the colours below read; slate until then.
void UsePalette(const TPalette& palette);
// The palette in use.
const TPalette& CurrentPalette();

// The colours of the palette in use, by the names the drawing code uses.
// Read them while drawing, never to initialise anything static.
namespace palette {

inline const TRgb& kFrameOutline = CurrentPalette().FrameOutline;
inline const TRgb& kFrameSheen = CurrentPalette().FrameSheen;
inline const TRgb& kTitleTop = CurrentPalette().TitleTop;
inline const TRgb& kTitleBottom = CurrentPalette().TitleBottom;
inline const TRgb& kFrameInner = CurrentPalette().FrameInner;
inline const TRgb& kFrameOutlineInactive = CurrentPalette().FrameOutlineInactive;
inline const TRgb& kFrameSheenInactive = CurrentPalette().FrameSheenInactive;
inline const TRgb& kTitleTopInactive = CurrentPalette().TitleTopInactive;
inline const TRgb& kTitleBottomInactive = CurrentPalette().TitleBottomInactive;
inline const TRgb& kFrameInnerInactive = CurrentPalette().FrameInnerInactive;
inline const TRgb& kTitleGlyph = CurrentPalette().TitleGlyph;
inline const TRgb& kTitleGlyphDisabled = CurrentPalette().TitleGlyphDisabled;
inline const TRgb& kTitleButtonHot = CurrentPalette().TitleButtonHot;
inline const TRgb& kTitleButtonPressed = CurrentPalette().TitleButtonPressed;
inline const TRgb& kCloseHot = CurrentPalette().CloseHot;
inline const TRgb& kClosePressed = CurrentPalette().ClosePressed;
inline const TRgb& kWhite = CurrentPalette().White;
inline const TRgb& kFace = CurrentPalette().Face;
inline const TRgb& kFaceLight = CurrentPalette().FaceLight;
inline const TRgb& kFaceDim = CurrentPalette().FaceDim;
inline const TRgb& kFacePressed = CurrentPalette().FacePressed;
inline const TRgb& kText = CurrentPalette().Text;
inline const TRgb& kTextMuted = CurrentPalette().TextMuted;
inline const TRgb& kTextDisabled = CurrentPalette().TextDisabled;
inline const TRgb& kBorder = CurrentPalette().Border;
inline const TRgb& kBorderStrong = CurrentPalette().BorderStrong;
inline const TRgb& kBorderSoft = CurrentPalette().BorderSoft;
inline const TRgb& kShadow = CurrentPalette().Shadow;
inline const TRgb& kAccent = CurrentPalette().Accent;
inline const TRgb& kAccentLight = CurrentPalette().AccentLight;
inline const TRgb& kAccentDark = CurrentPalette().AccentDark;
inline const TRgb& kAccentWash = CurrentPalette().AccentWash;
inline const TRgb& kThumb = CurrentPalette().Thumb;
inline const TRgb& kThumbHot = CurrentPalette().ThumbHot;
inline const TRgb& kThumbPressed = CurrentPalette().ThumbPressed;
inline const TRgb& kArrowHot = CurrentPalette().ArrowHot;
inline const TRgb& kArrowPressed = CurrentPalette().ArrowPressed;
inline const TRgb& kAccentSoft = CurrentPalette().AccentSoft;

}  // namespace palette
