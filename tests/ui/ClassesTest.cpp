// One test over every class of the framework: each is what its class info
// says, and a windowed control's window is of its class's name.
#include <gtest/gtest.h>

#include "tests/ui/ControlTesting.h"
#include "ui/WinControl.h"

namespace {

// The skin engine's "skinning is ready" message: the number of a reflected
// WM_NOTIFY, with a marker where a reflection has its header.
constexpr UINT kSkinReady = 0xBC4E;
constexpr LPARAM kSkinMagic = 0x41A2;

}  // namespace

TEST(Classes, EveryClassIsMadeWithItsInfoAndItsWindowIsOfItsName) {
  auto host = NewHostForm();
  int windows = 0;
  int made = 0;
  for (const TRegisteredClass& registered : RegisteredClasses()) {
    const TClassInfo& info = *registered.Info;
    if (!registered.Construct) continue;
    SCOPED_TRACE(std::string(info.Name));
    TObject* object = registered.Construct(host.get());
    ++made;
    EXPECT_EQ(&object->ClassType(), &info);
    EXPECT_EQ(typeid(*object), *info.Type);
    for (const TRegisteredClass& other : RegisteredClasses()) {
      EXPECT_EQ(object->InheritsFrom(*other.Info), other.IsInstance(*object)) << "is a " << other.Info->Name;
    }
    auto* control = dynamic_cast<TControl*>(object);
    // A form stands alone; every other control goes onto the host.
    if (control && !dynamic_cast<TCustomForm*>(control)) control->SetParent(host.get());
    if (auto* windowed = dynamic_cast<TWinControl*>(object)) {
      const HWND window = windowed->Handle();
      ++windows;
      EXPECT_EQ(ClassOfWindow(window), info.Name);
      EXPECT_EQ(FindControl(window), windowed);
      // Nothing takes the skin engine's message for a notification.
      SendMessageA(window, kSkinReady, 0, kSkinMagic);
      PostMessageA(window, kSkinReady, 0, kSkinMagic);
      PumpFor(0);
      windowed->Perform(kSkinReady, 0, kSkinMagic);
      EXPECT_TRUE(IsWindow(window));
    }
    delete object;
  }
  // Controls of every family are among them.
  EXPECT_GT(made, 40);
  EXPECT_GT(windows, 35);
  EXPECT_EQ(host->ComponentCount(), 0);
}
