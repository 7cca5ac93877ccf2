#pragma once
// Variable groups of the EtherCAT process data: per direction a list of named
// runs of consecutive enabled variables, kept in EtherCAT_Slave_Group.xml.
#include "common/grid.h"
#include "common/table_file.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zentar {

// A group as the variable window uses it.
struct TGroup {
  std::string Name;
  int32_t Num_Var = 0;
};

inline constexpr int Group_Rows = 16;      // groups per direction
inline constexpr int Group_Max_Vars = 256; // variables per group and per direction

// Columns of a group grid.
inline constexpr int Group_Col_Name = 1; // key column
inline constexpr int Group_Col_Num = 2;
inline constexpr int Group_Col_Mnemonic = 3;

// Texts of the group checks.
inline constexpr int Txt_Group_Row_Error = 5325;
inline constexpr int Txt_Group_StoM_Num = 5326;
inline constexpr int Txt_Group_StoM_Total = 5327;
inline constexpr int Txt_Group_MtoS_Num = 5328;
inline constexpr int Txt_Group_MtoS_Total = 5329;

// A group grid: header row, 16 data rows, row number, name, count, mnemonic.
TGrid Make_Group_Grid();

// Root, sections and attributes of the group file.
const TTable_File& Group_File();

TTable_Load_Result Load_Group_Tables(const std::string& path, TGrid& stom, TGrid& mtos);
bool Save_Group_Tables(const std::string& path, const TGrid& stom, const TGrid& mtos,
                       std::string& error);

// Both tables, Slave to Master first: every count 1 to 256, then the total of
// the direction at most 256. The first failing check.
TTable_Error Check_Group_Tables(const TGrid& stom, const TGrid& mtos);

// The groups of both directions as the variable window reads them: every row
// element of each section, name and count (fallback 0). A missing file gives
// no groups.
TTable_Load_Result Load_Groups(const std::string& path, std::vector<TGroup>& stom,
                               std::vector<TGroup>& mtos);

} // namespace zentar
