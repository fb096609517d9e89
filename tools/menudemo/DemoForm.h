#pragma once
// The menu demo's form: a sizeable window with a main menu of several
// drop-downs (nested sub-menus, separators, checked, disabled and default
// items, shortcuts, images, an item run by an action) read from its stored
// description, a log that records every item chosen, and a popup menu on
// the log built in code. Its skin data component carries the built-in skin.
#include <memory>

#include "skin/data/WinSkinData.h"
#include "ui/Actions.h"
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/Menus.h"
#include "ui/Panel.h"

class TMenuDemoForm : public TForm {
 public:
  QV_CLASS(TMenuDemoForm, TForm)

  using TForm::TForm;

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* FileMenu = nullptr;
  TMenuItem* RecentMenu = nullptr;
  TMenuItem* EditMenu = nullptr;
  TMenuItem* ViewMenu = nullptr;
  TMenuItem* WordWrap = nullptr;
  TMenuItem* HelpMenu = nullptr;
  TAction* ClearLog = nullptr;
  TPanel* Panel1 = nullptr;
  TMemo* Log = nullptr;
  TSkinData* SkinData1 = nullptr;
  // Built in code when the form is created.
  TPopupMenu* LogMenu = nullptr;

  void FormCreate(TObject* Sender);
  // Every item: its caption goes to the log.
  void ItemClick(TObject* Sender);
  void WordWrapClick(TObject* Sender);
  void ExitClick(TObject* Sender);
  void ClearLogExecute(TObject* Sender);
  // Enabled while the log has text.
  void ClearLogUpdate(TObject* Sender);

 protected:
  void ReadState(TReader& reader) override;

 private:
  // A new item under parent, read the way the stored description reads it.
  TMenuItem* Item(TReader& reader, TMenuItem* parent, const std::string& name, const std::string& caption,
                  TShortCut shortCut = 0, int image = -1);
};
