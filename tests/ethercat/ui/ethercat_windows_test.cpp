// The EtherCAT variable and group windows, driven offscreen.
#include "app/app_state.h"
#include "common/safe_file.h"
#include "ethercat/ui/TFEtherCATSlave.h"
#include "ethercat/ui/TFEtherCATSlave_Group.h"
#include "lang/language.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <QTabWidget>
#include <gtest/gtest.h>

using namespace zentar;
using zentar::test::Read_Text;
using zentar::test::TScripted_Dialogs;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

namespace {

struct EtherCAT_Window_Test : ::testing::Test {
  void SetUp() override {
    App_State = TApp_State{};
    App_State.SW_Code = "CF44K10";
    Set_Default_Texts(App_State.Texts, App_State.Text_Count);
    App_State.File_EtherCAT_Slave = dir / "EtherCAT_Slave.xml";
    App_State.File_EtherCAT_Slave_Group = dir / "EtherCAT_Slave_Group.xml";
  }
  TTemp_Dir dir;
  TScripted_Dialogs dialogs;
};

// Sets a cell the way the user does: through the grid's model.
void Edit(TEditor_Grid& g, int col, int row, const QString& text) {
  ASSERT_TRUE(g.view->Model().setData(g.view->Model().Index_Of(col, row), text));
}
void Tick(TEditor_Grid& g, int row, bool on) {
  ASSERT_TRUE(g.view->Model().setData(g.view->Model().Index_Of(1, row),
                                      on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
}

std::vector<std::string> Column(const TEditor_Grid& g, int col, int rows) {
  std::vector<std::string> t;
  for (int r = 1; r <= rows; ++r)
    t.push_back(g.grid.Text(col, r));
  return t;
}

const char* const Group_File_Text = "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
                                    "<row Group_Name=\"A\" Num_Variables=\"3\" Mnemonic=\"\"/>"
                                    "<row Group_Name=\"B\" Num_Variables=\"2\" Mnemonic=\"\"/>"
                                    "</Slave_to_Master><Master_to_Slave>"
                                    "<row Group_Name=\"Out\" Num_Variables=\"1\" Mnemonic=\"\"/>"
                                    "</Master_to_Slave></PROFINET_Master_to_Modbus_TCP_Master>";

TEST_F(EtherCAT_Window_Test, Variable_Window_Layout_And_Texts) {
  TFEtherCATSlave w(dialogs);
  w.show();
  EXPECT_EQ(w.width(), 1200);
  EXPECT_EQ(w.height(), 337);
  EXPECT_EQ(w.windowTitle().toStdString(), "EtherCAT Slave Set Access");
  EXPECT_EQ(w.PageControl1->currentWidget(), w.TS_SlaveToMaster);
  EXPECT_EQ(w.PageControl1->tabText(1).toStdString(), "Master To Slave");
  EXPECT_EQ(w.Btn_MoveUp->geometry(), QRect(724, 6, 110, 28));
  EXPECT_EQ(w.Btn_MoveDown->geometry(), QRect(842, 6, 110, 28));
  EXPECT_EQ(w.Btn_MoveDown->text().toStdString(), "Move Down");
  EXPECT_EQ(w.Btn_PasteRow->toolTip().toStdString(), "Paste the Copied Fields in the Selected Row");
  const TGrid& stm = w.ASG_SlaveMaster->grid;
  EXPECT_EQ(stm.Col_Count(), 10);
  EXPECT_EQ(stm.Row_Count(), 257);
  EXPECT_EQ(w.ASG_MasterSlave->grid.Col_Count(), 9);
  EXPECT_EQ(stm.Text(5, 0), "Init Value");
  EXPECT_EQ(stm.Text(8, 0), "Group");
  EXPECT_EQ(w.ASG_MasterSlave->grid.Text(5, 0), "Position");
  EXPECT_EQ(w.GridHint(*w.ASG_SlaveMaster, 0, 8).toStdString(),
            "Group of the EtherCAT Variable, set in the EtherCAT Group List");
  EXPECT_EQ(w.ASG_SlaveMaster->view->columnWidth(3), 280); // Name
  EXPECT_EQ(w.VarType.size(), 10u);
}

TEST_F(EtherCAT_Window_Test, Showing_Recomputes_Layout_And_Groups) {
  Write_Text(App_State.File_EtherCAT_Slave_Group, Group_File_Text);
  Write_Text(App_State.File_EtherCAT_Slave,
             "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
             "<row Enable=\"Y\" Type=\"Bool\" Length=\"1\" Position=\"50\" BitStart=\"3\"/>"
             "<row Enable=\"N\" Type=\"Int16\" Length=\"2\"/>"
             "<row Type=\"Bool\" Length=\"1\"/>"
             "<row Enable=\"Y\" Type=\"Array\" Length=\"5\" Group=\"Z\"/>"
             "<row Enable=\"Y\" Type=\"UInt8\" Length=\"1\"/>"
             "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
             "<row Enable=\"Y\" Type=\"String\" Length=\"4\"/><row Enable=\"Y\" Type=\"Int8\"/>"
             "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
  TFEtherCATSlave w(dialogs);
  w.FormShow();
  EXPECT_TRUE(dialogs.shown.empty());
  TEditor_Grid& s = *w.ASG_SlaveMaster;
  EXPECT_EQ(Column(s, 6, 5), (std::vector<std::string>{"0", "0", "0", "1", "6"}));
  EXPECT_EQ(Column(s, 7, 5), (std::vector<std::string>{"0", "0", "1", "0", "0"}));
  EXPECT_EQ(Column(s, 8, 6), (std::vector<std::string>{"A", "", "A", "A", "B", "B"}));
  EXPECT_FALSE(s.grid.Editable(3, 1));
  EXPECT_TRUE(s.grid.Editable(3, 4));
  EXPECT_EQ(Column(*w.ASG_MasterSlave, 5, 2), (std::vector<std::string>{"0", "5"}));
  EXPECT_EQ(Column(*w.ASG_MasterSlave, 7, 2), (std::vector<std::string>{"Out", ""}));
  EXPECT_EQ(s.view->model()->data(s.view->model()->index(4, 5)).toString(), "6");

  // Edits recompute at once: Type, Length, Enable.
  Edit(s, 2, 2, "Int32");
  EXPECT_EQ(s.grid.Text(3, 2), "4");
  EXPECT_FALSE(s.grid.Editable(3, 2));
  Edit(s, 2, 1, "Array");
  EXPECT_EQ(s.grid.Text(3, 1), "10");
  EXPECT_TRUE(s.grid.Editable(3, 1));
  EXPECT_EQ(Column(s, 6, 5), (std::vector<std::string>{"0", "0", "10", "11", "16"}));
  Edit(s, 3, 1, "2");
  EXPECT_EQ(Column(s, 6, 5), (std::vector<std::string>{"0", "0", "2", "3", "8"}));
  Tick(s, 2, true);
  EXPECT_EQ(Column(s, 6, 5), (std::vector<std::string>{"0", "2", "6", "7", "12"}));
  EXPECT_EQ(Column(s, 8, 6), (std::vector<std::string>{"A", "A", "A", "B", "B", ""}));
  EXPECT_FALSE(s.view->Model().setData(s.view->Model().Index_Of(6, 1), "9")); // computed
}

TEST_F(EtherCAT_Window_Test, Ok_With_An_Invalid_Table_Shows_The_Message_And_Keeps_The_File) {
  Write_Text(App_State.File_EtherCAT_Slave, "<EtherCAT_Slave/>");
  TFEtherCATSlave w(dialogs);
  w.FormShow();
  w.show();
  TEditor_Grid& s = *w.ASG_SlaveMaster;
  Edit(s, 2, 1, "Int8");
  Edit(s, 2, 2, "Int8");
  Edit(s, 2, 3, "Array");
  Edit(s, 3, 3, "0");
  TEditor_Grid& m = *w.ASG_MasterSlave;
  Edit(m, 2, 1, "String");
  Edit(m, 3, 1, "256");
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{
                "Error row 3!! [Slave to Master] Length must be beetween 1 and 255"});
  EXPECT_EQ(Read_Text(App_State.File_EtherCAT_Slave), "<EtherCAT_Slave/>");
  EXPECT_TRUE(w.isVisible());

  dialogs.Clear();
  Edit(s, 3, 3, "2");
  Edit(s, 5, 3, "0a1");
  w.Btn_OKClick();
  EXPECT_EQ(
      dialogs.Errors(),
      std::vector<std::string>{
          "Error row 3!! [Slave to Master] Init Value the number of characters must be even"});
  dialogs.Clear();
  Edit(s, 5, 3, "0a1B");
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{
                "Error row 1!! [Master to Slave] Length must be beetween 1 and 255"});
  EXPECT_EQ(Read_Text(App_State.File_EtherCAT_Slave), "<EtherCAT_Slave/>");

  dialogs.Clear();
  Edit(m, 3, 1, "255");
  Edit(m, 4, 1, "Text");
  w.Btn_OKClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Read_Text(App_State.File_EtherCAT_Slave),
            "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
            "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"\" InitValue=\"\" Position=\"0\" "
            "BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>"
            "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"\" InitValue=\"\" Position=\"1\" "
            "BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>"
            "<row Enable=\"Y\" Type=\"Array\" Length=\"2\" Name=\"\" InitValue=\"0a1B\" "
            "Position=\"2\" BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>"
            "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>"
            "<row Enable=\"Y\" Type=\"String\" Length=\"255\" Name=\"Text\" Position=\"0\" "
            "BitStart=\"0\" Group=\"\" Mnemonic=\"\"/>"
            "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>"
            "<!--SW_VERSION = 1.001-->");
}

TEST_F(EtherCAT_Window_Test, Row_Buttons_Keep_Layout_And_Groups_Current) {
  Write_Text(App_State.File_EtherCAT_Slave_Group, Group_File_Text);
  TFEtherCATSlave w(dialogs);
  w.FormShow();
  TEditor_Grid& s = *w.ASG_SlaveMaster;
  Edit(s, 2, 1, "Bool");
  Edit(s, 2, 2, "Array");
  Edit(s, 3, 2, "25");
  Edit(s, 4, 2, "Blob");
  Edit(s, 2, 3, "Int16");

  // Copy the Array row and paste it over row 3: the copied Length stays.
  s.view->Set_Current(2, 2);
  w.Btn_CopyRowClick();
  s.view->Set_Current(2, 3);
  dialogs.answers = {true};
  w.Btn_PasteRowClick();
  EXPECT_EQ(s.grid.Text(2, 3), "Array");
  EXPECT_EQ(s.grid.Text(3, 3), "25");
  EXPECT_EQ(s.grid.Text(4, 3), "Blob");
  EXPECT_TRUE(s.grid.Editable(3, 3));
  EXPECT_EQ(Column(s, 6, 3), (std::vector<std::string>{"0", "1", "26"}));

  // Move row 3 up: rows exchange, the selection follows, layout recomputed.
  Tick(s, 3, false);
  w.Btn_MoveClick(true);
  EXPECT_EQ(s.grid.current_row, 2);
  EXPECT_FALSE(s.grid.Cell(1, 2).checked);
  EXPECT_TRUE(s.grid.Cell(1, 3).checked);
  EXPECT_EQ(Column(s, 6, 3), (std::vector<std::string>{"0", "0", "1"}));
  EXPECT_EQ(Column(s, 8, 4), (std::vector<std::string>{"A", "", "A", "A"}));
  s.view->Set_Current(2, 1);
  w.Btn_MoveClick(true); // nothing above row 1
  EXPECT_EQ(s.grid.Text(2, 1), "Bool");
  s.view->Set_Current(2, 256);
  w.Btn_MoveClick(false); // nothing below the last row
  EXPECT_EQ(s.grid.current_row, 256);

  // Delete row 1: rows move up, the last row comes back enabled, empty and
  // locked until the next showing.
  s.grid.Cell(1, 256).checked = false;
  s.view->Set_Current(2, 1);
  dialogs.Clear();
  dialogs.answers = {true};
  w.Btn_DelRowClick();
  EXPECT_EQ(dialogs.shown.at(0).text, "Are you sure to delete the Row number 1");
  EXPECT_EQ(s.grid.Text(2, 1), "Array");
  EXPECT_TRUE(s.grid.Cell(1, 256).checked);
  EXPECT_FALSE(s.grid.Editable(2, 256));
  EXPECT_FALSE(s.view->Model().flags(s.view->Model().Index_Of(1, 256)) & Qt::ItemIsUserCheckable);
  EXPECT_EQ(Column(s, 6, 3), (std::vector<std::string>{"0", "0", ""}));

  // Insert at row 1: an empty enabled row ends the table there.
  w.Btn_InsRowClick();
  EXPECT_EQ(s.grid.Text(2, 1), "");
  EXPECT_TRUE(s.grid.Cell(1, 1).checked);
  EXPECT_EQ(s.grid.Text(8, 1), "A");
}

TEST_F(EtherCAT_Window_Test, Copy_On_One_Page_Does_Not_Allow_A_Paste_On_The_Other) {
  TFEtherCATSlave w(dialogs);
  w.FormShow();
  Edit(*w.ASG_SlaveMaster, 2, 1, "Int8");
  w.Btn_CopyRowClick();
  w.PageControl1->setCurrentWidget(w.TS_MasterToSlave);
  w.ASG_MasterSlave->view->Set_Current(2, 2);
  w.Btn_PasteRowClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{"Error!!! Copy a valid row before Paste it"});
  w.Btn_CopyRowClick();
  EXPECT_FALSE(w.ASG_SlaveMaster->Do_Copy);
  EXPECT_TRUE(w.ASG_MasterSlave->Do_Copy);
}

