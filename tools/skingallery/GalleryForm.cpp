#include "tools/skingallery/GalleryForm.h"

#include <windows.h>
#include <commdlg.h>

#include "tools/skingallery/GallerySkin.h"
#include "ui/Bitmap.h"
#include "ui/ShowMessage.h"

namespace {

// A control of class T on parent, owned by the form as its stored
// description would own it.
template <class T>
T* Put(TReader& reader, const std::string& name, TWinControl* parent, int left, int top, int width, int height,
       const std::string& caption = {}) {
  auto* control = reader.Create<T>(name);
  control->SetParent(parent);
  control->SetBounds(left, top, width, height);
  if (!caption.empty()) control->SetCaption(caption);
  return control;
}

// A glyph of 16 x 16: a square of colour with a light inner square, on the
// transparent colour that its bottom-left pixel gives.
const TBitmap& Glyph(TColor colour) {
  static TBitmap glyph(16, 16);
  TCanvas& c = glyph.Canvas();
  c.SetBrushColor(clFuchsia);
  c.FillRect(RECT{0, 0, 16, 16});
  c.SetBrushColor(colour);
  c.FillRect(RECT{2, 2, 14, 14});
  c.SetBrushColor(clWhite);
  c.FillRect(RECT{5, 5, 11, 11});
  return glyph;
}

constexpr int kClientWidth = 770;
constexpr int kClientHeight = 452;

}  // namespace

QV_CLASS_INFO(TGalleryForm, {});

void TGalleryForm::ReadState(TReader& reader) {
  TForm::ReadState(reader);
  SetBounds(40, 30, Width(), Height());
  SetCaption("Skin gallery");
  SetBorderStyle(TFormBorderStyle::bsSizeable);
  SetClientWidth(kClientWidth);
  SetClientHeight(kClientHeight);
  BuildMenus(reader);
  BuildButtons(reader);
  BuildStates(reader);
  BuildInputs(reader);
  BuildLists(reader);
  BuildPagesAndBars(reader);

  StatusBar1 = reader.Create<TStatusBar>("StatusBar1");
  StatusBar1->SetParent(this);
  for (const char* text : {"Skin: built-in", "Right-click the panel for its menu", ""}) {
    TStatusPanel* panel = StatusBar1->Panels()->Add();
    panel->SetText(text);
    panel->SetWidth(230);
  }
}

void TGalleryForm::BuildMenus(TReader& reader) {
  MainMenu1 = reader.Create<TMainMenu>("MainMenu1");
  const auto item = [&](TMenuItem* parent, const std::string& name, const std::string& caption) {
    auto* added = reader.Create<TMenuItem>(name);
    added->SetCaption(caption);
    added->OnClick = TNotifyEvent::Of<&TGalleryForm::ReportClick>(this);
    parent->Add(added);
    return added;
  };
  TMenuItem* file = item(MainMenu1->Items(), "FileMenu", "&File");
  item(file, "FileOpenSkin", "&Open skin package...")->OnClick = TNotifyEvent::Of<&TGalleryForm::OpenSkinClick>(this);
  item(file, "FileLine1", "-");
  item(file, "FileExit", "E&xit")->OnClick = TNotifyEvent::Of<&TGalleryForm::ExitClick>(this);
  TMenuItem* edit = item(MainMenu1->Items(), "EditMenu", "&Edit");
  item(edit, "EditUndo", "&Undo")->SetEnabled(false);
  item(edit, "EditLine1", "-");
  item(edit, "EditCopy", "&Copy");
  item(edit, "EditPaste", "&Paste");
  TMenuItem* view = item(edit, "EditView", "&View");
  item(view, "ViewLarge", "&Large")->SetChecked(true);
  item(view, "ViewSmall", "&Small");
  SkinMenu = item(MainMenu1->Items(), "SkinMenu", "&Skin");
  BuildSkinMenu(reader);
  SetMenu(MainMenu1);

  PanelMenu = reader.Create<TPopupMenu>("PanelMenu");
  item(PanelMenu->Items(), "PanelFirst", "&First");
  item(PanelMenu->Items(), "PanelSecond", "&Second")->SetChecked(true);
  item(PanelMenu->Items(), "PanelLine", "-");
  item(PanelMenu->Items(), "PanelOff", "&Disabled")->SetEnabled(false);

  DropMenu = reader.Create<TPopupMenu>("DropMenu");
  item(DropMenu->Items(), "DropOne", "Choice &one");
  item(DropMenu->Items(), "DropTwo", "Choice &two");
}

