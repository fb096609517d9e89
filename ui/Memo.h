#pragma once
// Memos: edits of many lines. The window class extends the system's "EDIT"
// class under the memo's own class name ("TMemo"). Lines presents the
// window's text as a list of lines; ReadOnly keeps the user from editing it;
// ScrollBars gives the window its scroll bars, which the system shows when
// the text needs them; WordWrap breaks long lines at the window's edge.
#include <memory>

#include "ui/Edit.h"
#include "ui/Strings.h"

class TCustomMemo : public TCustomEdit {
 public:
  QV_CLASS(TCustomMemo, TCustomEdit)

  explicit TCustomMemo(TComponent* owner);

  // Lines ending in CR LF; a final line end adds no line.
  TStrings* Lines() const { return FLines.get(); }
  void SetLines(const TStrings* lines);
  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle scrollBars);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  std::unique_ptr<TStrings> FLines;
  TScrollStyle FScrollBars = TScrollStyle::ssNone;
  bool FWordWrap = true;
};

class TMemo : public TCustomMemo {
 public:
  QV_CLASS(TMemo, TCustomMemo)

  using TCustomMemo::TCustomMemo;

 private:
  static const TPropInfo Published[];
};
