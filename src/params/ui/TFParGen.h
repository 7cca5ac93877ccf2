#pragma once
// "Set Communication": the communication parameters of the active
// configuration in four collapsible panels (Ethernet connection, EtherCAT
// slave, J1939, Ethernet), loaded from ParGen.xml on every showing and written
// back on OK after validation.
#include "common/ui/zentar_dialog.h"
#include "params/par_gen.h"
#include "params/ui/category_panel_group.h"

#include <array>
#include <pugixml.hpp>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zentar {

class TFParGen : public TZentar_Dialog {
  Q_OBJECT
public:
  explicit TFParGen(TDialog_Service& dialogs, QWidget* parent = nullptr);

  void Set_Lang() override;
  // Loads the parameter file (defaults when it is missing or unreadable),
  // then runs the layout pass.
  void FormShow() override;
  // Validates; on success writes the file and closes with Accepted. A failed
  // write is reported and the window stays open.
  void Btn_OKClick();
  // Shows the message of the first failing check; true when all pass.
  bool Controllo_Dati();

  // Panel order of the product, captions and tab order.
  void Order_TAB_Panels();
  void Order_TAB_Panels_44K10();
  // The layout pass: panel heights and enabling.
  void Move_GroupBoxs();
  void RePosition_Objects_44K10();

  // A check box was clicked.
  void On_Click(QObject* sender);
  // Key typed in an address edit; sets `key` to none when it is swallowed.
  void KeyPress(QObject* sender, QChar& key);
  // Wheel turned with the pointer at `global_pos`; scrolls the panel group
  // and sets `handled` when the pointer is over it.
  void FormMouseWheel(const QPoint& global_pos, int delta, bool& handled);
  // Keeps the client width at 460.
  void FormResize();

  // Controls to values and back.
  void Show_Values(const TPar_Gen& values);
  TPar_Gen Read_Values() const;

  TCategory_Panel_Group* CPG = nullptr;
  TCategory_Panel* CP_Ethernet_Connection = nullptr;
  TCategory_Panel* CP_EtherCAT_Slave = nullptr;
  TCategory_Panel* CP_J1939 = nullptr;
  TCategory_Panel* CP_Ethernet = nullptr;

  // Panel 1
  QLabel* L_EthConn_Device_Name = nullptr;
  QLineEdit* E_EthConn_Device_Name = nullptr;
  QCheckBox* CB_EthConn_En_DHCP_Cable = nullptr;
  QCheckBox* CB_EthConn_En_DHCP_WiFi = nullptr;
  QCheckBox* CB_EthConn_Enable_DNS = nullptr;
  QLabel* L_EthConn_Primary_DNS = nullptr;
  QLineEdit* E_EthConn_Pri_DNS_IP1 = nullptr;
  QLineEdit* E_EthConn_Pri_DNS_IP2 = nullptr;
  QLineEdit* E_EthConn_Pri_DNS_IP3 = nullptr;
  QLineEdit* E_EthConn_Pri_DNS_IP4 = nullptr;
  QLabel* L_EthConn_Secondary_DNS = nullptr;
  QLineEdit* E_EthConn_Sec_DNS_IP1 = nullptr;
  QLineEdit* E_EthConn_Sec_DNS_IP2 = nullptr;
  QLineEdit* E_EthConn_Sec_DNS_IP3 = nullptr;
  QLineEdit* E_EthConn_Sec_DNS_IP4 = nullptr;

  // Panel 2
  QLabel* L_EtherCAT_Slave_Revision_Number = nullptr;
  QLineEdit* E_EtherCAT_Slave_Revision_Number = nullptr;
  QLabel* L_EtherCAT_Slave_Name = nullptr;
  QLineEdit* E_EtherCAT_Slave_Name = nullptr;
  QLabel* L_EtherCAT_Slave_Node_Address = nullptr;
  QLineEdit* E_EtherCAT_Slave_Node_Address = nullptr;
  QCheckBox* CB_EtherCAT_Slave_Clear_Data = nullptr;

  // Panel 3
  QLabel* L_J1939_Baudrate = nullptr;
  QComboBox* CB_J1939_Baudrate = nullptr;
  QLabel* L_J1939_TimeOut = nullptr;
  QLineEdit* E_J1939_TimeOut = nullptr;
  QCheckBox* CB_J1939_Enable_Peer_To_Peer = nullptr;
  QLabel* L_J1939_ID_Device = nullptr;
  QLineEdit* E_J1939_ID_Device = nullptr;

  // Panel 4
  QLabel* L_Ethernet_IP = nullptr;
  QLineEdit* E_Ethernet_IP1 = nullptr;
  QLineEdit* E_Ethernet_IP2 = nullptr;
  QLineEdit* E_Ethernet_IP3 = nullptr;
  QLineEdit* E_Ethernet_IP4 = nullptr;
  QLabel* L_Ethernet_SM = nullptr;
  QLineEdit* E_Ethernet_SM1 = nullptr;
  QLineEdit* E_Ethernet_SM2 = nullptr;
  QLineEdit* E_Ethernet_SM3 = nullptr;
  QLineEdit* E_Ethernet_SM4 = nullptr;
  QCheckBox* CB_Ethernet_En_GAT = nullptr;
  QLineEdit* E_Ethernet_GAT1 = nullptr;
  QLineEdit* E_Ethernet_GAT2 = nullptr;
  QLineEdit* E_Ethernet_GAT3 = nullptr;
  QLineEdit* E_Ethernet_GAT4 = nullptr;

  TLb_Button* Btn_OK = nullptr;
  TLb_Button* Btn_Cancel = nullptr;

  // The document read and written by the window.
  pugi::xml_document XML1;

protected:
  void Layout_Client(const QRect& area) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QLabel* Make_Label(QWidget* panel, int row);
  QLineEdit* Make_Edit(QWidget* panel, int x, int row, int width);
  QCheckBox* Make_Check_Box(QWidget* panel, int top, int width);
  // Four edits at x 191, 252, 313, 374 with a "." between neighbours.
  std::array<QLineEdit*, 4> Make_Address(QWidget* panel, int row);
  // Height rule: the lowest control's bottom, the header and a margin of 12.
  void Apply_Height_Rule(TCategory_Panel* panel, QWidget* lowest);
  // The address chain holding `edit` and its place there; null for other controls.
  const std::vector<QLineEdit*>* Chain_Of(QObject* edit, size_t& index) const;

  struct TText_Field {
    std::string TPar_Gen::*field;
    QLineEdit* edit;
  };
  struct TFlag_Field {
    bool TPar_Gen::*field;
    QCheckBox* box;
  };
  std::vector<TText_Field> text_fields_;
  std::vector<TFlag_Field> flag_fields_;
  // Address chains of the point key, each in focus order.
  std::vector<std::vector<QLineEdit*>> chains_;
  QList<QLineEdit*> digits_only_;
  // Controls of each panel in tab order.
  std::vector<std::vector<QWidget*>> panel_controls_;
  int wheel_rest_ = 0;
};

} // namespace zentar
