// A form with one control of every family, as a user sees it: each is shown
// in its own window class and draws something. With QV_SCREENSHOT set to a
// file name, the form's picture is written there (a BMP file) to look at.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "tests/ui/ControlTesting.h"
#include "ui/BitBtn.h"
#include "ui/ComboBox.h"
#include "ui/CoolBar.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/Frame.h"
#include "ui/Grid.h"
#include "ui/HeaderControl.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/SpeedButton.h"
#include "ui/StatusBar.h"
#include "ui/Stream.h"
#include "ui/ToolBar.h"
#include "ui/TrackBar.h"
#include "ui/TreeView.h"
#include "ui/UpDown.h"

namespace {

template <class T>
T* Put(TWinControl& parent, int left, int top, int width, int height, const char* caption = nullptr) {
  auto* control = new T(&parent);
  control->SetAlign(TAlign::alNone);
  control->SetBounds(left, top, width, height);
  if (caption) control->SetCaption(caption);
  control->SetParent(&parent);
  return control;
}

std::unique_ptr<TBitmap> Glyph() {
  auto glyph = std::make_unique<TBitmap>(16, 16);
  glyph->Canvas().SetBrushColor(clFuchsia);
  glyph->Canvas().FillRect(RECT{0, 0, 16, 16});
  glyph->Canvas().SetBrushColor(static_cast<TColor>(RGB(0, 128, 0)));
  glyph->Canvas().FillRect(RECT{3, 3, 13, 13});
  return glyph;
}

// The window's picture on the screen.
std::unique_ptr<TBitmap> Picture(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  auto picture = std::make_unique<TBitmap>(rect.right - rect.left, rect.bottom - rect.top);
  const HDC screen = GetDC(nullptr);
  BitBlt(picture->Canvas().Handle(), 0, 0, picture->Width(), picture->Height(), screen, rect.left, rect.top,
         SRCCOPY);
  ReleaseDC(nullptr, screen);
  return picture;
}

int ColoursIn(TBitmap& picture, const RECT& rect) {
  std::set<TColor> colours;
  for (int y = rect.top; y < rect.bottom; y += 2)
    for (int x = rect.left; x < rect.right; x += 2) colours.insert(picture.Canvas().Pixel(x, y));
  return static_cast<int>(colours.size());
}

}  // namespace

