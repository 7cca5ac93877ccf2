#include "common/table_file.h"

#include "common/safe_file.h"
#include "common/text_rules.h"
#include "common/xml_file.h"

namespace zentar {

namespace {

pugi::xml_node Section_Parent(pugi::xml_node root, const TTable_File& file) {
  return file.parent.empty() ? root : root.child(file.parent.c_str());
}

void Fill_Row(TGrid& grid, const TTable_Section& section, pugi::xml_node row_node, int row) {
  for (const TFile_Column& col : section.columns) {
    if (!col.load) continue;
    const pugi::xml_attribute attr = row_node.attribute(col.attribute.c_str());
    TCell& cell = grid.Cell(col.column, row);
    const char* value = attr ? attr.value() : col.load_default.c_str();
    if (col.check_cell)
      cell.checked =
          col.ticked_unless_n ? std::string_view(value) != "N" : std::string_view(value) == "Y";
    else
      cell.text = value;
  }
}

} // namespace

bool Key_Is_Empty(const TGrid& grid, const TTable_Section& section, int row) {
  const std::string& key = grid.Text(section.key_column, row);
  return section.trim_key ? Trim(key).empty() : key.empty();
}

TTable_Load_Result Load_Table(const std::string& path, const TTable_File& file,
                              const std::vector<TGrid*>& grids) {
  TTable_Load_Result result;
  for (TGrid* g : grids)
    g->Clear_And_Number();
  if (!File_Exists(path)) return result;
  pugi::xml_document doc;
  if (!Load_Xml_File(path, doc, result.error)) {
    result.ok = false;
    return result;
  }
  const pugi::xml_node root = First_Node(doc);
  const pugi::xml_node parent = Section_Parent(root, file);
  int capacity = 0;
  for (size_t s = 0; s < file.sections.size() && s < grids.size(); ++s) {
    const TTable_Section& section = file.sections[s];
    TGrid& grid = *grids[s];
    capacity = grid.Last_Row();
    const pugi::xml_node holder =
        section.name.empty() ? parent : parent.child(section.name.c_str());
    int row = 1;
    for (pugi::xml_node child = holder.first_child(); child; child = child.next_sibling()) {
      if (child.type() != pugi::node_element) continue;
      if (row > grid.Last_Row()) {
        ++result.rows_left_out;
        continue;
      }
      Fill_Row(grid, section, child, row);
      ++row;
    }
  }
  if (result.rows_left_out > 0) {
    result.surplus = path + ": the file holds " + std::to_string(result.rows_left_out) +
                     (result.rows_left_out == 1 ? " row" : " rows") +
                     " more than the table can show (" + std::to_string(capacity) + " rows); " +
                     (result.rows_left_out == 1 ? "it was" : "they were") +
                     " not loaded and will be missing from the file when it is saved.";
  }
  return result;
}

void Build_Table_Document(pugi::xml_document& doc, const TTable_File& file,
                          const std::vector<const TGrid*>& grids) {
  pugi::xml_node root = Begin_Project_Document(doc, file.root.c_str());
  pugi::xml_node parent = file.parent.empty() ? root : root.append_child(file.parent.c_str());
  for (size_t s = 0; s < file.sections.size() && s < grids.size(); ++s) {
    const TTable_Section& section = file.sections[s];
    const TGrid& grid = *grids[s];
    pugi::xml_node holder =
        section.name.empty() ? parent : parent.append_child(section.name.c_str());
    for (int row = 1; row <= grid.Last_Row(); ++row) {
      if (Key_Is_Empty(grid, section, row)) break;
      pugi::xml_node row_node = holder.append_child("row");
      for (const TFile_Column& col : section.columns) {
        const TCell& cell = grid.Cell(col.column, row);
        row_node.append_attribute(col.attribute.c_str())
            .set_value(col.check_cell ? (cell.checked ? "Y" : "N") : cell.text.c_str());
      }
    }
  }
}

bool Save_Table(const std::string& path, const TTable_File& file,
                const std::vector<const TGrid*>& grids, std::string& error) {
  pugi::xml_document doc;
  Build_Table_Document(doc, file, grids);
  return Save_Xml_File(doc, path, error);
}

} // namespace zentar
