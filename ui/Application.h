#pragma once
// The application: creates the main form, runs the message loop and shows
// the standard error box for exceptions that escape a message handler or a
// form's OnCreate: a modal message box with a stop icon and an OK button,
// the exception's message as its text and the application's title as its
// caption.
#include <string>

#include "ui/Component.h"
#include "ui/Form.h"

class TApplication : public TComponent {
 public:
  QV_CLASS(TApplication, TComponent)

  TApplication();

  // Creates a form owned by the application; the first one becomes the main
  // form.
  template <class T>
  void CreateForm(T*& reference) {
    reference = TCustomForm::Create<T>(this);
    if (!FMainForm) FMainForm = reference;
  }
  TCustomForm* MainForm() const { return FMainForm; }

  // Shows the main form and handles messages until Terminate.
  void Run();
  // Ends the message loop (the main form was closed).
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // The caption of the application's message boxes: by default the
  // executable's file name without its extension.
  const std::string& Title() const { return FTitle; }

  // How long the mouse rests on something before its hint shows, and how
  // long the hint then stays, in milliseconds.
  int HintPause() const { return FHintPause; }
  void SetHintPause(int pause) { FHintPause = pause; }
  int HintHidePause() const { return FHintHidePause; }
  void SetHintHidePause(int pause) { FHintHidePause = pause; }

  // Shows the error box for the exception being handled; call it in a
  // catch block.
  void HandleException() noexcept;
  void ShowException(const std::string& message) noexcept;

  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  std::string FTitle;
  int FHintPause = 500;
  int FHintHidePause = 2500;
};

// The program's one application object.
TApplication& Application();
