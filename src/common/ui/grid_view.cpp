#include "common/ui/grid_view.h"

#include "app/app_state.h"
#include "common/grid_rows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <cmath>

namespace zentar {

namespace {

bool Is_Enter(const QKeyEvent* e) {
  return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}

} // namespace

// ---------------------------------------------------------------- delegate

TGrid_Delegate::TGrid_Delegate(TGrid_Model& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QWidget* TGrid_Delegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  const TTable_Column& column = model_.Grid().Column(TGrid_Model::Grid_Col(index));
  if (column.kind == TColumn_Kind::Drop_Down) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    for (const std::string& item : column.items)
      combo->addItem(QString::fromStdString(item));
    // A choice is taken over at once, as the grid's drop-down does.
    connect(combo, &QComboBox::activated, this, [this, combo](int) {
      auto* self = const_cast<TGrid_Delegate*>(this);
      emit self->commitData(combo);
      emit self->closeEditor(combo, QAbstractItemDelegate::NoHint);
    });
    return combo;
  }
  QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
  if (auto* line = qobject_cast<QLineEdit*>(editor); line && column.max_length > 0)
    line->setMaxLength(column.max_length);
  return editor;
}

void TGrid_Delegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(combo->findText(index.data(Qt::EditRole).toString()));
    return;
  }
  QStyledItemDelegate::setEditorData(editor, index);
}

void TGrid_Delegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    if (combo->currentIndex() >= 0) model->setData(index, combo->currentText(), Qt::EditRole);
    return;
  }
  QStyledItemDelegate::setModelData(editor, model, index);
}

void TGrid_Delegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  const QVariant state = index.data(Qt::CheckStateRole);
  if (!state.isValid()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // Background, focus and selection as usual, then the check box centred.
  QStyleOptionViewItem opt = option;
  initStyleOption(&opt, index);
  opt.features &= ~QStyleOptionViewItem::HasCheckIndicator;
  opt.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
  QStyleOptionViewItem check = option;
  const int w = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, widget);
  const int h = style->pixelMetric(QStyle::PM_IndicatorHeight, &option, widget);
  check.rect = QRect(0, 0, w, h);
  check.rect.moveCenter(option.rect.center());
  check.state = option.state & ~QStyle::State_HasFocus;
  check.state |= state.toInt() == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
  if (!(index.flags() & Qt::ItemIsUserCheckable)) check.state &= ~QStyle::State_Enabled;
  style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &check, painter, widget);
}

bool TGrid_Delegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
  const QVariant state = index.data(Qt::CheckStateRole);
  if (!state.isValid()) return QStyledItemDelegate::editorEvent(event, model, option, index);
  if (!(index.flags() & Qt::ItemIsUserCheckable)) return false;
  bool toggle = false;
  if (event->type() == QEvent::MouseButtonRelease) {
    const auto* me = static_cast<QMouseEvent*>(event);
    toggle = me->button() == Qt::LeftButton && option.rect.contains(me->position().toPoint());
  } else if (event->type() == QEvent::MouseButtonDblClick) {
    return true; // a double click is two toggles already
  } else if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    toggle = key == Qt::Key_Space || key == Qt::Key_Select;
  }
  if (!toggle) return false;
  const int next = state.toInt() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
  return model->setData(index, next, Qt::CheckStateRole);
}

bool TGrid_Delegate::eventFilter(QObject* object, QEvent* event) {
  if (event->type() == QEvent::KeyPress && App_State.Enable_Jump_Field_Tables &&
      Is_Enter(static_cast<QKeyEvent*>(event))) {
    if (auto* editor = qobject_cast<QWidget*>(object)) {
      emit commitData(editor);
      emit closeEditor(editor, QAbstractItemDelegate::NoHint);
      emit Enter_Pressed();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

// -------------------------------------------------------------------- view

TGrid_View::TGrid_View(TGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new TGrid_Model(grid, this)),
      delegate_(new TGrid_Delegate(*model_, this)) {
  setModel(model_);
  setItemDelegate(delegate_);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setShowGrid(true);
  setWordWrap(false);
  QHeaderView* vh = verticalHeader();
  vh->setSectionResizeMode(QHeaderView::Fixed);
  vh->setDefaultSectionSize(20);
  vh->setDefaultAlignment(Qt::AlignCenter);
  QHeaderView* hh = horizontalHeader();
  hh->setSectionResizeMode(QHeaderView::Interactive);
  hh->setHighlightSections(false);
  // Auto-size only through the header double click, and only when the option is on.
  QObject::disconnect(hh, SIGNAL(sectionHandleDoubleClicked(int)), this, nullptr);
  Apply_Columns();

  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& i) {
    if (on_click) on_click(TGrid_Model::Grid_Row(i), TGrid_Model::Grid_Col(i));
  });
  connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& i) {
    if (on_double_click) on_double_click(TGrid_Model::Grid_Row(i), TGrid_Model::Grid_Col(i));
  });
  connect(vh, &QHeaderView::sectionClicked, this, [this](int section) {
    if (on_click) on_click(section + 1, 0);
  });
  connect(hh, &QHeaderView::sectionDoubleClicked, this, [this](int section) {
    if (on_double_click) on_double_click(0, section + 1);
  });
  connect(hh, &QHeaderView::sectionHandleDoubleClicked, this, [this](int section) {
    if (on_double_click) on_double_click(0, section + 1);
  });
  connect(delegate_, &TGrid_Delegate::Enter_Pressed, this, &TGrid_View::Enter_In_Editor);

  // The fixed cell of row 0 and column 0 shows the row-number column's header
  // text; a click on it selects nothing.
  setCornerButtonEnabled(false);
  corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_) {
    corner_->installEventFilter(this);
    connect(model_, &QAbstractItemModel::headerDataChanged, corner_, qOverload<>(&QWidget::update));
  }
}

