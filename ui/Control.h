#pragma once
// Controls: components with a parent, bounds, alignment, colour, font, text,
// visibility and enabled state, that receive their window messages through
// a replaceable WindowProc. WindowProc starts as the control's own WndProc;
// whoever replaces it keeps the previous one and passes on what it does not
// handle (a skin wrapper does so). Every control in this program is windowed
// (TWinControl); this class holds what does not need a window.
#include <windows.h>

#include <memory>
#include <string>

#include "ui/Color.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Messages.h"
#include "ui/Method.h"

class TPopupMenu;
class TWinControl;

class EInvalidOperation : public Exception {
 public:
  using Exception::Exception;
};

// How a control is laid out in its parent's client area.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

using TWndMethod = TMethod<void(TMessage& Message)>;

class TControl : public TComponent {
 public:
  QV_CLASS(TControl, TComponent)

  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  // Moves the control into the parent's controls (nullptr: out of any).
  void SetParent(TWinControl* parent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int left) { SetBounds(left, FTop, FWidth, FHeight); }
  void SetTop(int top) { SetBounds(FLeft, top, FWidth, FHeight); }
  void SetWidth(int width) { SetBounds(FLeft, FTop, width, FHeight); }
  void SetHeight(int height) { SetBounds(FLeft, FTop, FWidth, height); }
  // In the parent's client coordinates (a form: on the screen).
  virtual void SetBounds(int left, int top, int width, int height);

  // The client area in client coordinates.
  virtual RECT ClientRect() const;
  int ClientWidth() const;
  int ClientHeight() const;
  // Resizes the control so that its client area gets the given size.
  void SetClientWidth(int width);
  void SetClientHeight(int height);

  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign align);
  TColor Color() const { return FColor; }
  void SetColor(TColor color);
  TFont* Font() const { return FFont.get(); }
  void SetFont(const TFont* font);
  // The control takes its parent's font, and follows it, until its own font
  // is changed.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool parentFont);
  // The caption of a form or panel, the text of an edit.
  virtual std::string Text() const { return FText; }
  virtual void SetText(const std::string& text);
  std::string Caption() const { return Text(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  // Shown by a right click on the control or the context-menu key; a
  // popup menu that goes leaves the controls that show it.
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* menu);

  const TWndMethod& WindowProc() const { return FWindowProc; }
  void SetWindowProc(const TWndMethod& windowProc) { FWindowProc = windowProc; }
  // Sends a message to the control through its WindowProc; returns the result.
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void Invalidate();

 protected:
  // The control's own message handling: one switch over the messages it
  // handles, everything else to DefaultHandler.
  virtual void WndProc(TMessage& message);
  // What the control does with a message nobody handles: nothing here; a
  // windowed control calls its window class's procedure.
  virtual void DefaultHandler(TMessage& message);
  // Asks the parent to lay out its aligned controls again when this one is
  // aligned.
  void RequestAlign();
  void StoreBounds(int left, int top, int width, int height);
  void StoreText(const std::string& text) { FText = text; }

 private:
  friend class TWinControl;
  static const TPropInfo Published[];

  void FontChanged(TObject* sender);
  void CMParentFontChanged(TMessage& message);
  void WMContextMenu(TMessage& message);

  TWinControl* FParent = nullptr;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  TAlign FAlign = TAlign::alNone;
  TColor FColor = SystemColor(COLOR_WINDOW);
  std::unique_ptr<TFont> FFont;
  bool FParentFont = true;
  bool FTakingParentFont = false;
  std::string FText;
  bool FVisible = true;
  bool FEnabled = true;
  TPopupMenu* FPopupMenu = nullptr;
  TWndMethod FWindowProc;
};
