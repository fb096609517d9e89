#include "tools/menudemo/DemoForm.h"

#include "skins/DefaultSkin.h"
#include "ui/ImageList.h"

namespace {

enum TGlyph { gNew, gOpen, gSave, gCut, gCopy, gPaste, gAbout, kGlyphs };

void Box(TCanvas& canvas, int x, int left, int top, int right, int bottom, TColor colour) {
  canvas.SetBrushColor(colour);
  canvas.FillRect(RECT{x + left, top, x + right, bottom});
}

// A page with a folded corner's outline.
void Page(TCanvas& canvas, int x, int left, int top) {
  Box(canvas, x, left, top, left + 9, top + 12, 0x404040);
  Box(canvas, x, left + 1, top + 1, left + 8, top + 11, clWhite);
}

// The items' pictures, drawn here: 16 x 16 each, magenta transparent.
TImageList& DemoImages() {
  static TImageList images(16, 16);
  static const bool drawn = [] {
    TBitmap strip(16 * kGlyphs, 16);
    TCanvas& c = strip.Canvas();
    c.SetBrushColor(clFuchsia);
    c.FillRect(RECT{0, 0, 16 * kGlyphs, 16});
    Page(c, 16 * gNew, 3, 2);
    Box(c, 16 * gNew, 10, 1, 14, 5, 0x00C0FF);
    Box(c, 16 * gOpen, 1, 4, 15, 14, 0x1080C0);
    Box(c, 16 * gOpen, 2, 6, 14, 13, 0x40C0F0);
    Box(c, 16 * gSave, 2, 2, 14, 14, 0x804020);
    Box(c, 16 * gSave, 4, 3, 12, 8, clWhite);
    Box(c, 16 * gSave, 5, 10, 11, 14, 0xC0C0C0);
    Box(c, 16 * gCut, 3, 2, 5, 10, 0x303030);
    Box(c, 16 * gCut, 11, 2, 13, 10, 0x303030);
    Box(c, 16 * gCut, 2, 10, 7, 14, 0x2020D0);
    Box(c, 16 * gCut, 9, 10, 14, 14, 0x2020D0);
    Page(c, 16 * gCopy, 2, 1);
    Page(c, 16 * gCopy, 6, 4);
    Box(c, 16 * gPaste, 2, 3, 12, 15, 0x2060A0);
    Box(c, 16 * gPaste, 5, 1, 9, 4, 0x808080);
    Page(c, 16 * gPaste, 6, 4);
    Box(c, 16 * gAbout, 3, 2, 13, 14, 0xC06020);
    Box(c, 16 * gAbout, 7, 4, 9, 6, clWhite);
    Box(c, 16 * gAbout, 7, 7, 9, 12, clWhite);
    images.AddMasked(strip, clFuchsia);
    return true;
  }();
  static_cast<void>(drawn);
  return images;
}

}  // namespace

QV_CLASS_INFO(TMenuDemoForm, {});

TMenuItem* TMenuDemoForm::Item(TReader& reader, TMenuItem* parent, const std::string& name,
                               const std::string& caption, TShortCut shortCut, int image) {
  auto* item = reader.Create<TMenuItem>(name);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  item->SetImageIndex(image);
  item->OnClick = TNotifyEvent::Of<&TMenuDemoForm::ItemClick>(this);
  parent->Add(item);
  return item;
}

