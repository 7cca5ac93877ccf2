// Process image layout, type rule, groups column, checks and the variables file.
#include "ethercat/ethercat_slave.h"

#include "common/text_rules.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <map>
#include <string>
#include <vector>

namespace zentar {
namespace {

struct TVar {
  TVar(std::string t, std::string l = "", bool e = true, std::string i = "")
      : type(std::move(t)), length(std::move(l)), enabled(e), init(std::move(i)) {}
  std::string type;
  std::string length;
  bool enabled;
  std::string init;
};

// Fills rows 1.. of a fresh grid: enable, type, length (the type rule's when
// empty) and init value.
TGrid Var_Grid(bool slave_master, const std::vector<TVar>& vars) {
  TGrid g = Make_Var_Grid(slave_master);
  const TVar_Columns c = Var_Columns(slave_master);
  int row = 1;
  for (const TVar& v : vars) {
    g.Set_Text(c.type, row, v.type);
    VarSetLength(g, v.type, row);
    if (!v.length.empty()) g.Set_Text(c.length, row, v.length);
    g.Cell(c.enable, row).checked = v.enabled;
    if (slave_master) g.Set_Text(c.init_value, row, v.init);
    g.Set_Text(c.name, row, std::string("V").append(std::to_string(row)));
    ++row;
  }
  return g;
}

std::vector<std::string> Column_Texts(const TGrid& g, int col, int rows) {
  std::vector<std::string> t;
  for (int r = 1; r <= rows; ++r)
    t.push_back(g.Text(col, r));
  return t;
}

struct TLayout_Case {
  const char* name;
  std::vector<TVar> vars;
  std::vector<std::string> positions;
  std::vector<std::string> bits;
};

TEST(Calc_Position_Bit, Layout_Cases) {
  const TVar off{"Bool", "", false};
  std::vector<TVar> nine_bools(9, TVar{"Bool"}), eight_bools(8, TVar{"Bool"});
  nine_bools.push_back({"Int8"});
  eight_bools.push_back({"Int8"});
  const TLayout_Case cases[] = {
      {"example",
       {{"Bool"}, {"Bool"}, {"Int16"}, off, {"Bool"}, {"String", "5"}, {"UInt8"}},
       {"0", "0", "1", "0", "3", "4", "10"},
       {"0", "1", "0", "0", "0", "0", "0"}},
      {"nine bools",
       nine_bools,
       {"0", "0", "0", "0", "0", "0", "0", "0", "1", "2"},
       {"0", "1", "2", "3", "4", "5", "6", "7", "0", "0"}},
      {"eight bools",
       eight_bools,
       {"0", "0", "0", "0", "0", "0", "0", "0", "1"},
       {"0", "1", "2", "3", "4", "5", "6", "7", "0"}},
      {"disabled row inside a run of bools",
       {{"Bool"}, {"Int32", "", false}, {"Bool"}},
       {"0", "0", "0"},
       {"0", "0", "1"}},
      {"string takes length + 1, array length",
       {{"String", "10"}, {"Array", "10"}, {"UInt16"}},
       {"0", "11", "21"},
       {"0", "0", "0"}},
      {"fixed sizes, no alignment",
       {{"Int8"}, {"Float32"}, {"Int32"}, {"UInt32"}, {"Int16"}, {"UInt16"}, {"UInt8"}},
       {"0", "1", "5", "9", "13", "15", "17"},
       {"0", "0", "0", "0", "0", "0", "0"}},
      {"unknown type takes its length, never less than nothing",
       {{"Word", "3"}, {"Word", "-50"}, {"Word", "x"}, {"Int8"}},
       {"0", "3", "3", "3"},
       {"0", "0", "0", "0"}},
      {"array length not a number takes no room",
       {{"Array", "abc"}, {"Int8"}},
       {"0", "0"},
       {"0", "0"}},
  };
  for (const TLayout_Case& c : cases) {
    for (const bool sm : {true, false}) {
      TGrid g = Var_Grid(sm, c.vars);
      Calc_Position_Bit(g, sm);
      const TVar_Columns cols = Var_Columns(sm);
      const int n = static_cast<int>(c.vars.size());
      EXPECT_EQ(Column_Texts(g, cols.position, n), c.positions) << c.name << " sm=" << sm;
      EXPECT_EQ(Column_Texts(g, cols.bit_start, n), c.bits) << c.name << " sm=" << sm;
      EXPECT_EQ(g.Text(cols.position, n + 1), "") << c.name; // table ends
    }
  }
}

TEST(Calc_Position_Bit, An_Empty_Type_Ends_The_Table) {
  TGrid g = Var_Grid(true, {{"Int16"}, {"  "}, {"Int8"}});
  g.Set_Text(6, 3, "77");
  Calc_Position_Bit(g, true);
  EXPECT_EQ(g.Text(6, 1), "0");
  EXPECT_EQ(g.Text(6, 2), "");
  EXPECT_EQ(g.Text(6, 3), "77"); // below the end: untouched

  TGrid empty = Make_Var_Grid(true); // a new table shows no positions
  Calc_Position_Bit(empty, true);
  EXPECT_EQ(empty.Text(6, 1), "");
  EXPECT_TRUE(empty.Cell(1, 1).checked);
}

TEST(VarSetLength, Type_Rule_On_The_Length_Cell) {
  struct TCase {
    const char* type;
    const char* before;
    bool keep;
    const char* after;
    bool locked;
  } cases[] = {
      {"Bool", "10", false, "1", true},    {"Int8", "", false, "1", true},
      {"UInt16", "9", false, "2", true},   {"Int32", "10", false, "4", true},
      {"Float32", "", false, "4", true},   {"Array", "3", false, "10", false},
      {"String", "3", false, "10", false}, {"Array", "33", true, "33", false},
      {"UInt32", "33", true, "4", true},   {"Word", "5", false, "5", false},
  };
  for (const TCase& c : cases) {
    TGrid g = Make_Var_Grid(true);
    g.Set_Text(3, 1, c.before);
    VarSetLength(g, c.type, 1, c.keep);
    EXPECT_EQ(g.Text(3, 1), c.after) << c.type;
    EXPECT_EQ(g.Editable(3, 1), !c.locked) << c.type;
  }
  // Choosing Array after Int32 unlocks the cell again.
  TGrid g = Make_Var_Grid(false);
  VarSetLength(g, "Int32", 2);
  VarSetLength(g, "Array", 2);
  EXPECT_EQ(g.Text(3, 2), "10");
  EXPECT_TRUE(g.Editable(3, 2));
}

struct TGroup_Case {
  const char* name;
  std::vector<TGroup> groups;
  std::vector<bool> enabled; // rows 1..n; rows after n disabled
  std::vector<std::string> want;
};

TEST(Show_Group, Groups_Take_Enabled_Rows_In_Order) {
  const TGroup_Case cases[] = {
      {"A3 B2, row 2 disabled",
       {{"A", 3}, {"B", 2}},
       {true, false, true, true, true, true, true},
       {"A", "", "A", "A", "B", "B", ""}},
      {"row 3 cleared shifts the labels",
       {{"A", 3}, {"B", 2}},
       {true, false, false, true, true, true, true},
       {"A", "", "", "A", "A", "B", "B"}},
      {"groups of 2 and 3 over four variables",
       {{"G1", 2}, {"G2", 3}},
       {true, true, true, true},
       {"G1", "G1", "G2", "G2", ""}},
      {"empty and negative groups are skipped, names may repeat",
       {{"Z", 0}, {"A", 1}, {"N", -4}, {"A", 1}},
       {true, true, true},
       {"A", "A", ""}},
      {"a group larger than the table",
       {{"Big", 100000}},
       {true, false, true},
       {"Big", "", "Big", ""}},
  };
  for (const TGroup_Case& c : cases) {
    for (const bool sm : {true, false}) {
      TGrid g = Make_Var_Grid(sm);
      const TVar_Columns cols = Var_Columns(sm);
      for (int r = 1; r <= g.Last_Row(); ++r) {
        g.Cell(1, r).checked = r <= static_cast<int>(c.enabled.size()) && c.enabled[r - 1];
        g.Set_Text(cols.group, r, "stale");
      }
      Show_Group(g, sm, c.groups);
      EXPECT_EQ(Column_Texts(g, cols.group, static_cast<int>(c.want.size())), c.want) << c.name;
      EXPECT_EQ(g.Text(cols.group, g.Last_Row()), "") << c.name;
    }
  }
}

TEST(CheckArraySting, Hex_Digits_Only) {
  EXPECT_TRUE(CheckArraySting("0123456789abcdefABCDEF"));
  EXPECT_TRUE(CheckArraySting(""));
  EXPECT_FALSE(CheckArraySting("0G"));
  EXPECT_FALSE(CheckArraySting("0x12"));
  EXPECT_FALSE(CheckArraySting("12 "));
}

struct TCheck_Case {
  const char* name;
  std::vector<TVar> stm;
  std::vector<TVar> mts;
  TTable_Error want;
};

TEST(Controllo_dati, First_Failing_Check) {
  const TTable_Error ok{};
  auto row = [](int text, int r) { return TTable_Error{text, 1051, r, {}}; };
  const TCheck_Case cases[] = {
      {"accepted",
       {{"Array", "2", true, "0a1B"}, {"String", "3", true, "abc"}, {"Int16", "", true, "zz"}},
       {{"Array", "255"}, {"String", "1"}},
       ok},
      {"array length 0", {{"Int8"}, {"Int8"}, {"Array", "0"}}, {}, row(1052, 3)},
      {"array length 256", {{"Array", "256"}}, {}, row(1052, 1)},
      {"array length not a number", {{"Array", "ten"}}, {}, row(1052, 1)},
      {"array init odd", {{"Array", "2", true, "0a1"}}, {}, row(1053, 1)},
      {"array init too long", {{"Array", "2", true, "0a1B00"}}, {}, row(1054, 1)},
      {"array init not hex", {{"Array", "2", true, "0G"}}, {}, row(1055, 1)},
      {"string length 0", {{"Bool"}, {"String", "0"}}, {}, row(1056, 2)},
      {"string init longer than length", {{"String", "3", true, "abcd"}}, {}, row(1057, 1)},
      {"string init of length characters", {{"String", "2", true, "\xC3\xA4\xC3\xB6"}}, {}, ok},
      {"disabled rows are skipped", {{"Array", "0", false}}, {{"String", "0", false}}, ok},
      {"master to slave array", {}, {{"Int8"}, {"Array", "0"}}, row(1058, 2)},
      {"master to slave string", {}, {{"String", "300"}}, row(1058, 1)},
      {"slave to master first", {{"Int8"}, {"Array", "0"}}, {{"Array", "0"}}, row(1052, 2)},
      {"first row first", {{"Array", "0"}, {"String", "0"}}, {}, row(1052, 1)},
      {"rows after an empty type are not checked", {{"Int8"}, {""}, {"Array", "0"}}, {}, ok},
  };
  for (const TCheck_Case& c : cases) {
    const TTable_Error e = Controllo_dati(Var_Grid(true, c.stm), Var_Grid(false, c.mts));
    EXPECT_EQ(e.text, c.want.text) << c.name;
    EXPECT_EQ(e.prefix_text, c.want.prefix_text) << c.name;
    EXPECT_EQ(e.row, c.want.row) << c.name;
  }
}

TEST(Controllo_dati, Message_Joins_Prefix_Row_And_Text) {
  const std::map<int, std::string> texts{
      {1051, "Error row "}, {1052, "!! [Slave to Master] Length must be beetween 1 and 255"}};
  const TTable_Error e =
      Controllo_dati(Var_Grid(true, {{"Int8"}, {"Int8"}, {"Array", "0"}}), Make_Var_Grid(false));
  EXPECT_EQ(Table_Error_Message(e, [&](int n) { return texts.at(n); }),
            "Error row 3!! [Slave to Master] Length must be beetween 1 and 255");
}

// ----------------------------------------------------------------- the file

class TVar_File : public ::testing::Test {
protected:
  test::TTemp_Dir dir;
  std::string path = dir / "EtherCAT_Slave.xml";
  TGrid stm = Make_Var_Grid(true);
  TGrid mts = Make_Var_Grid(false);
};

TEST_F(TVar_File, Saved_File_Structure_And_Attribute_Order) {
  stm = Var_Grid(true, {{"Bool"}, {"Array", "3", false, "0A0B"}, {"Int16"}, {""}, {"Int8"}});
  stm.Set_Text(9, 1, "a<b");
  mts = Var_Grid(false, {{"UInt32"}});
  Show_Group(stm, true, {{"G", 2}});
  Calc_Position_Bit(stm, true);
  Calc_Position_Bit(mts, false);
  std::string error;
  ASSERT_TRUE(Save_Var_Tables(path, stm, mts, error)) << error;

  const std::string text = test::Read_Text(path);
  EXPECT_EQ(text.rfind("<EtherCAT_Slave>", 0), 0u) << text;
  EXPECT_NE(text.find("</EtherCAT_Slave><!--SW_VERSION = 1.001-->"), std::string::npos) << text;
  EXPECT_NE(
      text.find("<EtherCAT_Slave_To_Master><row Enable=\"Y\" Type=\"Bool\" Length=\"1\" "
                "Name=\"V1\" InitValue=\"\" Position=\"0\" BitStart=\"0\" Group=\"G\" "
                "Mnemonic=\"a&lt;b\"/>"
                "<row Enable=\"N\" Type=\"Array\" Length=\"3\" Name=\"V2\" InitValue=\"0A0B\" "
                "Position=\"0\" BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>"
                "<row Enable=\"Y\" Type=\"Int16\" Length=\"2\" Name=\"V3\" InitValue=\"\" "
                "Position=\"1\" BitStart=\"0\" Group=\"G\" Mnemonic=\"\"/>"
                "</EtherCAT_Slave_To_Master>"),
      std::string::npos)
      << text; // the row after the empty type is not saved
  EXPECT_NE(text.find("<EtherCAT_Master_To_Slave><row Enable=\"Y\" Type=\"UInt32\" Length=\"4\" "
                      "Name=\"V1\" Position=\"0\" BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>"
                      "</EtherCAT_Master_To_Slave>"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"),
            std::string::npos);
}

TEST_F(TVar_File, Round_Trip_Reproduces_The_File) {
  stm = Var_Grid(true, {{"Bool"}, {"Bool", "", false}, {"String", "7", true, "hi"}, {"Float32"}});
  mts = Var_Grid(false, {{"Array", "12"}, {"Int8"}});
  const std::vector<TGroup> groups{{"First", 2}, {"Second", 5}};
  Show_Group(stm, true, groups);
  Calc_Position_Bit(stm, true);
  Calc_Position_Bit(mts, false);
  std::string error;
  ASSERT_TRUE(Save_Var_Tables(path, stm, mts, error)) << error;
  const std::string first = test::Read_Text(path);

  TGrid stm2 = Make_Var_Grid(true), mts2 = Make_Var_Grid(false);
  const TTable_Load_Result r = Load_Var_Tables(path, stm2, mts2, groups, {});
  ASSERT_TRUE(r.ok) << r.error;
  for (int row = 1; row <= stm.Last_Row(); ++row)
    for (int c = 0; c < stm.Col_Count(); ++c) {
      ASSERT_EQ(stm2.Text(c, row), stm.Text(c, row)) << c << "," << row;
      ASSERT_EQ(stm2.Cell(c, row).checked, stm.Cell(c, row).checked) << c << "," << row;
    }
  EXPECT_FALSE(stm2.Editable(3, 1)); // Bool: locked
  EXPECT_TRUE(stm2.Editable(3, 3));  // String: editable
  ASSERT_TRUE(Save_Var_Tables(path, stm2, mts2, error)) << error;
  EXPECT_EQ(test::Read_Text(path), first);
}

TEST_F(TVar_File, Loading_Recomputes_Layout_And_Reads_Enable_Leniently) {
  test::Write_Text(path, "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
                         "<row Type=\"Bool\" Position=\"99\" BitStart=\"5\" Group=\"Old\"/>"
                         "<row Enable=\"N\" Type=\"Int16\" Length=\"2\"/>"
                         "<row Enable=\"x\" Type=\"Int16\" Length=\"7\" Name=\"\"/>"
                         "<row Enable=\"\" Type=\"UInt8\"/>"
                         "<row Type=\" \" Position=\"8\" BitStart=\"2\" Group=\"Old\"/>"
                         "<row Type=\"Int8\" Position=\"9\" BitStart=\"0\"/>"
                         "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
                         "<row Enable=\"Y\" Type=\"String\" Length=\"4\" Position=\"3\"/>"
                         "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\"/>"
                         "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
  const TTable_Load_Result r = Load_Var_Tables(path, stm, mts, {{"G", 10}}, {});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_TRUE(stm.Cell(1, 1).checked);  // absent
  EXPECT_FALSE(stm.Cell(1, 2).checked); // "N"
  EXPECT_TRUE(stm.Cell(1, 3).checked);  // any other text
  EXPECT_TRUE(stm.Cell(1, 4).checked);  // empty
  EXPECT_EQ(stm.Text(3, 1), "");        // absent Length: empty
  EXPECT_EQ(stm.Text(3, 3), "7");       // the file's Length wins over the type rule
  EXPECT_FALSE(stm.Editable(3, 3));
  EXPECT_EQ(Column_Texts(stm, 6, 4), (std::vector<std::string>{"0", "0", "1", "3"}));
  EXPECT_EQ(Column_Texts(stm, 7, 4), (std::vector<std::string>{"0", "0", "0", "0"}));
  EXPECT_EQ(Column_Texts(stm, 8, 4), (std::vector<std::string>{"G", "", "G", "G"}));
  // Below the end of the table the file's layout texts stay as read; Group is never read.
  EXPECT_EQ(stm.Text(6, 5), "8");
  EXPECT_EQ(stm.Text(7, 5), "2");
  EXPECT_EQ(stm.Text(6, 6), "9");
  EXPECT_EQ(stm.Text(8, 5), "G"); // from the groups, not "Old"
  EXPECT_EQ(Column_Texts(mts, 5, 2), (std::vector<std::string>{"0", "5"}));
  EXPECT_TRUE(mts.Cell(1, 3).checked); // rows beyond the file: enabled, empty
  EXPECT_EQ(mts.Text(2, 3), "");
}

TEST_F(TVar_File, Malformed_Missing_And_Oversized_Files) {
  stm.Set_Text(2, 1, "Int8");
  test::Write_Text(path, "<EtherCAT_Slave><EtherCAT_Slave_Variables>");
  TTable_Load_Result r = Load_Var_Tables(path, stm, mts, {}, {});
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
  EXPECT_EQ(stm.Text(2, 1), ""); // empty table shown
  EXPECT_TRUE(stm.Cell(1, 1).checked);

  r = Load_Var_Tables(dir / "none.xml", stm, mts, {}, {});
  EXPECT_TRUE(r.ok);
  EXPECT_TRUE(r.surplus.empty());

  std::string big = "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>";
  for (int i = 0; i < Var_Rows + 3; ++i)
    big += "<row Type=\"Int8\"/>";
  big += "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>";
  test::Write_Text(path, big);
  r = Load_Var_Tables(path, stm, mts, {}, {});
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.rows_left_out, 3);
  EXPECT_NE(r.surplus.find(path), std::string::npos);
  EXPECT_EQ(stm.Text(6, Var_Rows), std::to_string(Var_Rows - 1));
}

} // namespace
} // namespace zentar
