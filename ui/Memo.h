#pragma once
// Memos: multi-line edit controls. The window class extends the system's
// "EDIT" class under the memo's own class name ("TMemo"). Lines presents the
// window's text as a list of lines; ReadOnly keeps the user from editing it.
#include <memory>

#include "ui/Strings.h"
#include "ui/WinControl.h"

class TCustomMemo : public TWinControl {
 public:
  QV_CLASS(TCustomMemo, TWinControl)

  explicit TCustomMemo(TComponent* owner);

  // Lines ending in CR LF; a final line end adds no line.
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(const TStrings* lines);
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool readOnly);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::unique_ptr<TStrings> FLines;
  bool FReadOnly = false;
};

class TMemo : public TCustomMemo {
 public:
  QV_CLASS(TMemo, TCustomMemo)

  using TCustomMemo::TCustomMemo;

 private:
  static const TPropInfo Published[];
};
