// winpeek: looks at a running program's window from outside, for scripts
// that start the program without a user in front of it.
//
//   winpeek wait CLASS CHILDCLASS [SECONDS]
//       Waits until a top-level window of CLASS is shown, or a message box of
//       its thread is; prints the text of its first descendant window of
//       CHILDCLASS (UTF-8) on stdout, and the caption and text of a message
//       box that is shown on stderr. Exit status 1 when nothing was shown in
//       time (default 60 seconds).
//   winpeek geometry CLASS
//       Prints WIDTHxHEIGHT+X+Y of the message box of the window's thread, or
//       else of the window.
//   winpeek close CLASS
//       Answers the thread's message boxes with OK and asks the window to
//       close.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), converted.data(), size, nullptr,
                      nullptr);
  return converted;
}

// The text of a window of another process: asked for with WM_GETTEXT (the
// title the system keeps is not an edit control's content). Line ends
// become LF.
std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return {};
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                      5000, &copied);
  text.resize(copied);
  std::string lines;
  for (char c : Utf8(text)) {
    if (c != '\r') lines += c;
  }
  return lines;
}

bool HasClass(HWND window, const char* className) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return std::strcmp(name, className) == 0;
}

struct TSearch {
  const char* ClassName;
  HWND Found;
};

HWND FindDescendant(HWND parent, const char* className) {
  TSearch search{className, nullptr};
  EnumChildWindows(
      parent,
      [](HWND window, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<TSearch*>(data);
        if (!HasClass(window, search->ClassName)) return TRUE;
        search->Found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

// A visible message box of the thread that owns the window, or nullptr.
HWND FindMessageBox(HWND window) {
  TSearch search{"#32770", nullptr};
  EnumThreadWindows(
      GetWindowThreadProcessId(window, nullptr),
      [](HWND candidate, LPARAM data) -> BOOL {
        auto* search = reinterpret_cast<TSearch*>(data);
        if (!HasClass(candidate, search->ClassName) || !IsWindowVisible(candidate)) return TRUE;
        search->Found = candidate;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

std::string MessageBoxText(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!HasClass(child, "Static")) continue;
    std::string text = WindowText(child);
    if (!text.empty()) return text;
  }
  return {};
}

int Wait(const char* className, const char* childClassName, int seconds) {
  for (int waited = 0; waited < seconds * 10; ++waited) {
    const HWND window = FindWindowA(className, nullptr);
    const HWND box = window ? FindMessageBox(window) : nullptr;
    if (window && (box || IsWindowVisible(window))) {
      const HWND child = FindDescendant(window, childClassName);
      if (child) std::fputs((WindowText(child) + "\n").c_str(), stdout);
      if (box) {
        std::fprintf(stderr, "message box \"%s\": %s\n", WindowText(box).c_str(), MessageBoxText(box).c_str());
      }
      return 0;
    }
    Sleep(100);
  }
  std::fprintf(stderr, "winpeek: no window of class %s was shown within %d seconds\n", className, seconds);
  return 1;
}

int Geometry(const char* className) {
  const HWND window = FindWindowA(className, nullptr);
  if (!window) {
    std::fprintf(stderr, "winpeek: no window of class %s\n", className);
    return 1;
  }
  const HWND box = FindMessageBox(window);
  RECT rect{};
  GetWindowRect(box ? box : window, &rect);
  std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
  return 0;
}

int Close(const char* className) {
  const HWND window = FindWindowA(className, nullptr);
  if (!window) {
    std::fprintf(stderr, "winpeek: no window of class %s\n", className);
    return 1;
  }
  for (HWND box = FindMessageBox(window); box; box = FindMessageBox(window)) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    Sleep(200);
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  return 0;
}

int Usage() {
  std::fputs(
      "usage: winpeek wait CLASS CHILDCLASS [SECONDS]\n"
      "       winpeek geometry CLASS\n"
      "       winpeek close CLASS\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  const std::string command = argv[1];
  if (command == "wait" && (argc == 4 || argc == 5)) return Wait(argv[2], argv[3], argc == 5 ? std::atoi(argv[4]) : 60);
  if (command == "geometry" && argc == 3) return Geometry(argv[2]);
  if (command == "close" && argc == 3) return Close(argv[2]);
  return Usage();
}
