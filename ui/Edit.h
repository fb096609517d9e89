#pragma once
// Edits: the system's edit control under the edit's own class name
// ("TEdit"), one line of text that the user types; a memo (ui/Memo.h) is an
// edit of many lines. OnChange follows every change of the text.
#include "ui/ControlTypes.h"
#include "ui/WinControl.h"

class TCustomEdit : public TWinControl {
 public:
  QV_CLASS(TCustomEdit, TWinControl)

  explicit TCustomEdit(TComponent* owner);

  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle borderStyle);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly);
  // The most characters the user may type; 0 for the system's limit.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int maxLength);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void CNCommand(TMessage& message);

  TBorderStyle FBorderStyle = TBorderStyle::bsSingle;
  bool FReadOnly = false;
  int FMaxLength = 0;
};

class TEdit : public TCustomEdit {
 public:
  QV_CLASS(TEdit, TCustomEdit)

  using TCustomEdit::TCustomEdit;

 private:
  static const TPropInfo Published[];
};
