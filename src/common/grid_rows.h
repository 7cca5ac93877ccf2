#pragma once
// Row operations shared by every table editor: delete, insert, copy and paste
// a row, for column grids (check boxes as "Y"/"N" texts) and, in the `_Check`
// variants, for string grids whose cells carry check boxes of their own.
//
// The copied row is process-wide: callers pass the application's
// `Copied_Row` and `Copied_Check_Flags`, one entry per data column.
// Column 0 (the row numbers) is never touched; hidden columns are data
// columns like any other.
#include "common/grid.h"

#include <functional>
#include <string>
#include <vector>

namespace zentar {

// Texts of the row operations.
inline constexpr int Txt_Row_Used = 1100;           // overwrite question
inline constexpr int Txt_Copy_Wrong_Columns = 1101; // copied row does not fit
inline constexpr int Txt_Copy_First = 1102;         // paste without a copy

enum class TPaste_Result {
  Pasted,
  Not_Copied,         // no Copy Row in this showing: text 1102
  Wrong_Column_Count, // the copied row has another number of columns: text 1101
  Declined,           // the overwrite question was answered No
  No_Row              // the target is not a data row
};

// Text of the error box a paste result asks for; 0 when none.
int Paste_Error_Text(TPaste_Result result);

// Asked before a used row is overwritten; true for Yes.
using TConfirm_Overwrite = std::function<bool()>;

int Data_Col_Count(const TGrid& grid);
bool Is_Data_Row(const TGrid& grid, int row);

// Column grids.
void Delete_Row(int row, TGrid& grid);
void Insert_Row(int row, TGrid& grid, bool first_column_flag);
void Copy_Row(const TGrid& grid, int row, std::vector<std::string>& copied_row,
              std::vector<bool>& copied_check_flags);
TPaste_Result Paste_Row(TGrid& grid, int row, bool do_copy,
                        const std::vector<std::string>& copied_row,
                        const TConfirm_Overwrite& confirm_overwrite);

// String grids with check-box cells. Rows move with their check-box states,
// texts and cell locks. Delete leaves the last row empty and locked until the
// grid is cleared again; Insert leaves the new row empty and editable. Column
// 1's check box is ticked in that row with `first_column_flag`.
void Delete_Row_Check(int row, TGrid& grid, bool first_column_flag);
void Insert_Row_Check(int row, TGrid& grid, bool first_column_flag);
void Copy_Row_Check(const TGrid& grid, int row, std::vector<std::string>& copied_row,
                    std::vector<bool>& copied_check_flags);
TPaste_Result Paste_Row_Check(TGrid& grid, int row, bool do_copy,
                              const std::vector<std::string>& copied_row,
                              const std::vector<bool>& copied_check_flags,
                              const TConfirm_Overwrite& confirm_overwrite);

// Exchanges the contents of two data rows: check boxes and the texts and
// locks of the columns from `first_col` on. False when a row is not a data row.
bool Swap_Rows(TGrid& grid, int row_a, int row_b, int first_col);

inline constexpr int Key_Enter = 13;

// Enter moves the focus (grid.current_col / current_row) when `enable_jump`
// is on: to the next visible column, or from the last visible column to the
// first visible column of the next row (of row 1 from the last row). The key
// is then swallowed (set to 0), also on a fixed cell. Other keys, or Enter
// with the option off, are left to the grid.
void Grid_Enter_Key(TGrid& grid, int& key, bool enable_jump);

} // namespace zentar
