#include "params/ui/TFParGen.h"

#include "app/app_state.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

namespace zentar {

namespace {

constexpr int Client_Width = 460;
constexpr int Client_Height = 700;

// Control placement inside a panel: rows 28 pixels apart, labels at x 14,
// single-value fields at x 191 and 238 wide, address parts 55 wide.
constexpr int Label_X = 14;
constexpr int Label_Width = 175;
constexpr int Label_Height = 14;
constexpr int Field_X = 191;
constexpr int Field_Width = 238;
constexpr int Part_Width = 55;
constexpr int Part_X[4] = {191, 252, 313, 374};
constexpr int Dot_X[3] = {247, 308, 369};
constexpr int Edit_Height = 21;
constexpr int Edit_Above_Label = 4; // an edit's top sits this far above its label's
constexpr int Check_Height = 17;
constexpr int Check_Width = 415;
constexpr int Gateway_Check_Width = 175;

constexpr int Device_Name_Length = 31;
constexpr int Slave_Name_Length = 15;

// One notch of a standard wheel.
constexpr int Wheel_Notch = 120;

} // namespace

TFParGen::TFParGen(TDialog_Service& dialogs, QWidget* parent) : TZentar_Dialog(dialogs, parent) {
  setObjectName(QStringLiteral("FParGen"));
  setFont(Verdana_Pixel_Font(11));
  Make_Title_Panel();
  Make_Button_Panel();

  CPG = new TCategory_Panel_Group(this);
  CPG->setObjectName(QStringLiteral("CPG"));
  // The group itself is no tab stop: the focus goes from control to control.
  CPG->setFocusPolicy(Qt::NoFocus);
  CP_Ethernet_Connection = CPG->Add_Panel(QStringLiteral("CP_Ethernet_Connection"));
  CP_EtherCAT_Slave = CPG->Add_Panel(QStringLiteral("CP_EtherCAT_Slave"));
  CP_J1939 = CPG->Add_Panel(QStringLiteral("CP_J1939"));
  CP_Ethernet = CPG->Add_Panel(QStringLiteral("CP_Ethernet"));

  // Panel 1: Ethernet connection.
  QWidget* p = CP_Ethernet_Connection->Client();
  L_EthConn_Device_Name = Make_Label(p, 12);
  E_EthConn_Device_Name = Make_Edit(p, Field_X, 12, Field_Width);
  E_EthConn_Device_Name->setMaxLength(Device_Name_Length);
  CB_EthConn_En_DHCP_Cable = Make_Check_Box(p, 40, Check_Width);
  CB_EthConn_En_DHCP_WiFi = Make_Check_Box(p, 68, Check_Width);
  CB_EthConn_Enable_DNS = Make_Check_Box(p, 96, Check_Width);
  L_EthConn_Primary_DNS = Make_Label(p, 124);
  const auto pri = Make_Address(p, 124);
  E_EthConn_Pri_DNS_IP1 = pri[0];
  E_EthConn_Pri_DNS_IP2 = pri[1];
  E_EthConn_Pri_DNS_IP3 = pri[2];
  E_EthConn_Pri_DNS_IP4 = pri[3];
  L_EthConn_Secondary_DNS = Make_Label(p, 152);
  const auto sec = Make_Address(p, 152);
  E_EthConn_Sec_DNS_IP1 = sec[0];
  E_EthConn_Sec_DNS_IP2 = sec[1];
  E_EthConn_Sec_DNS_IP3 = sec[2];
  E_EthConn_Sec_DNS_IP4 = sec[3];

  // Panel 2: EtherCAT slave.
  p = CP_EtherCAT_Slave->Client();
  L_EtherCAT_Slave_Revision_Number = Make_Label(p, 12);
  E_EtherCAT_Slave_Revision_Number = Make_Edit(p, Field_X, 12, Field_Width);
  L_EtherCAT_Slave_Name = Make_Label(p, 40);
  E_EtherCAT_Slave_Name = Make_Edit(p, Field_X, 40, Field_Width);
  E_EtherCAT_Slave_Name->setMaxLength(Slave_Name_Length);
  L_EtherCAT_Slave_Node_Address = Make_Label(p, 68);
  E_EtherCAT_Slave_Node_Address = Make_Edit(p, Field_X, 68, Field_Width);
  CB_EtherCAT_Slave_Clear_Data = Make_Check_Box(p, 92, Check_Width);
  digits_only_ = {E_EtherCAT_Slave_Revision_Number, E_EtherCAT_Slave_Node_Address};

  // Panel 3: J1939.
  p = CP_J1939->Client();
  L_J1939_Baudrate = Make_Label(p, 12);
  CB_J1939_Baudrate = new QComboBox(p);
  CB_J1939_Baudrate->setEditable(false);
  for (const char* item : J1939_Baud_Rate_Items)
    CB_J1939_Baudrate->addItem(QString::fromLatin1(item));
  CB_J1939_Baudrate->setGeometry(Field_X, 12 - Edit_Above_Label, Field_Width, Edit_Height);
  L_J1939_TimeOut = Make_Label(p, 40);
  E_J1939_TimeOut = Make_Edit(p, Field_X, 40, Field_Width);
  CB_J1939_Enable_Peer_To_Peer = Make_Check_Box(p, 68, Check_Width);
  L_J1939_ID_Device = Make_Label(p, 96);
  E_J1939_ID_Device = Make_Edit(p, Field_X, 96, Field_Width);

  // Panel 4: Ethernet.
  p = CP_Ethernet->Client();
  L_Ethernet_IP = Make_Label(p, 12);
  const auto ip = Make_Address(p, 12);
  E_Ethernet_IP1 = ip[0];
  E_Ethernet_IP2 = ip[1];
  E_Ethernet_IP3 = ip[2];
  E_Ethernet_IP4 = ip[3];
  L_Ethernet_SM = Make_Label(p, 40);
  const auto sm = Make_Address(p, 40);
  E_Ethernet_SM1 = sm[0];
  E_Ethernet_SM2 = sm[1];
  E_Ethernet_SM3 = sm[2];
  E_Ethernet_SM4 = sm[3];
  CB_Ethernet_En_GAT = Make_Check_Box(p, 68, Gateway_Check_Width);
  const auto gat = Make_Address(p, 68);
  E_Ethernet_GAT1 = gat[0];
  E_Ethernet_GAT2 = gat[1];
  E_Ethernet_GAT3 = gat[2];
  E_Ethernet_GAT4 = gat[3];

  // The buttons are created after the panels' controls, so that the focus
  // chain starts at the first control of panel 1 and the window opens with
  // the focus there, not on OK.
  Btn_OK = new TLb_Button(P_Button);
  Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
  Btn_OK->Set_Glyph(QStyle::SP_DialogApplyButton);
  Btn_Cancel = new TLb_Button(P_Button);
  Btn_Cancel->setObjectName(QStringLiteral("Btn_Cancel"));
  Btn_Cancel->Set_Glyph(QStyle::SP_DialogCancelButton);
  for (TLb_Button* b : {Btn_OK, Btn_Cancel}) {
    // Enter in a field must not confirm the window.
    b->setAutoDefault(false);
    b->setDefault(false);
    b->resize(110, 28);
  }
  connect(Btn_OK, &QPushButton::clicked, this, [this] { Btn_OKClick(); });
  connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);

