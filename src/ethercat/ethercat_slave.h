#pragma once
// EtherCAT process-data variables of both directions: the grids, the type
// rule of the Length cell, the process image layout (Position and Start Bit),
// the groups column, the checks and the file EtherCAT_Slave.xml.
//
// The layout computed here is the definition of the process image: the file
// stores it and the device image and the description file take it over
// unchanged.
#include "common/grid.h"
#include "common/table_file.h"
#include "ethercat/ethercat_group.h"

#include <string>
#include <string_view>
#include <vector>

namespace zentar {

inline constexpr int Var_Rows = 256; // variables per direction

// Column indices of a variable grid. The Master to Slave grid has no Init
// Value column (init_value is -1) and its later columns sit one to the left.
struct TVar_Columns {
  int enable = 1;
  int type = 2;
  int length = 3;
  int name = 4;
  int init_value = 5;
  int position = 6;
  int bit_start = 7;
  int group = 8;
  int mnemonic = 9;
};
TVar_Columns Var_Columns(bool SlaveMaster);

// Texts of the variable checks.
inline constexpr int Txt_Var_Row_Error = 1051;
inline constexpr int Txt_StM_Array_Length = 1052;
inline constexpr int Txt_StM_Array_Odd = 1053;
inline constexpr int Txt_StM_Array_Too_Long = 1054;
inline constexpr int Txt_StM_Array_Not_Hex = 1055;
inline constexpr int Txt_StM_String_Length = 1056;
inline constexpr int Txt_StM_String_Too_Long = 1057;
inline constexpr int Txt_MtS_Length = 1058;

// Items of the Type drop-down: Bool, Int8, Int16, Int32, UInt8, UInt16,
// UInt32, Float32, Array, String.
const std::vector<std::string>& Var_Types();

// A variable grid: header row and 256 data rows; column 1 an own check box
// per cell, ticked in a cleared row; Position, Start Bit and Group read-only.
TGrid Make_Var_Grid(bool SlaveMaster);

// Length of a fixed-size type ("1", "2", "4"); empty for Array, String and
// names outside the list.
std::string_view Fixed_Type_Length(std::string_view type);
bool Is_Var_Type(std::string_view type);

// Type rule on the Length cell of `row`: a fixed type sets its length and
// locks the cell; Array and String set "10" (or keep the cell's text when
// `keep_free_length`) and unlock it; any other name leaves the cell alone.
void VarSetLength(TGrid& grid, std::string_view ASelection, int ARow,
                  bool keep_free_length = false);
// Locks or unlocks the Length cell by the row's type, text unchanged.
void Lock_Length(TGrid& grid, int row);

// Position and Start Bit of every row of the table (up to the first row
// whose trimmed Type is empty).
void Calc_Position_Bit(TGrid& grid, bool SlaveMaster);

// Group column from the groups of the grid's direction.
void Show_Group(TGrid& grid, bool SlaveMaster, const std::vector<TGroup>& groups);

// Every character, upper-cased, is 0 to 9 or A to F.
bool CheckArraySting(std::string_view InitValue);

// Both tables, Slave to Master first, disabled rows skipped; the first
// failing check.
TTable_Error Controllo_dati(const TGrid& stm, const TGrid& mts);

// Root, sections and attributes of the variables file. Group is written but
// never read back; Position and BitStart are read, then recomputed for the
// rows of the table.
const TTable_File& Var_File();

// Fills both grids from the file, locks the Length cells by type, then
// recomputes groups and positions.
TTable_Load_Result Load_Var_Tables(const std::string& path, TGrid& stm, TGrid& mts,
                                   const std::vector<TGroup>& groups_stom,
                                   const std::vector<TGroup>& groups_mtos);
void Build_Var_Document(pugi::xml_document& doc, const TGrid& stm, const TGrid& mts);
bool Save_Var_Tables(const std::string& path, const TGrid& stm, const TGrid& mts,
                     std::string& error);

} // namespace zentar
