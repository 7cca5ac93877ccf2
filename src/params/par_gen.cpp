#include "params/par_gen.h"

#include "common/safe_file.h"
#include "common/text_rules.h"
#include "common/xml_file.h"

#include <cstdint>

namespace zentar {

namespace {

using P = TPar_Gen;

constexpr TPar_Key Text_Key(const char* name, std::string P::*field) {
  return {name, TPar_Kind::Text, field, nullptr};
}
constexpr TPar_Key Flag_Key(const char* name, bool P::*field) {
  return {name, TPar_Kind::Flag, nullptr, field};
}

const std::array<TPar_Key, Par_Gen_Key_Count> Keys = {{
    Text_Key("Eth_Conn_Device_Name", &P::Eth_Conn_Device_Name),
    Flag_Key("Eth_Conn_DHCP_Cable", &P::Eth_Conn_DHCP_Cable),
    Flag_Key("Eth_Conn_DHCP_WiFi", &P::Eth_Conn_DHCP_WiFi),
    Flag_Key("Eth_Conn_Enable_DNS", &P::Eth_Conn_Enable_DNS),
    Text_Key("Eth_Conn_Primary_DNS1", &P::Eth_Conn_Primary_DNS1),
    Text_Key("Eth_Conn_Primary_DNS2", &P::Eth_Conn_Primary_DNS2),
    Text_Key("Eth_Conn_Primary_DNS3", &P::Eth_Conn_Primary_DNS3),
    Text_Key("Eth_Conn_Primary_DNS4", &P::Eth_Conn_Primary_DNS4),
    Text_Key("Eth_Conn_Secondary_DNS1", &P::Eth_Conn_Secondary_DNS1),
    Text_Key("Eth_Conn_Secondary_DNS2", &P::Eth_Conn_Secondary_DNS2),
    Text_Key("Eth_Conn_Secondary_DNS3", &P::Eth_Conn_Secondary_DNS3),
    Text_Key("Eth_Conn_Secondary_DNS4", &P::Eth_Conn_Secondary_DNS4),
    Text_Key("EtherCAT_Slave_Revision_Number", &P::EtherCAT_Slave_Revision_Number),
    Text_Key("EtherCAT_Slave_Name", &P::EtherCAT_Slave_Name),
    Text_Key("EtherCAT_Slave_Node_Address", &P::EtherCAT_Slave_Node_Address),
    Flag_Key("EtherCAT_Slave_Clear_Data", &P::EtherCAT_Slave_Clear_Data),
    Text_Key("Ethernet_IP1", &P::Ethernet_IP1),
    Text_Key("Ethernet_IP2", &P::Ethernet_IP2),
    Text_Key("Ethernet_IP3", &P::Ethernet_IP3),
    Text_Key("Ethernet_IP4", &P::Ethernet_IP4),
    Text_Key("Ethernet_SM1", &P::Ethernet_SM1),
    Text_Key("Ethernet_SM2", &P::Ethernet_SM2),
    Text_Key("Ethernet_SM3", &P::Ethernet_SM3),
    Text_Key("Ethernet_SM4", &P::Ethernet_SM4),
    Text_Key("Ethernet_GAT1", &P::Ethernet_GAT1),
    Text_Key("Ethernet_GAT2", &P::Ethernet_GAT2),
    Text_Key("Ethernet_GAT3", &P::Ethernet_GAT3),
    Text_Key("Ethernet_GAT4", &P::Ethernet_GAT4),
    Flag_Key("Ethernet_EN_GAT", &P::Ethernet_EN_GAT),
    {"J1939_BAUDRATE", TPar_Kind::Baud_Rate, nullptr, nullptr},
    Text_Key("J1939_TIMEOUT", &P::J1939_TIMEOUT),
    Flag_Key("J1939_PEER_TO_PEER", &P::J1939_PEER_TO_PEER),
    Text_Key("J1939_Device_ID", &P::J1939_Device_ID),
}};

// Every top-level node is kept so that a declaration or comment before the
// root is seen as the first node; a value made of blanks only survives.
constexpr unsigned Parse_Flags = pugi::parse_default | pugi::parse_declaration |
                                 pugi::parse_comments | pugi::parse_pi | pugi::parse_doctype |
                                 pugi::parse_ws_pcdata_single;

bool In_Range(const std::string& text, int lo, int hi) {
  const int v = Text_To_Int(text, -1);
  return v >= lo && v <= hi;
}

} // namespace

const std::array<TPar_Key, Par_Gen_Key_Count>& Par_Gen_Keys() { return Keys; }

int Baud_Rate_Index(std::string_view text) {
  const int v = Text_To_Int(text, Default_Baud_Rate);
  return v >= 0 && v < Baud_Rate_Count ? v : Default_Baud_Rate;
}

bool Load_Par_Gen_Document(const std::string& path, pugi::xml_document& doc, std::string& error) {
  doc.reset();
  std::string data;
  if (!Read_File(path, data, error)) return false;
  const pugi::xml_parse_result r = doc.load_buffer(data.data(), data.size(), Parse_Flags);
  if (!r) {
    doc.reset();
    error = path + ": " + r.description() + " at offset " + std::to_string(r.offset);
    return false;
  }
  return true;
}

void Read_Par_Gen(const pugi::xml_document& doc, TPar_Gen& values) {
  values = TPar_Gen{};
  const pugi::xml_node root = First_Node(doc);
  for (const TPar_Key& key : Keys) {
    if (key.flag == &TPar_Gen::Eth_Conn_DHCP_WiFi) continue;
    // Only element children count; a comment or a declaration as the first
    // node has none, so every key keeps its default.
    const pugi::xml_node node =
        root.type() == pugi::node_element ? root.child(key.name) : pugi::xml_node();
    if (!node) continue;
    const char* text = node.text().get();
    switch (key.kind) {
    case TPar_Kind::Text:
      values.*key.text = text;
      break;
    case TPar_Kind::Flag:
      values.*key.flag = std::string_view(text) == "1";
      break;
    case TPar_Kind::Baud_Rate:
      values.J1939_BAUDRATE = Baud_Rate_Index(text);
      break;
    }
  }
  values.Eth_Conn_DHCP_WiFi = false;
}

TPar_Load Load_Par_Gen(const std::string& path, pugi::xml_document& doc, TPar_Gen& values,
                       std::string& error) {
  values = TPar_Gen{};
  doc.reset();
  if (!File_Exists(path)) return TPar_Load::No_File;
  if (!Load_Par_Gen_Document(path, doc, error)) return TPar_Load::Failed;
  Read_Par_Gen(doc, values);
  return TPar_Load::Loaded;
}

std::optional<int> Controllo_Dati(const TPar_Gen& v) {
  struct TByte_Check {
    const std::string& text;
    int message;
  };
  const auto first_bad = [](std::initializer_list<TByte_Check> checks) -> std::optional<int> {
    for (const TByte_Check& c : checks)
      if (!In_Range(c.text, 0, 255)) return c.message;
    return std::nullopt;
  };

  if (v.Eth_Conn_Enable_DNS) {
    if (auto m = first_bad({{v.Eth_Conn_Primary_DNS1, 1563},
                            {v.Eth_Conn_Primary_DNS2, 1564},
                            {v.Eth_Conn_Primary_DNS3, 1565},
                            {v.Eth_Conn_Primary_DNS4, 1566},
                            {v.Eth_Conn_Secondary_DNS1, 1567},
                            {v.Eth_Conn_Secondary_DNS2, 1568},
                            {v.Eth_Conn_Secondary_DNS3, 1569},
                            {v.Eth_Conn_Secondary_DNS4, 1570}}))
      return m;
  }
  const int64_t revision = Text_To_Int64(v.EtherCAT_Slave_Revision_Number, -1);
  if (revision < 0 || revision > 4294967295LL) return 412;
  if (Trim(v.EtherCAT_Slave_Name).empty()) return 411;
  if (!In_Range(v.EtherCAT_Slave_Node_Address, 1, 192)) return 989;
  if (auto m = first_bad({{v.Ethernet_IP1, 720},
                          {v.Ethernet_IP2, 721},
                          {v.Ethernet_IP3, 722},
                          {v.Ethernet_IP4, 723},
                          {v.Ethernet_SM1, 724},
                          {v.Ethernet_SM2, 725},
                          {v.Ethernet_SM3, 726},
                          {v.Ethernet_SM4, 727}}))
    return m;
  if (v.Ethernet_EN_GAT) {
    if (auto m = first_bad({{v.Ethernet_GAT1, 728},
                            {v.Ethernet_GAT2, 729},
                            {v.Ethernet_GAT3, 730},
                            {v.Ethernet_GAT4, 731}}))
      return m;
  }
  if (!In_Range(v.J1939_TIMEOUT, 0, 100000)) return 856;
  if (!In_Range(v.J1939_Device_ID, 0, 255)) return 857;
  return std::nullopt;
}

void Build_Par_Gen_Document(pugi::xml_document& doc, const TPar_Gen& values) {
  pugi::xml_node root = Begin_Project_Document(doc, Par_Gen_Root);
  for (const TPar_Key& key : Keys) {
    pugi::xml_text text = root.append_child(key.name).text();
    switch (key.kind) {
    case TPar_Kind::Text:
      text.set((values.*key.text).c_str());
      break;
    case TPar_Kind::Flag:
      // Wi-Fi DHCP does not exist on this product: always stored cleared.
      text.set(values.*key.flag && key.flag != &TPar_Gen::Eth_Conn_DHCP_WiFi ? "1" : "0");
      break;
    case TPar_Kind::Baud_Rate:
      // The list has ten items; anything else is stored as the default item.
      text.set(Int_To_Str(values.J1939_BAUDRATE >= 0 && values.J1939_BAUDRATE < Baud_Rate_Count
                              ? values.J1939_BAUDRATE
                              : Default_Baud_Rate)
                   .c_str());
      break;
    }
  }
}

bool Save_Par_Gen(const std::string& path, pugi::xml_document& doc, const TPar_Gen& values,
                  std::string& error) {
  Build_Par_Gen_Document(doc, values);
  return Save_Xml_File(doc, path, error);
}

} // namespace zentar
