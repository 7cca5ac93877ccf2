// The grid model adapter, the grid view and the table editor base window,
// driven offscreen through a scripted dialog service.
#include "app/app_state.h"
#include "common/grid_rows.h"
#include "common/ui/table_editor.h"
#include "lang/language.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace zentar;
using zentar::test::Read_Text;
using zentar::test::TScripted_Dialogs;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

namespace {

constexpr int Rows = 6;

// Enable (Y/N check box), Name (key), Kind (drop-down), hidden Extra.
TGrid Test_Grid(int data_cols = 4) {
  std::vector<TTable_Column> cols(static_cast<size_t>(data_cols) + 1);
  cols[0].width = 40;
  cols[1].kind = TColumn_Kind::Check_Box;
  cols[1].header = "On";
  if (data_cols >= 2) cols[2].header = "Name";
  if (data_cols >= 3) {
    cols[3].kind = TColumn_Kind::Drop_Down;
    cols[3].items = {"Alpha", "Beta"};
  }
  if (data_cols >= 4) cols[4].hidden = true;
  return TGrid(Rows + 1, cols);
}

TTable_Section Section(const char* name, int data_cols) {
  TTable_Section s;
  s.name = name;
  const char* attrs[] = {"On", "Name", "Kind", "Extra"};
  for (int c = 1; c <= data_cols; ++c) {
    TFile_Column f;
    f.attribute = attrs[c - 1];
    f.column = c;
    s.columns.push_back(f);
  }
  s.key_column = 2;
  s.trim_key = true;
  return s;
}

// A small editor declared the way the product's editors are.
class TTest_Editor : public TTable_Editor {
public:
  TTest_Editor(TDialog_Service& dialogs, const std::string& path, int grids, int data_cols = 4)
      : TTable_Editor(dialogs), path_(path) {
    file_.root = "Test";
    Declare_Editor({5300,
                    5301,
                    {5302, 5303, 5304, 5305, 5306, 5307},
                    {5308, 5309, 5310, 5311, 5312, 5313},
                    5322},
                   800, 337);
    for (int i = 0; i < grids; ++i) {
      TEditor_Grid* g = Add_Grid(Test_Grid(data_cols), i == 0 ? "Grid_A" : "Grid_B",
                                 grids > 1 ? (i == 0 ? "TS_A" : "TS_B") : nullptr);
      g->page_text = 5314 + i;
      g->header_texts = {5316, 0, 5317};
      g->hint_texts = {5310, 5311, 0, 5313};
      g->first_column_flag = true;
      file_.sections.push_back(Section(grids > 1 ? (i == 0 ? "A" : "B") : "", data_cols));
    }
    Set_Table_File(file_, path_);
    Set_Lang();
  }
  std::function<TTable_Error()> check;
  std::vector<std::pair<TRow_Op, int>> row_ops;
  std::vector<std::pair<int, int>> changed_cells;

protected:
  TTable_Error Check_Tables() override { return check ? check() : TTable_Error{}; }
  void Row_Changed(TEditor_Grid&, TRow_Op op, int row) override { row_ops.push_back({op, row}); }
  void Cell_Changed(TEditor_Grid&, int col, int row) override {
    changed_cells.push_back({col, row});
  }

private:
  std::string path_;
  TTable_File file_;
};

struct Table_Editor_Test : ::testing::Test {
  void SetUp() override {
    App_State = TApp_State{};
    App_State.SW_Code = "CF44K10";
    Set_Default_Texts(App_State.Texts, App_State.Text_Count);
  }
  void Fill(TGrid& g, int rows) {
    for (int r = 1; r <= rows; ++r) {
      g.Set_Text(1, r, "Y");
      g.Set_Text(2, r, std::string("n").append(std::to_string(r)));
      if (g.Col_Count() > 3) g.Set_Text(3, r, "Beta");
    }
  }
  TTemp_Dir dir;
  std::string path = dir / "table.xml";
  TScripted_Dialogs dialogs;
};

std::vector<std::string> Kinds(const TScripted_Dialogs& d) {
  std::vector<std::string> k;
  for (const auto& s : d.shown)
    k.push_back(s.kind + ":" + s.text);
  return k;
}

TEST(Grid_Model, Passes_The_Model_Tester_Through_Edits_And_Refreshes) {
  TGrid grid = Test_Grid();
  grid.Column(2).max_length = 4;
  TGrid_Model model(grid);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  QSignalSpy changed(&model, &TGrid_Model::Cell_Changed);

  EXPECT_EQ(model.rowCount(), Rows);
  EXPECT_EQ(model.columnCount(), 4);
  EXPECT_TRUE(model.setData(model.Index_Of(2, 1), "abcdef"));
  EXPECT_EQ(grid.Text(2, 1), "abcd"); // longest text of the column
  EXPECT_TRUE(model.setData(model.Index_Of(1, 1), Qt::Checked, Qt::CheckStateRole));
  EXPECT_EQ(grid.Text(1, 1), "Y");
  EXPECT_EQ(model.data(model.Index_Of(1, 1), Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_TRUE(model.setData(model.Index_Of(1, 1), Qt::Unchecked, Qt::CheckStateRole));
  EXPECT_EQ(grid.Text(1, 1), "N");
  EXPECT_FALSE(model.setData(model.Index_Of(3, 1), "Gamma")); // not an item
  EXPECT_TRUE(model.setData(model.Index_Of(3, 1), "Beta"));
  EXPECT_EQ(changed.count(), 4);
  EXPECT_TRUE(model.setData(model.Index_Of(3, 1), "Beta")); // unchanged: no signal
  EXPECT_EQ(changed.count(), 4);
  EXPECT_EQ(changed.at(0).at(0).toInt(), 2);
  EXPECT_EQ(changed.at(0).at(1).toInt(), 1);

  // Locks, own check boxes, headers.
  grid.Cell(2, 2).read_only = true;
  EXPECT_FALSE(model.setData(model.Index_Of(2, 2), "x"));
  EXPECT_FALSE(model.flags(model.Index_Of(2, 2)) & Qt::ItemIsEditable);
  grid.Cell(2, 3).has_check = true;
  EXPECT_TRUE(model.flags(model.Index_Of(2, 3)) & Qt::ItemIsUserCheckable);
  EXPECT_TRUE(model.setData(model.Index_Of(2, 3), Qt::Checked, Qt::CheckStateRole));
  EXPECT_TRUE(grid.Cell(2, 3).checked);
  EXPECT_EQ(grid.Text(2, 3), "");
  model.Set_Hints({"hint 1", ""});
  EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).toString(), "hint 1");
  EXPECT_FALSE(model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Name");
  EXPECT_EQ(model.headerData(4, Qt::Vertical).toString(), "5");
  grid.Set_Text(2, 6, "z");
  model.Refresh();
  EXPECT_EQ(model.data(model.Index_Of(2, 6)).toString(), "z");
}

TEST_F(Table_Editor_Test, Layout_Texts_And_Hints) {
  TTest_Editor w(dialogs, path, 2);
  EXPECT_EQ(w.width(), 800);
  EXPECT_EQ(w.height(), 337);
  EXPECT_EQ(w.windowTitle().toStdString(), "EtherCAT Slave Set Group");
  EXPECT_EQ(w.L_SW_Code->text().toStdString(), "CF44K10");
  const std::pair<TLb_Button*, const char*> buttons[] = {{w.Btn_OK, "OK"},
                                                         {w.Btn_Cancel, "Cancel"},
                                                         {w.Btn_DelRow, "Delete Row"},
                                                         {w.Btn_InsRow, "Insert Row"},
                                                         {w.Btn_CopyRow, "Copy Row"},
                                                         {w.Btn_PasteRow, "Paste Row"}};
  int x = 16;
  for (const auto& [b, caption] : buttons) {
    EXPECT_EQ(b->geometry(), QRect(x, 6, 110, 28)) << caption;
    EXPECT_EQ(b->text().toStdString(), caption);
    EXPECT_EQ(b->parentWidget(), w.P_Button);
    x += 118;
  }
  EXPECT_EQ(w.Btn_DelRow->toolTip().toStdString(), "Delete the selected Row in the table");
  ASSERT_NE(w.PageControl1, nullptr);
  EXPECT_EQ(w.PageControl1->tabText(1).toStdString(), "Master To Slave");
  w.show();
  EXPECT_EQ(w.PageControl1->geometry(), QRect(0, 69, 800, 337 - 69 - 40));

  TEditor_Grid& g = w.Grid_At(0);
  EXPECT_EQ(g.grid.Text(0, 0), "N");
  EXPECT_EQ(g.grid.Text(1, 0), "On"); // 0 keeps the declared header
  EXPECT_EQ(g.grid.Text(2, 0), "Group Name");
  EXPECT_EQ(w.GridHint(g, 0, 2).toStdString(), "Insert a Row in the Table");
  EXPECT_EQ(w.GridHint(g, 0, 3).toStdString(), "");
  EXPECT_EQ(w.GridHint(g, 1, 2).toStdString(), ""); // data rows have no hint
  EXPECT_EQ(w.GridHint(g, 0, 0).toStdString(), "");
  EXPECT_EQ(
      g.view->model()->headerData(3, Qt::Horizontal, Qt::ToolTipRole).toString().toStdString(),
      "Paste the Copied Fields in the Selected Row");
  EXPECT_TRUE(g.view->isColumnHidden(3));
  EXPECT_EQ(g.view->columnWidth(0), 64);

  // The fixed top-left cell shows the header of the row-number column, and a
  // click on it selects nothing.
  QAbstractButton* corner = g.view->Corner();
  ASSERT_NE(corner, nullptr);
  EXPECT_EQ(corner->width(), 40);
  const QImage with_n = corner->grab().toImage();
  g.grid.Cell(0, 0).text = "";
  corner->repaint();
  EXPECT_NE(corner->grab().toImage(), with_n);
  g.grid.Cell(0, 0).text = "N";
  EXPECT_EQ(corner->grab().toImage(), with_n);
  QTest::mouseClick(corner, Qt::LeftButton);
  EXPECT_TRUE(g.view->selectionModel()->selectedIndexes().size() <= 1);

  TTest_Editor single(dialogs, path, 1);
  EXPECT_EQ(single.PageControl1, nullptr);
  single.show();
  EXPECT_EQ(single.Grid_At(0).view->geometry(), QRect(0, 69, 800, 337 - 69 - 40));
}

TEST_F(Table_Editor_Test, Showing_Loads_The_File_And_Clears_The_Copy_Flag) {
  Write_Text(path,
             "<Test><row On=\"Y\" Name=\"a\" Kind=\"Alpha\" Extra=\"e\"/><row Name=\"b\"/></Test>");
  TTest_Editor w(dialogs, path, 1);
  TEditor_Grid& g = w.Grid_At(0);
  g.grid.Set_Text(2, 5, "stale");
  w.FormShow();
  EXPECT_EQ(g.grid.Text(2, 1), "a");
  EXPECT_EQ(g.grid.Text(4, 1), "e");
  EXPECT_EQ(g.grid.Text(2, 2), "b");
  EXPECT_EQ(g.grid.Text(2, 5), "");
  EXPECT_EQ(g.view->model()->data(g.view->model()->index(0, 1)).toString(), "a");
  EXPECT_TRUE(dialogs.shown.empty());

  g.grid.current_row = 1;
  w.Btn_CopyRowClick();
  EXPECT_TRUE(g.Do_Copy);
  EXPECT_EQ(App_State.Copied_Row, (std::vector<std::string>{"Y", "a", "Alpha", "e"}));
  w.FormShow(); // a new showing needs a new copy
  EXPECT_FALSE(g.Do_Copy);
  g.grid.current_row = 4;
  w.Btn_PasteRowClick();
  EXPECT_EQ(Kinds(dialogs),
            std::vector<std::string>{"error:Error!!! Copy a valid row before Paste it"});
  EXPECT_EQ(g.grid.Text(2, 4), "");
}

TEST_F(Table_Editor_Test, Unreadable_Files_Are_Reported_And_Show_An_Empty_Table) {
  Write_Text(path, "<Test><row Name=\"a\"/>");
  TTest_Editor w(dialogs, path, 1);
  w.Grid_At(0).grid.Set_Text(2, 1, "old");
  w.FormShow();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find(path), std::string::npos) << dialogs.Errors()[0];
  EXPECT_EQ(w.Grid_At(0).grid.Text(2, 1), "");

  dialogs.Clear();
  std::string big = "<Test>";
  for (int i = 0; i < Rows + 2; ++i)
    big += "<row Name=\"x\"/>";
  Write_Text(path, big + "</Test>");
  w.FormShow();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find("2 rows"), std::string::npos) << dialogs.Errors()[0];
  EXPECT_EQ(w.Grid_At(0).grid.Text(2, Rows), "x");
}

