#pragma once
// Up-down controls: the system's pair of arrow buttons under the up-down's
// own class name ("TUpDown"), stepping Position by Increment within Min to
// Max (round from one end to the other with Wrap). An associated control
// (an edit) gets the up-down at its right edge and shows the position. A
// click on an arrow calls OnClick with the arrow.
#include "ui/WinControl.h"

enum class TUDOrientation { udHorizontal, udVertical };
enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = TMethod<void(TObject* Sender, TUDBtnType Button)>;

class TUpDown : public TWinControl {
 public:
  QV_CLASS(TUpDown, TWinControl)

  explicit TUpDown(TComponent* owner);

  int Min() const { return FMin; }
  void SetMin(int min);
  int Max() const { return FMax; }
  void SetMax(int max);
  int Position() const;
  void SetPosition(int position);
  int Increment() const { return FIncrement; }
  void SetIncrement(int increment);
  TUDOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation orientation);
  bool Wrap() const { return FWrap; }
  void SetWrap(bool wrap);
  // The control that shows the position, not owned.
  TWinControl* Associate() const { return FAssociate; }
  void SetAssociate(TWinControl* associate);

  void Notification(TComponent* component, TOperation operation) override;

  // Hides the control's OnClick: the up-down's tells which arrow.
  TUDClickEvent OnClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void UpdateWindow();
  void CNScroll(TMessage& message);

  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  TUDOrientation FOrientation = TUDOrientation::udVertical;
  bool FWrap = false;
  TWinControl* FAssociate = nullptr;
};
