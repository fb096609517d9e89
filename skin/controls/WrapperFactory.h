#pragma once
// The catalogue of control wrappers: the kinds the dispatch chooses among,
// what it sets on a wrapper before attaching it, and the one function that
// makes the wrapper of a kind (a case of CreateWrapper per wrapper class).
#include <cstdint>
#include <string_view>

class TComponent;
class TSkinControl;

enum class TWrapperKind : std::uint8_t {
  None,
  Box,          // TSkinBox: panels, tool bars, forms inside forms
  BoxH,         // TSkinBoxH: bare dialog and tool-bar windows
  GroupBox,     // TSkinGroupBox
  Edit,         // TSkinEdit
  Sizer,        // TSkinSizer: size-grip scroll bars
  TabSheet,     // TSkinTabSheet
  ScControl,    // TSkinScControl: scroll-bar controls
  Scrollbar,    // TSkinScrollbar: windows with their own scroll bars
  ListView,     // TSkinListView
  Button,       // TSkinButton
  BitButton,    // TSkinBitButton
  MenuButton,   // TSkinMenuButton
  SpeedButton,  // TSkinSpeedButton
  CheckBox,     // TSkinCheckBox
  RadioButton,  // TSkinRadioButton
  ObjImage,     // TSkinObjImage: check boxes and radio buttons of other libraries
  ComBox,       // TSkinComBox
  DateTime,     // TSkinDateTime
  Tab,          // TSkinTab
  Tab31,        // TSkinTab31: tab sets
  TabBtn,       // TSkinTabBtn: page controls in button styles
  AdvPage,      // TSkinAdvPage
  TrackBar,     // TSkinTrackBar
  UpDown,       // TSkinUpDown
  Progress,     // TSkinProgress
  Header,       // TSkinHeader
  StatusBar,    // TSkinStatusBar
  MediaPlayer,  // TSkinMP
};

// The wrapper class of a kind ("TSkinBox"); "" for None.
std::string_view WrapperClassName(TWrapperKind kind);

// Marks for the wrapper (TWrapperChoice::Marks).
enum : std::uint8_t {
  wmExtendedCombo = 1,  // the combo box is an extended one
  wmPngGlyph = 2,       // the glyph comes from the control's PngImage
};

// A wrapper as the dispatch chose it.
struct TWrapperChoice {
  TWrapperKind Kind = TWrapperKind::None;
  // Set as the wrapper's FKind before it attaches.
  int FKind = 0;
  // The variant of TSkinObjImage (1 to 3).
  int Variant = 0;
  std::uint8_t Marks = 0;
  // Attached with the control's colour turned into the skin's.
  bool SetColor = false;
  // Attached to the control's window as a bare window (InitHandle).
  bool AsWindow = false;

  bool operator==(const TWrapperChoice&) const = default;
};

// Makes the wrapper of the chosen kind, owned by owner and not attached
// yet; null for None.
TSkinControl* CreateWrapper(const TWrapperChoice& choice, TComponent* owner);
using TWrapperFactory = TSkinControl* (*)(const TWrapperChoice& choice, TComponent* owner);
