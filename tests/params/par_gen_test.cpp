// The parameter values: validation order and messages, load defaults and
// rules, the saved file and its round trip.
#include "par_gen_print.h"
#include "params/par_gen.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace zentar {
namespace {

using test::Read_Text;
using test::TTemp_Dir;
using test::Write_Text;

// ---------------------------------------------------------------- validation

using P = TPar_Gen;
using TField = std::string TPar_Gen::*;

// Field texts to set and boxes to check, and the expected message.
struct TCheck_Case {
  const char* name;
  std::vector<std::pair<TField, const char*>> texts = {};
  bool dns = false, gateway = false, dhcp = false;
  std::optional<int> message = std::nullopt;
};

std::vector<TCheck_Case> Check_Cases() {
  std::vector<TCheck_Case> c = {
      {.name = "defaults pass"},
      // DNS parts only count when DNS is enabled.
      {.name = "dns off 300 passes", .texts = {{&P::Eth_Conn_Primary_DNS1, "300"}}},
      {.name = "dns off empty passes", .texts = {{&P::Eth_Conn_Secondary_DNS4, ""}}},
      {.name = "dns on minus one",
       .texts = {{&P::Eth_Conn_Primary_DNS1, "-1"}},
       .dns = true,
       .message = 1563},
      {.name = "dns on hex ff passes", .texts = {{&P::Eth_Conn_Primary_DNS2, "$FF"}}, .dns = true},
      // Revision number: 64-bit parse, 0 to 4294967295.
      {.name = "revision max", .texts = {{&P::EtherCAT_Slave_Revision_Number, "4294967295"}}},
      {.name = "revision hex max", .texts = {{&P::EtherCAT_Slave_Revision_Number, "0xFFFFFFFF"}}},
      {.name = "revision over",
       .texts = {{&P::EtherCAT_Slave_Revision_Number, "4294967296"}},
       .message = 412},
      {.name = "revision empty",
       .texts = {{&P::EtherCAT_Slave_Revision_Number, ""}},
       .message = 412},
      {.name = "revision negative",
       .texts = {{&P::EtherCAT_Slave_Revision_Number, "-1"}},
       .message = 412},
      // Slave name: not empty after trimming; blanks around a letter are fine.
      {.name = "name blanks", .texts = {{&P::EtherCAT_Slave_Name, "   "}}, .message = 411},
      {.name = "name empty", .texts = {{&P::EtherCAT_Slave_Name, ""}}, .message = 411},
      {.name = "name padded letter", .texts = {{&P::EtherCAT_Slave_Name, " a "}}},
      // Node address 1 to 192.
      {.name = "node 0", .texts = {{&P::EtherCAT_Slave_Node_Address, "0"}}, .message = 989},
      {.name = "node 193", .texts = {{&P::EtherCAT_Slave_Node_Address, "193"}}, .message = 989},
      {.name = "node 192", .texts = {{&P::EtherCAT_Slave_Node_Address, "192"}}},
      // IP parts are checked with DHCP on as well; trailing blanks refused.
      {.name = "ip 256 with dhcp",
       .texts = {{&P::Ethernet_IP1, "256"}},
       .dhcp = true,
       .message = 720},
      {.name = "ip trailing blank", .texts = {{&P::Ethernet_IP2, "168 "}}, .message = 721},
      {.name = "ip leading blank", .texts = {{&P::Ethernet_IP2, " 168"}}},
      {.name = "ip fraction", .texts = {{&P::Ethernet_IP3, "1.5"}}, .message = 722},
      // Gateway parts only when the gateway is enabled.
      {.name = "gateway off 999 passes", .texts = {{&P::Ethernet_GAT1, "999"}}},
      {.name = "timeout 100000", .texts = {{&P::J1939_TIMEOUT, "100000"}}},
      {.name = "timeout 100001", .texts = {{&P::J1939_TIMEOUT, "100001"}}, .message = 856},
      {.name = "timeout letters", .texts = {{&P::J1939_TIMEOUT, "ten"}}, .message = 856},
      {.name = "id 255", .texts = {{&P::J1939_Device_ID, "255"}}},
      {.name = "id 256", .texts = {{&P::J1939_Device_ID, "256"}}, .message = 857},
      {.name = "id hex 0x10", .texts = {{&P::J1939_Device_ID, "0x10"}}},
      {.name = "id hex 0x100", .texts = {{&P::J1939_Device_ID, "0x100"}}, .message = 857},
      // Several faults: the first check in the order wins.
      {.name = "dns before revision",
       .texts = {{&P::Eth_Conn_Secondary_DNS3, "x"},
                 {&P::EtherCAT_Slave_Revision_Number, ""},
                 {&P::J1939_Device_ID, "999"}},
       .dns = true,
       .message = 1569},
      {.name = "revision before name",
       .texts = {{&P::EtherCAT_Slave_Revision_Number, "x"}, {&P::EtherCAT_Slave_Name, ""}},
       .message = 412},
      {.name = "name before node",
       .texts = {{&P::EtherCAT_Slave_Name, " "}, {&P::EtherCAT_Slave_Node_Address, "0"}},
       .message = 411},
      {.name = "node before ip",
       .texts = {{&P::EtherCAT_Slave_Node_Address, "0"}, {&P::Ethernet_IP1, "300"}},
       .message = 989},
      {.name = "ip before mask",
       .texts = {{&P::Ethernet_IP4, "300"}, {&P::Ethernet_SM1, "300"}},
       .message = 723},
      {.name = "mask before gateway",
       .texts = {{&P::Ethernet_SM4, "300"}, {&P::Ethernet_GAT1, "300"}},
       .gateway = true,
       .message = 727},
      {.name = "gateway before timeout",
       .texts = {{&P::Ethernet_GAT4, "300"}, {&P::J1939_TIMEOUT, "-5"}},
       .gateway = true,
       .message = 731},
      {.name = "timeout before id",
       .texts = {{&P::J1939_TIMEOUT, ""}, {&P::J1939_Device_ID, ""}},
       .message = 856},
  };
  // Each address part with DNS or gateway enabled has its own message.
  const TField dns[] = {&P::Eth_Conn_Primary_DNS1,   &P::Eth_Conn_Primary_DNS2,
                        &P::Eth_Conn_Primary_DNS3,   &P::Eth_Conn_Primary_DNS4,
                        &P::Eth_Conn_Secondary_DNS1, &P::Eth_Conn_Secondary_DNS2,
                        &P::Eth_Conn_Secondary_DNS3, &P::Eth_Conn_Secondary_DNS4};
  for (int i = 0; i < 8; ++i)
    c.push_back(
        {.name = "dns part 256", .texts = {{dns[i], "256"}}, .dns = true, .message = 1563 + i});
  const TField ip[] = {&P::Ethernet_IP1,  &P::Ethernet_IP2,  &P::Ethernet_IP3,  &P::Ethernet_IP4,
                       &P::Ethernet_SM1,  &P::Ethernet_SM2,  &P::Ethernet_SM3,  &P::Ethernet_SM4,
                       &P::Ethernet_GAT1, &P::Ethernet_GAT2, &P::Ethernet_GAT3, &P::Ethernet_GAT4};
  for (int i = 0; i < 12; ++i)
    c.push_back({.name = "ethernet part 256",
                 .texts = {{ip[i], "256"}},
                 .gateway = true,
                 .message = 720 + i});
  return c;
}

TEST(Par_Gen_Check, First_Failing_Check_Gives_Its_Message) {
  for (const TCheck_Case& c : Check_Cases()) {
    TPar_Gen v;
    for (const auto& [field, text] : c.texts)
      v.*field = text;
    v.Eth_Conn_Enable_DNS = c.dns;
    v.Ethernet_EN_GAT = c.gateway;
    v.Eth_Conn_DHCP_Cable = c.dhcp;
    EXPECT_EQ(Controllo_Dati(v), c.message) << c.name;
  }
}

// ---------------------------------------------------------------- file

// The file written for the defaults, byte for byte.
const char* const Default_File =
    "<Par_Gen><Eth_Conn_Device_Name></Eth_Conn_Device_Name>"
    "<Eth_Conn_DHCP_Cable>0</Eth_Conn_DHCP_Cable><Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"
    "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS>"
    "<Eth_Conn_Primary_DNS1>8</Eth_Conn_Primary_DNS1><Eth_Conn_Primary_DNS2>8</"
    "Eth_Conn_Primary_DNS2>"
    "<Eth_Conn_Primary_DNS3>8</Eth_Conn_Primary_DNS3><Eth_Conn_Primary_DNS4>8</"
    "Eth_Conn_Primary_DNS4>"
    "<Eth_Conn_Secondary_DNS1>8</Eth_Conn_Secondary_DNS1>"
    "<Eth_Conn_Secondary_DNS2>8</Eth_Conn_Secondary_DNS2>"
    "<Eth_Conn_Secondary_DNS3>4</Eth_Conn_Secondary_DNS3>"
    "<Eth_Conn_Secondary_DNS4>4</Eth_Conn_Secondary_DNS4>"
    "<EtherCAT_Slave_Revision_Number>0</EtherCAT_Slave_Revision_Number>"
    "<EtherCAT_Slave_Name>devicename1</EtherCAT_Slave_Name>"
    "<EtherCAT_Slave_Node_Address>1</EtherCAT_Slave_Node_Address>"
    "<EtherCAT_Slave_Clear_Data>0</EtherCAT_Slave_Clear_Data>"
    "<Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2>"
    "<Ethernet_IP3>0</Ethernet_IP3><Ethernet_IP4>5</Ethernet_IP4>"
    "<Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
    "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4>"
    "<Ethernet_GAT1>192</Ethernet_GAT1><Ethernet_GAT2>168</Ethernet_GAT2>"
    "<Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>"
    "<Ethernet_EN_GAT>0</Ethernet_EN_GAT><J1939_BAUDRATE>6</J1939_BAUDRATE>"
    "<J1939_TIMEOUT>0</J1939_TIMEOUT><J1939_PEER_TO_PEER>0</J1939_PEER_TO_PEER>"
    "<J1939_Device_ID>0</J1939_Device_ID></Par_Gen><!--SW_VERSION = 1.001-->";

// Every key away from its default, with texts that test the encoding.
TPar_Gen Changed_Values() {
  TPar_Gen v;
  v.Eth_Conn_Device_Name = "a<b>&\"c' d";
  v.Eth_Conn_DHCP_Cable = true;
  v.Eth_Conn_Enable_DNS = true;
  v.Eth_Conn_Primary_DNS1 = "1";
  v.Eth_Conn_Primary_DNS2 = " 2";
  v.Eth_Conn_Primary_DNS3 = "$3";
  v.Eth_Conn_Primary_DNS4 = "0x4";
  v.Eth_Conn_Secondary_DNS1 = "5";
  v.Eth_Conn_Secondary_DNS2 = "6 ";
  v.Eth_Conn_Secondary_DNS3 = "";
  v.Eth_Conn_Secondary_DNS4 = "   ";
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
  return v;
}

TEST(Par_Gen_File, No_File_Gives_Defaults_And_They_Save_Byte_For_Byte) {
  TTemp_Dir dir;
  const std::string path = dir / "ParGen.xml";
  pugi::xml_document doc;
  TPar_Gen v = Changed_Values();
  std::string error;
  EXPECT_EQ(Load_Par_Gen(path, doc, v, error), TPar_Load::No_File);
  EXPECT_EQ(v, TPar_Gen{});
  ASSERT_TRUE(Save_Par_Gen(path, doc, v, error)) << error;
  EXPECT_EQ(Read_Text(path), Default_File);
}

TEST(Par_Gen_File, Round_Trip_Of_Every_Key) {
  TTemp_Dir dir;
  const std::string path = dir / "ParGen.xml";
  pugi::xml_document doc;
  std::string error;
  const TPar_Gen written = Changed_Values();
  ASSERT_TRUE(Save_Par_Gen(path, doc, written, error)) << error;
  const std::string first = Read_Text(path);
  TPar_Gen read;
  ASSERT_EQ(Load_Par_Gen(path, doc, read, error), TPar_Load::Loaded) << error;
  EXPECT_EQ(read, written);
  ASSERT_TRUE(Save_Par_Gen(path, doc, read, error)) << error;
  EXPECT_EQ(Read_Text(path), first);
  // The Wi-Fi DHCP flag is stored cleared whatever the record holds.
  TPar_Gen wifi;
  wifi.Eth_Conn_DHCP_WiFi = true;
  ASSERT_TRUE(Save_Par_Gen(path, doc, wifi, error)) << error;
  EXPECT_EQ(Read_Text(path), Default_File);
}

TEST(Par_Gen_File, Keys_In_Another_Order_Load_The_Same_Values) {
  TTemp_Dir dir;
  const std::string path = dir / "ParGen.xml";
  pugi::xml_document doc;
  std::string error;
  const TPar_Gen written = Changed_Values();
  Build_Par_Gen_Document(doc, written);
  // Reverse the children and indent the file: order and layout do not count.
  pugi::xml_node root = doc.first_child();
  pugi::xml_document reversed;
  pugi::xml_node r = reversed.append_child("Par_Gen");
  for (pugi::xml_node n = root.last_child(); n; n = n.previous_sibling())
    r.append_copy(n);
  std::ostringstream out;
  reversed.save(out, "  ", pugi::format_indent | pugi::format_no_declaration);
  Write_Text(path, out.str());
  TPar_Gen read;
  ASSERT_EQ(Load_Par_Gen(path, doc, read, error), TPar_Load::Loaded) << error;
  EXPECT_EQ(read, written);
}

struct TLoad_Case {
  const char* file;
  std::function<void(TPar_Gen&)> expected; // changes from the defaults
};

TEST(Par_Gen_File, Load_Rules) {
  const TLoad_Case cases[] = {
      {"<Par_Gen/>", [](TPar_Gen&) {}},
      {"<Par_Gen></Par_Gen><!--SW_VERSION = 1.001-->", [](TPar_Gen&) {}},
      // Only an exact "1" sets a flag.
      {"<Par_Gen><Eth_Conn_DHCP_Cable>Y</Eth_Conn_DHCP_Cable><Ethernet_EN_GAT> 1</Ethernet_EN_GAT>"
       "<J1939_PEER_TO_PEER>1</J1939_PEER_TO_PEER></Par_Gen>",
       [](TPar_Gen& v) { v.J1939_PEER_TO_PEER = true; }},
      // The Wi-Fi flag is never taken from the file.
      {"<Par_Gen><Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi></Par_Gen>", [](TPar_Gen&) {}},
      // Baud rate: integer text 0 to 9, otherwise 250K.
      {"<Par_Gen><J1939_BAUDRATE>x</J1939_BAUDRATE></Par_Gen>", [](TPar_Gen&) {}},
      {"<Par_Gen><J1939_BAUDRATE>12</J1939_BAUDRATE></Par_Gen>", [](TPar_Gen&) {}},
      {"<Par_Gen><J1939_BAUDRATE>-1</J1939_BAUDRATE></Par_Gen>", [](TPar_Gen&) {}},
      {"<Par_Gen><J1939_BAUDRATE>$7</J1939_BAUDRATE></Par_Gen>",
       [](TPar_Gen& v) { v.J1939_BAUDRATE = 7; }},
      {"<Par_Gen><J1939_BAUDRATE>0</J1939_BAUDRATE></Par_Gen>",
       [](TPar_Gen& v) { v.J1939_BAUDRATE = 0; }},
      // A present but empty key is an empty field, not the default; absent
      // keys keep their defaults.
      {"<Par_Gen><Ethernet_IP1/><EtherCAT_Slave_Name></EtherCAT_Slave_Name>"
       "<Ethernet_IP4>77</Ethernet_IP4></Par_Gen>",
       [](TPar_Gen& v) {
         v.Ethernet_IP1 = "";
         v.EtherCAT_Slave_Name = "";
         v.Ethernet_IP4 = "77";
       }},
      // A comment or a declaration before the root is the first node: no keys.
      {"<!--x--><Par_Gen><Ethernet_IP4>77</Ethernet_IP4></Par_Gen>", [](TPar_Gen&) {}},
      {"<?xml version=\"1.0\"?><Par_Gen><Ethernet_IP4>77</Ethernet_IP4></Par_Gen>",
       [](TPar_Gen&) {}},
  };
  TTemp_Dir dir;
  const std::string path = dir / "ParGen.xml";
  for (const TLoad_Case& c : cases) {
    Write_Text(path, c.file);
    pugi::xml_document doc;
    std::string error;
    TPar_Gen read = Changed_Values();
    EXPECT_EQ(Load_Par_Gen(path, doc, read, error), TPar_Load::Loaded) << c.file;
    TPar_Gen expected;
    c.expected(expected);
    EXPECT_EQ(read, expected) << c.file;
  }
}

TEST(Par_Gen_File, Unparsable_File_Reports_And_Gives_Defaults) {
  TTemp_Dir dir;
  const std::string path = dir / "ParGen.xml";
  Write_Text(path, "<Par_Gen><Ethernet_IP4>77</Par_Gen>");
  pugi::xml_document doc;
  std::string error;
  TPar_Gen read = Changed_Values();
  EXPECT_EQ(Load_Par_Gen(path, doc, read, error), TPar_Load::Failed);
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_EQ(read, TPar_Gen{});
}

TEST(Par_Gen_File, Failed_Write_Reports_The_Path) {
  TTemp_Dir dir;
  const std::string path = dir / "missing/ParGen.xml";
  pugi::xml_document doc;
  std::string error;
  EXPECT_FALSE(Save_Par_Gen(path, doc, TPar_Gen{}, error));
  EXPECT_NE(error.find(path), std::string::npos) << error;
}

} // namespace
} // namespace zentar
