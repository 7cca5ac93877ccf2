// Row routines on both grid kinds: column grids (Y/N check-box columns) and
// string grids whose cells carry their own check boxes.
#include "common/grid_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentar {
namespace {

constexpr int Rows = 8; // data rows

// Column grid: Enable (Y/N), Name, Value, a hidden Extra column.
TGrid Column_Grid() {
  std::vector<TTable_Column> cols(5);
  cols[1].kind = TColumn_Kind::Check_Box;
  cols[4].hidden = true;
  return TGrid(Rows + 1, cols);
}

// String grid: column 1 an own check box ticked in a cleared row, two text
// columns, a read-only column.
TGrid Check_Grid() {
  std::vector<TTable_Column> cols(5);
  cols[1].cell_check = true;
  cols[1].cell_check_default = true;
  cols[4].read_only = true;
  return TGrid(Rows + 1, cols);
}

void Fill(TGrid& g, int rows) {
  for (int r = 1; r <= rows; ++r)
    for (int c = 1; c < g.Col_Count(); ++c)
      if (!g.Cell(c, r).has_check) {
        std::string t = "r";
        t += std::to_string(r);
        t += 'c';
        t += std::to_string(c);
        g.Set_Text(c, r, t);
      }
}

std::vector<std::string> Row_Texts(const TGrid& g, int row) {
  std::vector<std::string> t;
  for (int c = 0; c < g.Col_Count(); ++c)
    t.push_back(g.Text(c, row));
  return t;
}

void Expect_Numbers(const TGrid& g) {
  for (int r = 1; r <= g.Last_Row(); ++r)
    EXPECT_EQ(g.Text(0, r), std::to_string(r));
}

TEST(Delete_Row, Rows_Below_Move_Up_And_The_Last_Row_Is_Emptied) {
  TGrid g = Column_Grid();
  Fill(g, 7);
  Delete_Row(5, g);
  EXPECT_EQ(g.Text(2, 4), "r4c2");
  EXPECT_EQ(g.Text(2, 5), "r6c2");
  EXPECT_EQ(g.Text(4, 6), "r7c4"); // the hidden column moves too
  for (int r = 7; r <= Rows; ++r)
    for (int c = 1; c < g.Col_Count(); ++c)
      EXPECT_EQ(g.Text(c, r), "") << r << "," << c;
  Expect_Numbers(g);

  Fill(g, Rows);
  Delete_Row(Rows, g);
  EXPECT_EQ(g.Text(2, Rows - 1), "r7c2");
  EXPECT_EQ(g.Text(2, Rows), "");
  Delete_Row(0, g); // not a data row: nothing happens
  EXPECT_EQ(g.Text(2, 1), "r1c2");
}

TEST(Insert_Row, Opens_An_Empty_Row_And_Loses_The_Last_One) {
  TGrid g = Column_Grid();
  Fill(g, Rows);
  Insert_Row(3, g, true);
  EXPECT_EQ(Row_Texts(g, 3), (std::vector<std::string>{"3", "Y", "", "", ""}));
  EXPECT_EQ(g.Text(2, 4), "r3c2");
  EXPECT_EQ(g.Text(4, Rows), "r7c4"); // old last row is gone
  Expect_Numbers(g);

  Fill(g, Rows);
  Insert_Row(Rows, g, false); // at the last row: only that row is cleared
  EXPECT_EQ(Row_Texts(g, Rows), (std::vector<std::string>{"8", "", "", "", ""}));
  EXPECT_EQ(g.Text(2, Rows - 1), "r7c2");
}

TEST(Check_Rows, Delete_And_Insert_Move_States_And_Locks) {
  TGrid g = Check_Grid();
  Fill(g, Rows);
  g.Cell(1, 3).checked = false;
  g.Cell(2, 3).read_only = true;

  Delete_Row_Check(2, g, true);
  EXPECT_FALSE(g.Cell(1, 2).checked); // old row 3 with its state and lock
  EXPECT_EQ(g.Text(2, 2), "r3c2");
  EXPECT_TRUE(g.Cell(2, 2).read_only);
  // The cleared last row: enabled, empty, every cell locked.
  EXPECT_TRUE(g.Cell(1, Rows).checked);
  EXPECT_EQ(g.Text(2, Rows), "");
  for (int c = 1; c < g.Col_Count(); ++c)
    EXPECT_TRUE(g.Cell(c, Rows).read_only) << c;
  // A second delete moves that lock up with the row.
  Delete_Row_Check(Rows - 1, g, true);
  EXPECT_TRUE(g.Cell(2, Rows - 1).read_only);
  EXPECT_TRUE(g.Cell(2, Rows).read_only);
  EXPECT_FALSE(g.Cell(2, Rows - 2).read_only);

  Insert_Row_Check(2, g, false);
  EXPECT_FALSE(g.Cell(1, 2).checked);
  EXPECT_EQ(g.Text(2, 2), "");
  for (int c = 1; c < g.Col_Count(); ++c)
    EXPECT_FALSE(g.Cell(c, 2).read_only) << c; // the new row is editable
  EXPECT_FALSE(g.Editable(4, 2));              // the column's own lock stays
  EXPECT_FALSE(g.Cell(1, 3).checked);
  EXPECT_EQ(g.Text(2, 3), "r3c2");
  EXPECT_TRUE(g.Cell(2, 3).read_only);
  EXPECT_TRUE(g.Cell(2, Rows).read_only); // the locked rows moved down
  Expect_Numbers(g);
}

struct TCopy_Fixture : ::testing::Test {
  std::vector<std::string> copied;
  std::vector<bool> flags;
  int questions = 0;
  bool answer = false;
  TConfirm_Overwrite ask = [this] {
    ++questions;
    return answer;
  };
};

TEST_F(TCopy_Fixture, Column_Grid_Copy_And_Paste_With_Overwrite_Question) {
  TGrid g = Column_Grid();
  Fill(g, 3);
  g.Set_Text(1, 1, "Y");
  Copy_Row(g, 1, copied, flags);
  EXPECT_EQ(copied, (std::vector<std::string>{"Y", "r1c2", "r1c3", "r1c4"}));
  EXPECT_EQ(flags, std::vector<bool>(4, false));

  // Not copied in this showing: nothing changes, nothing is asked.
  EXPECT_EQ(Paste_Row(g, 2, false, copied, ask), TPaste_Result::Not_Copied);
  EXPECT_EQ(Paste_Error_Text(TPaste_Result::Not_Copied), 1102);
  EXPECT_EQ(g.Text(2, 2), "r2c2");

  answer = false;
  EXPECT_EQ(Paste_Row(g, 2, true, copied, ask), TPaste_Result::Declined);
  EXPECT_EQ(g.Text(2, 2), "r2c2");
  answer = true;
  EXPECT_EQ(Paste_Row(g, 2, true, copied, ask), TPaste_Result::Pasted);
  EXPECT_EQ(Row_Texts(g, 2), (std::vector<std::string>{"2", "Y", "r1c2", "r1c3", "r1c4"}));
  EXPECT_EQ(questions, 2);

  // A row whose only texts are in check-box columns or blanks is not used.
  g.Set_Text(1, 5, "N");
  g.Set_Text(3, 5, "  ");
  EXPECT_EQ(Paste_Row(g, 5, true, copied, ask), TPaste_Result::Pasted);
  EXPECT_EQ(questions, 2);
  EXPECT_EQ(g.Text(4, 5), "r1c4");
}

TEST_F(TCopy_Fixture, Paste_Needs_The_Same_Column_Count) {
  TGrid small(Rows + 1, std::vector<TTable_Column>(3));
  Fill(small, 1);
  Copy_Row(small, 1, copied, flags);
  TGrid g = Column_Grid();
  EXPECT_EQ(Paste_Row(g, 1, true, copied, ask), TPaste_Result::Wrong_Column_Count);
  EXPECT_EQ(Paste_Error_Text(TPaste_Result::Wrong_Column_Count), 1101);
  TGrid c = Check_Grid();
  EXPECT_EQ(Paste_Row_Check(c, 1, true, copied, flags, ask), TPaste_Result::Wrong_Column_Count);

  // Another grid with the same number of columns takes the row.
  TGrid other = Column_Grid();
  other.Set_Text(2, 4, "x");
  Copy_Row(other, 4, copied, flags);
  EXPECT_EQ(Paste_Row(g, 1, true, copied, ask), TPaste_Result::Pasted);
  EXPECT_EQ(g.Text(2, 1), "x");
  EXPECT_EQ(questions, 0);
}

TEST_F(TCopy_Fixture, Check_Grid_Copy_And_Paste) {
  TGrid g = Check_Grid();
  Fill(g, 2);
  g.Cell(1, 1).checked = false;
  Copy_Row_Check(g, 1, copied, flags);
  EXPECT_EQ(copied, (std::vector<std::string>{"N", "r1c2", "r1c3", "r1c4"}));
  EXPECT_EQ(flags, (std::vector<bool>{true, false, false, false}));

  // A blank counts as used in a string grid (no trimming); No keeps the row.
  g.Set_Text(2, 3, " ");
  EXPECT_EQ(Paste_Row_Check(g, 3, true, copied, flags, ask), TPaste_Result::Declined);
  EXPECT_TRUE(g.Cell(1, 3).checked);
  answer = true;
  EXPECT_EQ(Paste_Row_Check(g, 3, true, copied, flags, ask), TPaste_Result::Pasted);
  EXPECT_FALSE(g.Cell(1, 3).checked);
  EXPECT_EQ(g.Text(1, 3), ""); // a check cell takes the state, not the text
  EXPECT_EQ(g.Text(3, 3), "r1c3");

  // The row of the empty target whose only state is its check box: no question.
  questions = 0;
  EXPECT_EQ(Paste_Row_Check(g, 6, true, copied, flags, ask), TPaste_Result::Pasted);
  EXPECT_EQ(questions, 0);
  EXPECT_EQ(Paste_Row_Check(g, 6, false, copied, flags, ask), TPaste_Result::Not_Copied);

  // A row copied from a column grid of the same width pastes as texts.
  TGrid col = Column_Grid();
  col.Set_Text(1, 1, "Y");
  col.Set_Text(2, 1, "from column grid");
  Copy_Row(col, 1, copied, flags);
  EXPECT_EQ(Paste_Row_Check(g, 7, true, copied, flags, ask), TPaste_Result::Pasted);
  EXPECT_EQ(g.Text(2, 7), "from column grid");
  EXPECT_TRUE(g.Cell(1, 7).checked);
}

TEST(Swap_Rows, Exchanges_Check_Boxes_Texts_And_Locks) {
  TGrid g = Check_Grid();
  Fill(g, 3);
  g.Cell(1, 2).checked = false;
  g.Cell(3, 2).read_only = true;
  ASSERT_TRUE(Swap_Rows(g, 2, 3, 2));
  EXPECT_FALSE(g.Cell(1, 3).checked);
  EXPECT_TRUE(g.Cell(1, 2).checked);
  EXPECT_EQ(g.Text(2, 2), "r3c2");
  EXPECT_EQ(g.Text(2, 3), "r2c2");
  EXPECT_TRUE(g.Cell(3, 3).read_only);
  EXPECT_EQ(g.Text(0, 2), "2");
  EXPECT_FALSE(Swap_Rows(g, 1, 0, 2));
  EXPECT_FALSE(Swap_Rows(g, Rows, Rows + 1, 2));
}

TEST(Grid_Enter_Key, Moves_As_The_Option_Says) {
  // Column grid: columns 1 to 3 visible, 4 hidden.
  struct TCase {
    bool enable;
    int key, col, row;
    int want_key, want_col, want_row;
  } cases[] = {
      {false, Key_Enter, 2, 2, Key_Enter, 2, 2}, // option off: the grid handles it
      {true, 'A', 2, 2, 'A', 2, 2},              // not Enter
      {true, Key_Enter, 1, 2, 0, 2, 2},          // next column
      {true, Key_Enter, 3, 2, 0, 1, 3},          // last visible column: next row
      {true, Key_Enter, 3, Rows, 0, 1, 1},       // last row: back to row 1
      {true, Key_Enter, 0, 2, 0, 0, 2},          // fixed cell: swallowed, no move
  };
  for (const TCase& c : cases) {
    TGrid g = Column_Grid();
    g.current_col = c.col;
    g.current_row = c.row;
    int key = c.key;
    Grid_Enter_Key(g, key, c.enable);
    EXPECT_EQ(key, c.want_key) << c.col << "," << c.row;
    EXPECT_EQ(g.current_col, c.want_col) << c.col << "," << c.row;
    EXPECT_EQ(g.current_row, c.want_row) << c.col << "," << c.row;
  }
}

TEST(Clear_And_Number, Restores_Column_Defaults) {
  TGrid g = Check_Grid();
  Fill(g, 2);
  g.Cell(1, 1).checked = false;
  g.Cell(2, 1).read_only = true;
  g.Clear_And_Number();
  EXPECT_TRUE(g.Cell(1, 1).has_check);
  EXPECT_TRUE(g.Cell(1, 1).checked);
  EXPECT_FALSE(g.Cell(2, 1).read_only);
  EXPECT_EQ(g.Text(2, 1), "");
  EXPECT_EQ(g.Text(0, 1), "1");
}

} // namespace
} // namespace zentar
