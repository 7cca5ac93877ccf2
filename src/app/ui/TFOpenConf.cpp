#include "app/ui/TFOpenConf.h"

#include "app/app_state.h"
#include "app/workspace.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QStyle>

namespace zentar {

TFOpenConf::TFOpenConf(TDialog_Service& dialogs, QWidget* parent)
    : TZentar_Dialog(dialogs, parent) {
  setObjectName(QStringLiteral("FOpenConf"));
  setSizeGripEnabled(true);
  setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
  Make_Title_Panel();
  Make_Button_Panel();
  Label1 = new QLabel(this);
  Label1->move(16, 70);
  ListBox1 = new QListWidget(this);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  Btn_OK = new TLb_Button(P_Button);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->Set_Glyph(QStyle::SP_DialogOkButton);
  Btn_Cancel = new TLb_Button(P_Button);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->Set_Glyph(QStyle::SP_DialogCancelButton);
  for (TLb_Button* b : {Btn_OK, Btn_Cancel})
    b->setAutoDefault(false);
  connect(Btn_OK, &QPushButton::clicked, this, [this] { accept(); });
  connect(Btn_Cancel, &QPushButton::clicked, this, [this] { reject(); });
  connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { accept(); });
  setMinimumSize(300, 250);
  Set_Client_Size(377, 351, false);
  Set_Lang();
}

void TFOpenConf::Layout_Client(const QRect& area) {
  // The list fills the space between its label and the button panel; the
  // buttons keep to the right edge.
  ListBox1->setGeometry(16, 94, std::max(20, area.width() - 32),
                        std::max(20, area.bottom() + 1 - 94 - 8));
  const int w = area.width();
  Btn_Cancel->setGeometry(w - 16 - 110, 6, 110, 28);
  Btn_OK->setGeometry(w - 16 - 110 - 8 - 110, 6, 110, 28);
}

void TFOpenConf::Set_Lang() {
  setWindowTitle(QTxt(200));
  L_SW_Desc->setText(QTxt(201));
  L_SW_Desc->adjustSize();
  Label1->setText(QTxt(202));
  Label1->adjustSize();
  Btn_OK->setText(QTxt(203));
  Btn_Cancel->setText(QTxt(204));
  ListBox1->setToolTip(QTxt(205));
  Btn_OK->setToolTip(QTxt(206));
  Btn_Cancel->setToolTip(QTxt(207));
}

void TFOpenConf::Load_Existing_Configuration() {
  SL = zentar::Load_Existing_Configuration(App_State.Projects_Dir);
}

int TFOpenConf::Search_Open_Conf(const std::string& name) const {
  return zentar::Search_Open_Conf(SL, name);
}

void TFOpenConf::FormShow() {
  Load_Existing_Configuration();
  const QSignalBlocker block(ListBox1);
  ListBox1->clear();
  for (const std::string& name : SL)
    ListBox1->addItem(Q(name));
  const int pos = Search_Open_Conf(Active_Conf_Name(App_State));
  if (pos >= 0) {
    ListBox1->setCurrentRow(pos);
    Name_Conf = SL[static_cast<size_t>(pos)];
  } else if (!SL.empty()) {
    ListBox1->setCurrentRow(0);
    Name_Conf = SL.front();
  } else {
    Name_Conf.clear();
  }
}

void TFOpenConf::ListBox1Click() {
  const int row = ListBox1->currentRow();
  if (row >= 0 && row < static_cast<int>(SL.size())) Name_Conf = SL[static_cast<size_t>(row)];
}

} // namespace zentar
