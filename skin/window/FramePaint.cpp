// The drawing side of TWinSkinForm: the skinned non-client area (the four
// borders, the title bar with its caption and buttons, the menu strip) and
// the window region cut from the transparent pixels of the borders.
//
// Each border is composed off-screen at its size and reaches the window in
// one transfer; the title bar is composed in a bitmap of its own, over the tops of
// the side borders, and reaches the window in one transfer too. Nothing is
// read back from the screen.
#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/TitleBar.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// The caption of a dialog starts this much further left: it has no icon.
constexpr int kDialogCaptionShift = 16;
constexpr UINT kCaptionMeasure = DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP;
constexpr UINT kCaptionDraw = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr UINT kCaptionDrawRightToLeft = kCaptionDraw | DT_RIGHT | DT_RTLREADING;

// Magenta with a tolerance of 1 in each channel is cut out of the window.
TRegionHandle KeyRegion(TBitmap& bitmap, int x, int y) {
  return RegionFromBitmap(bitmap, x, y, 1, 1, 1, kSkinKeyColour);
}

TRegionHandle RectRegion(int left, int top, int right, int bottom) {
  return TRegionHandle(CreateRectRgn(left, top, right, bottom));
}

// a := a | b; b is deleted with its owner.
void Join(TRegionHandle& a, const TRegionHandle& b) { CombineRgn(a.Get(), a.Get(), b.Get(), RGN_OR); }

}  // namespace

TBitmap& TWinSkinForm::RenderBorder(int border, int width, int height) {
  const TDataSkinBorder& element = *FSkinData->FBorders[static_cast<std::size_t>(border)];
  const bool stacked = border == sbTop || border == sbBottom;
  const int frames = std::max(element.FFrameCount, 1);
  const int frame = FActive || frames == 1 ? 1 : 2;
  std::unique_ptr<TBitmap>& image = FBorderImages[static_cast<std::size_t>(border * 2 + frame - 1)];
  // Rendered once for each size: a window paints its frame again and again
  // at the same size.
  if (!image || image->Width() != std::max(width, 0) || image->Height() != std::max(height, 0) || width <= 0 ||
      height <= 0) {
    // FTile holds the border's Stretch: 1 stretches the middle, else tiles it.
    image = RenderNineGrid(RECT{0, 0, width, height}, const_cast<TBitmap&>(element.FBitmap), element.FMargins,
                           stacked, element.FTile != 1, frames, frame);
  }
  return *image;
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!SkinDrawBuffer() || (FSkinState != kSkinActive && FSkinState != kSkinReskin) || FFrameKind == fkNone ||
      MaximizedMDIChild())
    return;
  std::optional<TNonClientDC> own;
  if (!dc) {
    own.emplace(FHandle);
    dc = own->Get();
  }
  GetWindowRect(FHandle, &FWindowRect);
  const int w = WidthOf(FWindowRect), h = HeightOf(FWindowRect);
  FPaintWidth = w;
  FPaintHeight = h;
  try {
    if (FShowState == ssMinimized) {
      PaintTitle(dc, nullptr, nullptr);
    } else {
      TBitmap& left = RenderBorder(sbLeft, FLeftWidth, h);
      TBitmap& right = RenderBorder(sbRight, FRightWidth, h);
      TBitmap& bottom = RenderBorder(sbBottom, w - FLeftWidth - FRightWidth, FBottomHeight);
      const auto put = [dc](TBitmap& image, int x, int y) {
        if (!image.Empty())
          BitBlt(dc, x, y, image.Width(), image.Height(), image.Canvas().Handle(), 0, 0, SRCCOPY);
      };
      put(left, 0, 0);
      put(right, w - FRightWidth, 0);
      put(bottom, FLeftWidth, h - FBottomHeight);
      PaintTitle(dc, &left, &right);
      if (FMenuHeight > 0) {
        const RECT strip{FLeftWidth, FTitleHeight, w - FRightWidth, FTitleHeight + FMenuHeight};
        if (FMenuBar)
          FMenuBar->Paint(dc, strip);
        else
          FillRect(dc, &strip, FSkinData->FFaceBrush.Get());
      }
    }
  } catch (...) {
    // A frame that cannot be painted stays as it was.
  }
  FHotElement = nullptr;
}

