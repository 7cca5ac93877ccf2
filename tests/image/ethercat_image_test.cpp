// The EtherCAT section of bank 2: header, records, group record and pool.
#include "image/ethercat_image.h"

#include "image_test_util.h"

namespace zentar::test {
namespace {

using TBytes = std::vector<uint8_t>;

TBytes Slice(const TImages& images, size_t at, size_t n) {
  EXPECT_LE(at + n, images.bank2.size());
  if (at + n > images.bank2.size()) return {};
  return TBytes(images.bank2.begin() + at, images.bank2.begin() + at + n);
}

TBytes Bytes(const std::string& s) { return TBytes(s.begin(), s.end()); }

TRow Var(const std::string& type, const std::string& name, const std::string& init = "",
         const std::string& enable = "Y") {
  return {{"Enable", enable}, {"Type", type},      {"Length", "1"},
          {"Name", name},     {"InitValue", init}, {"Position", "0"},
          {"BitStart", "0"},  {"Group", ""},       {"Mnemonic", ""}};
}

TEST(EtherCAT_Image, No_Variables_And_No_Groups) {
  TFixture_Project p;
  const TImages images = p.Compile();
  ASSERT_EQ(images.bank2.size(), Section + 16557);
  EXPECT_EQ(U32(images.bank2, Section + 20), 0x8C028u);
  EXPECT_EQ(U32(images.bank2, Section + 32), 0x88028u);
  EXPECT_EQ(U32(images.bank2, Section + 36), 0x8A028u);
  EXPECT_EQ(U16(images.bank2, Section + 28), 0);
  EXPECT_EQ(U16(images.bank2, Section + 30), 0);
  TBytes free_record(32, 0);
  std::fill(free_record.begin() + 16, free_record.begin() + 20, 0xFF);
  for (size_t i = 0; i < 256; ++i) {
    ASSERT_EQ(Slice(images, In_Record(i), 32), free_record) << Describe_Offset(2, In_Record(i));
    ASSERT_EQ(Slice(images, Out_Record(i), 32), free_record) << Describe_Offset(2, Out_Record(i));
  }
  EXPECT_EQ(Slice(images, Group_Record, 133), TBytes(133, 0));
}

TEST(EtherCAT_Image, One_Variable_Record_And_Pool) {
  TFixture_Project p;
  p.Write("EtherCAT_Slave.xml", Variables_Xml({Var("Int16", "Speed", "1000")}, {}));
  const TImages images = p.Compile();
  EXPECT_EQ(U16(images.bank2, Section + 28), 1);
  TBytes record = {3, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
  const uint32_t init_add = B + 16557 + 6, name_add = B + 16557;
  for (const uint32_t v : {init_add, 5u, name_add})
    for (int k = 0; k < 4; ++k)
      record.push_back(static_cast<uint8_t>(v >> (8 * k)));
  EXPECT_EQ(Slice(images, In_Record(0), 32), record);
  EXPECT_EQ(Slice(images, Pool, 8), (TBytes{'S', 'p', 'e', 'e', 'd', 0, 0xE8, 0x03}));
  EXPECT_EQ(images.bank2.size(), Pool + 8);
}

TEST(EtherCAT_Image, Only_Enable_Y_Takes_A_Record_And_A_Number) {
  TFixture_Project p;
  TRow no_enable = Var("UInt8", "D");
  no_enable.erase(no_enable.begin());
  p.Write("EtherCAT_Slave.xml",
          Variables_Xml({Var("UInt8", "A"), Var("UInt8", "B", "", "N"), Var("UInt8", "C"),
                         Var("UInt8", "X", "", "y"), no_enable, Var("UInt8", "", "", "Y")},
                        {}));
  const TImages images = p.Compile();
  EXPECT_EQ(U16(images.bank2, Section + 28), 3);
  EXPECT_EQ(U32(images.bank2, In_Record(0) + 8), 0u);
  EXPECT_EQ(U32(images.bank2, In_Record(1) + 8), 1u);
  EXPECT_EQ(U32(images.bank2, In_Record(2) + 8), 2u);
  EXPECT_EQ(U32(images.bank2, In_Record(1) + 28), B + 16557 + 2); // "C" after "A"
  // The third one has no name: the empty text, no pool space.
  EXPECT_EQ(U32(images.bank2, In_Record(2) + 24), 0u);
  EXPECT_EQ(U32(images.bank2, In_Record(2) + 28), B + 16556);
  EXPECT_EQ(images.bank2.size(), Pool + 4);
  EXPECT_EQ(U32(images.bank2, In_Record(3) + 16), 0xFFFFFFFFu);
}

TEST(EtherCAT_Image, Record_Fields_From_The_File) {
  TFixture_Project p;
  TRow bits = Var("Bool", "b");
  bits[5].second = "7";   // Position
  bits[6].second = "300"; // BitStart, low 8 bits
  TRow text = Var("String", "s");
  text[2].second = "300"; // Length, low 8 bits
  TRow other = Var("bool", "o", "1");
  other[2].second = ""; // Length: fallback 1
  p.Write("EtherCAT_Slave.xml", Variables_Xml({bits, text, other}, {Var("Float32", "m", "2")}));
  const TImages images = p.Compile();
  EXPECT_EQ(Slice(images, In_Record(0), 8), (TBytes{1, 1, 1, 44, 7, 0, 0, 0}));
  EXPECT_EQ(Slice(images, In_Record(1), 2), (TBytes{9, 44}));
  // An unknown type (type names are case-sensitive) has code 0 and no
  // initial value.
  EXPECT_EQ(Slice(images, In_Record(2), 2), (TBytes{0, 1}));
  EXPECT_EQ(U32(images.bank2, In_Record(2) + 20), 0u);
  // Master to Slave: access 0 and never an initial value.
  EXPECT_EQ(Slice(images, Out_Record(0), 3), (TBytes{8, 4, 0}));
  EXPECT_EQ(U32(images.bank2, Out_Record(0) + 20), 0u);
  EXPECT_EQ(U16(images.bank2, Section + 30), 1);
}

TEST(EtherCAT_Image, Groups_By_Rank_Of_Enabled_Variables) {
  TFixture_Project p;
  p.Write("EtherCAT_Slave.xml",
          Variables_Xml({Var("UInt8", "v0"), Var("UInt8", "off", "", "N"), Var("UInt8", "v1"),
                         Var("UInt8", "v2"), Var("UInt8", "v3"), Var("UInt8", "v4")},
                        {Var("UInt8", "w0")}));
  p.Write("EtherCAT_Slave_Group.xml",
          Groups_Xml({{{"Group_Name", "A"}, {"Num_Variables", "2"}, {"Mnemonic", ""}},
                      {{"Group_Name", "Bc"}, {"Num_Variables", "2"}, {"Mnemonic", ""}}},
                     {{{"Group_Name", ""}, {"Num_Variables", "5"}},
                      {{"Group_Name", "Out"}, {"Num_Variables", "x"}},
                      {{"Group_Name", "O2"}, {"Num_Variables", "1"}}}));
  const TImages images = p.Compile();
  const uint32_t expected[] = {0, 0, 1, 1, 0xFFFFFFFF};
  for (size_t j = 0; j < 5; ++j)
    EXPECT_EQ(U32(images.bank2, In_Record(j) + 16), expected[j]) << "variable " << j;
  // Master to Slave: the row without a name is no group but keeps its row
  // number; "Out" covers no variable; w0 falls in the group of row 2.
  EXPECT_EQ(U32(images.bank2, Out_Record(0) + 16), 2u);
  // Pool: v0 v1 v2 v3 v4 w0 (3 bytes each), then A, Bc, Out, O2.
  const uint32_t groups_at = B + 16557 + 6 * 3;
  EXPECT_EQ(U32(images.bank2, Group_Record + 0), groups_at);
  EXPECT_EQ(U32(images.bank2, Group_Record + 4), groups_at + 2);
  EXPECT_EQ(U32(images.bank2, Group_Record + 8), 0u);
  EXPECT_EQ(U32(images.bank2, Group_Record + 64), groups_at + 5);
  EXPECT_EQ(U32(images.bank2, Group_Record + 68), groups_at + 9);
  EXPECT_EQ(images.bank2[Group_Record + 128], 2);
  EXPECT_EQ(images.bank2[Group_Record + 129], 2);
  EXPECT_EQ(Slice(images, Pool + 18, 12), Bytes(std::string("A\0Bc\0Out\0O2\0", 12)));
  EXPECT_EQ(images.bank2.size(), Pool + 30);
}

TEST(EtherCAT_Image, Group_File_Without_Variables_File) {
  TFixture_Project p;
  p.Write("EtherCAT_Slave_Group.xml", Groups_Xml({{{"Group_Name", "G"}}}, {}));
  const TImages images = p.Compile();
  EXPECT_EQ(U32(images.bank2, Group_Record), B + 16557);
  EXPECT_EQ(images.bank2[Group_Record + 128], 1);
  EXPECT_EQ(images.bank2.size(), Pool + 2);
}

TEST(EtherCAT_Image, Pool_Order_And_Non_Ascii_Names) {
  TFixture_Project p;
  const std::string umlaut = "\xC3\x96l"; // "Öl": 3 bytes
  p.Write("EtherCAT_Slave.xml",
          Variables_Xml({Var("UInt16", umlaut, "$1234"), Var("Bool", "a<&>", "3")},
                        {Var("UInt8", "m", "9")}));
  p.Write("EtherCAT_Slave_Group.xml", Groups_Xml({{{"Group_Name", "G"}, {"Num_Variables", "1"}}},
                                                 {{{"Group_Name", "H"}, {"Num_Variables", "1"}}}));
  const TImages images = p.Compile();
  EXPECT_EQ(U32(images.bank2, In_Record(0) + 24), 3u);
  EXPECT_EQ(U32(images.bank2, In_Record(0) + 28), B + 16557);
  EXPECT_EQ(U32(images.bank2, In_Record(1) + 28), B + 16557 + 4);
  EXPECT_EQ(U32(images.bank2, Out_Record(0) + 28), B + 16557 + 9);
  EXPECT_EQ(U32(images.bank2, Group_Record), B + 16557 + 11);
  EXPECT_EQ(U32(images.bank2, Group_Record + 64), B + 16557 + 13);
  EXPECT_EQ(U32(images.bank2, In_Record(0) + 20), B + 16557 + 15);
  EXPECT_EQ(U32(images.bank2, In_Record(1) + 20), B + 16557 + 17);
  const std::string pool =
      umlaut + '\0' + "a<&>" + '\0' + "m" + '\0' + "G" + '\0' + "H" + '\0' + "\x34\x12" + "\x01";
  EXPECT_EQ(Slice(images, Pool, pool.size()), Bytes(pool));
  EXPECT_EQ(images.bank2.size(), Pool + pool.size());
}

struct TInit_Case {
  const char* type;
  uint8_t length;
  const char* text;
  TBytes bytes;
};

TEST(EtherCAT_Image, Initial_Value_Bytes) {
  const TInit_Case cases[] = {
      {"Bool", 1, "3", {1}},
      {"Bool", 1, "-2", {0}},
      {"Bool", 1, "x", {0}},
      {"Int8", 1, "-1", {0xFF}},
      {"UInt8", 1, "0x1FF", {0xFF}},
      {"Int16", 2, "-1", {0xFF, 0xFF}},
      {"UInt16", 2, "70000", {0x70, 0x11}},
      {"Int32", 4, "-2", {0xFE, 0xFF, 0xFF, 0xFF}},
      {"UInt32", 4, "4294967295", {0xFF, 0xFF, 0xFF, 0xFF}},
      {"UInt32", 4, "$123456789", {0x89, 0x67, 0x45, 0x23}},
      {"Int32", 4, " 5 ", {0, 0, 0, 0}},
      {"Float32", 4, "1.5", {0x00, 0x00, 0xC0, 0x3F}},
      {"Float32", 4, "-2", {0x00, 0x00, 0x00, 0xC0}},
      {"Float32", 4, " .5e1 ", {0x00, 0x00, 0xA0, 0x40}},
      {"Float32", 4, "1,5", {0, 0, 0, 0}},
      {"Float32", 4, "abc", {0, 0, 0, 0}},
      {"Float32", 4, "1e39", {0x00, 0x00, 0x80, 0x7F}},
      {"Array", 3, "0A0B", {0x0A, 0x0B, 0x00}},
      {"Array", 3, "0a1", {0x0A, 0x00, 0x00}},
      {"Array", 2, "G10F", {0x00, 0x0F}},
      {"Array", 2, "0A0B0C", {0x0A, 0x0B}},
      {"String", 4, "AB", {0x41, 0x42, 0x00, 0x00}},
      {"String", 2, "ABC", {0x41, 0x42}},
      {"String", 3, "\xC3\xBC\xE2\x82\xAC", {0xFC, 0xAC, 0x00}},
  };
  for (const TInit_Case& c : cases) {
    uint8_t code = 0, length = 0;
    EtherCAT_Type(c.type, std::to_string(c.length), code, length);
    EXPECT_EQ(Init_Value_Bytes(code, length, c.text), c.bytes) << c.type << " " << c.text;
  }
  // Through the whole compiler: an empty or absent InitValue takes no pool
  // space; a String of Length 0 points at the pool with no bytes.
  TFixture_Project p;
  TRow absent = Var("UInt8", "");
  absent.erase(absent.begin() + 4);
  TRow zero = Var("String", "", "AB");
  zero[2].second = "0";
  p.Write("EtherCAT_Slave.xml", Variables_Xml({Var("UInt8", ""), absent, zero}, {}));
  const TImages images = p.Compile();
  EXPECT_EQ(U32(images.bank2, In_Record(0) + 20), 0u);
  EXPECT_EQ(U32(images.bank2, In_Record(1) + 20), 0u);
  EXPECT_EQ(U32(images.bank2, In_Record(2) + 20), B + 16557);
  EXPECT_EQ(images.bank2.size(), Pool);
}

TEST(EtherCAT_Image, Full_Sections_Of_256_Variables) {
  TFixture_Project p;
  std::vector<TRow> in(256, Var("UInt8", "n", "1"));
  std::vector<TRow> out(256, Var("UInt8", ""));
  in.push_back(Var("UInt8", "disabled", "", "N"));
  p.Write("EtherCAT_Slave.xml", Variables_Xml(in, out));
  const TImages images = p.Compile();
  EXPECT_EQ(U16(images.bank2, Section + 28), 256);
  EXPECT_EQ(U16(images.bank2, Section + 30), 256);
  EXPECT_EQ(U32(images.bank2, In_Record(255) + 8), 255u);
  EXPECT_EQ(U32(images.bank2, In_Record(255) + 20), B + 16557 + 512 + 255);
  EXPECT_EQ(images.bank2.size(), Pool + 512 + 256);
}

} // namespace
} // namespace zentar::test
