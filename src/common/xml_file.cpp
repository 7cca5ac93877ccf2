#include "common/xml_file.h"

#include "common/safe_file.h"

#include <sstream>

namespace zentar {

bool Load_Xml_File(const std::string& path, pugi::xml_document& doc, std::string& error) {
  doc.reset();
  std::string data;
  if (!Read_File(path, data, error)) return false;
  const pugi::xml_parse_result r = doc.load_buffer(data.data(), data.size());
  if (!r) {
    doc.reset();
    error = path + ": " + r.description() + " at offset " + std::to_string(r.offset);
    return false;
  }
  return true;
}

pugi::xml_node First_Node(const pugi::xml_document& doc) { return doc.first_child(); }

pugi::xml_node Begin_Project_Document(pugi::xml_document& doc, const char* root_name) {
  doc.reset();
  pugi::xml_node root = doc.append_child(root_name);
  doc.append_child(pugi::node_comment).set_value(SW_Version_Comment);
  return root;
}

std::string Xml_To_Text(const pugi::xml_document& doc) {
  std::ostringstream out;
  doc.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return out.str();
}

bool Save_Xml_File(const pugi::xml_document& doc, const std::string& path, std::string& error) {
  return Write_File_Safe(path, Xml_To_Text(doc), error);
}

} // namespace zentar
