#pragma once
// A list of equally sized images with a transparent colour (a system image
// list), destroyed with the object. It is a component, so that a form can
// own one and its controls refer to it (a tab control's Images); a control
// that refers to a list hears of its removal through Notification.
#include <windows.h>
#include <commctrl.h>

#include "ui/Bitmap.h"
#include "ui/Component.h"

class TImageList : public TComponent {
 public:
  QV_CLASS(TImageList, TComponent)

  explicit TImageList(TComponent* owner, int width = 16, int height = 16);
  TImageList(int width, int height) : TImageList(nullptr, width, height) {}
  ~TImageList() override;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const;
  // Adds the bitmap cut into images of Width() pixels, left to right; pixels
  // of the mask colour become transparent. Returns the first new index, or
  // -1 when nothing could be added.
  int AddMasked(const TBitmap& bitmap, TColor mask);
  void Clear();
  // Draws image index with its transparent pixels left alone; a disabled
  // image embossed in the system's greyed look.
  void Draw(HDC dc, int x, int y, int index, bool enabled = true) const;
  HIMAGELIST Handle() const { return FHandle; }

 private:
  int FWidth;
  int FHeight;
  HIMAGELIST FHandle;
};
