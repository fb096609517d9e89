#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/TestForm.h"
#include "ui/Gdi.h"
#include "ui/TypInfo.h"

namespace {

std::unique_ptr<TTestForm> NewTestForm() {
  return std::unique_ptr<TTestForm>(TCustomForm::Create<TTestForm>(nullptr));
}

std::string WindowClass(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The window's rectangle in its parent's client coordinates.
RECT ChildRect(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT Bounds(const TControl& control) {
  return RECT{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
}

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected) {
  if (EqualRect(&actual, &expected)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.left << "," << actual.top << ")-(" << actual.right << ","
                                       << actual.bottom << ") instead of (" << expected.left << "," << expected.top
                                       << ")-(" << expected.right << "," << expected.bottom << ")";
}

LOGFONTA WindowFont(HWND window) {
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

// Installs itself as a control's WindowProc, records the messages it sees
// and passes them on to the procedure it replaced.
struct TRecorder {
  explicit TRecorder(TControl& control) : Control(control), Saved(control.WindowProc()) {
    control.SetWindowProc(TWndMethod::Of<&TRecorder::Handle>(this));
  }
  ~TRecorder() { Control.SetWindowProc(Saved); }
  void Handle(TMessage& message) {
    Seen.push_back(message.Msg);
    Saved(message);
  }
  bool Saw(UINT msg) const { return std::find(Seen.begin(), Seen.end(), msg) != Seen.end(); }

  TControl& Control;
  TWndMethod Saved;
  std::vector<UINT> Seen;
};

}  // namespace

TEST(WinControl, WindowsAreOfTheirClassNameAndLeadBackToTheirControl) {
  auto form = NewTestForm();
  TMemo& memo = *form->Memo1;
  EXPECT_EQ(WindowClass(form->Handle()), "TTestForm");
  EXPECT_EQ(WindowClass(form->Panel1->Handle()), "TPanel");
  EXPECT_EQ(WindowClass(memo.Handle()), "TMemo");
  EXPECT_FALSE(IsWindowUnicode(memo.Handle()));

  char name[64];
  std::snprintf(name, sizeof name, "ControlOfs%.8llX%.8lX",
                static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(GetModuleHandleA(nullptr))),
                static_cast<unsigned long>(GetCurrentThreadId()));
  const ATOM atom = GlobalFindAtomA(name);
  ASSERT_NE(atom, 0) << name;
  EXPECT_EQ(GetPropA(memo.Handle(), MAKEINTATOM(atom)), &memo);
  EXPECT_EQ(GetPropA(form->Handle(), MAKEINTATOM(atom)), form.get());
  EXPECT_EQ(FindControl(form->Panel1->Handle()), form->Panel1);
  EXPECT_EQ(FindControl(GetDesktopWindow()), nullptr);
  EXPECT_EQ(FindControl(nullptr), nullptr);

  // The memo's window is an edit control underneath.
  SetWindowTextA(memo.Handle(), "a\r\nb\r\nc");
  EXPECT_EQ(SendMessageA(memo.Handle(), EM_GETLINECOUNT, 0, 0), 3);
}

TEST(WinControl, AControlClassWithoutItsOwnClassInfoGetsNoWindow) {
  // It would register its window under its parent's class name.
  class TUndeclaredPanel : public TPanel {
   public:
    using TPanel::TPanel;
  };
  auto form = NewTestForm();
  auto* panel = new TUndeclaredPanel(form.get());
  panel->SetParent(form.get());
  EXPECT_THROW(panel->HandleNeeded(), Exception);
  EXPECT_FALSE(panel->HandleAllocated());
}

// While a memo's window is being created, a window-creation hook creates
// another framework window, as skinning code may.
TPanel* gHookPanel = nullptr;
HHOOK gHook = nullptr;

LRESULT CALLBACK CreateAnotherWindow(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && WindowClass(reinterpret_cast<HWND>(wParam)) == "TMemo" && gHookPanel &&
      !gHookPanel->HandleAllocated()) {
    gHookPanel->HandleNeeded();
  }
  return CallNextHookEx(gHook, code, wParam, lParam);
}

TEST(WinControl, AWindowCreatedWhileAnotherIsBeingCreatedLeavesBothAttached) {
  auto form = NewTestForm();
  form->HandleNeeded();
  auto* other = new TForm(form.get());
  gHookPanel = new TPanel(form.get());
  gHookPanel->SetParent(other);
  auto* memo = new TMemo(form.get());
  gHook = SetWindowsHookExA(WH_CBT, CreateAnotherWindow, nullptr, GetCurrentThreadId());
  memo->SetParent(form->Panel1);
  UnhookWindowsHookEx(gHook);
  ASSERT_TRUE(gHookPanel->HandleAllocated());
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(FindControl(gHookPanel->Handle()), gHookPanel);
  EXPECT_EQ(FindControl(memo->Handle()), memo);
  gHookPanel = nullptr;
}

TEST(WinControl, AReplacedWindowProcSeesEveryMessageUntilTheSavedOneIsBack) {
  auto form = NewTestForm();
  TPanel& panel = *form->Panel1;
  form->HandleNeeded();
  const TWndMethod original = panel.WindowProc();
  {
    TRecorder recorder(panel);
    panel.SetCaption("x");
    panel.SetEnabled(false);
    SendMessageA(panel.Handle(), WM_APP, 0, 0);
    EXPECT_TRUE(recorder.Saw(WM_SETTEXT));
    EXPECT_TRUE(recorder.Saw(CM_ENABLEDCHANGED));
    EXPECT_TRUE(recorder.Saw(WM_APP));
    // Passed on: the panel did its own part.
    EXPECT_EQ(WindowText(panel.Handle()), "x");
    EXPECT_FALSE(IsWindowEnabled(panel.Handle()));
  }
  EXPECT_EQ(panel.WindowProc(), original);
  TRecorder later(panel);
  panel.Perform(WM_APP);
  EXPECT_EQ(later.Seen, std::vector<UINT>{WM_APP});
}

TEST(WinControl, AlignedControlsFillTheClientAreaInsideThePanelBevel) {
  auto form = NewTestForm();
  TPanel& panel = *form->Panel1;
  TMemo& memo = *form->Memo1;
  form->HandleNeeded();
  EXPECT_EQ(form->ClientWidth(), 390);
  EXPECT_EQ(form->ClientHeight(), 276);
  EXPECT_TRUE(SameRect(Bounds(panel), RECT{0, 0, 390, 276}));
  EXPECT_TRUE(SameRect(Bounds(memo), RECT{1, 1, 389, 275}));
  EXPECT_TRUE(SameRect(ChildRect(memo.Handle()), RECT{1, 1, 389, 275}));

  form->SetClientWidth(300);
  EXPECT_TRUE(SameRect(ChildRect(panel.Handle()), RECT{0, 0, 300, 276}));
  EXPECT_TRUE(SameRect(ChildRect(memo.Handle()), RECT{1, 1, 299, 275}));

  panel.SetBevelWidth(3);
  EXPECT_TRUE(SameRect(Bounds(memo), RECT{3, 3, 297, 273}));
  panel.SetBevelInner(TBevelCut::bvLowered);
  EXPECT_TRUE(SameRect(ChildRect(memo.Handle()), RECT{6, 6, 294, 270}));
}

TEST(WinControl, AlignsTopThenBottomThenLeftThenRightThenClient) {
  auto form = NewTestForm();
  auto* box = new TPanel(form.get());
  box->SetBevelOuter(TBevelCut::bvNone);
  box->SetBounds(0, 0, 200, 100);
  box->SetParent(form->Panel1);
  struct Case {
    TAlign Align;
    int Width, Height;
    bool Visible;
    RECT Expected;
  };
  // In creation order; the client one first, to show that order within an
  // alignment is kept but alignments are laid out in their own order.
  const Case cases[] = {
      {TAlign::alClient, 10, 10, true, {30, 15, 160, 80}},
      {TAlign::alRight, 40, 10, true, {160, 15, 200, 80}},
      {TAlign::alLeft, 30, 10, true, {0, 15, 30, 80}},
      {TAlign::alLeft, 50, 10, false, {0, 0, 50, 10}},
      {TAlign::alBottom, 10, 20, true, {0, 80, 200, 100}},
      {TAlign::alTop, 10, 10, true, {0, 0, 200, 10}},
      {TAlign::alTop, 10, 5, true, {0, 10, 200, 15}},
  };
  std::vector<TPanel*> children;
  for (const Case& c : cases) {
    auto* child = new TPanel(form.get());
    child->SetBounds(0, 0, c.Width, c.Height);
    child->SetVisible(c.Visible);
    child->SetAlign(c.Align);
    child->SetParent(box);
    children.push_back(child);
  }
  for (std::size_t i = 0; i < children.size(); ++i) {
    EXPECT_TRUE(SameRect(Bounds(*children[i]), cases[i].Expected)) << "child " << i;
    EXPECT_TRUE(SameRect(ChildRect(children[i]->Handle()), cases[i].Expected)) << "window of child " << i;
  }
}

TEST(Memo, LinesAreTheLinesOfTheWindowText) {
  auto form = NewTestForm();
  TMemo& memo = *form->Memo1;
  TStrings& lines = *memo.Lines();
  EXPECT_EQ(WindowText(memo.Handle()), "第一行\r\n");
  lines.Add("把文件");
  EXPECT_EQ(WindowText(memo.Handle()), "第一行\r\n把文件\r\n");
  lines.Insert(0, "z");
  lines.Put(1, "b");
  EXPECT_EQ(WindowText(memo.Handle()), "z\r\nb\r\n把文件\r\n");
  lines.Delete(0);
  EXPECT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines[1], "把文件");
  EXPECT_THROW(lines.Get(2), Exception);

  SetWindowTextA(memo.Handle(), "x\r\ny");
  EXPECT_EQ(lines.Count(), 2);
  EXPECT_EQ(lines[1], "y");

  lines.BeginUpdate();
  lines.Clear();
  lines.Add("一");
  lines.EndUpdate();
  EXPECT_EQ(WindowText(memo.Handle()), "一\r\n");
  lines.Clear();
  EXPECT_EQ(lines.Count(), 0);
  EXPECT_EQ(WindowText(memo.Handle()), "");
}

TEST(Memo, KeepsLinesAndReadOnlyFromBeforeItHasAWindow) {
  auto form = NewTestForm();
  form->HandleNeeded();
  auto* memo = new TMemo(form.get());
  memo->Lines()->Add("before");
  memo->SetReadOnly(true);
  EXPECT_FALSE(memo->HandleAllocated());
  memo->SetParent(form->Panel1);
  ASSERT_TRUE(memo->HandleAllocated());
  EXPECT_EQ(WindowText(memo->Handle()), "before\r\n");
  EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_READONLY);
  memo->SetReadOnly(false);
  EXPECT_FALSE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_READONLY);
  memo->SetReadOnly(true);
  EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_READONLY);

  // The text survives a window created anew.
  memo->RecreateWnd();
  EXPECT_EQ(WindowText(memo->Handle()), "before\r\n");
  EXPECT_TRUE(GetWindowLongA(memo->Handle(), GWL_STYLE) & ES_READONLY);
}