  using P = TPar_Gen;
  text_fields_ = {
      {&P::Eth_Conn_Device_Name, E_EthConn_Device_Name},
      {&P::Eth_Conn_Primary_DNS1, E_EthConn_Pri_DNS_IP1},
      {&P::Eth_Conn_Primary_DNS2, E_EthConn_Pri_DNS_IP2},
      {&P::Eth_Conn_Primary_DNS3, E_EthConn_Pri_DNS_IP3},
      {&P::Eth_Conn_Primary_DNS4, E_EthConn_Pri_DNS_IP4},
      {&P::Eth_Conn_Secondary_DNS1, E_EthConn_Sec_DNS_IP1},
      {&P::Eth_Conn_Secondary_DNS2, E_EthConn_Sec_DNS_IP2},
      {&P::Eth_Conn_Secondary_DNS3, E_EthConn_Sec_DNS_IP3},
      {&P::Eth_Conn_Secondary_DNS4, E_EthConn_Sec_DNS_IP4},
      {&P::EtherCAT_Slave_Revision_Number, E_EtherCAT_Slave_Revision_Number},
      {&P::EtherCAT_Slave_Name, E_EtherCAT_Slave_Name},
      {&P::EtherCAT_Slave_Node_Address, E_EtherCAT_Slave_Node_Address},
      {&P::Ethernet_IP1, E_Ethernet_IP1},
      {&P::Ethernet_IP2, E_Ethernet_IP2},
      {&P::Ethernet_IP3, E_Ethernet_IP3},
      {&P::Ethernet_IP4, E_Ethernet_IP4},
      {&P::Ethernet_SM1, E_Ethernet_SM1},
      {&P::Ethernet_SM2, E_Ethernet_SM2},
      {&P::Ethernet_SM3, E_Ethernet_SM3},
      {&P::Ethernet_SM4, E_Ethernet_SM4},
      {&P::Ethernet_GAT1, E_Ethernet_GAT1},
      {&P::Ethernet_GAT2, E_Ethernet_GAT2},
      {&P::Ethernet_GAT3, E_Ethernet_GAT3},
      {&P::Ethernet_GAT4, E_Ethernet_GAT4},
      {&P::J1939_TIMEOUT, E_J1939_TimeOut},
      {&P::J1939_Device_ID, E_J1939_ID_Device},
  };
  flag_fields_ = {
      {&P::Eth_Conn_DHCP_Cable, CB_EthConn_En_DHCP_Cable},
      {&P::Eth_Conn_DHCP_WiFi, CB_EthConn_En_DHCP_WiFi},
      {&P::Eth_Conn_Enable_DNS, CB_EthConn_Enable_DNS},
      {&P::EtherCAT_Slave_Clear_Data, CB_EtherCAT_Slave_Clear_Data},
      {&P::Ethernet_EN_GAT, CB_Ethernet_En_GAT},
      {&P::J1939_PEER_TO_PEER, CB_J1939_Enable_Peer_To_Peer},
  };
  chains_ = {
      {E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3, E_EthConn_Pri_DNS_IP4,
       E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3, E_EthConn_Sec_DNS_IP4},
      {E_Ethernet_IP1, E_Ethernet_IP2, E_Ethernet_IP3, E_Ethernet_IP4, E_Ethernet_SM1,
       E_Ethernet_SM2, E_Ethernet_SM3, E_Ethernet_SM4, E_Ethernet_GAT1, E_Ethernet_GAT2,
       E_Ethernet_GAT3, E_Ethernet_GAT4},
  };
  panel_controls_ = {
      {E_EthConn_Device_Name, CB_EthConn_En_DHCP_Cable, CB_EthConn_En_DHCP_WiFi,
       CB_EthConn_Enable_DNS, E_EthConn_Pri_DNS_IP1, E_EthConn_Pri_DNS_IP2, E_EthConn_Pri_DNS_IP3,
       E_EthConn_Pri_DNS_IP4, E_EthConn_Sec_DNS_IP1, E_EthConn_Sec_DNS_IP2, E_EthConn_Sec_DNS_IP3,
       E_EthConn_Sec_DNS_IP4},
      {E_EtherCAT_Slave_Revision_Number, E_EtherCAT_Slave_Name, E_EtherCAT_Slave_Node_Address,
       CB_EtherCAT_Slave_Clear_Data},
      {CB_J1939_Baudrate, E_J1939_TimeOut, CB_J1939_Enable_Peer_To_Peer, E_J1939_ID_Device},
      {E_Ethernet_IP1, E_Ethernet_IP2, E_Ethernet_IP3, E_Ethernet_IP4, E_Ethernet_SM1,
       E_Ethernet_SM2, E_Ethernet_SM3, E_Ethernet_SM4, CB_Ethernet_En_GAT, E_Ethernet_GAT1,
       E_Ethernet_GAT2, E_Ethernet_GAT3, E_Ethernet_GAT4},
  };

