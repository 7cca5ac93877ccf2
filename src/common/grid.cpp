#include "common/grid.h"

namespace zentar {

TGrid::TGrid(int row_count, std::vector<TTable_Column> columns)
    : row_count_(row_count), columns_(std::move(columns)),
      cells_(static_cast<size_t>(row_count) * columns_.size()) {
  Apply_Headers();
  Clear_And_Number();
}

void TGrid::Clear_And_Number() {
  for (int r = 1; r < row_count_; ++r) {
    Cell(0, r).text = std::to_string(r);
    for (int c = 1; c < Col_Count(); ++c) {
      TCell& cell = Cell(c, r);
      cell.text.clear();
      if (columns_[c].cell_check) cell.has_check = true;
      cell.checked = columns_[c].cell_check && columns_[c].cell_check_default;
      cell.read_only = false;
    }
  }
}

void TGrid::Apply_Headers() {
  for (int c = 0; c < Col_Count(); ++c)
    Cell(c, 0).text = columns_[c].header;
}

} // namespace zentar
