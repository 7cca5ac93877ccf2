#include "app/ui/TFZentaroFirmWare.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "app/workspace.h"
#include "common/safe_file.h"
#include "image/image_compiler.h"
#include "lang/language.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace zentar {

namespace {
constexpr int Client_Width = 694;
constexpr int First_Check_Ms = 60000;
constexpr int Periodic_Check_Ms = 7200000;
} // namespace

void TClick_Label::mousePressEvent(QMouseEvent* event) {
  QLabel::mousePressEvent(event);
  emit clicked();
}

TFZentaroFirmWare::TFZentaroFirmWare(TDialog_Service& dialogs, const std::string& app_dir)
    : QWidget(nullptr), dialogs_(dialogs) {
  open_url = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
  FormCreate(app_dir);
}

TLb_Button* TFZentaroFirmWare::Step_Button(int left, int top, int glyph, const char* name) {
  auto* b = new TLb_Button(this);
  b->setObjectName(QString::fromLatin1(name));
  b->setGeometry(left, top, 170, 36);
  b->Set_Glyph(glyph);
  b->setIconSize(QSize(24, 24));
  connect(b, &QPushButton::clicked, this, [this, b] { Btn_Click(b); });
  return b;
}

void TFZentaroFirmWare::FormCreate(const std::string& app_dir) {
  // 1. The text table starts empty.
  App_State.Texts.clear();
  App_State.Text_Count = 0;

  // 2. Layout.
  setObjectName(QStringLiteral("FZentaroFirmWare"));
  Apply_Window_Look(this, Qt::Window);
  const QString grey = QStringLiteral("color: gray;");
  L_SW_Code = new QLabel(this);
  L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
  L_SW_Code->setFont(Verdana_Pixel_Font(32));
  L_SW_Code->setStyleSheet(grey);
  L_SW_Code->move(16, 8);
  L_SW_Desc = new QLabel(this);
  L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
  L_SW_Desc->setFont(Verdana_Font(8, true));
  L_SW_Desc->setStyleSheet(grey);
  L_SW_Desc->move(16, 42);
  LL_Update = new QLabel(this);
  LL_Update->setObjectName(QStringLiteral("LL_Update"));
  LL_Update->setGeometry(208, 19, 294, 17);
  LL_Update->setTextFormat(Qt::RichText);
  LL_Update->setOpenExternalLinks(false);
  LL_Update->hide();
  connect(LL_Update, &QLabel::linkActivated, this,
          [this](const QString& l) { LL_UpdateLinkClick(l); });

  auto icon_button = [this](int left, int glyph, const char* name) {
    auto* b = new TLb_Button(this);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, 8, 50, 50);
    b->Set_Glyph(glyph);
    b->setIconSize(QSize(32, 32));
    b->setStyleSheet(b->styleSheet() + QStringLiteral("QPushButton { padding-left: 0px; }"));
    connect(b, &QPushButton::clicked, this, [this, b] { Btn_Click(b); });
    return b;
  };
  Btn_Info = icon_button(516, QStyle::SP_MessageBoxInformation, "Btn_Info");
  Btn_Opz = icon_button(574, QStyle::SP_FileDialogDetailedView, "Btn_Opz");
  Btn_Close = icon_button(632, QStyle::SP_DialogCloseButton, "Btn_Close");

  L_Begin = new QLabel(this);
  L_Begin->setObjectName(QStringLiteral("L_Begin"));
  L_Begin->setFont(Verdana_Font(8, true));
  L_Begin->setStyleSheet(grey);
  L_Begin->move(16, 84);
  Shape2 = new QFrame(this);
  Shape2->setObjectName(QStringLiteral("Shape2"));
  Shape2->setGeometry(80, 70, 348, 36);
  Shape2->setStyleSheet(
      QStringLiteral("QFrame#Shape2 { border: 1px solid silver; background: transparent; }"));
  L_Name_Conf = new QLabel(this);
  L_Name_Conf->setObjectName(QStringLiteral("L_Name_Conf"));
  L_Name_Conf->setStyleSheet(grey);
  L_Name_Conf->move(87, 75);
  L_Name_Conf_L2 = new QLabel(this);
  L_Name_Conf_L2->setObjectName(QStringLiteral("L_Name_Conf_L2"));
  L_Name_Conf_L2->setStyleSheet(grey);
  L_Name_Conf_L2->move(87, 88);
  for (int n = 0; n < 7; ++n) {
    L_Step[n] = new QLabel(this);
    L_Step[n]->setObjectName(QStringLiteral("L_Step_%1").arg(n + 1));
    L_Step[n]->setFont(Verdana_Font(8, true));
    L_Step[n]->setStyleSheet(grey);
    L_Step[n]->move(16, 128 + 44 * n);
  }
  Btn_New = Step_Button(80, 112, QStyle::SP_FileIcon, "Btn_New");
  Btn_Open = Step_Button(258, 112, QStyle::SP_DialogOpenButton, "Btn_Open");
  Btn_Prm_Gen = Step_Button(80, 156, QStyle::SP_ComputerIcon, "Btn_Prm_Gen");
  Btn_EtherCAT_Set_Group = Step_Button(80, 200, QStyle::SP_DirIcon, "Btn_EtherCAT_Set_Group");
  Btn_EtherCAT_Set_Access =
      Step_Button(258, 200, QStyle::SP_FileDialogListView, "Btn_EtherCAT_Set_Access");
  Btn_CAN_Rec_Frame = Step_Button(80, 244, QStyle::SP_ArrowDown, "Btn_CAN_Rec_Frame");
  Btn_CAN_Send_Frame = Step_Button(80, 288, QStyle::SP_ArrowUp, "Btn_CAN_Send_Frame");
  Btn_EtherCAT_ESI_File =
      Step_Button(80, 332, QStyle::SP_DialogSaveButton, "Btn_EtherCAT_ESI_File");
  Btn_EtherCAT_ESI_File->setText(QStringLiteral("EtherCAT ESI File"));
  Btn_CreateBin = Step_Button(80, 376, QStyle::SP_DriveNetIcon, "Btn_CreateBin");
  L_Tavrel = new TClick_Label(this);
  L_Tavrel->setObjectName(QStringLiteral("L_Tavrel"));
  L_Tavrel->setFont(Verdana_Font(8, true));
  L_Tavrel->setStyleSheet(grey);
  L_Tavrel->setCursor(Qt::PointingHandCursor);
  L_Tavrel->setText(QString::fromLatin1(Maker_Web_Host));
  L_Tavrel->adjustSize();
  L_Tavrel->move(565, L_Step[6]->y());
  connect(L_Tavrel, &TClick_Label::clicked, this, [this] { L_TavrelClick(); });
  const int create_bin_top = Btn_CreateBin->y();
  Shape1 = new QFrame(this);
  Shape1->setObjectName(QStringLiteral("Shape1"));
  Shape1->setGeometry(10, create_bin_top + 51, 674, 1);
  Shape1->setStyleSheet(QStringLiteral("background: silver;"));
  setFixedSize(Client_Width, create_bin_top + 152);
  for (TLb_Button* b : {Btn_Info, Btn_Opz, Btn_Close, Btn_New, Btn_Open, Btn_Prm_Gen,
                        Btn_EtherCAT_Set_Group, Btn_EtherCAT_Set_Access, Btn_CAN_Rec_Frame,
                        Btn_CAN_Send_Frame, Btn_EtherCAT_ESI_File, Btn_CreateBin})
    b->setAutoDefault(false);

  Timer_Update = new QTimer(this);
  Timer_Update->setObjectName(QStringLiteral("Timer_Update"));
  Timer_Update->setInterval(First_Check_Ms);
  Timer_Update->stop();
  connect(Timer_Update, &QTimer::timeout, this, [this] { Timer_UpdateTimer(); });

  // 3. Folders beside the executable.
  Set_App_Folders(App_State, app_dir);
  // 4.
  App_State.Conf_Name.clear();
  App_State.Read_Back = true;
  // 5. Settings.
  Load_Settings(App_State.App_Dir + "/Zentar.xml", App_State);
  // 6.
  Update_Timer_State();
  // 7. Product texts.
  App_State.Title = "Tavrel - Configurator CF44K10 - EtherCAT Slave / J1939 ";
  App_State.SW_Code = "CF44K10";
  App_State.SW_Desc = "EtherCAT Slave / J1939 - Converter";
  setWindowTitle(Q(App_State.Title));
  L_SW_Code->setText(Q(App_State.SW_Code));
  L_SW_Code->adjustSize();
  L_SW_Desc->setText(Q(App_State.SW_Desc));
  L_SW_Desc->adjustSize();
  // 8. Interface texts.
  Load_Language(App_State.Language_Dir, App_State.Language, App_State.Texts, App_State.Text_Count);
  // 9. The remembered configuration, when its folder is still there.
  const std::string remembered = App_State.Projects_Dir + "/" + App_State.Conf_Name;
  App_State.Conf_Path =
      !App_State.Conf_Name.empty() && Folder_Exists(remembered) ? remembered : std::string();
  // 10 to 12.
  Set_Lang();
  Set_Files(App_State);
  App_State.Copied_Row.clear();
  App_State.Copied_Check_Flags.clear();
  App_State.MIB_Objects.clear();
  App_State.MIB_Traps.clear();
}