  for (const TFlag_Field& f : flag_fields_) {
    QCheckBox* box = f.box;
    connect(box, &QCheckBox::clicked, this, [this, box] { On_Click(box); });
  }
  for (const auto& chain : chains_)
    for (QLineEdit* e : chain)
      e->installEventFilter(this);
  for (QLineEdit* e : digits_only_)
    e->installEventFilter(this);
  // The wheel over the panel group scrolls the group, also over its controls
  // (the baud rate list does not change its item by the wheel).
  CPG->viewport()->installEventFilter(this);
  for (QWidget* w : CPG->viewport()->findChildren<QWidget*>())
    w->installEventFilter(this);

  // Creation: client size, panels hidden, the product's panel order, the
  // layout pass, the texts.
  Set_Client_Size(Client_Width, Client_Height, false);
  setMinimumWidth(Client_Width);
  setMaximumWidth(Client_Width);
  setMinimumHeight(69 + 40 + TCategory_Panel_Group::Header_Height);
  for (TCategory_Panel* panel : CPG->Panels())
    panel->hide();
  Order_TAB_Panels();
  Move_GroupBoxs();
  Set_Lang();
}

QLabel* TFParGen::Make_Label(QWidget* panel, int row) {
  auto* l = new QLabel(panel);
  l->setFont(Verdana_Pixel_Font(11));
  l->setStyleSheet(QStringLiteral("color: black;"));
  l->setGeometry(Label_X, row, Label_Width, Label_Height);
  return l;
}

