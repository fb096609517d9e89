// The window object's menu items: owner drawing switched on and off for the
// form's menus, and menu items measured and drawn from the skin's MenuItem
// element over the background of the popup window that shows them.
//
// An item's face is composed in a bitmap of the item's size (the popup's
// background at the item's place, the element's frame, the image or check
// mark, the caption and the shortcut) and copied to the menu in one
// transfer.
#include <algorithm>
#include <string>
#include <utility>

#include "skin/data/SkinUtil.h"
#include "skin/data/WinSkinData.h"
#include "skin/window/SkinDraw.h"
#include "skin/window/SkinManage.h"
#include "skin/window/WinSkinForm.h"
#include "skin/window/WinSkinMenu.h"
#include "ui/Form.h"
#include "ui/Gdi.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace {

int WidthOf(const RECT& r) { return r.right - r.left; }
int HeightOf(const RECT& r) { return r.bottom - r.top; }

// MenuItem frames: 1 normal, 2 separator, 4 selected.
constexpr int kItemFrames = 5, kNormalFrame = 1, kSeparatorFrame = 2, kSelectedFrame = 4;
// The highest command identifier that a window's own menus use; above are
// the system's commands.
constexpr UINT kLastWindowCommand = 4095;
constexpr UINT kTextMeasure = DT_CALCRECT | DT_EXPANDTABS | DT_SINGLELINE;
constexpr UINT kTextDraw = DT_EXPANDTABS | DT_SINGLELINE;
// The system's check-mark bitmap (OBM_CHECK).
constexpr WORD kCheckMark = 0x7FF8;

TMenuDrawItemEvent SkinDraw(TWinSkinForm* form) { return TMenuDrawItemEvent::Of<&TWinSkinForm::DrawSkinItem>(form); }

// Every item below the given one, at depth 1 for its sub-items.
template <class Visit>
void ForEachItem(TMenuItem& parent, Visit visit, int depth = 1) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem& item = *parent.Items(i);
    visit(item, depth);
    ForEachItem(item, visit, depth + 1);
  }
}

// The menus of the component and of the components of the frames and
// forms it owns.
template <class Menu, class Visit>
void ForEachMenu(TComponent& owner, Visit visit) {
  for (int i = 0; i < owner.ComponentCount(); ++i) {
    TComponent* component = owner.Components(i);
    if (auto* menu = dynamic_cast<Menu*>(component))
      visit(*menu);
    else if (dynamic_cast<TWinControl*>(component))
      ForEachMenu<Menu>(*component, visit);
  }
}

// The system's check mark in the ink colour on magenta.
std::unique_ptr<TBitmap> CheckMark(COLORREF ink) {
  const TBitmapHandle check(LoadBitmapA(nullptr, MAKEINTRESOURCEA(kCheckMark)));
  BITMAP info{};
  if (!check || !GetObjectA(check.Get(), sizeof info, &info)) return nullptr;
  auto mark = std::make_unique<TBitmap>(info.bmWidth, info.bmHeight);
  const HDC dc = mark->Canvas().Handle();
  const TMemoryDC source;
  const TSelectObject select(source.Get(), check.Get());
  // The mark's 0 bits take the text colour, its 1 bits the background.
  SetTextColor(dc, ink);
  SetBkColor(dc, static_cast<COLORREF>(kSkinKeyColour));
  BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source.Get(), 0, 0, SRCCOPY);
  return mark;
}

// Fills the rectangle with a dither of the two colours.
void FillDither(HDC dc, const RECT& rect, TColor a, TColor b) {
  const WORD pattern[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
  const TBitmapHandle bits(CreateBitmap(8, 8, 1, 1, pattern));
  const TBrushHandle brush(CreatePatternBrush(bits.Get()));
  const COLORREF oldText = SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(a)));
  const COLORREF oldBack = SetBkColor(dc, static_cast<COLORREF>(ColorToRGB(b)));
  FillRect(dc, &rect, brush.Get());
  SetTextColor(dc, oldText);
  SetBkColor(dc, oldBack);
}

// The menu font, in bold for a default item.
TFontHandle ItemFont(bool bold) {
  LOGFONTA font{};
  GetObjectA(MenuFont(), sizeof font, &font);
  if (bold) font.lfWeight = FW_BOLD;
  return TFontHandle(CreateFontIndirectA(&font));
}

TImageList* ImagesOf(const TMenuItem& item) {
  const TMenu* menu = item.GetParentMenu();
  return menu ? menu->Images() : nullptr;
}

}  // namespace

