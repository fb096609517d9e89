#pragma once
// Colours of the framework: 0x00BBGGRR, or 0x80000000 plus a system colour
// index (COLOR_BTNFACE ...), which ColorToRGB resolves at the time of use.
#include <cstdint>

using TColor = std::int32_t;

constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor SystemColor(int index) { return clSystemColor | index; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
// The transparent key of every skin bitmap.
constexpr TColor clFuchsia = 0xFF00FF;

// A plain 0x00BBGGRR value: system colours are looked up, others returned.
TColor ColorToRGB(TColor color);