void TFZentaroFirmWare::Set_Conf_Labels() {
  if (!App_State.Conf_Path.empty()) {
    L_Name_Conf->setText(QTxt(11));
    L_Name_Conf_L2->setText(Q(App_State.Conf_Name));
  } else {
    L_Name_Conf->setText(QTxt(9));
    L_Name_Conf_L2->setText(QTxt(10));
  }
  L_Name_Conf->adjustSize();
  L_Name_Conf_L2->adjustSize();
}

void TFZentaroFirmWare::Set_Lang() {
  L_Begin->setText(QTxt(0));
  L_Begin->adjustSize();
  for (int n = 0; n < 7; ++n) {
    L_Step[n]->setText(QTxt(1 + n));
    L_Step[n]->adjustSize();
  }
  Set_Conf_Labels();
  Btn_Info->setToolTip(QTxt(12));
  Btn_Opz->setToolTip(QTxt(13));
  Btn_Close->setToolTip(QTxt(14));
  Btn_New->setText(QTxt(15));
  Btn_Open->setText(QTxt(16));
  Btn_CreateBin->setText(QTxt(17));
  Btn_Prm_Gen->setText(QTxt(20));
  Btn_EtherCAT_Set_Access->setText(QTxt(21));
  Btn_New->setToolTip(QTxt(22));
  Btn_Open->setToolTip(QTxt(23));
  Btn_Prm_Gen->setToolTip(QTxt(24));
  Btn_EtherCAT_Set_Access->setToolTip(QTxt(25));
  Btn_CreateBin->setToolTip(QTxt(26));
  Btn_CAN_Rec_Frame->setText(QTxt(33));
  Btn_CAN_Send_Frame->setText(QTxt(35));
  Btn_CAN_Rec_Frame->setToolTip(QTxt(37));
  Btn_CAN_Send_Frame->setToolTip(QTxt(38));
  Btn_EtherCAT_Set_Group->setText(QTxt(79));
  Btn_EtherCAT_Set_Group->setToolTip(QTxt(80));
  const QString target = QStringLiteral("http://%1/Home/download/download.asp#GW44K10")
                             .arg(QString::fromLatin1(Maker_Web_Host));
  LL_Update->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target, QTxt(19).toHtmlEscaped()));
}

