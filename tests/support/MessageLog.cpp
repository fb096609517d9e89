#include "tests/support/MessageLog.h"

namespace {

// The log being written; one at a time.
TMessageLog* Active = nullptr;

}  // namespace

TMessageLog::TMessageLog(HWND window) : FWindow(window) {
  Active = this;
  FSent.Reset(SetWindowsHookExA(WH_CALLWNDPROCRET, SentHook, nullptr, GetCurrentThreadId()));
  FPosted.Reset(SetWindowsHookExA(WH_GETMESSAGE, PostedHook, nullptr, GetCurrentThreadId()));
}

TMessageLog::~TMessageLog() {
  FSent.Reset();
  FPosted.Reset();
  if (Active == this) Active = nullptr;
}

int TMessageLog::Find(UINT msg, int from) const {
  for (int i = from; i < static_cast<int>(FMessages.size()); ++i)
    if (FMessages[static_cast<std::size_t>(i)].Msg == msg) return i;
  return -1;
}

LRESULT CALLBACK TMessageLog::SentHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* sent = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
  if (code == HC_ACTION && Active && sent->hwnd == Active->FWindow)
    Active->FMessages.push_back({sent->message, sent->wParam, sent->lParam, sent->lResult, false});
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK TMessageLog::PostedHook(int code, WPARAM wParam, LPARAM lParam) {
  const auto* posted = reinterpret_cast<const MSG*>(lParam);
  if (code == HC_ACTION && wParam == PM_REMOVE && Active && posted->hwnd == Active->FWindow)
    Active->FMessages.push_back({posted->message, posted->wParam, posted->lParam, 0, true});
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
