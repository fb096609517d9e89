#pragma once
// Helpers for tests of windows: closing the message boxes a test provokes
// (after reading them), and building shell drops.
#include <windows.h>
#include <shellapi.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct TShownBox {
  std::string Caption;
  std::string Text;
};

// Watches the thread that creates it: every message box ("#32770" dialog)
// that the thread shows is read and closed with OK from a second thread, so
// that the test goes on past the box and can check what it said.
class TMessageBoxCloser {
 public:
  TMessageBoxCloser();
  ~TMessageBoxCloser();
  TMessageBoxCloser(const TMessageBoxCloser&) = delete;
  TMessageBoxCloser& operator=(const TMessageBoxCloser&) = delete;

  // The boxes closed so far, in the order they were shown.
  std::vector<TShownBox> Boxes() const;

 private:
  void Watch();

  DWORD FThreadId;
  std::atomic<bool> FStop{false};
  mutable std::mutex FLock;
  std::vector<TShownBox> FBoxes;
  std::vector<HWND> FClosed;
  std::thread FWatcher;
};

// A shell drop of the given paths (system code page), as the shell hands it
// to a window with WM_DROPFILES; whoever receives it frees it (DragFinish).
HDROP MakeDrop(const std::vector<std::string>& paths);
// The same in UTF-16 (DROPFILES.fWide), as the shell hands over names that
// the code page cannot spell.
HDROP MakeDrop(const std::vector<std::wstring>& paths);

// Dispatches the thread's messages for the given time.
void PumpMessages(DWORD milliseconds);

// Real input, as a user gives it (SendInput): moves the mouse to the screen
// point and clicks the left or the right button there; presses a key.
void ClickAt(POINT screen, bool right = false);
void MoveMouseTo(POINT screen);
void MouseButton(bool down, bool right = false);
void PressKey(WORD key);
// One key goes down or up.
void KeyEvent(WORD key, bool down);
// Presses the keys in order and releases them in reverse (Alt+Space).
void PressKeys(std::initializer_list<WORD> keys);

// Pixels of the screen as the display shows them, 0x00BBGGRR.
struct TScreenShot {
  RECT Area{};
  std::vector<COLORREF> Pixels;
  // Screen coordinates.
  COLORREF At(int x, int y) const;
};
TScreenShot CaptureScreen(const RECT& area);
// When the environment's QV_SCREENSHOT names a file, writes the shot there
// as a 24-bit BMP file (a picture of a form for people to look at).
void SaveShotWhenAsked(const TScreenShot& shot);

// Acts on the popup menus of the thread that creates it from a second
// thread, while that thread is held in a menu's loop: the script waits for
// menus to open, reads them (through the system: window rectangles, menu
// handles, the screen) and gives input. The creating thread starts what
// opens the menu and then calls Finish, which handles its messages until
// the script is done.
class TMenuWatcher {
 public:
  explicit TMenuWatcher(std::function<void(TMenuWatcher&)> script);
  ~TMenuWatcher();
  TMenuWatcher(const TMenuWatcher&) = delete;
  TMenuWatcher& operator=(const TMenuWatcher&) = delete;

  // Waits (at most 3 s) until the thread shows a popup menu window whose
  // menu is not other; null when none came.
  HWND WaitForMenu(HMENU other = nullptr) const;
  // Waits (at most 3 s) until the thread shows no popup menu window; false
  // when one stayed.
  bool WaitUntilClosed() const;
  // The thread's visible popup menu windows, the first opened first.
  std::vector<HWND> OpenMenus() const;
  static HMENU MenuOf(HWND popup);
  // Handles the creating thread's messages until the script has run.
  void Finish();

 private:
  DWORD FThreadId;
  std::atomic<bool> FDone{false};
  std::thread FThread;
};
