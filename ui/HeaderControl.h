#pragma once
// Header controls: the system's header (the row of column captions above a
// list) under the header control's own class name ("THeaderControl"),
// showing its Sections side by side. The user widens a section by dragging
// its edge, and clicks a section (OnSectionClick).
#include "ui/Collection.h"
#include "ui/ControlTypes.h"
#include "ui/ImageList.h"
#include "ui/WinControl.h"

class THeaderSection : public TCollectionItem {
 public:
  QV_CLASS(THeaderSection, TCollectionItem)

  const std::string& Text() const { return FText; }
  void SetText(const std::string& text);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment alignment);
  // The icon in the header control's Images; -1 for none.
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int index);

 private:
  friend class THeaderControl;
  static const TPropInfo Published[];

  std::string FText;
  int FWidth = 50;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  int FImageIndex = -1;
};

class THeaderSections : public TCollection {
 public:
  QV_CLASS(THeaderSections, TCollection)

  using TCollection::TCollection;

  THeaderSection* Add();
  THeaderSection* Items(int index) const { return static_cast<THeaderSection*>(TCollection::Items(index)); }
};

class THeaderControl;
using TSectionNotifyEvent = TMethod<void(THeaderControl* HeaderControl, THeaderSection* Section)>;

class THeaderControl : public TWinControl {
 public:
  QV_CLASS(THeaderControl, TWinControl)

  explicit THeaderControl(TComponent* owner);

  THeaderSections* Sections() const { return FSections.get(); }
  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* images);

  void Notification(TComponent* component, TOperation operation) override;

  TSectionNotifyEvent OnSectionClick;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void CNNotify(const NMHDR& header, TMessage& message) override;

 private:
  static const TPropInfo Published[];

  void SectionsChanged(TCollectionItem* item, TCollectionChange change);
  void SetItem(int index, UINT message);

  std::unique_ptr<THeaderSections> FSections;
  TImageList* FImages = nullptr;
};