void TFZentaroFirmWare::Change_Language() {
  Set_Lang();
  TZentar_Dialog* const order[] = {
      Windows.FNew_Project,  Windows.FOpenConf,      Windows.FSoftOptions,
      Windows.FBoot,         Windows.FParGen,        Windows.FEtherCATSlave,
      Windows.FReceiveJ1939, Windows.FTransmitJ1939, Windows.FEtherCATSlave_Group};
  for (TZentar_Dialog* w : order)
    if (w) w->Set_Lang();
}

void TFZentaroFirmWare::Show_Window(TZentar_Dialog* window) {
  if (window) window->Show_Modal();
}

void TFZentaroFirmWare::Btn_Click(QObject* sender) {
  if (sender == Btn_New) {
    Create_New_Project();
  } else if (sender == Btn_Open) {
    Open_Project();
  } else if (sender == Btn_Close) {
    close();
  } else if (sender == Btn_Info) {
    Show_Window(Windows.FAbout);
  } else if (sender == Btn_Opz) {
    if (Windows.FSoftOptions && Windows.FSoftOptions->Show_Modal() == QDialog::Accepted) {
      Save_Setting();
      Update_Timer_State();
    }
  } else if (App_State.Conf_Path.empty()) {
    dialogs_.error(this, QTxt(18));
  } else if (sender == Btn_Prm_Gen) {
    Show_Window(Windows.FParGen);
  } else if (sender == Btn_EtherCAT_Set_Access) {
    Show_Window(Windows.FEtherCATSlave);
  } else if (sender == Btn_EtherCAT_Set_Group) {
    Show_Window(Windows.FEtherCATSlave_Group);
  } else if (sender == Btn_CAN_Rec_Frame) {
    Show_Window(Windows.FReceiveJ1939);
  } else if (sender == Btn_CAN_Send_Frame) {
    Show_Window(Windows.FTransmitJ1939);
  } else if (sender == Btn_CreateBin) {
    Update_Device();
  }
}