TEST_F(EtherCAT_Window_Test, A_Malformed_Group_File_Is_Reported_And_Variables_Still_Load) {
  Write_Text(App_State.File_EtherCAT_Slave_Group, "<Groups><Slave_to_Master>");
  Write_Text(App_State.File_EtherCAT_Slave,
             "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>"
             "<row Type=\"Int8\"/></EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables>"
             "</EtherCAT_Slave>");
  TFEtherCATSlave w(dialogs);
  w.FormShow();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find(App_State.File_EtherCAT_Slave_Group), std::string::npos);
  EXPECT_EQ(w.ASG_SlaveMaster->grid.Text(2, 1), "Int8");
  EXPECT_TRUE(w.Group_StoM.empty());
}

TEST_F(EtherCAT_Window_Test, Group_Window_Validates_Saves_And_Reloads) {
  TFEtherCATSlave_Group w(dialogs);
  w.show();
  EXPECT_EQ(w.width(), 800);
  EXPECT_EQ(w.windowTitle().toStdString(), "EtherCAT Slave Set Group");
  EXPECT_EQ(w.ACG_Group_StoM->grid.Row_Count(), 17);
  EXPECT_EQ(w.ACG_Group_StoM->grid.Text(2, 0), "Num Variables");
  EXPECT_EQ(w.Btn_Cancel->toolTip().toStdString(),
            "Exit without save the EtherCAT Slave Group List");
  w.FormShow();
  TEditor_Grid& s = *w.ACG_Group_StoM;
  Edit(s, 1, 1, "In");
  Edit(s, 2, 1, "200");
  Edit(s, 1, 2, "In2");
  Edit(s, 2, 2, "x");
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{
                "Error row 2!! [Slave to Master] Num Variables must be beetween 1 and 256"});
  dialogs.Clear();
  Edit(s, 2, 2, "57");
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{"Error!! [Slave to Master] Num Variables "
                                                       "in total must be minor or equal to 256"});
  EXPECT_FALSE(File_Exists(App_State.File_EtherCAT_Slave_Group));

  dialogs.Clear();
  Edit(s, 2, 2, "56");
  TEditor_Grid& m = *w.ACG_Group_MtoS;
  Edit(m, 1, 1, "Out");
  Edit(m, 2, 1, "0");
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{
                "Error row 1!! [Master to Slave] Num Variables must be beetween 1 and 256"});
  dialogs.Clear();
  Edit(m, 2, 1, "$10");
  Edit(m, 3, 1, "note");
  w.Btn_OKClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Read_Text(App_State.File_EtherCAT_Slave_Group),
            "<PROFINET_Master_to_Modbus_TCP_Master><Slave_to_Master>"
            "<row Group_Name=\"In\" Num_Variables=\"200\" Mnemonic=\"\"/>"
            "<row Group_Name=\"In2\" Num_Variables=\"56\" Mnemonic=\"\"/>"
            "</Slave_to_Master><Master_to_Slave>"
            "<row Group_Name=\"Out\" Num_Variables=\"$10\" Mnemonic=\"note\"/>"
            "</Master_to_Slave></PROFINET_Master_to_Modbus_TCP_Master><!--SW_VERSION = 1.001-->");

  // The next showing reloads the file; the variable window sees the groups.
  s.grid.Set_Text(1, 5, "unsaved");
  w.FormShow();
  EXPECT_EQ(s.grid.Text(1, 5), "");
  EXPECT_EQ(s.grid.Text(2, 2), "56");
  s.view->Set_Current(1, 2);
  dialogs.answers = {true};
  w.Btn_DelRowClick();
  EXPECT_EQ(dialogs.shown.at(0).text, "Are you sure to delete the Row number 2");
  EXPECT_EQ(s.grid.Text(1, 2), "");
  TFEtherCATSlave vars(dialogs);
  vars.FormShow();
  ASSERT_EQ(vars.Group_StoM.size(), 2u);
  EXPECT_EQ(vars.Group_StoM[1].Num_Var, 56);
  EXPECT_EQ(vars.ASG_SlaveMaster->grid.Text(8, 201), "In2");
  EXPECT_EQ(vars.ASG_MasterSlave->grid.Text(7, 16), "Out");
  EXPECT_EQ(vars.ASG_MasterSlave->grid.Text(7, 17), "");
}

} // namespace
