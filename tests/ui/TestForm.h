#pragma once
// The form most framework tests use: a dialog-bordered form with a client
// area of 390 x 276, a panel filling it and a read-only memo filling the
// panel, built from its stored description like any form.
#include "ui/Form.h"
#include "ui/Memo.h"
#include "ui/Panel.h"

class TTestForm : public TForm {
 public:
  QV_CLASS(TTestForm, TForm)
  using TForm::TForm;

  TPanel* Panel1 = nullptr;
  TMemo* Memo1 = nullptr;

 protected:
  void ReadState(TReader& reader) override {
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetCaption("Test");
    SetClientWidth(390);
    SetClientHeight(276);
    Font()->SetName("宋体");
    Font()->SetHeight(-16);
    Panel1 = reader.Create<TPanel>("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBounds(0, 0, 390, 276);
    Panel1->SetAlign(TAlign::alClient);
    Memo1 = reader.Create<TMemo>("Memo1");
    Memo1->SetParent(Panel1);
    Memo1->SetBounds(1, 1, 388, 274);
    Memo1->SetAlign(TAlign::alClient);
    Memo1->SetReadOnly(true);
    Memo1->Lines()->Add("第一行");
  }
};