void TGalleryForm::BuildSkinMenu(TReader& reader) {
  const auto add = [&](const std::string& name, const std::string& caption, const std::string& path) {
    auto* added = reader.Create<TMenuItem>(name);
    added->SetCaption(caption);
    added->OnClick = TNotifyEvent::Of<&TGalleryForm::SkinItemClick>(this);
    SkinMenu->Add(added);
    FSkinItems.emplace_back(added, path);
  };
  add("SkinBuiltIn", "&Built-in", "");
  int index = 0;
  for (const std::string& path : PackagesBesideProgram()) {
    std::string name = path.substr(path.find_last_of('\\') + 1);
    name.erase(name.rfind('.'));
    add("SkinPackage" + std::to_string(++index), name, path);
  }
  FSkinItems.front().first->SetChecked(true);
  auto* line = reader.Create<TMenuItem>("SkinLine");
  line->SetCaption("-");
  SkinMenu->Add(line);
  auto* open = reader.Create<TMenuItem>("SkinOpen");
  open->SetCaption("&Open skin package...");
  open->OnClick = TNotifyEvent::Of<&TGalleryForm::OpenSkinClick>(this);
  SkinMenu->Add(open);
}

void TGalleryForm::BuildButtons(TReader& reader) {
  ButtonPanel = Put<TPanel>(reader, "ButtonPanel", this, 8, 8, 240, 100);
  ButtonPanel->SetPopupMenu(PanelMenu);
  PushButton = Put<TButton>(reader, "PushButton", ButtonPanel, 8, 8, 104, 26, "&Push");
  PushButton->OnClick = TNotifyEvent::Of<&TGalleryForm::ReportClick>(this);
  BitButton = Put<TBitBtn>(reader, "BitButton", ButtonPanel, 124, 8, 104, 26, "&Bitmap");
  BitButton->SetGlyph(&Glyph(0x2E8B57));
  BitButton->OnClick = TNotifyEvent::Of<&TGalleryForm::ReportClick>(this);
  DropButton = Put<TMenuButton>(reader, "DropButton", ButtonPanel, 8, 42, 104, 26, "&Menu");
  DropButton->SetDropdownMenu(DropMenu);
  const char* captions[] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    TSpeedButton* speed = reader.Create<TSpeedButton>("SpeedButton" + std::to_string(i + 1));
    speed->SetParent(ButtonPanel);
    speed->SetBounds(124 + i * 36, 42, 34, 26);
    speed->SetCaption(captions[i]);
    speed->SetGroupIndex(1);
    if (i == 0) speed->SetGlyph(&Glyph(0xC06020));
    SpeedButtons[i] = speed;
  }
  SpeedButtons[1]->SetDown(true);
  SpeedButtons[2]->SetEnabled(false);
}

void TGalleryForm::BuildStates(TReader& reader) {
  StateGroup = Put<TGroupBox>(reader, "StateGroup", this, 8, 114, 240, 108, "Check boxes and radio buttons");
  const char* checks[] = {"Unchecked", "Checked", "Grayed", "Disabled"};
  for (int i = 0; i < 4; ++i) {
    TCheckBox* box = Put<TCheckBox>(reader, std::string("CheckBox") + char('1' + i), StateGroup, 10, 20 + i * 21, 110,
                                    19, checks[i]);
    box->SetAllowGrayed(i == 2);
    CheckBoxes[i] = box;
  }
  CheckBoxes[1]->SetChecked(true);
  CheckBoxes[2]->SetState(TCheckBoxState::cbGrayed);
  CheckBoxes[3]->SetChecked(true);
  CheckBoxes[3]->SetEnabled(false);
  const char* radios[] = {"Chosen", "Not chosen", "Disabled"};
  for (int i = 0; i < 3; ++i)
    RadioButtons[i] = Put<TRadioButton>(reader, std::string("RadioButton") + char('1' + i), StateGroup, 126, 20 + i * 21,
                                        106, 19, radios[i]);
  RadioButtons[0]->SetChecked(true);
  RadioButtons[2]->SetEnabled(false);

  RadioGroup1 = Put<TRadioGroup>(reader, "RadioGroup1", this, 8, 228, 240, 64, "Radio group");
  RadioGroup1->SetColumns(3);
  for (const char* text : {"Small", "Medium", "Large"}) RadioGroup1->Items()->Add(text);
  RadioGroup1->SetItemIndex(1);
}

