#include "droppanel/FileDropPan.h"

#include <shellapi.h>

#include <cstring>

#include "ui/TypInfo.h"

namespace {

TWinControl* OwnerAsParent(TComponent* owner) {
  if (!owner) return nullptr;
  auto* parent = dynamic_cast<TWinControl*>(owner);
  if (!parent) throw EInvalidCast();
  return parent;
}

// A shell drop, released by the destructor on every path.
class TDrop {
 public:
  explicit TDrop(HDROP drop) : FDrop(drop) {}
  ~TDrop() { DragFinish(FDrop); }
  TDrop(const TDrop&) = delete;
  TDrop& operator=(const TDrop&) = delete;
  HDROP Get() const { return FDrop; }

 private:
  HDROP FDrop;
};

}  // namespace

const TPropInfo TAIFileDropPan::Published[] = {
    Prop<TTypeKind::Method, &TAIFileDropPan::FOnDragFile, &TAIFileDropPan::FOnDragFile>("OnDragFile"),
    Prop<TTypeKind::Boolean, &TAIFileDropPan::FAcceptFile, &TAIFileDropPan::SetAcceptFile>("AcceptFile"),
};
QV_CLASS_INFO(TAIFileDropPan, Published);

TAIFileDropPan::TAIFileDropPan(TComponent* owner) : TPanel(owner) {
  // The parent first: registering the drop target needs the window.
  SetParent(OwnerAsParent(owner));
  SetAcceptFile(true);
}

TAIFileDropPan::~TAIFileDropPan() {
  // Only a window that exists can be registered: none is created here just
  // to revoke it.
  if (Parent() && FAcceptFile && HandleAllocated()) DragAcceptFiles(Handle(), FALSE);
}

void TAIFileDropPan::SetAcceptFile(bool acceptFile) {
  FAcceptFile = acceptFile;
  DragAcceptFiles(Handle(), acceptFile ? TRUE : FALSE);
}

void TAIFileDropPan::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_DROPFILES: return WMDropFiles(message);
    default: return TPanel::WndProc(message);
  }
}

void TAIFileDropPan::WMDropFiles(TMessage& message) {
  // The drop is released before the handler runs: it works with the list.
  {
    const TDrop drop(reinterpret_cast<HDROP>(message.WParam));
    char buffer[256] = {};
    const UINT count = DragQueryFileA(drop.Get(), 0xFFFFFFFF, buffer, 255);
    FFileList.Clear();
    for (UINT i = 0; i < count; ++i) {
      DragQueryFileA(drop.Get(), i, buffer, 255);
      FFileList.Add(std::string(buffer, strnlen(buffer, sizeof buffer)));
    }
  }
  if (FOnDragFile) FOnDragFile(this, &FFileList);
}
