// The parameter window offscreen: load, OK with validation and save, the
// layout pass, the point-key chains, collapsing panels and the wheel.
#include "../par_gen_print.h"
#include "app/app_state.h"
#include "common/xml_file.h"
#include "params/ui/TFParGen.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace zentar {
namespace {

using test::Read_Text;
using test::TScripted_Dialogs;
using test::TTemp_Dir;
using test::Write_Text;

// Each text names its own number, so a message shows which text was used.
std::string Text_Name(int n) { return "text " + std::to_string(n); }

// Texts and paths are set before the window is created.
struct TState_Setup {
  TState_Setup() {
    App_State.Texts.clear();
    for (int i = 0; i < 5400; ++i)
      App_State.Texts.push_back(Text_Name(i));
    App_State.Text_Count = 5400;
    App_State.SW_Code = "CF44K10";
    App_State.File_ParGen = path;
  }
  TTemp_Dir dir;
  const std::string path = dir / "ParGen.xml";
};

class TFParGen_Test : public ::testing::Test, public TState_Setup {
protected:
  // The file the core writes for `values`.
  static std::string File_Of(const TPar_Gen& values) {
    pugi::xml_document doc;
    Build_Par_Gen_Document(doc, values);
    return Xml_To_Text(doc);
  }

  static void Type(QWidget* target, Qt::Key key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
  }

  // Shows the window and makes it active, so that focus moves can be seen.
  void Show_Active() {
    w.show();
    w.activateWindow();
    QApplication::processEvents();
  }

  TScripted_Dialogs dialogs;
  TFParGen w{dialogs};
};

TEST_F(TFParGen_Test, Creation_Composes_Captions_Once_And_Keeps_The_Width) {
  EXPECT_EQ(w.CP_Ethernet_Connection->Caption().toStdString(), "1. text 1544");
  EXPECT_EQ(w.CP_EtherCAT_Slave->Caption().toStdString(), "2. text 406");
  EXPECT_EQ(w.CP_J1939->Caption().toStdString(), "3. text 847");
  EXPECT_EQ(w.CP_Ethernet->Caption().toStdString(), "4. text 693");
  EXPECT_EQ(w.L_SW_Code->text().toStdString(), "CF44K10");
  // A language change relabels the controls, not the panel captions.
  App_State.Texts[1545] = "Nome";
  App_State.Texts[1544] = "Connessione";
  w.Set_Lang();
  EXPECT_EQ(w.L_EthConn_Device_Name->text().toStdString(), "Nome");
  EXPECT_EQ(w.CP_Ethernet_Connection->Caption().toStdString(), "1. text 1544");

  EXPECT_EQ(w.width(), 460);
  EXPECT_EQ(w.height(), 700);
  w.resize(700, 500);
  EXPECT_EQ(w.width(), 460);
  EXPECT_EQ(w.height(), 500);
}

TEST_F(TFParGen_Test, Ok_On_Defaults_Writes_The_Default_File) {
  w.FormShow();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(w.E_EtherCAT_Slave_Name->text().toStdString(), "devicename1");
  EXPECT_EQ(w.E_Ethernet_IP4->text().toStdString(), "5");
  EXPECT_EQ(w.CB_J1939_Baudrate->currentText().toStdString(), "250K");
  EXPECT_FALSE(w.CB_EthConn_Enable_DNS->isChecked());
  w.Btn_OKClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Read_Text(path), File_Of(TPar_Gen{}));
}

