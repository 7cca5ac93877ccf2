#include "app/workspace.h"

#include "common/safe_file.h"
#include "common/text_rules.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <sys/stat.h>

namespace zentar {

void Set_App_Folders(TApp_State& state, const std::string& app_dir) {
  state.App_Dir = app_dir;
  while (state.App_Dir.size() > 1 && state.App_Dir.back() == '/')
    state.App_Dir.pop_back();
  state.Master_Dir = state.App_Dir + "/MASTER";
  mkdir(state.Master_Dir.c_str(), 0777);
  state.Projects_Dir = state.App_Dir + "/PROJECTS";
  mkdir(state.Projects_Dir.c_str(), 0777);
  state.Language_Dir = state.App_Dir + "/LANGUAGE";
  mkdir(state.Language_Dir.c_str(), 0777);
}

void Set_Files(TApp_State& s) {
  const std::string base = s.Conf_Path + "/";
  std::string* const fields[] = {&s.File_ParGen,
                                 &s.File_EtherCAT_Slave,
                                 &s.File_ModbusM_SetAccess,
                                 &s.File_ModbusTCPM_SetAccess,
                                 &s.File_BACnet_Master_Access,
                                 &s.File_BACnet_Slave,
                                 &s.File_CAN_Rec_Frames,
                                 &s.File_CAN_Send_Frames,
                                 &s.File_SDO_Server_CANopen,
                                 &s.File_SDO_Client_CANopen,
                                 &s.File_PDO_CANopen,
                                 &s.File_DNETM_Net,
                                 &s.File_DNETM_DefOff,
                                 &s.File_DMX_Default_Values,
                                 &s.File_IEC_61850_Client,
                                 &s.File_TLS_Known_Cert,
                                 &s.File_IEC61850_Variables,
                                 &s.File_J1939_Rec_Frames,
                                 &s.File_J1939_Send_Frames,
                                 &s.File_MQTT_Set_Topic,
                                 &s.File_NMEA_Rec_Frames,
                                 &s.File_NMEA_Send_Frames,
                                 &s.File_OPC_UA_Client,
                                 &s.File_OPC_UA_Server,
                                 &s.File_SNMP_Manager,
                                 &s.File_SNMP_Trap,
                                 &s.File_EtherNetIP_Master_Rules,
                                 &s.File_S7_Protocol,
                                 &s.File_EtherCAT_Slave_Group};
  static const char* const names[] = {"ParGen.xml",
                                      "EtherCAT_Slave.xml",
                                      "ModbusM_SetAccess.xml",
                                      "ModbusTCPM_SetAccess.xml",
                                      "BACnet_Master_Access.xml",
                                      "BACnet_Slave.xml",
                                      "CAN_Rec_Frames.xml",
                                      "CAN_Send_Frames.xml",
                                      "SDO_Server_CANopen.xml",
                                      "SDO_Client_CANopen.xml",
                                      "PDO_CANopen.xml",
                                      "DNETM_Net.xml",
                                      "DNETM_DefOff.xml",
                                      "DMX_Default_Values.xml",
                                      "IEC_61850_Client.xml",
                                      "TLS_Known_Cert.xml",
                                      "IEC61850_Variables.xml",
                                      "J1939_Rec_Frames.xml",
                                      "J1939_Send_Frames.xml",
                                      "MQTT_Set_Topic.xml",
                                      "NMEA_Rec_Frames.xml",
                                      "NMEA_Send_Frames.xml",
                                      "OPC_UA_Client.xml",
                                      "OPC_UA_Server.xml",
                                      "SNMP_Manager.xml",
                                      "SNMP_Trap.xml",
                                      "EtherNetIP_Master_Rules.xml",
                                      "S7_Protocol.xml",
                                      "EtherCAT_Slave_Group.xml"};
  static_assert(std::size(fields) == 29 && std::size(names) == 29);
  for (size_t i = 0; i < std::size(fields); ++i)
    *fields[i] = base + names[i];
}

TNew_Project_Result Create_Project_Folder(const std::string& projects_dir,
                                          const std::string& name) {
  if (name.empty()) return TNew_Project_Result::Empty_Name;
  const std::string folder = projects_dir + "/" + name;
  struct stat st {};
  if (stat(folder.c_str(), &st) == 0) return TNew_Project_Result::Exists;
  // A separator would put the folder somewhere below or outside PROJECTS; a
  // leading dot would make it a hidden folder that the open list never shows.
  if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos ||
      name.find('\0') != std::string::npos || name[0] == '.')
    return TNew_Project_Result::Not_Creatable;
  for (const std::string& other : Load_Existing_Configuration(projects_dir))
    if (Same_Text(other, name)) return TNew_Project_Result::Exists;
  if (mkdir(folder.c_str(), 0777) != 0) {
    if (errno == EEXIST) return TNew_Project_Result::Exists;
    return TNew_Project_Result::Not_Creatable;
  }
  std::error_code ec;
  std::filesystem::create_directories(folder + "/bin", ec);
  return TNew_Project_Result::Ok;
}

std::vector<std::string> Load_Existing_Configuration(const std::string& projects_dir) {
  std::vector<std::string> names;
  DIR* dir = opendir(projects_dir.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name.empty() || name[0] == '.') continue;
    bool is_dir = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK)
      is_dir = Folder_Exists(projects_dir + "/" + name);
    if (is_dir) names.push_back(name);
  }
  closedir(dir);
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string ua = Upper_Case(a), ub = Upper_Case(b);
    return ua != ub ? ua < ub : a < b;
  });
  return names;
}

int Search_Open_Conf(const std::vector<std::string>& list, const std::string& name) {
  for (size_t i = 0; i < list.size(); ++i)
    if (Same_Text(list[i], name)) return static_cast<int>(i);
  return -1;
}

std::string Active_Conf_Name(const TApp_State& state) {
  const std::string prefix = state.Projects_Dir + "/";
  if (state.Conf_Path.size() > prefix.size() &&
      state.Conf_Path.compare(0, prefix.size(), prefix) == 0)
    return state.Conf_Path.substr(prefix.size());
  return {};
}

} // namespace zentar
