#pragma once
// The interface text table: 5400 numbered texts with compiled-in English
// defaults, patched by the language file of the chosen language.
#include <string>
#include <vector>

namespace zentar {

inline constexpr int Text_Slots = 5400;

// The English default of every slot; slots without a text hold a single blank.
const std::vector<std::string>& Default_Texts();

// Empties `texts`, appends the 5400 defaults in index order, sets `text_count`.
void Set_Default_Texts(std::vector<std::string>& texts, int& text_count);

// Decodes a language file (UTF-8 or UTF-16 by byte-order mark, else
// Windows-1252) to UTF-8.
std::string Decode_Language_File(const std::string& bytes);

// Applies the entry lines of the file at `path` to `texts` (bound `text_count`).
// A file that cannot be read changes nothing.
void Read_Language_File(const std::string& path, std::vector<std::string>& texts, int text_count);
// Same for file content already read.
void Apply_Language_Text(const std::string& bytes, std::vector<std::string>& texts, int text_count);

// Defaults, then `language_dir`/`language`.lng; falls back to English (and sets
// `language` to "English") when that file is missing.
void Load_Language(const std::string& language_dir, std::string& language,
                   std::vector<std::string>& texts, int& text_count);

} // namespace zentar
