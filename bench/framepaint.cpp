// framepaint PACKAGE [ROUNDS]: the cost of the skinned frame, measured in
// one run against the system's own frame:
//   - a full frame paint of a window sized and styled as the main window
//     (dialog frame, stay on top, 390 x 276 client) skinned with PACKAGE,
//     against the system's frame paint of the same window left unskinned
//     (RedrawWindow with RDW_FRAME, painted at once, for both);
//   - the repaint after each activation change (WM_NCACTIVATE), and after
//     each change of the caption text, where the skinned window composes
//     its title afresh;
//   - one build of the window region from the borders' magenta pixels.
// The two paints are measured in alternating batches and the fastest batch
// of each counts, so that a busy machine disturbs both alike.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench/SkinBench.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Form.h"

namespace {

std::unique_ptr<TForm> MainWindowLike(int left, std::intptr_t tag) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetTag(tag);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetFormStyle(TFormStyle::fsStayOnTop);
  form->SetCaption("Quorvex");
  form->SetBounds(left, 100, 400, 300);
  form->SetClientWidth(390);
  form->SetClientHeight(276);
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump();
  return form;
}

double FramePaint(HWND window, int rounds) {
  return MicrosecondsPerRound(rounds, [window] {
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    GdiFlush();
  });
}

double CaptionPaint(HWND window, int rounds) {
  int round = 0;
  return MicrosecondsPerRound(rounds, [window, &round] {
    SetWindowTextA(window, ("Quorvex " + std::to_string(++round)).c_str());
    GdiFlush();
  });
}

double ActivationPaint(HWND window, int rounds) {
  int active = 0;
  return MicrosecondsPerRound(rounds, [window, &active] {
    SendMessageA(window, WM_NCACTIVATE, active ^= 1, 0);
    GdiFlush();
  });
}

}  // namespace

int main(int argc, char** argv) {
  TComponent root(nullptr);
  int rounds = 0;
  if (const int status = StartSkinBench(argc, argv, "framepaint", 200, root, rounds)) return status;
  TSkinManage& manager = *SkinManager();

  // Tag 99 keeps the skin away from the window of the baseline.
  const std::unique_ptr<TForm> plain = MainWindowLike(40, 99);
  const std::unique_ptr<TForm> skinned = MainWindowLike(500, 0);
  TWinSkinForm* skin = manager.FindSkinForm(skinned->Handle());
  if (!skin || manager.FindSkinForm(plain->Handle())) {
    std::fprintf(stderr, "framepaint: the windows were not set up as measured\n");
    return 1;
  }
  constexpr int kBatches = 5;
  const int batch = std::max(1, rounds / kBatches);
  double system = 1e30, own = 1e30, systemActivation = 1e30, ownActivation = 1e30, systemCaption = 1e30,
         ownCaption = 1e30;
  for (int i = 0; i < kBatches; ++i) {
    system = std::min(system, FramePaint(plain->Handle(), batch));
    own = std::min(own, FramePaint(skinned->Handle(), batch));
    systemActivation = std::min(systemActivation, ActivationPaint(plain->Handle(), batch));
    ownActivation = std::min(ownActivation, ActivationPaint(skinned->Handle(), batch));
    systemCaption = std::min(systemCaption, CaptionPaint(plain->Handle(), batch));
    ownCaption = std::min(ownCaption, CaptionPaint(skinned->Handle(), batch));
  }
  const RECT bounds = [&] {
    RECT r{};
    GetWindowRect(skinned->Handle(), &r);
    return r;
  }();
  const double region = MicrosecondsPerRound(
      rounds, [&] { skin->BuildRegion(bounds.right - bounds.left, bounds.bottom - bounds.top); });

  std::printf("rounds: %d in %d batches\n", batch * kBatches, kBatches);
  std::printf("system frame paint: %.1f us\n", system);
  std::printf("skinned frame paint: %.1f us\n", own);
  std::printf("ratio skinned/system: %.2f\n", own / system);
  std::printf("system activation repaint: %.1f us\n", systemActivation);
  std::printf("skinned activation repaint: %.1f us\n", ownActivation);
  std::printf("ratio skinned/system: %.2f\n", ownActivation / systemActivation);
  std::printf("system caption change: %.1f us\n", systemCaption);
  std::printf("skinned caption change: %.1f us\n", ownCaption);
  std::printf("ratio skinned/system: %.2f\n", ownCaption / systemCaption);
  std::printf("region build: %.1f us\n", region);
  DestroySkinManager();
  return 0;
}
