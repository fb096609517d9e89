#pragma once
// Tool bars: the system's tool bar under the tool bar's own class name
// ("TToolBar"), a row of buttons with icons from Images (and captions with
// ShowCaptions). Its buttons are TToolButton controls put into it: each
// stands for one button of the window, which draws it and takes the mouse;
// the control follows the button's place. A click on a button calls the
// button's Click (OnClick); a check button stays Down until clicked again.
// OnCustomDraw and OnCustomDrawButton may draw the bar's background and its
// buttons on the bar's Canvas, and say whether the system draws too.
#include <cstdint>
#include <vector>

#include "ui/Canvas.h"
#include "ui/GraphicControl.h"
#include "ui/ImageList.h"
#include "ui/WinControl.h"

class TToolBar;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TToolButton : public TGraphicControl {
 public:
  QV_CLASS(TToolButton, TGraphicControl)

  explicit TToolButton(TComponent* owner);

  // The tool bar the button is in (its parent), or nullptr.
  TToolBar* ToolBar() const;
  TToolButtonStyle Style() const { return FStyle; }
  void SetStyle(TToolButtonStyle style);
  // The icon in the tool bar's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);
  // A check button that is pressed in.
  bool Down() const;
  void SetDown(bool down);

 protected:
  void WndProc(TMessage& message) override;

 private:
  friend class TToolBar;
  static const TPropInfo Published[];

  void CMChanged(TMessage& message);

  TToolButtonStyle FStyle = TToolButtonStyle::tbsButton;
  int FImageIndex = -1;
  bool FDown = false;
  // The window's identifier of the button.
  int FCommand = 0;
};

// The state of a button being drawn (a set).
using TCustomDrawState = std::uint16_t;
enum : TCustomDrawState {
  cdsSelected = 1,
  cdsGrayed = 2,
  cdsDisabled = 4,
  cdsChecked = 8,
  cdsFocused = 16,
  cdsDefault = 32,
  cdsHot = 64,
  cdsMarked = 128,
  cdsIndeterminate = 256
};

using TTBCustomDrawEvent = TMethod<void(TToolBar* Sender, const RECT& ARect, bool& DefaultDraw)>;
using TTBCustomDrawBtnEvent =
    TMethod<void(TToolBar* Sender, TToolButton* Button, TCustomDrawState State, bool& DefaultDraw)>;

class TToolBar : public TWinControl {
 public:
  QV_CLASS(TToolBar, TWinControl)

  explicit TToolBar(TComponent* owner);

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TToolButton* Buttons(int index) const;
  // The buttons have no edge until the mouse is over them.
  bool Flat() const { return FFlat; }
  void SetFlat(bool flat);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool show);
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);
  // Bound to the bar's device context while the custom-draw events draw.
  TCanvas& Canvas() { return FCanvas; }

  void Notification(TComponent* component, TOperation operation) override;

  TTBCustomDrawEvent OnCustomDraw;
  TTBCustomDrawBtnEvent OnCustomDrawButton;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  // The window takes the mouse over its buttons itself.
  TControl* GraphicControlAt(POINT point) const override;
  void CNNotify(const NMHDR& header, TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  friend class TToolButton;
  static const TPropInfo Published[];

  int IndexOfButton(const TControl* button) const;
  TToolButton* ButtonOfCommand(int command) const;
  void AddButton(TToolButton& button);
  // Puts the button's state, icon and caption into the window.
  void UpdateButton(TToolButton& button);
  // Every button control takes its button's place.
  void PlaceButtons();
  void CMControlListChange(TMessage& message);
  void CNCommand(TMessage& message);
  LRESULT CustomDraw(const NMTBCUSTOMDRAW& draw);

  std::vector<TToolButton*> FButtons;
  int FNextCommand = 1;
  bool FFlat = true;
  bool FShowCaptions = false;
  TImageList* FImages = nullptr;
  TCanvas FCanvas;
};
