#include "app/Unit_main.h"

#include <string>

#include "filetype/ExtDatabase.h"
#include "filetype/Identify.h"
#include "skins/DefaultSkin.h"
#include "ui/FileNames.h"
#include "ui/Stream.h"

TForm_main* Form_main = nullptr;

QV_CLASS_INFO(TForm_main, {});

void TForm_main::ReadState(TReader& reader) {
  TForm::ReadState(reader);
  SetBounds(659, 196, Width(), Height());
  SetBorderStyle(TFormBorderStyle::bsDialog);
  SetCaption("Quorvex");
  SetClientHeight(276);
  SetClientWidth(390);
  SetColor(SystemColor(COLOR_BTNFACE));
  Font()->SetCharset(DEFAULT_CHARSET);
  Font()->SetColor(SystemColor(COLOR_WINDOWTEXT));
  Font()->SetHeight(-16);
  Font()->SetName("宋体");
  Font()->SetStyle(0);
  SetFormStyle(TFormStyle::fsStayOnTop);
  SetPosition(TPosition::poDesktopCenter);
  OnCreate = TNotifyEvent::Of<&TForm_main::FormCreate>(this);

  AIFileDropPan1 = reader.Create<TAIFileDropPan>("AIFileDropPan1");
  AIFileDropPan1->SetBounds(0, 0, 390, 276);
  AIFileDropPan1->SetAlign(TAlign::alClient);
  AIFileDropPan1->SetTabOrder(0);
  AIFileDropPan1->SetAcceptFile(true);
  AIFileDropPan1->SetOnDragFile(TDragFileEvent::Of<&TForm_main::AIFileDropPan1DragFile>(this));

  Memo1 = reader.Create<TMemo>("Memo1");
  Memo1->SetParent(AIFileDropPan1);
  Memo1->SetBounds(1, 1, 388, 274);
  Memo1->SetAlign(TAlign::alClient);
  Memo1->Lines()->Add("把文件拖入到本窗口中即可查看文件的类型！");
  Memo1->SetReadOnly(true);
  Memo1->SetTabOrder(0);

  SkinData1 = reader.Create<TSkinData>("SkinData1");
  SkinData1->SetActive(true);
  SkinData1->SetDisableTag(99);
  SkinData1->SetSkinControls(TSkinData::kDefaultSkinControls);
  SkinData1->SetOptions(SetBit(xoPreview) | SetBit(xoToolbarBK));
  TStringList skin3rd;
  for (const std::string& line : DefaultSkin3rd()) {
    if (line != "TPngSpeedbutton=pngspeedbutton") skin3rd.Add(line);
  }
  SkinData1->SetSkin3rd(&skin3rd);
  SkinData1->SetSkinStore("(Good)");
  SkinData1->SetSkinFormtype(sfMainform);
  SkinData1->SetVersion(TSkinData::kVersion);
  SkinData1->SetMenuUpdate(true);
  SkinData1->SetMenuMerge(false);
  TMemoryStream skinStream;
  StoredSkinStream(skinStream);
  reader.ReadBinaryProperty(*SkinData1, "SkinStream", skinStream);
}

void TForm_main::FormCreate(TObject*) {
  const std::int64_t count = CountExtRecords(ExtDatabasePath());
  Memo1->Lines()->Add("本软件收录了文件类型共" + std::to_string(count) + "种。");
}

void TForm_main::AIFileDropPan1DragFile(TComponent* Sender, const TStrings* FileList) {
  // The shell never drops nothing; should it, there is nothing to examine.
  if (FileList->Count() == 0) return;
  const std::string fileName = FileList->Get(0);
  const TExtDatabaseFile database(ExtDatabasePath());
  // The file is read through the exact name the panel keeps beside the list,
  // so that a name the code page cannot spell is read all the same.
  const auto* panel = dynamic_cast<const TAIFileDropPan*>(Sender);
  const TExtRecord verdict = panel && panel->FileList() == FileList && !panel->ExactFileList().empty()
                                 ? IdentifyFile(fileName, panel->ExactFileList()[0], database)
                                 : IdentifyFile(fileName, database);
  const TStringList report{ExtractFileName(fileName), "", "扩展名：", verdict.Ext.Str(), "", "文件类型说明：",
                           verdict.Desc.Str()};
  Memo1->Lines()->Assign(report);
}
