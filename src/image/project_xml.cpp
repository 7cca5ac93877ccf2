#include "image/project_xml.h"

#include "common/safe_file.h"
#include "image/xml_check.h"

namespace zentar {

bool TXml_Document::Load_File(const std::string& path, std::string& error) {
  std::string data;
  if (!Read_File(path, data, error)) return false;
  std::string reason;
  if (!Normalize_Xml_Encoding(data, reason) || !Parse(std::move(data), reason)) {
    error = path + ": not well-formed XML, " + reason;
    return false;
  }
  return true;
}

TXml_Node TXml_Document::Root() const {
  return nodes_.empty() ? TXml_Node() : TXml_Node(this, nodes_[0].first_child);
}

bool TXml_Node::Is_Element() const {
  return *this && doc_->nodes_[static_cast<size_t>(index_)].kind == TXml_Document::TKind::Element;
}

std::string_view TXml_Node::Name() const {
  if (!Is_Element()) return {};
  const TXml_Document::TNode& n = doc_->nodes_[static_cast<size_t>(index_)];
  return std::string_view(doc_->text_).substr(n.name_at, n.name_size);
}

std::string_view TXml_Node::Attribute(std::string_view name, bool* found) const {
  if (found != nullptr) *found = false;
  if (!Is_Element()) return {};
  const TXml_Document::TNode& n = doc_->nodes_[static_cast<size_t>(index_)];
  const std::string_view text(doc_->text_);
  for (uint32_t i = n.attr_first; i < n.attr_first + n.attr_count; ++i) {
    const TXml_Document::TAttr& a = doc_->attrs_[i];
    if (text.substr(a.name_at, a.name_size) == name) {
      if (found != nullptr) *found = true;
      return text.substr(a.value_at, a.value_size);
    }
  }
  return {};
}

TXml_Node TXml_Node::Child_Element(std::string_view name) const {
  if (!Is_Element()) return {};
  for (int32_t c = doc_->nodes_[static_cast<size_t>(index_)].first_child; c >= 0;
       c = doc_->nodes_[static_cast<size_t>(c)].next) {
    const TXml_Node child(doc_, c);
    if (child.Is_Element() && child.Name() == name) return child;
  }
  return {};
}

std::vector<TXml_Node> TXml_Node::Child_Elements() const {
  std::vector<TXml_Node> rows;
  if (!Is_Element()) return rows;
  for (int32_t c = doc_->nodes_[static_cast<size_t>(index_)].first_child; c >= 0;
       c = doc_->nodes_[static_cast<size_t>(c)].next)
    if (doc_->nodes_[static_cast<size_t>(c)].kind == TXml_Document::TKind::Element)
      rows.push_back(TXml_Node(doc_, c));
  return rows;
}

std::string TXml_Node::Text() const {
  std::string text;
  if (!Is_Element()) return text;
  for (int32_t c = doc_->nodes_[static_cast<size_t>(index_)].first_child; c >= 0;
       c = doc_->nodes_[static_cast<size_t>(c)].next) {
    const TXml_Document::TNode& n = doc_->nodes_[static_cast<size_t>(c)];
    if (n.kind == TXml_Document::TKind::Text) text.append(doc_->text_, n.text_at, n.text_size);
  }
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
