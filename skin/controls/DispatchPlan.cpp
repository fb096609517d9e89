#include "skin/controls/DispatchPlan.h"

#include <algorithm>

#include "skin/controls/SkinControl.h"
#include "ui/Control.h"
#include "ui/StrUtils.h"
#include "ui/Strings.h"
#include "ui/WinControl.h"

namespace {

using enum TWrapperKind;

// Skin3rd kinds are cut to this length.
constexpr std::size_t kKindLength = 50;
// Tab controls whose tabs their owner draws.
constexpr DWORD kOwnerDrawnTabs = 0x2000;

bool Has(const TDispatchContext& context, TSkinControlType type) { return (context.Controls & SetBit(type)) != 0; }

TControlPlan Wrap(int row, TWrapperKind kind, bool colour = false, int fkind = 0) {
  TControlPlan plan;
  plan.Row = row;
  plan.Wrapper = TWrapperChoice{kind, fkind, 0, 0, colour};
  return plan;
}

TControlPlan WrapWith(int row, const TWrapperChoice& choice) {
  TControlPlan plan;
  plan.Row = row;
  plan.Wrapper = choice;
  return plan;
}

TControlPlan Nothing(int row) { return Wrap(row, None); }

TControlPlan Around(TControlPlan plan, TChildStep before, TChildStep after = TChildStep::None) {
  plan.Before = before;
  plan.After = after;
  return plan;
}

TWrapperChoice ObjImageChoice(int variant) {
  TWrapperChoice choice{ObjImage};
  choice.Variant = variant;
  choice.SetColor = true;
  return choice;
}

// The window of a windowed control whose window rectangle is larger than
// its client rectangle.
bool HasFrame(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (!windowed || !windowed->HandleAllocated()) return false;
  RECT window{}, client{};
  GetWindowRect(windowed->Handle(), &window);
  GetClientRect(windowed->Handle(), &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

TControlPlan KindPlan(std::string_view kind, std::string_view key, std::string_view className, TControl& control,
                      const TDispatchContext& context) {
  TControlPlan plan;
  const auto wrap = [&plan](TWrapperKind wrapper, bool colour = false, int fkind = 0) {
    plan.Wrapper = TWrapperChoice{wrapper, fkind, 0, 0, colour};
  };
  const bool rz = className.find("TRZ") != std::string_view::npos;
  if (kind == "combobox") {
    if (Has(context, xcCombo)) wrap(ComBox);
  } else if (kind == "comboboxex") {
    if (Has(context, xcCombo)) {
      wrap(ComBox);
      plan.Wrapper.Marks = wmExtendedCombo;
    }
  } else if (kind == "edit") {
    if (Has(context, xcEdit) && HasFrame(control)) wrap(Edit);
  } else if (kind == "radiobutton") {
    if (Has(context, xcRadioButton)) wrap(RadioButton);
  } else if (kind == "panel") {
    if (Has(context, xcPanel)) {
      plan.TrueProps = {"Transparent"};
      wrap(Box, true);
    }
  } else if (kind == "trackbar") {
    if (Has(context, xcButton)) {
      plan.TrueProps = {"Transparent"};
      wrap(TrackBar);
    }
  } else if (kind == "button") {
    if (Has(context, xcButton)) wrap(Button);
  } else if (kind == "datetimepicker") {
    if (Has(context, xcCombo)) wrap(DateTime);
  } else if (kind == "mediaplayer") {
    if (Has(context, xcButton)) wrap(MediaPlayer);
  } else if (kind == "bitbtn") {
    if (Has(context, xcButton)) {
      const bool dropDown =
          key == "tcxbutton=" && TSkinControl::GetEnumPropByName(&control, "Kind") == "cxbkDropDownButton";
      wrap(dropDown ? MenuButton : BitButton);
    }
  } else if (kind == "pngbitbtn") {
    if (Has(context, xcButton)) {
      wrap(BitButton);
      plan.Wrapper.Marks = wmPngGlyph;
    }
  } else if (kind == "pngspeedbutton") {
    if (Has(context, xcButton)) {
      wrap(SpeedButton);
      plan.Wrapper.Marks = wmPngGlyph;
    }
  } else if (kind == "menubtn") {
    if (Has(context, xcButton)) wrap(MenuButton);
  } else if (kind == "speedbutton") {
    if (Has(context, xcSpeedButton)) wrap(SpeedButton);
  } else if (kind == "tab") {
    if (Has(context, xcTab) && context.TabElement) wrap(Tab);
  } else if (kind == "progress") {
    if (Has(context, xcProgress)) wrap(Progress);
  } else if (kind == "scrollbar") {
    if (Has(context, xcScrollbar)) {
      wrap(Scrollbar);
      plan.After = TChildStep::SkinChildren;
    }
  } else if (kind == "singlescrollbar") {
    if (Has(context, xcScrollbar)) wrap(Scrollbar, false, 1);
  } else if (kind == "embedscrollbar") {
    if (Has(context, xcScrollbar)) plan.Before = TChildStep::EmbeddedScrollbars;
  } else if (kind == "container") {
    plan.Before = TChildStep::SkinChildren;
  } else if (kind == "groupbox") {
    if (Has(context, xcGroupBox)) wrap(GroupBox, true);
  } else if (kind == "advpagecontrol") {
    if (Has(context, xcTab)) wrap(AdvPage, true, 4);
  } else if (kind == "radiogroup") {
    if (Has(context, xcGroupBox)) {
      if (Has(context, xcRadioButton)) {
        plan.Before = TChildStep::WrapEachChild;
        plan.ChildWrapper = rz ? ObjImageChoice(2) : TWrapperChoice{RadioButton};
      }
      wrap(GroupBox, true);
    }
  } else if (kind == "checkgroup") {
    if (Has(context, xcPanel)) {
      if (Has(context, xcRadioButton)) {
        plan.Before = TChildStep::WrapEachChild;
        plan.ChildWrapper = rz ? ObjImageChoice(1) : TWrapperChoice{CheckBox};
      }
      if (Has(context, xcGroupBox)) wrap(GroupBox, true);
    }
  } else if (kind == "checkbox") {
    if (Has(context, xcCheckBox)) wrap(CheckBox);
  }
  // "nil", and every word that is no kind: no wrapper.
  return plan;
}

}  // namespace

bool IsA(const TObject& object, std::string_view className) {
  for (const TClassInfo* info = &object.ClassType(); info; info = info->Parent) {
    if (info->Name == className) return true;
  }
  return false;
}

bool HasScrollBars(TControl& control) {
  auto* windowed = dynamic_cast<TWinControl*>(&control);
  if (windowed && windowed->HandleAllocated() &&
      (GetWindowLongA(windowed->Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)))
    return true;
  return IsA(control, "TListBox") || IsA(control, "TCustomListBox") || IsA(control, "TMemo") ||
         IsA(control, "TCustomTreeView") || IsA(control, "TScrollBox");
}

TControlPlan PlanByKind(std::string_view className, TControl& control, const TDispatchContext& context) {
  TControlPlan plan;
  if (!context.Skin3rd) return plan;
  const std::string key = AsciiLowerCase(className) + "=";
  for (int i = 0; i < context.Skin3rd->Count(); ++i) {
    const std::string line = AsciiLowerCase(context.Skin3rd->Get(i));
    if (!line.starts_with(key)) continue;
    const std::string kind = line.substr(key.size(), kKindLength);
    if (kind.empty()) return plan;
    plan = KindPlan(kind, key, className, control, context);
    plan.Listed = true;
    plan.Kind = kind;
    return plan;
  }
  return plan;
}

TControlPlan PlanByClass(std::string_view name, TControl& control, const TDispatchContext& context) {
  const auto has = [&context](TSkinControlType type) { return Has(context, type); };
  const auto named = [name](std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  const bool tabs = context.TabElement && has(xcTab);

  if (IsA(control, "TCustomTabControl") && tabs) {
    if (!IsA(control, "TPageControl")) return Wrap(1, Tab, false, 2);
    const std::string style = TSkinControl::GetEnumPropByName(&control, "Style");
    return Wrap(1, style == "tsButtons" || style == "tsFlatButtons" ? TabBtn : Tab);
  }
  // The button's menu item goes to the skinned menu bar.
  if (IsA(control, "TToolButton") && context.DrawsMenuBar && has(xcMainMenu)) return Nothing(2);
  if (IsA(control, "TCoolBar") && has(xcToolbar)) {
    TControlPlan plan = Nothing(3);
    plan.BandColours = true;
    return plan;
  }
  if (name == "TTABSET" && tabs) return Wrap(4, Tab31);
  if (IsA(control, "TTabSheet") && tabs) return Wrap(5, TabSheet);
  if (name == "TTABBEDNOTEBOOK" && tabs) return Wrap(6, Tab);
  if (name == "TMVCPANEL") return Around(Nothing(7), TChildStep::SkinChildren);
  if (IsA(control, "THeaderControl") && has(xcPanel)) return Wrap(8, Header);
  if (IsA(control, "TCustomCheckBox") && has(xcCheckBox)) return Wrap(9, CheckBox);
  if (IsA(control, "TTrackBar") && has(xcTrackBar)) return Wrap(10, TrackBar);
  if (named({"TUPDOWN", "TSPINBUTTON"}) && has(xcSpin)) return Wrap(11, UpDown);
  if (name == "TMEDIAPLAYER" && has(xcButton)) return Wrap(12, MediaPlayer);
  if (IsA(control, "TCustomRadioGroup") && has(xcRadioButton)) {
    TControlPlan plan = Around(Wrap(13, GroupBox, true), TChildStep::WrapEachChild);
    plan.ChildWrapper = TWrapperChoice{RadioButton};
    return plan;
  }
  if (name == "TDBNAVIGATOR" && has(xcPanel))
    return Around(Wrap(14, Box, true), TChildStep::None, TChildStep::SkinEachChild);
  if (named({"TRZDBCHECKBOX", "TRZCHECKBOX"}) && has(xcCheckBox)) return WrapWith(15, ObjImageChoice(1));
  if (named({"TRZRADIOBUTTON", "TRZDBRADIOBUTTON"}) && has(xcRadioButton)) return WrapWith(16, ObjImageChoice(2));
  if (named({"TCXDBCHECKBOX", "TCXCHECKBOX"}) && has(xcCheckBox)) return WrapWith(17, ObjImageChoice(3));
  if (IsA(control, "TCustomGroupBox") && has(xcPanel)) return Around(Wrap(18, GroupBox), TChildStep::SkinChildren);
  if (IsA(control, "TRadioButton") && has(xcRadioButton)) return Wrap(19, RadioButton);
  if (IsA(control, "TToolBar") && has(xcToolbar)) {
    TControlPlan plan = Wrap(20, Box);
    plan.TrueProps = {"Flat"};
    return plan;
  }
  if (IsA(control, "TCustomStatusBar") && has(xcStatusBar)) return Wrap(21, StatusBar);
  if (IsA(control, "TProgressBar") && has(xcProgress)) return Wrap(22, Progress);
  if (IsA(control, "TScrollBar") && has(xcScrollbar)) return Wrap(23, ScControl);
  if (name == "TTNTCOMBOBOX" && has(xcCombo)) return Wrap(24, ComBox);
  if (IsA(control, "TCustomComboBox") && has(xcCombo)) return Wrap(25, ComBox);
  if (IsA(control, "TDateTimePicker") && has(xcEdit)) {
    const bool upDown = TSkinControl::GetEnumPropByName(&control, "DateMode") == "dmUpDown" ||
                        TSkinControl::GetEnumPropByName(&control, "Kind") == "dtkTime";
    return Wrap(26, upDown ? Edit : DateTime);
  }
  if (name == "TRICHEDIT" && has(xcScrollbar)) return Wrap(27, Scrollbar);
  if (named({"TWWDBRICHEDIT", "TDXDBMEMO"}) && has(xcScrollbar)) return Wrap(28, Scrollbar);
  // A bitmap button never goes further down the table.
  if (IsA(control, "TBitBtn")) return has(xcBitBtn) ? Wrap(29, BitButton) : Nothing(29);
  if (IsA(control, "TSpeedButton") && has(xcSpeedButton)) return Wrap(30, SpeedButton);
  if (IsA(control, "TCustomPanel") && has(xcPanel)) return Around(Wrap(31, Box, true), TChildStep::SkinChildren);
  if (named({"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}) && has(xcScrollbar)) return Wrap(32, Scrollbar);
  if (IsA(control, "TCustomListView") && has(xcScrollbar)) return Wrap(33, ListView);
  if (IsA(control, "TCustomMemo") && has(xcScrollbar)) return Wrap(34, Scrollbar);
  if (IsA(control, "TCustomGrid") && has(xcScrollbar)) return Wrap(35, Scrollbar);
  if (has(xcScrollbar) && HasScrollBars(control)) return Wrap(36, Scrollbar);
  if (IsA(control, "TButton") && has(xcButton)) return Wrap(37, Button);
  if (IsA(control, "TCustomEdit") && has(xcEdit)) return Wrap(38, Edit);
  if (!named({"TDCEDIT", "TDCDBEDIT"})) {
    if (IsA(control, "TCustomFrame")) return Around(Nothing(39), TChildStep::None, TChildStep::SkinComponents);
    if (IsA(control, "TCustomForm"))
      return Around(Wrap(39, Box, true), TChildStep::None, TChildStep::SkinComponents);
    return Nothing(39);
  }
  const int buttons = TSkinControl::GetOrdPropByName(&control, "NumButtons");
  if (buttons == 1 && has(xcCombo)) return Wrap(40, ComBox);
  if (buttons == 0 && has(xcEdit)) {
    TControlPlan plan = Wrap(40, Edit);
    plan.Wrapper.AsWindow = true;
    return plan;
  }
  return Nothing(40);
}

TWindowPlan PlanWindow(std::string_view name, DWORD style, TSkinControlTypes controls) {
  TWindowPlan plan;
  const auto has = [controls](TSkinControlType type) { return (controls & SetBit(type)) != 0; };
  const auto wrap = [&plan](bool allowed, TWrapperKind kind) {
    if (allowed) plan.Wrapper.Kind = kind;
    return plan;
  };
  const auto all = [style](DWORD bits) { return (style & bits) == bits; };

  if (name == "button" && !all(0xB)) {
    if (all(0x7) || (style & 0x80)) return plan;
    if (all(0x3) || (style & 0x2) || all(0x5)) return wrap(has(xcCheckBox), CheckBox);
    if (all(0x9) || (style & 0x4)) return wrap(has(xcRadioButton), RadioButton);
    return wrap(has(xcButton), Button);
  }
  const bool tabStop = (style & WS_TABSTOP) != 0;
  if (name == "combobox") return wrap(has(xcCombo) && (style & 3) != CBS_SIMPLE, ComBox);
  if (name == "comboboxex32") {
    plan.OnFirstChild = true;
    return wrap(has(xcCombo), ComBox);
  }
  if (name == "scrollbar") return wrap(!tabStop, Sizer);
  if (name == "#32770") {
    plan.ChildWindows = !tabStop;
    return wrap(!tabStop, BoxH);
  }
  if (name == "tpanel" || name == "ttntpanel.unicodeclass" || name == "ttntsilentpaintpanel.unicodeclass") {
    plan.ChildWindows = true;
    plan.ColourControl = true;
    return plan;
  }
  if (name == "tcheckbox") return wrap(has(xcCheckBox), CheckBox);
  if (name == "tcombobox") return wrap(has(xcCombo), ComBox);
  if (name == "tbutton") return wrap(has(xcButton), Button);
  if (name == "tprogressbar") return wrap(true, Progress);
  if (name == "tsilentpaintpanel") {
    plan.ColourControl = true;
    return plan;
  }
  if (name == "systabcontrol32") return wrap(has(xcTab) && !(style & kOwnerDrawnTabs), Tab);
  if (name == "toolbarwindow32") return wrap(true, BoxH);
  if (name == "edit") return wrap(has(xcEdit), Edit);
  // "systreeview32" and every other class: no wrapper.
  return plan;
}
