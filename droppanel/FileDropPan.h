#pragma once
// TAIFileDropPan: a panel that accepts files dragged from the system shell
// and hands the dropped paths to its owner through OnDragFile.
#include "ui/Panel.h"
#include "ui/Strings.h"

// Called after a drop with the panel and the list of dropped paths, which
// the handler only reads and must not keep beyond the panel's life.
using TDragFileEvent = TMethod<void(TComponent* Sender, const TStrings* FileList)>;

class TAIFileDropPan : public TPanel {
 public:
  QV_CLASS(TAIFileDropPan, TPanel)

  // The owner becomes the panel's parent and must be a windowed control
  // (EInvalidCast otherwise); the panel's window is registered as a drop
  // target at once.
  explicit TAIFileDropPan(TComponent* owner);
  // Revokes the drop-target registration when the panel still has a parent
  // and its window, and AcceptFile is on.
  ~TAIFileDropPan() override;

  bool AcceptFile() const { return FAcceptFile; }
  // Registers (true) or revokes (false) the window as a shell drop target.
  void SetAcceptFile(bool acceptFile);

  const TDragFileEvent& OnDragFile() const { return FOnDragFile; }
  void SetOnDragFile(const TDragFileEvent& onDragFile) { FOnDragFile = onDragFile; }

 protected:
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void WMDropFiles(TMessage& message);

  TDragFileEvent FOnDragFile;
  bool FAcceptFile = false;
  TStringList FFileList;
};
