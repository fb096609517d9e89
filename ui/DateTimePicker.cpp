#include "ui/DateTimePicker.h"

#include "ui/CommonControls.h"
#include "ui/TypInfo.h"

namespace {
constexpr std::string_view kKindNames[] = {"dtkDate", "dtkTime"};
constexpr std::string_view kDateModeNames[] = {"dmComboBox", "dmUpDown"};
}  // namespace

const TPropInfo TDateTimePicker::Published[] = {
    Prop<TTypeKind::Enumeration, &TDateTimePicker::Kind, &TDateTimePicker::SetKind>("Kind", kKindNames),
    Prop<TTypeKind::Enumeration, &TDateTimePicker::DateMode, &TDateTimePicker::SetDateMode>("DateMode",
                                                                                           kDateModeNames),
    Prop<TTypeKind::Method, &TDateTimePicker::OnChange, &TDateTimePicker::OnChange>("OnChange"),
};
QV_CLASS_INFO(TDateTimePicker, Published);

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner) {
  SetColor(SystemColor(COLOR_WINDOW));
  SetBounds(0, 0, 186, 21);
  GetLocalTime(&FDateTime);
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  if (kind == FKind) return;
  FKind = kind;
  RecreateWnd();
}

void TDateTimePicker::SetDateMode(TDTDateMode mode) {
  if (mode == FDateMode) return;
  FDateMode = mode;
  RecreateWnd();
}

SYSTEMTIME TDateTimePicker::DateTime() const {
  if (!HandleAllocated()) return FDateTime;
  SYSTEMTIME dateTime{};
  SendMessageA(WindowHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&dateTime));
  return dateTime;
}

void TDateTimePicker::SetDateTime(const SYSTEMTIME& dateTime) {
  FDateTime = dateTime;
  if (HandleAllocated()) SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&FDateTime));
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  InitCommonControl(ICC_DATE_CLASSES);
  TWinControl::CreateParams(params);
  CreateSubClass(params, DATETIMEPICK_CLASSA);
  params.Style |= WS_TABSTOP;
  if (FKind == TDateTimeKind::dtkTime) {
    params.Style |= DTS_TIMEFORMAT;
  } else {
    params.Style |= DTS_SHORTDATEFORMAT;
    if (FDateMode == TDTDateMode::dmUpDown) params.Style |= DTS_UPDOWN;
  }
  params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  SendMessageA(Handle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&FDateTime));
}

void TDateTimePicker::CNNotify(const NMHDR& header, TMessage& message) {
  if (header.code == DTN_DATETIMECHANGE && OnChange) OnChange(this);
  message.Result = 0;
}

void TDateTimePicker::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DESTROY: return WMDestroy(message);
    default: return TWinControl::WndProc(message);
  }
}

// The date outlives a window created anew.
void TDateTimePicker::WMDestroy(TMessage& message) {
  FDateTime = DateTime();
  TWinControl::WndProc(message);
}
