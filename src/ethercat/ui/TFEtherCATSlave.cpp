#include "ethercat/ui/TFEtherCATSlave.h"

#include "app/app_state.h"
#include "common/grid_rows.h"
#include "ethercat/ethercat_slave.h"

#include <QStyle>

namespace zentar {

TFEtherCATSlave::TFEtherCATSlave(TDialog_Service& dialogs, QWidget* parent)
    : TTable_Editor(dialogs, parent) {
  Declare_Editor(
      {1000, 1001, {1002, 1003, 1004, 1005, 1006, 1007}, {0, 0, 1010, 1011, 1012, 1013}, 1033},
      1200, 337);
  // The move buttons keep their built-in captions in every language.
  Btn_MoveUp = Add_Button("Btn_MoveUp", QStringLiteral("Move Up"), QStyle::SP_ArrowUp);
  Btn_MoveDown = Add_Button("Btn_MoveDown", QStringLiteral("Move Down"), QStyle::SP_ArrowDown);
  connect(Btn_MoveUp, &QPushButton::clicked, this, [this] { Btn_MoveClick(true); });
  connect(Btn_MoveDown, &QPushButton::clicked, this, [this] { Btn_MoveClick(false); });
  Init_Table();
  Set_Table_File(Var_File(), App_State.File_EtherCAT_Slave);
  Set_Lang();
}

void TFEtherCATSlave::Init_Table() {
  VarType = Var_Types();
  ASG_SlaveMaster = Add_Grid(Make_Var_Grid(true), "ASG_SlaveMaster", "TS_SlaveToMaster");
  ASG_SlaveMaster->page_text = 1034;
  ASG_SlaveMaster->header_texts = {1014, 1015, 1016, 1017, 1019, 1020, 1021, 1022, 1059, 1023};
  ASG_SlaveMaster->hint_texts = {1024, 1025, 1026, 1028, 1029, 1030, 1031, 1061, 1032};
  ASG_MasterSlave = Add_Grid(Make_Var_Grid(false), "ASG_MasterSlave", "TS_MasterToSlave");
  ASG_MasterSlave->page_text = 1035;
  ASG_MasterSlave->header_texts = {1036, 1037, 1038, 1039, 1040, 1041, 1042, 1060, 1043};
  ASG_MasterSlave->hint_texts = {1044, 1045, 1046, 1047, 1048, 1049, 1062, 1050};
  for (TEditor_Grid* g : {ASG_SlaveMaster, ASG_MasterSlave}) {
    g->check_cells = true;
    g->first_column_flag = true; // a new or cleared row is enabled
  }
  TS_SlaveToMaster = ASG_SlaveMaster->page;
  TS_MasterToSlave = ASG_MasterSlave->page;
}

void TFEtherCATSlave::VarSetLength(TEditor_Grid& ASG, const std::string& ASelection, int ARow) {
  zentar::VarSetLength(ASG.grid, ASelection, ARow);
}

void TFEtherCATSlave::Calc_Position_Bit(TEditor_Grid& ASG) {
  zentar::Calc_Position_Bit(ASG.grid, Slave_Master(ASG));
}

void TFEtherCATSlave::Show_Group(TEditor_Grid& ASG) {
  zentar::Show_Group(ASG.grid, Slave_Master(ASG), Slave_Master(ASG) ? Group_StoM : Group_MtoS);
}

void TFEtherCATSlave::Load_Tables(std::vector<std::string>& errors) {
  const TTable_Load_Result groups =
      Load_Groups(App_State.File_EtherCAT_Slave_Group, Group_StoM, Group_MtoS);
  if (!groups.ok) errors.push_back(groups.error);
  const TTable_Load_Result vars =
      Load_Var_Tables(App_State.File_EtherCAT_Slave, ASG_SlaveMaster->grid, ASG_MasterSlave->grid,
                      Group_StoM, Group_MtoS);
  if (!vars.ok) errors.push_back(vars.error);
  if (!vars.surplus.empty()) errors.push_back(vars.surplus);
}

bool TFEtherCATSlave::Save_Tables(std::string& error) {
  // The file carries the layout the device takes over: write it as computed
  // from the rows being saved.
  for (TEditor_Grid* g : {ASG_SlaveMaster, ASG_MasterSlave}) {
    Show_Group(*g);
    Calc_Position_Bit(*g);
    Refresh(*g);
  }
  return Save_Var_Tables(App_State.File_EtherCAT_Slave, ASG_SlaveMaster->grid,
                         ASG_MasterSlave->grid, error);
}

TTable_Error TFEtherCATSlave::Check_Tables() {
  return zentar::Controllo_dati(ASG_SlaveMaster->grid, ASG_MasterSlave->grid);
}

void TFEtherCATSlave::Row_Changed(TEditor_Grid& g, TRow_Op op, int row) {
  switch (op) {
  case TRow_Op::Delete:
    Show_Group(g);
    Calc_Position_Bit(g);
    break;
  case TRow_Op::Insert:
    Show_Group(g);
    break;
  case TRow_Op::Paste:
    // The pasted row keeps its copied Length; the type rule only locks or
    // unlocks the cell (and sets the length of a fixed type).
    zentar::VarSetLength(g.grid, g.grid.Text(2, row), row, true);
    Show_Group(g);
    Calc_Position_Bit(g);
    break;
  case TRow_Op::Copy:
    break;
  }
}

void TFEtherCATSlave::Cell_Changed(TEditor_Grid& g, int col, int row) {
  if (col == 1) {
    Show_Group(g);
    Calc_Position_Bit(g);
  } else if (col == 2) {
    VarSetLength(g, g.grid.Text(2, row), row);
    Calc_Position_Bit(g);
  } else if (col == 3) {
    Calc_Position_Bit(g);
  }
}

void TFEtherCATSlave::MoveRow_ASG(int Num_Row, TEditor_Grid& ASG, bool MoveRowUp) {
  const int other = MoveRowUp ? Num_Row - 1 : Num_Row + 1;
  if (!Swap_Rows(ASG.grid, Num_Row, other, 2)) return;
  ASG.view->Select_Row(other);
}

void TFEtherCATSlave::Btn_MoveClick(bool up) {
  TEditor_Grid& g = Active_Grid();
  MoveRow_ASG(g.grid.current_row, g, up);
  Show_Group(g);
  Calc_Position_Bit(g);
  Refresh(g);
}

} // namespace zentar
