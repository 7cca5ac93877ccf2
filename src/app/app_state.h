#pragma once
// The one shared record of the running program: folders, the active
// configuration, product texts, option flags, table file paths, the interface
// texts and the row copy buffer.
#include <string>
#include <vector>

namespace zentar {

struct TApp_State {
  // Interface texts (5400 slots once loaded).
  std::vector<std::string> Texts;
  int Text_Count = 0;

  // Active configuration: active exactly when Conf_Path is not empty.
  std::string Conf_Name;
  std::string Conf_Path;

  // Folders, without trailing separator.
  std::string App_Dir;
  std::string Master_Dir;
  std::string Projects_Dir;
  std::string Language_Dir;

  // Product texts.
  std::string Title;
  std::string SW_Code;
  std::string SW_Desc;

  std::string Device_IP = "192.168.2.205";
  int Update_Option = 0;
  bool Read_Back = true;
  std::string Language = "English";

  // Option flags.
  bool Enable_Internet = false;
  bool Enable_Update = false;
  bool Enable_Jump_Field_Tables = false;
  bool Double_Click_Auto_Size = false;

  // Table file paths, built by Set_Files.
  std::string File_ParGen;
  std::string File_EtherCAT_Slave;
  std::string File_ModbusM_SetAccess;
  std::string File_ModbusTCPM_SetAccess;
  std::string File_BACnet_Master_Access;
  std::string File_BACnet_Slave;
  std::string File_CAN_Rec_Frames;
  std::string File_CAN_Send_Frames;
  std::string File_SDO_Server_CANopen;
  std::string File_SDO_Client_CANopen;
  std::string File_PDO_CANopen;
  std::string File_DNETM_Net;
  std::string File_DNETM_DefOff;
  std::string File_DMX_Default_Values;
  std::string File_IEC_61850_Client;
  std::string File_TLS_Known_Cert;
  std::string File_IEC61850_Variables;
  std::string File_J1939_Rec_Frames;
  std::string File_J1939_Send_Frames;
  std::string File_MQTT_Set_Topic;
  std::string File_NMEA_Rec_Frames;
  std::string File_NMEA_Send_Frames;
  std::string File_OPC_UA_Client;
  std::string File_OPC_UA_Server;
  std::string File_SNMP_Manager;
  std::string File_SNMP_Trap;
  std::string File_EtherNetIP_Master_Rules;
  std::string File_S7_Protocol;
  std::string File_EtherCAT_Slave_Group;

  // Row copy buffer shared by every table editor.
  std::vector<std::string> Copied_Row;
  std::vector<bool> Copied_Check_Flags;

  // Lists of the MIB generator of the other converter models.
  std::vector<std::string> MIB_Objects;
  std::vector<std::string> MIB_Traps;
};

// The single instance.
extern TApp_State App_State;

// Text N of the interface text table; a single blank for an index outside it.
const std::string& Txt(int index);

} // namespace zentar
