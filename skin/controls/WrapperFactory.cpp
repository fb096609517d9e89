#include "skin/controls/WrapperFactory.h"

#include <array>
#include <string>

#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinDateTime.h"
#include "skin/controls/SkinMP.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinGroupBox.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScControl.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinScrollbar.h"
#include "skin/controls/SkinUpDown.h"

std::string_view WrapperClassName(TWrapperKind kind) {
  static constexpr std::array<std::string_view, 29> kNames = {
      "",              "TSkinBox",       "TSkinBoxH",        "TSkinGroupBox",   "TSkinEdit",
      "TSkinSizer",    "TSkinTabSheet",  "TSkinScControl",   "TSkinScrollbar",  "TSkinListView",
      "TSkinButton",   "TSkinBitButton", "TSkinMenuButton",  "TSkinSpeedButton", "TSkinCheckBox",
      "TSkinRadioButton", "TSkinObjImage", "TSkinComBox",    "TSkinDateTime",   "TSkinTab",
      "TSkinTab31",    "TSkinTabBtn",    "TSkinAdvPage",     "TSkinTrackBar",   "TSkinUpDown",
      "TSkinProgress", "TSkinHeader",    "TSkinStatusBar",   "TSkinMP",
  };
  static_assert(kNames.size() == static_cast<std::size_t>(TWrapperKind::MediaPlayer) + 1);
  return kNames[static_cast<std::size_t>(kind)];
}

TSkinControl* CreateWrapper(const TWrapperChoice& choice, TComponent* owner) {
  const std::string image = choice.Marks & wmPngGlyph ? "PngImage" : "";
  switch (choice.Kind) {
    case TWrapperKind::Box: return new TSkinBox(owner);
    case TWrapperKind::BoxH: return new TSkinBoxH(owner);
    case TWrapperKind::GroupBox: return new TSkinGroupBox(owner);
    case TWrapperKind::Edit: return new TSkinEdit(owner);
    case TWrapperKind::Sizer: return new TSkinSizer(owner);
    case TWrapperKind::TabSheet: return new TSkinTabSheet(owner);
    case TWrapperKind::Button: return new TSkinButton(owner);
    case TWrapperKind::BitButton: return new TSkinBitButton(owner, image);
    case TWrapperKind::MenuButton: return new TSkinMenuButton(owner);
    case TWrapperKind::SpeedButton: return new TSkinSpeedButton(owner, image);
    case TWrapperKind::CheckBox: return new TSkinCheckBox(owner);
    case TWrapperKind::RadioButton: return new TSkinRadioButton(owner);
    case TWrapperKind::ObjImage: return new TSkinObjImage(owner, choice.Variant);
    case TWrapperKind::MediaPlayer: return new TSkinMP(owner);
    case TWrapperKind::ComBox: return new TSkinComBox(owner, (choice.Marks & wmExtendedCombo) != 0);
    case TWrapperKind::DateTime: return new TSkinDateTime(owner);
    case TWrapperKind::Scrollbar: return new TSkinScrollbar(owner);
    case TWrapperKind::ScControl: return new TSkinScControl(owner);
    case TWrapperKind::ListView: return new TSkinListView(owner);
    case TWrapperKind::UpDown: return new TSkinUpDown(owner);
    case TWrapperKind::Progress: return new TSkinProgress(owner);
    case TWrapperKind::TrackBar: return new TSkinTrackBar(owner);
    case TWrapperKind::Header: return new TSkinHeader(owner);
    case TWrapperKind::StatusBar: return new TSkinStatusBar(owner);
    case TWrapperKind::Tab: return new TSkinTab(owner);
    case TWrapperKind::Tab31: return new TSkinTab31(owner);
    case TWrapperKind::TabBtn: return new TSkinTabBtn(owner);
    case TWrapperKind::AdvPage: return new TSkinAdvPage(owner);
    case TWrapperKind::None: break;
  }
  return nullptr;
}
