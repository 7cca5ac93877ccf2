#include "common/text_encoding.h"

namespace zentar {

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

std::string Single_Byte_To_Utf8(std::string_view data, bool windows_1252) {
  // Code points of the bytes 0x80 to 0x9F in Windows-1252; 0 where it has none.
  static const uint16_t high[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  std::string out;
  out.reserve(data.size() + data.size() / 4);
  for (const char ch : data) {
    uint32_t cp = static_cast<unsigned char>(ch);
    if (windows_1252 && cp >= 0x80 && cp <= 0x9F && high[cp - 0x80] != 0) cp = high[cp - 0x80];
    Append_Utf8(out, cp);
  }
  return out;
}

bool Utf16_To_Utf8(std::string_view data, bool big_endian, bool strict, std::string& out,
                   std::string& reason) {
  if (strict && data.size() % 2 != 0) {
    reason = "UTF-16 text with an odd number of bytes";
    return false;
  }
  out.clear();
  out.reserve(data.size());
  auto unit = [&](size_t i) -> uint32_t {
    const auto a = static_cast<unsigned char>(data[i]);
    const auto b = static_cast<unsigned char>(data[i + 1]);
    return big_endian ? (a << 8 | b) : (b << 8 | a);
  };
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    uint32_t cp = unit(i);
    bool broken = false;
    if (cp >= 0xD800 && cp <= 0xDBFF) {
      if (i + 3 < data.size() && unit(i + 2) >= 0xDC00 && unit(i + 2) <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
        i += 2;
      } else {
        broken = true;
      }
    } else if (cp >= 0xDC00 && cp <= 0xDFFF) {
      broken = true;
    }
    if (broken) {
      if (strict) {
        reason = "UTF-16 text with a broken surrogate pair";
        return false;
      }
      cp = 0xFFFD;
    }
    Append_Utf8(out, cp);
  }
  return true;
}

} // namespace zentar
