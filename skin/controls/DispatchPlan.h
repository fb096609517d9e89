#pragma once
// The control dispatch as tables: for a control of a skinned form, which
// wrapper it gets and what happens to its children, decided from its class
// (by the class table, or by the skin data's Skin3rd lines for classes of
// other component libraries), the kinds of control the skin data skins and
// a few of the control's properties; for a bare window, from its class name
// and style. These functions only decide; the form skinner carries the plan
// out (ControlDispatch.cpp).
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "skin/controls/WrapperFactory.h"
#include "skin/data/WinSkinData.h"

class TControl;
class TObject;
class TStrings;

// What the dispatch reads of the skin and the form skinner.
struct TDispatchContext {
  TSkinControlTypes Controls = 0;
  const TStrings* Skin3rd = nullptr;
  // The skin has a tab element.
  bool TabElement = false;
  // The form skinner draws the window's menu bar.
  bool DrawsMenuBar = false;
};

// What is done with a control's children around its own wrapper.
enum class TChildStep : std::uint8_t {
  None,
  SkinChildren,        // every child control through the class dispatch
  SkinEachChild,       // the same, with no container
  WrapEachChild,       // every child control gets the plan's ChildWrapper
  EmbeddedScrollbars,  // scroll-bar controls get TSkinScControl, other children with scroll bars TSkinScrollbar
  SkinComponents,      // the control's own components through the class dispatch
};

struct TControlPlan {
  // The class table's row that decided (1 to 40), 0 when none did.
  int Row = 0;
  // The class is listed in Skin3rd with Kind (lower case, at most 50
  // characters); the class table is then not consulted.
  bool Listed = false;
  std::string Kind;
  TChildStep Before = TChildStep::None;
  TWrapperChoice Wrapper;
  TChildStep After = TChildStep::None;
  TWrapperChoice ChildWrapper;
  // Boolean properties set to True on the control when its wrapper is made.
  std::vector<std::string_view> TrueProps;
  // Every band of a cool bar takes the skin's control colour.
  bool BandColours = false;
};

// The Skin3rd dispatch of a control whose upper-case class name is
// className: Listed false when no line names the class or its kind is empty.
TControlPlan PlanByKind(std::string_view className, TControl& control, const TDispatchContext& context);
// The class table.
TControlPlan PlanByClass(std::string_view className, TControl& control, const TDispatchContext& context);

// The object's class is className or derives from it.
bool IsA(const TObject& object, std::string_view className);
// The control shows scroll bars of its own: a window with WS_HSCROLL or
// WS_VSCROLL, or a list box, memo, tree view or scroll box.
bool HasScrollBars(TControl& control);

// A bare window's dispatch.
struct TWindowPlan {
  TWrapperChoice Wrapper;
  // The wrapper goes on the window's first child window.
  bool OnFirstChild = false;
  // The child windows are dispatched first.
  bool ChildWindows = false;
  // The framework control behind the window takes the skin's control colour.
  bool ColourControl = false;
};
// className: lower case.
TWindowPlan PlanWindow(std::string_view className, DWORD style, TSkinControlTypes controls);
