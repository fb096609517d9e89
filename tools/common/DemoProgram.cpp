#include "tools/common/DemoProgram.h"

#include <shellapi.h>

#include "ui/Bitmap.h"
#include "ui/Stream.h"

std::vector<std::string> AnsiArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> result;
  for (int i = 1; arguments && i < count; ++i) {
    char buffer[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, arguments[i], -1, buffer, sizeof buffer, nullptr, nullptr);
    result.emplace_back(buffer);
  }
  if (arguments) LocalFree(arguments);
  return result;
}

void SaveScreenArea(const RECT& area, const std::string& path) {
  TBitmap shot(area.right - area.left, area.bottom - area.top);
  const HDC screen = GetDC(nullptr);
  BitBlt(shot.Canvas().Handle(), 0, 0, shot.Width(), shot.Height(), screen, area.left, area.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  TFileStream file(path);
  shot.SaveToStream(file);
}
