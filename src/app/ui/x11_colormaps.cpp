#include "app/ui/x11_colormaps.h"

#include <QApplication>
#include <QPlatformSurfaceEvent>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>

#include <cstdlib>
#include <xcb/xcb.h>

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
// change pixels), so a capture reads the screen in one piece.
void Use_Default_Colormap(xcb_connection_t* connection, xcb_window_t window) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
      connection, xcb_get_window_attributes(connection, window), nullptr);
  if (screen && attributes && attributes->visual == screen->root_visual &&
      attributes->colormap != screen->default_colormap) {
    const uint32_t colormap = screen->default_colormap;
    xcb_change_window_attributes(connection, window, XCB_CW_COLORMAP, &colormap);
  }
  std::free(attributes);
}

class TDefault_Colormap_Filter : public QObject {
public:
  TDefault_Colormap_Filter(xcb_connection_t* connection, QObject* parent)
      : QObject(parent), connection_(connection) {}

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

void Use_Default_Colormaps(QApplication& app) {
  // Only windows of the X11 platform are X windows (the offscreen platform
  // also answers the X11 interface, without a connection).
  const auto* x11 = app.nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb")) return;
  xcb_connection_t* connection = x11->connection();
  if (!connection) return;
  app.installEventFilter(new TDefault_Colormap_Filter(connection, &app));
}

} // namespace zentar
