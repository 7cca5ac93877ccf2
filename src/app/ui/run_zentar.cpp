#include "app/ui/run_zentar.h"

#include "app/app_state.h"
#include "app/ui/TFNew_Project.h"
#include "app/ui/TFOpenConf.h"
#include "app/ui/TFZentaroFirmWare.h"
#include "ethercat/ui/TFEtherCATSlave.h"
#include "ethercat/ui/TFEtherCATSlave_Group.h"
#include "app/ui/x11_colormaps.h"
#include "params/ui/TFParGen.h"

#include <QApplication>
#include <QTimer>

namespace zentar {

int Run_Zentar(int argc, char** argv, bool exit_when_shown) {
  QApplication app(argc, argv);
  Use_Default_Colormaps(app);
  TReal_Dialog_Service dialogs;

  // The main window first: its creation does the start-up work.
  TFZentaroFirmWare main_window(dialogs, QCoreApplication::applicationDirPath().toStdString());
  TFNew_Project new_project(dialogs, &main_window);
  TFOpenConf open_conf(dialogs, &main_window);
  TFParGen par_gen(dialogs, &main_window);
  TFEtherCATSlave ethercat_slave(dialogs, &main_window);
  TFEtherCATSlave_Group ethercat_group(dialogs, &main_window); // last, as the other editors
  auto& w = main_window.Windows;
  w.FNew_Project = &new_project;
  w.FOpenConf = &open_conf;
  w.FParGen = &par_gen;
  w.FEtherCATSlave = &ethercat_slave;
  w.FEtherCATSlave_Group = &ethercat_group;

  Centre_On_Screen(&main_window);
  main_window.show();
  if (exit_when_shown) {
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    const int rc = QApplication::exec();
    return rc;
  }
  return QApplication::exec();
}

} // namespace zentar
