// Bank 1 and the EtherCAT header fields read from the parameter file.
#include "image_test_util.h"

#include <numeric>

namespace zentar::test {
namespace {

using TKeys = std::vector<std::pair<std::string, std::string>>;
using TBytes = std::vector<uint8_t>;

TBytes Le32(uint32_t v) {
  return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
          static_cast<uint8_t>(v >> 24)};
}
TBytes Le16(uint32_t v) { return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)}; }
TBytes Text(const std::string& s, size_t field) {
  TBytes b(s.begin(), s.end());
  b.resize(field, 0);
  return b;
}

struct TExpect {
  int bank; // 1, or 2 for bank 2 offsets
  size_t offset;
  TBytes bytes;
};

struct TParam_Case {
  const char* name;
  std::string par_gen; // file text
  std::vector<TExpect> expect;
};

void Check_Case(const TParam_Case& c) {
  SCOPED_TRACE(c.name);
  TFixture_Project p;
  p.Write("ParGen.xml", c.par_gen);
  const TImages images = p.Compile();
  ASSERT_EQ(images.bank1.size(), 2048u);
  for (const TExpect& e : c.expect) {
    const std::vector<uint8_t>& image = e.bank == 1 ? images.bank1 : images.bank2;
    ASSERT_LE(e.offset + e.bytes.size(), image.size());
    const TBytes actual(image.begin() + e.offset, image.begin() + e.offset + e.bytes.size());
    EXPECT_EQ(actual, e.bytes) << Describe_Offset(e.bank, e.offset);
  }
  const uint32_t sum = std::accumulate(images.bank1.begin(), images.bank1.begin() + 2044, 0u);
  EXPECT_EQ(U32(images.bank1, 2044), sum);
}

TEST(Bank1, Project_Without_Files_Gives_Initial_Bank1_And_Empty_Bank2) {
  TFixture_Project p;
  const TImages images = p.Compile();
  // The initial block written out by hand, plus the three addresses.
  TBytes expected(2048, 0);
  auto put = [&](size_t at, const TBytes& b) { std::copy(b.begin(), b.end(), &expected[at]); };
  put(0, Le32(250000));
  put(4, Le32(250000));
  put(12, Le32(9600));
  put(40, {192, 168, 2, 205});
  put(44, {255, 255, 255, 0});
  put(48, {255, 255, 255, 255});
  put(52, Le16(10000));
  put(54, Le16(10001));
  put(56, Le16(10001));
  put(436, TBytes(8, 8));
  put(204, Le32(0x80000));
  put(208, Le32(0x84000));
  put(1776, Le32(0x88000));
  // 250000 = 90 D0 03 00 twice: 0x90+0xD0+0x03 = 355, so 710; 9600 = 80 25: 165;
  // 192+168+2+205 = 567; 255*3 = 765; 255*4 = 1020; 10000 = 10 27: 55; 10001 = 11 27: 56
  // twice; 8*8 = 64; 0x80000: 8; 0x84000: 0x40 + 8 = 72; 0x88000: 0x80 + 8 = 136.
  put(2044, Le32(710 + 165 + 567 + 765 + 1020 + 55 + 56 + 56 + 64 + 8 + 72 + 136));
  EXPECT_TRUE(Same_Image(1, images.bank1, expected));
  ASSERT_EQ(images.bank2.size(), 32768u + 16557u);
  // No parameter file: the EtherCAT header keeps EEPROM bytes, node address,
  // clear flag and revision at 0.
  for (size_t i = 0; i < 20; ++i)
    EXPECT_EQ(images.bank2[Section + i], 0) << Describe_Offset(2, Section + i);
  EXPECT_EQ(U32(images.bank2, Section + 24), 0u);
}

