#pragma once
// Helpers for tests of the framework's controls on real windows: a shown,
// active host form, real mouse and keyboard input through the system,
// pixels read back from the screen, and a recorder of the messages a
// control's WindowProc sees.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"

// The shown and active form the tests put their controls on, at (40, 40)
// with the given client size. One form serves every test (Wine takes a
// while to take a shown window away): this frees what the test put on it.
class THostForm {
 public:
  THostForm(int clientWidth, int clientHeight);
  ~THostForm();
  THostForm(const THostForm&) = delete;
  THostForm& operator=(const THostForm&) = delete;

  TForm* get() const { return &FForm; }
  TForm* operator->() const { return &FForm; }
  TForm& operator*() const { return FForm; }

 private:
  TForm& FForm;
};

inline THostForm NewHostForm(int clientWidth = 480, int clientHeight = 360) {
  return THostForm(clientWidth, clientHeight);
}

// Dispatches the thread's messages for the given time.
void PumpFor(DWORD milliseconds);
// Pumps until the condition holds (true) or the time is up (false).
bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds = 2000);

// Real input: the cursor goes to the point of the window's client area;
// the left button goes down or up (for controls that do not hold the
// thread while the button is down).
void MoveTo(HWND window, POINT client);
void LeftDown();
void LeftUp();
// Moves there, presses and releases the left button, and lets the window
// handle it (also a window that holds the thread while the button is down).
void ClickClient(HWND window, POINT client);
void TypeKey(WORD key);

// The colour on the screen at a point of the window's client area.
COLORREF ScreenPixel(HWND window, POINT client);

std::string ClassOfWindow(HWND window);
std::string TextOfWindow(HWND window);

// Installs itself as a control's WindowProc, records the messages it sees
// and passes them on to the procedure it replaced.
class TMessageRecorder {
 public:
  explicit TMessageRecorder(TControl& control);
  ~TMessageRecorder();
  TMessageRecorder(const TMessageRecorder&) = delete;
  TMessageRecorder& operator=(const TMessageRecorder&) = delete;

  bool Saw(UINT msg) const { return std::find(Seen.begin(), Seen.end(), msg) != Seen.end(); }

  std::vector<UINT> Seen;

 private:
  void Handle(TMessage& message);

  TControl& FControl;
  TWndMethod FSaved;
};
