#include "skin/window/SkinManage.h"

#include <algorithm>
#include <utility>

#include "skin/data/WinSkinData.h"
#include "skin/window/SkinMessages.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinPopMenu.h"
#include "ui/Form.h"
#include "ui/Screen.h"
#include "ui/StrUtils.h"
#include "ui/WinControl.h"

namespace {

// The program's manager: set while it exists, empty before and after.
TSkinManage* Manager = nullptr;
// Set when the manager has gone: the hook, should it still be called, only
// passes events on.
bool HookDisabled = false;
DWORD SystemVersion = 0;

// Forms with this tag are never skinned.
constexpr std::intptr_t kNeverSkinTag = 99;

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

}  // namespace

TSkinManage::TSkinManage() {
  FTimer.SetInterval(100);
  FTimer.OnTimer = TNotifyEvent::Of<&TSkinManage::RunCommand>(this);
}

TSkinManage::~TSkinManage() {
  FState = 4;
  FEnabled = false;
  FTimer.SetEnabled(false);
  while (!FForms.empty()) {
    TWinSkinForm* skinForm = FForms.back();
    FForms.pop_back();
    skinForm->ReleaseWindow();
    delete skinForm;
  }
  for (const auto& popup : FPopupMenus) popup->Release();
  FPopupMenus.clear();
  FSkinDatas.clear();
  FHook.Reset();
  HookDisabled = true;
}

void TSkinManage::InstallHook() {
  if (FHook) return;
  SystemVersion = GetVersion();
  FHook.Reset(SetWindowsHookExA(WH_CBT, HookProc, nullptr, GetCurrentThreadId()));
  HookDisabled = false;
}