const TParam_Case Cases[] = {
    {"empty root: every key takes the compiler's fallback",
     Par_Gen_Xml({}),
     {{1, 0, Le32(250000)},
      {1, 4, Le32(250000)},
      {1, 28, Le32(0)},
      {1, 40, {192, 168, 0, 10}},
      {1, 44, {255, 255, 255, 0}},
      {1, 48, {255, 255, 255, 255}},
      {1, 80, Text("devicename1", 16)},
      {1, 152, Le32(0)},
      {1, 1256, Le16(0)},
      {1, 1300, Text("", 32)},
      {1, 1340, {0, 0, 0, 0}},
      {1, 1420, {0, 0, 0, 0}},
      {1, 1644, Text("1.001", 8)},
      {1, 1776, Le32(0x88000)},
      {2, Section, {0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0, 0, 0, 0, 0x80, 0, 0}},
      {2, Section + 14, Le16(1)},
      {2, Section + 16, {0}},
      {2, Section + 24, Le32(0)}}},
    {"bit-rate codes",
     Par_Gen_Xml({{"J1939_BAUDRATE", "7"}}),
     {{1, 0, Le32(500000)}, {1, 4, Le32(500000)}}},
    {"bit-rate code out of the list",
     Par_Gen_Xml({{"J1939_BAUDRATE", "12"}}),
     {{1, 0, Le32(250000)}}},
    {"bit-rate code not a number", Par_Gen_Xml({{"J1939_BAUDRATE", "x"}}), {{1, 0, Le32(250000)}}},
    {"bit-rate code in hexadecimal",
     Par_Gen_Xml({{"J1939_BAUDRATE", "$3"}}),
     {{1, 0, Le32(62500)}, {1, 4, Le32(62500)}}},
    {"bit-rate code 0 and 9", Par_Gen_Xml({{"J1939_BAUDRATE", "0"}}), {{1, 0, Le32(10000)}}},
    {"bit-rate code 9", Par_Gen_Xml({{"J1939_BAUDRATE", "9"}}), {{1, 4, Le32(1000000)}}},
    {"gateway off overrides its parts",
     Par_Gen_Xml({{"Ethernet_GAT1", "10"},
                  {"Ethernet_GAT2", "0"},
                  {"Ethernet_GAT3", "0"},
                  {"Ethernet_GAT4", "1"},
                  {"Ethernet_EN_GAT", "0"}}),
     {{1, 48, {255, 255, 255, 255}}}},
    {"gateway on gives its parts",
     Par_Gen_Xml({{"Ethernet_GAT1", "10"},
                  {"Ethernet_GAT2", "0"},
                  {"Ethernet_GAT3", "0"},
                  {"Ethernet_GAT4", "1"},
                  {"Ethernet_EN_GAT", "1"}}),
     {{1, 48, {10, 0, 0, 1}}}},
    {"gateway on without parts gives the fallbacks",
     Par_Gen_Xml({{"Ethernet_EN_GAT", "1"}}),
     {{1, 48, {192, 168, 0, 1}}}},
    {"a flag is set only by the exact text 1",
     Par_Gen_Xml({{"Ethernet_GAT1", "10"},
                  {"Ethernet_EN_GAT", " 1"},
                  {"Eth_Conn_DHCP_Cable", "Y"},
                  {"J1939_PEER_TO_PEER", "true"},
                  {"EtherCAT_Slave_Clear_Data", "01"}}),
     {{1, 48, {255, 255, 255, 255}},
      {1, 1256, Le16(0)},
      {1, 152, Le32(0)},
      {2, Section + 16, {0}}}},
    {"flags set",
     Par_Gen_Xml({{"Eth_Conn_DHCP_Cable", "1"},
                  {"Eth_Conn_DHCP_WiFi", "1"},
                  {"J1939_PEER_TO_PEER", "1"},
                  {"EtherCAT_Slave_Clear_Data", "1"}}),
     {{1, 1256, Le16(3)}, {1, 152, Le32(1)}, {2, Section + 16, {1}}}},
    {"DNS off leaves both fields 0",
     Par_Gen_Xml({{"Eth_Conn_Enable_DNS", "0"}, {"Eth_Conn_Primary_DNS1", "1"}}),
     {{1, 1340, {0, 0, 0, 0}}, {1, 1420, {0, 0, 0, 0}}}},
    {"DNS on without its keys",
     Par_Gen_Xml({{"Eth_Conn_Enable_DNS", "1"}}),
     {{1, 1420, {8, 8, 8, 8}}, {1, 1340, {8, 8, 4, 4}}}},
    {"DNS parts keep their low 8 bits; invalid texts take the fallback",
     Par_Gen_Xml({{"Eth_Conn_Enable_DNS", "1"},
                  {"Eth_Conn_Primary_DNS1", "300"},
                  {"Eth_Conn_Primary_DNS2", "-1"},
                  {"Eth_Conn_Primary_DNS3", "0x10"},
                  {"Eth_Conn_Primary_DNS4", "4 "},
                  {"Eth_Conn_Secondary_DNS1", " 1"},
                  {"Eth_Conn_Secondary_DNS2", ""},
                  {"Eth_Conn_Secondary_DNS3", "$FF"},
                  {"Eth_Conn_Secondary_DNS4", "1.5"}}),
     {{1, 1420, {44, 255, 16, 8}}, {1, 1340, {1, 8, 255, 4}}}},
    {"address parts",
     Par_Gen_Xml({{"Ethernet_IP1", "10"},
                  {"Ethernet_IP2", "$0A"},
                  {"Ethernet_IP3", "x"},
                  {"Ethernet_IP4", "256"},
                  {"Ethernet_SM1", "255"},
                  {"Ethernet_SM2", "255"},
                  {"Ethernet_SM3", "0"},
                  {"Ethernet_SM4", ""}}),
     {{1, 40, {10, 10, 0, 0}}, {1, 44, {255, 255, 0, 0}}}},
    {"slave name of 20 characters keeps 15",
     Par_Gen_Xml({{"EtherCAT_Slave_Name", "ABCDEFGHIJKLMNOPQRST"}}),
     {{1, 80, Text("ABCDEFGHIJKLMNO", 16)}}},
    {"empty slave name element gives an empty name",
     Par_Gen_Xml({{"EtherCAT_Slave_Name", ""}}),
     {{1, 80, Text("", 16)}}},
    {"non-ASCII and markup characters: low 8 bits of each character",
     Par_Gen_Xml({{"EtherCAT_Slave_Name", "Gr\xC3\xBC\xC3\x9F"
                                          "e<&>\xE2\x82\xAC"},
                  {"Eth_Conn_Device_Name", "  "}}),
     {{1, 80, {'G', 'r', 0xFC, 0xDF, 'e', '<', '&', '>', 0xAC, 0, 0, 0, 0, 0, 0, 0}},
      {1, 1300, Text("  ", 32)}}},
    {"device name of 40 characters keeps 31",
     Par_Gen_Xml({{"Eth_Conn_Device_Name", std::string(40, 'd')}}),
     {{1, 1300, Text(std::string(31, 'd'), 32)}}},
    {"device identifier", Par_Gen_Xml({{"J1939_Device_ID", "0x10"}}), {{1, 28, Le32(16)}}},
    {"negative device identifier",
     Par_Gen_Xml({{"J1939_Device_ID", "-1"}}),
     {{1, 28, Le32(0xFFFFFFFF)}}},
    {"node address keeps 16 bits",
     Par_Gen_Xml({{"EtherCAT_Slave_Node_Address", "70000"}}),
     {{2, Section + 14, Le16(70000 & 0xFFFF)}}},
    {"node address not a number",
     Par_Gen_Xml({{"EtherCAT_Slave_Node_Address", "1 "}}),
     {{2, Section + 14, Le16(1)}}},
    {"revision 4294967295",
     Par_Gen_Xml({{"EtherCAT_Slave_Revision_Number", "4294967295"}}),
     {{2, Section + 24, Le32(0xFFFFFFFF)}}},
    {"revision 4294967296",
     Par_Gen_Xml({{"EtherCAT_Slave_Revision_Number", "4294967296"}}),
     {{2, Section + 24, Le32(0)}}},
    {"revision in 8 hexadecimal digits",
     Par_Gen_Xml({{"EtherCAT_Slave_Revision_Number", "$FFFFFFFF"}}),
     {{2, Section + 24, Le32(0xFFFFFFFF)}}},
    {"revision in 9 hexadecimal digits",
     Par_Gen_Xml({{"EtherCAT_Slave_Revision_Number", "0x0FFFFFFFF"}}),
     {{2, Section + 24, Le32(0)}}},
    {"negative revision",
     Par_Gen_Xml({{"EtherCAT_Slave_Revision_Number", "-1"}}),
     {{2, Section + 24, Le32(0)}}},
    {"revision after blanks",
     Par_Gen_Xml({{"EtherCAT_Slave_Revision_Number", "  x1F"}}),
     {{2, Section + 24, Le32(31)}}},
    {"EEPROM text with a blank in the middle",
     Par_Gen_Xml({{"EtherCAT_Slave_Eeprom_Config", "80 0F"}}),
     {{2, Section, {0x80, 0x0F, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}},
    {"EEPROM pieces that are not hexadecimal take no byte",
     Par_Gen_Xml({{"EtherCAT_Slave_Eeprom_Config", "G1a2\xC3\x84"
                                                   "B12"}}),
     {{2, Section, {0xA2, 0x12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}}},
    {"EEPROM text beyond 14 bytes and a last single character",
     Par_Gen_Xml({{"EtherCAT_Slave_Eeprom_Config", "0102030405060708090A0B0C0D0E0F"}}),
     {{2, Section, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}}, {2, Section + 14, Le16(1)}}},
    {"EEPROM single last character",
     Par_Gen_Xml({{"EtherCAT_Slave_Eeprom_Config", "123"}}),
     {{2, Section, {0x12, 0x03, 0}}}},
    {"empty EEPROM element gives no bytes",
     Par_Gen_Xml({{"EtherCAT_Slave_Eeprom_Config", ""}}),
     {{2, Section, TBytes(14, 0)}}},
    {"keys in another order, CDATA text, comments between keys",
     "<Par_Gen><!--x--><J1939_Device_ID><![CDATA[7]]></J1939_Device_ID><Ethernet_IP4>9"
     "</Ethernet_IP4></Par_Gen>",
     {{1, 28, Le32(7)}, {1, 40, {192, 168, 0, 9}}}},
    {"a file that does not start with its root reads as if every key were absent",
     "<?xml version=\"1.0\"?><Par_Gen><J1939_BAUDRATE>7</J1939_BAUDRATE>"
     "<EtherCAT_Slave_Name>x</EtherCAT_Slave_Name></Par_Gen>",
     {{1, 0, Le32(250000)}, {1, 80, Text("devicename1", 16)}, {1, 1644, Text("1.001", 8)}}},
    {"a comment before the root likewise",
     "<!--c--><Par_Gen><J1939_BAUDRATE>7</J1939_BAUDRATE></Par_Gen>",
     {{1, 0, Le32(250000)}}},
    {"blanks and line breaks around the root are not nodes",
     "\n  <Par_Gen>\n  <J1939_BAUDRATE>7</J1939_BAUDRATE>\n</Par_Gen>\n",
     {{1, 0, Le32(500000)}}},
};

TEST(Bank1, Parameter_Keys) {
  for (const TParam_Case& c : Cases)
    Check_Case(c);
}

TEST(Bank1, Each_Compilation_Starts_From_Fresh_State) {
  TFixture_Project with_timeout;
  with_timeout.Write("ParGen.xml", Par_Gen_Xml({{"J1939_TIMEOUT", "5"},
                                                {"J1939_PEER_TO_PEER", "1"},
                                                {"EtherCAT_Slave_Eeprom_Config", "FFFF"}}));
  with_timeout.Write("J1939_Rec_Frames.xml",
                     Rec_Frames_Xml({{{"PGN", "1"}, {"SA", "3"}, {"Delete", "Y"}}}));
  const TImages first = with_timeout.Compile();
  EXPECT_EQ(U32(first.bank2, Rec_Entry(0) + 8), 5000u);
  EXPECT_EQ(U32(first.bank2, Rec_Entry(0)), 0x100u); // peer to peer: SA left out

  TFixture_Project without_par_gen;
  without_par_gen.Write("J1939_Rec_Frames.xml",
                        Rec_Frames_Xml({{{"PGN", "1"}, {"SA", "3"}, {"Delete", "Y"}}}));
  const TImages second = without_par_gen.Compile();
  EXPECT_EQ(U32(second.bank2, Rec_Entry(0) + 8), 0u);
  EXPECT_EQ(U32(second.bank2, Rec_Entry(0)), 0x103u);
  EXPECT_EQ(second.bank2[Section], 0);

  const TImages again = with_timeout.Compile();
  EXPECT_TRUE(Same_Image(1, again.bank1, first.bank1));
  EXPECT_TRUE(Same_Image(2, again.bank2, first.bank2));
}

} // namespace
} // namespace zentar::test
