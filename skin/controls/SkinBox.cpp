#include "skin/controls/SkinBox.h"

#include "skin/controls/OffscreenFace.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/WinSkinForm.h"
#include "ui/Control.h"
#include "ui/WinControl.h"

QV_CLASS_INFO(TSkinBox, {});
QV_CLASS_INFO(TSkinBoxH, {});
QV_CLASS_INFO(TSkinSizer, {});
QV_CLASS_INFO(TSkinTabSheet, {});

void TSkinBox::InitControl(TWinSkinForm* form, TSkinData* skinData, bool setColor, TCanvas* canvas) {
  auto* control = dynamic_cast<TControl*>(Owner());
  if (FInited || !control) return;
  FSetColor = setColor;
  FSkinData = skinData;
  FCanvas = canvas;
  FControl = control;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) FHandle = windowed->Handle();
  FForm = form;
  if (FForm) FForm->RegisterControl(this);
  if (FSetColor) {
    FOldColor = control->Color();
    control->SetColor(SkinColor());
  }
  FInited = true;
  FState = kWrapperAttached;
}

bool TSkinBoxH::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT rect{};
      GetWindowRect(FHandle, &rect);
      OffsetRect(&rect, -rect.left, -rect.top);
      FillSkinColor(reinterpret_cast<HDC>(message.WParam), rect);
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC: {
      CallDefault(message);
      // The text's own background too, so that a line of text is no band
      // of the system's colour.
      SetBkColor(reinterpret_cast<HDC>(message.WParam), static_cast<COLORREF>(ColorToRGB(SkinColor())));
      message.Result = reinterpret_cast<LRESULT>(FSkinData ? FSkinData->FFaceBrush.Get() : GetSysColorBrush(COLOR_BTNFACE));
      return false;
    }
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rect) { FillSkinColor(dc, rect); }

bool TSkinTabSheet::BeforeProc(TMessage& message) {
  if (FKind != 0) return TSkinControl::BeforeProc(message);
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT: PaintByDraw(message); return false;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(FHandle, &client);
      FillRect(reinterpret_cast<HDC>(message.WParam), &client,
               FSkinData ? FSkinData->FFaceBrush.Get() : GetSysColorBrush(COLOR_BTNFACE));
      message.Result = 1;
      return false;
    }
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinTabSheet::DrawControl(HDC dc, const RECT& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  TOffscreenFace face(dc, rect);
  FillSkinColor(face.DC(), rect);
  if (auto* sheet = dynamic_cast<TWinControl*>(FControl)) sheet->PaintControls(face.DC());
  face.CopyTo(dc);
}