QLineEdit* TFParGen::Make_Edit(QWidget* panel, int x, int row, int width) {
  auto* e = new QLineEdit(panel);
  e->setGeometry(x, row - Edit_Above_Label, width, Edit_Height);
  return e;
}

QCheckBox* TFParGen::Make_Check_Box(QWidget* panel, int top, int width) {
  auto* c = new QCheckBox(panel);
  c->setGeometry(Label_X, top, width, Check_Height);
  return c;
}

std::array<QLineEdit*, 4> TFParGen::Make_Address(QWidget* panel, int row) {
  std::array<QLineEdit*, 4> parts{};
  for (int i = 0; i < 4; ++i)
    parts[i] = Make_Edit(panel, Part_X[i], row, Part_Width);
  for (int i = 0; i < 3; ++i) {
    auto* dot = new QLabel(QStringLiteral("."), panel);
    dot->setStyleSheet(QStringLiteral("color: black;"));
    dot->setGeometry(Dot_X[i], row, 5, Label_Height);
  }
  return parts;
}

void TFParGen::Set_Lang() {
  setWindowTitle(QTxt(400));
  L_SW_Desc->setText(QTxt(401));
  L_SW_Desc->adjustSize();
  Btn_OK->setText(QTxt(402));
  Btn_OK->setToolTip(QTxt(404));
  Btn_Cancel->setText(QTxt(403));
  Btn_Cancel->setToolTip(QTxt(405));

  // Panel 1
  L_EthConn_Device_Name->setText(QTxt(1545));
  E_EthConn_Device_Name->setToolTip(QTxt(1546));
  CB_EthConn_En_DHCP_Cable->setText(QTxt(1547));
  CB_EthConn_En_DHCP_Cable->setToolTip(QTxt(1548));
  CB_EthConn_En_DHCP_WiFi->setText(QTxt(1549));
  CB_EthConn_En_DHCP_WiFi->setToolTip(QTxt(1550));
  CB_EthConn_Enable_DNS->setText(QTxt(1551));
  CB_EthConn_Enable_DNS->setToolTip(QTxt(1552));
  L_EthConn_Primary_DNS->setText(QTxt(1553));
  L_EthConn_Secondary_DNS->setText(QTxt(1558));
  for (int i = 0; i < 4; ++i) {
    chains_[0][i]->setToolTip(QTxt(1554 + i));
    chains_[0][4 + i]->setToolTip(QTxt(1559 + i));
  }

  // Panel 2
  L_EtherCAT_Slave_Revision_Number->setText(QTxt(413));
  E_EtherCAT_Slave_Revision_Number->setToolTip(QTxt(414));
  L_EtherCAT_Slave_Name->setText(QTxt(415));
  E_EtherCAT_Slave_Name->setToolTip(QTxt(416));
  L_EtherCAT_Slave_Node_Address->setText(QTxt(987));
  E_EtherCAT_Slave_Node_Address->setToolTip(QTxt(988));
  CB_EtherCAT_Slave_Clear_Data->setText(QTxt(1684));
  CB_EtherCAT_Slave_Clear_Data->setToolTip(QTxt(1685));

  // Panel 3
  L_J1939_Baudrate->setText(QTxt(848));
  CB_J1939_Baudrate->setToolTip(QTxt(849));
  L_J1939_TimeOut->setText(QTxt(850));
  E_J1939_TimeOut->setToolTip(QTxt(851));
  CB_J1939_Enable_Peer_To_Peer->setText(QTxt(852));
  CB_J1939_Enable_Peer_To_Peer->setToolTip(QTxt(853));
  L_J1939_ID_Device->setText(QTxt(854));
  E_J1939_ID_Device->setToolTip(QTxt(855));

  // Panel 4
  L_Ethernet_IP->setText(QTxt(694));
  L_Ethernet_SM->setText(QTxt(699));
  CB_Ethernet_En_GAT->setText(QTxt(704));
  CB_Ethernet_En_GAT->setToolTip(QTxt(705));
  for (int i = 0; i < 4; ++i) {
    chains_[1][i]->setToolTip(QTxt(695 + i));
    chains_[1][4 + i]->setToolTip(QTxt(700 + i));
    chains_[1][8 + i]->setToolTip(QTxt(706 + i));
  }
}

