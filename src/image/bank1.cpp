#include "image/bank1.h"

#include "common/text_rules.h"
#include "image/ethercat_image.h"
#include "image/image_bytes.h"
#include "image/project_xml.h"

#include <cstring>
#include <optional>
#include <string>

namespace zentar {

namespace {

// The text of a key, or nothing when the key is missing.
std::optional<std::string> Key(const TXml_Node& root, const char* name) {
  const TXml_Node element = root.Child_Element(name);
  if (!element) return std::nullopt;
  return element.Text();
}

bool Flag(const TXml_Node& root, const char* name) {
  const auto text = Key(root, name);
  return text && *text == "1";
}

int Number(const TXml_Node& root, const char* name, int fallback) {
  const auto text = Key(root, name);
  return text ? Text_To_Int(*text, fallback) : fallback;
}

std::string Text(const TXml_Node& root, const char* name, const char* fallback) {
  const auto text = Key(root, name);
  return text ? *text : std::string(fallback);
}

// One byte per character, the low 8 bits of its code, at most `max_chars`;
// the rest of the field zero.
void Put_Text(uint8_t* field, size_t field_size, size_t max_chars, const std::string& text) {
  std::memset(field, 0, field_size);
  const std::vector<uint32_t> chars = Code_Points(text);
  for (size_t i = 0; i < chars.size() && i < max_chars; ++i)
    field[i] = static_cast<uint8_t>(chars[i]);
}

void Put_Bytes(uint8_t* field, const TXml_Node& root, const char* prefix, const int fallback[4]) {
  for (int i = 0; i < 4; ++i) {
    const std::string key = prefix + std::to_string(i + 1);
    field[i] = static_cast<uint8_t>(Number(root, key.c_str(), fallback[i]));
  }
}

} // namespace

uint32_t J1939_Bit_Rate(int code) {
  static const uint32_t rates[10] = {10000,  20000,  50000,  62500,  100000,
                                     125000, 250000, 500000, 800000, 1000000};
  return code >= 0 && code <= 9 ? rates[code] : 250000;
}

void Initial_Bank1(uint8_t* b) {
  std::memset(b, 0, Bank1_Size);
  Put_U32(b + 0, 250000);
  Put_U32(b + 4, 250000);
  Put_U32(b + 12, 9600);
  const uint8_t ip[4] = {192, 168, 2, 205};
  const uint8_t mask[4] = {255, 255, 255, 0};
  std::memcpy(b + 40, ip, 4);
  std::memcpy(b + 44, mask, 4);
  std::memset(b + 48, 255, 4);
  Put_U16(b + 52, 10000);
  Put_U16(b + 54, 10001);
  Put_U16(b + 56, 10001);
  std::memset(b + 436, 8, 8);
}

void Read_Communication_Parameters(const TXml_Node& root, uint8_t* b, TEtherCAT_Section& section,
                                   uint32_t& j1939_timeout_ms) {
  Put_Text(b + 1644, 8, 5, "1.001");
  Put_Text(b + 1300, 32, 31, Text(root, "Eth_Conn_Device_Name", ""));

  uint16_t network = 0;
  if (Flag(root, "Eth_Conn_DHCP_Cable")) network |= 1;
  if (Flag(root, "Eth_Conn_DHCP_WiFi")) network |= 2;
  Put_U16(b + 1256, network);

  if (Flag(root, "Eth_Conn_Enable_DNS")) {
    static const int primary[4] = {8, 8, 8, 8};
    static const int secondary[4] = {8, 8, 4, 4};
    Put_Bytes(b + 1420, root, "Eth_Conn_Primary_DNS", primary);
    Put_Bytes(b + 1340, root, "Eth_Conn_Secondary_DNS", secondary);
  }

  section.Parse_Eeprom_Config(
      Text(root, "EtherCAT_Slave_Eeprom_Config", "800F00CC8813ff00000000800000"));
  const auto revision = Key(root, "EtherCAT_Slave_Revision_Number");
  section.header.revision = revision ? Revision_Number(*revision) : 0;
  Put_Text(b + 80, 16, 15, Text(root, "EtherCAT_Slave_Name", "devicename1"));
  section.header.node_address =
      static_cast<uint16_t>(Number(root, "EtherCAT_Slave_Node_Address", 1));
  section.header.clear_data = Flag(root, "EtherCAT_Slave_Clear_Data") ? 1 : 0;

  static const int ip[4] = {192, 168, 0, 10};
  static const int mask[4] = {255, 255, 255, 0};
  static const int gateway[4] = {192, 168, 0, 1};
  Put_Bytes(b + 40, root, "Ethernet_IP", ip);
  Put_Bytes(b + 44, root, "Ethernet_SM", mask);
  Put_Bytes(b + 48, root, "Ethernet_GAT", gateway);
  if (!Flag(root, "Ethernet_EN_GAT")) std::memset(b + 48, 255, 4);

  const uint32_t rate = J1939_Bit_Rate(Number(root, "J1939_BAUDRATE", 6));
  Put_U32(b + 0, rate);
  Put_U32(b + 4, rate);
  // Seconds to milliseconds in 32 bits, as the device field holds them.
  j1939_timeout_ms = static_cast<uint32_t>(Number(root, "J1939_TIMEOUT", 0)) * 1000u;
  Put_U32(b + 152, Flag(root, "J1939_PEER_TO_PEER") ? 1 : 0);
  Put_U32(b + 28, static_cast<uint32_t>(Number(root, "J1939_Device_ID", 0)));
}

uint32_t Bank1_Checksum(const uint8_t* b) {
  uint32_t sum = 0;
  for (size_t i = 0; i < Bank1_Size - 4; ++i)
    sum += b[i];
  return sum;
}

} // namespace zentar
