#pragma once
// TSkinData: the component a form carries to be skinned. It holds the packed
// skin (streamed with the form as the binary property SkinStream, or read
// from the file SkinFile), turns it into the skin's element objects, colour
// table and derived pictures, and switches skinning on and off through the
// program's skin manager. The painting code of forms and controls reads
// everything it needs from here.
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinElements.h"
#include "ui/Component.h"
#include "ui/Gdi.h"
#include "ui/HintWindow.h"
#include "ui/ImageList.h"
#include "ui/Stream.h"
#include "ui/Strings.h"

class TControl;
class TCustomForm;
class TSkinLoader;
class TQuickIni;

// The kinds of windows and controls that are skinned; a set holds value n
// as bit n.
enum TSkinControlType : int {
  xcMainMenu, xcPopupMenu, xcMenuItem, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
  xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox,
  xcStatusBar, xcTab, xcTrackBar, xcSystemMenu, xcFastReport
};
using TSkinControlTypes = std::uint32_t;

enum TSkinOption : int {
  xoMDIScrollbar, xoMenuMerge, xoTransparent, xoPreview, xoParentBackGround, xoNoFocusRect, xoToolbarBK,
  xoToolbarButton, xoMDIChildBorder, xoMenuBG, xoCaptionButtonHint, xoFormScrollbar
};
using TSkinOptions = std::uint16_t;

// The scope of a component: every window of the program, its own form
// only, message boxes and standard dialogs, or a library's windows.
enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

// The bit of a set element.
template <class E>
constexpr std::uint32_t SetBit(E element) {
  return 1u << static_cast<int>(element);
}

class TSkinData;
// Lets the program veto skinning a window of the class aName.
using TOnFormSkin = TMethod<void(TObject* Sender, const std::string& aName, bool& DoSkin)>;
// Around skinning a framework form.
using TOnSkinForm = TMethod<void(TObject* Sender, HWND ahwnd, const std::string& aName)>;
// Lets the program skin a control itself: a non-null SkinnedControl is the
// wrapper it made; null leaves the control to the dispatch. Form: the
// form, owner or parent the control was found in, or null.
using TOnSkinControl = TMethod<void(TObject* Sender, TSkinData* SkinData, TComponent* Form, TControl* Control,
                                    const std::string& ControlClass, TObject*& SkinnedControl)>;

// Indices of the colour table. 9 and 10 are not used.
enum TSkinColour : int {
  scWindowText = 0, scTitleTextActive = 1, scTitleTextNoActive = 2, scButtonFace = 3, scButtonText = 4,
  scButtonHilight = 5, scButtonlight = 6, scButtonShadow = 7, scButtonDkShadow = 8, scHilightText = 11,
  scHilight = 12, scMenubar = 13, scMenuBarText = 14, scMenuText = 15, scMenu = 16, scBorderSample = 17,
  scScrollbar = 18
};
constexpr int kSkinColourCount = 19;

// The four window borders.
enum TSkinBorder : int { sbLeft, sbRight, sbTop, sbBottom };

class TSkinData : public TComponent {
 public:
  QV_CLASS(TSkinData, TComponent)

