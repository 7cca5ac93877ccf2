#include "image/project_xml.h"

#include "common/safe_file.h"
#include "image/xml_check.h"

#include <cstring>

namespace zentar {

bool Load_Project_Xml(const std::string& path, pugi::xml_document& doc, std::string& error) {
  doc.reset();
  std::string data;
  if (!Read_File(path, data, error)) return false;
  std::string reason;
  if (!Normalize_Xml_Encoding(data, reason) || !Check_Well_Formed(data, reason)) {
    error = path + ": not well-formed XML, " + reason;
    return false;
  }
  const unsigned flags = pugi::parse_default | pugi::parse_declaration | pugi::parse_comments |
                         pugi::parse_pi | pugi::parse_doctype | pugi::parse_ws_pcdata;
  const pugi::xml_parse_result r =
      doc.load_buffer(data.data(), data.size(), flags, pugi::encoding_utf8);
  if (!r) {
    doc.reset();
    error =
        path + ": not well-formed XML, " + r.description() + " at byte " + std::to_string(r.offset);
    return false;
  }
  return true;
}

pugi::xml_node Project_Root(const pugi::xml_document& doc) {
  for (pugi::xml_node n = doc.first_child(); n; n = n.next_sibling())
    if (n.type() != pugi::node_pcdata) return n;
  return {};
}

pugi::xml_node Child_Element(pugi::xml_node parent, const char* name) {
  for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element && std::strcmp(n.name(), name) == 0) return n;
  return {};
}

std::vector<pugi::xml_node> Child_Elements(pugi::xml_node parent) {
  std::vector<pugi::xml_node> rows;
  for (pugi::xml_node n = parent.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_element) rows.push_back(n);
  return rows;
}

std::string Element_Text(pugi::xml_node element) {
  std::string text;
  for (pugi::xml_node n = element.first_child(); n; n = n.next_sibling())
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
  return text;
}

std::vector<uint32_t> Code_Points(std::string_view s) {
  std::vector<uint32_t> out;
  out.reserve(s.size());
  size_t i = 0;
  while (i < s.size()) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    size_t len = 1;
    uint32_t cp = b0;
    if (b0 >= 0xC0 && b0 < 0xE0) {
      len = 2;
      cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 < 0xF0) {
      len = 3;
      cp = b0 & 0x0F;
    } else if (b0 >= 0xF0 && b0 < 0xF8) {
      len = 4;
      cp = b0 & 0x07;
    }
    bool ok = len == 1 || i + len <= s.size();
    for (size_t k = 1; ok && k < len; ++k) {
      const auto b = static_cast<unsigned char>(s[i + k]);
      ok = (b & 0xC0) == 0x80;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (!ok) { // not UTF-8 (the loader refuses such files): the byte itself
      cp = b0;
      len = 1;
    }
    out.push_back(cp);
    i += len;
  }
  return out;
}

} // namespace zentar
