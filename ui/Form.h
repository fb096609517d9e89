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
#include <memory>

#include "ui/Reader.h"
#include "ui/WinControl.h"

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

  RECT ClientRect() const override;
  // Hides the form; closing the application's main form ends the program.
  void Close();

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
  void CMVisibleChanged(TMessage& message);

  TFormBorderStyle FBorderStyle = TFormBorderStyle::bsSizeable;
  TFormStyle FFormStyle = TFormStyle::fsNormal;
  TPosition FPosition = TPosition::poDesigned;
  bool FPositioned = false;
};

class TForm : public TCustomForm {
 public:
  QV_CLASS(TForm, TCustomForm)

  using TCustomForm::TCustomForm;
};
