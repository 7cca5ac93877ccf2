#pragma once
// Project table files: one XML file per table, root element first, the
// "SW_VERSION = 1.001" comment after it, rows as `row` elements whose
// attributes hold the cells' texts exactly as typed.
#include "common/grid.h"

#include <pugixml.hpp>

#include <string>
#include <vector>

namespace zentar {

struct TFile_Column {
  std::string attribute;    // attribute name in the file
  int column = 1;           // grid column it fills
  std::string load_default; // cell text when the attribute is absent
  bool check_cell = false;  // the value is the cell's own check box: "Y" ticked, "N" not
  // How a check_cell value is read: false takes only "Y" as ticked; true takes
  // every text but "N" as ticked.
  bool ticked_unless_n = false;
  bool load = true; // false: written on save, never read back (computed columns)
};

struct TTable_Section {
  std::string name; // section element; empty for a flat table (rows directly under the root)
  std::vector<TFile_Column> columns;
  int key_column = 1;    // the table ends at the first row whose key cell is empty
  bool trim_key = false; // whether the key cell is trimmed before that test
};

struct TTable_File {
  std::string root;   // root element name written on save; never checked on load
  std::string parent; // element between root and sections; empty when sections lie under the root
  std::vector<TTable_Section> sections; // one per grid, in file order
};

struct TTable_Load_Result {
  bool ok = true;        // false: the file exists but cannot be read or is not well-formed
  std::string error;     // why, with the path
  int rows_left_out = 0; // rows beyond the grid's capacity, all sections together
  std::string surplus;   // message naming the file and the rows left out; empty when none
};

// Outcome of a table validation: the first failing check, or nothing.
struct TTable_Error {
  int text = 0;        // the check's own text; 0 when the tables are accepted
  int prefix_text = 0; // the window's row-error text; 0 for a check over all rows
  int row = 0;         // grid row of the failing cell
  std::string suffix;  // appended after the check's text (a limit, for instance)
  bool Failed() const { return text != 0; }
};

// The message of a failed check: prefix text, row number in decimal, the
// check's text, the suffix, joined without separators. `texts` maps a text
// number to its text.
template <typename TText_Of>
std::string Table_Error_Message(const TTable_Error& e, TText_Of&& texts) {
  std::string m;
  if (e.prefix_text != 0) m += texts(e.prefix_text) + std::to_string(e.row);
  return m + texts(e.text) + e.suffix;
}

// True when the row's key cell ends the table.
bool Key_Is_Empty(const TGrid& grid, const TTable_Section& section, int row);

// Clears every grid and fills it from the file when the file exists. A missing
// file gives empty tables; a malformed one gives empty tables and an error.
TTable_Load_Result Load_Table(const std::string& path, const TTable_File& file,
                              const std::vector<TGrid*>& grids);

// Builds the document of the grids: rows up to the first empty key, every
// attribute written.
void Build_Table_Document(pugi::xml_document& doc, const TTable_File& file,
                          const std::vector<const TGrid*>& grids);

// Writes the grids to `path` through a temporary file; a failure keeps the
// old file and sets `error`.
bool Save_Table(const std::string& path, const TTable_File& file,
                const std::vector<const TGrid*>& grids, std::string& error);

} // namespace zentar