void TFParGen::Order_TAB_Panels() {
  // The product served decides the panels; this one shows four.
  Order_TAB_Panels_44K10();
}

void TFParGen::Order_TAB_Panels_44K10() {
  const std::vector<TCategory_Panel*> order = {CP_Ethernet_Connection, CP_EtherCAT_Slave, CP_J1939,
                                               CP_Ethernet};
  const int caption_texts[] = {1544, 406, 847, 693};
  for (size_t i = 0; i < order.size(); ++i) {
    order[i]->show();
    order[i]->Set_Caption(QString::number(i + 1) + QStringLiteral(". ") + QTxt(caption_texts[i]));
  }
  // The first panel at top 0, each next one below the previous.
  CPG->Set_Order(order);
  // Tab order follows the panels in display order, then the buttons.
  QWidget* previous = nullptr;
  for (const auto& controls : panel_controls_)
    for (QWidget* w : controls) {
      if (previous) setTabOrder(previous, w);
      previous = w;
    }
  setTabOrder(previous, Btn_OK);
  setTabOrder(Btn_OK, Btn_Cancel);
}

void TFParGen::Apply_Height_Rule(TCategory_Panel* panel, QWidget* lowest) {
  panel->Set_Expanded_Height(lowest->y() + lowest->height() + TCategory_Panel_Group::Header_Height +
                             12);
}

void TFParGen::Move_GroupBoxs() { RePosition_Objects_44K10(); }

void TFParGen::RePosition_Objects_44K10() {
  Apply_Height_Rule(CP_Ethernet_Connection, E_EthConn_Sec_DNS_IP4);
  CB_EthConn_En_DHCP_WiFi->setEnabled(false);
  Apply_Height_Rule(CP_EtherCAT_Slave, CB_EtherCAT_Slave_Clear_Data);
  Apply_Height_Rule(CP_J1939, E_J1939_ID_Device);
  Apply_Height_Rule(CP_Ethernet, E_Ethernet_GAT4);
  // An address obtained by DHCP makes the fixed address settings inactive;
  // they keep their values, which are still validated and saved.
  const bool fixed_address = !CB_EthConn_En_DHCP_Cable->isChecked();
  for (QLineEdit* e : chains_[1])
    e->setEnabled(fixed_address);
  CB_Ethernet_En_GAT->setEnabled(fixed_address);
}

void TFParGen::On_Click(QObject* sender) {
  if (sender == CB_EthConn_En_DHCP_Cable || sender == CB_EthConn_En_DHCP_WiFi) Move_GroupBoxs();
}

const std::vector<QLineEdit*>* TFParGen::Chain_Of(QObject* edit, size_t& index) const {
  for (const auto& chain : chains_)
    for (size_t i = 0; i < chain.size(); ++i)
      if (chain[i] == edit) {
        index = i;
        return &chain;
      }
  return nullptr;
}

void TFParGen::KeyPress(QObject* sender, QChar& key) {
  size_t index = 0;
  const std::vector<QLineEdit*>* chain = Chain_Of(sender, index);
  if (!chain || key != QLatin1Char('.')) return;
  key = QChar();
  if (index + 1 >= chain->size()) return; // the last part keeps the focus
  QLineEdit* next = (*chain)[index + 1];
  if (!next->isVisible() || !next->isEnabled()) return;
  next->setFocus(Qt::TabFocusReason);
  // As with Tab, the field that takes the focus is scrolled into view.
  CPG->ensureWidgetVisible(next);
}

