#pragma once
// Scrolling windowed controls: the window shows scroll bars when the child
// controls reach past its client area, and scrolling moves the children.
// A scroll box is one with a border; a frame (ui/Frame.h) is another.
#include "ui/ControlTypes.h"
#include "ui/WinControl.h"

class TScrollingWinControl : public TWinControl {
 public:
  QV_CLASS(TScrollingWinControl, TWinControl)

  explicit TScrollingWinControl(TComponent* owner);

  // How far the content is scrolled: the scrolled area's point at the
  // client area's top-left corner.
  POINT ScrollPosition() const { return FScrollPosition; }
  // Scrolls to the point, kept within the scrolled area.
  void SetScrollPosition(POINT position);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AlignControls() override;
  void WndProc(TMessage& message) override;

 private:
  // The scrolled area: from the origin to the farthest child edge.
  SIZE ScrolledExtent() const;
  void UpdateScrollBars();
  void WMScroll(TMessage& message);

  POINT FScrollPosition{0, 0};
  bool FScrolling = false;
};

class TScrollBox : public TScrollingWinControl {
 public:
  QV_CLASS(TScrollBox, TScrollingWinControl)

  explicit TScrollBox(TComponent* owner);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle borderStyle);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  static const TPropInfo Published[];
  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
};
