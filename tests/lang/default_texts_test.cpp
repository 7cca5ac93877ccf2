// English defaults of the interface text table.
#include "lang/language.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zentar {
namespace {

class Default_Texts_Test : public ::testing::Test {
protected:
  void SetUp() override { Set_Default_Texts(texts, count); }
  std::vector<std::string> texts;
  int count = 0;
};

TEST_F(Default_Texts_Test, Has_5400_Slots_None_Empty) {
  EXPECT_EQ(count, 5400);
  ASSERT_EQ(texts.size(), 5400u);
  for (size_t i = 0; i < texts.size(); ++i)
    EXPECT_FALSE(texts[i].empty()) << "slot " << i;
}

// Exact texts across the blocks, trailing blanks and misspellings included;
// slots that carry no text are a single blank.
TEST_F(Default_Texts_Test, Spot_Checks) {
  struct TCase {
    int index;
    const char* text;
  };
  const TCase cases[] = {
      {9, "None Configuration Opened "},
      {11, "Opened Configuration of the Converter : "},
      {23, "Open an exists configuration"},
      {80, "Set The EtherCAT Group"},
      {202, "List of Avaliable Configurations"},
      {304, "Selected Language : "},
      {306, " / "},
      {412, "Error EtherCAT Slave!! Revision Number must be between 0x00000000 and 0xFFFFFFFF"},
      {705, "Enable/disable the Default Gateway"},
      {722, "Error Ethernet!! IP Address 3 must be between 0 and 255"},
      {1055, "!! [Slave to Master] Init Value one or more characters is not admited. Use 0..9 and "
             "A..F"},
      {1101, "Error in the Copy values!!! Copy a valid row before Paste it"},
      {1236, "Device Not Found!"},
      {1565, "Error Primary DNS!! DNS 3 must be between 0 and 255"},
      {1685, "Clear all data when the device lost communication with EtherCAT Master"},
      {3509, "Exit without save the 1939 Receive Frames List"},
      {3545, "Error!! Too many bytes of data, the max number is "},
      {3640, "!! Num Byte must be between 0 and "},
      {5322, "Are you sure to delete the Row number %d"},
      {5326, "!! [Slave to Master] Num Variables must be beetween 1 and 256"},
      {27, " "},
      {81, " "},
      {5399, " "},
  };
  for (const auto& c : cases)
    EXPECT_EQ(texts.at(c.index), c.text) << "text " << c.index;
}

// Windows apply these runs of texts slot by slot; a gap would show a blank
// caption, header, hint or message.
TEST_F(Default_Texts_Test, Window_Ranges_Are_Filled) {
  const struct {
    int first, last;
  } ranges[] = {{0, 26},      {100, 110},   {200, 207},   {300, 321},   {720, 731},  {1051, 1062},
                {1215, 1224}, {1544, 1570}, {3500, 3547}, {3600, 3643}, {5300, 5329}};
  for (const auto& r : ranges)
    for (int i = r.first; i <= r.last; ++i)
      EXPECT_NE(texts.at(i), " ") << "text " << i;
}

} // namespace
} // namespace zentar
