#include "app/Unit_main.h"

#include <string>

#include "filetype/ExtDatabase.h"
#include "filetype/FileNames.h"
#include "filetype/Identify.h"

TForm_main* Form_main = nullptr;

const TClassInfo TForm_main::ClassInfo{"TForm_main", &TForm::ClassInfo, {}};

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
}

void TForm_main::FormCreate(TObject*) {
  const std::int64_t count = CountExtRecords(ExtDatabasePath());
  Memo1->Lines()->Add("本软件收录了文件类型共" + std::to_string(count) + "种。");
}

void TForm_main::AIFileDropPan1DragFile(TComponent*, const TStrings* FileList) {
  // The shell never drops nothing; should it, there is nothing to examine.
  if (FileList->Count() == 0) return;
  const std::string fileName = FileList->Get(0);
  const TExtRecord verdict = IdentifyFile(fileName, TExtDatabaseFile(ExtDatabasePath()));
  const TStringList report{ExtractFileName(fileName), "", "扩展名：", verdict.Ext.Str(), "", "文件类型说明：",
                           verdict.Desc.Str()};
  Memo1->Lines()->Assign(report);
}
