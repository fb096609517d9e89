#include "tests/ui/ControlTesting.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// The host form, made when first needed and freed when the tests end.
class THostEnvironment : public ::testing::Environment {
 public:
  static TForm& Form() {
    if (!FForm) {
      FForm = std::make_unique<TForm>(nullptr);
      FForm->SetBorderStyle(TFormBorderStyle::bsSingle);
      FForm->SetBounds(40, 40, 100, 100);
    }
    return *FForm;
  }
  void TearDown() override { FForm.reset(); }

 private:
  static std::unique_ptr<TForm> FForm;
};

std::unique_ptr<TForm> THostEnvironment::FForm;
const auto* const kHostEnvironment = ::testing::AddGlobalTestEnvironment(new THostEnvironment);

}  // namespace

THostForm::THostForm(int clientWidth, int clientHeight) : FForm(THostEnvironment::Form()) {
  FForm.SetClientWidth(clientWidth);
  FForm.SetClientHeight(clientHeight);
  FForm.Show();
  SetForegroundWindow(FForm.Handle());
  PumpFor(50);
}

THostForm::~THostForm() {
  FForm.DestroyComponents();
  FForm.OnMouseDown = {};
  FForm.SetCaption("");
  PumpFor(20);
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start >= milliseconds) return false;
    PumpFor(10);
  }
  return true;
}

namespace {

void SendMouse(DWORD flags, POINT screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = static_cast<LONG>((screen.x * 65536 + width - 1) / width);
    input.mi.dy = static_cast<LONG>((screen.y * 65536 + height - 1) / height);
  }
  SendInput(1, &input, sizeof input);
}

}  // namespace

void MoveTo(HWND window, POINT client) {
  ClientToScreen(window, &client);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, client);
  PumpFor(40);
}

void LeftDown() {
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpFor(40);
}

void LeftUp() {
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpFor(40);
}

void ClickClient(HWND window, POINT client) {
  MoveTo(window, client);
  // A control may track the press in a loop of its own (a scroll bar, a
  // list view) until the button comes up: the release comes from another
  // thread while this one handles messages.
  std::atomic<bool> released{false};
  std::thread input([&released] {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    Sleep(60);
    SendMouse(MOUSEEVENTF_LEFTUP);
    released = true;
  });
  PumpUntil([&released] { return released.load(); });
  input.join();
  PumpFor(40);
}

void TypeKey(WORD key) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
  PumpFor(40);
}

COLORREF ScreenPixel(HWND window, POINT client) {
  ClientToScreen(window, &client);
  // Wine hands what windows drew to the screen at most every 50 ms, while
  // the thread handles messages.
  PumpFor(60);
  const HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, client.x, client.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::string ClassOfWindow(HWND window) {
  char name[128] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOfWindow(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

TMessageRecorder::TMessageRecorder(TControl& control) : FControl(control), FSaved(control.WindowProc()) {
  control.SetWindowProc(TWndMethod::Of<&TMessageRecorder::Handle>(this));
}

TMessageRecorder::~TMessageRecorder() { FControl.SetWindowProc(FSaved); }

void TMessageRecorder::Handle(TMessage& message) {
  Seen.push_back(message.Msg);
  FSaved(message);
}