bool TGrid_View::eventFilter(QObject* object, QEvent* event) {
  if (object != corner_ || event->type() != QEvent::Paint)
    return QTableView::eventFilter(object, event);
  QPainter painter(corner_);
  QStyleOptionHeader opt;
  // Drawn as a section of the (enabled) header row, not as the disabled button.
  opt.initFrom(horizontalHeader());
  opt.palette.setCurrentColorGroup(QPalette::Active);
  opt.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
  opt.rect = corner_->rect();
  opt.position = QStyleOptionHeader::OnlyOneSection;
  opt.orientation = Qt::Horizontal;
  opt.text = QString::fromStdString(grid_.Text(0, 0));
  opt.textAlignment = Qt::AlignCenter;
  opt.fontMetrics = horizontalHeader()->fontMetrics();
  painter.setFont(horizontalHeader()->font());
  style()->drawControl(QStyle::CE_Header, &opt, &painter, corner_);
  return true;
}

void TGrid_View::Apply_Columns() {
  verticalHeader()->setFixedWidth(grid_.Column(0).width);
  for (int c = 1; c < grid_.Col_Count(); ++c) {
    setColumnWidth(c - 1, grid_.Column(c).width);
    setColumnHidden(c - 1, grid_.Column(c).hidden);
  }
}

void TGrid_View::Set_Current(int col, int row) {
  if (col < 1 || col >= grid_.Col_Count() || row < 1 || row > grid_.Last_Row()) return;
  setCurrentIndex(model_->Index_Of(col, row));
}

void TGrid_View::Select_Row(int row) {
  if (row < 1 || row > grid_.Last_Row()) return;
  const int col = grid_.current_col >= 1 ? grid_.current_col : 1;
  selectionModel()->setCurrentIndex(model_->Index_Of(col, row), QItemSelectionModel::NoUpdate);
  selectionModel()->select(model_->Index_Of(col, row),
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  grid_.current_row = row;
}

int TGrid_View::Cell_Text_Margin() const {
  // The item view draws a cell's text this far in from each side.
  return style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
}

int TGrid_View::Header_Text_Margin() const {
  return style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, horizontalHeader());
}

namespace {

// Whole pixels that hold the text without eliding it.
int Text_Width(const QFontMetricsF& fm, const std::string& text) {
  return static_cast<int>(std::ceil(fm.horizontalAdvance(QString::fromStdString(text))));
}

} // namespace

void TGrid_View::Fit_Column(int col) {
  if (col < 1 || col >= grid_.Col_Count()) return;
  // The widest shown text, header included, plus only the room the cell and
  // the header section need to draw it whole.
  int width = Text_Width(QFontMetricsF(horizontalHeader()->font(), horizontalHeader()),
                         grid_.Text(col, 0)) +
              2 * Header_Text_Margin();
  const QFontMetricsF fm(font(), viewport());
  const int margin = 2 * Cell_Text_Margin();
  const bool texts_shown = grid_.Column(col).kind != TColumn_Kind::Check_Box;
  for (int r = 1; r <= grid_.Last_Row(); ++r) {
    if (model_->Is_Check_Cell(col, r))
      width =
          std::max(width, style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this) + margin);
    if (texts_shown && !grid_.Text(col, r).empty())
      width = std::max(width, Text_Width(fm, grid_.Text(col, r)) + margin);
  }
  setColumnWidth(col - 1, width);
}

void TGrid_View::keyPressEvent(QKeyEvent* event) {
  if (on_key) {
    int key = Is_Enter(event) ? Key_Enter : event->key();
    const int before_col = grid_.current_col, before_row = grid_.current_row;
    on_key(key);
    if (key == 0) {
      if (grid_.current_col != before_col || grid_.current_row != before_row)
        Set_Current(grid_.current_col, grid_.current_row);
      event->accept();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

void TGrid_View::Enter_In_Editor() {
  if (!on_key) return;
  int key = Key_Enter;
  on_key(key);
  Set_Current(grid_.current_col, grid_.current_row);
}

void TGrid_View::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (current.isValid()) {
    grid_.current_col = TGrid_Model::Grid_Col(current);
    grid_.current_row = TGrid_Model::Grid_Row(current);
  }
}

} // namespace zentar
