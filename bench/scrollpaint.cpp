// scrollpaint PACKAGE [ROUNDS]: the cost of skinned scroll bars, measured
// in one run against the same work unskinned:
//   - one repaint (frame and client, painted at once) of a memo with both
//     scroll bars showing, skinned with PACKAGE (its frame and two overlay
//     bars), against the same memo on a form the skin leaves alone;
//   - skinning a form of 100 mixed controls (the dispatch choosing each
//     control's wrapper and attaching those that exist), against creating
//     those 100 controls with their windows.
// Batches alternate and the fastest batch of each counts, so that a busy
// machine disturbs both alike.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/SkinBench.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Grid.h"
#include "ui/ListBox.h"
#include "ui/Memo.h"
#include "ui/Panel.h"
#include "ui/TreeView.h"

namespace {

std::unique_ptr<TForm> NewForm(int left, std::intptr_t tag) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetTag(tag);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetCaption("Quorvex");
  form->SetBounds(left, 100, 420, 320);
  return form;
}

void Show(TForm& form) {
  form.Show();
  SetForegroundWindow(form.Handle());
  Pump();
}

TMemo* MemoWithBars(TForm& form) {
  auto* memo = new TMemo(&form);
  memo->SetParent(&form);
  memo->SetBounds(5, 5, 390, 276);
  memo->SetScrollBars(TScrollStyle::ssBoth);
  memo->SetWordWrap(false);
  for (int i = 0; i < 200; ++i) memo->Lines()->Add("a line long enough to need the horizontal bar as well " + std::to_string(i));
  return memo;
}

double Repaint(HWND window, int rounds) {
  return MicrosecondsPerRound(rounds, [window] {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
  });
}

// 100 controls of ten kinds, each with its window.
void AddControls(TForm& form) {
  for (int i = 0; i < 100; ++i) {
    TControl* control = nullptr;
    switch (i % 10) {
      case 0: control = new TMemo(&form); break;
      case 1: control = new TListBox(&form); break;
      case 2: control = new TDrawGrid(&form); break;
      case 3: control = new TTreeView(&form); break;
      case 4: control = new TPanel(&form); break;
      case 5: control = new TEdit(&form); break;
      case 6: control = new TButton(&form); break;
      case 7: control = new TCheckBox(&form); break;
      case 8: control = new TComboBox(&form); break;
      default: control = new TRadioButton(&form); break;
    }
    control->SetParent(&form);
    control->SetBounds(4 + (i % 10) * 40, 4 + (i / 10) * 28, 38, 26);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) windowed->HandleNeeded();
  }
}

}  // namespace

int main(int argc, char** argv) {
  TComponent root(nullptr);
  int rounds = 0;
  if (const int status = StartSkinBench(argc, argv, "scrollpaint", 200, root, rounds)) return status;
  TSkinManage& manager = *SkinManager();

  // Tag 99 keeps the skin away from the baseline's form.
  const std::unique_ptr<TForm> plainForm = NewForm(20, 99);
  const std::unique_ptr<TForm> skinnedForm = NewForm(460, 0);
  TMemo* plain = MemoWithBars(*plainForm);
  TMemo* skinned = MemoWithBars(*skinnedForm);
  Show(*plainForm);
  Show(*skinnedForm);
  if (!manager.FindSkinForm(skinnedForm->Handle()) || SendMessageA(skinned->Handle(), SKM_QUERYSKINNED, 0, 0) != 1 ||
      SendMessageA(plain->Handle(), SKM_QUERYSKINNED, 0, 0) == 1) {
    std::fprintf(stderr, "scrollpaint: the memos were not set up as measured\n");
    return 1;
  }
  constexpr int kBatches = 5;
  const int batch = std::max(1, rounds / kBatches);
  double system = 1e30, own = 1e30;
  for (int i = 0; i < kBatches; ++i) {
    system = std::min(system, Repaint(plain->Handle(), batch));
    own = std::min(own, Repaint(skinned->Handle(), batch));
  }

  // Skinning a form of 100 controls against creating them: each round a
  // fresh form, skinned before its controls exist, so that the dispatch is
  // timed on its own.
  const int forms = std::max(1, rounds / 20);
  double create = 1e30, skin = 1e30;
  std::size_t wrappers = 0;
  for (int i = 0; i < forms; ++i) {
    std::unique_ptr<TForm> form = NewForm(460, 0);
    Show(*form);
    TWinSkinForm* skinner = manager.FindSkinForm(form->Handle());
    if (!skinner) {
      std::fprintf(stderr, "scrollpaint: the form was not skinned\n");
      return 1;
    }
    create = std::min(create, MicrosecondsPerRound(1, [&] { AddControls(*form); }));
    skin = std::min(skin, MicrosecondsPerRound(1, [&] { skinner->SkinFormControls(*form); }));
    wrappers = skinner->FControls.size();
    form.reset();
    Pump();
  }

  std::printf("memo repaints: %d in %d batches\n", batch * kBatches, kBatches);
  std::printf("unskinned memo repaint: %.1f us\n", system);
  std::printf("skinned memo repaint: %.1f us\n", own);
  std::printf("ratio skinned/unskinned: %.2f\n", own / system);
  std::printf("forms of 100 controls: %d, %zu wrappers made each\n", forms, wrappers);
  std::printf("creating 100 controls: %.0f us\n", create);
  std::printf("skinning them (dispatch and attach): %.0f us\n", skin);
  std::printf("ratio skinning/creating: %.2f\n", skin / create);
  DestroySkinManager();
  return 0;
}