void TFZentaroFirmWare::Create_New_Project() {
  if (Windows.FNew_Project && Windows.FNew_Project->Show_Modal() == QDialog::Accepted)
    Set_Conf_Labels();
}

void TFZentaroFirmWare::Open_Project() {
  if (!Windows.FOpenConf || Windows.FOpenConf->Show_Modal() != QDialog::Accepted) return;
  App_State.Conf_Name = Windows.FOpenConf->Name_Conf;
  App_State.Conf_Path = App_State.Conf_Name.empty()
                            ? std::string()
                            : App_State.Projects_Dir + "/" + App_State.Conf_Name;
  Set_Conf_Labels();
  Set_Files(App_State);
}

bool TFZentaroFirmWare::Save_Setting() {
  std::string error;
  if (Save_Settings(App_State.App_Dir + "/Zentar.xml", App_State, error)) return true;
  dialogs_.error(this, QStringLiteral("The settings could not be saved.\n") + Q(error));
  return false;
}

void TFZentaroFirmWare::Update_Device() {
  // 1 and 2: compile the images from the project's table files and write them
  // into its bin folder. A refusal or a failed write is shown and ends the
  // step: loading images that are not the user's configuration, or stale ones,
  // must never follow.
  const TProject_Files files{App_State.File_ParGen, App_State.File_EtherCAT_Slave,
                             App_State.File_EtherCAT_Slave_Group, App_State.File_J1939_Rec_Frames,
                             App_State.File_J1939_Send_Frames};
  TImages images;
  std::string error;
  if (!Compile_Images(files, images, error) ||
      !Write_Image_Files(App_State.Conf_Path, images, error)) {
    dialogs_.error(this, Q(error));
    return;
  }
  // 3: the update dialog over the network.
  if (Windows.FBoot) Windows.FBoot->Show_Modal();
}

void TFZentaroFirmWare::Update_Timer_State() {
  if (App_State.Enable_Internet && App_State.Enable_Update) {
    if (!Timer_Update->isActive()) Timer_Update->start();
  } else {
    Timer_Update->stop();
  }
}

void TFZentaroFirmWare::Timer_UpdateTimer() {
  Timer_Update->stop();
  const bool newer = check_version && check_version();
  LL_Update->setVisible(newer);
  Timer_Update->setInterval(Periodic_Check_Ms);
  Timer_Update->start();
}

void TFZentaroFirmWare::LL_UpdateLinkClick(const QString& link) { open_url(link); }

void TFZentaroFirmWare::L_TavrelClick() {
  open_url(QStringLiteral("http://%1/HOME/default.asp?frompg=CF44K10")
               .arg(QString::fromLatin1(Maker_Web_Host)));
}

void TFZentaroFirmWare::FormClose() { Save_Setting(); }

void TFZentaroFirmWare::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept(); // the last window closes and the program ends
}

} // namespace zentar