void TFParGen::FormMouseWheel(const QPoint& global_pos, int delta, bool& handled) {
  QWidget* client = CPG->viewport();
  if (!client->rect().contains(client->mapFromGlobal(global_pos))) return;
  handled = true;
  // High-resolution wheels report parts of a notch; scroll per whole notch.
  wheel_rest_ += delta;
  const int notches = wheel_rest_ / Wheel_Notch;
  wheel_rest_ -= notches * Wheel_Notch;
  const int lines = QApplication::wheelScrollLines();
  if (lines < 1) return;
  for (int n = 0; n < std::abs(notches); ++n)
    for (int i = 0; i < lines; ++i)
      CPG->Scroll_Line(notches > 0);
}

void TFParGen::FormResize() {
  if (width() != Client_Width) resize(Client_Width, height());
}

void TFParGen::resizeEvent(QResizeEvent* event) {
  TZentar_Dialog::resizeEvent(event);
  FormResize();
}

void TFParGen::Layout_Client(const QRect& area) {
  CPG->setGeometry(area);
  const int w = P_Button->width();
  Btn_OK->move(w - (Client_Width - 217), 6);
  Btn_Cancel->move(w - (Client_Width - 335), 6);
}

bool TFParGen::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key_event = static_cast<QKeyEvent*>(event);
    const QString text = key_event->text();
    if (text.size() == 1) {
      auto* edit = qobject_cast<QLineEdit*>(watched);
      // Digits-only edits take 0 to 9; other scripts' digits are no integer text.
      const QChar c = text[0];
      if (edit && digits_only_.contains(edit) && c.isPrint() &&
          !(c >= QLatin1Char('0') && c <= QLatin1Char('9')))
        return true;
      QChar key = text[0];
      KeyPress(watched, key);
      if (key.isNull()) return true;
    }
  } else if (event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    bool handled = false;
    FormMouseWheel(wheel->globalPosition().toPoint(), wheel->angleDelta().y(), handled);
    if (handled) return true;
  }
  return TZentar_Dialog::eventFilter(watched, event);
}

void TFParGen::Show_Values(const TPar_Gen& values) {
  // The length limits hold for typing; a longer text from the file is shown
  // and saved whole rather than cut.
  const auto limit = [](QLineEdit* e, int typed, const QString& text) {
    e->setMaxLength(std::max<int>(typed, static_cast<int>(text.size())));
  };
  limit(E_EthConn_Device_Name, Device_Name_Length, Q(values.Eth_Conn_Device_Name));
  limit(E_EtherCAT_Slave_Name, Slave_Name_Length, Q(values.EtherCAT_Slave_Name));
  for (const TText_Field& f : text_fields_)
    f.edit->setText(Q(values.*f.field));
  for (const TFlag_Field& f : flag_fields_)
    f.box->setChecked(values.*f.field);
  CB_J1939_Baudrate->setCurrentIndex(
      values.J1939_BAUDRATE >= 0 && values.J1939_BAUDRATE < Baud_Rate_Count ? values.J1939_BAUDRATE
                                                                            : Default_Baud_Rate);
  CB_EthConn_En_DHCP_WiFi->setChecked(false);
}

TPar_Gen TFParGen::Read_Values() const {
  TPar_Gen values;
  for (const TText_Field& f : text_fields_)
    values.*f.field = S(f.edit->text());
  for (const TFlag_Field& f : flag_fields_)
    values.*f.field = f.box->isChecked();
  values.J1939_BAUDRATE = CB_J1939_Baudrate->currentIndex();
  return values;
}

void TFParGen::FormShow() {
  TPar_Gen values;
  std::string error;
  if (Load_Par_Gen(App_State.File_ParGen, XML1, values, error) == TPar_Load::Failed)
    dialogs_.error(this, Q(error));
  Show_Values(values);
  Move_GroupBoxs();
}

bool TFParGen::Controllo_Dati() {
  if (const std::optional<int> message = zentar::Controllo_Dati(Read_Values())) {
    dialogs_.error(this, QTxt(*message));
    return false;
  }
  return true;
}

void TFParGen::Btn_OKClick() {
  if (!Controllo_Dati()) return;
  std::string error;
  if (!Save_Par_Gen(App_State.File_ParGen, XML1, Read_Values(), error)) {
    dialogs_.error(this, Q(error));
    return;
  }
  accept();
}

} // namespace zentar