void TGalleryForm::BuildInputs(TReader& reader) {
  SpinEdit = Put<TEdit>(reader, "SpinEdit", this, 8, 300, 90, 22);
  SpinButton = Put<TUpDown>(reader, "SpinButton", this, 98, 300, 17, 22);
  SpinButton->SetMax(100);
  SpinButton->SetPosition(42);
  SpinButton->SetAssociate(SpinEdit);
  FreeUpDown = Put<TUpDown>(reader, "FreeUpDown", this, 124, 301, 34, 20);
  FreeUpDown->SetOrientation(TUDOrientation::udHorizontal);
  FreeUpDown->SetBounds(124, 301, 34, 20);
  ComboBox1 = Put<TComboBox>(reader, "ComboBox1", this, 8, 330, 116, 24);
  for (const char* text : {"Red", "Green", "Blue", "Cyan", "Magenta", "Yellow", "Black", "White", "Grey", "Orange",
                           "Purple", "Brown"})
    ComboBox1->Items()->Add(text);
  ComboBox1->SetItemIndex(1);
  DatePicker = Put<TDateTimePicker>(reader, "DatePicker", this, 132, 330, 116, 24);
  SYSTEMTIME day{};
  day.wYear = 2026;
  day.wMonth = 12;
  day.wDay = 10;
  DatePicker->SetDateTime(day);
}

void TGalleryForm::BuildLists(TReader& reader) {
  Memo1 = Put<TMemo>(reader, "Memo1", this, 256, 8, 250, 100);
  Memo1->SetScrollBars(TScrollStyle::ssBoth);
  Memo1->SetWordWrap(false);
  for (int i = 1; i <= 30; ++i)
    Memo1->Lines()->Add("Line " + std::to_string(i) + " of a memo, long enough to need the horizontal bar");
  ListBox1 = Put<TListBox>(reader, "ListBox1", this, 256, 114, 120, 100);
  for (int i = 1; i <= 20; ++i) ListBox1->Items()->Add("Item " + std::to_string(i));
  ListBox1->SetItemIndex(2);
  TreeView1 = Put<TTreeView>(reader, "TreeView1", this, 384, 114, 122, 100);
  TTreeNode* first = nullptr;
  for (const char* folder : {"Documents", "Pictures", "Music"}) {
    TTreeNode* node = TreeView1->Items()->AddChild(nullptr, folder);
    for (int i = 1; i <= 3; ++i) TreeView1->Items()->AddChild(node, std::string(folder) + " " + std::to_string(i));
    if (!first) first = node;
    node->SetExpanded(std::string(folder) != "Music");
  }
  TreeView1->SetSelected(first);
  ListView1 = Put<TListView>(reader, "ListView1", this, 256, 220, 250, 110);
  ListView1->SetViewStyle(TViewStyle::vsReport);
  ListView1->SetRowSelect(true);
  for (const auto& [caption, width] : {std::pair{"Name", 100}, {"Size", 60}, {"Type", 70}}) {
    TListColumn* column = ListView1->Columns()->Add();
    column->SetCaption(caption);
    column->SetWidth(width);
  }
  for (int i = 1; i <= 8; ++i) {
    TListItem* row = ListView1->Items()->Add();
    row->SetCaption("file" + std::to_string(i) + ".txt");
    row->SubItems()->Add(std::to_string(i * 3) + " KB");
    row->SubItems()->Add("Text");
  }
  Header1 = reader.Create<THeaderControl>("Header1");
  Header1->SetParent(this);
  Header1->SetAlign(TAlign::alNone);
  Header1->SetBounds(256, 338, 250, 22);
  for (const char* text : {"Header", "Sections", "Here"}) {
    THeaderSection* section = Header1->Sections()->Add();
    section->SetText(text);
    section->SetWidth(82);
  }
  ScrollBar1 = Put<TScrollBar>(reader, "ScrollBar1", this, 256, 368, 250, 17);
  ScrollBar1->SetPageSize(10);
  ScrollBar1->SetPosition(30);
  ScrollBar1->OnChange = TNotifyEvent::Of<&TGalleryForm::ScrollChange>(this);
}

