// Common controls: their windows, their published properties and what a
// user sees them do.
#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/CoolBar.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/HeaderControl.h"
#include "ui/ListView.h"
#include "ui/PageControl.h"
#include "ui/ProgressBar.h"
#include "ui/StatusBar.h"
#include "ui/TabSet.h"
#include "ui/ToolBar.h"
#include "ui/TrackBar.h"
#include "ui/TreeView.h"
#include "ui/TypInfo.h"
#include "ui/UpDown.h"

namespace {

struct TEvents {
  void Notify(TObject* sender) {
    ++Count;
    Sender = sender;
  }
  TNotifyEvent Event() { return TNotifyEvent::Of<&TEvents::Notify>(this); }
  int Count = 0;
  TObject* Sender = nullptr;
};

template <class T>
T* Place(TWinControl& parent, const RECT& bounds) {
  auto* control = new T(&parent);
  control->SetAlign(TAlign::alNone);
  control->SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
  control->SetParent(&parent);
  return control;
}

DWORD StyleOf(TWinControl& control) { return static_cast<DWORD>(GetWindowLongA(control.Handle(), GWL_STYLE)); }

std::string TabText(HWND window, int index) {
  char text[64] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(window, TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return text;
}

RECT TabRect(HWND window, int index) {
  RECT rect{};
  SendMessageA(window, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  return rect;
}

POINT Middle(const RECT& rect) { return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace

TEST(TabControl, AClickOnATabChoosesIt) {
  auto host = NewHostForm();
  TEvents changes;
  auto* tabs = Place<TTabControl>(*host, RECT{10, 10, 310, 160});
  tabs->OnChange = changes.Event();
  for (const char* tab : {"常规", "高级", "关于"}) tabs->Tabs()->Add(tab);
  tabs->SetTabIndex(0);
  ClickClient(tabs->Handle(), Middle(TabRect(tabs->Handle(), 2)));
  EXPECT_EQ(tabs->TabIndex(), 2);
  EXPECT_EQ(changes.Count, 1);
  EXPECT_EQ(TabText(tabs->Handle(), 1), "高级");
  // The display area is inside the tabs' frame, below the row.
  const RECT display = tabs->DisplayRect();
  EXPECT_GT(display.top, TabRect(tabs->Handle(), 0).bottom - 1);
  const struct {
    const char* position;
    DWORD bits;
  } positions[] = {{"tpBottom", TCS_BOTTOM}, {"tpLeft", TCS_VERTICAL}, {"tpRight", TCS_VERTICAL | TCS_RIGHT},
                   {"tpTop", 0}};
  for (const auto& p : positions) {
    EXPECT_TRUE(SetPropFromText(tabs, "TabPosition", p.position));
    EXPECT_EQ(StyleOf(*tabs) & (TCS_VERTICAL | TCS_RIGHT | TCS_BOTTOM), p.bits) << p.position;
    EXPECT_EQ(SendMessageA(tabs->Handle(), TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(tabs->TabIndex(), 2);
  }
  // An image list of the form, given by name; freed, the tabs let go of it.
  auto* images = new TImageList(host.get());
  SetPropValue(*tabs, "Images", static_cast<TObject*>(images));
  EXPECT_EQ(FindObjectProp(tabs, "Images"), images);
  EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(tabs->Handle(), TCM_GETIMAGELIST, 0, 0)), images->Handle());
  delete images;
  EXPECT_EQ(tabs->Images(), nullptr);
  EXPECT_EQ(SendMessageA(tabs->Handle(), TCM_GETIMAGELIST, 0, 0), 0);
  EXPECT_EQ(FindEnumProp(tabs, "Style"), "tsTabs");
  EXPECT_TRUE(SetPropFromText(tabs, "Style", "tsButtons"));
  EXPECT_TRUE(StyleOf(*tabs) & TCS_BUTTONS);
  EXPECT_EQ(FindEnumProp(tabs, "MultiLine"), "False");
}

TEST(PageControl, AClickOnATabShowsItsPage) {
  auto host = NewHostForm();
  TEvents changes;
  auto* pages = Place<TPageControl>(*host, RECT{10, 10, 310, 210});
  pages->OnChange = changes.Event();
  std::vector<TTabSheet*> sheets;
  for (const char* caption : {"第一页", "第二页", "第三页"}) {
    auto* sheet = new TTabSheet(host.get());
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
    sheets.push_back(sheet);
  }
  EXPECT_EQ(pages->PageCount(), 3);
  EXPECT_EQ(pages->ActivePage(), sheets[0]);
  EXPECT_TRUE(IsWindowVisible(sheets[0]->Handle()));
  EXPECT_FALSE(IsWindowVisible(sheets[1]->Handle()));
  // The page fills the display area.
  const RECT display = pages->DisplayRect();
  EXPECT_EQ(sheets[0]->Left(), display.left);
  EXPECT_EQ(sheets[0]->Height(), display.bottom - display.top);

  ClickClient(pages->Handle(), Middle(TabRect(pages->Handle(), 1)));
  EXPECT_EQ(pages->ActivePage(), sheets[1]);
  EXPECT_EQ(changes.Count, 1);
  EXPECT_TRUE(IsWindowVisible(sheets[1]->Handle()));
  EXPECT_FALSE(IsWindowVisible(sheets[0]->Handle()));
  EXPECT_EQ(FindIntProp(pages, "ActivePageIndex"), 1);
  EXPECT_EQ(FindIntProp(sheets[2], "PageIndex"), 2);

  // A caption is its tab's text; a page taken away takes its tab along and
  // the next page shows.
  sheets[2]->SetCaption("末页");
  EXPECT_EQ(TabText(pages->Handle(), 2), "末页");
  delete sheets[1];
  EXPECT_EQ(pages->PageCount(), 2);
  EXPECT_EQ(SendMessageA(pages->Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(pages->ActivePage(), sheets[2]);
  EXPECT_TRUE(IsWindowVisible(sheets[2]->Handle()));
  EXPECT_TRUE(SetPropFromText(pages, "ActivePageIndex", "0"));
  EXPECT_EQ(pages->TabIndex(), 0);
  EXPECT_TRUE(IsWindowVisible(sheets[0]->Handle()));
}

// A tab set draws its own tabs: the chosen one in the control's colour, the
// others in the window colour; a click on a tab chooses it.
TEST(TabSet, AClickOnATabChoosesIt) {
  auto host = NewHostForm();
  TEvents changes;
  auto* tabSet = Place<TTabSet>(*host, RECT{10, 10, 310, 34});
  tabSet->OnChange = changes.Event();
  for (const char* text : {"第一", "第二", "第三"}) tabSet->Tabs()->Add(text);
  tabSet->SetTabIndex(0);
  EXPECT_EQ(ClassOfWindow(tabSet->Handle()), "TTabSet");
  PumpFor(50);
  const auto face = [tabSet](int index) {
    const RECT tab = tabSet->TabRect(index);
    return ScreenPixel(tabSet->Handle(), POINT{tab.left + 2, tab.bottom - 3});
  };
  EXPECT_EQ(face(0), static_cast<COLORREF>(ColorToRGB(tabSet->Color())));
  EXPECT_EQ(face(2), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(tabSet->TabAt(Middle(tabSet->TabRect(1))), 1);
  EXPECT_EQ(tabSet->TabAt(POINT{300, 5}), -1);

  ClickClient(tabSet->Handle(), Middle(tabSet->TabRect(2)));
  EXPECT_EQ(tabSet->TabIndex(), 2);
  EXPECT_EQ(changes.Count, 1);
  PumpFor(50);
  EXPECT_EQ(face(2), static_cast<COLORREF>(ColorToRGB(tabSet->Color())));
  EXPECT_EQ(face(0), GetSysColor(COLOR_WINDOW));
  // The chosen tab is kept when one before it goes, and none is chosen
  // when it goes itself.
  tabSet->Tabs()->Delete(0);
  EXPECT_EQ(tabSet->TabIndex(), 1);
  tabSet->Tabs()->Delete(1);
  EXPECT_EQ(tabSet->TabIndex(), -1);
  EXPECT_EQ(FindIntProp(tabSet, "TabIndex"), -1);
}

TEST(HeaderControl, ShowsItsSectionsAndTellsOfAClickOnOne) {
  auto host = NewHostForm();
  auto* header = Place<THeaderControl>(*host, RECT{10, 10, 310, 30});
  const char* texts[] = {"名称", "大小", "类型"};
  for (const char* text : texts) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(80);
  }
  header->Sections()->Items(1)->SetAlignment(TAlignment::taRightJustify);
  EXPECT_EQ(SendMessageA(header->Handle(), HDM_GETITEMCOUNT, 0, 0), 3);
  char text[32] = {};
  HDITEMA item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(header->Handle(), HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "大小");
  EXPECT_EQ(item.cxy, 80);
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_RIGHT);

  THeaderSection* clicked = nullptr;
  struct THandler {
    THeaderSection** Clicked;
    void Click(THeaderControl*, THeaderSection* section) { *Clicked = section; }
  } handler{&clicked};
  header->OnSectionClick = TSectionNotifyEvent::Of<&THandler::Click>(&handler);
  ClickClient(header->Handle(), POINT{200, 10});
  EXPECT_EQ(clicked, header->Sections()->Items(2));
  EXPECT_EQ(FindObjectProp(header, "Sections"), header->Sections());
  EXPECT_EQ(FindStrProp(header->Sections()->Items(0), "Text"), "名称");
}

TEST(TrackBar, TheArrowKeysMoveTheThumb) {
  auto host = NewHostForm();
  TEvents changes;
  auto* track = Place<TTrackBar>(*host, RECT{10, 10, 210, 55});
  track->OnChange = changes.Event();
  track->SetMax(20);
  track->SetPosition(5);
  EXPECT_EQ(changes.Count, 1);
  SetFocus(track->Handle());
  TypeKey(VK_RIGHT);
  TypeKey(VK_RIGHT);
  EXPECT_EQ(track->Position(), 7);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETPOS, 0, 0), 7);
  EXPECT_GE(changes.Count, 3);
  EXPECT_EQ(FindIntProp(track, "Max"), 20);
  EXPECT_TRUE(SetPropFromText(track, "Orientation", "trVertical"));
  EXPECT_TRUE(StyleOf(*track) & TBS_VERT);
  EXPECT_EQ(SendMessageA(track->Handle(), TBM_GETPOS, 0, 0), 7);
}

TEST(ProgressBar, ShowsItsPositionInItsRange) {
  auto host = NewHostForm();
  auto* bar = Place<TProgressBar>(*host, RECT{10, 10, 210, 26});
  bar->SetMin(20);
  bar->SetMax(120);
  bar->SetPosition(70);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 70);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, TRUE, 0), 20);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETRANGE, FALSE, 0), 120);
  bar->StepIt();
  EXPECT_EQ(FindIntProp(bar, "Position"), 80);
  bar->StepBy(1000);
  EXPECT_EQ(bar->Position(), 120);
  EXPECT_TRUE(SetPropFromText(bar, "Orientation", "pbVertical"));
  EXPECT_TRUE(StyleOf(*bar) & PBS_VERTICAL);
  EXPECT_EQ(SendMessageA(bar->Handle(), PBM_GETPOS, 0, 0), 120);
}

