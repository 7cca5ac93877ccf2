#include "ethercat/ui/TFEtherCATSlave_Group.h"

#include "app/app_state.h"
#include "ethercat/ethercat_group.h"

namespace zentar {

TFEtherCATSlave_Group::TFEtherCATSlave_Group(TDialog_Service& dialogs, QWidget* parent)
    : TTable_Editor(dialogs, parent) {
  Declare_Editor({5300,
                  5301,
                  {5302, 5303, 5304, 5305, 5306, 5307},
                  {5308, 5309, 5310, 5311, 5312, 5313},
                  5322},
                 800, 337);
  ACG_Group_StoM = Add_Grid(Make_Group_Grid(), "ACG_Group_StoM", "TS_SlaveToMaster");
  ACG_Group_StoM->page_text = 5314;
  ACG_Group_StoM->header_texts = {5316, 5317, 5323, 5318};
  ACG_Group_MtoS = Add_Grid(Make_Group_Grid(), "ACG_Group_MtoS", "TS_MasterToSlave");
  ACG_Group_MtoS->page_text = 5315;
  ACG_Group_MtoS->header_texts = {5319, 5320, 5324, 5321};
  TS_SlaveToMaster = ACG_Group_StoM->page;
  TS_MasterToSlave = ACG_Group_MtoS->page;
  Set_Table_File(Group_File(), App_State.File_EtherCAT_Slave_Group);
  Set_Lang();
}

TTable_Error TFEtherCATSlave_Group::Check_Tables() {
  return Check_Group_Tables(ACG_Group_StoM->grid, ACG_Group_MtoS->grid);
}

} // namespace zentar
