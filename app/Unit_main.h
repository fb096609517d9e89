#pragma once
// The main form: a fixed dialog that stays on top, whose drop panel fills
// the client area and carries a read-only memo. At start-up the memo
// invites the user to drop a file and tells how many file types the
// database knows; each drop replaces its text with the verdict on the first
// dropped file. Its skin data component carries the program's skin.
#include "droppanel/FileDropPan.h"
#include "skin/data/WinSkinData.h"
#include "ui/Form.h"
#include "ui/Memo.h"

class TForm_main : public TForm {
 public:
  QV_CLASS(TForm_main, TForm)

  using TForm::TForm;

  TAIFileDropPan* AIFileDropPan1 = nullptr;
  TMemo* Memo1 = nullptr;
  // Draws the form and its controls with the skin stored in the program.
  TSkinData* SkinData1 = nullptr;

  // Appends the number of records of ext.dat to the memo; raises when the
  // database cannot be opened.
  void FormCreate(TObject* Sender);
  // Identifies the first dropped file and shows the verdict in seven lines.
  // Errors of a database that exists but cannot be read leave the memo as
  // it was and reach the caller.
  void AIFileDropPan1DragFile(TComponent* Sender, const TStrings* FileList);

 protected:
  void ReadState(TReader& reader) override;
};

// The program's main form, once created.
extern TForm_main* Form_main;
