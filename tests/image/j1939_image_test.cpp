// The J1939 frame tables of bank 2 and their totals in bank 1.
#include "image_test_util.h"

namespace zentar::test {
namespace {

struct TField_Expect {
  size_t offset; // within the entry
  int width;     // 1, 2 or 4
  uint32_t value;
};

uint32_t Read(const std::vector<uint8_t>& image, size_t at, int width) {
  return width == 4 ? U32(image, at) : width == 2 ? U16(image, at) : image.at(at);
}

struct TRec_Case {
  const char* name;
  std::string par_gen; // empty: no parameter file
  TRow row;
  std::vector<TField_Expect> expect;
};

const TRec_Case Rec_Cases[] = {
    {"identifier without source address",
     "",
     {{"DP", "0"}, {"PGN", "65265"}, {"SA", "0"}},
     {{0, 4, 0x00FEF100}}},
    {"identifier with source address",
     "",
     {{"DP", "0"}, {"PGN", "0xFEF1"}, {"SA", "3"}},
     {{0, 4, 0x00FEF103}}},
    {"peer to peer leaves the source address out",
     Par_Gen_Xml({{"J1939_PEER_TO_PEER", "1"}}),
     {{"DP", "0"}, {"PGN", "$FEF1"}, {"SA", "3"}},
     {{0, 4, 0x00FEF100}}},
    {"data page 1", "", {{"DP", "1"}, {"PGN", "0"}, {"SA", "255"}}, {{0, 4, 0x010000FF}}},
    {"PGN above 16 bits adds into the data page",
     "",
     {{"DP", "1"}, {"PGN", "0x1FFFF"}, {"SA", "1"}},
     {{0, 4, 0x02FFFF01}}},
    {"absent and invalid numbers count 0",
     "",
     {{"PGN", "12 "}, {"SA", "x"}},
     {{0, 4, 0}, {4, 4, 0}, {8, 4, 0}, {14, 2, 0}, {20, 4, 0}, {28, 2, 0}, {30, 1, 0}}},
    {"fixed fields", "", {{"PGN", "1"}}, {{4, 4, 0}, {18, 2, 0}, {24, 4, 0}, {31, 1, 0}}},
    {"Delete Y gives the time-out",
     Par_Gen_Xml({{"J1939_TIMEOUT", "2"}}),
     {{"PGN", "1"}, {"Delete", "Y"}},
     {{8, 4, 2000}}},
    {"Delete y does not",
     Par_Gen_Xml({{"J1939_TIMEOUT", "2"}}),
     {{"PGN", "1"}, {"Delete", "y"}},
     {{8, 4, 0}}},
    {"time-out not a number",
     Par_Gen_Xml({{"J1939_TIMEOUT", "2s"}}),
     {{"PGN", "1"}, {"Delete", "Y"}},
     {{8, 4, 0}}},
    {"OnRequest in either case sets bit 7",
     "",
     {{"PGN", "1"}, {"OnRequest", "y"}},
     {{30, 1, 0x80}}},
    {"OnRequest other texts", "", {{"PGN", "1"}, {"OnRequest", "Yes"}}, {{30, 1, 0}}},
    {"TP only in upper case", "", {{"PGN", "1"}, {"TP", "y"}}, {{28, 2, 0}}},
    {"TP Y",
     "",
     {{"PGN", "1"}, {"TP", "Y"}, {"TP_Start", "1000"}, {"TP_NByte", "785"}},
     {{28, 2, 1}, {14, 2, 1000}, {16, 2, 785}}},
    {"empty N Byte means 8",
     "",
     {{"PGN", "1"}, {"TP_Start", ""}, {"TP_NByte", ""}},
     {{14, 2, 0}, {16, 2, 8}}},
    {"request period stored whatever the flag",
     "",
     {{"PGN", "1"}, {"OnRequest", "N"}, {"OnReq_Time", "$1000"}},
     {{20, 4, 0x1000}}},
    {"request period of blanks", "", {{"PGN", "1"}, {"OnReq_Time", " "}}, {{20, 4, 0}}},
};

TEST(J1939_Image, Receive_Entry_Fields) {
  for (const TRec_Case& c : Rec_Cases) {
    SCOPED_TRACE(c.name);
    TFixture_Project p;
    if (!c.par_gen.empty()) p.Write("ParGen.xml", c.par_gen);
    p.Write("J1939_Rec_Frames.xml", Rec_Frames_Xml({c.row}));
    const TImages images = p.Compile();
    for (const TField_Expect& e : c.expect)
      EXPECT_EQ(Read(images.bank2, Rec_Entry(0) + e.offset, e.width), e.value)
          << Describe_Offset(2, Rec_Entry(0) + e.offset);
  }
}

struct TSend_Case {
  const char* name;
  TRow row;
  std::vector<TField_Expect> expect;
};

const TSend_Case Send_Cases[] = {
    {"identifier",
     {{"Priority", "6"}, {"DP", "0"}, {"PGN", "0xFEF1"}, {"SA", "0x80"}},
     {{0, 4, 0x18FEF180}}},
    {"identifier with data page and a PGN above 16 bits",
     {{"Priority", "7"}, {"DP", "1"}, {"PGN", "131071"}, {"SA", "1"}},
     {{0, 4, 0x1EFFFF01}}},
    {"no triggers: bit 0 only, fixed fields",
     {{"PGN", "1"}, {"SendTimer", "100"}},
     {{4, 4, 0},
      {8, 4, 0xFFFFFFFF},
      {14, 2, 0},
      {18, 2, 0},
      {20, 4, 0xFFFFFFFF},
      {24, 4, 0},
      {30, 1, 0x01},
      {31, 1, 0}}},
    {"triggers in either case",
     {{"PGN", "1"},
      {"On_Request", "y"},
      {"On_Data_Change", "Y"},
      {"On_Timer", "y"},
      {"SendTimer", "250"}},
     {{30, 1, 0x71}, {4, 4, 250}}},
    {"On_Timer N keeps the period 0",
     {{"PGN", "1"}, {"On_Timer", "N"}, {"SendTimer", "250"}},
     {{30, 1, 0x01}, {4, 4, 0}}},
    {"On_Timer with a period that is not a number",
     {{"PGN", "1"}, {"On_Timer", "Y"}, {"SendTimer", "1e3"}},
     {{30, 1, 0x11}, {4, 4, 0}}},
    {"older trigger attribute is not read",
     {{"PGN", "1"}, {"T_Type", "ON TIMER"}},
     {{30, 1, 0x01}}},
    {"9 data bytes use the transport protocol",
     {{"PGN", "1"}, {"TP_NByte", "9"}},
     {{16, 2, 9}, {28, 2, 1}}},
    {"8 data bytes do not", {{"PGN", "1"}, {"TP_NByte", "8"}}, {{16, 2, 8}, {28, 2, 0}}},
    {"absent or empty N Bytes means 8", {{"PGN", "1"}, {"TP_NByte", ""}}, {{16, 2, 8}, {28, 2, 0}}},
};

TEST(J1939_Image, Send_Entry_Fields) {
  for (const TSend_Case& c : Send_Cases) {
    SCOPED_TRACE(c.name);
    TFixture_Project p;
    p.Write("J1939_Send_Frames.xml", Send_Frames_Xml({c.row}));
    const TImages images = p.Compile();
    for (const TField_Expect& e : c.expect)
      EXPECT_EQ(Read(images.bank2, Send_Entry(0) + e.offset, e.width), e.value)
          << Describe_Offset(2, Send_Entry(0) + e.offset);
  }
}

TEST(J1939_Image, Positions_Counts_And_Totals) {
  TFixture_Project p;
  p.Write("J1939_Rec_Frames.xml", Rec_Frames_Xml({{{"PGN", "1"}, {"TP_NByte", ""}},
                                                  {{"PGN", "2"}, {"TP_NByte", "20"}},
                                                  {{"PGN", "3"}, {"TP_NByte", "4"}}}));
  p.Write("J1939_Send_Frames.xml", Send_Frames_Xml({{{"PGN", "1"}, {"TP_NByte", "256"}},
                                                    {{"PGN", "2"}},
                                                    {{"PGN", "3"}, {"TP_NByte", "3"}},
                                                    {{"PGN", "4"}, {"TP_NByte", "1"}}}));
  const TImages images = p.Compile();
  EXPECT_EQ(U16(images.bank2, Rec_Entry(0) + 12), 0);
  EXPECT_EQ(U16(images.bank2, Rec_Entry(1) + 12), 8);
  EXPECT_EQ(U16(images.bank2, Rec_Entry(2) + 12), 28);
  EXPECT_EQ(U32(images.bank1, 116), 32u);
  EXPECT_EQ(U32(images.bank1, 144), 3u);
  EXPECT_EQ(U16(images.bank2, Send_Entry(0) + 12), 0);
  EXPECT_EQ(U16(images.bank2, Send_Entry(1) + 12), 256);
  EXPECT_EQ(U16(images.bank2, Send_Entry(2) + 12), 264);
  EXPECT_EQ(U16(images.bank2, Send_Entry(3) + 12), 267);
  EXPECT_EQ(U32(images.bank1, 120), 268u);
  EXPECT_EQ(U32(images.bank1, 148), 4u);
  EXPECT_EQ(U32(images.bank1, 204), 0x80000u);
  EXPECT_EQ(U32(images.bank1, 208), 0x84000u);
  // The entries after the rows stay free.
  EXPECT_EQ(U32(images.bank2, Rec_Entry(3)), 0xFFFFFFFFu);
  EXPECT_EQ(U32(images.bank2, Send_Entry(4) + 20), 0xFFFFFFFFu);
}

TEST(J1939_Image, Every_Child_Element_Is_A_Frame_And_Nothing_Else_Is) {
  TFixture_Project p;
  // Rows as hand edits leave them: another element name, an empty PGN, a
  // comment and blanks between the rows.
  p.Write("J1939_Rec_Frames.xml",
          "<Receive_J1939>\n  <row PGN=\"1\"/>\n  <!-- note -->\n  <frame PGN=\"2\"/>\n"
          "  <row PGN=\"\"/>\n</Receive_J1939>");
  const TImages images = p.Compile();
  EXPECT_EQ(U32(images.bank1, 144), 3u);
  EXPECT_EQ(U32(images.bank2, Rec_Entry(1)), 0x200u);
  EXPECT_EQ(U32(images.bank2, Rec_Entry(2)), 0u);
  EXPECT_EQ(U32(images.bank2, Rec_Entry(3)), 0xFFFFFFFFu);
}

TEST(J1939_Image, No_Rows_Gives_Free_Tables) {
  for (const bool files : {false, true}) {
    SCOPED_TRACE(files ? "empty files" : "no files");
    TFixture_Project p;
    if (files) {
      p.Write("J1939_Rec_Frames.xml", Rec_Frames_Xml({}));
      p.Write("J1939_Send_Frames.xml", Send_Frames_Xml({}));
    }
    const TImages images = p.Compile();
    std::vector<uint8_t> free_entry(32, 0);
    for (const size_t at : {0, 4, 8, 20})
      std::fill(free_entry.begin() + at, free_entry.begin() + at + 4, 0xFF);
    for (size_t i = 0; i < 1024; ++i) {
      const std::vector<uint8_t> entry(images.bank2.begin() + 32 * i,
                                       images.bank2.begin() + 32 * i + 32);
      ASSERT_EQ(entry, free_entry) << Describe_Offset(2, 32 * i);
    }
    for (const size_t at : {116, 120, 144, 148})
      EXPECT_EQ(U32(images.bank1, at), 0u) << Describe_Offset(1, at);
  }
}

TEST(J1939_Image, Full_Tables_Of_512_Frames) {
  TFixture_Project p;
  std::vector<TRow> rec(512, TRow{{"PGN", "1"}, {"TP_NByte", "2"}});
  std::vector<TRow> send(512, TRow{{"PGN", "1"}, {"TP_NByte", "1"}});
  p.Write("J1939_Rec_Frames.xml", Rec_Frames_Xml(rec));
  p.Write("J1939_Send_Frames.xml", Send_Frames_Xml(send));
  const TImages images = p.Compile();
  EXPECT_EQ(U32(images.bank1, 144), 512u);
  EXPECT_EQ(U32(images.bank1, 148), 512u);
  EXPECT_EQ(U32(images.bank1, 116), 1024u);
  EXPECT_EQ(U16(images.bank2, Rec_Entry(511) + 12), 1022);
  EXPECT_EQ(U16(images.bank2, Send_Entry(511) + 12), 511);
  EXPECT_EQ(U32(images.bank2, Section + 32), 0x88028u); // the section follows at once
}

} // namespace
} // namespace zentar::test