void TMenuDemoForm::ReadState(TReader& reader) {
  TForm::ReadState(reader);
  SetBounds(120, 90, Width(), Height());
  SetCaption("Menu demo");
  SetClientWidth(440);
  SetClientHeight(240);
  SetPosition(TPosition::poDesktopCenter);
  OnCreate = TNotifyEvent::Of<&TMenuDemoForm::FormCreate>(this);

  ClearLog = reader.Create<TAction>("ClearLog");
  ClearLog->SetCaption("C&lear log");
  ClearLog->SetShortCut(ShortCut(VK_DELETE, scCtrl));
  ClearLog->OnExecute = TNotifyEvent::Of<&TMenuDemoForm::ClearLogExecute>(this);
  ClearLog->OnUpdate = TNotifyEvent::Of<&TMenuDemoForm::ClearLogUpdate>(this);

  MainMenu1 = reader.Create<TMainMenu>("MainMenu1");
  MainMenu1->SetImages(&DemoImages());
  TMenuItem* root = MainMenu1->Items();
  FileMenu = Item(reader, root, "FileMenu", "&File");
  Item(reader, FileMenu, "FileNew", "&New", ShortCut('N', scCtrl), gNew);
  Item(reader, FileMenu, "FileOpen", "&Open...", ShortCut('O', scCtrl), gOpen);
  Item(reader, FileMenu, "FileSave", "&Save", ShortCut('S', scCtrl), gSave);
  Item(reader, FileMenu, "FileSaveAs", "Save &as...");
  Item(reader, FileMenu, "FileLine1", "-");
  RecentMenu = Item(reader, FileMenu, "RecentMenu", "&Recent files");
  Item(reader, RecentMenu, "Recent1", "1 notes.txt");
  Item(reader, RecentMenu, "Recent2", "2 picture.png");
  TMenuItem* older = Item(reader, RecentMenu, "OlderMenu", "&Older");
  Item(reader, older, "Recent3", "3 archive.zip");
  Item(reader, older, "Recent4", "4 setup.exe");
  Item(reader, FileMenu, "FileLine2", "-");
  Item(reader, FileMenu, "FileExit", "E&xit", ShortCut(VK_F4, scAlt))->OnClick =
      TNotifyEvent::Of<&TMenuDemoForm::ExitClick>(this);

  EditMenu = Item(reader, root, "EditMenu", "&Edit");
  Item(reader, EditMenu, "EditUndo", "&Undo", ShortCut('Z', scCtrl))->SetEnabled(false);
  Item(reader, EditMenu, "EditLine1", "-");
  Item(reader, EditMenu, "EditCut", "Cu&t", ShortCut('X', scCtrl), gCut);
  Item(reader, EditMenu, "EditCopy", "&Copy", ShortCut('C', scCtrl), gCopy);
  Item(reader, EditMenu, "EditPaste", "&Paste", ShortCut('V', scCtrl), gPaste)->SetEnabled(false);
  Item(reader, EditMenu, "EditLine2", "-");
  Item(reader, EditMenu, "EditClear", "")->SetAction(ClearLog);

  ViewMenu = Item(reader, root, "ViewMenu", "&View");
  WordWrap = Item(reader, ViewMenu, "WordWrap", "&Word wrap");
  WordWrap->SetChecked(true);
  WordWrap->OnClick = TNotifyEvent::Of<&TMenuDemoForm::WordWrapClick>(this);
  Item(reader, ViewMenu, "StatusBar", "&Status bar")->SetChecked(true);
  Item(reader, ViewMenu, "ViewLine1", "-");
  TMenuItem* zoom = Item(reader, ViewMenu, "ZoomMenu", "&Zoom");
  Item(reader, zoom, "Zoom50", "50 %");
  Item(reader, zoom, "Zoom100", "100 %")->SetChecked(true);
  Item(reader, zoom, "Zoom200", "200 %");

  HelpMenu = Item(reader, root, "HelpMenu", "&Help");
  Item(reader, HelpMenu, "HelpContents", "&Contents", ShortCut(VK_F1, 0));
  TMenuItem* about = Item(reader, HelpMenu, "HelpAbout", "&About...", 0, gAbout);
  about->SetDefault(true);
  SetMenu(MainMenu1);

  Panel1 = reader.Create<TPanel>("Panel1");
  Panel1->SetParent(this);
  Panel1->SetAlign(TAlign::alClient);
  Log = reader.Create<TMemo>("Log");
  Log->SetParent(Panel1);
  Log->SetAlign(TAlign::alClient);
  Log->SetReadOnly(true);
  Log->Lines()->Add("Choose items from the menu bar, or right-click here.");

  SkinData1 = reader.Create<TSkinData>("SkinData1");
  SkinData1->SetActive(true);
  TMemoryStream skinStream;
  StoredSkinStream(skinStream);
  reader.ReadBinaryProperty(*SkinData1, "SkinStream", skinStream);
}

void TMenuDemoForm::FormCreate(TObject*) {
  // The log's popup menu, built in code.
  LogMenu = new TPopupMenu(this);
  LogMenu->SetImages(&DemoImages());
  const auto add = [this](const std::string& caption, int image = -1) {
    auto* item = new TMenuItem(this);
    item->SetCaption(caption);
    item->SetImageIndex(image);
    item->OnClick = TNotifyEvent::Of<&TMenuDemoForm::ItemClick>(this);
    LogMenu->Items()->Add(item);
    return item;
  };
  add("&Copy", gCopy);
  add("")->SetAction(ClearLog);
  add("-");
  TMenuItem* wrap = add("&Word wrap");
  wrap->SetChecked(true);
  wrap->OnClick = TNotifyEvent::Of<&TMenuDemoForm::WordWrapClick>(this);
  Log->SetPopupMenu(LogMenu);
}

void TMenuDemoForm::ItemClick(TObject* Sender) {
  const auto* item = static_cast<const TMenuItem*>(Sender);
  // The items that open a drop-down are "clicked" as it opens.
  if (item->Count() > 0) return;
  Log->Lines()->Add("Chosen: " + item->DisplayCaption());
}

void TMenuDemoForm::WordWrapClick(TObject*) {
  WordWrap->SetChecked(!WordWrap->Checked());
  if (LogMenu) LogMenu->Items()->Items(3)->SetChecked(WordWrap->Checked());
  Log->Lines()->Add(std::string("Word wrap ") + (WordWrap->Checked() ? "on" : "off"));
}

void TMenuDemoForm::ExitClick(TObject*) { Close(); }

void TMenuDemoForm::ClearLogExecute(TObject*) { Log->Lines()->Clear(); }

void TMenuDemoForm::ClearLogUpdate(TObject*) { ClearLog->SetEnabled(Log->Lines()->Count() > 0); }
