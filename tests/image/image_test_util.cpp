#include "image_test_util.h"

#include <cstdio>

namespace zentar::test {

std::string Xml_Escape(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
    case '&':
      out += "&amp;";
      break;
    case '<':
      out += "&lt;";
      break;
    case '>':
      out += "&gt;";
      break;
    case '"':
      out += "&quot;";
      break;
    default:
      out += c;
    }
  }
  return out;
}

std::string Row_Xml(const TRow& row) {
  std::string s = "<row";
  for (const auto& [name, value] : row)
    s += " " + name + "=\"" + Xml_Escape(value) + "\"";
  return s + "/>";
}

namespace {

const char* const Comment = "<!--SW_VERSION = 1.001-->";

std::string Rows(const std::vector<TRow>& rows) {
  std::string s;
  for (const TRow& r : rows)
    s += Row_Xml(r);
  return s;
}

std::string Section_Xml(const char* name, const std::vector<TRow>& rows) {
  return std::string("<") + name + ">" + Rows(rows) + "</" + name + ">";
}

} // namespace

std::string Par_Gen_Xml(const std::vector<std::pair<std::string, std::string>>& keys) {
  std::string s = "<Par_Gen>";
  for (const auto& [key, value] : keys)
    s += "<" + key + ">" + Xml_Escape(value) + "</" + key + ">";
  return s + "</Par_Gen>" + Comment;
}

std::string Rec_Frames_Xml(const std::vector<TRow>& rows) {
  return Section_Xml("Receive_J1939", rows) + Comment;
}

std::string Send_Frames_Xml(const std::vector<TRow>& rows) {
  return Section_Xml("Transmit_J1939", rows) + Comment;
}

std::string Variables_Xml(const std::vector<TRow>& slave_to_master,
                          const std::vector<TRow>& master_to_slave) {
  return "<EtherCAT_Slave><EtherCAT_Slave_Variables>" +
         Section_Xml("EtherCAT_Slave_To_Master", slave_to_master) +
         Section_Xml("EtherCAT_Master_To_Slave", master_to_slave) +
         "</EtherCAT_Slave_Variables></EtherCAT_Slave>" + Comment;
}

std::string Groups_Xml(const std::vector<TRow>& slave_to_master,
                       const std::vector<TRow>& master_to_slave) {
  return "<PROFINET_Master_to_Modbus_TCP_Master>" +
         Section_Xml("Slave_to_Master", slave_to_master) +
         Section_Xml("Master_to_Slave", master_to_slave) +
         "</PROFINET_Master_to_Modbus_TCP_Master>" + Comment;
}

TImages TFixture_Project::Compile() const {
  TImages images;
  std::string error;
  EXPECT_TRUE(Compile_Images(Project_Files(Dir()), images, error)) << error;
  return images;
}

std::string TFixture_Project::Refusal() const {
  TImages images;
  std::string error;
  if (Compile_Images(Project_Files(Dir()), images, error)) return "";
  EXPECT_FALSE(error.empty());
  EXPECT_TRUE(images.bank1.empty() && images.bank2.empty());
  return error;
}

uint32_t U32(const std::vector<uint8_t>& image, size_t offset) {
  if (offset + 4 > image.size()) {
    ADD_FAILURE() << "offset " << offset << " beyond the image of " << image.size() << " bytes";
    return 0;
  }
  return static_cast<uint32_t>(image[offset]) | static_cast<uint32_t>(image[offset + 1]) << 8 |
         static_cast<uint32_t>(image[offset + 2]) << 16 |
         static_cast<uint32_t>(image[offset + 3]) << 24;
}

uint16_t U16(const std::vector<uint8_t>& image, size_t offset) {
  if (offset + 2 > image.size()) {
    ADD_FAILURE() << "offset " << offset << " beyond the image of " << image.size() << " bytes";
    return 0;
  }
  return static_cast<uint16_t>(image[offset] | image[offset + 1] << 8);
}

