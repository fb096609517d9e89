#pragma once
// TSkinHeader: a header control (the row of column captions above a list)
// painted from the skin's "Headerbar" element: frame 1 for an item and the
// rest of the bar, frame 2 for the item under the mouse; each item's image
// and text laid out by its format.
//
// A list view's wrapper attaches one to the list view's header window:
//
//   auto* header = new TSkinHeader(listViewControl);
//   header->InitHandle(headerWindow, skinData, form, canvas);
//
// The wrapper then belongs to the list view and dies with it (or with the
// form skinner's list, whichever frees it first).
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/SkinControl.h"

class TDataSkinObject;

class TSkinHeader : public TSkinControl {
  QV_CLASS(TSkinHeader, TSkinControl)

  using TSkinControl::TSkinControl;

  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  void InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;

  // Where each item answers the mouse, as at the last paint: the item
  // without 3 pixels at its left and right.
  std::vector<RECT> FItemRects;
  // The item under the mouse; -1 for none.
  int FHotItem = -1;

 private:
  // The skin's element, when it has a picture.
  TDataSkinObject* Element() const;
  void OnMouseMove(const TMessage& message);
  void DrawItem(HDC dc, int index, const RECT& rect, HIMAGELIST images, TDataSkinObject& element) const;
  // The image and text of an item into its own bitmap, whose size place is.
  void DrawContent(HDC dc, const RECT& place, int align, const std::wstring& text, int imageIndex,
                   HIMAGELIST images) const;
};
