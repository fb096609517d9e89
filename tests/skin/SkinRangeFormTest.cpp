// The range controls, a header control and a status bar on one form
// skinned with the program's own skin (the package the build made): every
// control is wrapped, and what the screen shows of each is exactly the face
// its wrapper composes, with nothing of the control's own painting over it.
// With QV_SCREENSHOT set to a file name, the form is saved there as a BMP.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "skin/controls/SkinControl.h"
#include "skin/window/SkinMessages.h"
#include "tests/skin/SkinnedWindow.h"
#include "tests/skin/WindowPixels.h"
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

TSkinControl* WrapperOf(TWinSkinForm& skin, HWND window) {
  for (TSkinControl* wrapper : skin.FControls)
    if (wrapper->FHandle == window) return wrapper;
  return nullptr;
}

}  // namespace

TEST(SkinRangeForm, TheProgramsSkinOnEveryControl) {
  TSkinnedWindow window(probe::Skin(), 360, 260);
  window.Data->FSkinStream.LoadFromFile(QV_DEFAULT_SKIN_PACKAGE);
  ASSERT_TRUE(window.Data->LoadSkin());
  TForm& form = *window.Form;
  auto* header = Put<THeaderControl>(form, 10, 10, 300, 22);
  for (const char* text : {"名称", "大小", "类型"}) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(90);
  }
  auto* progress = Put<TProgressBar>(form, 10, 50, 200, 16);
  progress->SetPosition(60);
  auto* standing = Put<TProgressBar>(form, 320, 50, 16, 120);
  standing->SetOrientation(TProgressBarOrientation::pbVertical);
  standing->SetBounds(320, 50, 16, 120);
  standing->SetPosition(35);
  auto* track = Put<TTrackBar>(form, 10, 80, 200, 32);
  track->SetPosition(3);
  auto* standingTrack = Put<TTrackBar>(form, 270, 50, 32, 120);
  standingTrack->SetOrientation(TTrackBarOrientation::trVertical);
  standingTrack->SetBounds(270, 50, 32, 120);
  auto* upDown = Put<TUpDown>(form, 230, 50, 17, 30);
  auto* sideways = Put<TUpDown>(form, 220, 90, 30, 17);
  sideways->SetOrientation(TUDOrientation::udHorizontal);
  sideways->SetBounds(220, 90, 30, 17);
  auto* status = new TStatusBar(&form);
  status->SetParent(&form);
  for (const char* text : {"就绪", "第 1 行", ""}) {
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetText(text);
    panel->SetWidth(110);
  }
  window.Show();
  ASSERT_NE(window.Skin(), nullptr);
  RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpMessages(200);

  SaveShotWhenAsked(CaptureScreen(window.WindowRect()));

  for (TWinControl* control : std::initializer_list<TWinControl*>{header, progress, standing, track, standingTrack,
                                                                  upDown, sideways, status}) {
    const HWND handle = control->Handle();
    EXPECT_EQ(SendMessageA(handle, SKM_QUERYSKINNED, 0, 0), 1) << control->ClassName();
    TSkinControl* wrapper = WrapperOf(*window.Skin(), handle);
    ASSERT_NE(wrapper, nullptr) << control->ClassName();
    // Track bars are drawn by the control, through its custom drawing.
    if (control == track || control == standingTrack) continue;
    RECT bounds{};
    GetWindowRect(handle, &bounds);
    const RECT face{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top};
    TBitmap composed(face.right, face.bottom);
    wrapper->DrawControl(composed.Canvas().Handle(), face);
    const TWindowShot shot(handle);
    int differ = 0;
    for (int y = 0; y < face.bottom; ++y)
      for (int x = 0; x < face.right; ++x) differ += shot(x, y) != composed.Canvas().Pixel(x, y);
    EXPECT_EQ(differ, 0) << control->ClassName();
  }
}