namespace {

struct TField {
  size_t offset;
  size_t size;
  const char* name;
};

const char* Field_Name(const TField* fields, size_t count, size_t offset) {
  for (size_t i = 0; i < count; ++i)
    if (offset >= fields[i].offset && offset < fields[i].offset + fields[i].size)
      return fields[i].name;
  return "unused, 0";
}

const TField Bank1_Fields[] = {
    {0, 4, "J1939 bit rate"},
    {4, 4, "J1939 bit rate again"},
    {12, 4, "fixed 9600"},
    {28, 4, "J1939 device identifier"},
    {40, 4, "IP address"},
    {44, 4, "subnet mask"},
    {48, 4, "gateway"},
    {52, 2, "fixed 10000"},
    {54, 2, "fixed 10001"},
    {56, 2, "fixed 10001"},
    {80, 16, "EtherCAT slave name"},
    {116, 4, "receive data bytes"},
    {120, 4, "send data bytes"},
    {144, 4, "receive frames"},
    {148, 4, "send frames"},
    {152, 4, "J1939 options"},
    {204, 4, "receive table address"},
    {208, 4, "send table address"},
    {436, 8, "fixed 8s"},
    {1256, 2, "network flags"},
    {1300, 32, "device name"},
    {1340, 4, "secondary DNS"},
    {1420, 4, "primary DNS"},
    {1644, 8, "format version"},
    {1776, 4, "EtherCAT section address"},
    {2044, 4, "checksum"},
};

const TField Rec_Fields[] = {
    {0, 4, "identifier"},
    {4, 4, "0"},
    {8, 4, "data time-out"},
    {12, 2, "data position"},
    {14, 2, "first byte kept"},
    {16, 2, "bytes kept"},
    {18, 2, "0"},
    {20, 4, "request period"},
    {24, 4, "0"},
    {28, 2, "transport protocol"},
    {30, 1, "flags"},
    {31, 1, "0"},
};

const TField Send_Fields[] = {
    {0, 4, "identifier"}, {4, 4, "send period"},
    {8, 4, "0xFFFFFFFF"}, {12, 2, "data position"},
    {14, 2, "0"},         {16, 2, "number of data bytes"},
    {18, 2, "0"},         {20, 4, "0xFFFFFFFF"},
    {24, 4, "0"},         {28, 2, "transport protocol"},
    {30, 1, "flags"},     {31, 1, "0"},
};

const TField Header_Fields[] = {
    {0, 14, "EEPROM configuration"},
    {14, 2, "node address"},
    {16, 1, "clear data"},
    {17, 3, "0"},
    {20, 4, "group record address"},
    {24, 4, "revision number"},
    {28, 2, "Slave to Master count"},
    {30, 2, "Master to Slave count"},
    {32, 4, "Slave to Master records address"},
    {36, 4, "Master to Slave records address"},
};

const TField Record_Fields[] = {
    {0, 1, "Data_Type"},    {1, 1, "length"},       {2, 1, "access"},
    {3, 1, "bit_address"},  {4, 4, "position"},     {8, 4, "subindex"},
    {12, 4, "entry_index"}, {16, 4, "group_index"}, {20, 4, "init_value_Add"},
    {24, 4, "name_length"}, {28, 4, "name_add"},
};

std::string Entry(const char* table, size_t index, size_t within, const char* field) {
  return std::string(table) + ", entry " + std::to_string(index) + ", offset " +
         std::to_string(within) + " (" + field + ")";
}

} // namespace

std::string Describe_Offset(int bank, size_t offset) {
  if (bank == 1) {
    return "bank 1, offset " + std::to_string(offset) + " (" +
           Field_Name(Bank1_Fields, std::size(Bank1_Fields), offset) + ")";
  }
  std::string where = "bank 2, ";
  if (offset < 16384)
    return where + Entry("receive table", offset / 32, offset % 32,
                         Field_Name(Rec_Fields, std::size(Rec_Fields), offset % 32));
  if (offset < 32768)
    return where + Entry("send table", (offset - 16384) / 32, offset % 32,
                         Field_Name(Send_Fields, std::size(Send_Fields), offset % 32));
  const size_t s = offset - Section;
  where += "EtherCAT section, ";
  if (s < 40)
    return where + "header, offset " + std::to_string(s) + " (" +
           Field_Name(Header_Fields, std::size(Header_Fields), s) + ")";
  if (s < 16424) {
    const bool in = s < 8232;
    const size_t r = in ? s - 40 : s - 8232;
    return where + Entry(in ? "Slave to Master records" : "Master to Slave records", r / 32, r % 32,
                         Field_Name(Record_Fields, std::size(Record_Fields), r % 32));
  }
  if (s < 16556) {
    const size_t g = s - 16424;
    std::string field = g < 64     ? "group_In_Add[" + std::to_string(g / 4) + "]"
                        : g < 128  ? "group_Out_Add[" + std::to_string((g - 64) / 4) + "]"
                        : g == 128 ? "Num_In"
                        : g == 129 ? "Num_Out"
                                   : "Spare";
    return where + "group record, offset " + std::to_string(g) + " (" + field + ")";
  }
  if (s == 16556) return where + "offset 16556 (the empty text)";
  return where + "pool, offset " + std::to_string(s - 16557);
}

::testing::AssertionResult Same_Image(int bank, const std::vector<uint8_t>& actual,
                                      const std::vector<uint8_t>& expected) {
  const size_t common = std::min(actual.size(), expected.size());
  for (size_t i = 0; i < common; ++i) {
    if (actual[i] != expected[i]) {
      char bytes[64];
      std::snprintf(bytes, sizeof bytes, "0x%02X where 0x%02X was expected", actual[i],
                    expected[i]);
      return ::testing::AssertionFailure() << "first difference at offset " << i << " = "
                                           << Describe_Offset(bank, i) << ": " << bytes;
    }
  }
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure()
           << "bank " << bank << " has " << actual.size() << " bytes where " << expected.size()
           << " were expected (equal up to offset " << common << ", "
           << Describe_Offset(bank, common) << ")";
  return ::testing::AssertionSuccess();
}

} // namespace zentar::test
