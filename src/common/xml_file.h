#pragma once
// Reading and writing the XML documents of a project: settings, parameter and
// table files share one envelope and one way of saving.
#include <pugixml.hpp>
#include <string>

namespace zentar {

// The comment that follows the root element of every project file.
inline constexpr const char* SW_Version_Comment = "SW_VERSION = 1.001";

// Loads `path` into `doc`. False when the file cannot be read or is not
// well-formed; `error` then holds the path and the parser's own message.
bool Load_Xml_File(const std::string& path, pugi::xml_document& doc, std::string& error);

// The document's first top-level node, taken as the root whatever its name.
pugi::xml_node First_Node(const pugi::xml_document& doc);

// Empties `doc`, adds the root element `root_name` and after it the comment
// "SW_VERSION = 1.001"; returns the root.
pugi::xml_node Begin_Project_Document(pugi::xml_document& doc, const char* root_name);

// Serialises without declaration and without indentation, UTF-8.
std::string Xml_To_Text(const pugi::xml_document& doc);

// Saves through a temporary file and a rename; a failure keeps the old file
// and sets `error` to the path and the reason.
bool Save_Xml_File(const pugi::xml_document& doc, const std::string& path, std::string& error);

} // namespace zentar