TEST(ControlsForm, ShowsOneControlOfEveryFamily) {
  auto form = NewHostForm(780, 520);
  TForm& f = *form;
  f.SetCaption("控件");
  const auto glyph = Glyph();

  // A tool bar and a cool bar at the top, a status bar at the bottom.
  auto* tools = new TToolBar(&f);
  tools->SetShowCaptions(true);
  tools->SetParent(&f);
  for (const char* caption : {"新建", "打开", "保存"}) {
    auto* button = new TToolButton(&f);
    button->SetCaption(caption);
    button->SetParent(tools);
  }
  auto* cool = new TCoolBar(&f);
  cool->SetParent(&f);
  TCoolBand* band = cool->Bands()->Add();
  band->SetText("地址");
  band->SetControl(new TEdit(&f));
  auto* status = new TStatusBar(&f);
  status->SetParent(&f);
  for (const char* text : {"就绪", "第 1 行", "GBK"}) {
    TStatusPanel* panel = status->Panels()->Add();
    panel->SetText(text);
    panel->SetWidth(120);
  }

  // Column one: buttons and boxes.
  const int top = 62;
  auto* button = Put<TButton>(f, 8, top, 80, 25, "按钮");
  button->SetDefault(true);
  auto* bitBtn = Put<TBitBtn>(f, 96, top, 90, 25, "位图");
  bitBtn->SetGlyph(glyph.get());
  auto* speed = Put<TSpeedButton>(f, 194, top, 25, 25);
  speed->SetGlyph(glyph.get());
  auto* check = Put<TCheckBox>(f, 8, top + 32, 100, 20, "复选框");
  check->SetChecked(true);
  auto* radio = Put<TRadioButton>(f, 112, top + 32, 100, 20, "单选按钮");
  radio->SetChecked(true);
  auto* edit = Put<TEdit>(f, 8, top + 58, 100, 21);
  edit->SetText("编辑框");
  auto* updown = Put<TUpDown>(f, 108, top + 58, 17, 21);
  updown->SetAssociate(edit);
  auto* combo = Put<TComboBox>(f, 130, top + 58, 90, 21);
  combo->Items()->Add("组合框");
  combo->SetItemIndex(0);
  auto* group = Put<TGroupBox>(f, 8, top + 88, 212, 60, "分组框");
  Put<TEdit>(*group, 10, 20, 190, 21)->SetText("组内");
  auto* radios = Put<TRadioGroup>(f, 8, top + 152, 212, 70, "单选组");
  for (const char* item : {"甲", "乙", "丙", "丁"}) radios->Items()->Add(item);
  radios->SetColumns(2);
  radios->SetItemIndex(1);
  auto* memo = Put<TMemo>(f, 8, top + 226, 104, 80);
  memo->SetScrollBars(TScrollStyle::ssVertical);
  for (int i = 1; i <= 8; ++i) memo->Lines()->Add("第 " + std::to_string(i) + " 行");
  auto* list = Put<TListBox>(f, 116, top + 226, 104, 80);
  for (int i = 1; i <= 8; ++i) list->Items()->Add("项 " + std::to_string(i));
  auto* bar = Put<TScrollBar>(f, 8, top + 312, 212, 17);
  bar->SetPageSize(20);
  bar->SetPosition(30);

  // Column two: pages, tabs, ranges.
  auto* pages = Put<TPageControl>(f, 228, top, 260, 120);
  for (const char* caption : {"常规", "高级"}) {
    auto* sheet = new TTabSheet(&f);
    sheet->SetCaption(caption);
    sheet->SetPageControl(pages);
  }
  Put<TCheckBox>(*pages->Pages(0), 8, 8, 120, 20, "页上的控件");
  auto* tabs = Put<TTabControl>(f, 228, top + 126, 260, 60);
  tabs->SetTabPosition(TTabPosition::tpBottom);
  for (const char* tab : {"一", "二", "三"}) tabs->Tabs()->Add(tab);
  tabs->SetTabIndex(0);
  auto* progress = Put<TProgressBar>(f, 228, top + 192, 260, 16);
  progress->SetPosition(60);
  auto* track = Put<TTrackBar>(f, 228, top + 212, 260, 40);
  track->SetPosition(4);
  // Turned upright, a bar keeps its size standing: turned first, then
  // sized.
  auto* vertical = new TTrackBar(&f);
  vertical->SetOrientation(TTrackBarOrientation::trVertical);
  vertical->SetBounds(228, top + 256, 40, 90);
  vertical->SetParent(&f);
  auto* verticalProgress = new TProgressBar(&f);
  verticalProgress->SetOrientation(TProgressBarOrientation::pbVertical);
  verticalProgress->SetBounds(272, top + 256, 16, 90);
  verticalProgress->SetPosition(40);
  verticalProgress->SetParent(&f);
  Put<TDateTimePicker>(f, 296, top + 256, 192, 21);
  auto* box = Put<TScrollBox>(f, 296, top + 282, 192, 64);
  Put<TPanel>(*box, 4, 4, 100, 100, "滚动框");

  // Column three: lists and grids.
  auto* header = Put<THeaderControl>(f, 496, top, 276, 20);
  for (const char* text : {"名称", "大小", "类型"}) {
    THeaderSection* section = header->Sections()->Add();
    section->SetText(text);
    section->SetWidth(90);
  }
  auto* view = Put<TListView>(f, 496, top + 24, 276, 100);
  view->SetViewStyle(TViewStyle::vsReport);
  for (const char* caption : {"文件", "大小"}) view->Columns()->Add()->SetCaption(caption);
  view->Columns()->Items(0)->SetWidth(150);
  for (int i = 1; i <= 3; ++i) {
    TListItem* item = view->Items()->Add();
    item->SetCaption("文件" + std::to_string(i));
    item->SubItems()->Add(std::to_string(i * 12) + " KB");
  }
  auto* tree = Put<TTreeView>(f, 496, top + 128, 276, 100);
  TTreeNode* root = tree->Items()->AddChild(nullptr, "根节点");
  tree->Items()->AddChild(tree->Items()->AddChild(root, "子节点"), "孙节点");
  root->SetExpanded(true);
  auto* grid = Put<TDrawGrid>(f, 496, top + 232, 276, 100);
  grid->SetDefaultColWidth(60);
  grid->SetDefaultRowHeight(20);
  grid->SetRowCount(8);
  auto* frame = Put<TCustomFrame>(f, 496, top + 336, 276, 40);
  Put<TPanel>(*frame, 0, 0, 276, 40, "框架");

  UpdateWindow(f.Handle());
  RedrawWindow(f.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  PumpFor(200);
  auto picture = Picture(f.Handle());
  if (const char* path = std::getenv("QV_SCREENSHOT")) {
    TMemoryStream bytes;
    picture->SaveToStream(bytes);
    bytes.SaveToFile(path);
  }

  RECT window{};
  GetWindowRect(f.Handle(), &window);
  std::vector<TWinControl*> shown;
  for (int i = 0; i < f.ComponentCount(); ++i) {
    auto* control = dynamic_cast<TWinControl*>(f.Components(i));
    if (control && control->Visible() && control->HandleAllocated() && IsWindowVisible(control->Handle())) {
      shown.push_back(control);
    }
  }
  EXPECT_GT(shown.size(), 25u);
  for (TWinControl* control : shown) {
    SCOPED_TRACE(std::string(control->ClassName()));
    EXPECT_EQ(ClassOfWindow(control->Handle()), control->ClassName());
    RECT rect{};
    GetWindowRect(control->Handle(), &rect);
    OffsetRect(&rect, -window.left, -window.top);
    // Something is drawn: more than one colour.
    EXPECT_GT(ColoursIn(*picture, rect), 1);
  }
}
