#pragma once
// Pixel and colour routines for preparing skin bitmaps: recolouring the
// transparent key, mirroring, flipping and rotating, mixing colours, and
// linear gradients painted from a small program-wide cache of colour tables.
#include <windows.h>

#include <vector>

#include "ui/Bitmap.h"
#include "ui/Color.h"

// Makes target a 24-bit copy of the source's rectangle part.
void CopyBitmapRect(TBitmap& target, TBitmap& source, const RECT& part);
// Converts the bitmap to 24 bits per pixel; every pure magenta pixel takes
// the colour.
void ReplaceMagenta(TBitmap& bitmap, TColor colour);
// Left and right exchanged.
void MirrorBitmap(TBitmap& bitmap);
// Top and bottom exchanged.
void FlipBitmap(TBitmap& bitmap);
// Turned 90 degrees anticlockwise / clockwise; width and height exchanged.
// These and MirrorBitmap work on 24- and 32-bit bitmaps and convert any
// other format to 24 bits first.
void RotateLeft(TBitmap& bitmap);
void RotateRight(TBitmap& bitmap);

// Per channel (c1 * weight + c2 * (scale - weight) + scale / 2) / scale,
// where scale is 100 for a weight below 100 (a percentage) and 1000 from 100
// on (per mille). System colours are resolved first.
TColor MixColors(TColor colour1, TColor colour2, int weight);
// (max - min) / max of the channels scaled to 0..255 when a channel reaches
// 160; 200 for darker colours.
int ColorSaturation(TColor colour);

// The gradient cache: 16 slots of colour tables, filled round-robin.
constexpr int kGradientSlots = 16;
// The slot holding count colours from colour1 to colour2, or -1.
int FindGradient(int count, TColor colour1, TColor colour2);
// Fills the next slot with count colours from colour1 towards colour2.
int MakeGradient(int count, TColor colour1, TColor colour2);
// FindGradient, else MakeGradient.
int GetGradient(int count, TColor colour1, TColor colour2);
const std::vector<TColor>& GradientColors(int slot);
// Paints the visible part of rect from startColour to endColour, top to
// bottom when vertical, else left to right, one-pixel strips.
void FillGradient(HDC dc, const RECT& rect, TColor startColour, TColor endColour, bool vertical);