void TGalleryForm::BuildPagesAndBars(TReader& reader) {
  PageControl1 = Put<TPageControl>(reader, "PageControl1", this, 514, 8, 248, 120);
  const char* pages[] = {"General", "Details", "More"};
  for (int i = 0; i < 3; ++i) {
    TTabSheet* sheet = reader.Create<TTabSheet>(std::string("Sheet") + char('1' + i));
    sheet->SetPageControl(PageControl1);
    sheet->SetCaption(pages[i]);
    Sheets[i] = sheet;
  }
  Put<TCheckBox>(reader, "SheetCheck", Sheets[0], 10, 10, 150, 19, "On the first page")->SetChecked(true);
  Put<TEdit>(reader, "SheetEdit", Sheets[1], 10, 10, 150, 22)->SetText("On the second page");
  PageControl1->SetActivePageIndex(0);

  TabControl1 = Put<TTabControl>(reader, "TabControl1", this, 514, 136, 248, 84);
  TabControl1->SetTabPosition(TTabPosition::tpBottom);
  for (const char* text : {"One", "Two", "Three"}) TabControl1->Tabs()->Add(text);
  TabControl1->SetTabIndex(0);

  Progress = Put<TProgressBar>(reader, "Progress", this, 514, 232, 196, 16);
  Progress->SetPosition(60);
  Track = Put<TTrackBar>(reader, "Track", this, 514, 256, 196, 32);
  Track->SetMax(100);
  Track->SetFrequency(10);
  Track->SetPosition(60);
  Track->OnChange = TNotifyEvent::Of<&TGalleryForm::TrackChange>(this);
  StandingProgress = Put<TProgressBar>(reader, "StandingProgress", this, 716, 232, 16, 150);
  StandingProgress->SetOrientation(TProgressBarOrientation::pbVertical);
  StandingProgress->SetBounds(716, 232, 16, 150);
  StandingProgress->SetPosition(30);
  StandingTrack = Put<TTrackBar>(reader, "StandingTrack", this, 734, 232, 30, 150);
  StandingTrack->SetOrientation(TTrackBarOrientation::trVertical);
  StandingTrack->SetBounds(734, 232, 30, 150);
  StandingTrack->SetMax(100);
  StandingTrack->SetFrequency(10);
  StandingTrack->SetPosition(30);
  StandingTrack->OnChange = TNotifyEvent::Of<&TGalleryForm::TrackChange>(this);
}

bool TGalleryForm::ChooseSkin(const std::string& path) {
  if (!FSkinData) return false;
  if (path.empty()) {
    UseBuiltInSkin(*FSkinData);
  } else if (const std::string error = UseSkinPackage(*FSkinData, path); !error.empty()) {
    ShowMessage(error);
    return false;
  }
  std::string name = "built-in";
  if (!path.empty()) name = path.substr(path.find_last_of("\\/") + 1);
  StatusBar1->Panels()->Items(0)->SetText("Skin: " + name);
  for (auto& [item, itemPath] : FSkinItems) item->SetChecked(itemPath == path);
  return true;
}

void TGalleryForm::SkinItemClick(TObject* Sender) {
  for (const auto& [item, path] : FSkinItems)
    if (item == Sender) ChooseSkin(path);
}

void TGalleryForm::OpenSkinClick(TObject*) {
  char file[MAX_PATH] = {};
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = Handle();
  dialog.lpstrFilter = "Skin packages (*.skin)\0*.skin\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.lpstrTitle = "Open skin package";
  dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (GetOpenFileNameA(&dialog)) ChooseSkin(file);
}

void TGalleryForm::ExitClick(TObject*) { Close(); }

void TGalleryForm::ReportClick(TObject* Sender) {
  std::string what;
  if (auto* item = dynamic_cast<TMenuItem*>(Sender)) {
    // The items that open a drop-down are "clicked" as it opens.
    if (item->Count() > 0) return;
    what = item->DisplayCaption();
  } else if (auto* control = dynamic_cast<TControl*>(Sender)) {
    what = control->Caption();
  }
  StatusBar1->Panels()->Items(1)->SetText("Clicked: " + what);
}

void TGalleryForm::TrackChange(TObject* Sender) {
  if (Sender == Track) Progress->SetPosition(Track->Position());
  else StandingProgress->SetPosition(StandingTrack->Position());
}

void TGalleryForm::ScrollChange(TObject*) {
  StatusBar1->Panels()->Items(1)->SetText("Scroll bar at " + std::to_string(ScrollBar1->Position()));
}
