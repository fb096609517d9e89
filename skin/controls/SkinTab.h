#pragma once
// Tab controls painted from the skin's "Tabs" element.
//
// TSkinTab: tab controls and page controls with tabs, in every tab
// position, and bare tab control windows. The tab row is composed as if it
// stood on top of the control, each tab a nine-grid of the "Tabs" image
// (frame 2 for the focused tab, 1 for the others) with its icon and text,
// and then turned to the control's side: for tabs at the bottom the images
// are drawn upside down, for tabs at the left or right the composed row is
// turned a quarter turn so that the tops of the tabs face outwards. The
// display area gets the pane picture ("Tabs" Border, or "Tab.Pane" when the
// element's Style is 1), turned the same way. The row's scroll arrows keep
// their own window, skinned by a TSkinUpDown. A page control whose Tag is
// 7777 with tabs on top shows a close box on every tab: a click on one asks
// the form's window (SKM_CLOSETAB) and frees the page unless it answers
// otherwise than 0.
//
// The kinds that draw their tabs from the same element:
//   TSkinTabBtn:  page controls in button styles: every button a tab
//                 frame, upright, and no pane.
//   TSkinTab31:   tab sets (ui/TabSet.h): the tabs hang from the top edge,
//                 drawn upside down as tabs at the bottom are.
//   TSkinAdvPage: the "advpagecontrol" kind of the skin's list of other
//                 libraries' controls: drawn as a bare tab control.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "skin/controls/SkinControl.h"
#include "ui/Bitmap.h"

class TSkinUpDown;

// A page control with this Tag shows close boxes on its tabs (tabs on top).
constexpr int kCloseBoxTag = 7777;

// Where the tabs stand (FTabPosition).
enum : int { tpTabsTop = 0, tpTabsBottom = 1, tpTabsLeft = 2, tpTabsRight = 3 };

class TSkinTab : public TSkinControl {
  QV_CLASS(TSkinTab, TSkinControl)

  using TSkinControl::TSkinControl;

  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  void InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) override;
  bool BeforeProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;
  void Notification(TComponent* component, TOperation operation) override;

  // Per tab, its close box as at the last paint (buffer coordinates, which
  // are window coordinates for tabs on top); empty rectangles without.
  std::vector<RECT> FCloseBoxes;
  int FTabPosition = tpTabsTop;
  // The tab texts are read with the wide messages.
  bool FUnicodeItems = false;
  // The "Tabs" image, 24 bits per pixel, upside down for tabs at the bottom.
  TBitmap FTabImage;
  // The pane picture, 24 bits per pixel, turned for the tab position.
  TBitmap FPaneImage;
  // The tab row as if on top, before it is turned.
  TBitmap FBuffer;
  // The wrapper of the row's scroll arrows, once they exist.
  TSkinUpDown* FUpDown = nullptr;
  bool FShowClose = false;
  bool FEnabled = true;

 protected:
  // The side the tabs stand on, from the window style.
  virtual int TabPositionOfWindow() const;
  // One tab's face into rect of dc: the tab image's frame 2 when chosen,
  // else 1, and the icon and text centred in the element's text colours.
  void DrawTab(TCanvas& canvas, const RECT& rect, bool chosen, const std::wstring& text, int imageIndex,
               HIMAGELIST images);
  // The tab drawn as focused, of count.
  int FocusedTab(int count) const;
  // The text and icon of tab index of the window.
  void ReadTab(int index, std::wstring& text, int& imageIndex) const;
  // The window rectangle (window coordinates) of the row's scroll arrows
  // while they are shown, else empty; they get their wrapper on the way.
  RECT ScrollArrowsRect();

 private:
  void PrepareImages();
  // Whether a left-button press (client coordinates) is on a close box;
  // one that is closes its page.
  bool PressOnCloseBox(const TMessage& message);
  // The tab row into FBuffer, the tab strip's length long and depth deep;
  // display is the pane's place.
  void DrawTabRow(const RECT& rect, const RECT& display, int length, int depth);
  void DrawCloseBox(HDC dc, const RECT& tab, int index);

  // The margins that go with the turned pictures.
  RECT FTabMargins{};
  RECT FPaneMargins{};
};

class TSkinTabBtn : public TSkinTab {
  QV_CLASS(TSkinTabBtn, TSkinTab)

  using TSkinTab::TSkinTab;

  void DrawControl(HDC dc, const RECT& rect) override;

 protected:
  int TabPositionOfWindow() const override { return tpTabsTop; }
};

class TSkinTab31 : public TSkinTab {
  QV_CLASS(TSkinTab31, TSkinTab)

  using TSkinTab::TSkinTab;

  void DrawControl(HDC dc, const RECT& rect) override;

 protected:
  int TabPositionOfWindow() const override { return tpTabsBottom; }
};

class TSkinAdvPage : public TSkinTab {
  QV_CLASS(TSkinAdvPage, TSkinTab)

  using TSkinTab::TSkinTab;
};
