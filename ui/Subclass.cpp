#include "ui/Subclass.h"

#include <cstdint>
#include <cstring>
#include <new>
#include <utility>

#include "ui/Component.h"
#include "ui/Control.h"

namespace {

// Window procedures made at run time live in memory that may be executed.
HANDLE ExecutableHeap() {
  static const HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
  return heap;
}

int LiveLinks = 0;

}  // namespace

// One replaced procedure: a few instructions that call LinkProc with this
// link in place of the window handle, and what LinkProc needs.
struct TWindowSubclass::TLink {
  unsigned char Code[32];
  HWND Window = nullptr;  // null once the window has been destroyed
  WNDPROC OldProc = nullptr;
  bool Unicode = false;
  THandler Handler;        // empty once the owner let go
  int Depth = 0;           // messages being handled right now
  bool Unlinked = false;   // the previous procedure has been put back

  WNDPROC Proc() { return reinterpret_cast<WNDPROC>(static_cast<void*>(Code)); }

  LONG_PTR SetProc(WNDPROC proc) {
    const auto value = reinterpret_cast<LONG_PTR>(proc);
    return Unicode ? SetWindowLongPtrW(Window, GWLP_WNDPROC, value) : SetWindowLongPtrA(Window, GWLP_WNDPROC, value);
  }
  bool IsCurrent() {
    const LONG_PTR current =
        Unicode ? GetWindowLongPtrW(Window, GWLP_WNDPROC) : GetWindowLongPtrA(Window, GWLP_WNDPROC);
    return current == reinterpret_cast<LONG_PTR>(Proc());
  }
  void Unlink() {
    SetProc(OldProc);
    Unlinked = true;
  }
  LRESULT CallOld(UINT msg, WPARAM wParam, LPARAM lParam) {
    return Unicode ? CallWindowProcW(OldProc, Window, msg, wParam, lParam)
                   : CallWindowProcA(OldProc, Window, msg, wParam, lParam);
  }
  // Nothing can reach the link any more.
  bool Finished() const { return Depth == 0 && !Handler && (Unlinked || !Window); }

  static TLink* Create() {
    void* memory = HeapAlloc(ExecutableHeap(), 0, sizeof(TLink));
    if (!memory) throw std::bad_alloc();
    auto* link = new (memory) TLink;
    link->WriteCode();
    ++LiveLinks;
    return link;
  }
  static void Free(TLink* link) {
    link->~TLink();
    HeapFree(ExecutableHeap(), 0, link);
    --LiveLinks;
  }

 private:
  void WriteCode() {
    const auto self = reinterpret_cast<std::uintptr_t>(this);
    const auto target = reinterpret_cast<std::uintptr_t>(&TWindowSubclass::LinkProc);
    unsigned char* p = Code;
#if defined(_M_X64) || defined(__x86_64__)
    // mov rcx, self; mov rax, LinkProc; jmp rax
    *p++ = 0x48, *p++ = 0xB9;
    std::memcpy(p, &self, 8), p += 8;
    *p++ = 0x48, *p++ = 0xB8;
    std::memcpy(p, &target, 8), p += 8;
    *p++ = 0xFF, *p++ = 0xE0;
#elif defined(_M_IX86) || defined(__i386__)
    // mov dword ptr [esp+4], self; jmp LinkProc
    *p++ = 0xC7, *p++ = 0x44, *p++ = 0x24, *p++ = 0x04;
    std::memcpy(p, &self, 4), p += 4;
    *p++ = 0xE9;
    const auto relative = static_cast<std::uint32_t>(target - (reinterpret_cast<std::uintptr_t>(p) + 4));
    std::memcpy(p, &relative, 4), p += 4;
#else
#error "window procedure thunks are written for x86 and x86-64 only"
#endif
    FlushInstructionCache(GetCurrentProcess(), Code, static_cast<SIZE_T>(p - Code));
  }
};

void TWindowSubclass::Install(HWND window, THandler handler) {
  if (FLink || !IsWindow(window)) return;
  TLink* link = TLink::Create();
  link->Window = window;
  link->Unicode = IsWindowUnicode(window) != FALSE;
  link->Handler = handler;
  link->OldProc = reinterpret_cast<WNDPROC>(link->SetProc(link->Proc()));
  if (!link->OldProc) {
    TLink::Free(link);
    return;
  }
  FLink = link;
}

void TWindowSubclass::Restore() {
  TLink* link = std::exchange(FLink, nullptr);
  if (!link) return;
  link->Handler = {};
  if (link->Window && link->IsCurrent()) link->Unlink();
  if (link->Finished()) TLink::Free(link);
}

bool TWindowSubclass::Installed() const { return FLink && FLink->Window; }

HWND TWindowSubclass::Window() const { return FLink ? FLink->Window : nullptr; }

void TWindowSubclass::CallDefault(TMessage& message) const {
  message.Result = FLink ? FLink->CallOld(message.Msg, message.WParam, message.LParam) : 0;
}

int TWindowSubclass::LiveCount() { return LiveLinks; }

LRESULT CALLBACK TWindowSubclass::LinkProc(TLink* link, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A procedure that was let go leaves the chain once it is the current one.
  if (!link->Handler && !link->Unlinked && link->Window && link->IsCurrent()) link->Unlink();
  ++link->Depth;
  LRESULT result = 0;
  if (link->Handler) {
    TMessage message{msg, wParam, lParam, 0};
    link->Handler(message);
    result = message.Result;
  } else {
    result = link->CallOld(msg, wParam, lParam);
  }
  --link->Depth;
  if (msg == WM_NCDESTROY) link->Window = nullptr;
  if (link->Finished()) TLink::Free(link);
  return result;
}

// A replaced WindowProc, owned by the control, so that it lives as long as
// somebody may call it. A control frees what it owns while it is still
// whole, window and all: a link freed with its control hands the control
// back the procedure it replaced, so that the messages of the window's
// destruction never reach a freed link.
class TWindowProcHook::TLink : public TComponent {
 public:
  TLink(TControl& control, TWindowProcHook* hook, THandler handler)
      : TComponent(&control), FControl(control), FHook(hook), FHandler(handler), FOld(control.WindowProc()) {}
  ~TLink() override {
    if (FHook) FHook->FLink = nullptr;
    if (IsCurrent()) FControl.SetWindowProc(FOld);
  }

  TWndMethod Method() const { return TWndMethod::Of<&TLink::Dispatch>(const_cast<TLink*>(this)); }

  // Puts the previous WindowProc back when this one is current, and frees
  // itself then; otherwise it stays, passing messages on.
  void LetGo() {
    FHook = nullptr;
    FHandler = {};
    if (IsCurrent()) delete this;
  }

  const TWndMethod& Old() const { return FOld; }

 private:
  bool IsCurrent() const { return FControl.WindowProc() == Method(); }

  // Nothing of the link is used after the handler returns: the handler may
  // let go of it.
  void Dispatch(TMessage& message) {
    if (FHandler) return FHandler(message);
    const TWndMethod old = FOld;
    if (IsCurrent()) delete this;
    old(message);
  }

  TControl& FControl;
  TWindowProcHook* FHook;
  THandler FHandler;
  TWndMethod FOld;
};

void TWindowProcHook::Install(TControl& control, THandler handler) {
  if (FLink) return;
  FLink = new TLink(control, this, handler);
  control.SetWindowProc(FLink->Method());
}

void TWindowProcHook::Restore() {
  if (TLink* link = std::exchange(FLink, nullptr)) link->LetGo();
}

void TWindowProcHook::CallDefault(TMessage& message) const {
  if (FLink) FLink->Old()(message);
}
