#include "skin/data/WinSkinData.h"

#include <algorithm>

#include "skin/data/SkinDerived.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinRead.h"
#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinIni.h"
#include "skin/window/SkinManage.h"
#include "ui/Bytes.h"
#include "ui/Form.h"
#include "ui/Handles.h"
#include "ui/TypInfo.h"

namespace {

constexpr std::string_view kControlTypeNames[] = {
    "xcMainMenu",  "xcPopupMenu", "xcMenuItem",  "xcToolbar",   "xcControlbar", "xcCombo",
    "xcCheckBox",  "xcRadioButton", "xcProgress", "xcScrollbar", "xcEdit",      "xcButton",
    "xcBitBtn",    "xcSpeedButton", "xcSpin",    "xcPanel",     "xcGroupBox",   "xcStatusBar",
    "xcTab",       "xcTrackBar",  "xcSystemMenu", "xcFastReport"};
constexpr std::string_view kOptionNames[] = {
    "xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview", "xoParentBackGround", "xoNoFocusRect",
    "xoToolbarBK", "xoToolbarButton", "xoMDIChildBorder", "xoMenuBG", "xoCaptionButtonHint", "xoFormScrollbar"};
constexpr std::string_view kFormTypeNames[] = {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"};

// The deferred commands of the components run this long after the request.
constexpr int kCommandDelay = 250;

// The colour table's keys in section "Colours", in reading order, with the
// system colour each defaults to (-1: the ButtonFace entry as just read).
struct TColourKey {
  int Index;
  const char* Key;
  int SystemIndex;
};
constexpr TColourKey kColourKeys[] = {
    {scWindowText, "WindowText", COLOR_WINDOWTEXT},
    {scButtonFace, "ButtonFace", COLOR_BTNFACE},
    {scScrollbar, "Scrollbar", COLOR_SCROLLBAR},
    {scHilightText, "HilightText", COLOR_HIGHLIGHTTEXT},
    {scHilight, "Hilight", COLOR_HIGHLIGHT},
    {scMenubar, "Menubar", -1},
    {scMenu, "Menu", COLOR_MENU},
    {scMenuText, "MenuText", COLOR_MENUTEXT},
    {scButtonText, "ButtonText", COLOR_BTNTEXT},
    {scButtonHilight, "ButtonHilight", COLOR_BTNHIGHLIGHT},
    {scButtonlight, "Buttonlight", COLOR_BTNHIGHLIGHT},
    {scButtonShadow, "ButtonShadow", COLOR_BTNSHADOW},
    {scButtonDkShadow, "ButtonDkShadow", COLOR_3DDKSHADOW},
    {scMenuBarText, "MenuBarText", COLOR_MENUTEXT},
    {scTitleTextActive, "TitleTextActive", COLOR_CAPTIONTEXT},
    {scTitleTextNoActive, "TitleTextNoActive", COLOR_INACTIVECAPTIONTEXT},
};

constexpr const char* kTrackThumbSections[] = {"Trackbar.ThumbHorz", "Trackbar.ThumbVert", "Trackbar.ThumbLeft",
                                               "Trackbar.ThumbRight", "Trackbar.ThumbUp", "Trackbar.ThumbDown"};

template <class T>
void SetFrames(const std::unique_ptr<T>& element, int count) {
  if (element) element->FFrameCount = count;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

const std::vector<std::string>& DefaultSkin3rd() {
  static const std::vector<std::string> lines = {
    "TCategoryButtons=scrollbar", "TPngSpeedbutton=pngspeedbutton", "TPngBitBtn=pngbitbtn",
    "TVirtualStringTree=scrollbar", "TVirtualDrawTree=scrollbar", "TTBXDockablePanel=Panel",
    "TAdvPanelGroup=scrollbar", "TComboboxex=combobox", "TRxSpeedButton=speedbutton", "THTMLViewer=scrollbar",
    "TDBCtrlGrid=scrollbar", "TfrSpeedButton=speedbutton", "TfrTBButton=speedbutton", "TControlBar=Panel",
    "TTBDock=Panel", "TTBToolbar=Panel", "TImageEnMView=scrollbar", "TImageEnView=scrollbar",
    "TAdvMemo=scrollbar", "TDBAdvMemo=scrollbar", "TcxDBLookupComboBox=combobox", "TcxDBComboBox=combobox",
    "TcxDBDateEdit=combobox", "TcxDBImageComboBox=combobox", "TcxDBCalcEdit=combobox", "TcxDBBlobEdit=combobox",
    "TcxDBPopupEdit=combobox", "TcxDBFontNameComboBox=combobox", "TcxDBShellComboBox=combobox",
    "TRxLookupEdit=combobox", "TRxDBLookupCombo=combobox", "TRzGroup=panel", "TRzButton=button",
    "TRzBitbtn=bitbtn", "TRzMenuButton=menubtn", "TRzCheckGroup=CheckGroup", "TRzRadioGroup=Radiogroup",
    "TRzButtonEdit=Edit", "TRzDBRadioGroup=Radiogroup", "TRzDBRadioButton=Radiobutton",
    "TRzDateTimeEdit=combobox", "TRzColorEdit=combobox", "TRzDateTimePicker=combobox",
    "TRzDBDateTimeEdit=combobox", "TRzDbColorEdit=combobox", "TRzDBDateTimePicker=combobox",
    "TLMDButton=bitbtn", "TLMDGroupBox=Groupbox", "TDBCheckboxEh=Checkbox", "TDBCheckboxEh=Checkbox",
    "TLMDCHECKBOX=Checkbox", "TLMDDBCHECKBOX=Checkbox", "TLMDRadiobutton=Radiobutton", "TLMDCalculator=panel",
    "TLMDGROUPBOX=Panel", "TLMDSIMPLEPANEL=Panel", "TLMDDBCalendar=Panel", "TLMDButtonPanel=Panel",
    "TLMDLMDCalculator=Panel", "TLMDHeaderPanel=Panel", "TLMDTechnicalLine=Panel", "TLMDLMDClock=Panel",
    "TLMDTrackbar=panel", "TLMDListCombobox=combobox", "TLMDCheckListCombobox=combobox",
    "TLMDHeaderListCombobox=combobox", "TLMDImageCombobox=combobox", "TLMDColorCombobox=combobox",
    "TLMDFontCombobox=combobox", "TLMDFontSizeCombobox=combobox", "TLMDFontSizeCombobox=combobox",
    "TLMDPrinterCombobox=combobox", "TLMDDriveCombobox=combobox", "TLMDCalculatorComboBox=combobox",
    "TLMDTrackBarComboBox=combobox", "TLMDCalendarComboBox=combobox", "TLMDTreeComboBox=combobox",
    "TLMDRADIOGROUP=radiogroup", "TLMDCheckGroup=CheckGroup", "TLMDDBRADIOGROUP=radiogroup",
    "TLMDDBCheckGroup=CheckGroup", "TLMDCalculatorEdit=edit", "TLMDEDIT=Edit", "TLMDMASKEDIT=Edit",
    "TLMDBROWSEEDIT=Edit", "TLMDEXTSPINEDIT=Edit", "TLMDCALENDAREDIT=Edit", "TLMDFILEOPENEDIT=Edit",
    "TLMDFILESAVEEDIT=Edit", "TLMDCOLOREDIT=Edit", "TLMDDBEDIT=Edit", "TLMDDBMASKEDIT=Edit",
    "TLMDDBEXTSPINEDIT=Edit", "TLMDDBSPINEDIT=Edit", "TLMDDBEDITDBLookup=Edit", "TLMDEDITDBLookup=Edit",
    "TDBLookupCombobox=Combobox", "TWWDBCombobox=Combobox", "TWWDBLookupCombo=Combobox",
    "TWWDBCombobox=Combobox", "TWWKeyCombo=Combobox", "TWWTempKeyCombo=combobox",
    "TWWDBDateTimePicker=Combobox", "TWWRADIOGROUP=radiogroup", "TWWDBEDIT=Edit", "TcxButton=bitbtn",
    "TcxDBRadioGroup=radiogroup", "TcxRadioGroup=radiogroup", "TcxGroupbox=groupbox", "TOVCPICTUREFIELD=Edit",
    "TOVCDBPICTUREFIELD=Edit", "TOVCSLIDEREDIT=Edit", "TOVCDBSLIDEREDIT=Edit", "TOVCSIMPLEFIELD=Edit",
    "TOVCDBSIMPLEFIELD=Edit", "TO32DBFLEXEDIT=Edit", "TOVCNUMERICFIELD=Edit", "TOVCDBNUMERICFIELD=Edit",
  };
  return lines;
}

const TPropInfo TSkinData::Published[] = {
    Prop<TTypeKind::Boolean, &TSkinData::Active, &TSkinData::SetActive>("Active"),
    Prop<TTypeKind::Integer, &TSkinData::DisableTag, &TSkinData::SetDisableTag>("DisableTag"),
    Prop<TTypeKind::Set, &TSkinData::SkinControls, &TSkinData::SetSkinControls>("SkinControls", kControlTypeNames),
    Prop<TTypeKind::Set, &TSkinData::Options, &TSkinData::SetOptions>("Options", kOptionNames),
    Prop<TTypeKind::Object, &TSkinData::Skin3rd, &TSkinData::SetSkin3rd>("Skin3rd"),
    Prop<TTypeKind::String, &TSkinData::SkinFile, &TSkinData::SetSkinFile>("SkinFile"),
    Prop<TTypeKind::String, &TSkinData::SkinStore, &TSkinData::SetSkinStore>("SkinStore"),
    Prop<TTypeKind::Enumeration, &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype>("SkinFormtype",
                                                                                         kFormTypeNames),
    Prop<TTypeKind::String, &TSkinData::Version, &TSkinData::SetVersion>("Version"),
    Prop<TTypeKind::Boolean, &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate>("MenuUpdate"),
    Prop<TTypeKind::Boolean, &TSkinData::MenuMerge, &TSkinData::SetMenuMerge>("MenuMerge"),
    Prop<TTypeKind::Method, &TSkinData::OnFormSkin, &TSkinData::OnFormSkin>("OnFormSkin"),
    Prop<TTypeKind::Method, &TSkinData::OnSkinChanged, &TSkinData::OnSkinChanged>("OnSkinChanged"),
    Prop<TTypeKind::Method, &TSkinData::OnSkinControl, &TSkinData::OnSkinControl>("OnSkinControl"),
    Prop<TTypeKind::Method, &TSkinData::OnBeforeSkinForm, &TSkinData::OnBeforeSkinForm>("OnBeforeSkinForm"),
    Prop<TTypeKind::Method, &TSkinData::OnAfterSkinForm, &TSkinData::OnAfterSkinForm>("OnAfterSkinForm"),
};
QV_CLASS_INFO(TSkinData, Published);

TSkinData::TSkinData(TComponent* owner) : TComponent(owner) {
  const char* const names[] = {"Left", "Right", "Top", "Bottom"};
  for (int i = 0; i < 4; ++i) FBorders[static_cast<std::size_t>(i)] = std::make_unique<TDataSkinBorder>(names[i]);
  for (const std::string& line : DefaultSkin3rd()) FSkin3rd.Add(line);
  TBitmap glyphs;
  try {
    glyphs.LoadFromResourceName(GetModuleHandleA(nullptr), "QUILLANMENU");
    FMenuGlyphs.AddMasked(glyphs, clWhite);
  } catch (const EInvalidGraphic&) {
    // A program built without its skin bitmaps draws no MDI menu glyphs.
  }
  FAppIcon.SetPixelFormat(TPixelFormat::pf24bit);
}

TSkinData::~TSkinData() {
  if (TSkinManage* manager = SkinManager()) manager->UnregisterSkinData(this);
}

void TSkinData::DefineProperties(TFiler& filer) {
  TComponent::DefineProperties(filer);
  filer.DefineBinaryProperty("SkinStream", TFiler::TStreamProc::Of<&TSkinData::ReadSkinStream>(this));
}

void TSkinData::ReadSkinStream(TStream& stream) {
  std::uint8_t size[4];
  stream.ReadBuffer(size, sizeof size);
  const std::int32_t length = GetLE32Signed(size);
  if (length <= 0) return;
  // A length beyond the stored bytes cannot be read; it is not allocated.
  if (length > stream.Size() - stream.Position()) throw EReadError();
  FSkinStream.Clear();
  FSkinStream.SetSize(length);
  stream.ReadBuffer(FSkinStream.Memory(), static_cast<std::size_t>(length));
  if (!Designing()) LoadSkin();
}

void TSkinData::SetSkin3rd(TStrings* value) {
  if (value) FSkin3rd.Assign(*value);
  else FSkin3rd.Clear();
}

std::string TSkinData::SkinStore() const {
  // Size() seeks to the end and back: the stream is left as it was.
  return Designing() && const_cast<TMemoryStream&>(FSkinStream).Size() > 0 ? "(Good)" : "(none)";
}

bool TSkinData::LoadSkin() {
  FNoSkin = true;
  if (Designing()) return false;
  TSkinReader package;
  if (!package.ReadSkinPackage(FSkinStream)) return false;
  TMemoryStream description;
  std::string entryName;
  package.ExtractEntryLike(".ini", description, entryName);
  description.SetPosition(0);
  TQuickIni ini;
  ini.LoadFromStream(&description);
  TSkinLoader loader(ini, package);
  ReadSkin(ini, loader);
  return true;
}

void TSkinData::ReadSkin(const TQuickIni& ini, TSkinLoader& loader) {
  TStringList sections;
  ini.ReadSections(sections);
  for (const auto& border : FBorders) loader.LoadBorder(*border);
  ReadColours(loader);
  loader.SetButtonText(FColours[scButtonText]);
  FSysButtons = loader.SysButtons(sections);
  loader.LoadButtons(FButtons);
  loader.LoadTitle(FTitle);

  FProgress = loader.Bar("Progress");
  FProgressChunk = loader.Generic("Progress.Chunk");
  FMenuBar = loader.MenuBar();
  FGroupBoxEdge = loader.Generic("GroupBoxEdge");
  FGroupBox = loader.BoxLabel("GroupBox");
  FTabs = loader.Bordered("Tabs", "Border");
  FStatusBarEdges = loader.Generic("StatusBarEdges");
  FTabPane = loader.Generic("Tab.Pane");
  if (FTabPane) {
    RECT& m = FTabPane->FMargins;
    m = RECT{std::min<LONG>(m.left, 4), std::min<LONG>(m.top, 4), std::min<LONG>(m.right, 4),
             std::min<LONG>(m.bottom, 4)};
  }
  FToolBars = loader.Generic("ToolBars");
  // "****" is a key no skin gives: the combo button's second image is made
  // here and below, not read.
  FComboButton = loader.Bordered("ComboButton", "****");
  FSunkEdge = loader.Generic("SunkEdge");
  if (FComboButton) MirrorComboButton(*FComboButton);
  FExtraImages = loader.Generic("ExtraImages");
  FHeaderbar = loader.Generic("Headerbar");
  FMenuItem = loader.Generic("MenuItem");
  FMenuBackground = loader.Generic("MenuBackground");
  FScrollbar = loader.Generic("Scrollbar");
  FHorzScroll = loader.Generic("HorzScroll");
  FVertScroll = loader.Generic("VertScroll");
  FHorzScrollThumb = loader.Generic("HorzScrollThumb");
  FVertScrollThumb = loader.Generic("VertScrollThumb");
  for (std::size_t i = 0; i < FTrackThumbs.size(); ++i) FTrackThumbs[i] = loader.Generic(kTrackThumbSections[i]);
  FUpDownHorz = loader.Bordered("UpDown.Horz", "GlyphImage");
  FUpDownVert = loader.Bordered("UpDown.Vert", "GlyphImage");
  FTrack = loader.Generic("Track");
  if (!FTrack) FTrack = BuiltInTrack("TRACK");
  FTrackVert = loader.Generic("TRACKVERT");
  if (!FTrackVert) FTrackVert = BuiltInTrack("TRACKVERT");

  SetFixedFrameCounts(ini);
  if (FSunkEdge && FComboButton) BuildComboStrips(*FSunkEdge, *FComboButton, FExtraImages.get());
  FComboxArrow = MakeComboArrow(FSunkEdge.get(), FComboButton.get(), FColours[scButtonFace]);
  FToolbar = MakeToolbar(FColours[scButtonFace], BorderSampleColour());

  FColours[scBorderSample] = BorderSampleColour();
  FFaceBrush.Reset(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(FColours[scButtonFace]))));
  FNoSkin = false;
}

void TSkinData::ReadColours(const TSkinLoader& loader) {
  for (const TColourKey& key : kColourKeys) {
    const TColor def = key.SystemIndex < 0 ? FColours[scButtonFace] : SystemColor(key.SystemIndex);
    bool given = false;
    FColours[static_cast<std::size_t>(key.Index)] = loader.Colour("Colours", key.Key, def, &given);
    FColourGiven[static_cast<std::size_t>(key.Index)] = given;
  }
}

void TSkinData::SetFixedFrameCounts(const TQuickIni& ini) {
  if (FProgress) FProgress->FFrameCount = FProgress->FStyle == 0 ? 2 : 1;
  SetFrames(FGroupBoxEdge, 2);
  SetFrames(FGroupBox, 1);
  SetFrames(FTabs, 5);
  SetFrames(FStatusBarEdges, 3);
  SetFrames(FTabPane, 1);
  SetFrames(FToolBars, 5);
  SetFrames(FComboButton, 4);
  SetFrames(FSunkEdge, 4);
  SetFrames(FExtraImages, 5);
  if (FHeaderbar && FHeaderbar->FFrameCount == 0) FHeaderbar->FFrameCount = 5;
  SetFrames(FMenuItem, 5);
  SetFrames(FMenuBackground, 1);
  SetFrames(FScrollbar, 23);
  SetFrames(FHorzScroll, 4);
  SetFrames(FVertScroll, 4);
  SetFrames(FHorzScrollThumb, ini.ReadInteger("HorzScrollThumb", "FrameCount", 3));
  SetFrames(FVertScrollThumb, ini.ReadInteger("VertScrollThumb", "FrameCount", 3));
  for (const auto& thumb : FTrackThumbs) SetFrames(thumb, 5);
  SetFrames(FUpDownHorz, 8);
  SetFrames(FUpDownVert, 8);
  FinishButtons(FButtons);
}

TColor TSkinData::BorderSampleColour() {
  return ::BorderSampleColour(*FBorders[sbTop], FColours[scButtonFace]);
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (Designing()) return;
  if (!SkinHasScrollBarInfo()) FSkinControls &= ~SetBit(xcScrollbar);
  TSkinManage& manager = CreateSkinManager();
  manager.RegisterSkinData(this);
  if (FSkinFormtype == sfMainform) {
    manager.InstallHook();
    if (FActive) {
      if (FNoSkin)
        FActive = false;
      else
        manager.Schedule(kSkinAll, kCommandDelay);
    }
    // Menu items are skinned as part of a skinned menu bar; without one, the
    // system menu is not skinned either.
    if (FSkinControls & SetBit(xcMainMenu))
      FSkinControls &= ~SetBit(xcMenuItem);
    else
      FSkinControls &= ~SetBit(xcSystemMenu);
    BuildAppIcon();
  } else {
    manager.FEnabled = true;
    ++manager.FState;
    if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && FActive) manager.SkinForm(form);
  }
}

