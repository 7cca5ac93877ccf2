#include "app/app_state.h"
#include "app/ui/TFNew_Project.h"
#include "app/ui/TFOpenConf.h"
#include "app/ui/TFZentaroFirmWare.h"
#include "app/workspace.h"
#include "common/safe_file.h"
#include "image/image_compiler.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zentar;
using zentar::test::Read_Text;
using zentar::test::TScripted_Dialogs;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

namespace {

struct Main_Window_Test : ::testing::Test {
  void SetUp() override { App_State = TApp_State{}; }
  TTemp_Dir app;
  TScripted_Dialogs dialogs;
};

std::string Label(QLabel* l) { return l->text().toStdString(); }

} // namespace

TEST_F(Main_Window_Test, FirstStartInAnEmptyFolder) {
  TFZentaroFirmWare w(dialogs, app.Path());
  EXPECT_TRUE(Folder_Exists(app / "MASTER") && Folder_Exists(app / "PROJECTS") &&
              Folder_Exists(app / "LANGUAGE"));
  EXPECT_EQ(w.width(), 694);
  EXPECT_EQ(w.height(), 528);
  EXPECT_EQ(w.windowTitle().toStdString(),
            "Tavrel - Configurator CF44K10 - EtherCAT Slave / J1939 ");
  EXPECT_EQ(Label(w.L_Name_Conf), "None Configuration Opened ");
  EXPECT_EQ(Label(w.L_Name_Conf_L2), "Use Step1 to open or create new configuration");
  EXPECT_EQ(w.Btn_CreateBin->geometry(), QRect(80, 376, 170, 36));
  EXPECT_EQ(w.L_Tavrel->pos(), QPoint(565, 392));
  EXPECT_FALSE(w.Timer_Update->isActive());
  EXPECT_FALSE(w.LL_Update->isVisibleTo(&w));
  // Every step past the first reports that no configuration is active.
  for (TLb_Button* b :
       {w.Btn_Prm_Gen, w.Btn_EtherCAT_Set_Group, w.Btn_EtherCAT_Set_Access, w.Btn_CAN_Rec_Frame,
        w.Btn_CAN_Send_Frame, w.Btn_EtherCAT_ESI_File, w.Btn_CreateBin}) {
    dialogs.Clear();
    b->click();
    EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{"Error! Project not Valid"})
        << b->objectName().toStdString();
  }
  w.close();
  EXPECT_EQ(Read_Text(app / "Zentar.xml"),
            "<Conf_Settings><lastproj><projectname></projectname></lastproj><lastipadd><ipaddress>"
            "192.168.2.205</ipaddress></lastipadd><lastlang><language>English</language></lastlang>"
            "<lastinternet><enable_internet>0</enable_internet><enable_update>0</enable_update>"
            "<enable_jump_field_tables>0</enable_jump_field_tables><Double_Click_Auto_Size>0"
            "</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
}

TEST_F(Main_Window_Test, RememberedConfigurationOpensOnlyWhenItsFolderExists) {
  const std::string settings =
      "<Conf_Settings><lastproj><projectname>Line7</projectname></lastproj><lastlang><language>"
      "Italiano</language></lastlang><lastinternet><enable_internet>1</enable_internet>"
      "<enable_update>0</enable_update></lastinternet></Conf_Settings>";
  Write_Text(app / "Zentar.xml", settings);
  {
    TFZentaroFirmWare w(dialogs, app.Path());
    EXPECT_TRUE(App_State.Conf_Path.empty());
    EXPECT_EQ(App_State.Conf_Name, "Line7");
    EXPECT_EQ(Label(w.L_Name_Conf), "None Configuration Opened ");
    EXPECT_FALSE(w.Timer_Update->isActive()); // internet without update: no check
    w.close();
    // The name is kept for the next start; the missing language file became English.
    const std::string saved = Read_Text(app / "Zentar.xml");
    EXPECT_NE(saved.find("<projectname>Line7</projectname>"), std::string::npos);
    EXPECT_NE(saved.find("<language>English</language>"), std::string::npos);
    EXPECT_NE(saved.find("<enable_internet>1</enable_internet>"), std::string::npos);
  }
  ASSERT_EQ(mkdir((app / "PROJECTS/Line7").c_str(), 0755), 0);
  Write_Text(app / "LANGUAGE/English.lng", "STR11 = \xB6"
                                           "Aperta: \xB6\r\nSTR15 = Nuova\r\n");
  TFZentaroFirmWare w(dialogs, app.Path());
  EXPECT_EQ(App_State.Conf_Path, app / "PROJECTS/Line7");
  EXPECT_EQ(App_State.File_ParGen, app / "PROJECTS/Line7/ParGen.xml");
  EXPECT_EQ(Label(w.L_Name_Conf), "Aperta: ");
  EXPECT_EQ(Label(w.L_Name_Conf_L2), "Line7");
  EXPECT_EQ(w.Btn_New->text().toStdString(), "Nuova");
}

TEST_F(Main_Window_Test, BothInternetFlagsStartTheUpdateTimer) {
  Write_Text(app / "Zentar.xml", "<a><lastinternet><enable_internet>1</enable_internet>"
                                 "<enable_update>1</enable_update></lastinternet></a>");
  TFZentaroFirmWare w(dialogs, app.Path());
  EXPECT_TRUE(w.Timer_Update->isActive());
  EXPECT_EQ(w.Timer_Update->interval(), 60000);
  w.check_version = [] { return true; };
  w.Timer_UpdateTimer();
  EXPECT_TRUE(w.LL_Update->isVisibleTo(&w));
  EXPECT_TRUE(w.LL_Update->text().contains(QStringLiteral("/Home/download/download.asp#GW44K10")));
  EXPECT_EQ(w.Timer_Update->interval(), 7200000);
  std::vector<QString> opened;
  w.open_url = [&](const QString& url) { opened.push_back(url); };
  w.L_TavrelClick();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toStdString(), "http://www.tavrel.com/HOME/default.asp?frompg=CF44K10");
  w.close();
}

