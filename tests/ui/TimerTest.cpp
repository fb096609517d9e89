#include "ui/Timer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Dispatches the thread's messages for the given time.
void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  while (GetTickCount() - start < milliseconds) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
}

struct TCounter {
  void Tick(TObject* sender) {
    ++Ticks;
    Sender = sender;
    if (StopAfter && Ticks >= StopAfter) Owned.reset();
  }
  int Ticks = 0;
  int StopAfter = 0;
  TObject* Sender = nullptr;
  std::unique_ptr<TTimer> Owned;
};

}  // namespace

TEST(Timer, RunsOnlyWhileEnabled) {
  TCounter counter;
  TTimer timer;
  timer.SetInterval(20);
  timer.OnTimer = TNotifyEvent::Of<&TCounter::Tick>(&counter);
  PumpFor(100);
  EXPECT_EQ(counter.Ticks, 0);
  timer.SetEnabled(true);
  PumpFor(200);
  EXPECT_GE(counter.Ticks, 3);
  EXPECT_EQ(counter.Sender, &timer);
  timer.SetEnabled(false);
  const int ticks = counter.Ticks;
  PumpFor(100);
  EXPECT_EQ(counter.Ticks, ticks);
}

TEST(Timer, MayBeFreedByItsOwnHandler) {
  TCounter counter;
  counter.Owned = std::make_unique<TTimer>();
  counter.Owned->SetInterval(10);
  counter.Owned->OnTimer = TNotifyEvent::Of<&TCounter::Tick>(&counter);
  counter.StopAfter = 2;
  counter.Owned->SetEnabled(true);
  PumpFor(200);
  EXPECT_EQ(counter.Ticks, 2);
  EXPECT_EQ(counter.Owned, nullptr);
}
