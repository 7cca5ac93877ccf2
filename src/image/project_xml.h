#pragma once
// Reading side of the project files for the image compiler: a strict XML
// reader (the documents must be well-formed XML 1.0 with namespaces) that
// keeps, in one compact block, what the compiler reads: elements with their
// attributes in document order, texts, and the other top-level nodes, so that
// the first top-level node is the one the file really starts with.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentar {

class TXml_Document;

// A node of a loaded document; empty (false) when a lookup found nothing.
class TXml_Node {
public:
  TXml_Node() = default;
  explicit operator bool() const { return doc_ != nullptr && index_ >= 0; }
  bool Is_Element() const;
  std::string_view Name() const;
  // An attribute's value; "" when absent, and then `*found` is false.
  std::string_view Attribute(std::string_view name, bool* found = nullptr) const;
  // The first child element of that name.
  TXml_Node Child_Element(std::string_view name) const;
  // The child elements in document order, whatever their names (comments,
  // instructions and texts between them are not rows).
  std::vector<TXml_Node> Child_Elements() const;
  // The element's text and CDATA children joined (blank-only texts kept:
  // a value of blanks is a value).
  std::string Text() const;

private:
  friend class TXml_Document;
  TXml_Node(const TXml_Document* doc, int32_t index) : doc_(doc), index_(index) {}
  const TXml_Document* doc_ = nullptr;
  int32_t index_ = -1;
};

class TXml_Document {
public:
  // Reads `path`, brings it to UTF-8 and parses it. False when the file
  // cannot be read or is not well-formed XML; `error` then names the file
  // and what is wrong, with line and column.
  bool Load_File(const std::string& path, std::string& error);
  // Parses UTF-8 text; false with `reason` ("line L, column C: ...").
  bool Parse(std::string utf8, std::string& reason);
  // The first top-level node (blanks between top-level nodes are not nodes).
  // When a file starts with anything but its root element (a declaration, a
  // comment), this node has no children: the file reads as empty.
  TXml_Node Root() const;

  enum class TKind : uint8_t {
    Document,
    Element,
    Text,
    Comment,
    Instruction,
    Declaration,
    Doctype
  };
  struct TNode {
    TKind kind = TKind::Document;
    uint32_t name_at = 0, name_size = 0; // element name
    uint32_t text_at = 0, text_size = 0; // text value
    uint32_t attr_first = 0, attr_count = 0;
    int32_t first_child = -1, last_child = -1, next = -1;
  };
  struct TAttr {
    uint32_t name_at, name_size, value_at, value_size;
  };

private:
  friend class TXml_Node;
  friend class TXml_Parser;
  std::string text_; // the document, values decoded in place
  std::vector<TNode> nodes_;
  std::vector<TAttr> attrs_;
};

// The characters of a UTF-8 text as code points (a byte that is not UTF-8
// stands for itself).
std::vector<uint32_t> Code_Points(std::string_view utf8);

} // namespace zentar