TEST(UpDown, AClickOnAnArrowStepsThePositionShownInItsEdit) {
  auto host = NewHostForm();
  auto* edit = Place<TEdit>(*host, RECT{10, 10, 110, 31});
  auto* updown = Place<TUpDown>(*host, RECT{110, 10, 127, 31});
  updown->SetAssociate(edit);
  updown->SetMax(5);
  std::vector<TUDBtnType> clicks;
  struct THandler {
    std::vector<TUDBtnType>* Clicks;
    void Click(TObject*, TUDBtnType button) { Clicks->push_back(button); }
  } handler{&clicks};
  updown->OnClick = TUDClickEvent::Of<&THandler::Click>(&handler);
  // The up-down sits at the edit's right edge.
  RECT arrows{};
  GetClientRect(updown->Handle(), &arrows);
  const POINT up{arrows.right / 2, arrows.bottom / 4};
  const POINT down{arrows.right / 2, arrows.bottom * 3 / 4};
  ClickClient(updown->Handle(), up);
  ClickClient(updown->Handle(), up);
  ClickClient(updown->Handle(), down);
  EXPECT_EQ(updown->Position(), 1);
  EXPECT_EQ(edit->Text(), "1");
  EXPECT_EQ(clicks, (std::vector<TUDBtnType>{TUDBtnType::btNext, TUDBtnType::btNext, TUDBtnType::btPrev}));
  EXPECT_EQ(FindObjectProp(updown, "Associate"), edit);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(updown->Handle(), UDM_GETBUDDY, 0, 0)), edit->Handle());
  // The edit freed, the up-down lets go of it.
  delete edit;
  EXPECT_EQ(updown->Associate(), nullptr);
}