LRESULT CALLBACK TSkinManage::HookProc(int code, WPARAM wParam, LPARAM lParam) {
  TSkinManage* manager = Manager;
  if (manager && !HookDisabled && code >= 0) {
    const auto window = reinterpret_cast<HWND>(wParam);
    // Nothing may escape into the system's code that called the hook.
    try {
      switch (code) {
        case HCBT_CREATEWND:
          manager->WindowCreated(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs);
          break;
        case HCBT_DESTROYWND: manager->ReleasePopupMenu(window); break;
        case HCBT_ACTIVATE:
          if (manager->FState == 0) manager->FState = 1;
          manager->SkinTopWindow(window);
          break;
        default: break;
      }
    } catch (...) {
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManage::WindowCreated(HWND handle, const CREATESTRUCTA& create) {
  const std::string className = WindowClassName(handle);
  if (lstrcmpiA(className.c_str(), "ScrollBar") == 0 && (create.style & SBS_SIZEGRIP)) {
    if (TWinSkinForm* parent = FindSkinForm(create.hwndParent)) parent->SkinWindow(handle);
  } else if (!(create.style & WS_CHILD) && className == "#32768") {
    SkinPopupMenu(handle);
  } else if (create.dwExStyle & WS_EX_MDICHILD) {
    SkinTopWindow(handle);
  }
}

void TSkinManage::RegisterSkinData(TSkinData* skinData) {
  FSkinDatas.push_back(skinData);
  if (!FMainSkinData && skinData->SkinFormtype() == sfMainform) FMainSkinData = skinData;
}

void TSkinManage::UnregisterSkinData(TSkinData* skinData) {
  // Windows and popups drawn with the component let go of it first.
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i < FForms.size() && FForms[i]->FSkinData == skinData) UnskinEntry(FForms[i]);
  }
  std::erase_if(FPopupMenus, [skinData](const std::unique_ptr<TWinSkinPopMenu>& popup) {
    if (popup->FSkinData != skinData) return false;
    popup->Release();
    return true;
  });
  std::erase(FSkinDatas, skinData);
  if (FMainSkinData == skinData) FMainSkinData = nullptr;
  if (FCommandData == skinData) FCommandData = nullptr;
}

TWinControl* TSkinManage::FindFormOfWindow(HWND handle) {
  // Asking a form without a window for its handle would create one.
  for (int i = 0; i < Screen().FormCount(); ++i) {
    TCustomForm* form = Screen().Forms(i);
    if (form->HandleAllocated() && form->Handle() == handle) return form;
  }
  return FindControl(handle);
}

bool TSkinManage::IsPlainChild(HWND handle) {
  if (!(GetWindowLongA(handle, GWL_STYLE) & WS_CHILD)) return false;
  if (GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_MDICHILD) return false;
  return AsciiLowerCase(WindowClassName(GetParent(handle))) != "mdiclient";
}

bool TSkinManage::SkinTopWindow(HWND handle) {
  if (!FEnabled) return false;
  PurgeSkinForms();
  if (SendMessageA(handle, SKM_QUERYSKINNED, 0, 0) == 1 || FindSkinForm(handle)) return false;
  TWinControl* form = FindFormOfWindow(handle);
  if (!FSweeping && IsPlainChild(handle)) return false;
  const std::string className = WindowClassName(handle);
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(handle, GWLP_HINSTANCE));
  if (!form && instance != GetModuleHandleA(nullptr) && className != "#32770") return false;
  RECT bounds{};
  GetWindowRect(handle, &bounds);
  const bool mdiChild = (GetWindowLongA(handle, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
  if ((bounds.right == bounds.left || bounds.bottom == bounds.top) && !mdiChild) return false;
  if (form && form->Tag() == kNeverSkinTag) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return false;
  if (!AcceptWindowClass(handle, className)) return false;
  TSkinData* skinData = ChooseSkinData(handle);
  if (!skinData || skinData->FNoSkin) return false;

  auto* skinForm = new TWinSkinForm(form);
  skinForm->FHandle = handle;
  skinForm->FClassName = className;
  FForms.push_back(skinForm);
  if (form)
    skinForm->AttachForm(skinData, form);
  else
    skinForm->AttachWindow(skinData);
  PostMessageA(handle, SKM_ATTACH, 0, 1000);
  return true;
}

void TSkinManage::SkinForm(TCustomForm* form) {
  if (!form || !form->Visible() || !form->HandleAllocated()) return;
  if (GetWindowLongA(form->Handle(), GWL_STYLE) & WS_CHILD) return;
  SkinTopWindow(form->Handle());
}

TWinSkinForm* TSkinManage::FindSkinForm(HWND handle) const {
  if (!handle) return nullptr;
  const auto found =
      std::find_if(FForms.begin(), FForms.end(), [handle](const TWinSkinForm* f) { return f->FHandle == handle; });
  return found == FForms.end() ? nullptr : *found;
}

void TSkinManage::RemoveSkinForm(TWinSkinForm* skinForm) {
  if (FState == 4) return;
  std::erase(FForms, skinForm);
}

void TSkinManage::PurgeSkinForms() {
  for (std::size_t i = FForms.size(); i-- > 0;) {
    if (i < FForms.size() && FForms[i]->FSkinState == kSkinReleased) delete FForms[i];
  }
}

void TSkinManage::UnskinEntry(TWinSkinForm* skinForm) {
  const HWND window = skinForm->FHandle;
  const bool held = skinForm->FSkinState != kSkinReleased;
  skinForm->Detach();
  if (held) RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  delete skinForm;
}

void TSkinManage::SkinPopupMenu(HWND handle) {
  if (!FEnabled || SendMessageA(handle, SKM_QUERYSKINNED, 0, 0) == 1 || IsPopupMenu(handle)) return;
  TSkinData* skinData = ChooseSkinData(handle);
  if (!skinData || skinData->FNoSkin) return;
  const TSkinControlTypes controls = skinData->SkinControls();
  const bool allowed = FPopupOrigin == kPopupContext   ? (controls & SetBit(xcPopupMenu)) != 0
                       : FPopupOrigin == kPopupMenuBar ? (controls & (SetBit(xcMainMenu) | SetBit(xcMenuItem))) != 0
                                                       : (controls & SetBit(xcSystemMenu)) != 0;
  if (!allowed) return;
  auto popup = std::make_unique<TWinSkinPopMenu>();
  popup->Attach(handle, skinData, 0);
  popup->FMenuBarPopup = FMenuBarTracking;
  FPopupMenus.push_back(std::move(popup));
}

bool TSkinManage::ReleasePopupMenu(HWND handle) {
  const auto found = std::find_if(FPopupMenus.begin(), FPopupMenus.end(),
                                  [handle](const auto& popup) { return popup->FHandle == handle; });
  const bool skinned = found != FPopupMenus.end();
  if (skinned) {
    (*found)->Release();
    FPopupMenus.erase(found);
  }
  if (FPopupMenus.empty()) {
    FMenuBarTracking = false;
    FPopupOrigin = kPopupContext;
  }
  return skinned;
}

bool TSkinManage::IsPopupMenu(HWND handle) const {
  return std::any_of(FPopupMenus.begin(), FPopupMenus.end(),
                     [handle](const auto& popup) { return popup->FHandle == handle; });
}

void TSkinManage::MarkPopupMenus() {
  for (const auto& popup : FPopupMenus) popup->FMenuBarPopup = true;
}

void TSkinManage::SetPopupMenuHandle(HMENU menu) {
  // A menu whose items are drawn again (a selection moved) is shown by the
  // popup that got it first; a popup opened since is not given it too.
  if (!menu || std::any_of(FPopupMenus.begin(), FPopupMenus.end(),
                           [menu](const auto& popup) { return popup->FShownMenu == menu; }))
    return;
  for (auto popup = FPopupMenus.rbegin(); popup != FPopupMenus.rend(); ++popup) {
    if ((*popup)->FShownMenu) continue;
    (*popup)->FShownMenu = menu;
    return;
  }
}

TBitmap* TSkinManage::FindPopupMenuBitmap(HMENU menu, POINT* clientOffset) const {
  for (const auto& popup : FPopupMenus) {
    if (popup->FShownMenu != menu) continue;
    if (clientOffset) *clientOffset = popup->ClientOffset();
    return &popup->FBackground;
  }
  return nullptr;
}

TSkinData* TSkinManage::ChooseSkinData(HWND handle) const {
  const auto last = [this](auto test) -> TSkinData* {
    const auto found = std::find_if(FSkinDatas.rbegin(), FSkinDatas.rend(), test);
    return found == FSkinDatas.rend() ? nullptr : *found;
  };
  if (TSkinData* own = last([handle](TSkinData* data) {
        const auto* owner = dynamic_cast<const TWinControl*>(data->Owner());
        return data->SkinFormtype() == sfOnlyThisForm && owner && owner->HandleAllocated() &&
               const_cast<TWinControl*>(owner)->Handle() == handle;
      }))
    return own;
  const std::string className = AsciiLowerCase(WindowClassName(handle));
  if (className == "tmessageform" || className == "#32770") {
    if (TSkinData* dialog = last([](TSkinData* data) { return data->SkinFormtype() == sfDialog; })) return dialog;
  }
  if (TSkinData* main = last([](TSkinData* data) { return data->SkinFormtype() == sfMainform; })) return main;
  return FSkinDatas.empty() ? nullptr : FSkinDatas.front();
}

bool TSkinManage::AcceptWindowClass(HWND handle, const std::string& className) const {
  if (!FMainSkinData) return true;
  const std::string lower = AsciiLowerCase(className);
  if (!(FMainSkinData->Options() & SetBit(xoPreview)) && Contains(lower, "preview")) return false;
  if (className == "#32770" && (GetWindowLongA(handle, GWL_STYLE) & DS_SETFOREGROUND)) return false;
  if (lower == "tpopupdbtreeview") return false;
  bool doSkin = true;
  FMainSkinData->CanSkinWindow(handle, className, doSkin);
  return doSkin;
}

void TSkinManage::Schedule(int command, int delay) {
  FCommand = command;
  FTimer.SetInterval(delay);
  if (FState == 0) {
    // Before the first activation: the hook skins the first window itself.
    if (command == kSkinAll) FEnabled = true;
    if (command == kUnskinAll) FEnabled = false;
    return;
  }
  FTimer.SetEnabled(true);
}

void TSkinManage::RunCommand(TObject*) {
  FTimer.SetEnabled(false);
  TSkinData* data = FCommandData;
  if (!data) return;
  if (data->SkinFormtype() == sfOnlyThisForm)
    RunOnOwnForm(*data);
  else
    RunOnAllForms(*data);
  // The command may have unregistered the component.
  if (FCommandData == data) {
    data->SkinChanged();
    FCommandData = nullptr;
  }
}

void TSkinManage::RunOnOwnForm(TSkinData& data) {
  const auto usesData = [&data](const TWinSkinForm* f) { return f->FSkinData == &data; };
  switch (FCommand) {
    case kSkinAll:
      FEnabled = FSweeping = true;
      for (int i = Screen().FormCount(); i-- > 0;) {
        if (Screen().Forms(i) != data.Owner()) continue;
        SkinForm(Screen().Forms(i));
        break;
      }
      FSweeping = false;
      break;
    case kUnskinAll: {
      FEnabled = false;
      PurgeSkinForms();
      const auto found = std::find_if(FForms.rbegin(), FForms.rend(), usesData);
      if (found != FForms.rend()) UnskinEntry(*found);
      break;
    }
    case kRefresh: {
      PurgeSkinForms();
      const auto found = std::find_if(FForms.begin(), FForms.end(), usesData);
      if (found == FForms.end()) break;
      (*found)->FreeTitleButtons();
      (*found)->LoadFrameMetrics();
      (*found)->Reskin();
      break;
    }
    default: break;
  }
}

void TSkinManage::RunOnAllForms(TSkinData& data) {
  switch (FCommand) {
    case kSkinAll:
      FEnabled = FSweeping = true;
      PurgeSkinForms();
      for (int i = Screen().FormCount(); i-- > 0;) {
        if (i < Screen().FormCount()) SkinForm(Screen().Forms(i));
      }
      FSweeping = false;
      break;
    case kUnskinAll:
      FEnabled = false;
      PurgeSkinForms();
      while (!FForms.empty()) UnskinEntry(FForms.front());
      break;
    case kRefresh: {
      PurgeSkinForms();
      std::vector<TWinSkinForm*> refreshed;
      for (TWinSkinForm* skinForm : FForms) {
        if (skinForm->FSkinData != &data) continue;
        skinForm->FreeTitleButtons();
        skinForm->LoadFrameMetrics();
        refreshed.push_back(skinForm);
      }
      for (TWinSkinForm* skinForm : refreshed)
        if (std::find(FForms.begin(), FForms.end(), skinForm) != FForms.end()) skinForm->Reskin();
      break;
    }
    default: break;
  }
}

void TSkinManage::ReloadSkinData() {
  for (TWinSkinForm* skinForm : FForms)
    if (skinForm->FSkinData == FCommandData) skinForm->FreeTitleButtons();
}

void TSkinManage::SetMDIMaximized(bool value) {
  if (value == FMDIMaximized) return;
  FMDIMaximized = value;
  if (FMainSkinData && (FMainSkinData->Options() & SetBit(xoMDIChildBorder))) return;
  for (TWinSkinForm* skinForm : FForms) {
    if (skinForm->FMDIKind != mkChild) continue;
    if (value) {
      if (skinForm->FHasRegion) {
        SetWindowRgn(skinForm->FHandle, nullptr, TRUE);
        skinForm->FHasRegion = false;
      }
    } else if (skinForm->FShowState != ssMinimized) {
      skinForm->FShowState = ssNormal;
      skinForm->UpdateRegion();
      if (!skinForm->FHasRegion)
        SetWindowPos(skinForm->FHandle, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }
}

TSkinManage* SkinManager() { return Manager; }

TSkinManage& CreateSkinManager() {
  if (!Manager) Manager = new TSkinManage;
  return *Manager;
}

void DestroySkinManager() {
  delete Manager;
  Manager = nullptr;
}

DWORD SkinSystemVersion() { return SystemVersion; }
