#pragma once
// Status bars: the system's status bar under the status bar's own class
// name ("TStatusBar"), at the bottom of its parent, showing its Panels side
// by side (the last one reaching the right edge), or one SimpleText when
// SimplePanel is set, with a size grip at the right (SizeGrip). A panel of
// the owner-draw style is drawn by OnDrawPanel on the status bar's Canvas.
#include "ui/Canvas.h"
#include "ui/Collection.h"
#include "ui/ControlTypes.h"
#include "ui/WinControl.h"

enum class TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum class TStatusPanelStyle { psText, psOwnerDraw };

class TStatusPanel : public TCollectionItem {
 public:
  QV_CLASS(TStatusPanel, TCollectionItem)

  const std::string& Text() const { return FText; }
  void SetText(const std::string& text);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  TStatusPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TStatusPanelBevel bevel);
  TStatusPanelStyle Style() const { return FStyle; }
  void SetStyle(TStatusPanelStyle style);
  TBiDiMode BiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode mode);

 private:
  static const TPropInfo Published[];

  std::string FText;
  int FWidth = 50;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TStatusPanelBevel FBevel = TStatusPanelBevel::pbLowered;
  TStatusPanelStyle FStyle = TStatusPanelStyle::psText;
  TBiDiMode FBiDiMode = TBiDiMode::bdLeftToRight;
};

class TStatusPanels : public TCollection {
 public:
  QV_CLASS(TStatusPanels, TCollection)

  using TCollection::TCollection;

  TStatusPanel* Add();
  TStatusPanel* Items(int index) const { return static_cast<TStatusPanel*>(TCollection::Items(index)); }
};

class TCustomStatusBar;
using TDrawPanelEvent = TMethod<void(TCustomStatusBar* StatusBar, TStatusPanel* Panel, const RECT& Rect)>;

class TCustomStatusBar : public TWinControl {
 public:
  QV_CLASS(TCustomStatusBar, TWinControl)

  explicit TCustomStatusBar(TComponent* owner);

  TStatusPanels* Panels() const { return FPanels.get(); }
  bool SimplePanel() const { return FSimplePanel; }
  void SetSimplePanel(bool simplePanel);
  const std::string& SimpleText() const { return FSimpleText; }
  void SetSimpleText(const std::string& text);
  bool SizeGrip() const { return FSizeGrip; }
  void SetSizeGrip(bool sizeGrip);
  // Bound to the status bar's device context while OnDrawPanel draws.
  TCanvas& Canvas() { return FCanvas; }

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNDrawItem(const DRAWITEMSTRUCT& item, TMessage& message) override;
  void WndProc(TMessage& message) override;

 private:
  void PanelsChanged(TCollectionItem* item, TCollectionChange change);
  void UpdatePanels();
  void WMSize(TMessage& message);

  std::unique_ptr<TStatusPanels> FPanels;
  bool FSimplePanel = false;
  std::string FSimpleText;
  bool FSizeGrip = true;
  TCanvas FCanvas;
};

class TStatusBar : public TCustomStatusBar {
 public:
  QV_CLASS(TStatusBar, TCustomStatusBar)

  using TCustomStatusBar::TCustomStatusBar;

 private:
  static const TPropInfo Published[];
};