TEST_F(Table_Editor_Test, Delete_And_Insert_Rows) {
  TTest_Editor w(dialogs, path, 1);
  w.FormShow();
  TEditor_Grid& g = w.Grid_At(0);
  Fill(g.grid, 4);
  g.view->Set_Current(2, 3);
  dialogs.answers = {false, true};
  w.Btn_DelRowClick();
  EXPECT_EQ(g.grid.Text(2, 3), "n3"); // No: unchanged
  w.Btn_DelRowClick();
  EXPECT_EQ(Kinds(dialogs),
            (std::vector<std::string>{"confirm:Are you sure to delete the Row number 3",
                                      "confirm:Are you sure to delete the Row number 3"}));
  EXPECT_EQ(g.grid.Text(2, 3), "n4");
  EXPECT_EQ(g.grid.Text(2, 4), "");
  EXPECT_EQ(g.view->model()->data(g.view->model()->index(2, 1)).toString(), "n4");
  EXPECT_EQ(w.row_ops,
            (std::vector<std::pair<TRow_Op, int>>{{TRow_Op::Delete, 3}, {TRow_Op::Delete, 3}}));

  g.view->Set_Current(1, Rows);
  g.grid.Set_Text(2, Rows, "last");
  w.Btn_InsRowClick(); // at the last row: its content is lost, no question
  EXPECT_EQ(g.grid.Text(2, Rows), "");
  EXPECT_EQ(g.grid.Text(1, Rows), "Y"); // the editor's first-column flag
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST_F(Table_Editor_Test, Paste_Questions_And_Errors) {
  TTest_Editor w(dialogs, path, 1);
  w.FormShow();
  TEditor_Grid& g = w.Grid_At(0);
  Fill(g.grid, 3);
  g.view->Set_Current(2, 1);
  w.Btn_CopyRowClick();
  g.view->Set_Current(2, 2);
  dialogs.answers = {false};
  w.Btn_PasteRowClick();
  EXPECT_EQ(g.grid.Text(2, 2), "n2");
  dialogs.answers = {true};
  w.Btn_PasteRowClick();
  EXPECT_EQ(g.grid.Text(2, 2), "n1");
  EXPECT_EQ(Kinds(dialogs), (std::vector<std::string>{
                                "confirm:Row Already used. Do you want to overwrite the values?",
                                "confirm:Row Already used. Do you want to overwrite the values?"}));
  // An unused row (only its check box set) takes the paste without a question.
  dialogs.Clear();
  g.grid.Set_Text(1, 5, "N");
  g.view->Set_Current(2, 5);
  w.Btn_PasteRowClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(g.grid.Text(2, 5), "n1");
  EXPECT_EQ(w.row_ops.back(), (std::pair<TRow_Op, int>{TRow_Op::Paste, 5}));
}

TEST_F(Table_Editor_Test, Paste_Between_Editors_Needs_The_Same_Column_Count) {
  TTest_Editor a(dialogs, path, 1), b(dialogs, path, 1), narrow(dialogs, path, 1, 3);
  for (TTest_Editor* w : {&a, &b, &narrow})
    w->FormShow();
  Fill(a.Grid_At(0).grid, 1);
  a.Grid_At(0).grid.Set_Text(2, 1, "from a");
  b.Btn_CopyRowClick();      // b's own flag, this showing
  narrow.Btn_CopyRowClick(); // and narrow's
  a.Btn_CopyRowClick();      // the shared buffer now holds a's row
  b.Grid_At(0).view->Set_Current(2, 2);
  b.Btn_PasteRowClick();
  EXPECT_EQ(b.Grid_At(0).grid.Text(2, 2), "from a");
  narrow.Btn_PasteRowClick();
  EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{
                                  "Error in the Copy values!!! Copy a valid row before Paste it"});
  EXPECT_EQ(narrow.Grid_At(0).grid.Text(2, 1), "");
}

