#include "skin/controls/SkinEdit.h"

#include <string>

#include "skin/controls/OffscreenFace.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/controls/WrapperFactory.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Control.h"
#include "ui/Gdi.h"
#include "ui/StrUtils.h"

QV_CLASS_INFO(TSkinEdit, {});

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

bool IsSpinClass(const std::string& name) {
  return name == "msctls_updown32" || name.find("spin") != std::string::npos ||
         name.find("updown") != std::string::npos;
}

}  // namespace

bool TSkinEdit::BeforeProc(TMessage& message) {
  if (message.Msg != WM_PRINT) return TSkinControl::BeforeProc(message);
  // The edit leaves the context clipped to its text when it has printed
  // itself: the frame goes on the context as it was given.
  const auto dc = reinterpret_cast<HDC>(message.WParam);
  const int saved = dc ? SaveDC(dc) : 0;
  CallDefault(message);
  if (saved) RestoreDC(dc, saved);
  PrintFrame(dc);
  return false;
}

void TSkinEdit::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case SKM_PAINTCLIENTTO: {
      if (message.LParam != SKIN_MAGIC) return;
      if (message.WParam) {
        TMessage paint{WM_PAINT, message.WParam, 0, 0};
        CallDefault(paint);
      }
      message.Result = SKIN_MAGIC;
      return;
    }
    default: return TSkinControl::AfterProc(message);
  }
}

void TSkinEdit::DrawControl(HDC dc, const RECT& rect) {
  SkinSpinButton();
  RECT client{};
  GetClientRect(FHandle, &client);
  // No border: nothing to cover.
  if (WidthOf(client) == WidthOf(rect) || HeightOf(client) == HeightOf(rect)) return;
  const TBrushHandle shadow(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(ShadowColor()))));
  PutRings(dc, rect, {shadow.Get(), WhiteBrush(), WhiteBrush()});
}

void TSkinEdit::PrintFrame(HDC dc) {
  RECT rect{};
  if (!FHandle || !GetWindowRect(FHandle, &rect)) return;
  FWindowRect = rect;
  OffsetRect(&rect, -rect.left, -rect.top);
  if (dc) return PrintFrameInto(dc, rect);
  const TNonClientDC window(FHandle);
  if (window.Get()) PrintFrameInto(window.Get(), rect);
}

void TSkinEdit::PrintFrameInto(HDC dc, const RECT& rect) {
  RECT client{};
  GetClientRect(FHandle, &client);
  // A border of less than two pixels on a side is left as printed.
  if (WidthOf(client) + 2 >= WidthOf(rect) || HeightOf(client) + 2 >= HeightOf(rect)) return;
  // The inner ring with the brush that the printing left selected.
  const auto current = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  const TBrushHandle shadow(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(ShadowColor()))));
  PutRings(dc, rect, {shadow.Get(), current});
}

TColor TSkinEdit::ShadowColor() const {
  return FSkinData ? FSkinData->FColours[scButtonShadow] : SystemColor(COLOR_BTNSHADOW);
}

void TSkinEdit::SkinSpinButton() {
  if (FUpDown || !FSkinData || !(FSkinData->SkinControls() & SetBit(xcSpin))) return;
  for (HWND child = GetTopWindow(FHandle); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[101] = {};
    GetClassNameA(child, name, sizeof name);
    if (!IsSpinClass(AsciiLowerCase(name))) continue;
    TComponent* owner = FControl ? static_cast<TComponent*>(FControl) : Owner();
    FUpDown = (FForm ? FForm->FCreateWrapper : &CreateWrapper)(TWrapperChoice{TWrapperKind::UpDown}, owner);
    if (!FUpDown) return;
    FUpDown->InitHandle(child, FSkinData, FForm, FCanvas);
    if (auto* spin = dynamic_cast<TSkinUpDown*>(FUpDown)) spin->FInEdit = true;
    return;
  }
}

void TSkinEdit::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == FUpDown) FUpDown = nullptr;
}
