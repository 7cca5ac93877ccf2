#include "image/ethercat_image.h"

#include "common/text_rules.h"
#include "image/image_bytes.h"
#include "image/project_xml.h"

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace zentar {

namespace {

int Hex_Value(uint32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

// A decimal number with a point as separator: blanks around it, optional
// sign, digits with an optional fraction, optional exponent. Independent of
// the process locale, so the images do not depend on where they are built.
bool Decimal_Number(std::string_view text, double& value) {
  const std::string t = Trim(text);
  size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
    ++i;
    ++digits;
  }
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    size_t exp_digits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') {
      ++i;
      ++exp_digits;
    }
    if (exp_digits == 0) return false;
  }
  if (i != t.size()) return false;
  static const locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  value = strtod_l(t.c_str(), nullptr, c_locale);
  return true;
}

float To_Single(double d) {
  // Beyond the largest single (after rounding) the value is an infinity.
  if (std::isinf(d) || std::fabs(d) >= 0x1.ffffffp127) return d < 0 ? -INFINITY : INFINITY;
  return static_cast<float>(d);
}

std::string_view Attr(const TXml_Node& row, const char* name) { return row.Attribute(name); }

size_t Pool_Size(std::string_view text) { return text.size() + 1; }

void Store_Record(uint8_t* p, const TEtherCAT_pd& r) {
  p[0] = r.Data_Type;
  p[1] = r.length;
  p[2] = r.access;
  p[3] = r.bit_address;
  Put_U32(p + 4, r.position);
  Put_U32(p + 8, r.subindex);
  Put_U32(p + 12, r.entry_index);
  Put_U32(p + 16, r.group_index);
  Put_U32(p + 20, r.init_value_Add);
  Put_U32(p + 24, r.name_length);
  Put_U32(p + 28, r.name_add);
}

// The sections of one direction pair, as read from a file that exists.
struct TSection_Rows {
  std::vector<TXml_Node> in;
  std::vector<TXml_Node> out;
};

bool Find_Sections(const TXml_Node& parent, const char* in_name, const char* out_name,
                   const std::string& path, const std::string& where, TSection_Rows& rows,
                   std::string& error) {
  const TXml_Node in = parent.Child_Element(in_name);
  const TXml_Node out = parent.Child_Element(out_name);
  for (const auto& [node, name] : {std::pair{in, in_name}, std::pair{out, out_name}}) {
    if (!node) {
      error = path + ": the section " + name + " is missing" + where;
      return false;
    }
  }
  rows.in = in.Child_Elements();
  rows.out = out.Child_Elements();
  return true;
}

// Why a section is not found when the file does not start with its root
// element: the first node is taken as the root, so a declaration or comment
// in front of it hides the whole table.
std::string Root_Hint(const TXml_Document& doc) {
  return doc.Root().Is_Element()
             ? std::string()
             : " (the file must begin with its root element; it begins with a declaration, "
               "comment or instruction)";
}

bool Enabled(const TXml_Node& row) { return Attr(row, "Enable") == "Y"; }

// Group rows of one direction: the end of each row's run of variables (0 for
// a row without a name, which is no group) and the names in order.
struct TGroup_Rows {
  std::vector<int64_t> limits;
  std::vector<std::string> names;
};

bool Read_Groups(const std::vector<TXml_Node>& rows, const std::string& path, const char* section,
                 uint32_t& v, TGroup_Rows& groups, std::string& error) {
  int64_t sum = 0;
  for (size_t k = 0; k < rows.size(); ++k) {
    const std::string_view name = Attr(rows[k], "Group_Name");
    if (name.empty()) {
      groups.limits.push_back(0);
      continue;
    }
    if (groups.names.size() == static_cast<size_t>(EtherCAT_Max_Groups)) {
      size_t count = 0;
      for (const TXml_Node& row : rows)
        if (!Attr(row, "Group_Name").empty()) ++count;
      error = path + ": " + std::to_string(count) + " groups in section " + section +
              ", the device holds at most " + std::to_string(EtherCAT_Max_Groups);
      return false;
    }
    if (k >= static_cast<size_t>(EtherCAT_Max_Groups)) {
      // Variables name their group by its row; a group below row 16 would
      // point past the 16 group places of the device.
      error = path + ": the group in row " + std::to_string(k + 1) + " of section " + section +
              " lies beyond the " + std::to_string(EtherCAT_Max_Groups) +
              " group places of the device";
      return false;
    }
    v += static_cast<uint32_t>(Pool_Size(name));
    groups.names.emplace_back(name);
    sum += Text_To_Int(Attr(rows[k], "Num_Variables"), 0);
    groups.limits.push_back(sum);
  }
  return true;
}