void TWinSkinForm::PaintTitle(HDC dc, TBitmap* left, TBitmap* right) {
  const int w = FPaintWidth;
  // What the title shows; while it is unchanged the title composed last for
  // this activation state is put back as it is.
  TTitleState state{w, FShowState == ssMinimized ? FPaintHeight : FTitleHeight, FActive, FShowState, CaptionText(), {}};
  for (const auto& button : FTitleButtons) {
    button->UpdateVisibility();
    state.Buttons.push_back(static_cast<std::uint8_t>(button->FVisible | button->FEnabled << 1));
  }
  TTitle& composed = FTitles[FActive ? 1 : 0];
  if (!(state == composed.State)) {
    ComposeTitle(composed.Bitmap, state, left, right);
    composed.State = std::move(state);
  }
  TBitmap& bitmap = composed.Bitmap;
  BitBlt(dc, 0, 0, bitmap.Width(), bitmap.Height(), bitmap.Canvas().Handle(), 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::ComposeTitle(TBitmap& bitmap, const TTitleState& state, TBitmap* left, TBitmap* right) {
  const int w = state.Width;
  RECT title{};
  bitmap.SetSize(w, state.Height);
  TCanvas& canvas = bitmap.Canvas();
  if (FShowState == ssMinimized) {
    canvas.SetBrushColor(FSkinData->FColours[scButtonFace]);
    canvas.FillRect(RECT{0, 0, w, state.Height});
    title = RECT{0, 0, w, FTitleHeight};
  } else {
    // The tops of the side borders, as they were just painted.
    if (left && !left->Empty())
      BitBlt(canvas.Handle(), 0, 0, FLeftWidth, FTitleHeight, left->Canvas().Handle(), 0, 0, SRCCOPY);
    if (right && !right->Empty())
      BitBlt(canvas.Handle(), w - FRightWidth, 0, FRightWidth, FTitleHeight, right->Canvas().Handle(), 0, 0, SRCCOPY);
    title = RECT{FLeftWidth, 0, w - FRightWidth, FTitleHeight};
  }
  if (WidthOf(title) >= 0 && HeightOf(title) >= 0)
    canvas.Draw(title.left, title.top, RenderBorder(sbTop, WidthOf(title), HeightOf(title)));
  PaintCaption(canvas, title, state.Text);
  LayoutTitleButtons();
  PaintTitleButtons(canvas.Handle());
}

std::wstring TWinSkinForm::CaptionText() const {
  std::wstring text;
  if (FUnicode) {
    const int length = GetWindowTextLengthW(FHandle);
    text.resize(static_cast<std::size_t>(length) + 1);
    text.resize(static_cast<std::size_t>(GetWindowTextW(FHandle, text.data(), length + 1)));
  } else {
    char buffer[1000] = {};
    SendMessageA(FHandle, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer));
    text = AnsiToWide(buffer);
  }
  return FCaptionPrefix + text + FCaptionSuffix;
}

void TWinSkinForm::PaintCaption(TCanvas& canvas, const RECT& title, const std::wstring& text) {
  const HDC dc = canvas.Handle();
  const TDataSkinTitle& skin = FSkinData->FTitle;
  FRightButtonsLeft = 0;
  for (const auto& button : FTitleButtons) {
    button->UpdateVisibility();
    if (button->FData.FAlign == 1 && !button->FData.FBitmap.Empty() && button->FVisible)
      FRightButtonsLeft = std::max(FRightButtonsLeft, button->FData.FXcoord);
  }
  const TSelectObject font(dc, FCaptionFont.Get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, static_cast<COLORREF>(
                       ColorToRGB(FSkinData->FColours[FActive ? scTitleTextActive : scTitleTextNoActive])));

  RECT r{title.left, title.top, title.left, title.top};
  DrawSkinText(dc, text, r, kCaptionMeasure);
  const int textHeight = HeightOf(r);
  r.right += skin.FTextBackLeft + skin.FTextBackRight;
  const int tw = WidthOf(r), titleWidth = WidthOf(title);
  const int shift = skin.FMargins.left, rightClip = skin.FMargins.right;
  int x = 0;
  if (!FRightToLeft) {
    switch (skin.FTextAlignment) {
      case 0: x = shift; break;
      case 1: x = (titleWidth - tw) / 2; break;
      case 2: x = titleWidth - rightClip - tw; break;
      default: break;
    }
  } else {
    switch (skin.FTextAlignment) {
      case 0: x = titleWidth - FRightButtonsLeft - tw; break;
      case 1: x = (titleWidth - FRightButtonsLeft - tw) / 2; break;
      case 2: x = shift; break;
      default: break;
    }
  }
  OffsetRect(&r, x, (HeightOf(title) - textHeight) / 2 + skin.FMargins.top / 2);
  if (FRightToLeft && x < 1) r.left = shift;
  if (FRightToLeft) {
    OffsetRect(&r, 10, 0);
  } else if (GetWindowLongA(FHandle, GWL_STYLE) & WS_POPUP) {
    const int limit = title.right - FRightButtonsLeft - 5;
    if (FRightButtonsLeft > 5 && limit < r.right) r.right = limit;
  } else {
    r.right = title.right - rightClip;
  }
  if (FFrameKind == fkDialog && skin.FTextAlignment == 0) r.left -= kDialogCaptionShift;
  FCaptionBackRect = r;
  if (!skin.FBitmap.Empty()) {
    DrawThreePart(canvas, RECT{r.left, title.top, r.right, title.bottom}, const_cast<TBitmap&>(skin.FBitmap), true,
                  true, 2, FActive ? 1 : 2, RECT{skin.FTextBackLeft, 0, skin.FTextBackRight, 0});
  }
  r.left += skin.FTextBackLeft;
  r.right -= skin.FTextBackRight;
  DrawSkinText(dc, text, r, FRightToLeft ? kCaptionDrawRightToLeft : kCaptionDraw);
  FCaptionRect = r;
  SetBkMode(dc, oldMode);
}

void TWinSkinForm::PaintTitleButtons(HDC dc) {
  for (const auto& button : FTitleButtons) {
    const TDataSkinSysButton& data = button->FData;
    if (!button->FVisible || data.FBitmap.Empty() || data.FVisibility == 100) continue;
    if (button->IsIcon()) {
      PaintIconButton(dc, *button);
      continue;
    }
    const int frames = std::max(data.FFrameCount, 1);
    const int frame = frames < 4 || (FActive && button->FEnabled) ? 1 : 4;
    DrawFrame(dc, button->FBounds, const_cast<TBitmap&>(data.FBitmap), true, frames, frame);
  }
}

void TWinSkinForm::PaintIconButton(HDC dc, const TWinSysButton& button) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(FHandle, WM_GETICON, ICON_BIG, 0));
  if (icon) {
    const int y = (FCaptionRect.top + FCaptionRect.bottom) / 2 - FIconSize / 2;
    DrawIconEx(dc, 8, y, icon, FIconSize, FIconSize, 0, nullptr, DI_NORMAL);
  } else {
    DrawTransparent(dc, button.FBounds, FIconBitmap, kSkinKeyColour);
  }
}

