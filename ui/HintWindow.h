#pragma once
// A small pop-up window that shows a hint text on the system's tooltip
// colours, on top of every window, without taking the focus or the mouse.
// The window is created when first shown and destroyed with the object.
#include <windows.h>

#include <string>

#include "ui/Gdi.h"

class THintWindow {
 public:
  THintWindow() = default;
  THintWindow(const THintWindow&) = delete;
  THintWindow& operator=(const THintWindow&) = delete;
  ~THintWindow();

  // The size the text needs, wrapped at maxWidth pixels, as a rectangle at
  // (0, 0).
  RECT CalcHintRect(int maxWidth, const std::string& text);
  // Shows the text in the rectangle (screen coordinates).
  void ActivateHint(const RECT& rect, const std::string& text);
  void Hide();
  HWND Handle() const { return FHandle; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HFONT Font();

  HWND FHandle = nullptr;
  TFontHandle FFont;
};
