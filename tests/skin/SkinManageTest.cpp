#include "skin/window/SkinManage.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinPopMenu.h"
#include "tests/skin/ProbeSkin.h"
#include "tests/support/WindowsTestSupport.h"
#include "ui/Form.h"

namespace {

LRESULT CALLBACK PlainProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, msg, wParam, lParam);
}

// Registers the class for the module instance once.
void RegisterPlainClass(const char* name, HINSTANCE instance) {
  WNDCLASSA windowClass{};
  if (GetClassInfoA(instance, name, &windowClass)) return;
  windowClass.lpfnWndProc = PlainProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = name;
  RegisterClassA(&windowClass);
}

// A window of the class (registered for the module), destroyed with this.
struct TPlainWindow {
  TPlainWindow(const char* className, DWORD style, int size = 200, HWND parent = nullptr,
               HINSTANCE instance = GetModuleHandleA(nullptr)) {
    if (className[0] != '#') RegisterPlainClass(className, instance);
    Handle = CreateWindowExA(0, className, "Plain", style, 50, 50, size, size, parent, nullptr, instance, nullptr);
  }
  ~TPlainWindow() {
    if (IsWindow(Handle)) DestroyWindow(Handle);
  }
  TPlainWindow(const TPlainWindow&) = delete;
  TPlainWindow& operator=(const TPlainWindow&) = delete;
  HWND Handle;
};

bool Skinned(HWND window) { return SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1; }

// Every test starts and ends without a manager.
class SkinManager : public ::testing::Test {
 protected:
  void SetUp() override { DestroySkinManager(); }
  void TearDown() override {
    PumpMessages(20);
    DestroySkinManager();
  }
  TSkinManage& Manager() { return *::SkinManager(); }

  TComponent FRoot{nullptr};
};

}  // namespace

TEST_F(SkinManager, SkinTopWindowTakesOnlyWindowsThatPassEveryTest) {
  TSkinData* data = probe::LoadedSkinData(FRoot, probe::Skin());
  Manager().FEnabled = true;
  const DWORD top = WS_OVERLAPPEDWINDOW;
  const HINSTANCE other = GetModuleHandleA("user32.dll");
  TForm tagged(nullptr);
  tagged.SetTag(99);
  TForm taggedByDisableTag(nullptr);
  data->SetDisableTag(7);
  taggedByDisableTag.SetTag(7);
  TPlainWindow parent("QvTestPlain", top);

  struct Case {
    const char* name;
    HWND window;
    bool preview;  // xoPreview in the main component's options
    bool attached;  // SkinTopWindow's answer
    bool skinned;   // the window is skinned afterwards
  };
  TPlainWindow plain("QvTestPlain", top), zero("QvTestPlain", WS_POPUP, 0), otherModule("QvTestOther", top, 200, nullptr, other),
      dialog("#32770", top, 200, nullptr, other), foreground("#32770", top | DS_SETFOREGROUND),
      child("QvTestPlain", WS_CHILD | WS_VISIBLE, 50, parent.Handle), application("TApplication", top),
      preview("QvTestPrintPREVIEWer", top), previewAllowed("QvTestPreviewBox", top);
  const Case cases[] = {
      {"a window of this program", plain.Handle, false, true, true},
      {"the same window again", plain.Handle, false, false, true},
      {"a window of no size", zero.Handle, false, false, false},
      {"a window of another module", otherModule.Handle, false, false, false},
      {"a system dialog of another module", dialog.Handle, false, true, true},
      {"a system dialog that sets itself to the foreground", foreground.Handle, false, false, false},
      {"a plain child window", child.Handle, false, false, false},
      {"the class TApplication", application.Handle, false, false, false},
      {"a preview window without xoPreview", preview.Handle, false, false, false},
      {"a preview window with xoPreview", previewAllowed.Handle, true, true, true},
      {"a form tagged 99", tagged.Handle(), false, false, false},
      {"a form tagged with DisableTag", taggedByDisableTag.Handle(), false, true, true},
  };
  for (const Case& c : cases) {
    data->SetOptions(c.preview ? SetBit(xoPreview) : 0);
    EXPECT_EQ(Manager().SkinTopWindow(c.window), c.attached) << c.name;
    EXPECT_EQ(Skinned(c.window), c.skinned) << c.name;
  }
  // Switched off, the manager takes nothing.
  Manager().FEnabled = false;
  TPlainWindow late("QvTestPlain", top);
  EXPECT_FALSE(Manager().SkinTopWindow(late.Handle));
}

