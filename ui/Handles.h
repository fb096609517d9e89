#pragma once
// Owners of window-manager resources beside the GDI owners of ui/Gdi.h:
// every hook and icon held through these is released by the destructor, on
// every path. Window timers are owned by TTimer (ui/Timer.h), replaced
// window procedures by TWindowSubclass and TWindowProcHook (ui/Subclass.h).
#include <windows.h>

#include <utility>

// A hook of SetWindowsHookEx, removed by the destructor.
class THookHandle {
 public:
  THookHandle() = default;
  explicit THookHandle(HHOOK hook) : FHook(hook) {}
  THookHandle(const THookHandle&) = delete;
  THookHandle& operator=(const THookHandle&) = delete;
  ~THookHandle() { Reset(); }

  HHOOK Get() const { return FHook; }
  explicit operator bool() const { return FHook != nullptr; }
  void Reset(HHOOK hook = nullptr) {
    if (FHook) UnhookWindowsHookEx(FHook);
    FHook = hook;
  }

 private:
  HHOOK FHook = nullptr;
};

// An icon that this program made (CopyImage, CreateIconIndirect, ...),
// destroyed by the destructor. Shared icons (LoadIcon, WM_GETICON) are
// never owned.
class TIconHandle {
 public:
  TIconHandle() = default;
  explicit TIconHandle(HICON icon) : FIcon(icon) {}
  TIconHandle(TIconHandle&& other) noexcept : FIcon(std::exchange(other.FIcon, nullptr)) {}
  TIconHandle& operator=(TIconHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.FIcon, nullptr));
    return *this;
  }
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;
  ~TIconHandle() { Reset(); }

  HICON Get() const { return FIcon; }
  explicit operator bool() const { return FIcon != nullptr; }
  void Reset(HICON icon = nullptr) {
    if (FIcon) DestroyIcon(FIcon);
    FIcon = icon;
  }

 private:
  HICON FIcon = nullptr;
};