TEST(Memo, AReadOnlyMemoIsDrawnInItsOwnColour) {
  auto form = NewTestForm();
  TMemo& memo = *form->Memo1;
  {
    // The read-only edit asks its parent for its colours.
    TRecorder recorder(*form->Panel1);
    form->Show();
    RedrawWindow(memo.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(recorder.Saw(WM_CTLCOLORSTATIC));
  }
  const TMemoryDC dc;
  const auto brush = reinterpret_cast<HBRUSH>(
      SendMessageA(form->Panel1->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
                   reinterpret_cast<LPARAM>(memo.Handle())));
  EXPECT_EQ(brush, memo.Brush());
  LOGBRUSH logBrush{};
  GetObjectA(brush, sizeof logBrush, &logBrush);
  EXPECT_EQ(logBrush.lbColor, GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(GetBkColor(dc.Get()), GetSysColor(COLOR_WINDOW));
  EXPECT_EQ(GetTextColor(dc.Get()), GetSysColor(COLOR_WINDOWTEXT));

  memo.SetColor(0x00FF00);
  const auto green = reinterpret_cast<HBRUSH>(SendMessageA(
      form->Panel1->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.Get()),
      reinterpret_cast<LPARAM>(memo.Handle())));
  GetObjectA(green, sizeof logBrush, &logBrush);
  EXPECT_EQ(logBrush.lbColor, 0x00FF00u);
}

TEST(WinControl, ChildrenFollowTheFormsFontUntilTheyGetTheirOwn) {
  auto form = NewTestForm();
  TMemo& memo = *form->Memo1;
  EXPECT_EQ(memo.Font()->Name(), "宋体");
  EXPECT_EQ(WindowFont(memo.Handle()).lfHeight, -16);
  EXPECT_STREQ(WindowFont(memo.Handle()).lfFaceName, "宋体");
  EXPECT_EQ(WindowFont(memo.Handle()).lfCharSet, DEFAULT_CHARSET);

  form->Font()->SetHeight(-20);
  EXPECT_TRUE(memo.ParentFont());
  EXPECT_EQ(WindowFont(memo.Handle()).lfHeight, -20);

  memo.Font()->SetHeight(-12);
  EXPECT_FALSE(memo.ParentFont());
  form->Font()->SetHeight(-18);
  EXPECT_EQ(form->Panel1->Font()->Height(), -18);
  EXPECT_EQ(WindowFont(memo.Handle()).lfHeight, -12);

  memo.SetParentFont(true);
  EXPECT_EQ(WindowFont(memo.Handle()).lfHeight, -18);
}

TEST(WinControl, VisibleAndEnabledReachTheWindow) {
  auto form = NewTestForm();
  TPanel& panel = *form->Panel1;
  panel.SetVisible(false);
  EXPECT_FALSE(GetWindowLongA(panel.Handle(), GWL_STYLE) & WS_VISIBLE);
  panel.SetVisible(true);
  EXPECT_TRUE(GetWindowLongA(panel.Handle(), GWL_STYLE) & WS_VISIBLE);
  form->Memo1->SetEnabled(false);
  EXPECT_FALSE(IsWindowEnabled(form->Memo1->Handle()));
  form->Memo1->SetEnabled(true);
  EXPECT_TRUE(IsWindowEnabled(form->Memo1->Handle()));
}

TEST(WinControl, PublishedPropertiesOfControlsByName) {
  auto form = NewTestForm();
  TMemo& memo = *form->Memo1;
  EXPECT_EQ(memo.ClassName(), "TMemo");
  for (const TClassInfo* ancestor : {&TCustomMemo::ClassInfo, &TWinControl::ClassInfo, &TControl::ClassInfo,
                                     &TComponent::ClassInfo}) {
    EXPECT_TRUE(memo.InheritsFrom(*ancestor)) << ancestor->Name;
  }
  EXPECT_FALSE(memo.InheritsFrom(TCustomPanel::ClassInfo));

  EXPECT_EQ(std::get<std::string>(GetPropValue(*form, "Caption")), "Test");
  EXPECT_EQ(GetEnumProp(*form, "BorderStyle"), "bsDialog");
  SetPropValue(*form, "ClientWidth", std::int64_t{300});
  EXPECT_EQ(form->ClientWidth(), 300);
  EXPECT_EQ(std::get<TObject*>(GetPropValue(memo, "Font")), memo.Font());
  EXPECT_EQ(std::get<std::string>(GetPropValue(*memo.Font(), "Name")), "宋体");
  EXPECT_EQ(std::get<TObject*>(GetPropValue(memo, "Lines")), memo.Lines());
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(memo, "Color")), SystemColor(COLOR_WINDOW));
  EXPECT_EQ(GetPropInfo(memo, "Caption"), nullptr);

  SetPropValue(memo, "ReadOnly", std::int64_t{0});
  EXPECT_FALSE(GetWindowLongA(memo.Handle(), GWL_STYLE) & ES_READONLY);
  SetEnumProp(*form->Panel1, "Align", "alNone");
  EXPECT_EQ(form->Panel1->Align(), TAlign::alNone);
  SetEnumProp(*form->Panel1, "BevelOuter", "bvLowered");
  EXPECT_EQ(form->Panel1->BevelOuter(), TBevelCut::bvLowered);
  SetPropValue(*form->Panel1, "Caption", std::string("面板"));
  EXPECT_EQ(WindowText(form->Panel1->Handle()), "面板");
}

