#pragma once
// The table grid of every editor: a fixed number of rows (row 0 is the header)
// and columns (column 0 holds the row numbers), each cell a text with an
// optional check box of its own and a read-only state.
#include <cstdint>
#include <string>
#include <vector>

namespace zentar {

enum class TColumn_Kind {
  Text,      // free text
  Drop_Down, // fixed list of items; the cell takes the item's text
  Check_Box  // the cell text is "Y" when ticked and "N" when not
};

struct TTable_Column {
  std::string header;
  int width = 64;
  TColumn_Kind kind = TColumn_Kind::Text;
  std::vector<std::string> items; // Drop_Down only
  bool hidden = false;
  bool read_only = false;
  uint32_t color = 0xFFFFFF; // background, 0xRRGGBB
  int max_length = 0;        // 0: no limit
  // Every data cell of the column carries a check box of its own (string
  // grids); `cell_check_default` is its state in a cleared row.
  bool cell_check = false;
  bool cell_check_default = false;
  bool centred = false; // cell text drawn centred
};

struct TCell {
  std::string text;
  bool has_check = false; // the cell carries a check box of its own
  bool checked = false;
  bool read_only = false; // locks this cell on top of its column's read_only
};

class TGrid {
public:
  // `row_count` includes the header row; `columns[0]` is the row-number column.
  TGrid(int row_count, std::vector<TTable_Column> columns);

  int Row_Count() const { return row_count_; }
  int Col_Count() const { return static_cast<int>(columns_.size()); }
  int Last_Row() const { return row_count_ - 1; }

  TCell& Cell(int col, int row) { return cells_[static_cast<size_t>(row) * columns_.size() + col]; }
  const TCell& Cell(int col, int row) const {
    return cells_[static_cast<size_t>(row) * columns_.size() + col];
  }
  const std::string& Text(int col, int row) const { return Cell(col, row).text; }
  // Whether the user may change the cell: neither its column nor the cell is locked.
  bool Editable(int col, int row) const {
    return !columns_[col].read_only && !Cell(col, row).read_only;
  }
  void Set_Text(int col, int row, std::string text) { Cell(col, row).text = std::move(text); }

  TTable_Column& Column(int col) { return columns_[col]; }
  const TTable_Column& Column(int col) const { return columns_[col]; }

  // Every data row: column 0 gets its row number, every other column the empty
  // text; check boxes back to their column's default, cell locks removed.
  // Header texts are kept.
  void Clear_And_Number();

  // Header row texts from the column headers.
  void Apply_Headers();

  // Focused cell.
  int current_col = 1;
  int current_row = 1;

private:
  int row_count_;
  std::vector<TTable_Column> columns_;
  std::vector<TCell> cells_;
};

} // namespace zentar