void TWinSkinForm::UpdateRegion() {
  if (FSkinState == kSkinReleased || !FSkinFrame || (FMDIKind == mkChild && FShowState != ssNormal)) return;
  RECT window{};
  GetWindowRect(FHandle, &window);
  const int w = WidthOf(window), h = HeightOf(window);
  if (w <= 0 || h <= 0) return;
  if (FHasRegion && w == FRegionWidth && h == FRegionHeight && FMDIKind != mkChild && FSkinState != kSkinReskin)
    return;
  FRegionWidth = w;
  FRegionHeight = h;
  TRegionHandle region = BuildRegion(w, h);
  // The system owns the region from here on, and frees the one it replaces.
  if (SetWindowRgn(FHandle, region.Get(), TRUE)) {
    region.Release();
    FHasRegion = true;
  }
}

TRegionHandle TWinSkinForm::BuildRegion(int w, int h) {
  const auto& borders = FSkinData->FBorders;
  const auto trans = [&borders](TSkinBorder border) { return borders[border]->FTrans; };
  if (!trans(sbLeft) && !trans(sbRight) && !trans(sbTop) && !trans(sbBottom)) return RectRegion(0, 0, w, h);
  TRegionHandle region = RectRegion(FLeftWidth, FTitleHeight, w - FRightWidth, h - FBottomHeight);
  if (FFrameKind == fkNone) return region;
  const int middle = w - FLeftWidth - FRightWidth;
  const auto side = [&](TSkinBorder border, int x, int width) {
    if (trans(border) != 1 || h <= 1) return RectRegion(x, 0, x + width, h);
    return KeyRegion(RenderBorder(border, width, h), x, 0);
  };
  TRegionHandle left = side(sbLeft, 0, FLeftWidth);
  const TRegionHandle right = side(sbRight, w - FRightWidth, FRightWidth);
  TRegionHandle bottom;
  if (trans(sbBottom) == 1 && FBottomHeight >= 2) {
    bottom = KeyRegion(RenderBorder(sbBottom, middle, FBottomHeight), FLeftWidth, h - FBottomHeight);
  } else {
    bottom = RectRegion(FLeftWidth, h - FBottomHeight, w - FRightWidth, h);
  }
  TRegionHandle top;
  if (trans(sbTop) == 1 && FTitleHeight > 1 && middle > 0) {
    top = KeyRegion(RenderBorder(sbTop, middle, FTitleHeight), FLeftWidth, 0);
  } else {
    top = RectRegion(FLeftWidth, 0, w - FRightWidth, FTitleHeight);
  }
  Join(left, right);
  Join(top, bottom);
  Join(left, top);
  Join(region, left);
  return region;
}
