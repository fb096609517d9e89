#include "tests/support/WindowsTestSupport.h"

#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "ui/BmpFile.h"

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

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  MSG msg;
  do {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

void MoveMouseTo(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  // Absolute coordinates run from 0 to 65535 across the primary screen.
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = static_cast<LONG>((screen.x * 65536 + width - 1) / width);
  input.mi.dy = static_cast<LONG>((screen.y * 65536 + height - 1) / height);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void MouseButton(bool down, bool right) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = right ? (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                           : (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
  SendInput(1, &input, sizeof input);
}

void ClickAt(POINT screen, bool right) {
  MoveMouseTo(screen);
  PumpMessages(30);
  MouseButton(true, right);
  PumpMessages(30);
  MouseButton(false, right);
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (const WORD key : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    inputs.push_back(input);
  }
  for (auto key = keys.end(); key != keys.begin();) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = *--key;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void KeyEvent(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
}

void PressKey(WORD key) {
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = inputs[1].ki.wVk = key;
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

COLORREF TScreenShot::At(int x, int y) const {
  const int width = Area.right - Area.left;
  return Pixels[static_cast<std::size_t>((y - Area.top) * width + (x - Area.left))];
}

void SaveShotWhenAsked(const TScreenShot& shot) {
  const char* path = std::getenv("QV_SCREENSHOT");
  if (!path) return;
  TBmpImage image;
  image.Width = shot.Area.right - shot.Area.left;
  image.Height = shot.Area.bottom - shot.Area.top;
  const std::size_t rowBytes = BmpRowBytes(image.Width, 24);
  image.Pixels.resize(rowBytes * static_cast<std::size_t>(image.Height));
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) {
      const COLORREF colour = shot.At(shot.Area.left + x, shot.Area.top + y);
      // Rows bottom-up, each pixel blue, green, red.
      std::uint8_t* pixel = &image.Pixels[rowBytes * static_cast<std::size_t>(image.Height - 1 - y) + 3 * x];
      pixel[0] = GetBValue(colour);
      pixel[1] = GetGValue(colour);
      pixel[2] = GetRValue(colour);
    }
  const std::vector<std::uint8_t> file = EncodeBmp(image);
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                              static_cast<std::streamsize>(file.size()));
}

TScreenShot CaptureScreen(const RECT& area) {
  TScreenShot shot;
  shot.Area = area;
  const int width = area.right - area.left, height = area.bottom - area.top;
  GdiFlush();
  const HDC screen = GetDC(nullptr);
  const HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  GdiFlush();
  const auto* pixels = static_cast<const std::uint32_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    const std::uint32_t p = pixels[i];  // 0x00RRGGBB
    shot.Pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return shot;
}

TMenuWatcher::TMenuWatcher(std::function<void(TMenuWatcher&)> script)
    : FThreadId(GetCurrentThreadId()), FThread([this, script] {
        script(*this);
        FDone = true;
      }) {}

TMenuWatcher::~TMenuWatcher() { Finish(); }

std::vector<HWND> TMenuWatcher::OpenMenus() const {
  std::vector<HWND> menus;
  EnumThreadWindows(
      FThreadId,
      [](HWND window, LPARAM found) -> BOOL {
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, "#32768") == 0 && IsWindowVisible(window))
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&menus));
  // Windows are listed topmost first: the last opened first.
  std::reverse(menus.begin(), menus.end());
  return menus;
}

HMENU TMenuWatcher::MenuOf(HWND popup) {
  DWORD_PTR menu = 0;
  SendMessageTimeoutA(popup, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, 2000, &menu);
  return reinterpret_cast<HMENU>(menu);
}

HWND TMenuWatcher::WaitForMenu(HMENU other) const {
  for (int i = 0; i < 300; ++i) {
    for (const HWND popup : OpenMenus())
      if (const HMENU menu = MenuOf(popup); menu && menu != other) {
        // Painted before it is looked at.
        Sleep(150);
        return popup;
      }
    Sleep(10);
  }
  return nullptr;
}

bool TMenuWatcher::WaitUntilClosed() const {
  for (int i = 0; i < 300; ++i) {
    if (OpenMenus().empty()) return true;
    Sleep(10);
  }
  return false;
}

void TMenuWatcher::Finish() {
  if (!FThread.joinable()) return;
  while (!FDone) PumpMessages(10);
  FThread.join();
}
