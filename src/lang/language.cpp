#include "lang/language.h"

#include "common/safe_file.h"
#include "common/text_encoding.h"
#include "common/text_rules.h"

namespace zentar {

namespace {

constexpr std::string_view Pilcrow = "\xC2\xB6"; // the character that encloses blanks

void Apply_Line(std::string_view raw, std::vector<std::string>& texts, int text_count) {
  const std::string line = Trim(raw);
  if (line.compare(0, 3, "STR") != 0) return;
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return;
  // The index runs from the fourth character up to the one before "=", which
  // is dropped unseen (the blank of " = ").
  const std::string index_text = eq >= 4 ? Trim(std::string_view(line).substr(3, eq - 4)) : "";
  const int index = Text_To_Int(index_text, -1);
  if (index < 0 || index >= text_count || index >= static_cast<int>(texts.size())) return;
  std::string text = Trim(std::string_view(line).substr(eq + 1));
  if (text.empty()) return;
  const size_t comment = text.find("/#/");
  if (comment != std::string::npos) {
    text = Trim(std::string_view(text).substr(0, comment));
    if (text.empty()) return;
  }
  if (text.compare(0, Pilcrow.size(), Pilcrow) == 0) text.erase(0, Pilcrow.size());
  const size_t end = text.find(Pilcrow);
  if (end != std::string::npos) text.resize(end);
  texts[static_cast<size_t>(index)] = std::move(text);
}

} // namespace

void Set_Default_Texts(std::vector<std::string>& texts, int& text_count) {
  texts = Default_Texts();
  text_count = Text_Slots;
}

std::string Decode_Language_File(const std::string& bytes) {
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) return bytes.substr(3);
  const bool le = bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
  const bool be = bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF';
  if (le || be) {
    std::string text, reason;
    Utf16_To_Utf8(std::string_view(bytes).substr(2), be, false, text, reason);
    return text;
  }
  return Single_Byte_To_Utf8(bytes, true);
}

void Apply_Language_Text(const std::string& bytes, std::vector<std::string>& texts,
                         int text_count) {
  const std::string text = Decode_Language_File(bytes);
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    if (end > start)
      Apply_Line(std::string_view(text).substr(start, end - start), texts, text_count);
    if (end >= text.size()) break;
    start = end + 1;
  }
}

void Read_Language_File(const std::string& path, std::vector<std::string>& texts, int text_count) {
  std::string bytes, error;
  if (!Read_File(path, bytes, error)) return;
  Apply_Language_Text(bytes, texts, text_count);
}

void Load_Language(const std::string& language_dir, std::string& language,
                   std::vector<std::string>& texts, int& text_count) {
  Set_Default_Texts(texts, text_count);
  const std::string chosen = language_dir + "/" + language + ".lng";
  if (File_Exists(chosen)) {
    Read_Language_File(chosen, texts, text_count);
    return;
  }
  language = "English";
  const std::string english = language_dir + "/English.lng";
  if (File_Exists(english)) Read_Language_File(english, texts, text_count);
}

} // namespace zentar
