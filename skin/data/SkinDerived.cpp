#include "skin/data/SkinDerived.h"

#include <algorithm>

#include "skin/data/ImgUtil.h"
#include "skin/window/SkinDraw.h"

namespace {

constexpr int kComboCellWidth = 50;
constexpr int kComboCellHeight = 21;
constexpr int kArrowSize = 17;

void DeriveGlyphFrames(int& count, const TBitmap& glyphs) {
  if (count != 0) return;
  const int cell = glyphs.Height() >= 16 ? 16 : 13;
  count = std::max(glyphs.Width() / cell, 4);
}

}  // namespace

void FinishButtons(TDataSkinButton& buttons) {
  buttons.FFrameCount = 5;
  DeriveGlyphFrames(buttons.FCheckFrameCount, buttons.FCheckBitmap);
  DeriveGlyphFrames(buttons.FRadioFrameCount, buttons.FRadioBitmap);
}

void MirrorComboButton(TDataSkinBorder& comboButton) {
  if (comboButton.FBitmap.Empty()) return;
  comboButton.FBitmap2.Assign(comboButton.FBitmap);
  comboButton.FBitmap2.SetPixelFormat(TPixelFormat::pf24bit);
  MirrorBitmap(comboButton.FBitmap2);
}

void BuildComboStrips(TDataSkinObject& sunkEdge, TDataSkinBorder& comboButton, TDataSkinObject* extraImages) {
  const int n = sunkEdge.FFrameCount;
  if (n <= 0) return;
  // The drop button is as wide as a scroll arrow and its edge.
  const int bw = GetSystemMetrics(SM_CXHSCROLL) + 2;
  TBitmap strip(kComboCellWidth * n, kComboCellHeight);
  TCanvas& canvas = strip.Canvas();
  canvas.SetBrushColor(kSkinKeyColour);
  canvas.FillRect(RECT{0, 0, strip.Width(), strip.Height()});
  const HDC dc = canvas.Handle();
  for (int k = 1; k <= n; ++k) {
    const int left = kComboCellWidth * (k - 1), right = left + kComboCellWidth;
    DrawNineGrid(dc, RECT{left, 0, right, kComboCellHeight}, sunkEdge.FBitmap, false, false, sunkEdge.FTrans != 0,
                 sunkEdge.FFrameCount, k, sunkEdge.FMargins);
    const RECT button{right - bw, 0, right, kComboCellHeight};
    DrawNineGrid(dc, button, comboButton.FBitmap, false, false, true, comboButton.FFrameCount, k,
                 comboButton.FMargins);
    if (extraImages) DrawCentred(dc, button, extraImages->FBitmap, true,
                                 extraImages->FFrameCount, k);
    canvas.FillRect(RECT{left + 2, 2, right - 1 - bw, 18});
  }
  const RECT edge = sunkEdge.FMargins;
  comboButton.FBitmap.Assign(strip);
  comboButton.FStyle = 2;
  comboButton.FMargins = RECT{2, edge.top, bw + 2, edge.bottom};
  sunkEdge.FBitmap.Assign(strip);
  MirrorBitmap(sunkEdge.FBitmap);
  sunkEdge.FMargins = RECT{bw + 2, edge.top, 2, edge.bottom};
}

std::unique_ptr<TDataSkinObject> MakeComboArrow(const TDataSkinObject* sunkEdge, TDataSkinBorder* comboButton,
                                                TColor buttonFace) {
  auto arrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  if (!comboButton) return arrow;
  if (!sunkEdge) {
    arrow->FBitmap.Assign(comboButton->FBitmap);
    arrow->FFrameCount = comboButton->FFrameCount;
    ReplaceMagenta(arrow->FBitmap, buttonFace);
  } else if (comboButton->FStyle == 2) {
    // The button part of each composed cell, inside its 2-pixel edge.
    const int n = sunkEdge->FFrameCount;
    TBitmap& strip = arrow->FBitmap;
    strip.SetSize(kArrowSize * n, kArrowSize);
    for (int k = 1; k <= n; ++k)
      BitBlt(strip.Canvas().Handle(), kArrowSize * (k - 1), 0, kArrowSize, kArrowSize,
             comboButton->FBitmap.Canvas().Handle(), kComboCellWidth * k - 19, 2, SRCCOPY);
    arrow->FFrameCount = n;
  }
  return arrow;
}

TColor BorderSampleColour(TDataSkinBorder& top, TColor buttonFace) {
  if (top.FBitmap.Empty()) return buttonFace;
  // A frame count of 0 from the skin counts as one frame.
  const int frames = std::max(top.FFrameCount, 1);
  return top.FBitmap.Canvas().Pixel(top.FBitmap.Width() / 3, top.FBitmap.Height() / frames / 3);
}

std::unique_ptr<TDataSkinObject> MakeToolbar(TColor buttonFace, TColor borderSample) {
  auto toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  toolbar->FFrameCount = 1;
  // 15 % of the face on white, to 15 % grey on the sample colour; a
  // strongly coloured sample is lightened with white instead, the more the
  // less saturated it is.
  const TColor light = MixColors(buttonFace, clWhite, 150);
  TColor dark = MixColors(clGray, borderSample, 150);
  const int saturation = ColorSaturation(borderSample);
  if (saturation > 110) dark = MixColors(borderSample, clWhite, (225 - saturation) * 25 / 140 + 50);
  toolbar->FBitmap.SetSize(10, 40);
  FillGradient(toolbar->FBitmap.Canvas().Handle(), RECT{0, 0, 10, 40}, light, dark, true);
  return toolbar;
}
