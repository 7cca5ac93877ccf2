#include "app/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace zentar;
using zentar::test::Read_Text;
using zentar::test::TTemp_Dir;
using zentar::test::Write_Text;

namespace {
constexpr const char* Defaults_File =
    "<Conf_Settings><lastproj><projectname></projectname></"
    "lastproj><lastipadd><ipaddress>192.168.2.205"
    "</ipaddress></lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
    "<enable_internet>0</enable_internet><enable_update>0</enable_update>"
    "<enable_jump_field_tables>0</enable_jump_field_tables><Double_Click_Auto_Size>0"
    "</Double_Click_Auto_Size></lastinternet></Conf_Settings>";
} // namespace

TEST(Settings, MissingOrUnparsableFileGivesDefaults) {
  TTemp_Dir dir;
  for (const char* content :
       {static_cast<const char*>(nullptr), "<Conf_Settings><lastproj>", "not xml at all"}) {
    if (content) Write_Text(dir / "Zentar.xml", content);
    TApp_State s;
    s.Conf_Name = "stale";
    s.Device_IP = "1.2.3.4";
    s.Language = "Italiano";
    s.Enable_Update = true;
    Load_Settings(dir / "Zentar.xml", s);
    EXPECT_EQ(s.Conf_Name, "");
    EXPECT_EQ(s.Device_IP, "192.168.2.205");
    EXPECT_EQ(s.Language, "English");
    EXPECT_FALSE(s.Enable_Update);
    EXPECT_EQ(Settings_Text(s), Defaults_File);
  }
}

TEST(Settings, FlagsAreSetOnlyByExactOne) {
  TTemp_Dir dir;
  struct Case {
    const char* text;
    bool set;
  };
  for (const Case c : {Case{"1", true},
                       {"true", false},
                       {" 1", false},
                       {"01", false},
                       {"1 ", false},
                       {"", false},
                       {"0", false}}) {
    Write_Text(dir / "Zentar.xml", std::string("<Other><lastinternet><enable_update>") + c.text +
                                       "</enable_update><Double_Click_Auto_Size>" + c.text +
                                       "</Double_Click_Auto_Size></lastinternet></Other>");
    TApp_State s;
    Load_Settings(dir / "Zentar.xml", s);
    EXPECT_EQ(s.Enable_Update, c.set) << '"' << c.text << '"';
    EXPECT_EQ(s.Double_Click_Auto_Size, c.set) << '"' << c.text << '"';
    EXPECT_FALSE(s.Enable_Internet);
  }
}

TEST(Settings, EachValueReadOnItsOwnAndRoundTrip) {
  TTemp_Dir dir;
  // Root of another name, a missing address, the other values present.
  Write_Text(dir / "Zentar.xml",
             "<Root><lastproj><projectname>Plant &amp; Line 2</projectname></lastproj>"
             "<lastlang><language>Italiano</language></lastlang>"
             "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update>"
             "<enable_jump_field_tables>1</enable_jump_field_tables></lastinternet></Root>");
  TApp_State s;
  Load_Settings(dir / "Zentar.xml", s);
  EXPECT_EQ(s.Conf_Name, "Plant & Line 2");
  EXPECT_EQ(s.Device_IP, "192.168.2.205");
  EXPECT_EQ(s.Language, "Italiano");
  EXPECT_TRUE(s.Enable_Internet && s.Enable_Update && s.Enable_Jump_Field_Tables);
  EXPECT_FALSE(s.Double_Click_Auto_Size);
  std::string error;
  ASSERT_TRUE(Save_Settings(dir / "Zentar.xml", s, error)) << error;
  TApp_State back;
  Load_Settings(dir / "Zentar.xml", back);
  EXPECT_EQ(Settings_Text(back), Settings_Text(s));
  EXPECT_EQ(Read_Text(dir / "Zentar.xml"), Settings_Text(s));
}

TEST(Settings, UnwritableFileIsReportedWithItsPath) {
  TTemp_Dir dir;
  std::string error;
  TApp_State s;
  EXPECT_FALSE(Save_Settings(dir / "missing/Zentar.xml", s, error));
  EXPECT_NE(error.find(dir / "missing/Zentar.xml"), std::string::npos) << error;
}
