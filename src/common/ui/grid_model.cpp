#include "common/ui/grid_model.h"

#include <QBrush>
#include <QColor>

namespace zentar {

TGrid_Model::TGrid_Model(TGrid& grid, QObject* parent) : QAbstractTableModel(parent), grid_(grid) {}

bool TGrid_Model::Valid(const QModelIndex& index) const {
  return index.isValid() && index.model() == this && index.row() < rowCount() &&
         index.column() < columnCount();
}

bool TGrid_Model::Is_Check_Cell(int col, int row) const {
  return grid_.Column(col).kind == TColumn_Kind::Check_Box || grid_.Cell(col, row).has_check;
}

void TGrid_Model::Set_Hints(const QStringList& hints) {
  hints_ = hints;
  Refresh_Headers();
}

void TGrid_Model::Refresh() {
  if (rowCount() > 0 && columnCount() > 0)
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
  Refresh_Headers();
}

void TGrid_Model::Refresh_Headers() {
  if (columnCount() > 0) emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
  if (rowCount() > 0) emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

int TGrid_Model::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Row_Count() - 1;
}

int TGrid_Model::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : grid_.Col_Count() - 1;
}

QVariant TGrid_Model::data(const QModelIndex& index, int role) const {
  if (!Valid(index)) return {};
  const int col = Grid_Col(index), row = Grid_Row(index);
  const TTable_Column& column = grid_.Column(col);
  const TCell& cell = grid_.Cell(col, row);
  switch (role) {
  case Qt::DisplayRole:
    if (column.kind == TColumn_Kind::Check_Box) return {};
    return QString::fromStdString(cell.text);
  case Qt::EditRole:
    return QString::fromStdString(cell.text);
  case Qt::CheckStateRole:
    if (column.kind == TColumn_Kind::Check_Box)
      return cell.text == "Y" ? Qt::Checked : Qt::Unchecked;
    if (cell.has_check) return cell.checked ? Qt::Checked : Qt::Unchecked;
    return {};
  case Qt::BackgroundRole:
    return QBrush(QColor(static_cast<QRgb>(column.color)));
  case Qt::TextAlignmentRole:
    if (column.centred) return int(Qt::AlignCenter);
    return int(Qt::AlignLeft | Qt::AlignVCenter);
  default:
    return {};
  }
}

QVariant TGrid_Model::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal) {
    if (section < 0 || section >= columnCount()) return {};
    if (role == Qt::DisplayRole) return QString::fromStdString(grid_.Text(section + 1, 0));
    if (role == Qt::ToolTipRole && section < hints_.size() && !hints_[section].isEmpty())
      return hints_[section];
    return {};
  }
  if (section < 0 || section >= rowCount()) return {};
  if (role == Qt::DisplayRole) return QString::fromStdString(grid_.Text(0, section + 1));
  return {};
}

Qt::ItemFlags TGrid_Model::flags(const QModelIndex& index) const {
  if (!Valid(index)) return Qt::NoItemFlags;
  const int col = Grid_Col(index), row = Grid_Row(index);
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (!grid_.Editable(col, row)) return f;
  return f | (Is_Check_Cell(col, row) ? Qt::ItemIsUserCheckable : Qt::ItemIsEditable);
}

bool TGrid_Model::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!Valid(index)) return false;
  const int col = Grid_Col(index), row = Grid_Row(index);
  if (!grid_.Editable(col, row)) return false;
  const TTable_Column& column = grid_.Column(col);
  TCell& cell = grid_.Cell(col, row);
  bool changed = false;
  if (role == Qt::CheckStateRole) {
    if (!Is_Check_Cell(col, row)) return false;
    const bool ticked = value.toInt() == Qt::Checked;
    if (column.kind == TColumn_Kind::Check_Box) {
      std::string text(ticked ? "Y" : "N");
      changed = cell.text != text;
      cell.text = std::move(text);
    } else {
      changed = cell.checked != ticked;
      cell.checked = ticked;
    }
  } else if (role == Qt::EditRole) {
    if (Is_Check_Cell(col, row)) return false;
    std::string text = value.toString().toStdString();
    if (column.kind == TColumn_Kind::Drop_Down) {
      bool listed = false;
      for (const std::string& item : column.items)
        listed = listed || item == text;
      if (!listed) return false; // no free text in a drop-down column
    } else if (column.max_length > 0) {
      const QString q = value.toString().left(column.max_length);
      text = q.toStdString();
    }
    changed = cell.text != text;
    cell.text = std::move(text);
  } else {
    return false;
  }
  if (changed) {
    emit dataChanged(index, index);
    emit Cell_Changed(col, row);
  }
  return true;
}

} // namespace zentar
