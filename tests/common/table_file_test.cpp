#include "common/safe_file.h"
#include "common/table_file.h"
#include "common/xml_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zentar;
using zentar::test::Read_Text;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

namespace {

// A flat table of three columns keyed by column 2 (untrimmed), and a two-section
// table one level deeper keyed by column 1 (trimmed).
TGrid Make_Grid(int rows) {
  return TGrid(rows + 1, {TTable_Column{}, TTable_Column{}, TTable_Column{}, TTable_Column{}});
}

TTable_File Flat_File() {
  TTable_File f;
  f.root = "Receive_Test";
  f.sections.push_back({"", {{"Enable", 1, "N"}, {"PGN", 2, ""}, {"Mnemonic", 3, ""}}, 2, false});
  return f;
}

TTable_File Section_File() {
  TTable_File f;
  f.root = "Outer";
  f.parent = "Inner";
  for (const char* name : {"First", "Second"})
    f.sections.push_back({name, {{"Name", 1, ""}, {"Value", 2, "0"}}, 1, true});
  return f;
}

} // namespace

TEST(Table_File, SavedFileHasTheEnvelopeAndStopsAtTheFirstEmptyKey) {
  TTemp_Dir dir;
  TGrid g = Make_Grid(5);
  g.Set_Text(1, 1, "Y");
  g.Set_Text(2, 1, "$FEF1");
  g.Set_Text(3, 1, "a<b&\"c\"");
  g.Set_Text(2, 2, " 12"); // untrimmed key with a blank counts as filled
  g.Set_Text(2, 4, "99");  // below the empty key of row 3: not saved
  std::string error;
  ASSERT_TRUE(Save_Table(dir / "t.xml", Flat_File(), {&g}, error)) << error;
  EXPECT_EQ(Read_Text(dir / "t.xml"),
            "<Receive_Test><row Enable=\"Y\" PGN=\"$FEF1\" Mnemonic=\"a&lt;b&amp;&quot;c&quot;\"/>"
            "<row Enable=\"\" PGN=\" 12\" Mnemonic=\"\"/></Receive_Test><!--SW_VERSION = 1.001-->");

  TGrid empty = Make_Grid(5);
  ASSERT_TRUE(Save_Table(dir / "e.xml", Flat_File(), {&empty}, error));
  EXPECT_EQ(Read_Text(dir / "e.xml"), "<Receive_Test/><!--SW_VERSION = 1.001-->");
}

TEST(Table_File, AbsentAttributeTakesTheDefaultEmptyOneStaysEmpty) {
  TTemp_Dir dir;
  Write_Text(dir / "t.xml", "<Any><row PGN=\"1\" Enable=\"\"/><item PGN=\"2\"/><row/></Any>"
                            "<!--SW_VERSION = 1.001-->");
  TGrid g = Make_Grid(5);
  g.Set_Text(3, 5, "stale");
  const TTable_Load_Result r = Load_Table(dir / "t.xml", Flat_File(), {&g});
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.rows_left_out, 0);
  EXPECT_EQ(g.Text(1, 1), "");  // present and empty
  EXPECT_EQ(g.Text(1, 2), "N"); // absent: default
  EXPECT_EQ(g.Text(2, 2), "2"); // row name not checked
  EXPECT_EQ(g.Text(2, 3), "");
  EXPECT_EQ(g.Text(3, 5), ""); // cleared
  EXPECT_EQ(g.Text(0, 5), "5");
}

TEST(Table_File, SectionsRoundTripToTheSameBytes) {
  TTemp_Dir dir;
  const std::string original =
      "<Outer><Inner><First><row Name=\"a\" Value=\"0x10\"/><row Name=\" b \" Value=\"\"/>"
      "</First><Second><row Name=\"c\" Value=\"-3\"/></Second></Inner></Outer>"
      "<!--SW_VERSION = 1.001-->";
  Write_Text(dir / "s.xml", original);
  TGrid a = Make_Grid(4), b = Make_Grid(4);
  ASSERT_TRUE(Load_Table(dir / "s.xml", Section_File(), {&a, &b}).ok);
  EXPECT_EQ(b.Text(1, 1), "c");
  std::string error;
  ASSERT_TRUE(Save_Table(dir / "s.xml", Section_File(), {&a, &b}, error));
  EXPECT_EQ(Read_Text(dir / "s.xml"), original);
}

