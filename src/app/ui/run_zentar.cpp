#include "app/ui/run_zentar.h"

#include "app/app_state.h"
#include "app/ui/TFNew_Project.h"
#include "app/ui/TFOpenConf.h"
#include "app/ui/TFZentaroFirmWare.h"
#include "ethercat/ui/TFEtherCATSlave.h"
#include "ethercat/ui/TFEtherCATSlave_Group.h"
#include "params/ui/TFParGen.h"

#include <QApplication>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <dlfcn.h>
#include <xcb/xcb.h>

#include <cstdlib>

namespace zentar {

namespace {

// On X11 the Qt platform layer gives its windows a colormap of its own, one per
// visual and shared by every window of the process, not the screen's default
// colormap. A root-window capture that reads the screen by visual and colormap
// (xwd) then folds a window lying wholly inside another window with the same
// visual and colormap into that window, reads it back through the outer
// window, and gets black where the X server blanks the part the inner window
// covers: a dialog or message box centred over the main window came out black
// although it is painted. Each window on the screen's root visual is given the
// default colormap as soon as it is created (a TrueColor colormap does not
// change pixels), so a capture reads the screen in one piece. The libxcb calls
// are looked up at run time: libxcb is loaded with the Qt libraries, while the
// program does not link it itself.
template <class Fn> Fn Xcb_Function(const char* name) {
  return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

void Use_Default_Colormap(xcb_connection_t* connection, xcb_window_t window) {
  static const auto get_setup = Xcb_Function<decltype(&xcb_get_setup)>("xcb_get_setup");
  static const auto roots =
      Xcb_Function<decltype(&xcb_setup_roots_iterator)>("xcb_setup_roots_iterator");
  static const auto get_attributes =
      Xcb_Function<decltype(&xcb_get_window_attributes)>("xcb_get_window_attributes");
  static const auto attributes_reply =
      Xcb_Function<decltype(&xcb_get_window_attributes_reply)>("xcb_get_window_attributes_reply");
  static const auto change_attributes =
      Xcb_Function<decltype(&xcb_change_window_attributes)>("xcb_change_window_attributes");
  if (!get_setup || !roots || !get_attributes || !attributes_reply || !change_attributes) return;
  const xcb_screen_t* screen = roots(get_setup(connection)).data;
  xcb_get_window_attributes_reply_t* attributes =
      attributes_reply(connection, get_attributes(connection, window), nullptr);
  if (screen && attributes && attributes->visual == screen->root_visual &&
      attributes->colormap != screen->default_colormap) {
    const uint32_t colormap = screen->default_colormap;
    change_attributes(connection, window, XCB_CW_COLORMAP, &colormap);
  }
  std::free(attributes);
}

class TDefault_Colormap_Filter : public QObject {
public:
  explicit TDefault_Colormap_Filter(xcb_connection_t* connection) : connection_(connection) {}

protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceCreated) {
      if (auto* window = qobject_cast<QWindow*>(object))
        Use_Default_Colormap(connection_, static_cast<xcb_window_t>(window->winId()));
    }
    return false;
  }

private:
  xcb_connection_t* connection_;
};

} // namespace

int Run_Zentar(int argc, char** argv, bool exit_when_shown) {
  QApplication app(argc, argv);
  // Only windows of the X11 platform are X windows (the offscreen platform
  // also answers the X11 interface, without a connection).
  const auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection =
      x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
  TDefault_Colormap_Filter colormaps(connection);
  if (connection) app.installEventFilter(&colormaps);
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
