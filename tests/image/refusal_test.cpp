// Projects the compiler refuses, before anything is written, and the strict
// reading of the files that decides it.
#include "common/safe_file.h"
#include "image/project_xml.h"
#include "image/xml_check.h"

#include <sys/stat.h>

#include "image_test_util.h"

namespace zentar::test {
namespace {

struct TRefusal_Case {
  const char* name;
  const char* file;
  std::string content;
  std::vector<std::string> message_parts; // besides the file's path
};

std::vector<TRow> Rows(size_t n, const TRow& row) { return std::vector<TRow>(n, row); }

TRow Enabled_Var() { return {{"Enable", "Y"}, {"Type", "UInt8"}, {"Name", ""}}; }

std::vector<TRefusal_Case> Cases() {
  std::vector<TRow> groups_17;
  for (int i = 0; i < 17; ++i)
    groups_17.push_back({{"Group_Name", "G" + std::to_string(i)}, {"Num_Variables", "1"}});
  std::vector<TRow> group_in_row_17(16, TRow{{"Group_Name", ""}});
  group_in_row_17.push_back({{"Group_Name", "late"}, {"Num_Variables", "1"}});
  return {
      {"truncated parameter file",
       "ParGen.xml",
       "<Par_Gen><J1939_BAUDRATE>7</J19",
       {"not well-formed"}},
      {"receive file with mismatched tags",
       "J1939_Rec_Frames.xml",
       "<Receive_J1939><row PGN=\"1\"></Receive_J1939>",
       {"not well-formed", "line 1"}},
      {"send file with a duplicate attribute",
       "J1939_Send_Frames.xml",
       "<Transmit_J1939><row PGN=\"1\" PGN=\"2\"/></Transmit_J1939>",
       {"not well-formed", "attribute 'PGN' given twice"}},
      {"variables file with an undefined entity",
       "EtherCAT_Slave.xml",
       "<EtherCAT_Slave>&nbsp;</EtherCAT_Slave>",
       {"undefined entity"}},
      {"group file with text after the root",
       "EtherCAT_Slave_Group.xml",
       Groups_Xml({}, {}) + "x",
       {"text after the root element"}},
      {"empty file", "ParGen.xml", "", {"no root element"}},
      {"bytes that are not UTF-8",
       "J1939_Rec_Frames.xml",
       "<Receive_J1939><row Mnemonic=\"\xFC\"/></Receive_J1939>",
       {"not UTF-8"}},
      {"a bare ampersand",
       "J1939_Rec_Frames.xml",
       "<Receive_J1939><row Mnemonic=\"a & b\"/></Receive_J1939>",
       {"'&'"}},
      {"variables file without its variables element",
       "EtherCAT_Slave.xml",
       "<EtherCAT_Slave><EtherCAT_Slave_To_Master/><EtherCAT_Master_To_Slave/></EtherCAT_Slave>",
       {"EtherCAT_Slave_Variables is missing"}},
      {"variables file without its Master to Slave section",
       "EtherCAT_Slave.xml",
       "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
       "</EtherCAT_Slave_Variables></EtherCAT_Slave>",
       {"section EtherCAT_Master_To_Slave is missing"}},
      {"variables file starting with a declaration",
       "EtherCAT_Slave.xml",
       "<?xml version=\"1.0\"?>" + Variables_Xml({}, {}),
       {"EtherCAT_Slave_Variables is missing"}},
      {"group file without its Slave to Master section",
       "EtherCAT_Slave_Group.xml",
       "<PROFINET_Master_to_Modbus_TCP_Master><Master_to_Slave/>"
       "</PROFINET_Master_to_Modbus_TCP_Master>",
       {"section Slave_to_Master is missing"}},
      {"513 receive frames",
       "J1939_Rec_Frames.xml",
       Rec_Frames_Xml(Rows(513, {{"PGN", "1"}})),
       {"513 frames", "at most 512"}},
      {"513 send frames",
       "J1939_Send_Frames.xml",
       Send_Frames_Xml(Rows(513, {{"PGN", "1"}})),
       {"513 frames", "at most 512"}},
      {"257 enabled Slave to Master variables",
       "EtherCAT_Slave.xml",
       Variables_Xml(Rows(257, Enabled_Var()), {}),
       {"257 enabled variables", "EtherCAT_Slave_To_Master", "at most 256"}},
      {"257 enabled Master to Slave variables",
       "EtherCAT_Slave.xml",
       Variables_Xml({}, Rows(257, Enabled_Var())),
       {"257 enabled variables", "EtherCAT_Master_To_Slave", "at most 256"}},
      {"17 Slave to Master groups",
       "EtherCAT_Slave_Group.xml",
       Groups_Xml(groups_17, {}),
       {"17 groups", "Slave_to_Master", "at most 16"}},
      {"17 Master to Slave groups",
       "EtherCAT_Slave_Group.xml",
       Groups_Xml({}, groups_17),
       {"17 groups", "Master_to_Slave", "at most 16"}},
      {"a group in row 17",
       "EtherCAT_Slave_Group.xml",
       Groups_Xml(group_in_row_17, {}),
       {"row 17", "Slave_to_Master", "16 group places"}},
      {"bank 2 beyond 131072 bytes",
       "EtherCAT_Slave.xml",
       Variables_Xml({{{"Enable", "Y"}, {"Type", "UInt8"}, {"Name", std::string(81747, 'n')}}}, {}),
       {"bank 2 would take 131073 bytes", "at most 131072", "EtherCAT_Slave_Group.xml"}},
  };
}

TEST(Refusal, Every_Refusal_Names_The_File_And_Writes_Nothing) {
  for (const TRefusal_Case& c : Cases()) {
    SCOPED_TRACE(c.name);
    TFixture_Project p;
    p.Write(c.file, c.content);
    std::string error;
    EXPECT_FALSE(Compile_Project(p.Dir(), error));
    EXPECT_NE(error.find(p.File(c.file)), std::string::npos) << error;
    for (const std::string& part : c.message_parts)
      EXPECT_NE(error.find(part), std::string::npos) << "'" << part << "' not in: " << error;
    EXPECT_FALSE(Folder_Exists(p.File("bin")));
  }
}

TEST(Refusal, Limits_Themselves_Are_Accepted) {
  TFixture_Project p;
  // 256 enabled variables beside disabled ones, 16 groups, and a pool that
  // ends exactly at the end of bank 2.
  std::vector<TRow> in(256, Enabled_Var());
  in.push_back({{"Enable", "N"}, {"Type", "UInt8"}});
  in[0] = {{"Enable", "Y"}, {"Type", "UInt8"}, {"Name", std::string(81746 - 32, 'n')}};
  std::vector<TRow> groups;
  for (int i = 0; i < 16; ++i)
    groups.push_back({{"Group_Name", "x"}, {"Num_Variables", "1"}});
  groups.push_back({{"Group_Name", ""}}); // a row without a name is no group
  p.Write("EtherCAT_Slave.xml", Variables_Xml(in, {}));
  p.Write("EtherCAT_Slave_Group.xml", Groups_Xml(groups, {}));
  const TImages images = p.Compile();
  EXPECT_EQ(images.bank2.size(), 131072u);
  EXPECT_EQ(images.bank2[Group_Record + 128], 16);
}

TEST(Refusal, A_Refusal_Leaves_Earlier_Images_Untouched) {
  TFixture_Project p;
  std::string error;
  ASSERT_TRUE(Compile_Project(p.Dir(), error)) << error;
  const std::string bank1 = Read_Text(p.File("bin/bank1.bin"));
  const std::string bank2 = Read_Text(p.File("bin/bank2.bin"));
  p.Write("ParGen.xml", Par_Gen_Xml({{"J1939_BAUDRATE", "7"}}));
  p.Write("EtherCAT_Slave.xml", "<EtherCAT_Slave/>");
  EXPECT_FALSE(Compile_Project(p.Dir(), error));
  EXPECT_EQ(Read_Text(p.File("bin/bank1.bin")), bank1);
  EXPECT_EQ(Read_Text(p.File("bin/bank2.bin")), bank2);
}

TEST(Refusal, Missing_Project_Folder) {
  TTemp_Dir dir;
  std::string error;
  EXPECT_FALSE(Compile_Project(dir / "nowhere", error));
  EXPECT_NE(error.find(dir / "nowhere"), std::string::npos);
}

// A name that is there but is no readable file is not a missing table.
TEST(Refusal, Project_File_That_Is_A_Folder) {
  for (const char* name : {"ParGen.xml", "J1939_Rec_Frames.xml", "J1939_Send_Frames.xml",
                           "EtherCAT_Slave.xml", "EtherCAT_Slave_Group.xml"}) {
    SCOPED_TRACE(name);
    TFixture_Project p;
    ASSERT_EQ(mkdir(p.File(name).c_str(), 0777), 0);
    std::string error;
    EXPECT_FALSE(Compile_Project(p.Dir(), error));
    EXPECT_NE(error.find(p.File(name)), std::string::npos) << error;
    EXPECT_FALSE(Folder_Exists(p.File("bin")));
  }
}

struct TXml_Case {
  std::string text;
  bool well_formed;
};

TEST(Strict_Xml, Well_Formedness) {
  const TXml_Case cases[] = {
      {"<a/>", true},
      {"<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n<a/>\n", true},
      {"<!DOCTYPE a [<!ENTITY x \"]\">]><!--c--><?pi x?><a/><!--after-->", true},
      {"<a b='1' c=\"&lt;&#65;&#x42;&quot;&apos;&amp;&gt;\"><![CDATA[<&]]>t&#10;</a>", true},
      {"<p:a xmlns:p=\"u\" p:b=\"1\" xml:lang=\"de\"><p:c/></p:a>", true},
      {"<a>\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80</a>", true},
      {"<a/><b/>", false},
      {"x<a/>", false},
      {" <?xml version=\"1.0\"?><a/>", false},
      {"<a><?xml version=\"1.0\"?></a>", false},
      {"<a b=\"1\"c=\"2\"/>", false},
      {"<a b=\"<\"/>", false},
      {"<a>&#0;</a>", false},
      {"<a>&#xD800;</a>", false},
      {"<a>\x01</a>", false},
      {"<a>]]></a>", false},
      {"<a><!-- a -- b --></a>", false},
      {"<1a/>", false},
      {"<a:b/>", false},
      {"<a b:c=\"1\"/>", false},
      {"<a>\xC0\x80</a>", false},
      {"<a>\xED\xA0\x80</a>", false},
      {"<a><b></a></b>", false},
      {"<a>", false},
      {"<!DOCTYPE a><!DOCTYPE a><a/>", false},
      {"<a/><!DOCTYPE a>", false},
      {"<?xml version=\"2.0\"?><a/>", false},
      {"   ", false},
  };
  for (const TXml_Case& c : cases) {
    std::string reason;
    EXPECT_EQ(Check_Well_Formed(c.text, reason), c.well_formed) << c.text << ": " << reason;
  }
}

TEST(Strict_Xml, Values_As_Their_Characters) {
  TXml_Document doc;
  std::string reason;
  ASSERT_TRUE(doc.Parse("<r a=\"x&#10;y\tz\r\nw&lt;&#x20AC;\" b='' c='&quot;'>"
                        "t&amp;\r\n<!--c--><![CDATA[&lt;\r\n]]> <k/>&#32;</r>",
                        reason))
      << reason;
  const TXml_Node r = doc.Root();
  bool found = false;
  // Line breaks and tabs written as they are become blanks; written as
  // references they stay what they are.
  EXPECT_EQ(r.Attribute("a"), "x\ny z w<\xE2\x82\xAC");
  EXPECT_EQ(r.Attribute("b", &found), "");
  EXPECT_TRUE(found);
  EXPECT_EQ(r.Attribute("c"), "\"");
  EXPECT_EQ(r.Attribute("d", &found), "");
  EXPECT_FALSE(found);
  EXPECT_EQ(r.Text(), "t&\n&lt;\n  ");
  EXPECT_EQ(r.Child_Elements().size(), 1u);
  EXPECT_FALSE(r.Child_Element("x"));
}

TEST(Strict_Xml, Deep_Nesting_Does_Not_Exhaust_The_Stack) {
  std::string deep;
  for (int i = 0; i < 200000; ++i)
    deep += "<a>";
  std::string reason;
  EXPECT_FALSE(Check_Well_Formed(deep, reason));
  EXPECT_NE(reason.find("not closed"), std::string::npos);
}

TEST(Strict_Xml, Other_Encodings_Are_Read_As_Their_Characters) {
  struct TEncoded {
    const char* name;
    std::string bytes;
  };
  std::string utf16le = "\xFF\xFE";
  for (const char c : std::string("<Par_Gen><EtherCAT_Slave_Name>Gr\xFC\xDF"
                                  "e</EtherCAT_Slave_Name></Par_Gen>")) {
    utf16le += c;
    utf16le += '\0';
  }
  const TEncoded encoded[] = {
      {"UTF-8 with byte-order mark", "\xEF\xBB\xBF<Par_Gen><EtherCAT_Slave_Name>Gr\xC3\xBC\xC3\x9F"
                                     "e</EtherCAT_Slave_Name></Par_Gen>"},
      {"UTF-16 little-endian", utf16le},
      {"ISO-8859-1 declared",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Par_Gen><EtherCAT_Slave_Name>Gr\xFC\xDF"
       "e</EtherCAT_Slave_Name></Par_Gen>"},
  };
  for (const TEncoded& e : encoded) {
    SCOPED_TRACE(e.name);
    TFixture_Project p;
    p.Write("ParGen.xml", e.bytes);
    const TImages images = p.Compile();
    // The declaration is the first node of the ISO-8859-1 file, so that file
    // reads as holding no keys; the others give the name.
    const bool has_declaration = e.bytes.find("<?xml") != std::string::npos;
    const std::vector<uint8_t> name(images.bank1.begin() + 80, images.bank1.begin() + 85);
    const std::vector<uint8_t> expected = has_declaration
                                              ? std::vector<uint8_t>{'d', 'e', 'v', 'i', 'c'}
                                              : std::vector<uint8_t>{'G', 'r', 0xFC, 0xDF, 'e'};
    EXPECT_EQ(name, expected);
  }
  // The ISO-8859-1 characters themselves, in a file the compiler reads.
  TFixture_Project p;
  p.Write("J1939_Rec_Frames.xml",
          "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><Receive_J1939><row PGN=\"1\" "
          "Mnemonic=\"\xFC\"/></Receive_J1939>");
  EXPECT_EQ(U32(p.Compile().bank1, 144), 0u); // the declaration is the root: no rows
  std::string data = "<a>\xFC</a>", reason;
  data = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>" + data;
  ASSERT_TRUE(Normalize_Xml_Encoding(data, reason)) << reason;
  EXPECT_NE(data.find("\xC3\xBC"), std::string::npos);
  data = "<?xml version=\"1.0\" encoding=\"EBCDIC\"?><a/>";
  EXPECT_FALSE(Normalize_Xml_Encoding(data, reason));
}

} // namespace
} // namespace zentar::test
