#include "ui/Timer.h"

#include <map>

namespace {

// The running timers by their system id. A WM_TIMER that was queued before
// its timer was killed finds none and is ignored.
std::map<UINT_PTR, TTimer*>& RunningTimers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}

}  // namespace

QV_CLASS_INFO(TTimer, {});

void TTimer::SetInterval(int interval) {
  if (interval == FInterval) return;
  FInterval = interval;
  if (FEnabled) {
    Stop();
    Start();
  }
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  if (enabled)
    Start();
  else
    Stop();
}

void TTimer::Start() {
  if (FInterval <= 0) return;
  FId = SetTimer(nullptr, 0, static_cast<UINT>(FInterval), TimerProc);
  if (FId) RunningTimers()[FId] = this;
}

void TTimer::Stop() {
  if (!FId) return;
  KillTimer(nullptr, FId);
  RunningTimers().erase(FId);
  FId = 0;
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = RunningTimers().find(id);
  if (found == RunningTimers().end()) return;
  // The handler may stop or free its timer: nothing of it is used after.
  TTimer* timer = found->second;
  if (timer->OnTimer) timer->OnTimer(timer);
}
