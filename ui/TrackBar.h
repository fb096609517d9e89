#pragma once
// Track bars: the system's track bar (a thumb slid along a scale) under the
// track bar's own class name ("TTrackBar"), over Min to Max, with a tick
// every Frequency positions. The arrow keys move the thumb by LineSize, the
// page keys and clicks on the channel by PageSize; every change of Position
// calls OnChange.
#include "ui/WinControl.h"

enum class TTrackBarOrientation { trHorizontal, trVertical };

class TTrackBar : public TWinControl {
 public:
  QV_CLASS(TTrackBar, TWinControl)

  explicit TTrackBar(TComponent* owner);

  int Min() const { return FMin; }
  void SetMin(int min);
  int Max() const { return FMax; }
  void SetMax(int max);
  int Position() const { return FPosition; }
  void SetPosition(int position);
  int Frequency() const { return FFrequency; }
  void SetFrequency(int frequency);
  int LineSize() const { return FLineSize; }
  void SetLineSize(int size);
  int PageSize() const { return FPageSize; }
  void SetPageSize(int size);
  TTrackBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation orientation);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void UpdateWindow();
  void CNScroll(TMessage& message);

  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FFrequency = 1;
  int FLineSize = 1;
  int FPageSize = 2;
  TTrackBarOrientation FOrientation = TTrackBarOrientation::trHorizontal;
};