TEST(WinControl, TabOrderListWalksChildrenInTabOrder) {
  auto form = NewTestForm();
  std::vector<TPanel*> boxes;
  for (int i = 0; i < 3; ++i) {
    auto* box = new TPanel(form.get());
    box->SetParent(form->Panel1);
    boxes.push_back(box);
  }
  std::vector<TWinControl*> list;
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{form->Panel1, form->Memo1, boxes[0], boxes[1], boxes[2]}));
  boxes[2]->SetTabOrder(0);
  EXPECT_EQ(boxes[2]->TabOrder(), 0);
  EXPECT_EQ(form->Memo1->TabOrder(), 1);
  list.clear();
  form->GetTabOrderList(list);
  EXPECT_EQ(list, (std::vector<TWinControl*>{form->Panel1, boxes[2], form->Memo1, boxes[0], boxes[1]}));
  EXPECT_EQ(std::get<std::int64_t>(GetPropValue(*boxes[1], "TabOrder")), 3);
}

TEST(WinControl, FreeingAControlOrItsParentTakesTheWindowsAlong) {
  auto form = NewTestForm();
  const HWND memoWindow = form->Memo1->Handle();
  const HWND panelWindow = form->Panel1->Handle();
  delete form->Memo1;
  EXPECT_FALSE(IsWindow(memoWindow));
  EXPECT_EQ(form->Panel1->ControlCount(), 0);
  EXPECT_EQ(form->FindComponent("Memo1"), nullptr);

  auto* inner = new TPanel(form.get());
  inner->SetParent(form->Panel1);
  const HWND innerWindow = inner->Handle();
  form.reset();
  EXPECT_FALSE(IsWindow(panelWindow));
  EXPECT_FALSE(IsWindow(innerWindow));
}
