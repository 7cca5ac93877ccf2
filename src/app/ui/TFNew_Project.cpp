#include "app/ui/TFNew_Project.h"

#include "app/app_state.h"
#include "app/workspace.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace zentar {

TFNew_Project::TFNew_Project(TDialog_Service& dialogs, QWidget* parent)
    : TZentar_Dialog(dialogs, parent) {
  setObjectName(QStringLiteral("FNew_Project"));
  Make_Title_Panel();
  Make_Button_Panel();
  Label1 = new QLabel(this);
  Label1->move(16, 70);
  E_New_Proj = new QLineEdit(this);
  E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
  E_New_Proj->setGeometry(16, 94, 297, 21);
  E_New_Proj->installEventFilter(this);
  Btn_OK = new TLb_Button(P_Button);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->setGeometry(85, 6, 110, 28);
  Btn_OK->Set_Glyph(QStyle::SP_DialogOkButton);
  Btn_Cancel = new TLb_Button(P_Button);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->setGeometry(203, 6, 110, 28);
  Btn_Cancel->Set_Glyph(QStyle::SP_DialogCancelButton);
  for (TLb_Button* b : {Btn_OK, Btn_Cancel}) {
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  connect(Btn_OK, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
  connect(Btn_Cancel, &QPushButton::clicked, this, [this] { reject(); });
  Set_Client_Size(331, 162, true);
  Set_Lang();
}

void TFNew_Project::Set_Lang() {
  setWindowTitle(QTxt(100));
  L_SW_Desc->setText(QTxt(101));
  L_SW_Desc->adjustSize();
  Label1->setText(QTxt(102));
  Label1->adjustSize();
  Btn_OK->setText(QTxt(103));
  Btn_Cancel->setText(QTxt(104));
  E_New_Proj->setToolTip(QTxt(108));
  Btn_OK->setToolTip(QTxt(109));
  Btn_Cancel->setToolTip(QTxt(110));
}

void TFNew_Project::FormShow() {
  E_New_Proj->clear();
  E_New_Proj->setFocus();
}

void TFNew_Project::Btn_OKClick() {
  const std::string name = S(E_New_Proj->text());
  switch (Create_Project_Folder(App_State.Projects_Dir, name)) {
  case TNew_Project_Result::Empty_Name:
    dialogs_.error(this, QTxt(107));
    return;
  case TNew_Project_Result::Exists:
    dialogs_.error(this, QTxt(106));
    return;
  case TNew_Project_Result::Not_Creatable:
    dialogs_.error(this, QTxt(105));
    return;
  case TNew_Project_Result::Ok:
    break;
  }
  App_State.Conf_Name = name;
  App_State.Conf_Path = App_State.Projects_Dir + "/" + name;
  Set_Files(App_State);
  accept();
}

void TFNew_Project::E_New_ProjKeyPress(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) Btn_OKClick();
}

bool TFNew_Project::eventFilter(QObject* watched, QEvent* event) {
  if (watched == E_New_Proj && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      E_New_ProjKeyPress(key);
      return true;
    }
  }
  return TZentar_Dialog::eventFilter(watched, event);
}

} // namespace zentar
