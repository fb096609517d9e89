#pragma once
// Scroll bar controls: the system's scroll bar under the scroll bar's own
// class name ("TScrollBar"), horizontal or vertical (Kind), over the range
// Min to Max with a thumb of PageSize. A click on an arrow moves Position by
// SmallChange, on the track by LargeChange, a drag of the thumb to where it
// is dropped; every change of Position calls OnChange.
#include "ui/WinControl.h"

enum class TScrollBarKind { sbHorizontal, sbVertical };

class TScrollBar : public TWinControl {
 public:
  QV_CLASS(TScrollBar, TWinControl)

  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return FKind; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return FMin; }
  void SetMin(int min) { SetParams(FPosition, min, FMax); }
  int Max() const { return FMax; }
  void SetMax(int max) { SetParams(FPosition, FMin, max); }
  int Position() const { return FPosition; }
  void SetPosition(int position) { SetParams(position, FMin, FMax); }
  // The part of the range one page shows, the thumb's length; 0 for a
  // thumb of the system's size.
  int PageSize() const { return FPageSize; }
  void SetPageSize(int pageSize);
  int SmallChange() const { return FSmallChange; }
  void SetSmallChange(int change) { FSmallChange = change; }
  int LargeChange() const { return FLargeChange; }
  void SetLargeChange(int change) { FLargeChange = change; }
  // Position within the range; the range is at least one value wide.
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  // The highest position: the thumb's end at Max.
  int LastPosition() const;
  void UpdateScrollInfo();
  void CNScroll(TMessage& message);

  TScrollBarKind FKind = TScrollBarKind::sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FPageSize = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};
