#pragma once
// Catches what ShowMessage shows while it lives. Natively that is the text
// written to standard error; on Windows it is the message box, which the
// capture reads and closes from a watcher thread so that the test goes on.
#include <string>

#ifdef _WIN32
#include <atomic>
#include <thread>
#endif

class TMessageCapture {
 public:
  TMessageCapture();
  ~TMessageCapture();
  TMessageCapture(const TMessageCapture&) = delete;
  TMessageCapture& operator=(const TMessageCapture&) = delete;

  // Ends the capture; the text shown (empty when nothing was).
  std::string Text();
  // The message box's title (Windows only; empty elsewhere).
  std::string Title();

 private:
  void Stop();

  bool FStopped = false;
  std::string FText;
  std::string FTitle;
#ifdef _WIN32
  void Watch();
  std::atomic<bool> FQuit{false};
  std::thread FWatcher;
#endif
};
