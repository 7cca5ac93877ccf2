#pragma once
// The main workflow window: the numbered steps of the product and the
// start-up work of the program.
#include "app/ui/TFNew_Project.h"
#include "app/ui/TFOpenConf.h"
#include "common/ui/dialog_service.h"
#include "common/ui/zentar_dialog.h"

#include <QLabel>
#include <QWidget>
#include <functional>
#include <string>

class QFrame;
class QTimer;

namespace zentar {

// The maker's web host of the three web links.
inline constexpr const char* Maker_Web_Host = "www.tavrel.com";

// Label that reports clicks (the maker's web address).
class TClick_Label : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;
signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent* event) override;
};

class TFZentaroFirmWare : public QWidget {
  Q_OBJECT
public:
  // Runs the start-up sequence for the application folder `app_dir`.
  TFZentaroFirmWare(TDialog_Service& dialogs, const std::string& app_dir);

  // The windows opened by the steps, created after this one; any may be absent.
  struct TStep_Windows {
    TFNew_Project* FNew_Project = nullptr;
    TFOpenConf* FOpenConf = nullptr;
    TZentar_Dialog* FSoftOptions = nullptr;
    TZentar_Dialog* FBoot = nullptr;
    TZentar_Dialog* FParGen = nullptr;
    TZentar_Dialog* FEtherCATSlave = nullptr;
    TZentar_Dialog* FReceiveJ1939 = nullptr;
    TZentar_Dialog* FTransmitJ1939 = nullptr;
    TZentar_Dialog* FEtherCATSlave_Group = nullptr;
    TZentar_Dialog* FAbout = nullptr;
  };
  TStep_Windows Windows;

  void FormCreate(const std::string& app_dir);
  void Btn_Click(QObject* sender);
  void Create_New_Project();
  void Open_Project();
  void Set_Lang();
  void Change_Language();
  void Set_Conf_Labels();
  // Writes Zentar.xml; false (after reporting it) when it cannot be written.
  bool Save_Setting();
  void Update_Device();
  void Update_Timer_State();
  void Timer_UpdateTimer();
  void LL_UpdateLinkClick(const QString& link);
  void L_TavrelClick();
  void FormClose();

  // Opens a web page; the desktop's browser unless replaced (tests).
  std::function<void(const QString&)> open_url;
  // The version check run by the update timer; true when a newer version exists.
  std::function<bool()> check_version;

  QLabel* L_SW_Code;
  QLabel* L_SW_Desc;
  QLabel* LL_Update;
  TLb_Button* Btn_Info;
  TLb_Button* Btn_Opz;
  TLb_Button* Btn_Close;
  QLabel* L_Begin;
  QFrame* Shape2;
  QLabel* L_Name_Conf;
  QLabel* L_Name_Conf_L2;
  QLabel* L_Step[7];
  TLb_Button* Btn_New;
  TLb_Button* Btn_Open;
  TLb_Button* Btn_Prm_Gen;
  TLb_Button* Btn_EtherCAT_Set_Group;
  TLb_Button* Btn_EtherCAT_Set_Access;
  TLb_Button* Btn_CAN_Rec_Frame;
  TLb_Button* Btn_CAN_Send_Frame;
  TLb_Button* Btn_EtherCAT_ESI_File;
  TLb_Button* Btn_CreateBin;
  TClick_Label* L_Tavrel;
  QFrame* Shape1;
  QTimer* Timer_Update;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  TLb_Button* Step_Button(int left, int top, int glyph, const char* name);
  void Show_Window(TZentar_Dialog* window);
  TDialog_Service& dialogs_;
};

} // namespace zentar
