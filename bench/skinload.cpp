// skinload PACKAGE [ROUNDS]: how long loading a skin takes (reading the
// package file, unpacking it, parsing its description and building every
// element, as the skin data component does) against only reading the same
// package's bytes from disk, measured in one run, with the ratio.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "skin/data/WinSkinData.h"
#include "ui/Stream.h"

namespace {

using TClock = std::chrono::steady_clock;

// Milliseconds per round of work, over rounds rounds.
template <class Work>
double MillisecondsPerRound(int rounds, Work work) {
  const TClock::time_point start = TClock::now();
  for (int i = 0; i < rounds; ++i) work();
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count() / rounds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: skinload PACKAGE [ROUNDS]\n");
    return 2;
  }
  const std::string path = argv[1];
  const int rounds = argc == 3 ? std::max(1, std::atoi(argv[2])) : 20;
  try {
    TSkinData data(nullptr);
    bool loaded = true;
    // One round of each first, so that both start with the file cached.
    const auto readOnly = [&] {
      TMemoryStream bytes;
      bytes.LoadFromFile(path);
    };
    const auto load = [&] {
      data.FSkinStream.LoadFromFile(path);
      loaded = data.LoadSkin() && loaded;
    };
    readOnly();
    load();
    const double read = MillisecondsPerRound(rounds, readOnly);
    const double full = MillisecondsPerRound(rounds, load);
    if (!loaded) {
      std::fprintf(stderr, "skinload: %s is not a skin package\n", path.c_str());
      return 1;
    }
    std::printf("rounds: %d\nread package bytes: %.3f ms\nload skin: %.3f ms\nratio load/read: %.1f\n", rounds, read,
                full, full / read);
    return 0;
  } catch (const Exception& e) {
    std::fprintf(stderr, "skinload: %s: %s\n", path.c_str(), e.Message().c_str());
    return 1;
  }
}
