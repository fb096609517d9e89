// Speed buttons: windowless, painted on their parent. The speed button
// keeps its own press, Down state, groups and click; the wrapper follows
// them with the face.
#include "skin/controls/SkinButton.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Control.h"
#include "ui/ScopedFlag.h"
#include "ui/StrUtils.h"
#include "ui/WinControl.h"

namespace {

constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
// A form asked to free itself.
constexpr UINT CM_RELEASE = CM_BASE + 33;

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

bool PropIs(const TObject* object, std::string_view name, std::string_view value) {
  return AsciiLowerCase(TSkinControl::GetEnumPropByName(object, name)) == value;
}

}  // namespace

QV_CLASS_INFO(TSkinSpeedButton, {});

void TSkinSpeedButton::InitControl(TWinSkinForm* form, TSkinData* skinData, bool, TCanvas* canvas) {
  AttachSpeedButton(form, skinData, canvas);
}

void TSkinSpeedButton::AttachSpeedButton(TWinSkinForm* form, TSkinData* skinData, TCanvas* canvas) {
  auto* button = dynamic_cast<TControl*>(Owner());
  if (FInited || !button) return;
  FSkinData = skinData;
  FForm = form;
  FCanvas = canvas;
  FPaintControl = button;
  FControl = button;
  FOldWindowProc.Install(*button, TWindowProcHook::THandler::Of<&TSkinSpeedButton::WndProc>(this));
  if (FForm) FForm->RegisterControl(this);
  FTransparent = ParentBackgroundWanted();
  FInited = true;
  FState = kWrapperAttached;
  button->Invalidate();
}

bool TSkinSpeedButton::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!message.WParam) return true;
      DrawSpeedButton(reinterpret_cast<HDC>(message.WParam), FPaintControl->ClientRect());
      message.Result = 1;
      return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The speed button handles Down, its group and the click itself.
      CallDefault(message);
      FButtonState |= bsPressed;
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP: return true;
    default: return TSkinButton::BeforeProc(message);
  }
}

void TSkinSpeedButton::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ENABLE:
    case CM_FOCUSCHANGED:
    case CM_ENABLEDCHANGED: return;
    case WM_NCDESTROY:
    case CM_RELEASE: return FOldWindowProc.Restore();
    case WM_KEYDOWN:
      if (message.WParam == VK_SPACE) Paint(bsPressed, true);
      return;
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) Paint(bsPressed, false);
      return;
    case WM_LBUTTONUP: return Paint(bsPressed, false);
    case CM_MOUSEENTER: return Paint(bsHot, true);
    case CM_MOUSELEAVE:
      FButtonState &= ~(bsHot | bsPressed);
      if (FPaintControl->Visible()) PaintControl(nullptr);
      return;
    default: return TSkinButton::AfterProc(message);
  }
}

void TSkinSpeedButton::Paint(int bits, bool on) {
  if (on)
    FButtonState |= bits;
  else
    FButtonState &= ~bits;
  PaintControl(nullptr);
}

void TSkinSpeedButton::PaintControl(HDC dc) {
  const RECT client = FPaintControl->ClientRect();
  if (dc) return DrawSpeedButton(dc, client);
  TWinControl* parent = FPaintControl->Parent();
  if (!parent || !parent->HandleAllocated()) return;
  // The speed button's place on its parent.
  const TWindowDC parentDC(parent->Handle());
  const HDC target = parentDC.Get();
  if (!target) return;
  const TSaveDC saved(target);
  OffsetViewportOrgEx(target, FPaintControl->Left(), FPaintControl->Top(), nullptr);
  IntersectClipRect(target, client.left, client.top, client.right, client.bottom);
  DrawSpeedButton(target, client);
}

void TSkinSpeedButton::DrawSpeedButton(HDC dc, const RECT& rect) {
  // Painting the parent's background paints the speed button too.
  if (FPainting) return;
  const TScopedFlag painting(FPainting);
  TDataSkinButton* element = Element();
  if (!element || PropIs(FPaintControl, "Visible", "false")) return;
  if (WidthOf(rect) < 1 || HeightOf(rect) < 1) return;
  FFocused = false;
  FEnabled = !PropIs(FPaintControl, "Enabled", "false");
  FCaption = GetTextPropByName(FPaintControl, "Caption");
  const bool down = PropIs(FPaintControl, "Down", "true");
  int face = kFaceNormal;
  if (down)
    face = kFacePressed;
  else if (!FEnabled)
    face = kFaceDisabled;
  else if (FButtonState & bsPressed)
    face = kFacePressed;
  else if (FButtonState & bsHot)
    face = kFaceHot;
  const int glyphFrame = down ? 4 : face == kFacePressed ? 3 : face == kFaceDisabled ? 2 : 1;

  const HDC buffer = PrepareBuffer(rect);
  if (!buffer) return;
  const RECT local{0, 0, WidthOf(rect), HeightOf(rect)};
  // A flat button shows its face only while hot or pressed.
  if (!PropIs(FPaintControl, "Flat", "true") || face == kFacePressed || face == kFaceHot)
    DrawSkinElement(buffer, local, 5, face, *element);
  DrawGlyphAndText(buffer, local, face, glyphFrame, true);
  PutBuffer(dc, rect);
}