void TSkinData::SetActive(bool value) {
  if (value == FActive) return;
  FActive = value;
  if (Designing() || Reading()) return;
  // A component made at run time is never loaded: it meets the manager now.
  if (!SkinManager()) Loaded();
  TSkinManage& manager = *SkinManager();
  switch (FSkinFormtype) {
    case sfMainform:
      if (value && !FNoSkin) {
        manager.FCommandData = this;
        manager.Schedule(kSkinAll, kCommandDelay);
        manager.FState = 1;
      } else if (!value) {
        manager.FCommandData = this;
        manager.Schedule(kUnskinAll, kCommandDelay);
      }
      break;
    case sfOnlyThisForm:
      manager.FCommandData = this;
      if (!(value && FNoSkin)) manager.Schedule(value ? kSkinAll : kUnskinAll, kCommandDelay);
      break;
    case sfDialog:
    case sfDLL:
      break;
  }
}

void TSkinData::SetSkinFile(const std::string& value) {
  FNoSkin = true;
  FSkinFile = value;
  if (Designing()) {
    if (!value.empty()) FSkinStream.Clear();
    return;
  }
  if (!FileExists(value)) return;
  FSkinStream.LoadFromFile(value);
  LoadSkin();
  ApplySkin();
}

void TSkinData::ApplySkin() {
  if (Designing() || Reading()) return;
  if (!SkinManager()) Loaded();
  TSkinManage& manager = *SkinManager();
  manager.FCommandData = this;
  manager.ReloadSkinData();
  if (manager.FState == 1) manager.Schedule(kRefresh, kCommandDelay);
}

