// boxpaint PACKAGE [ROUNDS]: the cost of the skinned faces of an edit, a
// group box and a panel, measured in one run against the same controls left
// to the system: a window with the three controls skinned with PACKAGE,
// and a window just like it that the skin leaves alone (Tag 99). Each round
// repaints one control whole (RedrawWindow: frame, background and face,
// painted at once). The two windows are measured in alternating batches and
// the fastest batch of each counts, so that a busy machine disturbs both
// alike.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/SkinBench.h"
#include "skin/controls/SkinControl.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Panel.h"

namespace {

struct TBoxWindow {
  TBoxWindow(int left, std::intptr_t tag) : Form(std::make_unique<TForm>(nullptr)) {
    Form->SetTag(tag);
    Form->SetBorderStyle(TFormBorderStyle::bsDialog);
    Form->SetCaption("Boxes");
    Form->SetBounds(left, 100, 420, 200);
    Edit = new TEdit(Form.get());
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 180, 24);
    Edit->SetText("An edit of one line");
    Group = new TGroupBox(Form.get());
    Group->SetParent(Form.get());
    Group->SetBounds(200, 10, 190, 140);
    Group->SetCaption("Group box");
    Panel = new TPanel(Form.get());
    Panel->SetParent(Form.get());
    Panel->SetBounds(10, 50, 180, 100);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Pump();
  }

  std::unique_ptr<TForm> Form;
  TEdit* Edit;
  TGroupBox* Group;
  TPanel* Panel;
};

double Repaint(HWND window, int rounds) {
  const TClock::time_point start = TClock::now();
  for (int i = 0; i < rounds; ++i) {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
  }
  return std::chrono::duration<double, std::micro>(TClock::now() - start).count() / rounds;
}

bool Wrapped(const TWinSkinForm& skin, const TControl* control) {
  return std::any_of(skin.FControls.begin(), skin.FControls.end(),
                     [control](const TSkinControl* wrapper) { return wrapper->FControl == control; });
}

}  // namespace

int main(int argc, char** argv) {
  TComponent root(nullptr);
  int rounds = 0;
  if (const int status = StartSkinBench(argc, argv, "boxpaint", 500, root, rounds)) return status;
  TSkinManage& manager = *SkinManager();

  const TBoxWindow plain(20, 99);
  const TBoxWindow skinned(460, 0);
  const TWinSkinForm* skin = manager.FindSkinForm(skinned.Form->Handle());
  if (!skin || manager.FindSkinForm(plain.Form->Handle()) || !Wrapped(*skin, skinned.Edit) ||
      !Wrapped(*skin, skinned.Group) || !Wrapped(*skin, skinned.Panel)) {
    std::fprintf(stderr, "boxpaint: the windows were not set up as measured\n");
    return 1;
  }
  struct TCase {
    const char* name;
    HWND plain, skinned;
    double system = 1e30, own = 1e30;
  };
  TCase cases[] = {
      {"edit", plain.Edit->Handle(), skinned.Edit->Handle()},
      {"group box", plain.Group->Handle(), skinned.Group->Handle()},
      {"panel", plain.Panel->Handle(), skinned.Panel->Handle()},
  };
  constexpr int kBatches = 5;
  const int batch = std::max(1, rounds / kBatches);
  for (int i = 0; i < kBatches; ++i)
    for (TCase& c : cases) {
      c.system = std::min(c.system, Repaint(c.plain, batch));
      c.own = std::min(c.own, Repaint(c.skinned, batch));
    }
  std::printf("rounds: %d in %d batches\n", batch * kBatches, kBatches);
  for (const TCase& c : cases) {
    std::printf("system %s repaint: %.1f us\n", c.name, c.system);
    std::printf("skinned %s repaint: %.1f us\n", c.name, c.own);
    std::printf("ratio skinned/system: %.2f\n", c.own / c.system);
  }
  DestroySkinManager();
  return 0;
}
