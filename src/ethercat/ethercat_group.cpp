#include "ethercat/ethercat_group.h"

#include "common/safe_file.h"
#include "common/text_rules.h"
#include "common/xml_file.h"

namespace zentar {

namespace {

TFile_Column Attr(const char* attribute, int column) {
  TFile_Column f;
  f.attribute = std::string(attribute);
  f.column = column;
  return f;
}

TTable_Column Column(const char* header, int width) {
  TTable_Column c;
  c.header = std::string(header);
  c.width = width;
  return c;
}

TTable_Section Group_Section(const char* name) {
  TTable_Section s;
  s.name = name;
  s.columns = {Attr("Group_Name", Group_Col_Name), Attr("Num_Variables", Group_Col_Num),
               Attr("Mnemonic", Group_Col_Mnemonic)};
  s.key_column = Group_Col_Name;
  s.trim_key = true;
  return s;
}

// One direction: each count 1 to 256, then the total.
TTable_Error Check_Direction(const TGrid& grid, const TTable_Section& section, int num_text,
                             int total_text) {
  int total = 0;
  for (int row = 1; row <= grid.Last_Row(); ++row) {
    if (Key_Is_Empty(grid, section, row)) break;
    const int n = Text_To_Int(grid.Text(Group_Col_Num, row), -1);
    if (n < 1 || n > Group_Max_Vars) return {num_text, Txt_Group_Row_Error, row, {}};
    total += n;
  }
  if (total > Group_Max_Vars) return {total_text, 0, 0, {}};
  return {};
}

void Read_Section(pugi::xml_node holder, std::vector<TGroup>& groups) {
  for (pugi::xml_node row = holder.first_child(); row; row = row.next_sibling()) {
    if (row.type() != pugi::node_element) continue;
    groups.push_back({row.attribute("Group_Name").value(),
                      Text_To_Int(row.attribute("Num_Variables").value(), 0)});
  }
}

} // namespace

TGrid Make_Group_Grid() {
  return TGrid(Group_Rows + 1, {Column("N", 40), Column("Group Name", 300),
                                Column("Num Variables", 100), Column("Mnemonic", 300)});
}

const TTable_File& Group_File() {
  static const TTable_File file{
      "PROFINET_Master_to_Modbus_TCP_Master",
      "",
      {Group_Section("Slave_to_Master"), Group_Section("Master_to_Slave")}};
  return file;
}

TTable_Load_Result Load_Group_Tables(const std::string& path, TGrid& stom, TGrid& mtos) {
  return Load_Table(path, Group_File(), {&stom, &mtos});
}

bool Save_Group_Tables(const std::string& path, const TGrid& stom, const TGrid& mtos,
                       std::string& error) {
  return Save_Table(path, Group_File(), {&stom, &mtos}, error);
}

TTable_Error Check_Group_Tables(const TGrid& stom, const TGrid& mtos) {
  const TTable_File& file = Group_File();
  TTable_Error e =
      Check_Direction(stom, file.sections[0], Txt_Group_StoM_Num, Txt_Group_StoM_Total);
  if (e.Failed()) return e;
  return Check_Direction(mtos, file.sections[1], Txt_Group_MtoS_Num, Txt_Group_MtoS_Total);
}

TTable_Load_Result Load_Groups(const std::string& path, std::vector<TGroup>& stom,
                               std::vector<TGroup>& mtos) {
  TTable_Load_Result result;
  stom.clear();
  mtos.clear();
  if (!File_Exists(path)) return result;
  pugi::xml_document doc;
  if (!Load_Xml_File(path, doc, result.error)) {
    result.ok = false;
    return result;
  }
  const pugi::xml_node root = First_Node(doc);
  Read_Section(root.child("Slave_to_Master"), stom);
  Read_Section(root.child("Master_to_Slave"), mtos);
  return result;
}

} // namespace zentar
