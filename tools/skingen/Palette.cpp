#include "tools/skingen/Palette.h"

namespace {

// In the order of TPalette's fields.
constexpr TPalette kSlate{
    Hex(0x2B3849),  // FrameOutline
    Hex(0x7189A8),  // FrameSheen
    Hex(0x5A7292),  // TitleTop
    Hex(0x465D7B),  // TitleBottom
    Hex(0x34465E),  // FrameInner
    Hex(0x8C96A2),  // FrameOutlineInactive
    Hex(0xEBEEF2),  // FrameSheenInactive
    Hex(0xD9DEE5),  // TitleTopInactive
    Hex(0xCAD1DA),  // TitleBottomInactive
    Hex(0xA6B0BC),  // FrameInnerInactive
    Hex(0xFFFFFF),  // TitleGlyph
    Hex(0x8E9BAB),  // TitleGlyphDisabled
    Hex(0x6B84A4),  // TitleButtonHot
    Hex(0x34475F),  // TitleButtonPressed
    Hex(0xD0453E),  // CloseHot
    Hex(0xA3332D),  // ClosePressed
    Hex(0xFFFFFF),  // White
    Hex(0xEEF1F5),  // Face
    Hex(0xF8FAFC),  // FaceLight
    Hex(0xE2E7ED),  // FaceDim
    Hex(0xD6DDE6),  // FacePressed
    Hex(0x1F2933),  // Text
    Hex(0x4E5A68),  // TextMuted
    Hex(0xA3ADB9),  // TextDisabled
    Hex(0x97A3B2),  // Border
    Hex(0x7C8A9B),  // BorderStrong
    Hex(0xC6CED7),  // BorderSoft
    Hex(0xA3AEBB),  // Shadow
    Hex(0x3D7CC9),  // Accent
    Hex(0x7FAFE8),  // AccentLight
    Hex(0x2D63A6),  // AccentDark
    Hex(0xE4EEFA),  // AccentWash
    Hex(0x9CC2EE),  // AccentSoft
    Hex(0xB4BFCB),  // Thumb
    Hex(0x98A6B6),  // ThumbHot
    Hex(0x7A8B9F),  // ThumbPressed
    Hex(0xDCE3EB),  // ArrowHot
    Hex(0xC8D1DC),  // ArrowPressed
};

constexpr TPalette kEmber{
    Hex(0x4A2A1C),  // FrameOutline
    Hex(0xC0805A),  // FrameSheen
    Hex(0xA35F3C),  // TitleTop
    Hex(0x87492C),  // TitleBottom
    Hex(0x5C3323),  // FrameInner
    Hex(0xA08C80),  // FrameOutlineInactive
    Hex(0xF5EEE8),  // FrameSheenInactive
    Hex(0xE6D9CE),  // TitleTopInactive
    Hex(0xD9C8BA),  // TitleBottomInactive
    Hex(0xB8A394),  // FrameInnerInactive
    Hex(0xFFFFFF),  // TitleGlyph
    Hex(0xB99A88),  // TitleGlyphDisabled
    Hex(0xB8704A),  // TitleButtonHot
    Hex(0x6E3A22),  // TitleButtonPressed
    Hex(0xC8362E),  // CloseHot
    Hex(0x962820),  // ClosePressed
    Hex(0xFFFFFF),  // White
    Hex(0xF4ECE2),  // Face
    Hex(0xFBF7F2),  // FaceLight
    Hex(0xE9DDCF),  // FaceDim
    Hex(0xE0CFBC),  // FacePressed
    Hex(0x2E1F17),  // Text
    Hex(0x6A5446),  // TextMuted
    Hex(0xB8A697),  // TextDisabled
    Hex(0xB39A86),  // Border
    Hex(0x977C68),  // BorderStrong
    Hex(0xD8C9BB),  // BorderSoft
    Hex(0xBFA996),  // Shadow
    Hex(0xB03A2E),  // Accent
    Hex(0xE08A78),  // AccentLight
    Hex(0x8A2A20),  // AccentDark
    Hex(0xFBE6DF),  // AccentWash
    Hex(0xF0B0A2),  // AccentSoft
    Hex(0xD2BFAE),  // Thumb
    Hex(0xBFA690),  // ThumbHot
    Hex(0xA38970),  // ThumbPressed
    Hex(0xEFE3D6),  // ArrowHot
    Hex(0xE2D2C1),  // ArrowPressed
};

TPalette& InUse() {
  static TPalette palette = kSlate;
  return palette;
}

}  // namespace

const TPalette* FindPalette(std::string_view name) {
  if (name == "slate") return &kSlate;
  if (name == "ember") return &kEmber;
  return nullptr;
}

void UsePalette(const TPalette& palette) { InUse() = palette; }

const TPalette& CurrentPalette() { return InUse(); }