void TWinSkinForm::SetPopupMenusOwnerDraw(bool on) {
  if (!FForm || FForm->ClassName() == "TwwRichEditForm") return;
  const TMenuDrawItemEvent draw = SkinDraw(this);
  const auto measure = TMenuMeasureItemEvent::Of<&TWinSkinForm::MeasurePopupItem>(this);
  ForEachMenu<TPopupMenu>(*FForm, [&](TPopupMenu& menu) {
    if (menu.Tag() == FSkinData->DisableTag()) return;
    menu.SetOwnerDraw(on);
    ForEachItem(*menu.Items(), [&](TMenuItem& item, int) {
      if (on) {
        // An item with a drawing of its own keeps it.
        if (!item.OnDrawItem) item.OnDrawItem = draw;
        if (!item.OnMeasureItem) item.OnMeasureItem = measure;
      } else {
        if (item.OnDrawItem == draw) item.OnDrawItem = {};
        if (item.OnMeasureItem == measure) item.OnMeasureItem = {};
      }
    });
  });
}

void TWinSkinForm::SetMainMenuOwnerDraw(bool on) {
  if (!FForm) return;
  const TMenuDrawItemEvent draw = SkinDraw(this);
  const auto measure = TMenuMeasureItemEvent::Of<&TWinSkinForm::MeasureMainItem>(this);
  ForEachMenu<TMainMenu>(*FForm, [&](TMainMenu& menu) {
    menu.SetOwnerDraw(on);
    ForEachItem(*menu.Items(), [&](TMenuItem& item, int depth) {
      // The bar's own items are drawn by the menu bar.
      if (depth < 2) return;
      if (on && !item.OnDrawItem) {
        item.OnDrawItem = draw;
        item.OnMeasureItem = measure;
      } else if (!on && item.OnDrawItem == draw) {
        item.OnDrawItem = {};
        if (item.OnMeasureItem == measure) item.OnMeasureItem = {};
      }
    });
  });
}

void TWinSkinForm::MeasureMainItem(TObject* sender, TCanvas& canvas, int& width, int& height) {
  auto& item = *static_cast<TMenuItem*>(sender);
  {
    // The item measures itself without its handler (this one, usually).
    const TMenuMeasureItemEvent own = std::exchange(item.OnMeasureItem, {});
    item.MeasureItem(canvas, width, height);
    item.OnMeasureItem = own;
  }
  if (FSkinData->FMenuItem) width += FSkinData->FMenuItem->FMargins.left;
  width += 10;
  if (!ImagesOf(item)) width += 25;
}

void TWinSkinForm::MeasurePopupItem(TObject* sender, TCanvas&, int& width, int&) {
  const auto& item = *static_cast<const TMenuItem*>(sender);
  if (FSkinData->FMenuItem) width += FSkinData->FMenuItem->FMargins.left;
  width += 12;
  if (!ImagesOf(item)) width += 23;
}

void TWinSkinForm::DrawSkinItem(TObject* sender, TCanvas& canvas, RECT rect, bool selected) {
  auto& item = *static_cast<TMenuItem*>(sender);
  TSkinManage* manager = SkinManager();
  if (manager) manager->MarkPopupMenus();
  if (!FSkinData->FMenuItem) return DrawPlainItem(item, canvas, rect, selected);
  const HMENU menu = item.Parent() ? item.Parent()->Handle() : nullptr;
  if (menu && manager) manager->SetPopupMenuHandle(menu);
  ComposeItem(item, canvas, rect, selected, menu, false);
}

void TWinSkinForm::DrawNativeItem(TMenuItem& item, TCanvas& canvas, RECT rect, bool selected, HMENU menu) {
  if (!FSkinData->FMenuItem) return DrawPlainItem(item, canvas, rect, selected);
  ComposeItem(item, canvas, rect, selected, menu, true);
}

