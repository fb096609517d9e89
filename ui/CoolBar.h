#pragma once
// Cool bars: the system's rebar under the cool bar's own class name
// ("TCoolBar"), a stack of Bands that each hold a control (a tool bar, an
// edit) with a caption, which the user drags to arrange.
#include "ui/Collection.h"
#include "ui/WinControl.h"

class TCoolBar;

class TCoolBand : public TCollectionItem {
 public:
  QV_CLASS(TCoolBand, TCollectionItem)

  // The control in the band, not owned; it becomes a child of the bar.
  TWinControl* Control() const { return FControl; }
  void SetControl(TWinControl* control);
  const std::string& Text() const { return FText; }
  void SetText(const std::string& text);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int height);
  // The band's background.
  TColor Color() const { return FColor; }
  void SetColor(TColor color);

 private:
  friend class TCoolBar;
  friend class TCoolBands;
  static const TPropInfo Published[];

  TCoolBar* FCoolBar = nullptr;
  TWinControl* FControl = nullptr;
  std::string FText;
  int FWidth = 100;
  int FMinHeight = 25;
  TColor FColor = SystemColor(COLOR_BTNFACE);
};

class TCoolBands : public TCollection {
 public:
  QV_CLASS(TCoolBands, TCollection)

  using TCollection::TCollection;

  TCoolBand* Add();
  TCoolBand* Items(int index) const { return static_cast<TCoolBand*>(TCollection::Items(index)); }

 private:
  friend class TCoolBar;
  TCoolBar* FCoolBar = nullptr;
};

class TCoolBar : public TWinControl {
 public:
  QV_CLASS(TCoolBar, TWinControl)

  explicit TCoolBar(TComponent* owner);

  TCoolBands* Bands() const { return FBands.get(); }

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;

 private:
  static const TPropInfo Published[];

  void BandsChanged(TCollectionItem* item, TCollectionChange change);
  void SetBand(int index, UINT message);

  std::unique_ptr<TCoolBands> FBands;
};
