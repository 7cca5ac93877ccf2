#pragma once
// Conversions of the text encodings that project and language files come in
// to UTF-8, the program's own encoding.
#include <cstdint>
#include <string>
#include <string_view>

namespace zentar {

void Append_Utf8(std::string& out, uint32_t code_point);

// Latin-1 or, with `windows_1252`, the Windows-1252 code page (whose five
// undefined bytes keep their Latin-1 value).
std::string Single_Byte_To_Utf8(std::string_view data, bool windows_1252);

// UTF-16 without its byte-order mark. `strict` refuses an odd byte count or a
// broken surrogate pair (false, with `reason`); otherwise a broken pair gives
// U+FFFD and a last odd byte is dropped.
bool Utf16_To_Utf8(std::string_view data, bool big_endian, bool strict, std::string& out,
                   std::string& reason);

} // namespace zentar
