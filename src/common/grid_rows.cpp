#include "common/grid_rows.h"

#include "common/text_rules.h"

#include <utility>

namespace zentar {

namespace {

// Check-box state where the source cell has a check box, else its text;
// the lock always.
void Move_Cell_Check(const TCell& from, TCell& to) {
  if (from.has_check)
    to.checked = from.checked;
  else
    to.text = from.text;
  to.read_only = from.read_only;
}

// The row a Delete or Insert leaves empty: check boxes cleared except that of
// column 1 with the first-column flag, texts emptied, every cell locked (the
// last row after a Delete) or editable (the new row of an Insert).
void Clear_Row_Check(TGrid& grid, int row, bool first_column_flag, bool read_only) {
  for (int c = 1; c < grid.Col_Count(); ++c) {
    TCell& cell = grid.Cell(c, row);
    if (cell.has_check)
      cell.checked = c == 1 && first_column_flag;
    else
      cell.text.clear();
    cell.read_only = read_only;
  }
}

// The checks both paste variants make, in order; Pasted when the row may be written.
TPaste_Result Paste_Checks(const TGrid& grid, int row, bool do_copy,
                           const std::vector<std::string>& copied_row, bool trim_used,
                           const TConfirm_Overwrite& confirm_overwrite) {
  if (!Is_Data_Row(grid, row)) return TPaste_Result::No_Row;
  if (!do_copy) return TPaste_Result::Not_Copied;
  if (static_cast<int>(copied_row.size()) != Data_Col_Count(grid))
    return TPaste_Result::Wrong_Column_Count;
  bool used = false;
  for (int c = 1; c < grid.Col_Count() && !used; ++c) {
    const TCell& cell = grid.Cell(c, row);
    if (trim_used) {
      if (grid.Column(c).kind != TColumn_Kind::Check_Box && !Trim(cell.text).empty()) used = true;
    } else if (!cell.has_check && !cell.text.empty()) {
      used = true;
    }
  }
  if (used && !(confirm_overwrite && confirm_overwrite())) return TPaste_Result::Declined;
  return TPaste_Result::Pasted;
}

} // namespace

int Paste_Error_Text(TPaste_Result result) {
  switch (result) {
  case TPaste_Result::Not_Copied:
    return Txt_Copy_First;
  case TPaste_Result::Wrong_Column_Count:
    return Txt_Copy_Wrong_Columns;
  default:
    return 0;
  }
}

int Data_Col_Count(const TGrid& grid) { return grid.Col_Count() - 1; }

bool Is_Data_Row(const TGrid& grid, int row) { return row >= 1 && row <= grid.Last_Row(); }

void Delete_Row(int row, TGrid& grid) {
  if (!Is_Data_Row(grid, row)) return;
  const int last = grid.Last_Row();
  for (int a = row; a < last; ++a)
    for (int c = 1; c < grid.Col_Count(); ++c)
      grid.Set_Text(c, a, grid.Text(c, a + 1));
  for (int c = 1; c < grid.Col_Count(); ++c)
    grid.Set_Text(c, last, "");
}

void Insert_Row(int row, TGrid& grid, bool first_column_flag) {
  if (!Is_Data_Row(grid, row)) return;
  for (int a = grid.Last_Row() - 1; a >= row; --a)
    for (int c = 1; c < grid.Col_Count(); ++c)
      grid.Set_Text(c, a + 1, grid.Text(c, a));
  for (int c = 1; c < grid.Col_Count(); ++c)
    grid.Set_Text(c, row, c == 1 && first_column_flag ? "Y" : "");
}

void Copy_Row(const TGrid& grid, int row, std::vector<std::string>& copied_row,
              std::vector<bool>& copied_check_flags) {
  if (!Is_Data_Row(grid, row)) return;
  copied_row.clear();
  for (int c = 1; c < grid.Col_Count(); ++c)
    copied_row.push_back(grid.Text(c, row));
  // The texts of a column grid are pasted as texts everywhere: no entry is an
  // own check box, so a paste into a string grid never reads stale flags.
  copied_check_flags.assign(copied_row.size(), false);
}

TPaste_Result Paste_Row(TGrid& grid, int row, bool do_copy,
                        const std::vector<std::string>& copied_row,
                        const TConfirm_Overwrite& confirm_overwrite) {
  const TPaste_Result r = Paste_Checks(grid, row, do_copy, copied_row, true, confirm_overwrite);
  if (r != TPaste_Result::Pasted) return r;
  for (int c = 1; c < grid.Col_Count(); ++c)
    grid.Set_Text(c, row, copied_row[c - 1]);
  return r;
}

void Delete_Row_Check(int row, TGrid& grid, bool first_column_flag) {
  if (!Is_Data_Row(grid, row)) return;
  const int last = grid.Last_Row();
  for (int a = row; a < last; ++a)
    for (int c = 1; c < grid.Col_Count(); ++c)
      Move_Cell_Check(grid.Cell(c, a + 1), grid.Cell(c, a));
  Clear_Row_Check(grid, last, first_column_flag, true);
}

void Insert_Row_Check(int row, TGrid& grid, bool first_column_flag) {
  if (!Is_Data_Row(grid, row)) return;
  for (int a = grid.Last_Row() - 1; a >= row; --a)
    for (int c = 1; c < grid.Col_Count(); ++c)
      Move_Cell_Check(grid.Cell(c, a), grid.Cell(c, a + 1));
  Clear_Row_Check(grid, row, first_column_flag, false);
}

void Copy_Row_Check(const TGrid& grid, int row, std::vector<std::string>& copied_row,
                    std::vector<bool>& copied_check_flags) {
  if (!Is_Data_Row(grid, row)) return;
  copied_row.clear();
  copied_check_flags.clear();
  for (int c = 1; c < grid.Col_Count(); ++c) {
    const TCell& cell = grid.Cell(c, row);
    copied_row.push_back(cell.has_check ? (cell.checked ? "Y" : "N") : cell.text);
    copied_check_flags.push_back(cell.has_check);
  }
}

TPaste_Result Paste_Row_Check(TGrid& grid, int row, bool do_copy,
                              const std::vector<std::string>& copied_row,
                              const std::vector<bool>& copied_check_flags,
                              const TConfirm_Overwrite& confirm_overwrite) {
  const TPaste_Result r = Paste_Checks(grid, row, do_copy, copied_row, false, confirm_overwrite);
  if (r != TPaste_Result::Pasted) return r;
  for (int c = 1; c < grid.Col_Count(); ++c) {
    const size_t k = static_cast<size_t>(c - 1);
    TCell& cell = grid.Cell(c, row);
    if (k < copied_check_flags.size() && copied_check_flags[k])
      cell.checked = copied_row[k] == "Y";
    else
      cell.text = copied_row[k];
  }
  return r;
}

bool Swap_Rows(TGrid& grid, int row_a, int row_b, int first_col) {
  if (!Is_Data_Row(grid, row_a) || !Is_Data_Row(grid, row_b)) return false;
  for (int c = 1; c < grid.Col_Count(); ++c) {
    TCell& a = grid.Cell(c, row_a);
    TCell& b = grid.Cell(c, row_b);
    if (a.has_check || b.has_check) std::swap(a.checked, b.checked);
    if (c >= first_col) {
      std::swap(a.text, b.text);
      std::swap(a.read_only, b.read_only);
    }
  }
  return true;
}

void Grid_Enter_Key(TGrid& grid, int& key, bool enable_jump) {
  if (!enable_jump || key != Key_Enter) return;
  key = 0;
  const int col = grid.current_col, row = grid.current_row;
  if (col < 1 || row < 1 || col >= grid.Col_Count() || row > grid.Last_Row()) return;
  int next = col + 1;
  while (next < grid.Col_Count() && grid.Column(next).hidden)
    ++next;
  if (next < grid.Col_Count()) {
    grid.current_col = next;
    return;
  }
  int first = 1;
  while (first < grid.Col_Count() && grid.Column(first).hidden)
    ++first;
  if (first >= grid.Col_Count()) return; // no visible data column
  grid.current_col = first;
  grid.current_row = row < grid.Last_Row() ? row + 1 : 1;
}

} // namespace zentar
