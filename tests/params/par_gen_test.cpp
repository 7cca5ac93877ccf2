// The parameter values: validation order and messages, load defaults and
// rules, the saved file and its round trip.
#include "params/par_gen.h"
#include "support/temp_dir.h"

#include <functional>
#include <gtest/gtest.h>

namespace zentar {
namespace {

using test::Read_Text;
using test::TTemp_Dir;
using test::Write_Text;

} // namespace

// Readable failures: every key with its value.
void PrintTo(const TPar_Gen& v, std::ostream* os) {
  for (const TPar_Key& k : Par_Gen_Keys()) {
    *os << "\n  " << k.name << "=";
    if (k.kind == TPar_Kind::Text)
      *os << '"' << v.*k.text << '"';
    else if (k.kind == TPar_Kind::Flag)
      *os << (v.*k.flag ? 1 : 0);
    else
      *os << v.J1939_BAUDRATE;
  }
}

namespace {

// ---------------------------------------------------------------- validation

struct TCheck_Case {
  const char* name;
  std::function<void(TPar_Gen&)> edit;
  std::optional<int> message;
};

std::vector<TCheck_Case> Check_Cases() {
  std::vector<TCheck_Case> c = {
      {"defaults pass", [](TPar_Gen&) {}, std::nullopt},
      // DNS parts only count when DNS is enabled.
      {"dns off 300 passes", [](TPar_Gen& v) { v.Eth_Conn_Primary_DNS1 = "300"; }, std::nullopt},
      {"dns off empty passes", [](TPar_Gen& v) { v.Eth_Conn_Secondary_DNS4 = ""; }, std::nullopt},
      {"dns on minus one",
       [](TPar_Gen& v) {
         v.Eth_Conn_Enable_DNS = true;
         v.Eth_Conn_Primary_DNS1 = "-1";
       },
       1563},
      {"dns on hex ff passes",
       [](TPar_Gen& v) {
         v.Eth_Conn_Enable_DNS = true;
         v.Eth_Conn_Primary_DNS2 = "$FF";
       },
       std::nullopt},
      // Revision number: 64-bit parse, 0 to 4294967295.
      {"revision max", [](TPar_Gen& v) { v.EtherCAT_Slave_Revision_Number = "4294967295"; },
       std::nullopt},
      {"revision hex max", [](TPar_Gen& v) { v.EtherCAT_Slave_Revision_Number = "0xFFFFFFFF"; },
       std::nullopt},
      {"revision over", [](TPar_Gen& v) { v.EtherCAT_Slave_Revision_Number = "4294967296"; }, 412},
      {"revision empty", [](TPar_Gen& v) { v.EtherCAT_Slave_Revision_Number = ""; }, 412},
      {"revision negative", [](TPar_Gen& v) { v.EtherCAT_Slave_Revision_Number = "-1"; }, 412},
      // Slave name: not empty after trimming; blanks around a letter are fine.
      {"name blanks", [](TPar_Gen& v) { v.EtherCAT_Slave_Name = "   "; }, 411},
      {"name empty", [](TPar_Gen& v) { v.EtherCAT_Slave_Name = ""; }, 411},
      {"name padded letter", [](TPar_Gen& v) { v.EtherCAT_Slave_Name = " a "; }, std::nullopt},
      // Node address 1 to 192.
      {"node 0", [](TPar_Gen& v) { v.EtherCAT_Slave_Node_Address = "0"; }, 989},
      {"node 193", [](TPar_Gen& v) { v.EtherCAT_Slave_Node_Address = "193"; }, 989},
      {"node 192", [](TPar_Gen& v) { v.EtherCAT_Slave_Node_Address = "192"; }, std::nullopt},
      // IP parts are checked with DHCP on as well; trailing blanks refused.
      {"ip 256 with dhcp",
       [](TPar_Gen& v) {
         v.Eth_Conn_DHCP_Cable = true;
         v.Ethernet_IP1 = "256";
       },
       720},
      {"ip trailing blank", [](TPar_Gen& v) { v.Ethernet_IP2 = "168 "; }, 721},
      {"ip leading blank", [](TPar_Gen& v) { v.Ethernet_IP2 = " 168"; }, std::nullopt},
      {"ip fraction", [](TPar_Gen& v) { v.Ethernet_IP3 = "1.5"; }, 722},
      // Gateway parts only when the gateway is enabled.
      {"gateway off 999 passes", [](TPar_Gen& v) { v.Ethernet_GAT1 = "999"; }, std::nullopt},
      {"timeout 100000", [](TPar_Gen& v) { v.J1939_TIMEOUT = "100000"; }, std::nullopt},
      {"timeout 100001", [](TPar_Gen& v) { v.J1939_TIMEOUT = "100001"; }, 856},
      {"timeout letters", [](TPar_Gen& v) { v.J1939_TIMEOUT = "ten"; }, 856},
      {"id 255", [](TPar_Gen& v) { v.J1939_Device_ID = "255"; }, std::nullopt},
      {"id 256", [](TPar_Gen& v) { v.J1939_Device_ID = "256"; }, 857},
      {"id hex 0x10", [](TPar_Gen& v) { v.J1939_Device_ID = "0x10"; }, std::nullopt},
      {"id hex 0x100", [](TPar_Gen& v) { v.J1939_Device_ID = "0x100"; }, 857},
      // Several faults: the first check in the order wins.
      {"dns before revision",
       [](TPar_Gen& v) {
         v.Eth_Conn_Enable_DNS = true;
         v.Eth_Conn_Secondary_DNS3 = "x";
         v.EtherCAT_Slave_Revision_Number = "";
         v.J1939_Device_ID = "999";
       },
       1569},
      {"revision before name",
       [](TPar_Gen& v) {
         v.EtherCAT_Slave_Revision_Number = "x";
         v.EtherCAT_Slave_Name = "";
       },
       412},
      {"name before node",
       [](TPar_Gen& v) {
         v.EtherCAT_Slave_Name = " ";
         v.EtherCAT_Slave_Node_Address = "0";
       },
       411},
      {"node before ip",
       [](TPar_Gen& v) {
         v.EtherCAT_Slave_Node_Address = "0";
         v.Ethernet_IP1 = "300";
       },
       989},
      {"ip before mask",
       [](TPar_Gen& v) {
         v.Ethernet_IP4 = "300";
         v.Ethernet_SM1 = "300";
       },
       723},
      {"mask before gateway",
       [](TPar_Gen& v) {
         v.Ethernet_SM4 = "300";
         v.Ethernet_EN_GAT = true;
         v.Ethernet_GAT1 = "300";
       },
       727},
      {"gateway before timeout",
       [](TPar_Gen& v) {
         v.Ethernet_EN_GAT = true;
         v.Ethernet_GAT4 = "300";
         v.J1939_TIMEOUT = "-5";
       },
       731},
      {"timeout before id",
       [](TPar_Gen& v) {
         v.J1939_TIMEOUT = "";
         v.J1939_Device_ID = "";
       },
       856},
  };
  // Each address part with DNS or gateway enabled has its own message.
  std::string TPar_Gen::*const dns[] = {
      &TPar_Gen::Eth_Conn_Primary_DNS1,   &TPar_Gen::Eth_Conn_Primary_DNS2,
      &TPar_Gen::Eth_Conn_Primary_DNS3,   &TPar_Gen::Eth_Conn_Primary_DNS4,
      &TPar_Gen::Eth_Conn_Secondary_DNS1, &TPar_Gen::Eth_Conn_Secondary_DNS2,
      &TPar_Gen::Eth_Conn_Secondary_DNS3, &TPar_Gen::Eth_Conn_Secondary_DNS4};
  for (int i = 0; i < 8; ++i)
    c.push_back({"dns part 256",
                 [f = dns[i]](TPar_Gen& v) {
                   v.Eth_Conn_Enable_DNS = true;
                   v.*f = "256";
                 },
                 1563 + i});
  std::string TPar_Gen::*const ip[] = {
      &TPar_Gen::Ethernet_IP1,  &TPar_Gen::Ethernet_IP2,  &TPar_Gen::Ethernet_IP3,
      &TPar_Gen::Ethernet_IP4,  &TPar_Gen::Ethernet_SM1,  &TPar_Gen::Ethernet_SM2,
      &TPar_Gen::Ethernet_SM3,  &TPar_Gen::Ethernet_SM4,  &TPar_Gen::Ethernet_GAT1,
      &TPar_Gen::Ethernet_GAT2, &TPar_Gen::Ethernet_GAT3, &TPar_Gen::Ethernet_GAT4};
  for (int i = 0; i < 12; ++i)
    c.push_back({"ethernet part 256",
                 [f = ip[i]](TPar_Gen& v) {
                   v.Ethernet_EN_GAT = true;
                   v.*f = "256";
                 },
                 720 + i});
  return c;
}

TEST(Par_Gen_Check, First_Failing_Check_Gives_Its_Message) {
  for (const TCheck_Case& c : Check_Cases()) {
    TPar_Gen v;
    c.edit(v);
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
