// zentar-cli as a whole process: exit codes, messages, files left.
#include "common/safe_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zentar::test {
namespace {

struct TRun {
  int exit_code = -1;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& s) {
  std::string q(1, '\'');
  for (const char c : s) {
    if (c == '\'')
      q.append("'\\''");
    else
      q.push_back(c);
  }
  q.push_back('\'');
  return q;
}

TRun Run_Cli(const std::vector<std::string>& args) {
  TTemp_Dir io;
  std::string command = Quote(ZENTAR_BINARY_DIR "/zentar-cli");
  for (const std::string& a : args)
    command.append(1, ' ').append(Quote(a));
  command.append(" >").append(Quote(io / "out")).append(" 2>").append(Quote(io / "err"));
  const int status = std::system(command.c_str());
  TRun r;
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  r.out = Read_Text(io / "out");
  r.err = Read_Text(io / "err");
  return r;
}

TEST(Cli, Compile_Writes_Both_Images_Silently) {
  TTemp_Dir project;
  Write_Text(project / "J1939_Rec_Frames.xml", "<Receive_J1939><row PGN=\"1\"/></Receive_J1939>");
  const TRun r = Run_Cli({"compile", project.Path()});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(Read_Text(project / "bin/bank1.bin").size(), 2048u);
  EXPECT_EQ(Read_Text(project / "bin/bank2.bin").size(), 32768u + 16557u);
}

TEST(Cli, Refusal_Exits_1_With_The_Message_And_Writes_Nothing) {
  TTemp_Dir project;
  Write_Text(project / "EtherCAT_Slave_Group.xml", "<PROFINET_Master_to_Modbus_TCP_Master>");
  const TRun r = Run_Cli({"compile", project.Path()});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_NE(r.err.find(project / "EtherCAT_Slave_Group.xml"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("not well-formed"), std::string::npos) << r.err;
  EXPECT_FALSE(Folder_Exists(project / "bin"));

  const TRun missing = Run_Cli({"compile", project / "missing"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_NE(missing.err.find(project / "missing"), std::string::npos) << missing.err;
}

TEST(Cli, Wrong_Usage_Exits_2_With_A_Usage_Line) {
  const std::vector<std::vector<std::string>> wrong = {
      {}, {"compile"}, {"compile", "a", "b"}, {"compile", ""}, {"build", "x"}, {"--bogus"}};
  for (const auto& args : wrong) {
    const TRun r = Run_Cli(args);
    EXPECT_EQ(r.exit_code, 2) << args.size();
    EXPECT_NE(r.err.find("usage: zentar-cli compile PROJECT_FOLDER"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
  }
}

TEST(Cli, Help_And_Version) {
  const TRun help = Run_Cli({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_NE(help.out.find("zentar-cli compile PROJECT_FOLDER"), std::string::npos) << help.out;
  const TRun version = Run_Cli({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out.rfind("zentar-cli ", 0), 0u) << version.out;
}

} // namespace
} // namespace zentar::test
