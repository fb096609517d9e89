#include "MessageCapture.h"

#ifdef _WIN32
#include <windows.h>

namespace {

struct TFound {
  HWND Box = nullptr;
};

BOOL CALLBACK FindMessageBox(HWND window, LPARAM param) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  GetClassNameA(window, className, sizeof className);
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && lstrcmpA(className, "#32770") == 0) {
    reinterpret_cast<TFound*>(param)->Box = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

TMessageCapture::TMessageCapture() : FWatcher([this] { Watch(); }) {}

void TMessageCapture::Watch() {
  while (!FQuit) {
    TFound found;
    EnumWindows(FindMessageBox, reinterpret_cast<LPARAM>(&found));
    if (found.Box) {
      char title[256] = {}, text[1024] = {};
      GetWindowTextA(found.Box, title, sizeof title);
      // The message text is the static control 0xFFFF of a message box.
      GetDlgItemTextA(found.Box, 0xFFFF, text, sizeof text);
      // Read by the test thread only after joining this one.
      FTitle = title;
      FText = text;
      PostMessageA(found.Box, WM_COMMAND, IDOK, 0);
      return;
    }
    Sleep(20);
  }
}

void TMessageCapture::Stop() {
  if (FStopped) return;
  FStopped = true;
  FQuit = true;
  FWatcher.join();
}
#else
#include <gtest/gtest.h>

TMessageCapture::TMessageCapture() { testing::internal::CaptureStderr(); }

void TMessageCapture::Stop() {
  if (FStopped) return;
  FStopped = true;
  FText = testing::internal::GetCapturedStderr();
  // ShowMessage ends the text with a line end of its own.
  if (!FText.empty() && FText.back() == '\n') FText.pop_back();
}
#endif

TMessageCapture::~TMessageCapture() { Stop(); }

std::string TMessageCapture::Text() {
  Stop();
  return FText;
}

std::string TMessageCapture::Title() {
  Stop();
  return FTitle;
}