  static constexpr char kVersion[] = "5.40.07.15";
  static constexpr TSkinControlTypes kDefaultSkinControls =
      ((1u << (xcFastReport + 1)) - 1) & ~SetBit(xcMenuItem) & ~SetBit(xcFastReport);
  static constexpr TSkinOptions kDefaultOptions =
      SetBit(xoPreview) | SetBit(xoToolbarBK) | SetBit(xoCaptionButtonHint);

  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  void DefineProperties(TFiler& filer) override;
  void Loaded() override;

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool value);
  int DisableTag() const { return FDisableTag; }
  void SetDisableTag(int value) { FDisableTag = value; }
  TSkinControlTypes SkinControls() const { return FSkinControls; }
  void SetSkinControls(TSkinControlTypes value) { FSkinControls = value; }
  TSkinOptions Options() const { return FOptions; }
  void SetOptions(TSkinOptions value) { FOptions = value; }
  // Class name = kind lines for controls of other libraries.
  TStrings* Skin3rd() const { return &FSkin3rd; }
  void SetSkin3rd(TStrings* value);
  const std::string& SkinFile() const { return FSkinFile; }
  void SetSkinFile(const std::string& value);
  // "(Good)" while designing with a packed skin held, else "(none)".
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}
  TSkinFormType SkinFormtype() const { return FSkinFormtype; }
  void SetSkinFormtype(TSkinFormType value) { FSkinFormtype = value; }
  std::string Version() const { return kVersion; }
  void SetVersion(const std::string&) {}
  bool MenuUpdate() const { return FMenuUpdate; }
  void SetMenuUpdate(bool value) { FMenuUpdate = value; }
  bool MenuMerge() const { return FMenuMerge; }
  void SetMenuMerge(bool value) { FMenuMerge = value; }

  TOnFormSkin OnFormSkin;
  // After the manager finished a command for this component.
  TNotifyEvent OnSkinChanged;
  TOnSkinControl OnSkinControl;
  TOnSkinForm OnBeforeSkinForm;
  TOnSkinForm OnAfterSkinForm;

  // Reads FSkinStream as a skin package: true when it was one, and the skin
  // has been read; otherwise the previous skin stays.
  bool LoadSkin();
  // Has the manager take up this component's new skin.
  void ApplySkin();
  // The per-window veto: OnFormSkin when assigned; otherwise month
  // calendars, and report designer windows with xcFastReport, are not
  // skinned. DoSkin is left alone in other cases.
  void CanSkinWindow(HWND handle, const std::string& className, bool& doSkin);
  void SkinChanged();
  // The pixel a third into the top border's first frame; the button face
  // colour without a top border image.
  TColor BorderSampleColour();
  // The caption-button hint, with xoCaptionButtonHint only.
  void ShowCaptionHint(const RECT& rect, const std::string& text);
  void HideCaptionHint();

  // The skin as the painting code reads it.
  TMemoryStream FSkinStream;
  bool FNoSkin = true;
  std::array<TColor, kSkinColourCount> FColours{};
  std::array<bool, kSkinColourCount> FColourGiven{};
  TBrushHandle FFaceBrush;
  std::array<std::unique_ptr<TDataSkinBorder>, 4> FBorders;
  TDataSkinTitle FTitle{"Title"};
  TDataSkinButton FButtons{"Buttons"};
  std::vector<std::unique_ptr<TDataSkinSysButton>> FSysButtons;
  // One slot per element section; empty when the skin lacks it.
  std::unique_ptr<TDataSkinBorder> FProgress;
  std::unique_ptr<TDataSkinObject> FProgressChunk;
  std::unique_ptr<TDataSkinObject> FMenuBar;
  std::unique_ptr<TDataSkinObject> FGroupBoxEdge;
  std::unique_ptr<TDataSkinBoxLabel> FGroupBox;
  std::unique_ptr<TDataSkinBorder> FTabs;
  std::unique_ptr<TDataSkinObject> FStatusBarEdges;
  std::unique_ptr<TDataSkinObject> FTabPane;
  std::unique_ptr<TDataSkinObject> FToolBars;
  std::unique_ptr<TDataSkinBorder> FComboButton;
  std::unique_ptr<TDataSkinObject> FSunkEdge;
  std::unique_ptr<TDataSkinObject> FExtraImages;
  std::unique_ptr<TDataSkinObject> FHeaderbar;
  std::unique_ptr<TDataSkinObject> FMenuItem;
  std::unique_ptr<TDataSkinObject> FMenuBackground;
  std::unique_ptr<TDataSkinObject> FScrollbar;
  std::unique_ptr<TDataSkinObject> FHorzScroll;
  std::unique_ptr<TDataSkinObject> FVertScroll;
  std::unique_ptr<TDataSkinObject> FHorzScrollThumb;
  std::unique_ptr<TDataSkinObject> FVertScrollThumb;
  // Trackbar.ThumbHorz, ThumbVert, ThumbLeft, ThumbRight, ThumbUp, ThumbDown.
  std::array<std::unique_ptr<TDataSkinObject>, 6> FTrackThumbs;
  std::unique_ptr<TDataSkinBorder> FUpDownHorz;
  std::unique_ptr<TDataSkinBorder> FUpDownVert;
  std::unique_ptr<TDataSkinObject> FTrack;
  std::unique_ptr<TDataSkinObject> FTrackVert;
  std::unique_ptr<TDataSkinObject> FComboxArrow;
  std::unique_ptr<TDataSkinObject> FToolbar;
  // The application's small icon on magenta (transparent), from Loaded on.
  TBitmap FAppIcon;
  // The MDI menu-bar glyphs restore, maximize, minimize, close; white is
  // transparent.
  TImageList FMenuGlyphs{16, 16};
  // Off while form skinning must not paint frames.
  bool FPaintFrames = true;
  THintWindow FHintWindow;
  bool FHintShown = false;
  int FHintHoverTime = 0;

  // Every element that exists, in loading order, for tools that list them.
  std::vector<TDataSkinObject*> Elements();

 private:
  static const TPropInfo Published[];

  void ReadSkinStream(TStream& stream);
  void ReadSkin(const TQuickIni& ini, TSkinLoader& loader);
  void ReadColours(const TSkinLoader& loader);
  void SetFixedFrameCounts(const TQuickIni& ini);
  void BuildAppIcon();
  bool Designing() const { return (ComponentState() & csDesigning) != 0; }
  bool Reading() const { return (ComponentState() & (csLoading | csReading)) != 0; }

  bool FActive = false;
  int FDisableTag = 99;
  TSkinControlTypes FSkinControls = kDefaultSkinControls;
  TSkinOptions FOptions = kDefaultOptions;
  mutable TStringList FSkin3rd;
  std::string FSkinFile;
  TSkinFormType FSkinFormtype = sfMainform;
  bool FMenuUpdate = true;
  bool FMenuMerge = false;
};

// The 118 lines of the default Skin3rd list, in order.
const std::vector<std::string>& DefaultSkin3rd();
