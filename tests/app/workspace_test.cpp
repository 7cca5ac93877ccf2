#include "app/start_program.h"
#include "app/workspace.h"
#include "common/safe_file.h"
#include "support/temp_dir.h"

#include <chrono>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zentar;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

TEST(Workspace, AppFoldersAndTableFilePaths) {
  TTemp_Dir dir;
  TApp_State s;
  Set_App_Folders(s, dir.Path() + "/");
  EXPECT_EQ(s.App_Dir, dir.Path());
  EXPECT_TRUE(Folder_Exists(dir / "MASTER") && Folder_Exists(dir / "PROJECTS") &&
              Folder_Exists(dir / "LANGUAGE"));
  s.Conf_Path = s.Projects_Dir + "/P1";
  Set_Files(s);
  EXPECT_EQ(s.File_ParGen, s.Conf_Path + "/ParGen.xml");
  EXPECT_EQ(s.File_J1939_Rec_Frames, s.Conf_Path + "/J1939_Rec_Frames.xml");
  EXPECT_EQ(s.File_EtherCAT_Slave_Group, s.Conf_Path + "/EtherCAT_Slave_Group.xml");
  EXPECT_EQ(s.File_S7_Protocol, s.Conf_Path + "/S7_Protocol.xml");
  s.Conf_Path.clear();
  Set_Files(s);
  EXPECT_EQ(s.File_EtherCAT_Slave, "/EtherCAT_Slave.xml");
}

TEST(Workspace, CreateProjectFolderChecksInOrder) {
  TTemp_Dir dir;
  const std::string p = dir.Path();
  ASSERT_EQ(mkdir((dir / "Existing").c_str(), 0755), 0);
  struct Case {
    std::string name;
    TNew_Project_Result result;
  };
  const Case cases[] = {
      {"", TNew_Project_Result::Empty_Name},
      {".", TNew_Project_Result::Exists},
      {"..", TNew_Project_Result::Exists},
      {"Existing", TNew_Project_Result::Exists},
      {"EXISTING", TNew_Project_Result::Exists},
      {"nofolder/sub", TNew_Project_Result::Not_Creatable},
      {"../outside", TNew_Project_Result::Not_Creatable},
      {"Existing/inner", TNew_Project_Result::Not_Creatable},
      {".hidden", TNew_Project_Result::Not_Creatable},
      {std::string(300, 'x'), TNew_Project_Result::Not_Creatable},
      {" Line 1 ", TNew_Project_Result::Ok},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Create_Project_Folder(p, c.name), c.result) << c.name;
  EXPECT_FALSE(Folder_Exists(dir / "Existing/inner"));
  EXPECT_FALSE(Folder_Exists(dir / "../outside"));
  // The name is taken as typed; the new folder holds only an empty bin folder.
  EXPECT_TRUE(Folder_Exists(dir / " Line 1 /bin"));
  EXPECT_EQ(Load_Existing_Configuration(dir / " Line 1 "), std::vector<std::string>{"bin"});
}

TEST(Workspace, ListingSkipsFilesAndHiddenFoldersAndSortsWithoutCase) {
  TTemp_Dir dir;
  for (const char* name : {"beta", "Alpha", "gamma", ".git"})
    mkdir((dir / name).c_str(), 0755);
  Write_Text(dir / "notes.txt", "x");
  const std::vector<std::string> list = Load_Existing_Configuration(dir.Path());
  EXPECT_EQ(list, (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(Search_Open_Conf(list, "BETA"), 1);
  EXPECT_EQ(Search_Open_Conf(list, "delta"), -1);
  EXPECT_TRUE(Load_Existing_Configuration(dir / "missing").empty());
}

TEST(Start_Program, WaitsForTheProgramOrTheTimeout) {
  TTemp_Dir dir;
  const std::string script = dir / "run.sh";
  Write_Text(script, "#!/bin/sh\necho \"$1|$2\" > \"$(dirname \"$0\")/out\"\nsleep \"$3\"\n");
  chmod(script.c_str(), 0755);
  using clock = std::chrono::steady_clock;
  auto t0 = clock::now();
  Start_Program(script, "\"a b\" c 0.2", false, 5000);
  const auto ended = clock::now() - t0;
  EXPECT_GE(ended, std::chrono::milliseconds(200));
  EXPECT_LT(ended, std::chrono::milliseconds(4000));
  EXPECT_EQ(zentar::test::Read_Text(dir / "out"), "a b|c\n");
  t0 = clock::now();
  Start_Program(script, "x y 3", false, 300);
  const auto timed_out = clock::now() - t0;
  EXPECT_GE(timed_out, std::chrono::milliseconds(300));
  EXPECT_LT(timed_out, std::chrono::milliseconds(2500));
  // A file that does not exist returns at once.
  t0 = clock::now();
  Start_Program(dir / "missing.exe", "", false, 5000);
  EXPECT_LT(clock::now() - t0, std::chrono::milliseconds(100));
}
