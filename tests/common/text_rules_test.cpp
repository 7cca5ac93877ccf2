#include "common/text_rules.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace zentar;

TEST(Text_To_Int, IntegerTexts) {
  struct Case {
    const char* text;
    int expected;
  };
  const Case cases[] = {
      {"17", 17},
      {" -5", -5},
      {"$1F", 31},
      {"0x1f", 31},
      {"X1f", 31},
      {"x10", 16},
      {"0X10", 16},
      {"+0", 0},
      {"-$10", -16},
      {"  42", 42},
      {"$FFFFFFFF", -1},
      {"$7FFFFFFF", 2147483647},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"007", 7},
      // Invalid texts give the fallback.
      {"2147483648", -99},
      {"-2147483649", -99},
      {"", -99},
      {"42  ", -99},
      {"17 ", -99},
      {"1.5", -99},
      {"+", -99},
      {"-", -99},
      {"$", -99},
      {"0x", -99},
      {"$100000000", -99},
      {"\t5", -99},
      {"5a", -99},
      {"--5", -99},
      {"$G", -99},
      {"0x-5", -99},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Text_To_Int(c.text, -99), c.expected) << '"' << c.text << '"';
}

TEST(Text_To_Int64, UsesTheWholeWidth) {
  EXPECT_EQ(Text_To_Int64("9223372036854775807", -1), INT64_MAX);
  EXPECT_EQ(Text_To_Int64("9223372036854775808", -1), -1);
  EXPECT_EQ(Text_To_Int64("2147483648", -1), 2147483648LL);
  EXPECT_EQ(Text_To_Int64("$FFFFFFFFFFFFFFFF", 0), -1);
  EXPECT_EQ(Text_To_Int64("$FFFFFFFF", 0), 4294967295LL);
  EXPECT_EQ(Text_To_Int64("$10000000000000000", 7), 7);
}

TEST(Split_IP, Addresses) {
  struct Case {
    const char* text;
    bool valid;
    const char* parts[4];
  };
  const Case cases[] = {
      {"192.168.2.205", true, {"192", "168", "2", "205"}},
      {" 192 . 168 .2 . 205 ", true, {"192", "168", "2", "205"}},
      {"255.255.255.255", true, {"255", "255", "255", "255"}},
      {"-0.0.0.0", true, {"-0", "0", "0", "0"}},
      {"192.168.2.0x10", true, {"192", "168", "2", "0x10"}},
      {"256.1.1.1", false, {"256", "1", "1", "1"}},
      {"a.b.c.d", false, {"a", "b", "c", "d"}},
      {"1..2.3", false, {"1", "", "2", "3"}},
      {"1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
  };
  for (const Case& c : cases) {
    std::string p[4];
    EXPECT_EQ(Split_IP(c.text, p[0], p[1], p[2], p[3]), c.valid) << c.text;
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(p[i], c.parts[i]) << c.text << " part " << i;
  }
  std::string a = "x", b = "x", c = "x", d = "x";
  EXPECT_FALSE(Split_IP("192.168.2", a, b, c, d));
  EXPECT_FALSE(Split_IP("nodots", a, b, c, d));
}

TEST(Text_Rules, TrimUpperAndNumberOutput) {
  EXPECT_EQ(Trim("\t  a b \r\n"), "a b");
  EXPECT_EQ(Trim("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0"); // no-break space is kept
  EXPECT_EQ(Upper_Case("aZ\xC3\xA9-q"), "AZ\xC3\xA9-Q");
  EXPECT_TRUE(Same_Text("Proj_a", "PROJ_A"));
  EXPECT_EQ(Int_To_Str(-42), "-42");
  EXPECT_EQ(Int_To_Hex(0xFEF1, 2), "FEF1");
  EXPECT_EQ(Int_To_Hex(0xA, 4), "000A");
}

TEST(List_COM_Ports, ListsExistingSerialDevicesInOrder) {
  zentar::test::TTemp_Dir dev;
  // Character devices stand in for ports; a dangling name and other devices are not ports.
  ASSERT_EQ(symlink("/dev/null", (dev / "ttyUSB1").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", (dev / "ttyS10").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", (dev / "ttyS2").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", (dev / "ttyACM0").c_str()), 0);
  ASSERT_EQ(symlink("/dev/null", (dev / "sda1").c_str()), 0);
  ASSERT_EQ(symlink("/nonexistent", (dev / "ttyUSB0").c_str()), 0);
  zentar::test::Write_Text(dev / "ttyS3", "plain file");
  const std::vector<std::string> expected = {"ttyS2", "ttyS10", "ttyUSB1", "ttyACM0"};
  EXPECT_EQ(List_COM_Ports(dev.Path()), expected);
  EXPECT_TRUE(List_COM_Ports(dev / "missing").empty());
}
