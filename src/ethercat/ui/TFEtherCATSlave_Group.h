#pragma once
// EtherCAT Slave Set Group: the variable groups of both directions, one page
// each, saved to EtherCAT_Slave_Group.xml.
#include "common/ui/table_editor.h"

namespace zentar {

class TFEtherCATSlave_Group : public TTable_Editor {
  Q_OBJECT
public:
  TFEtherCATSlave_Group(TDialog_Service& dialogs, QWidget* parent = nullptr);

  bool Controllo_dati() { return Controllo_Dati(); }

  TEditor_Grid* ACG_Group_StoM = nullptr;
  TEditor_Grid* ACG_Group_MtoS = nullptr;
  QWidget* TS_SlaveToMaster = nullptr;
  QWidget* TS_MasterToSlave = nullptr;

protected:
  TTable_Error Check_Tables() override;
};

} // namespace zentar