TEST(StatusBar, ShowsItsPanelsAndLetsOwnerDrawnOnesBeDrawn) {
  auto host = NewHostForm();
  auto* status = new TStatusBar(host.get());
  status->SetParent(host.get());
  EXPECT_EQ(status->Top() + status->Height(), host->ClientHeight());
  const struct {
    const char* text;
    TAlignment alignment;
    const char* shown;
  } panels[] = {{"左", TAlignment::taLeftJustify, "左"}, {"中", TAlignment::taCenter, "\t中"},
                {"右", TAlignment::taRightJustify, "\t\t右"}};
  for (const auto& p : panels) {
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetText(p.text);
    panel->SetAlignment(p.alignment);
    panel->SetWidth(100);
  }
  TStatusPanel* drawn = status->Panels()->Add();
  drawn->SetStyle(TStatusPanelStyle::psOwnerDraw);
  int ends[8] = {};
  ASSERT_EQ(SendMessageA(status->Handle(), SB_GETPARTS, 8, reinterpret_cast<LPARAM>(ends)), 4);
  EXPECT_EQ(ends[0], 100);
  EXPECT_EQ(ends[2], 300);
  EXPECT_EQ(ends[3], -1);
  for (int i = 0; i < 3; ++i) {
    char text[32] = {};
    SendMessageA(status->Handle(), SB_GETTEXTA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, panels[i].shown);
  }
  std::vector<TStatusPanel*> painted;
  struct THandler {
    std::vector<TStatusPanel*>* Painted;
    void Draw(TCustomStatusBar* bar, TStatusPanel* panel, const RECT& rect) {
      Painted->push_back(panel);
      bar->Canvas().SetBrushColor(static_cast<TColor>(RGB(0, 90, 200)));
      bar->Canvas().FillRect(rect);
    }
  } handler{&painted};
  status->OnDrawPanel = TDrawPanelEvent::Of<&THandler::Draw>(&handler);
  RedrawWindow(status->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), drawn);
  RECT drawnRect{};
  SendMessageA(status->Handle(), SB_GETRECT, 3, reinterpret_cast<LPARAM>(&drawnRect));
  EXPECT_EQ(ScreenPixel(status->Handle(), POINT{drawnRect.left + 5, drawnRect.top + 5}), RGB(0, 90, 200));
  // One simple text instead of the panels.
  EXPECT_TRUE(SetPropFromText(status, "SimpleText", "就绪"));
  EXPECT_TRUE(SetPropFromText(status, "SimplePanel", "True"));
  EXPECT_TRUE(SendMessageA(status->Handle(), SB_ISSIMPLE, 0, 0));
  EXPECT_EQ(FindObjectProp(status, "Panels"), status->Panels());
  EXPECT_TRUE(StyleOf(*status) & SBARS_SIZEGRIP);
}

