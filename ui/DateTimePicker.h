#pragma once
// Date and time pickers: the system's date and time picker under the
// picker's own class name ("TDateTimePicker"), editing a date (with a
// calendar that drops down, or up-down arrows: DateMode) or a time (Kind).
// Every change by the user calls OnChange.
#include "ui/WinControl.h"

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateMode { dmComboBox, dmUpDown };

class TDateTimePicker : public TWinControl {
 public:
  QV_CLASS(TDateTimePicker, TWinControl)

  explicit TDateTimePicker(TComponent* owner);

  TDateTimeKind Kind() const { return FKind; }
  void SetKind(TDateTimeKind kind);
  TDTDateMode DateMode() const { return FDateMode; }
  void SetDateMode(TDTDateMode mode);
  // The date and time shown; at first the moment the picker was made.
  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& dateTime);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNNotify(const NMHDR& header, TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void WMDestroy(TMessage& message);

  TDateTimeKind FKind = TDateTimeKind::dtkDate;
  TDTDateMode FDateMode = TDTDateMode::dmComboBox;
  SYSTEMTIME FDateTime{};
};
