#include "ui/HintWindow.h"

namespace {

constexpr char kClassName[] = "QuorvexHintWindow";
// Room around the text inside the border.
constexpr int kMarginX = 4, kMarginY = 2;
constexpr UINT kTextFormat = DT_NOPREFIX | DT_WORDBREAK;

void RegisterHintClass(WNDPROC windowProc) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(GetModuleHandleA(nullptr), kClassName, &windowClass)) return;
  windowClass.style = CS_SAVEBITS;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.lpszClassName = kClassName;
  RegisterClassA(&windowClass);
}

}  // namespace

THintWindow::~THintWindow() {
  if (FHandle) DestroyWindow(FHandle);
}

HFONT THintWindow::Font() {
  if (!FFont) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      FFont.Reset(CreateFontIndirectA(&metrics.lfStatusFont));
  }
  return FFont ? FFont.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

RECT THintWindow::CalcHintRect(int maxWidth, const std::string& text) {
  TWindowDC screen;
  TSelectObject font(screen.Get(), Font());
  RECT rect{0, 0, maxWidth, 0};
  DrawTextA(screen.Get(), text.c_str(), static_cast<int>(text.size()), &rect, kTextFormat | DT_CALCRECT);
  rect.right += 2 * kMarginX + 2;
  rect.bottom += 2 * kMarginY + 2;
  return rect;
}

void THintWindow::ActivateHint(const RECT& rect, const std::string& text) {
  if (!FHandle) {
    RegisterHintClass(WindowProc);
    FHandle = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, kClassName, "",
                              WS_POPUP | WS_BORDER, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), this);
    if (!FHandle) return;
  }
  SetWindowTextA(FHandle, text.c_str());
  SetWindowPos(FHandle, HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(FHandle, nullptr, TRUE);
}

void THintWindow::Hide() {
  if (FHandle) ShowWindow(FHandle, SW_HIDE);
}

LRESULT CALLBACK THintWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<THintWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      const HDC dc = BeginPaint(window, &paint);
      RECT rect;
      GetClientRect(window, &rect);
      FillRect(dc, &rect, GetSysColorBrush(COLOR_INFOBK));
      char text[1024];
      const int length = GetWindowTextA(window, text, sizeof text);
      TSelectObject font(dc, self->Font());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
      InflateRect(&rect, -kMarginX, -kMarginY);
      DrawTextA(dc, text, length, &rect, kTextFormat);
      EndPaint(window, &paint);
      return 0;
    }
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}