void TSkinData::CanSkinWindow(HWND, const std::string& className, bool& doSkin) {
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32") doSkin = false;
  else if ((FSkinControls & SetBit(xcFastReport)) && className.rfind("Tfr", 0) == 0) doSkin = false;
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ShowCaptionHint(const RECT& rect, const std::string& text) {
  if (!(FOptions & SetBit(xoCaptionButtonHint)) || FHintShown) return;
  RECT hint = FHintWindow.CalcHintRect(500, text);
  OffsetRect(&hint, rect.left, rect.top);
  FHintWindow.ActivateHint(hint, text);
  FHintShown = true;
}

void TSkinData::HideCaptionHint() {
  if (!FHintShown) return;
  FHintWindow.Hide();
  FHintShown = false;
}

void TSkinData::BuildAppIcon() {
  const int width = GetSystemMetrics(SM_CXSMICON), height = GetSystemMetrics(SM_CYSMICON);
  FAppIcon.SetPixelFormat(TPixelFormat::pf24bit);
  FAppIcon.SetSize(width, height);
  TCanvas& canvas = FAppIcon.Canvas();
  canvas.SetBrushColor(clFuchsia);
  canvas.FillRect(RECT{0, 0, width, height});
  // The icon the program's windows show: its own, or the system's
  // application icon. Both are shared icons; the copy is this method's.
  HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  const TIconHandle small(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE)));
  if (small.Get()) DrawIconEx(canvas.Handle(), 0, 0, small.Get(), width, height, 0, nullptr, DI_NORMAL);
}