TEST(Table_File, SurplusRowsAreCountedAndReported) {
  TTemp_Dir dir;
  Write_Text(dir / "t.xml",
             "<R><row PGN=\"1\"/><row PGN=\"2\"/><row PGN=\"3\"/><row PGN=\"4\"/></R>");
  TGrid g = Make_Grid(2);
  const TTable_Load_Result r = Load_Table(dir / "t.xml", Flat_File(), {&g});
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.rows_left_out, 2);
  EXPECT_NE(r.surplus.find("2 rows"), std::string::npos) << r.surplus;
  EXPECT_NE(r.surplus.find(dir / "t.xml"), std::string::npos);
  EXPECT_EQ(g.Text(2, 2), "2");
}

TEST(Table_File, MalformedFileGivesParserMessageAndEmptyTable) {
  TTemp_Dir dir;
  Write_Text(dir / "t.xml", "<R><row PGN=\"1\"></R>");
  TGrid g = Make_Grid(2);
  g.Set_Text(2, 1, "old");
  const TTable_Load_Result r = Load_Table(dir / "t.xml", Flat_File(), {&g});
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(dir / "t.xml"), std::string::npos);
  EXPECT_NE(r.error.find("mismatch"), std::string::npos) << r.error;
  EXPECT_EQ(g.Text(2, 1), "");
  // A missing file is an empty table, not an error.
  EXPECT_TRUE(Load_Table(dir / "none.xml", Flat_File(), {&g}).ok);
}

TEST(Table_File, FailedSaveKeepsTheOldFile) {
  TTemp_Dir dir;
  TGrid g = Make_Grid(2);
  g.Set_Text(2, 1, "1");
  std::string error;
  {
    // A name so long that no temporary file can be made beside it.
    const std::string path = dir / std::string(250, 'n');
    Write_Text(path, "<old/>");
    EXPECT_FALSE(Save_Table(path, Flat_File(), {&g}, error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_EQ(Read_Text(path), "<old/>");
  }
  if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
  const std::string path = dir / "t.xml";
  Write_Text(path, "<old/>");
  chmod(dir.Path().c_str(), 0555);
  EXPECT_FALSE(Save_Table(path, Flat_File(), {&g}, error));
  EXPECT_NE(error.find(path), std::string::npos);
  EXPECT_NE(error.find("Permission denied"), std::string::npos) << error;
  chmod(dir.Path().c_str(), 0755);
  EXPECT_EQ(Read_Text(path), "<old/>");
}

TEST(Safe_File, WriteIntoMissingFolderOrOverFolderFailsCleanly) {
  TTemp_Dir dir;
  std::string error;
  EXPECT_FALSE(Write_File_Safe(dir / "no/such/file", "x", error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  ASSERT_EQ(mkdir((dir / "sub").c_str(), 0755), 0);
  EXPECT_FALSE(Write_File_Safe(dir / "sub", "x", error));
  EXPECT_TRUE(Folder_Exists(dir / "sub"));
  // Both or neither: the second file's failure leaves the first untouched.
  Write_Text(dir / "a", "old");
  EXPECT_FALSE(Write_Files_Safe({{dir / "a", "new"}, {dir / "no/b", "new"}}, error));
  EXPECT_EQ(Read_Text(dir / "a"), "old");
  ASSERT_TRUE(Write_Files_Safe({{dir / "a", "new"}, {dir / "b", "new2"}}, error)) << error;
  EXPECT_EQ(Read_Text(dir / "a"), "new");
  EXPECT_EQ(Read_Text(dir / "b"), "new2");
}
