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
    Prop<TTypeKind::Boolean, &TCustomMemo::ReadOnly, &TCustomMemo::SetReadOnly>("ReadOnly"),
};
QV_CLASS_INFO(TMemo, Published);

TCustomMemo::TCustomMemo(TComponent* owner)
    : TWinControl(owner), FLines(std::make_unique<TMemoStrings>(*this)) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 185, 89);
}

void TCustomMemo::SetLines(const TStrings* lines) {
  if (lines) FLines->Assign(*lines);
}

void TCustomMemo::SetReadOnly(bool readOnly) {
  if (readOnly == FReadOnly) return;
  FReadOnly = readOnly;
  if (HandleAllocated()) SendMessageA(Handle(), EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  CreateSubClass(params, "EDIT");
  params.Style |= WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (FReadOnly) params.Style |= ES_READONLY;
  params.ExStyle |= WS_EX_CLIENTEDGE;
}