TEST_F(Table_Editor_Test, Copy_In_One_Page_Clears_The_Other_Pages_Flag) {
  TTest_Editor w(dialogs, path, 2);
  w.FormShow();
  Fill(w.Grid_At(1).grid, 1);
  w.PageControl1->setCurrentIndex(1);
  EXPECT_EQ(&w.Active_Grid(), &w.Grid_At(1));
  w.Btn_CopyRowClick();
  w.PageControl1->setCurrentIndex(0);
  w.Btn_CopyRowClick();
  EXPECT_TRUE(w.Grid_At(0).Do_Copy);
  EXPECT_FALSE(w.Grid_At(1).Do_Copy);
  w.PageControl1->setCurrentIndex(1);
  w.Grid_At(1).view->Set_Current(2, 3);
  w.Btn_PasteRowClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{"Error!!! Copy a valid row before Paste it"});
}

TEST_F(Table_Editor_Test, Ok_Reports_The_First_Failing_Check_And_Saves_Nothing) {
  Write_Text(path, "<Test><A/><B/></Test>");
  TTest_Editor w(dialogs, path, 2);
  w.FormShow();
  Fill(w.Grid_At(0).grid, 2);
  w.check = [] { return TTable_Error{5326, 5325, 2, "!"}; };
  w.show();
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(),
            std::vector<std::string>{"Error row 2!! [Slave to Master] Num Variables must be "
                                     "beetween 1 and 256!"});
  EXPECT_EQ(Read_Text(path), "<Test><A/><B/></Test>");
  EXPECT_TRUE(w.isVisible());
  EXPECT_NE(w.result(), QDialog::Accepted);

  dialogs.Clear();
  w.check = [] { return TTable_Error{5327, 0, 0, {}}; }; // a total: no row number
  w.Btn_OKClick();
  EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{"Error!! [Slave to Master] Num Variables "
                                                       "in total must be minor or equal to 256"});

  dialogs.Clear();
  w.check = nullptr;
  w.Btn_OKClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(w.result(), QDialog::Accepted);
  EXPECT_EQ(Read_Text(path),
            "<Test><A><row On=\"Y\" Name=\"n1\" Kind=\"Beta\" Extra=\"\"/><row On=\"Y\" "
            "Name=\"n2\" Kind=\"Beta\" Extra=\"\"/></A><B/></Test><!--SW_VERSION = 1.001-->");
}

