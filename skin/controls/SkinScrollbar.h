#pragma once
// The wrappers of windows that carry their own scroll bars: each lays a
// skinned bar (TWScrollbar) over every bar the system shows and keeps it in
// place as the window changes.
//
// TSkinScrollbar wraps a framework control (memo, list box, grid, tree
// view, rich edit) and also draws a two-colour frame in place of the
// window's border; TSkinListView adds the list view's header. The combo box
// wrapper uses TSkinScrollbarH for a drop-down list that is a child window
// (ListScrollbar), and TComboxScrollBar (ComboxScrollBar.h) for a pop-up
// one.
#include "skin/controls/SkinControl.h"

class TWScrollbar;
class TWinControl;

class TSkinScrollbar : public TSkinControl {
 public:
  QV_CLASS(TSkinScrollbar, TSkinControl)

  explicit TSkinScrollbar(TComponent* owner);

  // Attaches through InitScrollbar (the colour is never changed: the frame
  // and the bars are drawn over the control).
  void InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) override;
  // Hooks the control, covers its bars and, unless it has no border (or is
  // a single scroll bar, FKind 1), frames it; a grid's FixedColor becomes
  // the skin's control colour.
  virtual void InitScrollbar(TWinControl& control, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas);
  void Unskin() override;
  bool BeforeProc(TMessage& message) override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void SkinChange() override;

  // Places both bars over the window's bars again.
  void UpdateBars();
  // The frame: ButtonShadow outside, ButtonFace inside, one pixel each.
  void DrawBorder(HDC dc);
  // A bar that leaves this wrapper's components is forgotten at once: the
  // bars are freed before the wrapper lets go of its control.
  void Notification(TComponent* component, TOperation operation) override;

  // Owned by this wrapper; null once unskinned.
  TWScrollbar* FHorzBar = nullptr;
  TWScrollbar* FVertBar = nullptr;
  bool FDrawBorder = false;

 private:
  void SetFixedColor();
  void FreeBars();
  void OnNCPaint(TMessage& message);
  void OnVisibleChanged(TMessage& message);
  void OnEnabledChanged();
  void OnPaintFrameTo(TMessage& message);
};

class TSkinListView : public TSkinScrollbar {
 public:
  QV_CLASS(TSkinListView, TSkinScrollbar)

  using TSkinScrollbar::TSkinScrollbar;

  // Also wraps the list view's header, when it has one and the header
  // wrapper exists.
  void InitScrollbar(TWinControl& control, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) override;

  // Owned by the list view.
  TSkinControl* FHeader = nullptr;
};

// The list of a combo box that is a child window of it (a simple combo
// box): attached with InitHandle, both bars covered. Made by the combo box
// wrapper, owned by the combo box control.
class TSkinScrollbarH : public TSkinControl {
 public:
  QV_CLASS(TSkinScrollbarH, TSkinControl)

  explicit TSkinScrollbarH(TComponent* owner);

  void InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) override;
  void Unskin() override;
  void AfterProc(TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rect) override;
  void Notification(TComponent* component, TOperation operation) override;

  TWScrollbar* FHorzBar = nullptr;
  TWScrollbar* FVertBar = nullptr;

 private:
  void FreeBars();
};