void TWinSkinForm::ComposeItem(TMenuItem& item, TCanvas& canvas, const RECT& rect, bool selected, HMENU menu,
                               bool separatorAsItem) {
  const int w = WidthOf(rect), h = HeightOf(rect);
  if (w <= 0 || h <= 0) return;
  TBitmap face(w, h);
  TCanvas& faceCanvas = face.Canvas();
  const HDC dc = faceCanvas.Handle();
  // The popup's background at the item's place.
  POINT offset{};
  const TSkinManage* manager = SkinManager();
  TBitmap* background = manager && menu ? manager->FindPopupMenuBitmap(menu, &offset) : nullptr;
  if (background && !background->Empty()) {
    BitBlt(dc, 0, 0, w, h, background->Canvas().Handle(), rect.left + offset.x, rect.top + offset.y, SRCCOPY);
  } else {
    faceCanvas.SetBrushColor(FSkinData->FColours[scMenu]);
    faceCanvas.FillRect(RECT{0, 0, w, h});
  }
  const RECT whole{0, 0, w, h};
  TDataSkinObject& element = *FSkinData->FMenuItem;
  if (item.IsLine() && !separatorAsItem) {
    DrawSeparator(faceCanvas, whole);
  } else {
    DrawNineGrid(dc, whole, element.FBitmap, false, element.FTile != 0, element.FTrans != 0, kItemFrames,
                 selected ? kSelectedFrame : kNormalFrame, element.FMargins);
    DrawItemContent(item, faceCanvas, whole, selected);
  }
  BitBlt(canvas.Handle(), rect.left, rect.top, w, h, dc, 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawPlainItem(TMenuItem& item, TCanvas& canvas, RECT rect, bool selected) {
  const int w = WidthOf(rect), h = HeightOf(rect);
  if (w <= 0 || h <= 0) return;
  TBitmap face(w, h);
  face.Canvas().SetBrushColor(FSkinData->FColours[selected ? scHilight : scMenu]);
  face.Canvas().FillRect(RECT{0, 0, w, h});
  DrawItemContent(item, face.Canvas(), RECT{0, 0, w, h}, selected);
  BitBlt(canvas.Handle(), rect.left, rect.top, w, h, face.Canvas().Handle(), 0, 0, SRCCOPY);
}

void TWinSkinForm::DrawItemContent(TMenuItem& item, TCanvas& canvas, RECT rect, bool selected) {
  const HDC dc = canvas.Handle();
  const int leftWidth = FSkinData->FMenuItem ? FSkinData->FMenuItem->FMargins.left : 0;
  const TImageList* images = ImagesOf(item);
  int size = images ? images->Width() : 16;
  if (item.Checked()) size = std::max(size, 16);
  // The image column, mirrored for a right-to-left menu.
  RECT column{rect.left + 1 + leftWidth, rect.top + 1, rect.left + 1 + leftWidth + size, rect.bottom - 1};
  if (FRightToLeft) column = RECT{rect.right - 1 - leftWidth - size, column.top, rect.right - 1 - leftWidth, column.bottom};

  const auto& colours = FSkinData->FColours;
  COLORREF ink = static_cast<COLORREF>(ColorToRGB(colours[selected ? scHilightText : scMenuText]));
  if (!item.Enabled()) {
    ink = colours[scButtonShadow] == colours[scMenuText] ? GetSysColor(COLOR_BTNSHADOW)
                                                         : static_cast<COLORREF>(ColorToRGB(colours[scButtonShadow]));
  }
  if (!item.IsLine()) {
    const bool image = images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();
    if (image) {
      if (item.Checked()) {
        FillDither(dc, column, colours[scButtonFace], colours[scButtonHilight]);
        DrawEdge(dc, &column, BDR_SUNKENOUTER, BF_RECT);
      }
      images->Draw(dc, column.left + (WidthOf(column) - images->Width()) / 2,
                   column.top + (HeightOf(column) - images->Height()) / 2, item.ImageIndex(), item.Enabled());
    } else if (item.Checked()) {
      if (const std::unique_ptr<TBitmap> mark = CheckMark(ink)) {
        const int x = column.left + (WidthOf(column) - mark->Width()) / 2;
        const int y = column.top + (HeightOf(column) - mark->Height()) / 2;
        DrawTransparent(dc, RECT{x, y, x + mark->Width(), y + mark->Height()}, *mark, kSkinKeyColour);
      }
    }
  }

  RECT text{column.right + 3, rect.top, rect.right - 1, rect.bottom};
  if (FRightToLeft) text = RECT{rect.left + 1, rect.top, column.left - 3, rect.bottom};
  const std::wstring caption = AnsiToWide(item.DisplayCaption());
  if (caption == L"-") {
    RECT line{text.left, rect.top + 4, text.right, rect.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  const TFontHandle font = ItemFont(item.Default());
  const TSelectObject selectFont(dc, font.Get());
  // An empty caption, or "&" alone (the prefix of nothing), is as high as a
  // blank.
  RECT measured = text;
  DrawSkinText(dc, caption.empty() || caption == L"&" ? caption + L" " : caption, measured, kTextMeasure);
  const int textHeight = HeightOf(measured);
  text.top = rect.top + (HeightOf(rect) - textHeight) / 2;
  text.bottom = text.top + textHeight;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ink);
  RECT drawn = text;
  DrawSkinText(dc, caption, drawn, kTextDraw | (FRightToLeft ? DT_RIGHT | DT_RTLREADING : 0));
  const std::wstring shortcut = AnsiToWide(item.ShortCutText());
  if (!shortcut.empty()) {
    RECT place = FRightToLeft ? RECT{rect.left + 10, text.top, text.right - WidthOf(measured), text.bottom}
                              : RECT{text.left + WidthOf(measured), text.top, rect.right - 10, text.bottom};
    DrawSkinText(dc, shortcut, place, DT_SINGLELINE | (FRightToLeft ? DT_LEFT : DT_RIGHT));
  }
  SetBkMode(dc, oldMode);
}

void TWinSkinForm::DrawSeparator(TCanvas& canvas, RECT rect) {
  TDataSkinObject& element = *FSkinData->FMenuItem;
  const int w = WidthOf(rect), h = HeightOf(rect);
  const TFrame frame = SelectFrame(element.FBitmap, false, kItemFrames, kSeparatorFrame);
  if (w <= 0 || h <= 0 || frame.Height <= 0) return;
  TBitmap line(w, h);
  line.Canvas().SetBrushColor(kSkinKeyColour);
  line.Canvas().FillRect(RECT{0, 0, w, h});
  // Bottom-aligned in an item lower than the frame.
  const int y = h < frame.Height ? h - frame.Height : 0;
  DrawStretchedEnds(line.Canvas().Handle(), RECT{0, y, w, y + frame.Height}, element.FBitmap, false, kItemFrames,
                    kSeparatorFrame, RECT{element.FMargins.left, 0, element.FMargins.right, 0});
  DrawTransparent(canvas.Handle(), rect, line, kSkinKeyColour);
}

void TWinSkinForm::OnMeasureItem(TMessage& message) {
  auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
  if (measure.CtlType != ODT_MENU || !FWindowMenu) return Default(message);
  const TWindowDC window(FHandle);
  const TSelectObject font(window.Get(), MenuFont());
  if (FForm) {
    TMainMenu* menu = FMenuBar ? FMenuBar->FMenu : nullptr;
    if (TMenuItem* item = menu ? menu->FindItemByCommand(measure.itemID) : nullptr) {
      TCanvas canvas(window.Get());
      int width = 0, height = 0;
      MeasureMainItem(item, canvas, width, height);
      measure.itemWidth = static_cast<UINT>(std::max(width, 0));
      measure.itemHeight = static_cast<UINT>(std::max(height, 0));
      message.Result = TRUE;
      return;
    }
    if (measure.itemID >= 1 && measure.itemID <= kLastWindowCommand) return Default(message);
  }
  // Measured from the item's text in the tracked drop-down.
  const HMENU menu = TMenuTracking::Menu() ? TMenuTracking::Menu() : FMenuBar ? FMenuBar->FMenuHandle : nullptr;
  char text[80] = {};
  if (menu) GetMenuStringA(menu, measure.itemID, text, sizeof text, MF_BYCOMMAND);
  if (!text[0]) {
    measure.itemWidth = 0;
    measure.itemHeight = 8;
  } else {
    RECT size{0, 0, 0, 0};
    DrawSkinText(window.Get(), AnsiToWide(text), size, kTextMeasure);
    measure.itemWidth = static_cast<UINT>(WidthOf(size) + 26 + (FSkinData->FMenuItem ? FSkinData->FMenuItem->FMargins.left : 0));
    measure.itemHeight = static_cast<UINT>(HeightOf(size) + 4);
  }
  message.Result = TRUE;
}

void TWinSkinForm::OnDrawItem(TMessage& message) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  if (draw.CtlType != ODT_MENU) return Default(message);
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  if (TSkinManage* manager = SkinManager()) {
    manager->SetPopupMenuHandle(menu);
    manager->MarkPopupMenus();
  }
  const TSaveDC saved(draw.hDC);
  SelectObject(draw.hDC, MenuFont());
  TCanvas canvas(draw.hDC);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (FForm) {
    TMainMenu* main = FMenuBar ? FMenuBar->FMenu : nullptr;
    if (TMenuItem* item = main ? main->FindItemByCommand(draw.itemID) : nullptr) {
      DrawSkinItem(item, canvas, draw.rcItem, selected);
      message.Result = TRUE;
      return;
    }
    if (draw.itemID >= 1 && draw.itemID <= kLastWindowCommand) return Default(message);
  }
  // A stand-in item of the system menu's entry.
  char text[80] = {};
  GetMenuStringA(menu, draw.itemID, text, sizeof text, MF_BYCOMMAND);
  const UINT state = GetMenuState(menu, draw.itemID, MF_BYCOMMAND);
  TMenuItem item(nullptr);
  item.SetCaption(text[0] ? text : "-");
  item.SetEnabled(state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED)) == 0);
  item.SetChecked(state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0);
  DrawNativeItem(item, canvas, draw.rcItem, selected, menu);
  message.Result = TRUE;
}
