#pragma once
// What the skin benchmarks share: the command line "PACKAGE [ROUNDS]", the
// package loaded with the skin manager and its hook started, the message
// pump that lets windows settle, and the time of a number of rounds.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinManage.h"
#include "ui/Component.h"

using TClock = std::chrono::steady_clock;

template <class Work>
double MicrosecondsPerRound(int rounds, Work work) {
  const TClock::time_point start = TClock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double, std::micro>(TClock::now() - start).count() / rounds;
}

inline void Pump() {
  MSG msg;
  for (int i = 0; i < 50; ++i) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(2);
  }
}

// Reads "PACKAGE [ROUNDS]" (defaultRounds without ROUNDS), loads the package
// into a skin data owned by root and starts the skin manager with its hook.
// 0 when the benchmark can run; otherwise the exit status, its message
// printed.
inline int StartSkinBench(int argc, char** argv, const char* name, int defaultRounds, TComponent& root,
                          int& rounds) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s PACKAGE [ROUNDS]\n", name);
    return 2;
  }
  rounds = argc == 3 ? std::max(1, std::atoi(argv[2])) : defaultRounds;
  auto* data = new TSkinData(&root);
  data->SetSkinFile(argv[1]);
  if (data->FNoSkin) {
    std::fprintf(stderr, "%s: %s is not a skin package\n", name, argv[1]);
    return 1;
  }
  data->SetActive(true);
  TSkinManage& manager = CreateSkinManager();
  manager.InstallHook();
  manager.FEnabled = true;
  return 0;
}
