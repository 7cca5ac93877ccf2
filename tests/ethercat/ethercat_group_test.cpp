// Group tables: checks, the group file and the groups as the variable window reads them.
#include "ethercat/ethercat_group.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentar {
namespace {

TGrid Groups(const std::vector<std::pair<std::string, std::string>>& rows) {
  TGrid g = Make_Group_Grid();
  int r = 1;
  for (const auto& [name, num] : rows) {
    g.Set_Text(Group_Col_Name, r, name);
    g.Set_Text(Group_Col_Num, r, num);
    g.Set_Text(Group_Col_Mnemonic, r, std::string("m").append(name));
    ++r;
  }
  return g;
}

TEST(Check_Group_Tables, First_Failing_Check) {
  struct TCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> stom, mtos;
    int text, prefix, row;
  } cases[] = {
      {"accepted, total 256 each", {{"A", "200"}, {"B", "56"}}, {{"A", "$100"}}, 0, 0, 0},
      {"zero", {{"A", "1"}, {"B", "0"}}, {}, 5326, 5325, 2},
      {"empty count", {{"A", ""}}, {}, 5326, 5325, 1},
      {"not a number", {{"A", "12x"}}, {}, 5326, 5325, 1},
      {"above 256", {{"A", "257"}}, {}, 5326, 5325, 1},
      {"total above 256", {{"A", "200"}, {"B", "57"}}, {}, 5327, 0, 0},
      {"master to slave count", {}, {{"A", "-1"}}, 5328, 5325, 1},
      {"master to slave total", {}, {{"A", "256"}, {"B", "1"}}, 5329, 0, 0},
      {"slave to master rows before its total",
       {{"A", "256"}, {"B", "1"}, {"C", "0"}},
       {},
       5326,
       5325,
       3},
      {"slave to master first", {{"A", "0"}}, {{"A", "0"}}, 5326, 5325, 1},
      {"an empty name ends the table", {{"A", "3"}, {" ", "0"}, {"C", "999"}}, {}, 0, 0, 0},
      {"names need not be unique", {{"A", "3"}, {"A", "3"}}, {}, 0, 0, 0},
  };
  for (const TCase& c : cases) {
    const TTable_Error e = Check_Group_Tables(Groups(c.stom), Groups(c.mtos));
    EXPECT_EQ(e.text, c.text) << c.name;
    EXPECT_EQ(e.prefix_text, c.prefix) << c.name;
    EXPECT_EQ(e.row, c.row) << c.name;
  }
}

TEST(Group_File, Round_Trip_And_Structure) {
  test::TTemp_Dir dir;
  const std::string path = dir / "EtherCAT_Slave_Group.xml";
  const TGrid stom = Groups({{"In", "3"}, {"In2", " 4"}, {"", "9"}, {"Lost", "1"}});
  const TGrid mtos = Groups({{"Out", "0x10"}});
  std::string error;
  ASSERT_TRUE(Save_Group_Tables(path, stom, mtos, error)) << error;
  const std::string text = test::Read_Text(path);
  EXPECT_EQ(text, "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
                  "<row Group_Name=\"In\" Num_Variables=\"3\" Mnemonic=\"mIn\"/>"
                  "<row Group_Name=\"In2\" Num_Variables=\" 4\" Mnemonic=\"mIn2\"/>"
                  "</Slave_to_Master><Master_to_Slave>"
                  "<row Group_Name=\"Out\" Num_Variables=\"0x10\" Mnemonic=\"mOut\"/>"
                  "</Master_to_Slave></PROFINET_Master_to_Modbus_TCP_Master>"
                  "<!--SW_VERSION = 1.001-->");

  TGrid a = Make_Group_Grid(), b = Make_Group_Grid();
  ASSERT_TRUE(Load_Group_Tables(path, a, b).ok);
  EXPECT_EQ(a.Text(Group_Col_Num, 2), " 4");
  EXPECT_EQ(a.Text(Group_Col_Name, 3), "");
  EXPECT_EQ(b.Text(Group_Col_Mnemonic, 1), "mOut");
  ASSERT_TRUE(Save_Group_Tables(path, a, b, error));
  EXPECT_EQ(test::Read_Text(path), text);

  std::vector<TGroup> in, out;
  ASSERT_TRUE(Load_Groups(path, in, out).ok);
  ASSERT_EQ(in.size(), 2u);
  EXPECT_EQ(in[1].Name, "In2");
  EXPECT_EQ(in[1].Num_Var, 4);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].Num_Var, 16);
}

TEST(Group_File, Readers_Take_Any_Root_And_Tolerate_Bad_Content) {
  test::TTemp_Dir dir;
  const std::string path = dir / "g.xml";
  test::Write_Text(path, "<Other><Master_to_Slave><x Group_Name=\"M\" Num_Variables=\"lots\"/>"
                         "</Master_to_Slave><Slave_to_Master><row/></Slave_to_Master></Other>");
  std::vector<TGroup> in, out;
  ASSERT_TRUE(Load_Groups(path, in, out).ok);
  ASSERT_EQ(in.size(), 1u);
  EXPECT_EQ(in[0].Name, "");
  EXPECT_EQ(in[0].Num_Var, 0);
  ASSERT_EQ(out.size(), 1u);
  EXPECT_EQ(out[0].Name, "M");
  EXPECT_EQ(out[0].Num_Var, 0); // not a number: 0

  TGrid a = Make_Group_Grid(), b = Make_Group_Grid();
  ASSERT_TRUE(Load_Group_Tables(path, a, b).ok);
  EXPECT_EQ(b.Text(Group_Col_Name, 1), "M");

  test::Write_Text(path, "<Other><Slave_to_Master>");
  EXPECT_FALSE(Load_Groups(path, in, out).ok);
  EXPECT_TRUE(in.empty());
  const TTable_Load_Result r = Load_Group_Tables(path, a, b);
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(path), std::string::npos);
  EXPECT_EQ(b.Text(Group_Col_Name, 1), "");

  EXPECT_TRUE(Load_Groups(dir / "missing.xml", in, out).ok);
  EXPECT_TRUE(in.empty() && out.empty());
}

} // namespace
} // namespace zentar
