#pragma once
// The view of a table grid: fixed header row and row-number column (the
// view's headers), per-column widths, colours and editors, both scroll bars,
// range selection. The delegate gives drop-down columns a fixed list editor,
// draws check boxes centred and toggles them, and lets Enter jump to the next
// field while a cell is being edited.
#include "common/grid.h"
#include "common/ui/grid_model.h"

#include <QAbstractButton>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace zentar {

class TGrid_Delegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit TGrid_Delegate(TGrid_Model& model, QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

signals:
  // Enter was pressed in an editor (after the edit was committed).
  void Enter_Pressed();

protected:
  bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
  bool eventFilter(QObject* editor, QEvent* event) override;

private:
  TGrid_Model& model_;
};

class TGrid_View : public QTableView {
  Q_OBJECT
public:
  TGrid_View(TGrid& grid, QWidget* parent = nullptr);

  TGrid& Grid() { return grid_; }
  TGrid_Model& Model() { return *model_; }

  // Focus to a grid cell (data cells only).
  void Set_Current(int col, int row);
  // Selects exactly the one data row and focuses it.
  void Select_Row(int row);
  // Column widths and hidden columns from the grid's columns.
  void Apply_Columns();
  // Fits the column to its widest text (header included): the text's width
  // and the margins the cell or header draws it within, nothing more.
  void Fit_Column(int col);
  int Cell_Text_Margin() const;
  int Header_Text_Margin() const;

  // Handlers the editor wires: grid coordinates, row 0 the header row,
  // column 0 the row numbers.
  std::function<void(int row, int col)> on_click;
  std::function<void(int row, int col)> on_double_click;
  // Enter and other keys; setting `key` to 0 swallows it.
  std::function<void(int& key)> on_key;

  // The fixed top-left cell, drawn with the header text of column 0.
  QAbstractButton* Corner() const { return corner_; }

protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* object, QEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
  void Enter_In_Editor();

  TGrid& grid_;
  TGrid_Model* model_;
  TGrid_Delegate* delegate_;
  QAbstractButton* corner_ = nullptr;
};

} // namespace zentar
