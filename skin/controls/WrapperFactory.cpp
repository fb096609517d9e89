#include "skin/controls/WrapperFactory.h"

#include <array>

#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTrackBar.h"
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

TSkinControl* CreateWrapper(const TWrapperSpec& spec, TComponent* owner) {
  // Each wrapper class adds its case here when it is built.
  if (spec.Kind == TWrapperKind::UpDown) return new TSkinUpDown(owner);
  if (spec.Kind == TWrapperKind::Progress) return new TSkinProgress(owner);
  if (spec.Kind == TWrapperKind::TrackBar) return new TSkinTrackBar(owner);
  if (spec.Kind == TWrapperKind::Header) return new TSkinHeader(owner);
  if (spec.Kind == TWrapperKind::StatusBar) return new TSkinStatusBar(owner);
  return nullptr;
}
