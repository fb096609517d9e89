#include "tools/skinpreview/MainWindow.h"

#include <windows.h>

#include <array>

#include "skin/data/WinSkinData.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/Panel.h"

namespace {

constexpr TColor kDesktop = 0xA6978A;
constexpr int kGap = 16;

void Pump(DWORD milliseconds) {
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

// A window like the main form: the same frame, client size, font, panel and
// memo with the program's first lines.
std::unique_ptr<TForm> MainWindowLike(int left, int top) {
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(TFormBorderStyle::bsDialog);
  form->SetFormStyle(TFormStyle::fsStayOnTop);
  form->SetCaption("Quorvex");
  form->SetBounds(left, top, 400, 300);
  form->SetClientWidth(390);
  form->SetClientHeight(276);
  form->Font()->SetName("宋体");
  form->Font()->SetHeight(-16);
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->SetAlign(TAlign::alClient);
  auto* memo = new TMemo(form.get());
  memo->SetParent(panel);
  memo->SetAlign(TAlign::alClient);
  memo->SetReadOnly(true);
  memo->Lines()->Add("把文件拖入到本窗口中即可查看文件的类型！");
  memo->Lines()->Add("本软件收录了文件类型共1477种。");
  form->Show();
  SetForegroundWindow(form->Handle());
  Pump(200);
  return form;
}

// The window as the screen shows it, with the desktop where its region
// leaves it out.
void Capture(HWND window, TBitmap& sheet, int x, int y) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  const HDC target = sheet.Canvas().Handle();
  {
    TWindowDC screen;
    BitBlt(target, x, y, w, h, screen.Get(), bounds.left, bounds.top, SRCCOPY);
  }
  TRegionHandle shape(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, shape.Get()) == ERROR) return;
  TRegionHandle outside(CreateRectRgn(0, 0, w, h));
  CombineRgn(outside.Get(), outside.Get(), shape.Get(), RGN_DIFF);
  OffsetRgn(outside.Get(), x, y);
  const TBrushHandle desktop(CreateSolidBrush(static_cast<COLORREF>(kDesktop)));
  FillRgn(target, outside.Get(), desktop.Get());
}

}  // namespace

std::unique_ptr<TBitmap> ComposeMainWindows(TSkinData& skin) {
  skin.SetActive(true);
  // The first window loses the activation to the second.
  const std::array<std::unique_ptr<TForm>, 2> windows = {MainWindowLike(kGap, kGap), MainWindowLike(500, kGap)};
  Pump(200);
  RECT bounds{};
  GetWindowRect(windows[0]->Handle(), &bounds);
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  auto sheet = std::make_unique<TBitmap>(2 * w + 3 * kGap, h + 2 * kGap);
  sheet->Canvas().SetBrushColor(kDesktop);
  sheet->Canvas().FillRect(RECT{0, 0, sheet->Width(), sheet->Height()});
  // Active on the left, inactive on the right.
  Capture(windows[1]->Handle(), *sheet, kGap, kGap);
  Capture(windows[0]->Handle(), *sheet, w + 2 * kGap, kGap);
  return sheet;
}