TEST_F(Table_Editor_Test, A_Failed_Save_Is_Reported_And_The_Window_Stays_Open) {
  const std::string bad = dir / "missing/table.xml";
  TTest_Editor w(dialogs, bad, 1);
  w.FormShow();
  w.show();
  w.Btn_OKClick();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find(bad), std::string::npos) << dialogs.Errors()[0];
  EXPECT_TRUE(w.isVisible());
  w.Btn_Cancel->click();
  EXPECT_EQ(w.result(), QDialog::Rejected);
}

TEST_F(Table_Editor_Test, Clicks_Keys_And_Header_Double_Clicks) {
  TTest_Editor w(dialogs, path, 1);
  w.FormShow();
  w.show();
  TEditor_Grid& g = w.Grid_At(0);
  QTableView* v = g.view;

  // A click on the row number selects that one row.
  v->selectAll();
  QHeaderView* vh = v->verticalHeader();
  QTest::mouseClick(vh->viewport(), Qt::LeftButton, {},
                    QPoint(5, vh->sectionViewportPosition(3) + 5));
  EXPECT_EQ(g.grid.current_row, 4);
  const QModelIndexList rows = v->selectionModel()->selectedRows();
  ASSERT_EQ(rows.size(), 1);
  EXPECT_EQ(rows[0].row(), 3);

  // Enter jumps only with the option on.
  App_State.Enable_Jump_Field_Tables = false;
  g.view->Set_Current(3, Rows);
  QTest::keyClick(v, Qt::Key_Return);
  EXPECT_EQ(g.grid.current_col, 3);
  App_State.Enable_Jump_Field_Tables = true;
  QTest::keyClick(v, Qt::Key_Return); // last visible column of the last row
  EXPECT_EQ(g.grid.current_col, 1);
  EXPECT_EQ(g.grid.current_row, 1);
  EXPECT_EQ(v->currentIndex(), g.view->Model().Index_Of(1, 1));
  // Enter in an open editor commits the text and moves on.
  g.view->Set_Current(2, 2);
  v->edit(v->currentIndex());
  auto* editor = v->viewport()->findChild<QLineEdit*>();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "typed");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EQ(g.grid.Text(2, 2), "typed");
  EXPECT_EQ(g.grid.current_col, 3);
  EXPECT_EQ(g.grid.current_row, 2);
  EXPECT_EQ(w.changed_cells.back(), (std::pair<int, int>{2, 2}));

  // Header double click fits the column only with the option on.
  g.grid.Set_Text(2, 4, "a much longer name than the header");
  QHeaderView* hh = v->horizontalHeader();
  const QPoint on_name(hh->sectionViewportPosition(1) + 5, 5);
  App_State.Double_Click_Auto_Size = false;
  QTest::mouseDClick(hh->viewport(), Qt::LeftButton, {}, on_name);
  EXPECT_EQ(v->columnWidth(1), 64);
  App_State.Double_Click_Auto_Size = true;
  w.DblClickCell(g, 2, 2); // a data row: nothing
  EXPECT_EQ(v->columnWidth(1), 64);
  QTest::mouseDClick(hh->viewport(), Qt::LeftButton, {}, on_name);
  // Just wide enough to draw the widest text whole.
  const QString longest = QStringLiteral("a much longer name than the header");
  const int text_room = v->columnWidth(1) - 2 * g.view->Cell_Text_Margin();
  EXPECT_EQ(v->fontMetrics().elidedText(longest, Qt::ElideRight, text_room), longest);
  EXPECT_NE(v->fontMetrics().elidedText(longest, Qt::ElideRight, text_room - 1), longest);
  // A check-box column with a short header: the header or the check box,
  // never below the header's smallest section.
  const QPoint on_on(hh->sectionViewportPosition(0) + 5, 5);
  QTest::mouseDClick(hh->viewport(), Qt::LeftButton, {}, on_on);
  EXPECT_EQ(v->columnWidth(0),
            std::max({hh->fontMetrics().horizontalAdvance(QStringLiteral("On")) +
                          2 * g.view->Header_Text_Margin(),
                      v->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, v) +
                          2 * g.view->Cell_Text_Margin(),
                      hh->minimumSectionSize()}));
}

TEST_F(Table_Editor_Test, Check_Box_And_Drop_Down_Editing) {
  TTest_Editor w(dialogs, path, 1);
  w.FormShow();
  w.show();
  TEditor_Grid& g = w.Grid_At(0);
  QTableView* v = g.view;
  const QRect cell = v->visualRect(g.view->Model().Index_Of(1, 2));
  QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(g.grid.Text(1, 2), "Y");
  QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(g.grid.Text(1, 2), "N");

  g.view->Set_Current(3, 1);
  v->edit(v->currentIndex());
  auto* combo = v->viewport()->findChild<QComboBox*>();
  ASSERT_NE(combo, nullptr);
  EXPECT_FALSE(combo->isEditable());
  ASSERT_EQ(combo->count(), 2);
  combo->setCurrentIndex(1);
  emit combo->activated(1);
  EXPECT_EQ(g.grid.Text(3, 1), "Beta");
}

} // namespace
