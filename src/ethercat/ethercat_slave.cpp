#include "ethercat/ethercat_slave.h"

#include "common/text_rules.h"

#include <cstdint>

namespace zentar {

namespace {

// The table ends at the first row whose trimmed Type is empty.
bool Ends_Table(const TGrid& grid, int row) { return Trim(grid.Text(2, row)).empty(); }

// Characters of a UTF-8 text (every byte that does not continue a sequence).
size_t Char_Count(std::string_view text) {
  size_t n = 0;
  for (const unsigned char ch : text)
    if ((ch & 0xC0) != 0x80) ++n;
  return n;
}

bool Length_In_Range(const TGrid& grid, int col, int row) {
  const int length = Text_To_Int(grid.Text(col, row), -1);
  return length >= 1 && length <= 255;
}

TTable_Error Row_Error(int text, int row) { return {text, Txt_Var_Row_Error, row, {}}; }

TTable_Error Check_StM_Row(const TGrid& grid, const TVar_Columns& c, int row) {
  const std::string& type = grid.Text(c.type, row);
  const std::string& init = grid.Text(c.init_value, row);
  if (type == "Array") {
    if (!Length_In_Range(grid, c.length, row)) return Row_Error(Txt_StM_Array_Length, row);
    if (init.empty()) return {};
    const size_t chars = Char_Count(init);
    if (chars % 2 != 0) return Row_Error(Txt_StM_Array_Odd, row);
    if (chars / 2 > static_cast<size_t>(Text_To_Int(grid.Text(c.length, row), -1)))
      return Row_Error(Txt_StM_Array_Too_Long, row);
    if (!CheckArraySting(init)) return Row_Error(Txt_StM_Array_Not_Hex, row);
  } else if (type == "String") {
    if (!Length_In_Range(grid, c.length, row)) return Row_Error(Txt_StM_String_Length, row);
    if (Char_Count(init) > static_cast<size_t>(Text_To_Int(grid.Text(c.length, row), -1)))
      return Row_Error(Txt_StM_String_Too_Long, row);
  }
  return {};
}

TFile_Column Attr(const char* attribute, int column, bool load = true) {
  TFile_Column f;
  f.attribute = std::string(attribute);
  f.column = column;
  f.load = load;
  return f;
}

TTable_Section Var_Section(bool SlaveMaster) {
  const TVar_Columns c = Var_Columns(SlaveMaster);
  TTable_Section s;
  s.name = SlaveMaster ? "EtherCAT_Slave_To_Master" : "EtherCAT_Master_To_Slave";
  // Absent or any text but "N": enabled.
  TFile_Column enable = Attr("Enable", c.enable);
  enable.load_default = std::string("Y");
  enable.check_cell = true;
  enable.ticked_unless_n = true;
  s.columns = {enable, Attr("Type", c.type), Attr("Length", c.length), Attr("Name", c.name)};
  if (SlaveMaster) s.columns.push_back(Attr("InitValue", c.init_value));
  // Position and Start Bit are read and then computed again for every row of
  // the table; the Group attribute is informative and never read.
  s.columns.push_back(Attr("Position", c.position));
  s.columns.push_back(Attr("BitStart", c.bit_start));
  s.columns.push_back(Attr("Group", c.group, false));
  s.columns.push_back(Attr("Mnemonic", c.mnemonic));
  s.key_column = c.type;
  s.trim_key = true;
  return s;
}

} // namespace

TVar_Columns Var_Columns(bool SlaveMaster) {
  if (SlaveMaster) return {};
  return {1, 2, 3, 4, -1, 5, 6, 7, 8};
}

const std::vector<std::string>& Var_Types() {
  static const std::vector<std::string> types{"Bool",   "Int8",   "Int16",   "Int32", "UInt8",
                                              "UInt16", "UInt32", "Float32", "Array", "String"};
  return types;
}

TGrid Make_Var_Grid(bool SlaveMaster) {
  const TVar_Columns c = Var_Columns(SlaveMaster);
  std::vector<TTable_Column> cols(SlaveMaster ? 10 : 9);
  auto set = [&](int col, const char* header, int width, uint32_t color) {
    cols[col].header = std::string(header);
    cols[col].width = width;
    cols[col].color = color;
  };
  set(0, "N", 40, 0xFFFFFF);
  set(c.enable, "Enable", 50, 0xFFD8B0);
  cols[c.enable].cell_check = true;
  cols[c.enable].cell_check_default = true;
  cols[c.enable].centred = true;
  set(c.type, "Type", 120, 0xE0FAFE);
  cols[c.type].kind = TColumn_Kind::Drop_Down;
  cols[c.type].items = Var_Types();
  set(c.length, "Length", 100, 0xE0FAFE);
  set(c.name, "Name", 280, 0xE0FAFE);
  if (SlaveMaster) set(c.init_value, "Init Value", 100, 0xA8FFA8);
  set(c.position, "Position", 100, 0xFCD6F4);
  set(c.bit_start, "Start Bit", 100, 0xFCD6F4);
  set(c.group, "Group", 100, 0xFFFFA8);
  cols[c.position].read_only = cols[c.bit_start].read_only = cols[c.group].read_only = true;
  set(c.mnemonic, "Mnemonic", 100, 0xFFFFFF);
  return TGrid(Var_Rows + 1, std::move(cols));
}

std::string_view Fixed_Type_Length(std::string_view type) {
  if (type == "Bool" || type == "Int8" || type == "UInt8") return "1";
  if (type == "Int16" || type == "UInt16") return "2";
  if (type == "Int32" || type == "UInt32" || type == "Float32") return "4";
  return {};
}

bool Is_Var_Type(std::string_view type) {
  for (const std::string& t : Var_Types())
    if (t == type) return true;
  return false;
}

void VarSetLength(TGrid& grid, std::string_view ASelection, int ARow, bool keep_free_length) {
  if (ARow < 1 || ARow > grid.Last_Row() || !Is_Var_Type(ASelection)) return;
  TCell& cell = grid.Cell(3, ARow);
  const std::string_view fixed = Fixed_Type_Length(ASelection);
  if (!fixed.empty()) {
    cell.text = fixed;
    cell.read_only = true;
  } else {
    if (!keep_free_length) cell.text = "10";
    cell.read_only = false;
  }
}

void Lock_Length(TGrid& grid, int row) {
  const std::string& type = grid.Text(2, row);
  if (Is_Var_Type(type)) grid.Cell(3, row).read_only = !Fixed_Type_Length(type).empty();
}

void Calc_Position_Bit(TGrid& grid, bool SlaveMaster) {
  const TVar_Columns c = Var_Columns(SlaveMaster);
  int64_t p = 0; // byte position
  int b = 0;     // next bit inside a run of Bools
  bool r = false;
  for (int row = 1; row <= grid.Last_Row(); ++row) {
    if (Ends_Table(grid, row)) break;
    if (!grid.Cell(c.enable, row).checked) {
      grid.Set_Text(c.position, row, "0");
      grid.Set_Text(c.bit_start, row, "0");
      continue;
    }
    const std::string& type = grid.Text(c.type, row);
    if (type == "Bool") {
      grid.Set_Text(c.position, row, Int_To_Str(p));
      grid.Set_Text(c.bit_start, row, Int_To_Str(b));
      if (r) {
        if (++b == 8) {
          b = 0;
          ++p;
        }
      } else {
        r = true;
        b = 1;
      }
      continue;
    }
    if (r) {
      r = false;
      if (b > 0) ++p;
    }
    b = 0;
    grid.Set_Text(c.position, row, Int_To_Str(p));
    grid.Set_Text(c.bit_start, row, "0");
    const std::string_view fixed = Fixed_Type_Length(type);
    int64_t size = fixed.empty() ? Text_To_Int(grid.Text(c.length, row), 0) : fixed[0] - '0';
    if (type == "String") ++size;
    // A variable never takes negative room (an unknown type with a negative
    // Length from a hand-edited file would otherwise move later ones back).
    if (size > 0) p += size;
  }
}

void Show_Group(TGrid& grid, bool SlaveMaster, const std::vector<TGroup>& groups) {
  const TVar_Columns c = Var_Columns(SlaveMaster);
  int row = 1;
  for (const TGroup& g : groups) {
    if (g.Num_Var <= 0) continue;
    int counted = 0;
    while (counted < g.Num_Var && row <= grid.Last_Row()) {
      if (grid.Cell(c.enable, row).checked) {
        grid.Set_Text(c.group, row, g.Name);
        ++counted;
      } else {
        grid.Set_Text(c.group, row, "");
      }
      ++row;
    }
  }
  for (; row <= grid.Last_Row(); ++row)
    grid.Set_Text(c.group, row, "");
}

bool CheckArraySting(std::string_view InitValue) {
  for (const char ch : Upper_Case(InitValue))
    if (!((ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F'))) return false;
  return true;
}

TTable_Error Controllo_dati(const TGrid& stm, const TGrid& mts) {
  const TVar_Columns cs = Var_Columns(true);
  for (int row = 1; row <= stm.Last_Row() && !Ends_Table(stm, row); ++row) {
    if (!stm.Cell(cs.enable, row).checked) continue;
    const TTable_Error e = Check_StM_Row(stm, cs, row);
    if (e.Failed()) return e;
  }
  const TVar_Columns cm = Var_Columns(false);
  for (int row = 1; row <= mts.Last_Row() && !Ends_Table(mts, row); ++row) {
    if (!mts.Cell(cm.enable, row).checked) continue;
    const std::string& type = mts.Text(cm.type, row);
    if ((type == "Array" || type == "String") && !Length_In_Range(mts, cm.length, row))
      return Row_Error(Txt_MtS_Length, row);
  }
  return {};
}

const TTable_File& Var_File() {
  static const TTable_File file{
      "EtherCAT_Slave", "EtherCAT_Slave_Variables", {Var_Section(true), Var_Section(false)}};
  return file;
}

TTable_Load_Result Load_Var_Tables(const std::string& path, TGrid& stm, TGrid& mts,
                                   const std::vector<TGroup>& groups_stom,
                                   const std::vector<TGroup>& groups_mtos) {
  TTable_Load_Result result = Load_Table(path, Var_File(), {&stm, &mts});
  for (int row = 1; row <= stm.Last_Row(); ++row)
    Lock_Length(stm, row);
  for (int row = 1; row <= mts.Last_Row(); ++row)
    Lock_Length(mts, row);
  Show_Group(stm, true, groups_stom);
  Show_Group(mts, false, groups_mtos);
  Calc_Position_Bit(stm, true);
  Calc_Position_Bit(mts, false);
  return result;
}

void Build_Var_Document(pugi::xml_document& doc, const TGrid& stm, const TGrid& mts) {
  Build_Table_Document(doc, Var_File(), {&stm, &mts});
}

bool Save_Var_Tables(const std::string& path, const TGrid& stm, const TGrid& mts,
                     std::string& error) {
  return Save_Table(path, Var_File(), {&stm, &mts}, error);
}

} // namespace zentar
