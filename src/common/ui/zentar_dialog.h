#pragma once
// The common look of every window: background RGB(248,247,237), single border
// with only a close box, centred on the screen, a title panel `P_Title` (69 px)
// with `L_SW_Code` and `L_SW_Desc`, and a button panel `P_Button` (40 px).
#include "common/ui/dialog_service.h"

#include <QDialog>
#include <QPushButton>
#include <string>

class QLabel;
class QFrame;

namespace zentar {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }
// Text N of the interface text table as a QString.
QString QTxt(int index);

inline const char* const Background_Css = "#F8F7ED";

// Flat picture button with a glyph and a left-aligned caption, hot-tracked in
// yellow and drawn orange while pressed.
class TLb_Button : public QPushButton {
  Q_OBJECT
public:
  explicit TLb_Button(QWidget* parent, const QString& caption = QString());
  // Sets a standard glyph of the platform style.
  void Set_Glyph(int standard_pixmap);
};

class TZentar_Dialog : public QDialog {
  Q_OBJECT
public:
  TZentar_Dialog(TDialog_Service& dialogs, QWidget* parent = nullptr);

  // Copies the interface texts into the controls.
  virtual void Set_Lang() {}
  // Runs every time the window is shown.
  virtual void FormShow() {}
  // FormShow, then the window modally; the dialog's result.
  int Show_Modal();

  QFrame* P_Title = nullptr;
  QLabel* L_SW_Code = nullptr;
  QLabel* L_SW_Desc = nullptr;
  QFrame* P_Button = nullptr;

protected:
  // Builds the title panel; `L_SW_Code` shows the software code.
  void Make_Title_Panel();
  void Make_Button_Panel();
  // Client size; `fixed` freezes it (single border, no resize).
  void Set_Client_Size(int width, int height, bool fixed);
  // Places the area between the panels; called on every resize.
  virtual void Layout_Client(const QRect& area) { (void)area; }
  void resizeEvent(QResizeEvent* event) override;

  TDialog_Service& dialogs_;
};

// Background RGB(248,247,237), Verdana 8 pt, single border with only a close box.
void Apply_Window_Look(QWidget* window, Qt::WindowType type);

// Moves a top-level window to the centre of the screen.
void Centre_On_Screen(QWidget* window);

// Fonts of the windows; the platform's font stands in when Verdana or Tahoma is missing.
QFont Verdana_Font(int point_size, bool bold = false);
QFont Verdana_Pixel_Font(int pixel_size, bool bold = false);
QFont Tahoma_Pixel_Font(int pixel_size, bool bold = false);

} // namespace zentar
