#pragma once
// Popup menus: a component holding a flat list of menu items, shown at a
// screen point. The system draws the items unless the menu is owner-drawn:
// then each item is measured and drawn by its own OnMeasureItem and
// OnDrawItem handlers or, where it has none, by the framework's plain
// drawing (the system's menu colours and font, the item's image or check
// mark, its caption and, after a tab, its shortcut; "-" is a separator).
// Choosing an item runs its OnClick after the menu has closed.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/Canvas.h"
#include "ui/Component.h"

class TImageList;

class TMenuItem;
using TMenuMeasureItemEvent = TMethod<void(TObject* Sender, TCanvas& ACanvas, int& Width, int& Height)>;
using TMenuDrawItemEvent = TMethod<void(TObject* Sender, TCanvas& ACanvas, RECT ARect, bool Selected)>;

class TMenuItem : public TComponent {
  QV_CLASS(TMenuItem, TComponent)

  using TComponent::TComponent;

  const std::string& Caption() const { return FCaption; }
  void SetCaption(const std::string& caption) { FCaption = caption; }
  bool IsLine() const { return FCaption == "-"; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled) { FEnabled = enabled; }
  bool Checked() const { return FChecked; }
  void SetChecked(bool checked) { FChecked = checked; }
  // Index into the menu's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index) { FImageIndex = index; }

  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TMenuDrawItemEvent OnDrawItem;

 private:
  std::string FCaption;
  bool FEnabled = true;
  bool FChecked = false;
  int FImageIndex = -1;
};

class TPopupMenu : public TComponent {
  QV_CLASS(TPopupMenu, TComponent)

  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;

  // A new item at the end, owned by the menu.
  TMenuItem* Add(const std::string& caption);
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const;
  void Clear();

  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool ownerDraw) { FOwnerDraw = ownerDraw; }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images) { FImages = images; }

  // Shows the menu with its top-left corner at the screen point and tracks
  // it until it closes; then runs the chosen item's OnClick.
  void Popup(int x, int y);

  // The plain look of an owner-drawn item.
  void MeasurePlainItem(const TMenuItem& item, TCanvas& canvas, int& width, int& height) const;
  void DrawPlainItem(const TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected) const;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void MeasureItem(MEASUREITEMSTRUCT& measure);
  void DrawItem(const DRAWITEMSTRUCT& draw);
  HWND Window();

  std::vector<TMenuItem*> FItems;
  bool FOwnerDraw = false;
  TImageList* FImages = nullptr;
  // Receives the menu's measure and draw messages while it is shown.
  HWND FWindow = nullptr;
};

// The font the system draws menus with, made once.
HFONT MenuFont();
