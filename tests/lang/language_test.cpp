#include "lang/language.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace zentar;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

namespace {

std::vector<std::string> Fresh() {
  std::vector<std::string> t;
  int n = 0;
  Set_Default_Texts(t, n);
  return t;
}

// UTF-16 of an ASCII/Latin-1 text, with its byte-order mark.
std::string Utf16(const std::u16string& s, bool big_endian) {
  std::string out = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (char16_t c : s) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += big_endian ? std::string{hi, lo} : std::string{lo, hi};
  }
  return out;
}

} // namespace

TEST(Read_Language_File, LineGrammar) {
  struct Case {
    const char* line;
    int index;
    const char* expected; // text of the slot afterwards
  };
  const Case cases[] = {
      {"STR306 = \xC2\xB6 / \xC2\xB6", 306, " / "},
      {"STR9 = No configuration \xC2\xB6", 9, "No configuration "},
      {"STR12 = Info /#/ hint of the info button", 12, "Info"},
      {"STR5 = \xC2\xB6", 5, ""},
      {"STR 7 = x", 7, "x"},
      {"  STR7 = x  \t", 7, "x"},
      {"STR7 = a = b", 7, "a = b"},
      {"STR$10 = hex", 16, "hex"},
      {"STR12= text", 1, "text"}, // the character before "=" is dropped unseen
      {"str7 = x", 7, "Step 7"},
      {"STR5 = /#/ note", 5, "Step 5"},
      {"STR5 = ", 5, "Step 5"},
      {"STR5 x", 5, "Step 5"},
      {"STR-1 = x", 0, "Begin"},
      {"STR5400 = x", 0, "Begin"},
      {"STR5399 = last", 5399, "last"},
      {"STR = x", 0, "Begin"},
      {"STR12x = y", 12, "Information"},
      {"STR8 = \xC2\xB6  lead\xC2\xB6 tail", 8, "  lead"},
      {" leading blank text", 0, "Begin"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> t = Fresh();
    Apply_Language_Text(std::string("\xEF\xBB\xBF") + c.line, t, Text_Slots);
    EXPECT_EQ(t[static_cast<size_t>(c.index)], c.expected) << c.line;
    ASSERT_EQ(t.size(), static_cast<size_t>(Text_Slots));
  }
}

TEST(Read_Language_File, LinesAndLaterEntriesWin) {
  std::vector<std::string> t = Fresh();
  Apply_Language_Text("STR1 = a\r\nSTR2 = b\rSTR3 = c\nSTR1 = later\n\nnoise\n", t, Text_Slots);
  EXPECT_EQ(t[1], "later");
  EXPECT_EQ(t[2], "b");
  EXPECT_EQ(t[3], "c");
}

TEST(Read_Language_File, Encodings) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* expected; // UTF-8
  };
  const Case cases[] = {
      {"utf-8 with mark", "\xEF\xBB\xBFSTR0 = Inizio \xC3\xA8", "Inizio \xC3\xA8"},
      {"utf-16le", Utf16(u"STR0 = D\u00e9but \u20ac\r\nSTR1 = x", false),
       "D\xC3\xA9"
       "but \xE2\x82\xAC"},
      {"utf-16be", Utf16(u"STR0 = \u00c4nderung", true), "\xC3\x84nderung"},
      {"windows-1252",
       "STR0 = Pr\xE9"
       "c\xE9"
       "dent \x80 \x93",
       "Pr\xC3\xA9"
       "c\xC3\xA9"
       "dent \xE2\x82\xAC \xE2\x80\x9C"},
      {"windows-1252 pilcrow", "STR0 = \xB6 x \xB6", " x "},
      {"utf-16 pilcrow", Utf16(u"STR0 = \u00b6 x \u00b6", false), " x "},
  };
  for (const Case& c : cases) {
    std::vector<std::string> t = Fresh();
    Apply_Language_Text(c.bytes, t, Text_Slots);
    EXPECT_EQ(t[0], c.expected) << c.name;
    if (std::string(c.name) == "utf-16le") {
      EXPECT_EQ(t[1], "x");
    }
  }
}

TEST(Load_Language, FallsBackToEnglish) {
  TTemp_Dir dir;
  std::vector<std::string> t;
  int count = 0;
  // Nothing present: defaults and English.
  std::string language = "Italiano";
  Load_Language(dir.Path(), language, t, count);
  EXPECT_EQ(language, "English");
  EXPECT_EQ(count, Text_Slots);
  EXPECT_EQ(t[0], "Begin");
  // The chosen language replaces texts; a later load undoes them.
  Write_Text(dir / "Italiano.lng", "STR0 = Inizio\n");
  Write_Text(dir / "English.lng", "STR1 = First step\n");
  language = "Italiano";
  Load_Language(dir.Path(), language, t, count);
  EXPECT_EQ(language, "Italiano");
  EXPECT_EQ(t[0], "Inizio");
  EXPECT_EQ(t[1], "Step 1");
  language = "Deutsch";
  Load_Language(dir.Path(), language, t, count);
  EXPECT_EQ(language, "English");
  EXPECT_EQ(t[0], "Begin");
  EXPECT_EQ(t[1], "First step");
}
