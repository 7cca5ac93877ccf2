#include "common/ui/table_editor.h"

#include "app/app_state.h"
#include "common/grid_rows.h"

#include <QFrame>
#include <QLabel>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zentar {

namespace {

constexpr int Button_Left = 16;
constexpr int Button_Top = 6;
constexpr int Button_Pitch = 118;
constexpr int Button_Width = 110;
constexpr int Button_Height = 28;

} // namespace

TTable_Editor::TTable_Editor(TDialog_Service& dialogs, QWidget* parent)
    : TZentar_Dialog(dialogs, parent) {
  setFont(Tahoma_Pixel_Font(11));
}

TTable_Editor::~TTable_Editor() {
  // The views read their grids until they are gone: remove them before the grids.
  delete PageControl1;
  for (const auto& g : grids_)
    if (!g->page) delete g->view;
}

void TTable_Editor::Declare_Editor(const TEditor_Texts& texts, int client_width,
                                   int client_height) {
  texts_ = texts;
  Make_Title_Panel();
  Make_Button_Panel();
  Btn_OK = Add_Button("Btn_OK", QString(), QStyle::SP_DialogApplyButton);
  Btn_Cancel = Add_Button("Btn_Cancel", QString(), QStyle::SP_DialogCancelButton);
  Btn_DelRow = Add_Button("Btn_DelRow", QString(), QStyle::SP_TrashIcon);
  Btn_InsRow = Add_Button("Btn_InsRow", QString(), QStyle::SP_FileDialogNewFolder);
  Btn_CopyRow = Add_Button("Btn_CopyRow", QString(), QStyle::SP_FileDialogDetailedView);
  Btn_PasteRow = Add_Button("Btn_PasteRow", QString(), QStyle::SP_DialogSaveButton);
  connect(Btn_OK, &QPushButton::clicked, this, &TTable_Editor::Btn_OKClick);
  connect(Btn_Cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(Btn_DelRow, &QPushButton::clicked, this, &TTable_Editor::Btn_DelRowClick);
  connect(Btn_InsRow, &QPushButton::clicked, this, &TTable_Editor::Btn_InsRowClick);
  connect(Btn_CopyRow, &QPushButton::clicked, this, &TTable_Editor::Btn_CopyRowClick);
  connect(Btn_PasteRow, &QPushButton::clicked, this, &TTable_Editor::Btn_PasteRowClick);
  Btn_OK->setDefault(false);
  Btn_OK->setAutoDefault(false);
  Set_Client_Size(client_width, client_height, true);
}

TLb_Button* TTable_Editor::Add_Button(const char* name, const QString& caption, int glyph) {
  auto* b = new TLb_Button(P_Button, caption);
  b->setObjectName(QString::fromLatin1(name));
  b->setAutoDefault(false);
  b->Set_Glyph(glyph);
  b->setGeometry(Button_Left + Button_Pitch * static_cast<int>(buttons_.size()), Button_Top,
                 Button_Width, Button_Height);
  buttons_.push_back(b);
  return b;
}

TEditor_Grid* TTable_Editor::Add_Grid(TGrid grid, const char* name, const char* page_name) {
  grids_.push_back(std::make_unique<TEditor_Grid>(std::move(grid)));
  TEditor_Grid* g = grids_.back().get();
  g->view = new TGrid_View(g->grid, this);
  g->view->setObjectName(QString::fromLatin1(name));
  g->view->setFont(Tahoma_Pixel_Font(11));
  if (page_name) {
    if (!PageControl1) {
      PageControl1 = new QTabWidget(this);
      PageControl1->setObjectName(QStringLiteral("PageControl1"));
    }
    g->page = new QWidget;
    g->page->setObjectName(QString::fromLatin1(page_name));
    auto* layout = new QVBoxLayout(g->page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(g->view);
    PageControl1->addTab(g->page, QString());
    PageControl1->setCurrentIndex(0);
  }
  g->view->on_click = [this, g](int row, int col) { ClickCell(*g, row, col); };
  g->view->on_double_click = [this, g](int row, int col) { DblClickCell(*g, row, col); };
  g->view->on_key = [this, g](int& key) { KeyPress(*g, key); };
  connect(&g->view->Model(), &TGrid_Model::Cell_Changed, this, [this, g](int col, int row) {
    Cell_Changed(*g, col, row);
    Refresh(*g);
  });
  return g;
}

void TTable_Editor::Set_Table_File(const TTable_File& file, const std::string& path) {
  table_file_ = &file;
  table_path_ = &path;
}

void TTable_Editor::Layout_Client(const QRect& area) {
  if (PageControl1)
    PageControl1->setGeometry(area);
  else if (!grids_.empty())
    grids_.front()->view->setGeometry(area);
}

void TTable_Editor::Set_Lang() {
  setWindowTitle(QTxt(texts_.caption));
  if (L_SW_Desc) {
    L_SW_Desc->setText(QTxt(texts_.desc));
    L_SW_Desc->adjustSize();
  }
  for (size_t i = 0; i < 6 && i < buttons_.size(); ++i) {
    if (texts_.button_captions[i] != 0) buttons_[i]->setText(QTxt(texts_.button_captions[i]));
    if (texts_.button_hints[i] != 0) buttons_[i]->setToolTip(QTxt(texts_.button_hints[i]));
  }
  for (const auto& g : grids_) {
    TGrid& grid = g->grid;
    for (int c = 0; c < grid.Col_Count() && c < static_cast<int>(g->header_texts.size()); ++c)
      if (g->header_texts[static_cast<size_t>(c)] != 0)
        grid.Column(c).header = Txt(g->header_texts[static_cast<size_t>(c)]);
    grid.Apply_Headers();
    g->hints.clear();
    for (int c = 1; c < grid.Col_Count(); ++c) {
      const size_t k = static_cast<size_t>(c - 1);
      g->hints.push_back(k < g->hint_texts.size() && g->hint_texts[k] != 0 ? QTxt(g->hint_texts[k])
                                                                           : QString());
    }
    g->view->Model().Set_Hints(g->hints);
    if (PageControl1 && g->page && g->page_text != 0)
      PageControl1->setTabText(PageControl1->indexOf(g->page), QTxt(g->page_text));
  }
}

void TTable_Editor::Load_Tables(std::vector<std::string>& errors) {
  if (!table_file_ || !table_path_) return;
  std::vector<TGrid*> grids;
  for (const auto& g : grids_)
    grids.push_back(&g->grid);
  const TTable_Load_Result r = Load_Table(*table_path_, *table_file_, grids);
  if (!r.ok) errors.push_back(r.error);
  if (!r.surplus.empty()) errors.push_back(r.surplus);
}

bool TTable_Editor::Save_Tables(std::string& error) {
  if (!table_file_ || !table_path_) return true;
  std::vector<const TGrid*> grids;
  for (const auto& g : grids_)
    grids.push_back(&g->grid);
  return Save_Table(*table_path_, *table_file_, grids, error);
}

void TTable_Editor::FormShow() {
  std::vector<std::string> errors;
  Load_Tables(errors);
  for (const auto& g : grids_) {
    g->Do_Copy = false;
    Refresh(*g);
    g->view->Set_Current(1, 1);
    g->view->scrollToTop();
  }
  for (const std::string& e : errors)
    dialogs_.error(this, Q(e));
}

void TTable_Editor::Refresh(TEditor_Grid& g) { g.view->Model().Refresh(); }

TEditor_Grid& TTable_Editor::Active_Grid() {
  if (PageControl1 && PageControl1->currentIndex() >= 0) {
    QWidget* page = PageControl1->currentWidget();
    for (const auto& g : grids_)
      if (g->page == page) return *g;
  }
  return *grids_.front();
}

QString TTable_Editor::Error_Text(const TTable_Error& e) {
  return Q(Table_Error_Message(e, [](int n) { return Txt(n); }));
}

bool TTable_Editor::Controllo_Dati() {
  const TTable_Error e = Check_Tables();
  if (!e.Failed()) return true;
  dialogs_.error(this, Error_Text(e));
  return false;
}

void TTable_Editor::Btn_OKClick() {
  if (!Controllo_Dati()) return;
  std::string error;
  if (!Save_Tables(error)) {
    dialogs_.error(this, Q(error));
    return;
  }
  accept();
}

void TTable_Editor::Btn_DelRowClick() {
  TEditor_Grid& g = Active_Grid();
  const int row = g.grid.current_row;
  if (!Is_Data_Row(g.grid, row)) return;
  QString question = QTxt(texts_.delete_question);
  if (const qsizetype at = question.indexOf(QStringLiteral("%d")); at >= 0)
    question.replace(at, 2, QString::number(row));
  if (dialogs_.confirm(this, question)) {
    if (g.check_cells)
      Delete_Row_Check(row, g.grid, g.first_column_flag);
    else
      Delete_Row(row, g.grid);
  }
  Row_Changed(g, TRow_Op::Delete, row);
  Refresh(g);
}

void TTable_Editor::Btn_InsRowClick() {
  TEditor_Grid& g = Active_Grid();
  const int row = g.grid.current_row;
  if (!Is_Data_Row(g.grid, row)) return;
  if (g.check_cells)
    Insert_Row_Check(row, g.grid, g.first_column_flag);
  else
    Insert_Row(row, g.grid, g.first_column_flag);
  Row_Changed(g, TRow_Op::Insert, row);
  Refresh(g);
}

void TTable_Editor::Btn_CopyRowClick() {
  TEditor_Grid& g = Active_Grid();
  const int row = g.grid.current_row;
  if (!Is_Data_Row(g.grid, row)) return;
  if (g.check_cells)
    Copy_Row_Check(g.grid, row, App_State.Copied_Row, App_State.Copied_Check_Flags);
  else
    Copy_Row(g.grid, row, App_State.Copied_Row, App_State.Copied_Check_Flags);
  for (const auto& other : grids_)
    other->Do_Copy = false;
  g.Do_Copy = true;
  Row_Changed(g, TRow_Op::Copy, row);
}

void TTable_Editor::Btn_PasteRowClick() {
  TEditor_Grid& g = Active_Grid();
  const int row = g.grid.current_row;
  const auto ask = [this] { return dialogs_.confirm(this, QTxt(Txt_Row_Used)); };
  const TPaste_Result r = g.check_cells
                              ? Paste_Row_Check(g.grid, row, g.Do_Copy, App_State.Copied_Row,
                                                App_State.Copied_Check_Flags, ask)
                              : Paste_Row(g.grid, row, g.Do_Copy, App_State.Copied_Row, ask);
  if (const int text = Paste_Error_Text(r); text != 0) dialogs_.error(this, QTxt(text));
  if (r != TPaste_Result::Pasted) return;
  Row_Changed(g, TRow_Op::Paste, row);
  Refresh(g);
}

void TTable_Editor::ClickCell(TEditor_Grid& g, int row, int col) {
  if (col == 0 && row >= 1) g.view->Select_Row(row);
}

void TTable_Editor::DblClickCell(TEditor_Grid& g, int row, int col) {
  Grid_Header_DblClick(g, row, col);
}

void TTable_Editor::Grid_Header_DblClick(TEditor_Grid& g, int row, int col) {
  if (App_State.Double_Click_Auto_Size && row == 0) g.view->Fit_Column(col);
}

void TTable_Editor::KeyPress(TEditor_Grid& g, int& key) {
  Grid_Enter_Key(g.grid, key, App_State.Enable_Jump_Field_Tables);
}

QString TTable_Editor::GridHint(const TEditor_Grid& g, int row, int col) const {
  if (row != 0 || col < 1 || col - 1 >= g.hints.size()) return QString();
  return g.hints[col - 1];
}

} // namespace zentar