std::vector<TDataSkinObject*> TSkinData::Elements() {
  std::vector<TDataSkinObject*> all;
  for (const auto& border : FBorders) all.push_back(border.get());
  all.push_back(&FTitle);
  all.push_back(&FButtons);
  const auto add = [&all](TDataSkinObject* element) {
    if (element) all.push_back(element);
  };
  for (TDataSkinObject* element :
       {static_cast<TDataSkinObject*>(FProgress.get()), FProgressChunk.get(), FMenuBar.get(), FGroupBoxEdge.get(),
        static_cast<TDataSkinObject*>(FGroupBox.get()), static_cast<TDataSkinObject*>(FTabs.get()),
        FStatusBarEdges.get(), FTabPane.get(), FToolBars.get(), static_cast<TDataSkinObject*>(FComboButton.get()),
        FSunkEdge.get(), FExtraImages.get(), FHeaderbar.get(), FMenuItem.get(), FMenuBackground.get(),
        FScrollbar.get(), FHorzScroll.get(), FVertScroll.get(), FHorzScrollThumb.get(), FVertScrollThumb.get()})
    add(element);
  for (const auto& thumb : FTrackThumbs) add(thumb.get());
  for (TDataSkinObject* element : {static_cast<TDataSkinObject*>(FUpDownHorz.get()),
                                   static_cast<TDataSkinObject*>(FUpDownVert.get()), FTrack.get(), FTrackVert.get(),
                                   FComboxArrow.get(), FToolbar.get()})
    add(element);
  return all;
}
