#include "lang/language.h"

#include "common/safe_file.h"
#include "common/text_rules.h"

namespace zentar {

namespace {

void Append_Utf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::string From_Utf16(const std::string& bytes, size_t start, bool big_endian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](size_t i) -> uint32_t {
    const auto b0 = static_cast<unsigned char>(bytes[i]);
    const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
    return big_endian ? (b0 << 8 | b1) : (b1 << 8 | b0);
  };
  for (size_t i = start; i + 1 < bytes.size(); i += 2) {
    uint32_t cp = unit(i);
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
      const uint32_t low = unit(i + 2);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      } else {
        cp = 0xFFFD;
      }
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    Append_Utf8(out, cp);
  }
  return out;
}

std::string From_Windows_1252(const std::string& bytes) {
  // Code points of 0x80 to 0x9F; 0 marks the five bytes the code page leaves undefined.
  static const uint16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else if (b < 0xA0) {
      const uint16_t cp = high[b - 0x80];
      Append_Utf8(out, cp ? cp : b);
    } else {
      Append_Utf8(out, b);
    }
  }
  return out;
}

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
  if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE')
    return From_Utf16(bytes, 2, false);
  if (bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF')
    return From_Utf16(bytes, 2, true);
  return From_Windows_1252(bytes);
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
