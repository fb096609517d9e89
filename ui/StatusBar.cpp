#include "ui/StatusBar.h"

#include <vector>

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {

constexpr std::string_view kBevelNames[] = {"pbNone", "pbLowered", "pbRaised"};
constexpr std::string_view kPanelStyleNames[] = {"psText", "psOwnerDraw"};

// The system's status bar centres the text after one tab and right-aligns
// it after two.
std::string AlignedText(const TStatusPanel& panel) {
  TAlignment alignment = panel.Alignment();
  // Read from the right, left and right trade places.
  if (panel.BiDiMode() != TBiDiMode::bdLeftToRight && alignment != TAlignment::taCenter) {
    alignment = alignment == TAlignment::taLeftJustify ? TAlignment::taRightJustify : TAlignment::taLeftJustify;
  }
  switch (alignment) {
    case TAlignment::taCenter: return "\t" + panel.Text();
    case TAlignment::taRightJustify: return "\t\t" + panel.Text();
    default: return panel.Text();
  }
}

}  // namespace

const TPropInfo TStatusPanel::Published[] = {
    Prop<TTypeKind::String, &TStatusPanel::Text, &TStatusPanel::SetText>("Text"),
    Prop<TTypeKind::Integer, &TStatusPanel::Width, &TStatusPanel::SetWidth>("Width"),
    Prop<TTypeKind::Enumeration, &TStatusPanel::Alignment, &TStatusPanel::SetAlignment>("Alignment",
                                                                                       kAlignmentNames),
    Prop<TTypeKind::Enumeration, &TStatusPanel::Bevel, &TStatusPanel::SetBevel>("Bevel", kBevelNames),
    Prop<TTypeKind::Enumeration, &TStatusPanel::Style, &TStatusPanel::SetStyle>("Style", kPanelStyleNames),
    Prop<TTypeKind::Enumeration, &TStatusPanel::BiDiMode, &TStatusPanel::SetBiDiMode>("BiDiMode", kBiDiModeNames),
};
QV_CLASS_INFO(TStatusPanel, Published);
QV_CLASS_INFO(TStatusPanels, {});
QV_CLASS_INFO(TCustomStatusBar, {});

const TPropInfo TStatusBar::Published[] = {
    Prop<TTypeKind::Object, &TCustomStatusBar::Panels, nullptr>("Panels"),
    Prop<TTypeKind::Boolean, &TCustomStatusBar::SimplePanel, &TCustomStatusBar::SetSimplePanel>("SimplePanel"),
    Prop<TTypeKind::String, &TCustomStatusBar::SimpleText, &TCustomStatusBar::SetSimpleText>("SimpleText"),
    Prop<TTypeKind::Boolean, &TCustomStatusBar::SizeGrip, &TCustomStatusBar::SetSizeGrip>("SizeGrip"),
    Prop<TTypeKind::Method, &TCustomStatusBar::OnDrawPanel, &TCustomStatusBar::OnDrawPanel>("OnDrawPanel"),
};
QV_CLASS_INFO(TStatusBar, Published);

void TStatusPanel::SetText(const std::string& text) {
  FText = text;
  Changed();
}

void TStatusPanel::SetWidth(int width) {
  FWidth = width < 0 ? 0 : width;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment alignment) {
  FAlignment = alignment;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel bevel) {
  FBevel = bevel;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle style) {
  FStyle = style;
  Changed();
}

void TStatusPanel::SetBiDiMode(TBiDiMode mode) {
  FBiDiMode = mode;
  Changed();
}

TStatusPanel* TStatusPanels::Add() {
  return static_cast<TStatusPanel*>(AddItem(std::make_unique<TStatusPanel>()));
}

TCustomStatusBar::TCustomStatusBar(TComponent* owner)
    : TWinControl(owner),
      FPanels(std::make_unique<TStatusPanels>(TCollection::TChangeEvent::Of<&TCustomStatusBar::PanelsChanged>(this))) {
  SetColor(SystemColor(COLOR_BTNFACE));
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
}

void TCustomStatusBar::SetSimplePanel(bool simplePanel) {
  FSimplePanel = simplePanel;
  UpdatePanels();
}

void TCustomStatusBar::SetSimpleText(const std::string& text) {
  FSimpleText = text;
  UpdatePanels();
}

void TCustomStatusBar::SetSizeGrip(bool sizeGrip) {
  if (sizeGrip == FSizeGrip) return;
  FSizeGrip = sizeGrip;
  RecreateWnd();
}

void TCustomStatusBar::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_BAR_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, STATUSCLASSNAMEA);
  // The framework places the bar (Align); it does not place itself.
  params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (FSizeGrip) params.Style |= SBARS_SIZEGRIP;
}

void TCustomStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdatePanels();
}

void TCustomStatusBar::PanelsChanged(TCollectionItem*, TCollectionChange) { UpdatePanels(); }

void TCustomStatusBar::UpdatePanels() {
  if (!HandleAllocated()) return;
  const HWND window = Handle();
  const bool simple = FSimplePanel || FPanels->Count() == 0;
  SendMessageA(window, SB_SIMPLE, simple ? TRUE : FALSE, 0);
  if (simple) {
    SendMessageA(window, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
    return;
  }
  // Each panel ends where the next begins; the last reaches the right edge.
  std::vector<int> ends;
  int end = 0;
  for (int i = 0; i < FPanels->Count(); ++i) {
    end += FPanels->Items(i)->Width();
    ends.push_back(i + 1 < FPanels->Count() ? end : -1);
  }
  SendMessageA(window, SB_SETPARTS, ends.size(), reinterpret_cast<LPARAM>(ends.data()));
  for (int i = 0; i < FPanels->Count(); ++i) {
    const TStatusPanel& panel = *FPanels->Items(i);
    WPARAM part = static_cast<WPARAM>(i);
    if (panel.Bevel() == TStatusPanelBevel::pbNone) part |= SBT_NOBORDERS;
    if (panel.Bevel() == TStatusPanelBevel::pbRaised) part |= SBT_POPOUT;
    if (panel.BiDiMode() != TBiDiMode::bdLeftToRight) part |= SBT_RTLREADING;
    if (panel.Style() == TStatusPanelStyle::psOwnerDraw) {
      SendMessageA(window, SB_SETTEXTA, part | SBT_OWNERDRAW, static_cast<LPARAM>(i));
    } else {
      const std::string text = AlignedText(panel);
      SendMessageA(window, SB_SETTEXTA, part, reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
}

void TCustomStatusBar::CNDrawItem(const DRAWITEMSTRUCT& item, TMessage& message) {
  message.Result = TRUE;
  const int index = static_cast<int>(item.itemID);
  if (!OnDrawPanel || index < 0 || index >= FPanels->Count()) return;
  const TCanvasBinding binding(FCanvas, item.hDC);
  OnDrawPanel(this, FPanels->Items(index), item.rcItem);
}

void TCustomStatusBar::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE: return WMSize(message);
    default: return TWinControl::WndProc(message);
  }
}

// The last panel follows the right edge; the system redraws it.
void TCustomStatusBar::WMSize(TMessage& message) {
  TWinControl::WndProc(message);
  InvalidateRect(Handle(), nullptr, TRUE);
}
