#include "ui/Memo.h"

#include "ui/TypInfo.h"

namespace {

// A memo's lines, read from and written to its text.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& memo) : FMemo(memo) {}

  int Count() const override { return Lines().Count(); }
  std::string Get(int index) const override { return Lines().Get(index); }
  void Put(int index, const std::string& text) override {
    TStringList lines = Lines();
    lines.Put(index, text);
    Store(lines);
  }
  void Insert(int index, const std::string& text) override {
    TStringList lines = Lines();
    lines.Insert(index, text);
    Store(lines);
  }
  void Delete(int index) override {
    TStringList lines = Lines();
    lines.Delete(index);
    Store(lines);
  }
  void Clear() override { FMemo.SetText(""); }

 protected:
  // No repainting between the changes of an update.
  void SetUpdateState(bool updating) override {
    if (!FMemo.HandleAllocated()) return;
    SendMessageA(FMemo.Handle(), WM_SETREDRAW, updating ? FALSE : TRUE, 0);
    if (!updating) FMemo.Invalidate();
  }

 private:
  TStringList Lines() const {
    TStringList lines;
    lines.SetText(FMemo.Text());
    return lines;
  }
  void Store(const TStringList& lines) { FMemo.SetText(lines.Text()); }

  TCustomMemo& FMemo;
};

}  // namespace

QV_CLASS_INFO(TCustomMemo, {});

const TPropInfo TMemo::Published[] = {
    Prop<TTypeKind::Object, &TCustomMemo::Lines, &TCustomMemo::SetLines>("Lines"),
    Prop<TTypeKind::Boolean, &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly"),
    Prop<TTypeKind::Enumeration, &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle>("BorderStyle",
                                                                                         kBorderStyleNames),
    Prop<TTypeKind::Enumeration, &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars>("ScrollBars",
                                                                                       kScrollStyleNames),
    Prop<TTypeKind::Boolean, &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap>("WordWrap"),
    Prop<TTypeKind::Method, &TCustomEdit::OnChange, &TCustomEdit::OnChange>("OnChange"),
};
QV_CLASS_INFO(TMemo, Published);

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetBounds(0, 0, 185, 89);
}

void TCustomMemo::SetLines(const TStrings* lines) {
  if (lines) FLines->Assign(*lines);
}

void TCustomMemo::SetScrollBars(TScrollStyle scrollBars) {
  if (scrollBars == FScrollBars) return;
  FScrollBars = scrollBars;
  RecreateWnd();
}

void TCustomMemo::SetWordWrap(bool wordWrap) {
  if (wordWrap == FWordWrap) return;
  FWordWrap = wordWrap;
  RecreateWnd();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  // A line that is not broken scrolls sideways instead.
  if (FWordWrap) params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth) params.Style |= WS_HSCROLL;
}
