// gallerypaint PACKAGE [ROUNDS]: the cost of skinning the control gallery,
// measured in one run against the same form left to the system:
//   - making and showing the gallery form skinned with PACKAGE (the form
//     skinner attached, every control wrapped), against making and showing
//     it with Tag 99, which the skin leaves alone;
//   - one full repaint of the shown form (frame, background and every
//     control), skinned against unskinned.
// Batches alternate and the fastest batch of each counts, so that a busy
// machine disturbs both alike.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "bench/SkinBench.h"
#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "tools/skingallery/GalleryForm.h"

namespace {

std::unique_ptr<TGalleryForm> ShownGallery(std::intptr_t tag) {
  std::unique_ptr<TGalleryForm> form(TCustomForm::Create<TGalleryForm>(nullptr));
  form->SetTag(tag);
  form->Show();
  SetForegroundWindow(form->Handle());
  // The skin attaches on activation and finishes on a posted message.
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  return form;
}

void RepaintAll(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  GdiFlush();
}

}  // namespace

int main(int argc, char** argv) {
  TComponent root(nullptr);
  int rounds = 0;
  if (const int status = StartSkinBench(argc, argv, "gallerypaint", 100, root, rounds)) return status;
  TSkinManage& manager = *SkinManager();
  // The drop-down button's face, as the gallery program gives it.
  if (auto* data = dynamic_cast<TSkinData*>(root.Components(0))) data->Skin3rd()->Add("TMenuButton=menubtn");

  constexpr int kBatches = 5;
  const int forms = std::max(1, rounds / 20);
  double plainMake = 1e30, skinnedMake = 1e30;
  std::size_t wrappers = 0;
  for (int i = 0; i < kBatches; ++i) {
    plainMake = std::min(plainMake, MicrosecondsPerRound(forms, [] { ShownGallery(99); }));
    skinnedMake = std::min(skinnedMake, MicrosecondsPerRound(forms, [&] {
                             const std::unique_ptr<TGalleryForm> form = ShownGallery(0);
                             if (const TWinSkinForm* skin = manager.FindSkinForm(form->Handle()))
                               wrappers = skin->FControls.size();
                           }));
  }
  if (wrappers == 0) {
    std::fprintf(stderr, "gallerypaint: the gallery was not skinned\n");
    return 1;
  }

  const std::unique_ptr<TGalleryForm> plain = ShownGallery(99);
  const std::unique_ptr<TGalleryForm> skinned = ShownGallery(0);
  Pump();
  if (!manager.FindSkinForm(skinned->Handle()) || manager.FindSkinForm(plain->Handle())) {
    std::fprintf(stderr, "gallerypaint: the forms were not set up as measured\n");
    return 1;
  }
  const int batch = std::max(1, rounds / kBatches);
  double system = 1e30, own = 1e30;
  for (int i = 0; i < kBatches; ++i) {
    system = std::min(system, MicrosecondsPerRound(batch, [&] { RepaintAll(plain->Handle()); }));
    own = std::min(own, MicrosecondsPerRound(batch, [&] { RepaintAll(skinned->Handle()); }));
  }

  std::printf("gallery forms made: %d in %d batches, %zu wrappers each\n", forms * kBatches, kBatches, wrappers);
  std::printf("unskinned gallery made and shown: %.0f us\n", plainMake);
  std::printf("skinned gallery made and shown: %.0f us\n", skinnedMake);
  std::printf("ratio skinned/unskinned: %.2f\n", skinnedMake / plainMake);
  std::printf("full repaints: %d in %d batches\n", batch * kBatches, kBatches);
  std::printf("unskinned full repaint: %.0f us\n", system);
  std::printf("skinned full repaint: %.0f us\n", own);
  std::printf("ratio skinned/unskinned: %.2f\n", own / system);
  DestroySkinManager();
  return 0;
}
