#include "app/settings.h"

#include "common/safe_file.h"
#include "common/xml_file.h"

namespace zentar {

namespace {

constexpr const char* Default_IP = "192.168.2.205";

// Text of root/group/key when that element exists.
bool Read_Value(pugi::xml_node root, const char* group, const char* key, std::string& out) {
  const pugi::xml_node node = root.child(group).child(key);
  if (!node) return false;
  out = node.child_value();
  return true;
}

bool Read_Flag(pugi::xml_node root, const char* key) {
  std::string text;
  return Read_Value(root, "lastinternet", key, text) && text == "1";
}

} // namespace

void Load_Settings(const std::string& path, TApp_State& state) {
  state.Conf_Name.clear();
  state.Conf_Path.clear();
  state.Device_IP = Default_IP;
  state.Language = "English";
  state.Enable_Internet = state.Enable_Update = false;
  state.Enable_Jump_Field_Tables = state.Double_Click_Auto_Size = false;
  if (!File_Exists(path)) return;
  pugi::xml_document doc;
  std::string error;
  if (!Load_Xml_File(path, doc, error)) return;
  const pugi::xml_node root = First_Node(doc);
  if (!Read_Value(root, "lastproj", "projectname", state.Conf_Name)) state.Conf_Name.clear();
  if (!Read_Value(root, "lastipadd", "ipaddress", state.Device_IP)) state.Device_IP = Default_IP;
  if (!Read_Value(root, "lastlang", "language", state.Language)) state.Language = "English";
  state.Enable_Internet = Read_Flag(root, "enable_internet");
  state.Enable_Update = Read_Flag(root, "enable_update");
  state.Enable_Jump_Field_Tables = Read_Flag(root, "enable_jump_field_tables");
  state.Double_Click_Auto_Size = Read_Flag(root, "Double_Click_Auto_Size");
}

std::string Settings_Text(const TApp_State& state) {
  pugi::xml_document doc;
  pugi::xml_node root = doc.append_child("Conf_Settings");
  auto add = [](pugi::xml_node parent, const char* name, const std::string& value) {
    parent.append_child(name).text().set(value.c_str());
  };
  add(root.append_child("lastproj"), "projectname", state.Conf_Name);
  add(root.append_child("lastipadd"), "ipaddress", state.Device_IP);
  add(root.append_child("lastlang"), "language", state.Language);
  pugi::xml_node flags = root.append_child("lastinternet");
  add(flags, "enable_internet", state.Enable_Internet ? "1" : "0");
  add(flags, "enable_update", state.Enable_Update ? "1" : "0");
  add(flags, "enable_jump_field_tables", state.Enable_Jump_Field_Tables ? "1" : "0");
  add(flags, "Double_Click_Auto_Size", state.Double_Click_Auto_Size ? "1" : "0");
  return Xml_To_Text(doc);
}

bool Save_Settings(const std::string& path, const TApp_State& state, std::string& error) {
  return Write_File_Safe(path, Settings_Text(state), error);
}

} // namespace zentar