bool Check_Variable_Count(const std::vector<TXml_Node>& rows, const std::string& path,
                          const char* section, std::string& error) {
  size_t enabled = 0;
  for (const TXml_Node& row : rows)
    if (Enabled(row)) ++enabled;
  if (enabled <= static_cast<size_t>(EtherCAT_Max_Variables)) return true;
  error = path + ": " + std::to_string(enabled) + " enabled variables in section " + section +
          ", the device holds at most " + std::to_string(EtherCAT_Max_Variables);
  return false;
}

} // namespace

void EtherCAT_Type(std::string_view type, std::string_view length_text, uint8_t& data_type,
                   uint8_t& length) {
  struct TFixed {
    const char* name;
    uint8_t code;
    uint8_t length;
  };
  static const TFixed fixed[] = {{"Bool", 1, 1},   {"Int8", 2, 1},   {"Int16", 3, 2},
                                 {"Int32", 4, 4},  {"UInt8", 5, 1},  {"UInt16", 6, 2},
                                 {"UInt32", 7, 4}, {"Float32", 8, 4}};
  for (const TFixed& f : fixed) {
    if (type == f.name) {
      data_type = f.code;
      length = f.length;
      return;
    }
  }
  data_type = type == "String" ? 9 : type == "Array" ? 10 : 0;
  length = static_cast<uint8_t>(Text_To_Int(length_text, 1));
}

std::vector<uint8_t> Init_Value_Bytes(uint8_t data_type, uint8_t length, std::string_view text) {
  std::vector<uint8_t> bytes;
  const auto integer = static_cast<uint64_t>(Text_To_Int64(text, 0));
  switch (data_type) {
  case 1:
    bytes.push_back(static_cast<uint8_t>(integer & 1));
    break;
  case 2:
  case 5:
    bytes.push_back(static_cast<uint8_t>(integer));
    break;
  case 3:
  case 6:
    bytes.resize(2);
    Put_U16(bytes.data(), static_cast<uint32_t>(integer));
    break;
  case 4:
  case 7:
    bytes.resize(4);
    Put_U32(bytes.data(), static_cast<uint32_t>(integer));
    break;
  case 8: {
    double d = 0;
    const float f = Decimal_Number(text, d) ? To_Single(d) : 0.0f;
    uint32_t bits = 0;
    std::memcpy(&bits, &f, sizeof bits);
    bytes.resize(4);
    Put_U32(bytes.data(), bits);
    break;
  }
  case 9: {
    const std::vector<uint32_t> chars = Code_Points(text);
    bytes.assign(length, 0);
    for (size_t i = 0; i < length && i < chars.size(); ++i)
      bytes[i] = static_cast<uint8_t>(chars[i]);
    break;
  }
  case 10: {
    const std::vector<uint32_t> chars = Code_Points(text);
    bytes.assign(length, 0);
    for (size_t i = 0; i < length && 2 * i + 1 < chars.size(); ++i) {
      const int hi = Hex_Value(chars[2 * i]);
      const int lo = Hex_Value(chars[2 * i + 1]);
      if (hi >= 0 && lo >= 0) bytes[i] = static_cast<uint8_t>(hi * 16 + lo);
    }
    break;
  }
  default:
    break;
  }
  return bytes;
}

uint32_t Revision_Number(std::string_view text) {
  const int64_t value = Text_To_Int64(text, -1);
  if (value < 0 || value > 0xFFFFFFFFll) return 0;
  // Hexadecimal forms hold at most 8 digits, leading zeros included.
  size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  size_t digits = text.size() - i;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    digits -= 1;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    digits -= 2;
  } else {
    return static_cast<uint32_t>(value); // decimal
  }
  return digits <= 8 ? static_cast<uint32_t>(value) : 0;
}

