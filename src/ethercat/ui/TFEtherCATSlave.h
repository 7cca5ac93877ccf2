#pragma once
// EtherCAT Slave Set Access: the process-data variables of both directions
// with their computed positions, start bits and groups, saved to
// EtherCAT_Slave.xml.
#include "common/ui/table_editor.h"
#include "ethercat/ethercat_group.h"

#include <string>
#include <vector>

namespace zentar {

class TFEtherCATSlave : public TTable_Editor {
  Q_OBJECT
public:
  TFEtherCATSlave(TDialog_Service& dialogs, QWidget* parent = nullptr);

  bool Controllo_dati() { return Controllo_Dati(); }
  // Moves the selected row of the active page one place up or down.
  void Btn_MoveClick(bool up);
  // Exchanges row Num_Row with the row above or below; the selection follows.
  void MoveRow_ASG(int Num_Row, TEditor_Grid& ASG, bool MoveRowUp);
  // Type rule, layout and groups of one grid (by its direction).
  void VarSetLength(TEditor_Grid& ASG, const std::string& ASelection, int ARow);
  void Calc_Position_Bit(TEditor_Grid& ASG);
  void Show_Group(TEditor_Grid& ASG);

  TEditor_Grid* ASG_SlaveMaster = nullptr;
  TEditor_Grid* ASG_MasterSlave = nullptr;
  QWidget* TS_SlaveToMaster = nullptr;
  QWidget* TS_MasterToSlave = nullptr;
  TLb_Button* Btn_MoveUp = nullptr;
  TLb_Button* Btn_MoveDown = nullptr;

  std::vector<std::string> VarType;
  std::vector<TGroup> Group_StoM;
  std::vector<TGroup> Group_MtoS;

protected:
  void Load_Tables(std::vector<std::string>& errors) override;
  bool Save_Tables(std::string& error) override;
  TTable_Error Check_Tables() override;
  void Row_Changed(TEditor_Grid& g, TRow_Op op, int row) override;
  void Cell_Changed(TEditor_Grid& g, int col, int row) override;

private:
  void Init_Table();
  bool Slave_Master(const TEditor_Grid& g) const { return &g == ASG_SlaveMaster; }
};

} // namespace zentar
