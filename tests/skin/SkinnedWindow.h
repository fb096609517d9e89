#pragma once
// A framework form skinned with the probe skin, as the program's window is:
// dialog frame, system menu only, stay on top, shown and activated, its
// attach finished.
#include <memory>

#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "tests/skin/ProbeSkin.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/Form.h"

class TSkinnedWindow {
 public:
  explicit TSkinnedWindow(const TSkinFixture& skin = probe::Skin(), int clientWidth = 200, int clientHeight = 100) {
    DestroySkinManager();
    Data = probe::LoadedSkinData(Root, skin);
    Form = std::make_unique<TForm>(nullptr);
    Form->SetBorderStyle(TFormBorderStyle::bsDialog);
    Form->SetFormStyle(TFormStyle::fsStayOnTop);
    Form->SetCaption("Probe");
    Form->SetBounds(120, 100, 300, 300);
    Form->SetClientWidth(clientWidth);
    Form->SetClientHeight(clientHeight);
  }
  ~TSkinnedWindow() {
    Form.reset();
    PumpMessages(10);
    DestroySkinManager();
  }
  TSkinnedWindow(const TSkinnedWindow&) = delete;
  TSkinnedWindow& operator=(const TSkinnedWindow&) = delete;

  // Shows the form and lets the skin finish its attach.
  void Show() {
    Form->Show();
    SetForegroundWindow(Form->Handle());
    PumpMessages(100);
  }
  HWND Handle() const { return Form->Handle(); }
  TWinSkinForm* Skin() const { return SkinManager() ? SkinManager()->FindSkinForm(Form->Handle()) : nullptr; }
  RECT WindowRect() const {
    RECT rect{};
    GetWindowRect(Form->Handle(), &rect);
    return rect;
  }
  // The window as the screen shows it.
  TScreenShot Shot() const {
    PumpMessages(50);
    return CaptureScreen(WindowRect());
  }
  // A pixel of the shot in window coordinates.
  static COLORREF At(const TScreenShot& shot, int x, int y) { return shot.At(shot.Area.left + x, shot.Area.top + y); }

  TComponent Root{nullptr};
  TSkinData* Data = nullptr;
  std::unique_ptr<TForm> Form;
};
