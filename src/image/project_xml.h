#pragma once
// Reading side of the project files for the image compiler: strict loading,
// the root as the first top-level node, element children, element texts and
// the characters of a text.
#include <cstdint>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace zentar {

// Loads `path` into `doc`. False when the file cannot be read or is not
// well-formed XML; `error` then names the file and what is wrong. Comments,
// processing instructions, the declaration and the document type are kept as
// nodes, so that the first top-level node is the one the file really starts
// with; blank-only texts are kept, since a value of blanks is a value.
bool Load_Project_Xml(const std::string& path, pugi::xml_document& doc, std::string& error);

// The first top-level node (blanks between top-level nodes are not nodes).
// When the file starts with anything but its root element, this node has no
// children and no keys: the file reads as empty.
pugi::xml_node Project_Root(const pugi::xml_document& doc);

// The first child element of `parent` named `name`, or an empty node.
pugi::xml_node Child_Element(pugi::xml_node parent, const char* name);

// The child elements of `parent` in document order, whatever their names
// (comments, instructions and texts between them are not rows).
std::vector<pugi::xml_node> Child_Elements(pugi::xml_node parent);

// The text of an element: its text and CDATA children joined.
std::string Element_Text(pugi::xml_node element);

// The characters of a UTF-8 text as code points.
std::vector<uint32_t> Code_Points(std::string_view utf8);

} // namespace zentar