TEST_F(SkinManager, ChoosesTheSkinOfTheWindowsScope) {
  TForm own(nullptr);
  TSkinData* firstDialog = probe::LoadedSkinData(FRoot, probe::Skin(), sfDialog);
  TSkinData* main = probe::LoadedSkinData(FRoot, probe::Skin());
  TSkinData* dialog = probe::LoadedSkinData(FRoot, probe::Skin(), sfDialog);
  TSkinData* ownForm = probe::LoadedSkinData(own, probe::Skin(), sfOnlyThisForm);
  TSkinData* lastMain = probe::LoadedSkinData(FRoot, probe::Skin());
  TPlainWindow plain("QvTestPlain", WS_OVERLAPPEDWINDOW), box("#32770", WS_OVERLAPPEDWINDOW),
      messageForm("TMessageForm", WS_OVERLAPPEDWINDOW);
  const HWND ownWindow = own.Handle();
  EXPECT_EQ(Manager().ChooseSkinData(ownWindow), ownForm);
  EXPECT_EQ(Manager().ChooseSkinData(box.Handle), dialog);
  EXPECT_EQ(Manager().ChooseSkinData(messageForm.Handle), dialog);
  EXPECT_EQ(Manager().ChooseSkinData(plain.Handle), lastMain);
  EXPECT_EQ(Manager().FMainSkinData, main);
  // Without a main component the first registered one is taken.
  delete main;
  delete lastMain;
  EXPECT_EQ(Manager().FMainSkinData, nullptr);
  EXPECT_EQ(Manager().ChooseSkinData(plain.Handle), firstDialog);
  delete firstDialog;
  delete dialog;
  delete ownForm;
  EXPECT_EQ(Manager().ChooseSkinData(plain.Handle), nullptr);
}

TEST_F(SkinManager, CommandsWaitForTheFirstActivation) {
  TSkinData* data = probe::LoadedSkinData(FRoot, probe::Skin());
  TSkinManage& manager = Manager();
  // Before any window was activated a command only switches the manager.
  manager.FCommandData = data;
  manager.Schedule(kSkinAll, 250);
  EXPECT_TRUE(manager.FEnabled);
  EXPECT_FALSE(manager.FTimer.Enabled());
  manager.Schedule(kUnskinAll, 250);
  EXPECT_FALSE(manager.FEnabled);
  EXPECT_FALSE(manager.FTimer.Enabled());

  // The first activation skins the window at once.
  manager.FEnabled = true;
  TForm form(nullptr);
  form.SetBounds(100, 100, 300, 200);
  form.Show();
  PumpMessages(50);
  EXPECT_EQ(manager.FState, 1);
  ASSERT_NE(manager.FindSkinForm(form.Handle()), nullptr);
  EXPECT_TRUE(Skinned(form.Handle()));

  // From then on commands run on the timer, 250 ms later, and the component
  // hears when its command has run.
  struct TChanges {
    void Changed(TObject*) { ++Count; }
    int Count = 0;
  } changes;
  data->OnSkinChanged = TNotifyEvent::Of<&TChanges::Changed>(&changes);
  data->SetActive(false);
  EXPECT_TRUE(manager.FTimer.Enabled());
  EXPECT_EQ(manager.FTimer.Interval(), 250);
  EXPECT_TRUE(Skinned(form.Handle()));
  EXPECT_EQ(changes.Count, 0);
  PumpMessages(400);
  EXPECT_FALSE(Skinned(form.Handle()));
  EXPECT_TRUE(manager.FForms.empty());
  EXPECT_EQ(changes.Count, 1);
  data->SetActive(true);
  PumpMessages(400);
  EXPECT_TRUE(Skinned(form.Handle()));
}

