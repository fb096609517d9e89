#include "skin/controls/SkinControl.h"

#include <windowsx.h>

#include <cstdint>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Control.h"
#include "ui/StrUtils.h"
#include "ui/TypInfo.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TSkinControl, {});

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}

TSkinControl::~TSkinControl() {
  FOldWindowProc.Restore();
  FObjectInstance.Restore();
  if (FForm) FForm->UnregisterControl(this);
}

void TSkinControl::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  auto* control = dynamic_cast<TControl*>(Owner());
  if (FInited || !control) return;
  FSetColor = setColor;
  FSkinData = skinData;
  FForm = form;
  FCanvas = canvas;
  FControl = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    FHandle = windowed->Handle();
    FUnicode = IsWindowUnicode(FHandle) != FALSE;
  }
  FOldWindowProc.Install(*control, TWindowProcHook::THandler::Of<&TSkinControl::WndProc>(this));
  if (FForm) FForm->RegisterControl(this);
  if (FSetColor) {
    FOldColor = control->Color();
    control->SetColor(SkinColor());
  }
  control->Invalidate();
  FInited = true;
  FState = kWrapperAttached;
}

void TSkinControl::InitHandle(HWND window, TSkinData* skinData, TWinSkinForm* form, TCanvas* canvas) {
  if (FInited || !IsWindow(window)) return;
  FSkinData = skinData;
  FCanvas = canvas;
  FForm = form;
  FHandle = window;
  FKind = 0;
  if (FForm) FForm->RegisterControl(this);
  FUnicode = IsWindowUnicode(window) != FALSE;
  const int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  FCaption = WideFromBuffer(text.data(), GetWindowTextW(window, text.data(), length + 1));
  FObjectInstance.Install(window, TWindowSubclass::THandler::Of<&TSkinControl::WndProc>(this));
  InvalidateRect(window, nullptr, TRUE);
  FInited = true;
  FState = kWrapperAttached;
}

void TSkinControl::WndProc(TMessage& message) {
  if (message.Msg == SKM_SKINSWITCH) {
    FActive = static_cast<LONG_PTR>(message.WParam) > 0;
    if (FActive) Repaint();
    return;
  }
  if (!FActive) return CallDefault(message);
  if (!BeforeProc(message)) return;
  CallDefault(message);
  AfterProc(message);
}

bool TSkinControl::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      FState = kWrapperDestroyed;
      CallDefault(message);
      if (FActive) Unskin();
      return false;
    case SKM_QUERYSKINNED: message.Result = 1; return false;
    default: return true;
  }
}

void TSkinControl::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case CM_ENABLEDCHANGED: return Repaint();
    case WM_PAINT: return PaintControl(reinterpret_cast<HDC>(message.WParam));
    default: return;
  }
}

void TSkinControl::PaintControl(HDC dc) {
  RECT rect{};
  if (!FHandle || !GetWindowRect(FHandle, &rect)) return;
  FWindowRect = rect;
  OffsetRect(&rect, -rect.left, -rect.top);
  if (dc) return DrawControl(dc, rect);
  const TNonClientDC window(FHandle);
  if (window.Get()) DrawControl(window.Get(), rect);
}

void TSkinControl::DrawControl(HDC, const RECT&) {}

void TSkinControl::Unskin() {
  if (!FActive) return;
  FActive = false;
  if (FState != kWrapperDestroyed && FSetColor && FControl) FControl->SetColor(FOldColor);
}

void TSkinControl::SkinChange() {
  if (FSetColor && FControl) FControl->SetColor(SkinColor());
  Repaint();
}

void TSkinControl::CallDefault(TMessage& message) {
  if (FOldWindowProc.Installed())
    FOldWindowProc.CallDefault(message);
  else
    FObjectInstance.CallDefault(message);
}

void TSkinControl::Repaint() {
  if (FPaintControl) return FPaintControl->Invalidate();
  // A null window would invalidate every window of the desktop.
  if (!FHandle) return;
  InvalidateRect(FHandle, nullptr, TRUE);
  UpdateWindow(FHandle);
}

void TSkinControl::ForwardMouseDown(const TMessage& message) const {
  if (!FControl) return;
  POINT at{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
  if (FControl->Width() > 32768 || FControl->Height() > 32768) {
    GetCursorPos(&at);
    if (FHandle) ScreenToClient(FHandle, &at);
  }
  FControl->MouseDown(TMouseButton::mbLeft, KeysToShiftState(message.WParam), at.x, at.y);
}

bool TSkinControl::ParentBackgroundWanted() const {
  constexpr int kTransparentTag = 5555;
  const TControl* control = FControl ? FControl : FPaintControl;
  if (control && control->Tag() == kTransparentTag) return true;
  return FSkinData && (FSkinData->Options() & SetBit(xoTransparent)) != 0;
}

LONG TSkinControl::GetWindowLongFor(HWND window, int index) const {
  return FUnicode ? GetWindowLongW(window, index) : GetWindowLongA(window, index);
}

// Property access by name.

namespace {

const TPropInfo* PropOf(const TObject* object, std::string_view name, TTypeKind kind) {
  const TPropInfo* prop = object ? GetPropInfo(*object, name) : nullptr;
  return prop && prop->Kind == kind ? prop : nullptr;
}

const TPropInfo* EnumPropOf(const TObject* object, std::string_view name) {
  const TPropInfo* prop = object ? GetPropInfo(*object, name) : nullptr;
  return prop && (prop->Kind == TTypeKind::Enumeration || prop->Kind == TTypeKind::Boolean) ? prop : nullptr;
}

}  // namespace

int TSkinControl::GetOrdPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* prop = PropOf(object, name, TTypeKind::Integer);
  return prop ? static_cast<int>(std::get<std::int64_t>(prop->Get(*object))) : -1;
}

std::string TSkinControl::GetEnumPropByName(const TObject* object, std::string_view name) {
  return EnumPropOf(object, name) ? GetEnumProp(*object, name) : std::string();
}

std::wstring TSkinControl::GetTextPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* prop = PropOf(object, name, TTypeKind::String);
  return prop ? AnsiToWide(std::get<std::string>(prop->Get(*object))) : std::wstring();
}

TObject* TSkinControl::GetObjectPropByName(const TObject* object, std::string_view name) {
  const TPropInfo* prop = PropOf(object, name, TTypeKind::Object);
  return prop ? std::get<TObject*>(prop->Get(*object)) : nullptr;
}

void TSkinControl::SetPropFromText(TObject* object, std::string_view name, std::string_view value) {
  const TPropInfo* prop = object ? GetPropInfo(*object, name) : nullptr;
  if (!prop || !prop->Set) return;
  try {
    switch (prop->Kind) {
      case TTypeKind::Integer: {
        int number = 0;
        if (TryStrToInt(value, number)) prop->Set(*object, std::int64_t{number});
        return;
      }
      case TTypeKind::Enumeration:
      case TTypeKind::Boolean: return SetEnumProp(*object, name, value);
      case TTypeKind::String: return prop->Set(*object, std::string(value));
      default: return;
    }
  } catch (const EPropertyError&) {
    // Not an identifier of the enumeration: the property stays.
  }
}