TEST_F(TFParGen_Test, Every_Key_Goes_Through_The_Controls_Unchanged) {
  TPar_Gen v;
  v.Eth_Conn_Device_Name = " host <1> & ";
  v.Eth_Conn_DHCP_Cable = true;
  v.Eth_Conn_Enable_DNS = true;
  v.Eth_Conn_Primary_DNS1 = "1";
  v.Eth_Conn_Primary_DNS2 = " 2";
  v.Eth_Conn_Primary_DNS3 = "$3";
  v.Eth_Conn_Primary_DNS4 = "0x4";
  v.Eth_Conn_Secondary_DNS1 = "5";
  v.Eth_Conn_Secondary_DNS2 = "6";
  v.Eth_Conn_Secondary_DNS3 = "7";
  v.Eth_Conn_Secondary_DNS4 = "X8";
  v.EtherCAT_Slave_Revision_Number = "0xFFFFFFFF";
  v.EtherCAT_Slave_Name = " slave ";
  v.EtherCAT_Slave_Node_Address = "192";
  v.EtherCAT_Slave_Clear_Data = true;
  v.Ethernet_IP1 = "10";
  v.Ethernet_IP2 = "11";
  v.Ethernet_IP3 = "12";
  v.Ethernet_IP4 = "13";
  v.Ethernet_SM1 = "254";
  v.Ethernet_SM2 = "253";
  v.Ethernet_SM3 = "252";
  v.Ethernet_SM4 = "251";
  v.Ethernet_GAT1 = "20";
  v.Ethernet_GAT2 = "21";
  v.Ethernet_GAT3 = "22";
  v.Ethernet_GAT4 = "23";
  v.Ethernet_EN_GAT = true;
  v.J1939_BAUDRATE = 9;
  v.J1939_TIMEOUT = "100000";
  v.J1939_PEER_TO_PEER = true;
  v.J1939_Device_ID = "0x10";
  const std::string file = File_Of(v);
  Write_Text(path, file);
  w.FormShow();
  EXPECT_EQ(w.Read_Values(), v);
  w.Btn_OKClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(Read_Text(path), file);

  // Typing stops at 31 and 15 characters; a longer stored name is kept whole.
  EXPECT_EQ(w.E_EthConn_Device_Name->maxLength(), 31);
  EXPECT_EQ(w.E_EtherCAT_Slave_Name->maxLength(), 15);
  Write_Text(path,
             "<Par_Gen><EtherCAT_Slave_Name>abcdefghijklmnopqrst</EtherCAT_Slave_Name></Par_Gen>");
  w.FormShow();
  EXPECT_EQ(w.E_EtherCAT_Slave_Name->text().toStdString(), "abcdefghijklmnopqrst");
  w.Btn_OKClick();
  EXPECT_NE(Read_Text(path).find(">abcdefghijklmnopqrst<"), std::string::npos);

  // A stored baud rate outside the list shows 250K and is saved as 6.
  Write_Text(path, "<Par_Gen><J1939_BAUDRATE>10</J1939_BAUDRATE></Par_Gen>");
  w.FormShow();
  EXPECT_EQ(w.CB_J1939_Baudrate->currentText().toStdString(), "250K");
  w.Btn_OKClick();
  EXPECT_NE(Read_Text(path).find("<J1939_BAUDRATE>6</J1939_BAUDRATE>"), std::string::npos);
}

TEST_F(TFParGen_Test, Wrong_File_Shows_The_First_Message_And_Stays_Untouched) {
  struct TCase {
    const char* file;
    int message;
  } cases[] = {
      {"<Par_Gen><Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>"
       "<Eth_Conn_Primary_DNS2>256</Eth_Conn_Primary_DNS2>"
       "<EtherCAT_Slave_Node_Address>0</EtherCAT_Slave_Node_Address></Par_Gen>",
       1564},
      {"<Par_Gen><Eth_Conn_Primary_DNS2>256</Eth_Conn_Primary_DNS2>"
       "<Ethernet_GAT1>300</Ethernet_GAT1><J1939_TIMEOUT>100001</J1939_TIMEOUT>"
       "<J1939_Device_ID>256</J1939_Device_ID></Par_Gen>",
       856},
      {"<Par_Gen><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
       "<Ethernet_IP3>7 </Ethernet_IP3></Par_Gen>",
       722},
      {"<Par_Gen><EtherCAT_Slave_Name>   </EtherCAT_Slave_Name></Par_Gen>", 411},
  };
  for (const TCase& c : cases) {
    Write_Text(path, c.file);
    dialogs.Clear();
    w.setResult(QDialog::Rejected);
    w.FormShow();
    w.Btn_OKClick();
    EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{Text_Name(c.message)}) << c.file;
    EXPECT_EQ(dialogs.shown.size(), 1u);
    EXPECT_NE(w.result(), QDialog::Accepted);
    EXPECT_EQ(Read_Text(path), c.file);
  }
}

