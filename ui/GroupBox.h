#pragma once
// Group boxes: the system's group box (a "BUTTON" of the group box style)
// under the group box's own class name: a captioned frame around the
// controls put inside it, which fill the area inside the frame and below
// the caption when aligned.
#include "ui/WinControl.h"

class TCustomGroupBox : public TWinControl {
 public:
  QV_CLASS(TCustomGroupBox, TWinControl)

  explicit TCustomGroupBox(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void AdjustClientRect(RECT& rect) const override;
  void WndProc(TMessage& message) override;

 private:
  void WMNCHitTest(TMessage& message);
  void CMTextChanged(TMessage& message);
};

class TGroupBox : public TCustomGroupBox {
 public:
  QV_CLASS(TGroupBox, TCustomGroupBox)

  using TCustomGroupBox::TCustomGroupBox;

 private:
  static const TPropInfo Published[];
};
