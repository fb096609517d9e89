#include "skin/controls/SkinTrackBar.h"

#include "skin/data/WinSkinData.h"
#include "ui/Gdi.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TSkinTrackBar, {});

namespace {

using TPenHandle = TGdiObject<HPEN>;

// The thumb frame, of five, that is drawn in every state.
constexpr int kThumbFrames = 5, kThumbFrame = 2;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// The track image's piece (sx, sy, sw, sh) stretched opaquely over (x, y, w, h).
void CopyPiece(HDC dc, int x, int y, int w, int h, TBitmap& image, int sx, int sy, int sw, int sh) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  StretchBlt(dc, x, y, w, h, image.Canvas().Handle(), sx, sy, sw, sh, SRCCOPY);
}

}  // namespace

bool TSkinTrackBar::BeforeProc(TMessage& message) {
  const NMHDR* header = nullptr;
  switch (message.Msg) {
    case WM_NOTIFY: header = reinterpret_cast<const NMHDR*>(message.LParam); break;
    case CN_NOTIFY: header = ReflectedNotifyHeader(message); break;
    default: return TSkinControl::BeforeProc(message);
  }
  // Only the track bar's own drawing: its tool tip notifies it too.
  if (!header || header->code != static_cast<UINT>(NM_CUSTOMDRAW) || header->hwndFrom != FHandle) return true;
  message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(header));
  return false;
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  switch (draw.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      switch (draw.dwItemSpec) {
        case TBCD_THUMB: DrawThumb(draw); return CDRF_SKIPDEFAULT;
        case TBCD_CHANNEL: DrawChannel(draw); return CDRF_SKIPDEFAULT;
        default: return CDRF_DODEFAULT;
      }
    default: return CDRF_DODEFAULT;
  }
}

void TSkinTrackBar::SkinChange() {
  const HWND previous = GetFocus();
  SetFocus(FHandle);
  if (previous && previous != FHandle) SetFocus(previous);
}

bool TSkinTrackBar::Vertical() const { return (GetWindowLongFor(FHandle, GWL_STYLE) & TBS_VERT) != 0; }

void TSkinTrackBar::DrawThumb(const NMCUSTOMDRAW& draw) {
  if (!IsWindow(FHandle)) {
    // The control made a new window: drawn with the next paint.
    auto* windowed = dynamic_cast<TWinControl*>(FControl);
    if (windowed && windowed->HandleAllocated()) FHandle = windowed->WindowHandle();
    return;
  }
  RECT thumb{};
  SendMessageW(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const auto& thumbs = FSkinData->FTrackThumbs;
  const TDataSkinObject* element = Vertical() && thumbs[1] ? thumbs[1].get() : thumbs[0].get();
  if (element && !element->FBitmap.Empty()) {
    DrawSkinFrame(draw.hdc, thumb, kThumbFrames, kThumbFrame, const_cast<TBitmap&>(element->FBitmap));
    return;
  }
  const TPenHandle pen(
      CreatePen(PS_SOLID, 1, static_cast<COLORREF>(ColorToRGB(FSkinData->FColours[scButtonShadow]))));
  const TSelectObject penIn(draw.hdc, pen.Get()), brushIn(draw.hdc, GetStockObject(WHITE_BRUSH));
  Rectangle(draw.hdc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

// Three pieces of the track image: the fixed caps (the element's margins)
// and the middle stretched between them, across the channel's length.
void TSkinTrackBar::DrawChannel(const NMCUSTOMDRAW& draw) const {
  RECT channel{};
  SendMessageW(FHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const HDC dc = draw.hdc;
  if (Vertical()) {
    TDataSkinObject* element = FSkinData->FTrackVert.get();
    if (!element || element->FBitmap.Empty()) return;
    TBitmap& image = element->FBitmap;
    const RECT& m = element->FMargins;
    const int w = image.Width(), h = image.Height();
    // Some systems report the channel of a vertical track bar lying down.
    const bool lying = WidthOf(channel) > HeightOf(channel);
    const RECT r = lying ? RECT{channel.top, channel.left, channel.bottom, channel.right} : channel;
    const int x = r.left + (w < WidthOf(r) ? (WidthOf(r) - w) / 2 : 0);
    CopyPiece(dc, x, r.top, w, m.top, image, 0, 0, w, m.top);
    CopyPiece(dc, x, r.top + m.top, w, HeightOf(r) - m.top - m.bottom, image, 0, m.top, w, h - m.top - m.bottom);
    CopyPiece(dc, x, r.bottom - m.bottom, w, m.bottom, image, 0, h - m.bottom, w, m.bottom);
  } else {
    TDataSkinObject* element = FSkinData->FTrack.get();
    if (!element || element->FBitmap.Empty()) return;
    TBitmap& image = element->FBitmap;
    const RECT& m = element->FMargins;
    const int w = image.Width(), h = image.Height();
    const RECT& r = channel;
    // Half the channel's height down, not centred.
    const int y = r.top + (h < HeightOf(r) ? HeightOf(r) / 2 : 0);
    CopyPiece(dc, r.left, y, m.left, h, image, 0, 0, m.left, h);
    CopyPiece(dc, r.left + m.left, y, WidthOf(r) - m.left - m.right, h, image, m.left, 0, w - m.left - m.right, h);
    CopyPiece(dc, r.right - m.right, y, m.right, h, image, w - m.right, 0, m.right, h);
  }
}