TEST(ListView, ShowsItsItemsUnderTheColumnsOfItsHeader) {
  auto host = NewHostForm();
  auto* list = Place<TListView>(*host, RECT{10, 10, 330, 160});
  list->SetViewStyle(TViewStyle::vsReport);
  for (const char* caption : {"文件", "大小"}) list->Columns()->Add()->SetCaption(caption);
  list->Columns()->Items(0)->SetWidth(120);
  for (int i = 0; i < 3; ++i) {
    TListItem* item = list->Items()->Add();
    item->SetCaption("项目" + std::to_string(i));
    item->SubItems()->Add(std::to_string(i * 10) + " KB");
  }
  EXPECT_EQ(SendMessageA(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
  const auto header = reinterpret_cast<HWND>(SendMessageA(list->Handle(), LVM_GETHEADER, 0, 0));
  ASSERT_TRUE(header);
  EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
  char text[32] = {};
  LVITEMA item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list->Handle(), LVM_GETITEMTEXTA, 2, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "20 KB");

  TEvents clicks;
  list->OnClick = clicks.Event();
  RECT second{};
  second.left = LVIR_LABEL;
  SendMessageA(list->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  ClickClient(list->Handle(), POINT{second.left + 10, (second.top + second.bottom) / 2});
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(clicks.Count, 1);

  // A sub-item changed shows; items, columns and choice outlive a window
  // made anew.
  list->Items()->Items(0)->SubItems()->Put(0, "1 MB");
  SendMessageA(list->Handle(), LVM_GETITEMTEXTA, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, "1 MB");
  EXPECT_TRUE(SetPropFromText(list, "BorderStyle", "bsNone"));
  EXPECT_EQ(SendMessageA(list->Handle(), LVM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(list->Columns()->Items(0)->Width(), 120);
  EXPECT_EQ(FindEnumProp(list, "ViewStyle"), "vsReport");
}

TEST(TreeView, ShowsItsNodesAndAClickSelectsOne) {
  auto host = NewHostForm();
  auto* tree = Place<TTreeView>(*host, RECT{10, 10, 210, 210});
  TEvents changes;
  tree->OnChange = changes.Event();
  TTreeNode* root = tree->Items()->AddChild(nullptr, "根");
  TTreeNode* first = tree->Items()->AddChild(root, "甲");
  tree->Items()->AddChild(root, "乙");
  tree->Items()->AddChild(first, "甲一");
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 4);
  EXPECT_EQ(tree->Items()->Count(), 4);
  root->SetExpanded(true);
  EXPECT_TRUE(root->Expanded());
  const HTREEITEM rootItem = TreeView_GetRoot(tree->Handle());
  RECT rect{};
  TreeView_GetItemRect(tree->Handle(), TreeView_GetChild(tree->Handle(), rootItem), &rect, TRUE);
  ClickClient(tree->Handle(), Middle(rect));
  EXPECT_EQ(tree->Selected(), first);
  EXPECT_GE(changes.Count, 1);
  // Nodes, the open ones and the selection outlive a window made anew.
  EXPECT_TRUE(SetPropFromText(tree, "ShowLines", "False"));
  EXPECT_FALSE(StyleOf(*tree) & TVS_HASLINES);
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 4);
  EXPECT_TRUE(root->Expanded());
  EXPECT_EQ(tree->Selected(), first);
  tree->Items()->Delete(first);
  EXPECT_EQ(SendMessageA(tree->Handle(), TVM_GETCOUNT, 0, 0), 2);
  EXPECT_EQ(root->Count(), 1);
}

TEST(DateTimePicker, ShowsItsDateAndTheArrowKeysChangeIt) {
  auto host = NewHostForm();
  TEvents changes;
  auto* picker = Place<TDateTimePicker>(*host, RECT{10, 10, 200, 31});
  picker->OnChange = changes.Event();
  SYSTEMTIME date{};
  date.wYear = 2024;
  date.wMonth = 2;
  date.wDay = 28;
  picker->SetDateTime(date);
  SYSTEMTIME shown{};
  SendMessageA(picker->Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown.wDay, 28);
  // A click chooses the first field (the year, month or day, as the locale
  // orders them); the up arrow raises it by one.
  ClickClient(picker->Handle(), POINT{8, picker->ClientHeight() / 2});
  TypeKey(VK_UP);
  const SYSTEMTIME changed = picker->DateTime();
  EXPECT_TRUE(changed.wYear == 2025 || changed.wMonth == 3 || changed.wDay == 29);
  EXPECT_EQ(changes.Count, 1);
  EXPECT_EQ(FindEnumProp(picker, "Kind"), "dtkDate");
  EXPECT_TRUE(SetPropFromText(picker, "DateMode", "dmUpDown"));
  EXPECT_TRUE(StyleOf(*picker) & DTS_UPDOWN);
  EXPECT_EQ(picker->DateTime().wDay, changed.wDay);
  EXPECT_TRUE(SetPropFromText(picker, "Kind", "dtkTime"));
  EXPECT_TRUE(StyleOf(*picker) & DTS_TIMEFORMAT);
}

TEST(ToolBar, ItsButtonControlsStandOnItsButtonsAndAreClicked) {
  auto host = NewHostForm();
  auto* bar = new TToolBar(host.get());
  bar->SetShowCaptions(true);
  bar->SetParent(host.get());
  TEvents clicks;
  std::vector<TToolButton*> buttons;
  const TToolButtonStyle styles[] = {TToolButtonStyle::tbsButton, TToolButtonStyle::tbsSeparator,
                                     TToolButtonStyle::tbsCheck};
  for (TToolButtonStyle style : styles) {
    auto* button = new TToolButton(host.get());
    button->SetStyle(style);
    button->SetCaption(style == TToolButtonStyle::tbsCheck ? "勾选" : "打开");
    button->OnClick = clicks.Event();
    button->SetParent(bar);
    buttons.push_back(button);
  }
  ASSERT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 3);
  RECT rect{};
  SendMessageA(bar->Handle(), TB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
  EXPECT_EQ(buttons[2]->Left(), rect.left);
  EXPECT_EQ(buttons[2]->Width(), rect.right - rect.left);
  ClickClient(bar->Handle(), Middle(rect));
  EXPECT_EQ(clicks.Count, 1);
  EXPECT_EQ(clicks.Sender, buttons[2]);
  EXPECT_TRUE(buttons[2]->Down());
  ClickClient(bar->Handle(), Middle(rect));
  EXPECT_FALSE(buttons[2]->Down());

  // The custom-draw events see the bar and every button drawn.
  std::vector<TToolButton*> drawn;
  int backgrounds = 0;
  struct THandler {
    std::vector<TToolButton*>* Drawn;
    int* Backgrounds;
    void Bar(TToolBar*, const RECT&, bool&) { ++*Backgrounds; }
    void Button(TToolBar*, TToolButton* button, TCustomDrawState, bool&) { Drawn->push_back(button); }
  } handler{&drawn, &backgrounds};
  bar->OnCustomDraw = TTBCustomDrawEvent::Of<&THandler::Bar>(&handler);
  bar->OnCustomDrawButton = TTBCustomDrawBtnEvent::Of<&THandler::Button>(&handler);
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GE(backgrounds, 1);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), buttons[0]), drawn.end());
  EXPECT_EQ(GetPropInfo(*bar, "OnCustomDraw")->Kind, TTypeKind::Method);
  EXPECT_EQ(GetPropInfo(*bar, "OnCustomDrawButton")->Kind, TTypeKind::Method);
  EXPECT_TRUE(SetPropFromText(bar, "Flat", "False"));
  EXPECT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 3);
  delete buttons[0];
  EXPECT_EQ(SendMessageA(bar->Handle(), TB_BUTTONCOUNT, 0, 0), 2);
}

