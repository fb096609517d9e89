#include "skin/data/SkinUtil.h"

#include "ui/Gdi.h"

namespace {

// The user-interface calls that older systems lack, looked up by name when
// the program starts; the library is released when the program ends.
class TOptionalUser32 {
 public:
  using TGetScrollBarInfo = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);
  using TTrackMouseEvent = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  using TGetComboBoxInfo = BOOL(WINAPI*)(HWND, PCOMBOBOXINFO);

  TOptionalUser32() : FLibrary(LoadLibraryA("user32.dll")) {
    if (!FLibrary) return;
    GetScrollBarInfo = Lookup<TGetScrollBarInfo>("GetScrollBarInfo");
    TrackMouseEvent = Lookup<TTrackMouseEvent>("TrackMouseEvent");
    GetComboBoxInfo = Lookup<TGetComboBoxInfo>("GetComboBoxInfo");
  }
  TOptionalUser32(const TOptionalUser32&) = delete;
  TOptionalUser32& operator=(const TOptionalUser32&) = delete;
  ~TOptionalUser32() {
    if (FLibrary) FreeLibrary(FLibrary);
  }

  TGetScrollBarInfo GetScrollBarInfo = nullptr;
  TTrackMouseEvent TrackMouseEvent = nullptr;
  TGetComboBoxInfo GetComboBoxInfo = nullptr;

 private:
  template <class F>
  F Lookup(const char* name) {
    // Through void (*)(), the function type every other one converts from.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(FLibrary, name)));
  }

  HMODULE FLibrary;
};

const TOptionalUser32 User32;

// Paints the brush onto dc wherever the mask's bits are 1, at (x, y).
void PaintThroughMask(HDC dc, int x, int y, int width, int height, HDC mask, int sysColour) {
  TBrushHandle brush(CreateSolidBrush(GetSysColor(sysColour)));
  TSelectObject select(dc, brush.Get());
  // Mask bits 1 become white on a black-text/white-background context;
  // 0xE20746 puts the brush where the source is white, keeps the rest.
  BitBlt(dc, x, y, width, height, mask, 0, 0, 0xE20746);
}

}  // namespace

std::unique_ptr<TBitmap> MakeDisabledGlyph(TBitmap& source) {
  auto result = std::make_unique<TBitmap>();
  if (source.Empty()) return result;
  const int width = source.Width(), height = source.Height();
  // The source's size and format; a palette cannot hold the system colours,
  // so glyphs with one get 24 bits.
  if (BitsPerPixel(source.PixelFormat()) >= 16) result->SetPixelFormat(source.PixelFormat());
  result->SetSize(width, height);
  TCanvas& canvas = result->Canvas();
  canvas.SetBrushColor(SystemColor(COLOR_BTNFACE));
  canvas.FillRect(RECT{0, 0, width, height});

  // Two-level mask of the ink: colour-to-monochrome turns pixels of the
  // source context's background colour white; inverted, the ink is 1.
  TBitmapHandle maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
  TMemoryDC mask;
  TSelectObject selectMask(mask.Get(), maskBitmap.Get());
  const HDC sourceDC = source.Canvas().Handle();
  const COLORREF oldSourceBack = SetBkColor(sourceDC, GetPixel(sourceDC, 0, height - 1));
  BitBlt(mask.Get(), 0, 0, width, height, sourceDC, 0, 0, NOTSRCCOPY);
  SetBkColor(sourceDC, oldSourceBack);

  const HDC dc = canvas.Handle();
  const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
  const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
  PaintThroughMask(dc, 1, 1, width, height, mask.Get(), COLOR_BTNHIGHLIGHT);
  PaintThroughMask(dc, 0, 0, width, height, mask.Get(), COLOR_BTNSHADOW);
  SetBkColor(dc, oldBack);
  SetTextColor(dc, oldText);
  return result;
}

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length);
  return wide;
}

std::wstring WideFromBuffer(const wchar_t* buffer, int count) {
  if (!buffer || count < -1) return {};
  return count == -1 ? std::wstring(buffer) : std::wstring(buffer, static_cast<std::size_t>(count));
}

int DrawSkinText(HDC dc, const std::wstring& text, RECT& rect, UINT format) {
  return DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

bool SkinHasScrollBarInfo() { return User32.GetScrollBarInfo != nullptr; }

bool SkinGetScrollBarInfo(HWND window, LONG object, SCROLLBARINFO& info) {
  return User32.GetScrollBarInfo && User32.GetScrollBarInfo(window, object, &info) != FALSE;
}

bool SkinGetComboBoxInfo(HWND window, COMBOBOXINFO& info) {
  info = COMBOBOXINFO{};
  info.cbSize = sizeof info;
  return User32.GetComboBoxInfo && User32.GetComboBoxInfo(window, &info) != FALSE;
}

void SkinTrackMouseLeave(HWND window) {
  if (!User32.TrackMouseEvent) return;
  TRACKMOUSEEVENT request{};
  request.cbSize = sizeof request;
  request.dwFlags = TME_LEAVE;
  request.hwndTrack = window;
  User32.TrackMouseEvent(&request);
}