void TEtherCAT_Section::Reset_EtherCAT_Section() {
  header = TEtherCAT_Header{};
  in.fill(TEtherCAT_pd{});
  out.fill(TEtherCAT_pd{});
  group = TEtherCAT_Group{};
  section_size_ = EtherCAT_Pool;
}

void TEtherCAT_Section::Parse_Eeprom_Config(std::string_view text) {
  const std::vector<uint32_t> chars = Code_Points(text);
  size_t byte = 0;
  for (size_t i = 0; i < chars.size() && byte < header.eeprom.size(); i += 2) {
    int value = Hex_Value(chars[i]);
    if (i + 1 < chars.size()) {
      const int lo = Hex_Value(chars[i + 1]);
      value = value >= 0 && lo >= 0 ? value * 16 + lo : -1;
    }
    if (value >= 0) header.eeprom[byte++] = static_cast<uint8_t>(value);
  }
}

bool TEtherCAT_Section::Build_EtherCAT_Section(uint32_t base, const TXml_Document* vars_doc,
                                               const std::string& vars_path,
                                               const TXml_Document* group_doc,
                                               const std::string& group_path, std::string& error) {
  // Everything the files must satisfy is checked before anything is filled.
  TSection_Rows vars, groups;
  if (vars_doc != nullptr) {
    const TXml_Node variables = vars_doc->Root().Child_Element("EtherCAT_Slave_Variables");
    if (!variables) {
      error =
          vars_path + ": the element EtherCAT_Slave_Variables is missing" + Root_Hint(*vars_doc);
      return false;
    }
    if (!Find_Sections(variables, "EtherCAT_Slave_To_Master", "EtherCAT_Master_To_Slave", vars_path,
                       " from EtherCAT_Slave_Variables", vars, error) ||
        !Check_Variable_Count(vars.in, vars_path, "EtherCAT_Slave_To_Master", error) ||
        !Check_Variable_Count(vars.out, vars_path, "EtherCAT_Master_To_Slave", error))
      return false;
  }
  if (group_doc != nullptr &&
      !Find_Sections(group_doc->Root(), "Slave_to_Master", "Master_to_Slave", group_path,
                     Root_Hint(*group_doc), groups, error))
    return false;

  header.group_add = base + static_cast<uint32_t>(EtherCAT_Group_Record);
  header.in_add = base + static_cast<uint32_t>(EtherCAT_In_Records);
  header.out_add = base + static_cast<uint32_t>(EtherCAT_Out_Records);
  const uint32_t empty_text = base + static_cast<uint32_t>(EtherCAT_Empty_Text);
  uint32_t n = base + static_cast<uint32_t>(EtherCAT_Pool); // name cursor
  uint32_t v = n;                                           // value cursor

  // Names come first in the pool, the initial values after them.
  for (const auto* rows : {&vars.in, &vars.out})
    for (const TXml_Node& row : *rows)
      if (Enabled(row) && !Attr(row, "Name").empty())
        v += static_cast<uint32_t>(Pool_Size(Attr(row, "Name")));

  TGroup_Rows groups_in, groups_out;
  if (group_doc != nullptr &&
      (!Read_Groups(groups.in, group_path, "Slave_to_Master", v, groups_in, error) ||
       !Read_Groups(groups.out, group_path, "Master_to_Slave", v, groups_out, error)))
    return false;

  header.num_in = 0;
  header.num_out = 0;
  for (int direction = 0; direction < 2; ++direction) {
    const bool slave_to_master = direction == 0;
    const std::vector<TXml_Node>& rows = slave_to_master ? vars.in : vars.out;
    const TGroup_Rows& limits = slave_to_master ? groups_in : groups_out;
    auto& records = slave_to_master ? in : out;
    uint32_t j = 0;
    for (const TXml_Node& row : rows) {
      if (!Enabled(row)) continue;
      TEtherCAT_pd& r = records[j];
      r.access = slave_to_master ? 1 : 0;
      EtherCAT_Type(Attr(row, "Type"), Attr(row, "Length"), r.Data_Type, r.length);
      r.position = static_cast<uint32_t>(Text_To_Int(Attr(row, "Position"), 0));
      r.bit_address = static_cast<uint8_t>(Text_To_Int(Attr(row, "BitStart"), 0));
      r.subindex = j;
      r.entry_index = 0;
      r.group_index = 0xFFFFFFFF;
      if (group_doc != nullptr) {
        for (size_t k = 0; k < limits.limits.size(); ++k) {
          if (limits.limits[k] > static_cast<int64_t>(j)) {
            r.group_index = static_cast<uint32_t>(k);
            break;
          }
        }
      }
      r.init_value_Add = 0;
      r.init_value.clear();
      const std::string_view init = Attr(row, "InitValue");
      if (slave_to_master && !init.empty() && r.Data_Type != 0) {
        r.init_value = Init_Value_Bytes(r.Data_Type, r.length, init);
        r.init_value_Add = v;
        v += static_cast<uint32_t>(r.init_value.size());
      }
      r.name = Attr(row, "Name");
      r.name_length = static_cast<uint32_t>(r.name.size());
      if (r.name.empty()) {
        r.name_add = empty_text;
      } else {
        r.name_add = n;
        n += static_cast<uint32_t>(Pool_Size(r.name));
      }
      ++j;
    }
    (slave_to_master ? header.num_in : header.num_out) = static_cast<uint16_t>(j);
  }

  group.group_In_Str = groups_in.names;
  group.group_Out_Str = groups_out.names;
  for (size_t k = 0; k < group.group_In_Str.size(); ++k) {
    group.group_In_Add[k] = n;
    n += static_cast<uint32_t>(Pool_Size(group.group_In_Str[k]));
  }
  for (size_t k = 0; k < group.group_Out_Str.size(); ++k) {
    group.group_Out_Add[k] = n;
    n += static_cast<uint32_t>(Pool_Size(group.group_Out_Str[k]));
  }
  group.Num_In = static_cast<uint8_t>(group.group_In_Str.size());
  group.Num_Out = static_cast<uint8_t>(group.group_Out_Str.size());
  section_size_ = v - base;
  return true;
}

