#include "ui/Application.h"

#include <windows.h>

#include <exception>
#include <string_view>

#include "ui/Screen.h"

namespace {

// The executable's file name without its extension, in the system code page.
std::string ExecutableTitle() {
  wchar_t path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  std::wstring_view name(path, length);
  name = name.substr(name.find_last_of(L"\\/:") + 1);
  name = name.substr(0, name.rfind(L'.'));
  const int size = WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string title(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, name.data(), static_cast<int>(name.size()), title.data(), size, nullptr,
                      nullptr);
  return title;
}

}  // namespace

const TClassInfo TApplication::ClassInfo{"TApplication", &TComponent::ClassInfo, {}};

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

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      FTerminated = true;
      return;
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
