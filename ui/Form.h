#pragma once
// Forms: top-level windows with a border style, a form style, a position
// rule and an OnCreate event.
//
// A form is built the way its stored description would build it:
// TCustomForm::Create<T> constructs it, then ReadState creates its
// components in their stored order and assigns the stored properties while
// all of them are in the loading state (TReader), then each gets Loaded, and
// finally OnCreate runs. An exception that escapes OnCreate is shown in the
// application's error box and the form is still created.
//
// A form may show a main menu as its menu bar (Menu): the form's window
// runs the menu's commands, opens its drop-downs and draws its owner-drawn
// items. ShowModal shows a form as a modal dialog: the program's other
// windows are disabled until the form is closed or given a ModalResult.
#include <memory>

#include "ui/Reader.h"
#include "ui/WinControl.h"

class TMainMenu;

// What closed a modal form; 0 while it is open.
using TModalResult = int;
enum : TModalResult { mrNone = 0, mrOk = IDOK, mrCancel = IDCANCEL };

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TFormStyle { fsNormal, fsStayOnTop };
// Where the form is first shown: at its stored Left and Top, or centred on
// the primary screen or on the whole desktop.
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };

class TCustomForm : public TWinControl {
 public:
  QV_CLASS(TCustomForm, TWinControl)

  // A form of class T with its stored components and properties, after its
  // OnCreate. T's constructor takes the owner.
  template <class T>
  static T* Create(TComponent* owner) {
    auto form = std::make_unique<T>(owner);
    static_cast<TCustomForm&>(*form).ReadForm();
    return form.release();
  }

  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle borderStyle);
  TFormStyle FormStyle() const { return FFormStyle; }
  void SetFormStyle(TFormStyle formStyle);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition position) { FPosition = position; }

  // The menu bar; a menu shows on one form at a time.
  TMainMenu* Menu() const { return FMenu; }
  void SetMenu(TMainMenu* menu);

  RECT ClientRect() const override;
  // Hides the form; closing the application's main form ends the program,
  // closing a modal form ends ShowModal with mrCancel.
  void Close();

  // Shows the form, disables the thread's other windows and handles
  // messages until the form gets a ModalResult or is hidden; returns the
  // result (mrCancel when it was hidden).
  TModalResult ShowModal();
  // The form is being shown by ShowModal.
  bool Modal() const { return FModal; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult result) { FModalResult = result; }

  TNotifyEvent OnCreate;

 protected:
  // Creates the stored components and assigns the stored properties of the
  // form and its components; the form's class overrides it.
  virtual void ReadState(TReader& reader);

  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void ReadForm();
  void DoCreate();
  void WindowStyles(DWORD& style, DWORD& exStyle) const;
  void MoveToPosition();

  void WMClose(TMessage& message);
  void WMDestroy(TMessage& message);
  void WMCommand(TMessage& message);
  void WMInitMenuPopup(TMessage& message);
  void WMMeasureItem(TMessage& message);
  void WMDrawItem(TMessage& message);
  void CMMenuChanged(TMessage& message);
  void CMVisibleChanged(TMessage& message);

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  TPosition FPosition = TPosition::poDesigned;
  bool FPositioned = false;
  TMainMenu* FMenu = nullptr;
  bool FModal = false;
  TModalResult FModalResult = mrNone;
};

class TForm : public TCustomForm {
 public:
  QV_CLASS(TForm, TCustomForm)

  using TCustomForm::TCustomForm;
};
