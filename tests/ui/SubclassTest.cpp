#include "ui/Subclass.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Form.h"
#include "ui/Panel.h"

namespace {

constexpr UINT kProbe = WM_APP + 1;

// Records the probe messages it sees, then passes them on.
struct TRecorder {
  TRecorder(std::string name, std::vector<std::string>& log) : Name(std::move(name)), Log(log) {}
  void Handle(TMessage& message) {
    if (message.Msg == kProbe) Log.push_back(Name);
    Subclass.CallDefault(message);
  }
  void Install(HWND window) { Subclass.Install(window, TWindowSubclass::THandler::Of<&TRecorder::Handle>(this)); }

  std::string Name;
  std::vector<std::string>& Log;
  TWindowSubclass Subclass;
};

LRESULT CALLBACK BaseProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) return 42;
  return DefWindowProcW(window, msg, wParam, lParam);
}

// A plain window of a Unicode class whose own procedure answers the probe.
HWND CreatePlainWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = BaseProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuorvexSubclassTest";
  RegisterClassW(&windowClass);
  return CreateWindowExW(0, L"QuorvexSubclassTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

WNDPROC CurrentProc(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

}  // namespace

TEST(WindowSubclass, LettingGoInAnyOrderKeepsTheChainWhole) {
  const int live = TWindowSubclass::LiveCount();
  struct Case {
    const char* name;
    bool firstLetsGoFirst;
    bool destroyBeforeLettingGo;
  };
  const Case cases[] = {
      {"last in, first out", false, false},
      {"first in, first out", true, false},
      {"window destroyed while held", false, true},
      {"window destroyed while held, first let go first", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const HWND window = CreatePlainWindow();
    const WNDPROC own = CurrentProc(window);
    std::vector<std::string> log;
    auto first = std::make_unique<TRecorder>("first", log);
    auto second = std::make_unique<TRecorder>("second", log);
    first->Install(window);
    second->Install(window);
    EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
    if (c.destroyBeforeLettingGo) {
      DestroyWindow(window);
      EXPECT_FALSE(first->Subclass.Installed());
      EXPECT_FALSE(second->Subclass.Installed());
    }
    auto& goesFirst = c.firstLetsGoFirst ? first : second;
    auto& goesSecond = c.firstLetsGoFirst ? second : first;
    goesFirst.reset();
    if (!c.destroyBeforeLettingGo) {
      log.clear();
      EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 42);
      EXPECT_EQ(log, std::vector<std::string>{goesSecond->Name});
    }
    goesSecond.reset();
    if (!c.destroyBeforeLettingGo) {
      // One message lets a procedure that was cut off leave the chain.
      EXPECT_EQ(SendMessageW(window, kProbe, 0, 0), 42);
      EXPECT_EQ(CurrentProc(window), own);
      DestroyWindow(window);
    }
    EXPECT_EQ(TWindowSubclass::LiveCount(), live);
  }
}

TEST(WindowSubclass, TextKeepsItsCharacterSet) {
  const HWND window = CreatePlainWindow();
  std::vector<std::string> log;
  TRecorder recorder("recorder", log);
  recorder.Install(window);
  ASSERT_TRUE(IsWindowUnicode(window));
  const std::wstring text = L"文件类型 Quorvex";
  SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  wchar_t back[64] = {};
  GetWindowTextW(window, back, 64);
  EXPECT_EQ(std::wstring(back), text);
  DestroyWindow(window);
}

namespace {

struct THookRecorder {
  THookRecorder(std::string name, std::vector<std::string>& log) : Name(std::move(name)), Log(log) {}
  void Handle(TMessage& message) {
    if (message.Msg == kProbe) Log.push_back(Name);
    Hook.CallDefault(message);
  }
  void Install(TControl& control) { Hook.Install(control, TWindowProcHook::THandler::Of<&THookRecorder::Handle>(this)); }

  std::string Name;
  std::vector<std::string>& Log;
  TWindowProcHook Hook;
};

}  // namespace

TEST(WindowProcHook, LettingGoInAnyOrderKeepsTheChainWhole) {
  for (const bool firstLetsGoFirst : {false, true}) {
    for (const bool controlGoesFirst : {false, true}) {
      SCOPED_TRACE(std::to_string(firstLetsGoFirst) + std::to_string(controlGoesFirst));
      auto panel = std::make_unique<TPanel>(nullptr);
      const TWndMethod own = panel->WindowProc();
      std::vector<std::string> log;
      auto first = std::make_unique<THookRecorder>("first", log);
      auto second = std::make_unique<THookRecorder>("second", log);
      first->Install(*panel);
      second->Install(*panel);
      panel->Perform(kProbe);
      EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
      if (controlGoesFirst) {
        panel.reset();
        EXPECT_FALSE(first->Hook.Installed());
        EXPECT_FALSE(second->Hook.Installed());
        first.reset();
        second.reset();
        continue;
      }
      auto& goesFirst = firstLetsGoFirst ? first : second;
      auto& goesSecond = firstLetsGoFirst ? second : first;
      goesFirst.reset();
      log.clear();
      panel->Perform(kProbe);
      EXPECT_EQ(log, std::vector<std::string>{goesSecond->Name});
      goesSecond.reset();
      panel->Perform(kProbe);
      EXPECT_EQ(panel->WindowProc(), own);
    }
  }
}

namespace {

// A hook that notes every message its handler is given.
struct TMessageNoter {
  void Handle(TMessage& message) {
    Messages.push_back(message.Msg);
    Hook.CallDefault(message);
  }
  std::vector<UINT> Messages;
  TWindowProcHook Hook;
};

// Notes each child control that leaves the hooked control.
struct TChildLeaveRecorder {
  void Handle(TMessage& message) {
    if (message.Msg == CM_CONTROLLISTCHANGE && !message.LParam) ++Seen;
    Hook.CallDefault(message);
  }
  int Seen = 0;
  TWindowProcHook Hook;
};

}  // namespace

TEST(WindowProcHook, AControlFreedUnderAHookNoLongerCallsIt) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* panel = new TPanel(form.get());
  panel->SetParent(form.get());
  panel->HandleNeeded();
  // The hook's owner outlives the control: the link goes with the
  // control's components, and the control's window after them.
  TMessageNoter noter;
  noter.Hook.Install(*panel, TWindowProcHook::THandler::Of<&TMessageNoter::Handle>(&noter));
  panel->Perform(kProbe);
  EXPECT_EQ(noter.Messages, std::vector<UINT>{kProbe});
  noter.Messages.clear();
  delete panel;
  EXPECT_FALSE(noter.Hook.Installed());
  // The window's last messages went to the control, not to the freed link.
  EXPECT_TRUE(noter.Messages.empty());
}

