#pragma once
// Encoding and well-formedness rules of the project files read by the image
// compiler. A lenient parser would take duplicate attributes, undefined
// entities, text outside the root or stray markup characters; a file like
// that is not well-formed and must stop the compilation instead of giving
// images built from a guess.
#include <string>
#include <string_view>

namespace zentar {

// Brings the bytes of an XML file to UTF-8: removes a UTF-8 byte-order mark,
// converts UTF-16 (with or without byte-order mark) and documents declaring
// ISO-8859-1 or windows-1252. False with `reason` for an encoding that cannot
// be read.
bool Normalize_Xml_Encoding(std::string& data, std::string& reason);

// True when `utf8` is a well-formed XML 1.0 document with namespaces: one root
// element, only comments, processing instructions, a document type and blanks
// around it, matching tags, unique attributes, only the predefined and
// character references, legal characters, valid UTF-8, bound prefixes.
// Otherwise false with `reason` ("line L, column C: what is wrong").
bool Check_Well_Formed(std::string_view utf8, std::string& reason);

} // namespace zentar