TEST_F(Main_Window_Test, NewConfigurationErrorsAndSuccess) {
  TFZentaroFirmWare w(dialogs, app.Path());
  TFNew_Project dlg(dialogs, &w);
  EXPECT_EQ(dlg.size(), QSize(331, 162));
  ASSERT_EQ(mkdir((app / "PROJECTS/Old").c_str(), 0755), 0);
  struct Case {
    const char* name;
    const char* error;
  };
  for (const Case c : {Case{"", "Error! Name Project is not valid"},
                       {"Old", "Error! Name project is not valid because directory already exists"},
                       {"no/such", "Error! Name project is not valid"}}) {
    dlg.FormShow();
    dialogs.Clear();
    dlg.E_New_Proj->setText(QString::fromUtf8(c.name));
    // Enter in the name field acts as OK.
    QTest::keyClick(dlg.E_New_Proj, Qt::Key_Return);
    EXPECT_EQ(dialogs.Errors(), std::vector<std::string>{c.error}) << c.name;
    EXPECT_EQ(dlg.result(), 0);
    EXPECT_TRUE(App_State.Conf_Path.empty());
  }
  dlg.FormShow();
  EXPECT_TRUE(dlg.E_New_Proj->text().isEmpty());
  dlg.E_New_Proj->setText(QStringLiteral("Plant A"));
  dialogs.Clear();
  dlg.Btn_OKClick();
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(App_State.Conf_Name, "Plant A");
  EXPECT_EQ(App_State.Conf_Path, app / "PROJECTS/Plant A");
  EXPECT_EQ(App_State.File_J1939_Send_Frames, app / "PROJECTS/Plant A/J1939_Send_Frames.xml");
  EXPECT_TRUE(Folder_Exists(app / "PROJECTS/Plant A/bin"));
  w.Set_Conf_Labels();
  EXPECT_EQ(Label(w.L_Name_Conf_L2), "Plant A");
  w.close();
}

TEST_F(Main_Window_Test, OpenPreselectsTheActiveConfiguration) {
  TFZentaroFirmWare w(dialogs, app.Path());
  TFOpenConf dlg(dialogs, &w);
  dlg.FormShow();
  EXPECT_EQ(dlg.ListBox1->count(), 0);
  EXPECT_EQ(dlg.Name_Conf, "");
  for (const char* n : {"zeta", "Beta", "alpha"})
    mkdir((app / "PROJECTS/" + n).c_str(), 0755);
  Write_Text(app / "PROJECTS/file.xml", "x");
  App_State.Conf_Path = app / "PROJECTS/BETA";
  dlg.FormShow();
  ASSERT_EQ(dlg.ListBox1->count(), 3);
  EXPECT_EQ(dlg.ListBox1->item(0)->text().toStdString(), "alpha");
  EXPECT_EQ(dlg.ListBox1->currentRow(), 1);
  EXPECT_EQ(dlg.Name_Conf, "Beta");
  dlg.ListBox1->setCurrentRow(2);
  EXPECT_EQ(dlg.Name_Conf, "zeta");
  // The active folder renamed meanwhile: the first entry.
  App_State.Conf_Path = app / "PROJECTS/gone";
  dlg.FormShow();
  EXPECT_EQ(dlg.Name_Conf, "alpha");
  w.close();
}

TEST_F(Main_Window_Test, UpdateDeviceWritesTheImagesOrShowsWhyNot) {
  TFZentaroFirmWare w(dialogs, app.Path());
  const std::string project = app / "PROJECTS/P";
  ASSERT_EQ(mkdir(project.c_str(), 0755), 0); // no bin folder: it is created
  App_State.Conf_Name = "P";
  App_State.Conf_Path = project;
  Set_Files(App_State);
  Write_Text(project + "/ParGen.xml",
             "<Par_Gen><EtherCAT_Slave_Name>gw</EtherCAT_Slave_Name></Par_Gen>");
  w.Btn_CreateBin->click();
  EXPECT_TRUE(dialogs.shown.empty());
  ASSERT_TRUE(File_Exists(project + "/bin/bank1.bin"));
  ASSERT_TRUE(File_Exists(project + "/bin/bank2.bin"));
  // The same bytes as the command-line compiler's core path.
  TImages images;
  std::string error;
  ASSERT_TRUE(Compile_Images(Project_Files(project), images, error)) << error;
  const std::string bank1 = Read_Text(project + "/bin/bank1.bin");
  EXPECT_EQ(bank1, std::string(images.bank1.begin(), images.bank1.end()));
  // A malformed table file is refused, named in the box, and the old images stay.
  Write_Text(project + "/J1939_Rec_Frames.xml", "<Receive_J1939><row PGN=\"1\"></Receive_J1939>");
  w.Btn_CreateBin->click();
  ASSERT_EQ(dialogs.Errors().size(), 1u);
  EXPECT_NE(dialogs.Errors()[0].find("J1939_Rec_Frames.xml"), std::string::npos);
  EXPECT_EQ(Read_Text(project + "/bin/bank1.bin"), bank1);
  w.close();
}