size_t TEtherCAT_Section::Serialize_EtherCAT_Section(uint8_t* bank2, size_t start) const {
  uint8_t* const s = bank2 + start;
  std::memcpy(s, header.eeprom.data(), header.eeprom.size());
  Put_U16(s + 14, header.node_address);
  s[16] = header.clear_data;
  std::memcpy(s + 17, header.spare.data(), header.spare.size());
  Put_U32(s + 20, header.group_add);
  Put_U32(s + 24, header.revision);
  Put_U16(s + 28, header.num_in);
  Put_U16(s + 30, header.num_out);
  Put_U32(s + 32, header.in_add);
  Put_U32(s + 36, header.out_add);
  for (size_t i = 0; i < in.size(); ++i)
    Store_Record(s + EtherCAT_In_Records + i * EtherCAT_Record_Size, in[i]);
  for (size_t i = 0; i < out.size(); ++i)
    Store_Record(s + EtherCAT_Out_Records + i * EtherCAT_Record_Size, out[i]);
  uint8_t* const g = s + EtherCAT_Group_Record;
  for (size_t k = 0; k < group.group_In_Add.size(); ++k) {
    Put_U32(g + 4 * k, group.group_In_Add[k]);
    Put_U32(g + 64 + 4 * k, group.group_Out_Add[k]);
  }
  g[128] = group.Num_In;
  g[129] = group.Num_Out;
  g[130] = group.Spare[0];
  g[131] = group.Spare[1];
  s[EtherCAT_Empty_Text] = 0;

  // The pool, in the order its addresses were handed out.
  size_t at = EtherCAT_Pool;
  auto text = [&](const std::string& t) {
    std::memcpy(s + at, t.data(), t.size());
    s[at + t.size()] = 0;
    at += t.size() + 1;
  };
  for (const auto* records : {&in, &out})
    for (const TEtherCAT_pd& r : *records)
      if (!r.name.empty()) text(r.name);
  for (const std::string& name : group.group_In_Str)
    text(name);
  for (const std::string& name : group.group_Out_Str)
    text(name);
  for (const TEtherCAT_pd& r : in) {
    if (r.init_value_Add == 0) continue;
    std::memcpy(s + at, r.init_value.data(), r.init_value.size());
    at += r.init_value.size();
  }
  return start + at;
}

} // namespace zentar
