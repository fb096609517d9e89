#include "ui/ImageList.h"

#include "ui/Handles.h"

QV_CLASS_INFO(TImageList, {});

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner),
      FWidth(width),
      FHeight(height),
      FHandle(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4)) {}

TImageList::~TImageList() {
  if (FHandle) ImageList_Destroy(FHandle);
}

int TImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

int TImageList::AddMasked(const TBitmap& bitmap, TColor mask) {
  if (!FHandle || bitmap.Empty()) return -1;
  // The list selects the bitmap into its own context, so it gets a copy
  // that no canvas holds.
  TBitmap copy;
  copy.Assign(bitmap);
  return ImageList_AddMasked(FHandle, copy.Handle(), static_cast<COLORREF>(ColorToRGB(mask)));
}

void TImageList::Clear() {
  if (FHandle) ImageList_Remove(FHandle, -1);
}

void TImageList::Draw(HDC dc, int x, int y, int index, bool enabled) const {
  if (!FHandle) return;
  if (enabled) {
    ImageList_Draw(FHandle, index, dc, x, y, ILD_TRANSPARENT);
    return;
  }
  const TIconHandle icon(ImageList_GetIcon(FHandle, index, ILD_TRANSPARENT));
  if (icon)
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.Get()), 0, x, y, FWidth, FHeight,
               DST_ICON | DSS_DISABLED);
}
