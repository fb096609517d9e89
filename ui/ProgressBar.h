#pragma once
// Progress bars: the system's progress bar under the progress bar's own
// class name ("TProgressBar"), filled from Min to Position of Min to Max,
// in blocks or Smooth, lying or standing (Orientation, filled from the
// bottom).
#include "ui/WinControl.h"

enum class TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TWinControl {
 public:
  QV_CLASS(TProgressBar, TWinControl)

  explicit TProgressBar(TComponent* owner);

  int Min() const { return FMin; }
  void SetMin(int min);
  int Max() const { return FMax; }
  void SetMax(int max);
  int Position() const { return FPosition; }
  void SetPosition(int position);
  // How far StepIt moves.
  int Step() const { return FStep; }
  void SetStep(int step) { FStep = step; }
  TProgressBarOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation orientation);
  bool Smooth() const { return FSmooth; }
  void SetSmooth(bool smooth);
  // Moves Position by Step, or by delta, within Min to Max.
  void StepIt() { StepBy(FStep); }
  void StepBy(int delta) { SetPosition(FPosition + delta); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  static const TPropInfo Published[];

  void UpdateWindow();

  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  TProgressBarOrientation FOrientation = TProgressBarOrientation::pbHorizontal;
  bool FSmooth = false;
};
