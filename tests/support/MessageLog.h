#pragma once
// Records the messages one window receives, as Wine's tests of controls
// do: sent messages with the result their window procedure gave, posted
// messages as the thread takes them from its queue. Thread hooks installed
// by the log and removed by its destructor.
#include <windows.h>

#include <vector>

#include "ui/Handles.h"

struct TLoggedMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;  // 0 for posted messages
  bool Posted;
};

class TMessageLog {
 public:
  explicit TMessageLog(HWND window);
  ~TMessageLog();
  TMessageLog(const TMessageLog&) = delete;
  TMessageLog& operator=(const TMessageLog&) = delete;

  const std::vector<TLoggedMessage>& Messages() const { return FMessages; }
  void Clear() { FMessages.clear(); }
  // Position of the first message msg at or after from; -1 when none.
  int Find(UINT msg, int from = 0) const;

 private:
  static LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam);

  HWND FWindow;
  std::vector<TLoggedMessage> FMessages;
  THookHandle FSent;
  THookHandle FPosted;
};