TEST_F(TFParGen_Test, Unreadable_And_Unwritable_Files_Are_Reported) {
  Write_Text(path, "<Par_Gen><Ethernet_IP4>77</Par_Gen>");
  w.FormShow();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find(path), std::string::npos);
  EXPECT_EQ(w.Read_Values(), TPar_Gen{});

  dialogs.Clear();
  App_State.File_ParGen = dir / "gone/ParGen.xml";
  w.Btn_OKClick();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find(App_State.File_ParGen), std::string::npos);
  EXPECT_NE(w.result(), QDialog::Accepted);
}

TEST_F(TFParGen_Test, Tab_Order_Follows_The_Panels_And_The_Window_Opens_On_The_First_Field) {
  w.FormShow();
  Show_Active();
  EXPECT_EQ(QApplication::focusWidget(), w.E_EthConn_Device_Name);
  const std::vector<QWidget*> expected = {
      // panel 1
      w.E_EthConn_Device_Name, w.CB_EthConn_En_DHCP_Cable, w.CB_EthConn_En_DHCP_WiFi,
      w.CB_EthConn_Enable_DNS, w.E_EthConn_Pri_DNS_IP1, w.E_EthConn_Pri_DNS_IP2,
      w.E_EthConn_Pri_DNS_IP3, w.E_EthConn_Pri_DNS_IP4, w.E_EthConn_Sec_DNS_IP1,
      w.E_EthConn_Sec_DNS_IP2, w.E_EthConn_Sec_DNS_IP3, w.E_EthConn_Sec_DNS_IP4,
      // panel 2
      w.E_EtherCAT_Slave_Revision_Number, w.E_EtherCAT_Slave_Name, w.E_EtherCAT_Slave_Node_Address,
      w.CB_EtherCAT_Slave_Clear_Data,
      // panel 3
      w.CB_J1939_Baudrate, w.E_J1939_TimeOut, w.CB_J1939_Enable_Peer_To_Peer, w.E_J1939_ID_Device,
      // panel 4
      w.E_Ethernet_IP1, w.E_Ethernet_IP2, w.E_Ethernet_IP3, w.E_Ethernet_IP4, w.E_Ethernet_SM1,
      w.E_Ethernet_SM2, w.E_Ethernet_SM3, w.E_Ethernet_SM4, w.CB_Ethernet_En_GAT, w.E_Ethernet_GAT1,
      w.E_Ethernet_GAT2, w.E_Ethernet_GAT3, w.E_Ethernet_GAT4,
      // buttons
      w.Btn_OK, w.Btn_Cancel};
  // Every tab stop of the window, starting after the window itself.
  std::vector<QWidget*> chain;
  for (QWidget* x = w.nextInFocusChain(); x != &w; x = x->nextInFocusChain())
    if (x->focusPolicy() & Qt::TabFocus) chain.push_back(x);
  EXPECT_EQ(chain, expected);
}

