#include "tests/support/WindowsTestSupport.h"

#include <shlobj.h>

#include <algorithm>
#include <cstring>

namespace {

std::string WindowText(HWND window) {
  char text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                      &copied);
  return text;
}

// The message of a message box: the text of its static control that has one
// (the icon is a static control without text).
std::string BoxMessage(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof className);
    if (_stricmp(className, "Static") != 0) continue;
    std::string text = WindowText(child);
    if (!text.empty()) return text;
  }
  return {};
}

}  // namespace

TMessageBoxCloser::TMessageBoxCloser() : FThreadId(GetCurrentThreadId()), FWatcher([this] { Watch(); }) {}

TMessageBoxCloser::~TMessageBoxCloser() {
  FStop = true;
  FWatcher.join();
}

std::vector<TShownBox> TMessageBoxCloser::Boxes() const {
  std::lock_guard<std::mutex> lock(FLock);
  return FBoxes;
}

void TMessageBoxCloser::Watch() {
  while (!FStop) {
    std::vector<HWND> boxes;
    EnumThreadWindows(
        FThreadId,
        [](HWND window, LPARAM found) -> BOOL {
          char className[16] = {};
          GetClassNameA(window, className, sizeof className);
          if (std::strcmp(className, "#32770") == 0 && IsWindowVisible(window)) {
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&boxes));
    for (HWND box : boxes) {
      {
        std::lock_guard<std::mutex> lock(FLock);
        if (std::find(FClosed.begin(), FClosed.end(), box) != FClosed.end()) continue;
        FClosed.push_back(box);
      }
      TShownBox shown{WindowText(box), BoxMessage(box)};
      {
        std::lock_guard<std::mutex> lock(FLock);
        FBoxes.push_back(shown);
      }
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    Sleep(10);
  }
}

namespace {

template <class TChar>
HDROP MakeDropOf(const std::vector<std::basic_string<TChar>>& paths) {
  std::size_t size = sizeof(DROPFILES) + sizeof(TChar);
  for (const auto& path : paths) size += (path.size() + 1) * sizeof(TChar);
  const HGLOBAL memory = GlobalAlloc(GHND, size);
  auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = sizeof(TChar) == sizeof(wchar_t);
  auto* next = reinterpret_cast<TChar*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
  for (const auto& path : paths) {
    std::memcpy(next, path.c_str(), (path.size() + 1) * sizeof(TChar));
    next += path.size() + 1;
  }
  GlobalUnlock(memory);
  return static_cast<HDROP>(memory);
}

}  // namespace

HDROP MakeDrop(const std::vector<std::string>& paths) { return MakeDropOf(paths); }

HDROP MakeDrop(const std::vector<std::wstring>& paths) { return MakeDropOf(paths); }