TEST(CoolBar, ItsBandsHoldTheirControlsInTheirColour) {
  auto host = NewHostForm();
  auto* cool = new TCoolBar(host.get());
  cool->SetParent(host.get());
  auto* edit = new TEdit(host.get());
  TCoolBand* band = cool->Bands()->Add();
  band->SetText("地址");
  band->SetControl(edit);
  band->SetColor(static_cast<TColor>(RGB(10, 200, 200)));
  cool->Bands()->Add()->SetText("空");
  EXPECT_EQ(SendMessageA(cool->Handle(), RB_GETBANDCOUNT, 0, 0), 2);
  EXPECT_EQ(GetParent(edit->Handle()), cool->Handle());
  REBARBANDINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = RBBIM_COLORS | RBBIM_CHILD;
  SendMessageA(cool->Handle(), RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.clrBack, RGB(10, 200, 200));
  EXPECT_EQ(info.hwndChild, edit->Handle());
  // The control stands in its band, after the band's caption.
  info.fMask = RBBIM_HEADERSIZE;
  SendMessageA(cool->Handle(), RB_GETBANDINFOA, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_GE(edit->Left(), static_cast<int>(info.cxHeader));
  EXPECT_EQ(FindIntProp(band, "Color"), RGB(10, 200, 200));
  EXPECT_EQ(FindObjectProp(cool, "Bands"), cool->Bands());
  delete edit;
  EXPECT_EQ(band->Control(), nullptr);
}