// A control frees what it owns (the hook's procedure among it) first, and
// then its child controls, telling itself of each through its WindowProc:
// the procedure it runs on by then must be its own, not one freed with its
// components.
TEST(WindowProcHook, AControlFreedWhileHookedTellsItselfOfItsChildrenLeaving) {
  TComponent owner(nullptr);
  auto* panel = new TPanel(&owner);
  for (int i = 0; i < 2; ++i) (new TPanel(&owner))->SetParent(panel);
  TChildLeaveRecorder first, second;
  first.Hook.Install(*panel, TWindowProcHook::THandler::Of<&TChildLeaveRecorder::Handle>(&first));
  second.Hook.Install(*panel, TWindowProcHook::THandler::Of<&TChildLeaveRecorder::Handle>(&second));
  // Hooked, the control's own news pass the hooks.
  auto* leaving = new TPanel(&owner);
  leaving->SetParent(panel);
  leaving->SetParent(nullptr);
  EXPECT_EQ(first.Seen, 1);
  EXPECT_EQ(second.Seen, 1);
  delete panel;
  EXPECT_FALSE(first.Hook.Installed());
  EXPECT_FALSE(second.Hook.Installed());
  EXPECT_EQ(first.Seen, 1);
  EXPECT_EQ(second.Seen, 1);
  EXPECT_EQ(owner.ComponentCount(), 1);
}