TEST_F(SkinManager, PopupMenusAreSkinnedByTheirOrigin) {
  TSkinData* data = probe::LoadedSkinData(FRoot, probe::Skin());
  TSkinManage& manager = Manager();
  manager.FEnabled = true;
  {
    TPlainWindow menu("#32768", WS_POPUP);
    EXPECT_TRUE(manager.IsPopupMenu(menu.Handle));
    EXPECT_TRUE(Skinned(menu.Handle));
    manager.SetPopupMenuHandle(reinterpret_cast<HMENU>(0x1234));
    EXPECT_EQ(manager.FindPopupMenuBitmap(reinterpret_cast<HMENU>(0x1234)), &manager.FPopupMenus[0]->FBackground);
  }
  EXPECT_TRUE(manager.FPopupMenus.empty());
  // A system menu without xcSystemMenu is left alone; its going still
  // resets the origin.
  data->SetSkinControls(data->SkinControls() & ~SetBit(xcSystemMenu));
  manager.FPopupOrigin = kPopupSystem;
  {
    TPlainWindow menu("#32768", WS_POPUP);
    EXPECT_FALSE(Skinned(menu.Handle));
  }
  EXPECT_EQ(manager.FPopupOrigin, kPopupContext);
}

TEST_F(SkinManager, EntriesNeverOutliveWhatTheyPointTo) {
  TSkinData* data = probe::LoadedSkinData(FRoot, probe::Skin());
  TSkinManage& manager = Manager();
  manager.FEnabled = true;

  // The form goes: its entry goes with it.
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBounds(100, 100, 300, 200);
  ASSERT_TRUE(manager.SkinTopWindow(form->Handle()));
  form.reset();
  EXPECT_TRUE(manager.FForms.empty());

  // A plain window goes: its entry is purged.
  auto plain = std::make_unique<TPlainWindow>("QvTestPlain", WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(manager.SkinTopWindow(plain->Handle));
  plain.reset();
  manager.PurgeSkinForms();
  EXPECT_TRUE(manager.FForms.empty());

  // The skin data goes: its windows let go of it first.
  TPlainWindow kept("QvTestPlain", WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(manager.SkinTopWindow(kept.Handle));
  delete data;
  EXPECT_TRUE(manager.FForms.empty());
  EXPECT_FALSE(Skinned(kept.Handle));

  // The manager goes first: the form gets its procedures back.
  probe::LoadedSkinData(FRoot, probe::Skin());
  Manager().FEnabled = true;
  TForm survivor(nullptr);
  survivor.SetBounds(100, 100, 300, 200);
  const auto frameworkProc = GetWindowLongPtrA(survivor.Handle(), GWLP_WNDPROC);
  const TWndMethod formProc = survivor.WindowProc();
  ASSERT_TRUE(Manager().SkinTopWindow(survivor.Handle()));
  DestroySkinManager();
  EXPECT_FALSE(Skinned(survivor.Handle()));
  EXPECT_EQ(GetWindowLongPtrA(survivor.Handle(), GWLP_WNDPROC), frameworkProc);
  EXPECT_EQ(survivor.WindowProc(), formProc);
}

TEST_F(SkinManager, LookingForTheFormOfAWindowCreatesNoWindow) {
  probe::LoadedSkinData(FRoot, probe::Skin());
  Manager().FEnabled = true;
  TForm withoutWindow(nullptr);
  TPlainWindow plain("QvTestPlain", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  SetActiveWindow(plain.Handle);
  Manager().SkinTopWindow(plain.Handle);
  EXPECT_FALSE(withoutWindow.HandleAllocated());
}
