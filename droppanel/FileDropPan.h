#pragma once
// TAIFileDropPan: a panel that accepts files dragged from the system shell
// and hands the dropped paths to its owner through OnDragFile.
#include <string>
#include <vector>

#include "ui/Panel.h"
#include "ui/Strings.h"

// Called after a drop with the panel and the list of dropped paths, which
// the handler only reads and must not keep beyond the panel's life. A
// handler that opens the files takes their exact names from the panel's
// ExactFileList.
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

  // The list that OnDragFile hands on: the latest drop's paths in the system
  // code page, as the shell spells them there (cut to 254 characters).
  const TStrings* FileList() const { return &FFileList; }
  // The same paths as the shell gives them in full, in UTF-16: the names the
  // files can be opened by, whatever characters they hold.
  const std::vector<std::wstring>& ExactFileList() const { return FExactFileList; }
  // Hands paths given otherwise than by the shell (the program's command
  // line) on as one drop: both lists are replaced and OnDragFile is raised.
  void DropPaths(const std::vector<std::wstring>& paths);

 protected:
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void WMDropFiles(TMessage& message);
  void DragFile();

  TDragFileEvent FOnDragFile;
  bool FAcceptFile = false;
  TStringList FFileList;
  std::vector<std::wstring> FExactFileList;
};
