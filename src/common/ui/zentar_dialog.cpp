#include "common/ui/zentar_dialog.h"

#include "app/app_state.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>

namespace zentar {

QString QTxt(int index) { return Q(Txt(index)); }

QFont Verdana_Font(int point_size, bool bold) {
  QFont f(QStringLiteral("Verdana"), point_size, bold ? QFont::Bold : QFont::Normal);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

QFont Verdana_Pixel_Font(int pixel_size, bool bold) {
  QFont f(QStringLiteral("Verdana"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixel_size);
  f.setBold(bold);
  return f;
}

QFont Tahoma_Pixel_Font(int pixel_size, bool bold) {
  QFont f(QStringLiteral("Tahoma"));
  f.setStyleHint(QFont::SansSerif);
  f.setPixelSize(pixel_size);
  f.setBold(bold);
  return f;
}

TLb_Button::TLb_Button(QWidget* parent, const QString& caption) : QPushButton(caption, parent) {
  setFlat(true);
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(
      QStringLiteral("QPushButton { text-align: left; padding-left: 6px; border: 1px solid #C0C0C0;"
                     " background: #F8F7ED; color: #404040; }"
                     "QPushButton:hover { background: #FFFF80; }"
                     "QPushButton:pressed { background: #FF8000; }"
                     "QPushButton:focus { border: 1px solid #808080; }"));
}

void TLb_Button::Set_Glyph(int standard_pixmap) {
  setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(standard_pixmap)));
}

void Apply_Window_Look(QWidget* window, Qt::WindowType type) {
  window->setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint);
  window->setAutoFillBackground(true);
  QPalette pal = window->palette();
  pal.setColor(QPalette::Window, QColor(248, 247, 237));
  window->setPalette(pal);
  window->setFont(Verdana_Font(8));
}

TZentar_Dialog::TZentar_Dialog(TDialog_Service& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  Apply_Window_Look(this, Qt::Dialog);
}

void TZentar_Dialog::Make_Title_Panel() {
  P_Title = new QFrame(this);
  P_Title->setObjectName(QStringLiteral("P_Title"));
  P_Title->setAutoFillBackground(true);
  L_SW_Code = new QLabel(P_Title);
  L_SW_Code->setObjectName(QStringLiteral("L_SW_Code"));
  L_SW_Code->setFont(Verdana_Pixel_Font(32));
  L_SW_Code->setStyleSheet(QStringLiteral("color: gray;"));
  L_SW_Code->move(16, 8);
  L_SW_Code->setText(Q(App_State.SW_Code));
  L_SW_Code->adjustSize();
  L_SW_Desc = new QLabel(P_Title);
  L_SW_Desc->setObjectName(QStringLiteral("L_SW_Desc"));
  L_SW_Desc->setFont(Verdana_Pixel_Font(11, true));
  L_SW_Desc->setStyleSheet(QStringLiteral("color: gray;"));
  L_SW_Desc->move(16, 42);
}

void TZentar_Dialog::Make_Button_Panel() {
  P_Button = new QFrame(this);
  P_Button->setObjectName(QStringLiteral("P_Button"));
  P_Button->setAutoFillBackground(true);
  P_Button->setFont(Verdana_Pixel_Font(11));
}

void TZentar_Dialog::Set_Client_Size(int width, int height, bool fixed) {
  if (fixed)
    setFixedSize(width, height);
  else
    resize(width, height);
}

void TZentar_Dialog::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  const int w = width(), h = height();
  int top = 0, bottom = h;
  if (P_Title) {
    P_Title->setGeometry(0, 0, w, 69);
    top = 69;
  }
  if (P_Button) {
    P_Button->setGeometry(0, h - 40, w, 40);
    bottom = h - 40;
  }
  Layout_Client(QRect(0, top, w, bottom - top));
}

void Centre_On_Screen(QWidget* window) {
  if (const QScreen* screen = QApplication::primaryScreen()) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
  }
}

int TZentar_Dialog::Show_Modal() {
  FormShow();
  // Placed before it is mapped, so that it appears centred at once rather
  // than being moved once on screen.
  Centre_On_Screen(this);
  return exec();
}

} // namespace zentar
