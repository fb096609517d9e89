#include "ui/Application.h"

#include <windows.h>

#include <exception>

#include "ui/FileNames.h"
#include "ui/Screen.h"

QV_CLASS_INFO(TApplication, {});

TApplication::TApplication() : TComponent(nullptr), FTitle(ExecutableTitle()) {
  // The screen and the window property name are made first so that they
  // outlive the application: the forms it frees at the end leave the
  // screen's list and receive their last window messages.
  Screen();
  InitControls();
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  MSG msg;
  while (!FTerminated) {
    // 0 for WM_QUIT, -1 for an error: either way the loop ends.
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
      FTerminated = true;
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleException() noexcept {
  std::string message;
  try {
    throw;
  } catch (const Exception& e) {
    message = e.Message();
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown exception";
  }
  ShowException(message);
}

void TApplication::ShowException(const std::string& message) noexcept {
  // Modal to the active window; with none (a form's OnCreate runs before
  // the form is shown), to every window of the thread.
  const HWND owner = GetActiveWindow();
  MessageBoxA(owner, message.c_str(), FTitle.c_str(), MB_OK | MB_ICONSTOP | (owner ? 0 : MB_TASKMODAL));
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FMainForm) FMainForm = nullptr;
}

TApplication& Application() {
  static TApplication application;
  return application;
}
