// rangepaint PACKAGE [ROUNDS]: the cost of painting a progress bar, a track
// bar, an up-down control, a header control and a status bar from the skin,
// measured in one run against the same controls painted by the system: two
// forms alike, one skinned with PACKAGE, the other left alone (Tag 99); each
// control repainted whole at once (RedrawWindow: invalidate, erase, update
// now). The two forms are measured in alternating batches and the fastest
// batch of each counts, so that a busy machine disturbs both alike.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/SkinBench.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "skin/window/SkinMessages.h"
#include "ui/Form.h"
#include "ui/HeaderControl.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"
#include "ui/TrackBar.h"
#include "ui/UpDown.h"

namespace {

template <class T>
T* Put(TForm& form, int x, int y, int width, int height) {
  auto* control = new T(&form);
  control->SetParent(&form);
  control->SetBounds(x, y, width, height);
  return control;
}

// The form and its controls in the order measured.
struct TRangeForm {
  std::unique_ptr<TForm> Form;
  std::vector<TWinControl*> Controls;
};

TRangeForm RangeForm(int left, std::intptr_t tag) {
  TRangeForm result{std::make_unique<TForm>(nullptr), {}};
  TForm& form = *result.Form;
  form.SetTag(tag);
  form.SetCaption("rangepaint");
  form.SetBounds(left, 100, 420, 260);
  auto* progress = Put<TProgressBar>(form, 10, 10, 200, 16);
  progress->SetPosition(60);
  auto* track = Put<TTrackBar>(form, 10, 40, 200, 32);
  track->SetPosition(4);
  auto* upDown = Put<TUpDown>(form, 230, 10, 17, 30);
  auto* header = Put<THeaderControl>(form, 10, 90, 380, 22);
  for (const char* text : {"Name", "Size", "Type"}) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(100);
  }
  auto* status = new TStatusBar(&form);
  status->SetParent(&form);
  for (const char* text : {"Ready", "Line 1"}) {
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetText(text);
    panel->SetWidth(120);
  }
  result.Controls = {progress, track, upDown, header, status};
  form.Show();
  SetForegroundWindow(form.Handle());
  Pump();
  return result;
}

double Repaint(HWND window, int rounds) {
  const TClock::time_point start = TClock::now();
  for (int i = 0; i < rounds; ++i) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
  }
  return std::chrono::duration<double, std::micro>(TClock::now() - start).count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  TComponent root(nullptr);
  int rounds = 0;
  if (const int status = StartSkinBench(argc, argv, "rangepaint", 200, root, rounds)) return status;
  TSkinManage& manager = *SkinManager();

  // Tag 99 keeps the skin away from the baseline's form.
  const TRangeForm plain = RangeForm(20, 99);
  const TRangeForm skinned = RangeForm(460, 0);
  if (!manager.FindSkinForm(skinned.Form->Handle()) || manager.FindSkinForm(plain.Form->Handle())) {
    std::fprintf(stderr, "rangepaint: the forms were not set up as measured\n");
    return 1;
  }
  constexpr int kBatches = 5;
  const int batch = std::max(1, rounds / kBatches);
  std::printf("rounds: %d in %d batches\n", batch * kBatches, kBatches);
  for (std::size_t c = 0; c < plain.Controls.size(); ++c) {
    const HWND system = plain.Controls[c]->Handle(), own = skinned.Controls[c]->Handle();
    const std::string name(plain.Controls[c]->ClassName());
    if (SendMessageA(own, SKM_QUERYSKINNED, 0, 0) != 1 || SendMessageA(system, SKM_QUERYSKINNED, 0, 0) == 1) {
      std::fprintf(stderr, "rangepaint: %s is not set up as measured\n", name.c_str());
      return 1;
    }
    double systemTime = 1e30, ownTime = 1e30;
    for (int i = 0; i < kBatches; ++i) {
      systemTime = std::min(systemTime, Repaint(system, batch));
      ownTime = std::min(ownTime, Repaint(own, batch));
    }
    std::printf("%s system repaint: %.1f us\n", name.c_str(), systemTime);
    std::printf("%s skinned repaint: %.1f us\n", name.c_str(), ownTime);
    std::printf("%s ratio skinned/system: %.2f\n", name.c_str(), ownTime / systemTime);
  }
  DestroySkinManager();
  return 0;
}
