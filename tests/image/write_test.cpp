// Writing the two image files: both or neither, bin created when missing.
#include "common/safe_file.h"

#include "image_test_util.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace zentar::test {
namespace {

std::vector<std::string> Bin_Entries(const std::string& bin) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(bin))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(Write_Images, Creates_Bin_And_Writes_Exactly_The_Buffers) {
  TFixture_Project p;
  p.Write("J1939_Rec_Frames.xml", Rec_Frames_Xml({{{"PGN", "1"}}}));
  const TImages images = p.Compile();
  std::string error;
  ASSERT_TRUE(Compile_Project(p.Dir(), error)) << error;
  EXPECT_EQ(Bin_Entries(p.File("bin")), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));
  const std::string bank1 = Read_Text(p.File("bin/bank1.bin"));
  const std::string bank2 = Read_Text(p.File("bin/bank2.bin"));
  EXPECT_EQ(std::vector<uint8_t>(bank1.begin(), bank1.end()), images.bank1);
  EXPECT_EQ(std::vector<uint8_t>(bank2.begin(), bank2.end()), images.bank2);
  // A second compilation of the same files gives the same bytes.
  ASSERT_TRUE(Compile_Project(p.Dir(), error)) << error;
  EXPECT_EQ(Read_Text(p.File("bin/bank1.bin")), bank1);
  EXPECT_EQ(Read_Text(p.File("bin/bank2.bin")), bank2);
}

TEST(Write_Images, Failure_Leaves_The_Previous_Images_Whole) {
  TFixture_Project p;
  std::string error;
  ASSERT_TRUE(Compile_Project(p.Dir(), error)) << error;
  const std::string old1 = Read_Text(p.File("bin/bank1.bin"));
  const std::string old2 = Read_Text(p.File("bin/bank2.bin"));
  p.Write("ParGen.xml", Par_Gen_Xml({{"J1939_BAUDRATE", "7"}}));

  // bank2.bin cannot be written: a folder stands in its place. bank1.bin,
  // which could be written, must not change either.
  ASSERT_EQ(unlink(p.File("bin/bank2.bin").c_str()), 0);
  std::filesystem::create_directories(p.File("bin/bank2.bin/x"));
  EXPECT_FALSE(Compile_Project(p.Dir(), error));
  EXPECT_NE(error.find(p.File("bin/bank2.bin")), std::string::npos) << error;
  EXPECT_EQ(Read_Text(p.File("bin/bank1.bin")), old1);
  EXPECT_EQ(Bin_Entries(p.File("bin")), (std::vector<std::string>{"bank1.bin", "bank2.bin"}));
  std::filesystem::remove_all(p.File("bin/bank2.bin"));
  Write_Text(p.File("bin/bank2.bin"), old2);

  // A read-only bin folder (only meaningful where permissions bind).
  if (geteuid() != 0) {
    ASSERT_EQ(chmod(p.File("bin").c_str(), 0555), 0);
    EXPECT_FALSE(Compile_Project(p.Dir(), error));
    EXPECT_NE(error.find(p.File("bin")), std::string::npos) << error;
    chmod(p.File("bin").c_str(), 0755);
    EXPECT_EQ(Read_Text(p.File("bin/bank1.bin")), old1);
    EXPECT_EQ(Read_Text(p.File("bin/bank2.bin")), old2);
  }

  // bin cannot be created: a file stands in its place.
  TFixture_Project q;
  q.Write("bin", "not a folder");
  EXPECT_FALSE(Compile_Project(q.Dir(), error));
  EXPECT_NE(error.find(q.File("bin")), std::string::npos) << error;
  EXPECT_EQ(Read_Text(q.File("bin")), "not a folder");
}

} // namespace
} // namespace zentar::test
