// What a child control tells its parent window comes back to the child as
// a CN_ message; the reflected notification and draw request reach the
// control only as genuine reflections.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/WinControl.h"

namespace {

constexpr UINT kSkinReady = 0xBC4E;
constexpr LPARAM kSkinMagic = 0x41A2;

struct TSeen {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

// Records the reflected messages it gets, and the header or item it is
// handed.
class TProbe : public TWinControl {
 public:
  QV_CLASS(TProbe, TWinControl)
  using TWinControl::TWinControl;

  std::vector<TSeen> Seen;
  const NMHDR* Header = nullptr;
  const DRAWITEMSTRUCT* Item = nullptr;
  bool HeaderFoundAgain = false;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg >= CN_BASE && message.Msg <= CN_BASE + 0x1FF) {
      Seen.push_back({message.Msg, message.WParam, message.LParam});
    }
    TWinControl::WndProc(message);
  }
  void CNNotify(const NMHDR& header, TMessage& message) override {
    Header = &header;
    HeaderFoundAgain = ReflectedNotifyHeader(message) == &header;
    message.Result = 77;
  }
  void CNDrawItem(const DRAWITEMSTRUCT& item, TMessage& message) override {
    Item = &item;
    message.Result = TRUE;
  }
};
QV_CLASS_INFO(TProbe, {});

}  // namespace

TEST(Reflection, ChildNotificationsComeBackToTheChild) {
  auto host = NewHostForm();
  auto* probe = new TProbe(host.get());
  probe->SetBounds(10, 10, 50, 20);
  probe->SetParent(host.get());
  const HWND child = probe->Handle();
  const HWND parent = host->Handle();

  NMHDR header{child, 5, static_cast<UINT>(NM_CLICK)};
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_BUTTON;
  item.hwndItem = child;
  DRAWITEMSTRUCT menuItem{};
  menuItem.CtlType = ODT_MENU;
  NMHDR foreign{GetDesktopWindow(), 5, static_cast<UINT>(NM_CLICK)};
  const struct {
    const char* what;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
    UINT reflected;  // 0: not handed to the child
  } cases[] = {
      {"command", WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), reinterpret_cast<LPARAM>(child), CN_COMMAND},
      {"menu command", WM_COMMAND, 5, 0, 0},
      {"notification", WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header), CN_NOTIFY},
      {"notification of another window", WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&foreign), 0},
      {"draw item", WM_DRAWITEM, 5, reinterpret_cast<LPARAM>(&item), CN_DRAWITEM},
      {"draw menu item", WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&menuItem), 0},
      {"horizontal scroll", WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(child), CN_HSCROLL},
      {"vertical scroll", WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(child), CN_VSCROLL},
      {"own scroll bar", WM_VSCROLL, SB_LINEUP, 0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    probe->Seen.clear();
    SendMessageA(parent, c.msg, c.wParam, c.lParam);
    if (!c.reflected) {
      EXPECT_TRUE(probe->Seen.empty());
      continue;
    }
    ASSERT_EQ(probe->Seen.size(), 1u);
    EXPECT_EQ(probe->Seen[0].Msg, c.reflected);
    EXPECT_EQ(probe->Seen[0].WParam, c.wParam);
    EXPECT_EQ(probe->Seen[0].LParam, c.lParam);
  }
  EXPECT_EQ(probe->Header, &header);
  EXPECT_TRUE(probe->HeaderFoundAgain);
  EXPECT_EQ(probe->Item, &item);
  // The child's answer is the parent's.
  EXPECT_EQ(SendMessageA(parent, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header)), 77);
}

TEST(Reflection, TheSkinReadyMessageIsNeverTakenForANotification) {
  auto host = NewHostForm();
  auto* probe = new TProbe(host.get());
  probe->SetParent(host.get());
  const HWND child = probe->Handle();
  const TMessage forged{CN_NOTIFY, 0, kSkinMagic, 0};
  EXPECT_EQ(ReflectedNotifyHeader(forged), nullptr);
  EXPECT_EQ(ReflectedDrawItem(TMessage{CN_DRAWITEM, 0, kSkinMagic, 0}), nullptr);

  // Sent, posted and performed, to the control and to the form: the
  // message goes its way unhandled.
  SendMessageA(child, kSkinReady, 0, kSkinMagic);
  PostMessageA(child, kSkinReady, 0, kSkinMagic);
  probe->Perform(kSkinReady, 0, kSkinMagic);
  SendMessageA(host->Handle(), kSkinReady, 0, kSkinMagic);
  PostMessageA(host->Handle(), kSkinReady, 0, kSkinMagic);
  PumpFor(20);
  EXPECT_EQ(probe->Header, nullptr);
  EXPECT_EQ(probe->Seen.size(), 3u);

  // Nor is a real header handed on once its reflection is over.
  NMHDR header{child, 1, static_cast<UINT>(NM_CLICK)};
  SendMessageA(host->Handle(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
  ASSERT_EQ(probe->Header, &header);
  probe->Header = nullptr;
  probe->Perform(CN_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
  EXPECT_EQ(probe->Header, nullptr);
}
