#pragma once
// The communication parameters of a configuration and their file ParGen.xml:
// one element per key under the root `Par_Gen`, the value as element text,
// the comment "SW_VERSION = 1.001" after the root.
#include <array>
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace zentar {

inline constexpr const char* Par_Gen_Root = "Par_Gen";

// The J1939 baud rate list; the stored value is the item index.
inline constexpr int Baud_Rate_Count = 10;
inline constexpr int Default_Baud_Rate = 6; // "250K"
inline constexpr std::array<const char*, Baud_Rate_Count> J1939_Baud_Rate_Items = {
    "10K", "20K", "50K", "62.5K", "100K", "125K", "250K", "500K", "800K", "1000K"};

// Every value as the window holds it: numbers and texts as typed, flags as
// booleans, the baud rate as the list index. The initial values are the
// defaults shown when the file or a key is absent.
struct TPar_Gen {
  std::string Eth_Conn_Device_Name;
  bool Eth_Conn_DHCP_Cable = false;
  bool Eth_Conn_DHCP_WiFi = false;
  bool Eth_Conn_Enable_DNS = false;
  std::string Eth_Conn_Primary_DNS1 = "8";
  std::string Eth_Conn_Primary_DNS2 = "8";
  std::string Eth_Conn_Primary_DNS3 = "8";
  std::string Eth_Conn_Primary_DNS4 = "8";
  std::string Eth_Conn_Secondary_DNS1 = "8";
  std::string Eth_Conn_Secondary_DNS2 = "8";
  std::string Eth_Conn_Secondary_DNS3 = "4";
  std::string Eth_Conn_Secondary_DNS4 = "4";
  std::string EtherCAT_Slave_Revision_Number = "0";
  std::string EtherCAT_Slave_Name = "devicename1";
  std::string EtherCAT_Slave_Node_Address = "1";
  bool EtherCAT_Slave_Clear_Data = false;
  std::string Ethernet_IP1 = "192";
  std::string Ethernet_IP2 = "168";
  std::string Ethernet_IP3 = "0";
  std::string Ethernet_IP4 = "5";
  std::string Ethernet_SM1 = "255";
  std::string Ethernet_SM2 = "255";
  std::string Ethernet_SM3 = "255";
  std::string Ethernet_SM4 = "0";
  std::string Ethernet_GAT1 = "192";
  std::string Ethernet_GAT2 = "168";
  std::string Ethernet_GAT3 = "0";
  std::string Ethernet_GAT4 = "1";
  bool Ethernet_EN_GAT = false;
  int J1939_BAUDRATE = Default_Baud_Rate;
  std::string J1939_TIMEOUT = "0";
  bool J1939_PEER_TO_PEER = false;
  std::string J1939_Device_ID = "0";

  bool operator==(const TPar_Gen&) const = default;
};

enum class TPar_Kind { Text, Flag, Baud_Rate };

// One key of the file: its element name and the field it fills. Text keys
// (free texts and numbers alike) use `text`, flags use `flag`.
struct TPar_Key {
  const char* name;
  TPar_Kind kind;
  std::string TPar_Gen::*text;
  bool TPar_Gen::*flag;
};

inline constexpr int Par_Gen_Key_Count = 33;
// The keys in the order in which they are written.
const std::array<TPar_Key, Par_Gen_Key_Count>& Par_Gen_Keys();

// A stored baud rate text as a list index: an integer text from 0 to 9, else 6.
int Baud_Rate_Index(std::string_view text);

// Parses the file keeping every top-level node (declaration, comments,
// processing instructions), so that the first top-level node is the one the
// file really starts with. A value of blanks only is kept as it stands.
bool Load_Par_Gen_Document(const std::string& path, pugi::xml_document& doc, std::string& error);

// Fills `values` from a parsed document: the first top-level node is the
// root, each key is found by name among its children, an absent key gives its
// default. The Wi-Fi DHCP flag is never read and stays cleared.
void Read_Par_Gen(const pugi::xml_document& doc, TPar_Gen& values);

enum class TPar_Load { No_File, Loaded, Failed };

// Loads the parameter file into `values`. No_File and Failed leave every value
// at its default; Failed sets `error` to the path and the reason.
TPar_Load Load_Par_Gen(const std::string& path, pugi::xml_document& doc, TPar_Gen& values,
                       std::string& error);

// Checks the values in the fixed order; the text number of the message of the
// first failing check, or nothing when all pass.
std::optional<int> Controllo_Dati(const TPar_Gen& values);

// Empties `doc` and writes the root, the version comment and the 33 keys.
void Build_Par_Gen_Document(pugi::xml_document& doc, const TPar_Gen& values);

// Builds the document and saves it through a temporary file; false with
// `error` ("path: reason") when the file cannot be written, the old file kept.
bool Save_Par_Gen(const std::string& path, pugi::xml_document& doc, const TPar_Gen& values,
                  std::string& error);

} // namespace zentar