TEST_F(TFParGen_Test, Dhcp_Disables_The_Fixed_Address_And_Wifi_Stays_Off) {
  Write_Text(path, "<Par_Gen><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"
                   "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                   "<Ethernet_EN_GAT>1</Ethernet_EN_GAT></Par_Gen>");
  w.FormShow();
  const std::vector<QWidget*> fixed = {w.E_Ethernet_IP1,  w.E_Ethernet_IP2,  w.E_Ethernet_IP3,
                                       w.E_Ethernet_IP4,  w.E_Ethernet_SM1,  w.E_Ethernet_SM2,
                                       w.E_Ethernet_SM3,  w.E_Ethernet_SM4,  w.CB_Ethernet_En_GAT,
                                       w.E_Ethernet_GAT1, w.E_Ethernet_GAT2, w.E_Ethernet_GAT3,
                                       w.E_Ethernet_GAT4};
  const auto enabled = [&](bool expected) {
    for (QWidget* c : fixed)
      EXPECT_EQ(c->isEnabled(), expected) << c;
  };
  enabled(false);
  EXPECT_FALSE(w.CB_EthConn_En_DHCP_WiFi->isChecked());
  EXPECT_FALSE(w.CB_EthConn_En_DHCP_WiFi->isEnabled());
  Show_Active();
  w.CB_EthConn_En_DHCP_Cable->click();
  enabled(true);
  w.CB_Ethernet_En_GAT->click(); // the gateway box enables nothing
  enabled(true);
  w.CB_EthConn_En_DHCP_Cable->click();
  enabled(false);
  // Enable DNS decides validation only, not the DNS edits.
  w.CB_EthConn_Enable_DNS->click();
  EXPECT_TRUE(w.CB_EthConn_Enable_DNS->isChecked());
  EXPECT_TRUE(w.E_EthConn_Pri_DNS_IP1->isEnabled());
  EXPECT_FALSE(w.CB_EthConn_En_DHCP_WiFi->isEnabled());
}

TEST_F(TFParGen_Test, Point_Key_Moves_Along_The_Address_Chains) {
  w.FormShow();
  Show_Active();
  const std::vector<std::vector<QLineEdit*>> chains = {
      {w.E_EthConn_Pri_DNS_IP1, w.E_EthConn_Pri_DNS_IP2, w.E_EthConn_Pri_DNS_IP3,
       w.E_EthConn_Pri_DNS_IP4, w.E_EthConn_Sec_DNS_IP1, w.E_EthConn_Sec_DNS_IP2,
       w.E_EthConn_Sec_DNS_IP3, w.E_EthConn_Sec_DNS_IP4},
      {w.E_Ethernet_IP1, w.E_Ethernet_IP2, w.E_Ethernet_IP3, w.E_Ethernet_IP4, w.E_Ethernet_SM1,
       w.E_Ethernet_SM2, w.E_Ethernet_SM3, w.E_Ethernet_SM4, w.E_Ethernet_GAT1, w.E_Ethernet_GAT2,
       w.E_Ethernet_GAT3, w.E_Ethernet_GAT4}};
  for (const auto& chain : chains)
    for (size_t i = 0; i < chain.size(); ++i) {
      chain[i]->setFocus();
      const QString before = chain[i]->text();
      Type(chain[i], Qt::Key_Period, QStringLiteral("."));
      EXPECT_EQ(chain[i]->text(), before) << i;
      QWidget* expected = i + 1 < chain.size() ? chain[i + 1] : chain[i];
      EXPECT_EQ(QApplication::focusWidget(), expected) << i;
    }
  // The part that takes the focus is scrolled into view: at the opening
  // height the gateway row lies below the visible part of the group.
  QWidget* client = w.CPG->viewport();
  w.CPG->verticalScrollBar()->setValue(0);
  w.E_Ethernet_SM4->setFocus();
  ASSERT_FALSE(client->rect().contains(
      QRect(w.E_Ethernet_GAT1->mapTo(client, QPoint(0, 0)), w.E_Ethernet_GAT1->size())));
  Type(w.E_Ethernet_SM4, Qt::Key_Period, QStringLiteral("."));
  ASSERT_EQ(QApplication::focusWidget(), w.E_Ethernet_GAT1);
  EXPECT_TRUE(client->rect().contains(
      QRect(w.E_Ethernet_GAT1->mapTo(client, QPoint(0, 0)), w.E_Ethernet_GAT1->size())));
  // Other keys pass unchanged; a point elsewhere is typed normally.
  w.E_Ethernet_IP1->setFocus();
  Type(w.E_Ethernet_IP1, Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(w.E_Ethernet_IP1->text().toStdString(), "192a");
  w.E_EthConn_Device_Name->setFocus();
  Type(w.E_EthConn_Device_Name, Qt::Key_Period, QStringLiteral("."));
  EXPECT_EQ(w.E_EthConn_Device_Name->text().toStdString(), ".");
  // A successor that cannot take the focus keeps it where it is.
  w.E_Ethernet_SM1->setEnabled(false);
  w.E_Ethernet_IP4->setFocus();
  Type(w.E_Ethernet_IP4, Qt::Key_Period, QStringLiteral("."));
  EXPECT_EQ(QApplication::focusWidget(), w.E_Ethernet_IP4);
  // Revision number and node address take typed digits only.
  w.E_EtherCAT_Slave_Node_Address->setFocus();
  Type(w.E_EtherCAT_Slave_Node_Address, Qt::Key_X, QStringLiteral("x"));
  Type(w.E_EtherCAT_Slave_Node_Address, Qt::Key_unknown, QString(QChar(0x0663))); // Arabic-Indic 3
  Type(w.E_EtherCAT_Slave_Node_Address, Qt::Key_Space, QStringLiteral(" "));
  Type(w.E_EtherCAT_Slave_Node_Address, Qt::Key_2, QStringLiteral("2"));
  EXPECT_EQ(w.E_EtherCAT_Slave_Node_Address->text().toStdString(), "12");
}

TEST_F(TFParGen_Test, Panels_Stack_And_Reflow_When_Collapsed) {
  w.FormShow();
  Show_Active();
  const std::vector<TCategory_Panel*> panels = {w.CP_Ethernet_Connection, w.CP_EtherCAT_Slave,
                                                w.CP_J1939, w.CP_Ethernet};
  const auto stacked = [&] {
    EXPECT_EQ(panels[0]->y(), 0);
    for (size_t i = 1; i < panels.size(); ++i)
      EXPECT_EQ(panels[i]->y(), panels[i - 1]->y() + panels[i - 1]->height()) << i;
  };
  // Height rule: lowest control, header and a margin of 12.
  const int header = TCategory_Panel_Group::Header_Height;
  EXPECT_EQ(panels[0]->height(), w.E_EthConn_Sec_DNS_IP4->geometry().bottom() + 1 + header + 12);
  EXPECT_EQ(panels[1]->height(),
            w.CB_EtherCAT_Slave_Clear_Data->geometry().bottom() + 1 + header + 12);
  EXPECT_EQ(panels[3]->height(), w.E_Ethernet_GAT4->geometry().bottom() + 1 + header + 12);
  stacked();
  const int expanded = panels[1]->height();

  // A click on the header collapses the panel; those below move up.
  QWidget* h = panels[1]->Header();
  const QPointF at(10, 10);
  QMouseEvent press(QEvent::MouseButtonPress, at, h->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, h->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(h, &press);
  QApplication::sendEvent(h, &release);
  EXPECT_TRUE(panels[1]->Collapsed());
  EXPECT_EQ(panels[1]->height(), header);
  EXPECT_FALSE(w.E_EtherCAT_Slave_Name->isVisible());
  stacked();
  // The layout pass keeps a collapsed panel collapsed.
  w.FormShow();
  EXPECT_EQ(panels[1]->height(), header);
  stacked();

  panels[1]->Set_Collapsed(false);
  EXPECT_EQ(panels[1]->height(), expanded);
  EXPECT_TRUE(w.E_EtherCAT_Slave_Name->isVisible());
  stacked();
}

TEST_F(TFParGen_Test, Wheel_Scrolls_Only_Over_The_Panel_Group) {
  w.FormShow();
  Show_Active();
  QScrollBar* bar = w.CPG->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 0);
  bar->setValue(0);
  bool handled = false;
  w.FormMouseWheel(w.P_Title->mapToGlobal(QPoint(10, 10)), -120, handled);
  EXPECT_FALSE(handled);
  EXPECT_EQ(bar->value(), 0);

  // Over a control of a panel: the group scrolls, the baud rate keeps its item.
  QComboBox* list = w.CB_J1939_Baudrate;
  const QPointF at(5, 5);
  QWheelEvent down(at, list->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &down);
  const int lines = QApplication::wheelScrollLines();
  EXPECT_EQ(bar->value(), std::min(bar->maximum(), lines * bar->singleStep()));
  EXPECT_EQ(list->currentIndex(), 6);
  QWheelEvent up(at, list->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  QApplication::sendEvent(list, &up);
  EXPECT_EQ(bar->value(), 0);
}

} // namespace
} // namespace zentar
