// Complete projects compiled and compared byte for byte with stored images.
// Set ZENTAR_UPDATE_GOLDEN=1 to rewrite the stored images after a deliberate
// change of the image layout (and check the new bytes before committing).
#include "common/safe_file.h"

#include "image_test_util.h"

#include <cstdlib>
#include <filesystem>

namespace zentar::test {
namespace {

const char* const Project_Names[] = {"hand_checked", "editor_files", "hand_edited"};

std::string Golden_Dir(const std::string& name) {
  return std::string(ZENTAR_TEST_DATA) + "/image/" + name;
}

std::vector<uint8_t> Bytes_Of(const std::string& text) {
  return std::vector<uint8_t>(text.begin(), text.end());
}

// Compiles a copy of the stored project, as zentar-cli and the update step do.
TImages Compile_Copy(const std::string& name, TTemp_Dir& dir) {
  for (const auto& entry : std::filesystem::directory_iterator(Golden_Dir(name)))
    if (entry.is_regular_file())
      std::filesystem::copy_file(entry.path(), dir / entry.path().filename().string());
  std::string error;
  EXPECT_TRUE(Compile_Project(dir.Path(), error)) << error;
  TImages images;
  images.bank1 = Bytes_Of(Read_Text(dir / "bin/bank1.bin"));
  images.bank2 = Bytes_Of(Read_Text(dir / "bin/bank2.bin"));
  return images;
}

TEST(Golden, Projects_Compile_To_The_Stored_Images) {
  const bool update = std::getenv("ZENTAR_UPDATE_GOLDEN") != nullptr;
  for (const char* name : Project_Names) {
    SCOPED_TRACE(name);
    TTemp_Dir dir;
    const TImages images = Compile_Copy(name, dir);
    const std::string expected = Golden_Dir(name) + "/expected";
    if (update) {
      std::filesystem::create_directories(expected);
      std::string error;
      ASSERT_TRUE(
          Write_File_Safe(expected + "/bank1.bin", Read_Text(dir / "bin/bank1.bin"), error));
      ASSERT_TRUE(
          Write_File_Safe(expected + "/bank2.bin", Read_Text(dir / "bin/bank2.bin"), error));
    }
    ASSERT_TRUE(File_Exists(expected + "/bank1.bin"));
    EXPECT_TRUE(Same_Image(1, images.bank1, Bytes_Of(Read_Text(expected + "/bank1.bin"))));
    EXPECT_TRUE(Same_Image(2, images.bank2, Bytes_Of(Read_Text(expected + "/bank2.bin"))));
  }
}

// The images of the project "hand_checked", written out field by field from
// its files. Device addresses: B = 0x88000, the pool starts at B + 16557 =
// 0x8C0AD. Pool: "On" 0x8C0AD, "Fault" 0x8C0B0, "Temp" 0x8C0B6, "Tag"
// 0x8C0BB, "Cmd" 0x8C0BF, groups "Status" 0x8C0C3, "Data" 0x8C0CA, "Control"
// 0x8C0CF, then the initial values of On (01) 0x8C0D7, Temp (D8 FF) 0x8C0D8
// and Tag (41 42 00 00) 0x8C0DA; the pool ends at 0x8C0DE, 49 bytes.
class THand_Image {
public:
  explicit THand_Image(size_t size) : bytes(size, 0) {}
  void U8(size_t at, uint32_t v) { bytes.at(at) = static_cast<uint8_t>(v); }
  void U16(size_t at, uint32_t v) {
    U8(at, v);
    U8(at + 1, v >> 8);
  }
  void U32(size_t at, uint32_t v) {
    U16(at, v);
    U16(at + 2, v >> 16);
  }
  void Text(size_t at, const std::string& s) {
    for (size_t i = 0; i < s.size(); ++i)
      U8(at + i, static_cast<uint8_t>(s[i]));
  }
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Hand_Bank1() {
  THand_Image b(2048);
  b.U32(0, 125000); // code 5
  b.U32(4, 125000);
  b.U32(12, 9600);
  b.U32(28, 42);
  b.Text(40, {10, 0, 0, 7});
  b.Text(44, {'\xFF', '\xFF', 0, 0});
  b.Text(48, {10, 0, 0, 1}); // gateway enabled
  b.U16(52, 10000);
  b.U16(54, 10001);
  b.U16(56, 10001);
  b.Text(80, "Conv");
  b.U32(116, 8 + 20); // N Byte empty (8) and 20
  b.U32(120, 8 + 12);
  b.U32(144, 2);
  b.U32(148, 2);
  b.U32(152, 0);
  b.U32(204, 0x80000);
  b.U32(208, 0x84000);
  b.Text(436, std::string(8, '\x08'));
  b.U16(1256, 0);
  b.Text(1300, "gw-1");
  b.Text(1340, {9, 9, 9, 9});
  b.Text(1420, {1, 1, 1, 1});
  b.Text(1644, "1.001");
  b.U32(1776, 0x88000);
  uint32_t sum = 0;
  for (size_t i = 0; i < 2044; ++i)
    sum += b.bytes[i];
  b.U32(2044, sum);
  return b.bytes;
}

std::vector<uint8_t> Hand_Bank2() {
  THand_Image b(32768 + 16557 + 49);
  auto free_entry = [&](size_t at) {
    b.U32(at, 0xFFFFFFFF);
    b.U32(at + 4, 0xFFFFFFFF);
    b.U32(at + 8, 0xFFFFFFFF);
    b.U32(at + 20, 0xFFFFFFFF);
  };
  for (size_t i = 0; i < 1024; ++i)
    free_entry(32 * i);
  // Receive 0: DP 0, PGN 0xFEF1, SA 0; Delete Y with time-out 3 s.
  b.U32(0, 0x00FEF100);
  b.U32(4, 0);
  b.U32(8, 3000);
  b.U16(12, 0);
  b.U16(14, 0);
  b.U16(16, 8);
  b.U32(20, 1000);
  // Receive 1: DP 1, PGN 256, SA 17, TP, Start 2, 20 bytes, OnRequest y.
  b.U32(32, (65536 + 256) * 256 + 17);
  b.U32(36, 0);
  b.U32(40, 0);
  b.U16(44, 8);
  b.U16(46, 2);
  b.U16(48, 20);
  b.U32(52, 500);
  b.U16(60, 1);
  b.U8(62, 0x80);
  // Send 0: priority 6, PGN 0xF004, SA 0x21; data change and timer 100 ms.
  b.U32(16384, 0x18F00421);
  b.U32(16388, 100);
  b.U16(16396, 0);
  b.U16(16400, 8);
  b.U8(16414, 0x01 | 0x20 | 0x10);
  // Send 1: priority 3, DP 1, PGN 0xFF00, SA 5; 12 bytes; request.
  b.U32(16416, ((3 * 4 + 1) * 65536 + 0xFF00) * 256 + 5);
  b.U32(16420, 0);
  b.U16(16428, 8);
  b.U16(16432, 12);
  b.U16(16444, 1);
  b.U8(16446, 0x01 | 0x40);

  const size_t s = 32768;
  b.Text(s, std::string("\x80\x0F\x00\xCC\x88\x13\xFF\x00\x00\x00\x00\x80\x00\x00", 14));
  b.U16(s + 14, 5);
  b.U8(s + 16, 1);
  b.U32(s + 20, 0x8C028);
  b.U32(s + 24, 0x00010002);
  b.U16(s + 28, 4);
  b.U16(s + 30, 2);
  b.U32(s + 32, 0x88028);
  b.U32(s + 36, 0x8A028);
  for (size_t i = 0; i < 512; ++i)
    b.U32(s + 40 + 32 * i + 16, 0xFFFFFFFF);
  struct TRec {
    size_t at;
    uint8_t type, length, access, bit;
    uint32_t position, subindex, group, init, name_length, name;
  };
  const TRec records[] = {
      {s + 40, 1, 1, 1, 0, 0, 0, 0, 0x8C0D7, 2, 0x8C0AD},      // On
      {s + 72, 1, 1, 1, 1, 0, 1, 0, 0, 5, 0x8C0B0},            // Fault
      {s + 104, 3, 2, 1, 0, 1, 2, 1, 0x8C0D8, 4, 0x8C0B6},     // Temp
      {s + 136, 9, 4, 1, 0, 3, 3, 1, 0x8C0DA, 3, 0x8C0BB},     // Tag
      {s + 8232, 5, 1, 0, 0, 0, 0, 0, 0, 3, 0x8C0BF},          // Cmd
      {s + 8264, 8, 4, 0, 0, 1, 1, 0xFFFFFFFF, 0, 0, 0x8C0AC}, // no name
  };
  for (const TRec& r : records) {
    b.U8(r.at, r.type);
    b.U8(r.at + 1, r.length);
    b.U8(r.at + 2, r.access);
    b.U8(r.at + 3, r.bit);
    b.U32(r.at + 4, r.position);
    b.U32(r.at + 8, r.subindex);
    b.U32(r.at + 16, r.group);
    b.U32(r.at + 20, r.init);
    b.U32(r.at + 24, r.name_length);
    b.U32(r.at + 28, r.name);
  }
  const size_t g = s + 16424;
  b.U32(g, 0x8C0C3);
  b.U32(g + 4, 0x8C0CA);
  b.U32(g + 64, 0x8C0CF);
  b.U8(g + 128, 2);
  b.U8(g + 129, 1);
  b.Text(s + 16557, std::string("On\0Fault\0Temp\0Tag\0Cmd\0Status\0Data\0Control\0", 42));
  b.Text(s + 16557 + 42, std::string("\x01\xD8\xFF"
                                     "AB\0\0",
                                     7));
  return b.bytes;
}

TEST(Golden, Hand_Checked_Project_Field_By_Field) {
  TTemp_Dir dir;
  const TImages images = Compile_Copy("hand_checked", dir);
  EXPECT_TRUE(Same_Image(1, images.bank1, Hand_Bank1()));
  EXPECT_TRUE(Same_Image(2, images.bank2, Hand_Bank2()));
}

TEST(Golden, Difference_Report_Names_The_Field) {
  std::vector<uint8_t> a(49374, 0), b = a;
  b[32768 + 8232 + 32 + 20] = 1;
  const std::string message = Same_Image(2, a, b).message();
  EXPECT_NE(message.find("offset 41052"), std::string::npos) << message;
  EXPECT_NE(message.find("Master to Slave records, entry 1, offset 20 (init_value_Add)"),
            std::string::npos)
      << message;
  EXPECT_EQ(Describe_Offset(2, 16384 + 64 + 30), "bank 2, send table, entry 2, offset 30 (flags)");
  EXPECT_EQ(Describe_Offset(1, 1302), "bank 1, offset 1302 (device name)");
}

} // namespace
} // namespace zentar::test
