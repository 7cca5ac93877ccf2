#pragma once
// The window every table editor is built on: title panel, the grid (or a page
// control with one grid per page), and the button row OK, Cancel, Delete Row,
// Insert Row, Copy Row, Paste Row, with the shared row operations, the
// copied row, Enter and double-click behaviour, header hints and the
// validation report.
//
// An editor declares, in its constructor: its texts (Declare_Editor), its
// grids with their header and hint texts (Add_Grid), further buttons
// (Add_Button), its table file (Set_Table_File), then calls Set_Lang. It
// overrides Check_Tables for its validation and, where the file or the row
// operations need more, the hooks below.
#include "common/grid.h"
#include "common/table_file.h"
#include "common/ui/grid_view.h"
#include "common/ui/zentar_dialog.h"

#include <QStringList>
#include <array>
#include <memory>
#include <string>
#include <vector>

class QTabWidget;

namespace zentar {

// Text numbers of an editor; 0 where the editor has none.
struct TEditor_Texts {
  int caption = 0;
  int desc = 0;
  // OK, Cancel, Delete Row, Insert Row, Copy Row, Paste Row.
  std::array<int, 6> button_captions{};
  std::array<int, 6> button_hints{};
  int delete_question = 0; // holds "%d" for the row number
};

// One table of an editor.
struct TEditor_Grid {
  explicit TEditor_Grid(TGrid g) : grid(std::move(g)) {}
  TGrid grid;
  TGrid_View* view = nullptr;
  QWidget* page = nullptr; // its page of the page control; null with one grid
  bool Do_Copy = false;    // Copy Row done on this grid in this showing
  QStringList hints;       // hint list: one text per grid column from column 1

  int page_text = 0;
  std::vector<int> header_texts;  // per grid column from column 0; 0 keeps the header
  std::vector<int> hint_texts;    // per grid column from column 1; 0 no hint
  bool check_cells = false;       // string grid with own check boxes: the _Check routines
  bool first_column_flag = false; // a new or cleared row gets column 1 set
};

enum class TRow_Op { Delete, Insert, Copy, Paste };

class TTable_Editor : public TZentar_Dialog {
  Q_OBJECT
public:
  TTable_Editor(TDialog_Service& dialogs, QWidget* parent = nullptr);
  ~TTable_Editor() override;

  void Set_Lang() override;
  // Loads the tables, clears the copy flags.
  void FormShow() override;

  TLb_Button* Btn_OK = nullptr;
  TLb_Button* Btn_Cancel = nullptr;
  TLb_Button* Btn_DelRow = nullptr;
  TLb_Button* Btn_InsRow = nullptr;
  TLb_Button* Btn_CopyRow = nullptr;
  TLb_Button* Btn_PasteRow = nullptr;
  QTabWidget* PageControl1 = nullptr; // with two or more grids

  // Validates, saves, closes with OK; on a failed check or save the window stays open.
  void Btn_OKClick();
  void Btn_DelRowClick();
  void Btn_InsRowClick();
  void Btn_CopyRowClick();
  void Btn_PasteRowClick();
  // Grid events, grid coordinates (row 0 the header, column 0 the row numbers).
  void ClickCell(TEditor_Grid& g, int row, int col);
  void DblClickCell(TEditor_Grid& g, int row, int col);
  void Grid_Header_DblClick(TEditor_Grid& g, int row, int col);
  void KeyPress(TEditor_Grid& g, int& key);
  QString GridHint(const TEditor_Grid& g, int row, int col) const;

  // Runs the editor's checks; on failure one error box with the first failing check.
  bool Controllo_Dati();

  // The grid of the page shown.
  TEditor_Grid& Active_Grid();
  int Grid_Count() const { return static_cast<int>(grids_.size()); }
  TEditor_Grid& Grid_At(int i) { return *grids_[static_cast<size_t>(i)]; }

  // The message of a failed check in the current language.
  static QString Error_Text(const TTable_Error& e);

protected:
  void Declare_Editor(const TEditor_Texts& texts, int client_width, int client_height);
  // Adds a grid; with a second grid the grids go onto the pages of PageControl1.
  TEditor_Grid* Add_Grid(TGrid grid, const char* name, const char* page_name = nullptr);
  // A further button, continuing the row at the same pitch.
  TLb_Button* Add_Button(const char* name, const QString& caption, int glyph);
  // File and path (a field of App_State, read at every load and save) of the
  // default load and save.
  void Set_Table_File(const TTable_File& file, const std::string& path);

  // Loads every grid; error texts of what could not be read go to `errors`.
  virtual void Load_Tables(std::vector<std::string>& errors);
  virtual bool Save_Tables(std::string& error);
  // The editor's checks; an empty result accepts the tables.
  virtual TTable_Error Check_Tables() { return {}; }
  // After a row button acted on `row` (Delete: also when the question was answered No).
  virtual void Row_Changed(TEditor_Grid& g, TRow_Op op, int row) { (void)g, (void)op, (void)row; }
  // After the user changed a cell.
  virtual void Cell_Changed(TEditor_Grid& g, int col, int row) { (void)g, (void)col, (void)row; }

  void Layout_Client(const QRect& area) override;
  void Refresh(TEditor_Grid& g);

  TEditor_Texts texts_;

private:
  std::vector<std::unique_ptr<TEditor_Grid>> grids_;
  std::vector<TLb_Button*> buttons_;
  const TTable_File* table_file_ = nullptr;
  const std::string* table_path_ = nullptr;
};

} // namespace zentar
