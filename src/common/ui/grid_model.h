#pragma once
// The core table grid shown in a Qt view. Model row r and column c are grid
// row r + 1 and column c + 1: the grid's header row and row-number column are
// the view's horizontal and vertical headers.
#include "common/grid.h"

#include <QAbstractTableModel>
#include <QStringList>

namespace zentar {

class TGrid_Model : public QAbstractTableModel {
  Q_OBJECT
public:
  TGrid_Model(TGrid& grid, QObject* parent = nullptr);

  TGrid& Grid() { return grid_; }
  static int Grid_Row(const QModelIndex& index) { return index.row() + 1; }
  static int Grid_Col(const QModelIndex& index) { return index.column() + 1; }
  QModelIndex Index_Of(int col, int row) const { return index(row - 1, col - 1); }

  // Whether the cell shows a check box: a Y/N check-box column or a cell
  // with a check box of its own.
  bool Is_Check_Cell(int col, int row) const;

  // Header hints, one per grid column from column 1 (entry col - 1).
  void Set_Hints(const QStringList& hints);

  // Everything shown may have changed (after a load or a row operation).
  void Refresh();
  // Header texts changed (language).
  void Refresh_Headers();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
  // The user changed a cell (text, drop-down choice or check box); grid coordinates.
  void Cell_Changed(int col, int row);

private:
  bool Valid(const QModelIndex& index) const;

  TGrid& grid_;
  QStringList hints_;
};

} // namespace zentar
