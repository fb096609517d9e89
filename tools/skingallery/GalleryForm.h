#pragma once
// The control gallery: one sizeable form that holds at least one control of
// every family the skin engine draws, each live, so that a skin can be seen
// and tried on all of them at once: push, bitmap, drop-down and speed
// buttons; check boxes and radio buttons in every state; a panel, a group
// box and a radio group; an edit with its spin button and a free up-down
// control; a memo, a list box, a tree view and a list view with scroll
// bars; a combo box and a date picker; a page control and a tab control
// with its tabs at the bottom; progress and track bars standing and lying;
// a header control; a scroll bar; a status bar with panels and a size grip;
// a main menu and popup menus.
//
// The Skin menu switches the skin data given to the form (SetSkinData)
// between the built-in skin, the packages beside the program and a package
// chosen with the open dialog; the status bar names the skin in use.
#include <string>
#include <vector>

#include "tools/skingallery/MenuButton.h"
#include "ui/BitBtn.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/DateTimePicker.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/HeaderControl.h"
#include "ui/ListBox.h"
#include "ui/ListView.h"
#include "ui/Memo.h"
#include "ui/Menus.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"
#include "ui/RadioGroup.h"
#include "ui/ScrollBar.h"
#include "ui/SpeedButton.h"
#include "ui/StatusBar.h"
#include "ui/TabControl.h"
#include "ui/TrackBar.h"
#include "ui/TreeView.h"
#include "ui/UpDown.h"

class TSkinData;

class TGalleryForm : public TForm {
 public:
  QV_CLASS(TGalleryForm, TForm)

  using TForm::TForm;

  // The skin the Skin menu switches; none leaves the menu without effect.
  void SetSkinData(TSkinData* data) { FSkinData = data; }
  // Switches to the package at path (empty: the built-in skin); false, the
  // reason shown to the user, when the file is not a skin package.
  bool ChooseSkin(const std::string& path);

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* SkinMenu = nullptr;
  TPopupMenu* PanelMenu = nullptr;
  TPopupMenu* DropMenu = nullptr;

  TPanel* ButtonPanel = nullptr;
  TButton* PushButton = nullptr;
  TBitBtn* BitButton = nullptr;
  TMenuButton* DropButton = nullptr;
  TSpeedButton* SpeedButtons[3] = {};

  TGroupBox* StateGroup = nullptr;
  TCheckBox* CheckBoxes[4] = {};
  TRadioButton* RadioButtons[3] = {};
  TRadioGroup* RadioGroup1 = nullptr;

  TEdit* SpinEdit = nullptr;
  TUpDown* SpinButton = nullptr;
  TUpDown* FreeUpDown = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TDateTimePicker* DatePicker = nullptr;

  TMemo* Memo1 = nullptr;
  TListBox* ListBox1 = nullptr;
  TTreeView* TreeView1 = nullptr;
  TListView* ListView1 = nullptr;
  THeaderControl* Header1 = nullptr;
  TScrollBar* ScrollBar1 = nullptr;

  TPageControl* PageControl1 = nullptr;
  TTabSheet* Sheets[3] = {};
  TTabControl* TabControl1 = nullptr;
  TProgressBar* Progress = nullptr;
  TProgressBar* StandingProgress = nullptr;
  TTrackBar* Track = nullptr;
  TTrackBar* StandingTrack = nullptr;

  TStatusBar* StatusBar1 = nullptr;

 protected:
  void ReadState(TReader& reader) override;

 private:
  void BuildMenus(TReader& reader);
  void BuildButtons(TReader& reader);
  void BuildStates(TReader& reader);
  void BuildInputs(TReader& reader);
  void BuildLists(TReader& reader);
  void BuildPagesAndBars(TReader& reader);
  // The Skin menu: the built-in skin, the packages beside the program, the
  // open dialog.
  void BuildSkinMenu(TReader& reader);

  void SkinItemClick(TObject* Sender);
  void OpenSkinClick(TObject* Sender);
  void ExitClick(TObject* Sender);
  void ReportClick(TObject* Sender);
  void TrackChange(TObject* Sender);
  void ScrollChange(TObject* Sender);

  TSkinData* FSkinData = nullptr;
  // The Skin menu's items and the package each stands for ("" built-in).
  std::vector<std::pair<TMenuItem*, std::string>> FSkinItems;
};
