#pragma once
// A timer: while enabled, OnTimer runs every Interval milliseconds from the
// thread's message loop (any loop that dispatches messages, modal ones
// included). The system timer exists only while the timer is enabled and
// is killed by the destructor.
#include <windows.h>

#include "ui/Method.h"
#include "ui/Object.h"

class TTimer : public TObject {
  QV_CLASS(TTimer, TObject)

  TTimer() = default;
  TTimer(const TTimer&) = delete;
  TTimer& operator=(const TTimer&) = delete;
  ~TTimer() override { Stop(); }

  int Interval() const { return FInterval; }
  // A running timer starts counting the new interval at once.
  void SetInterval(int interval);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);

  TNotifyEvent OnTimer;

 private:
  static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
  void Start();
  void Stop();

  int FInterval = 1000;
  bool FEnabled = false;
  UINT_PTR FId = 0;
};
