#pragma once
// Every message box, question and file dialog of the windows goes through this
// service, so that tests can script the answers and read what was shown.
#include <QString>

class QWidget;

namespace zentar {

class TDialog_Service {
public:
  virtual ~TDialog_Service() = default;
  // Error box: error icon, OK button.
  virtual void error(QWidget* parent, const QString& text) = 0;
  // Warning box: warning icon, OK button.
  virtual void warning(QWidget* parent, const QString& text) = 0;
  // Question with Yes and No; true for Yes.
  virtual bool confirm(QWidget* parent, const QString& text) = 0;
  // Save dialog; empty when cancelled. `filter` in Qt form ("EtherCAT ESI File (*.xml)").
  virtual QString save_file_name(QWidget* parent, const QString& title, const QString& filter,
                                 const QString& folder) = 0;
};

// The real dialogs (QMessageBox, QFileDialog).
class TReal_Dialog_Service : public TDialog_Service {
public:
  void error(QWidget* parent, const QString& text) override;
  void warning(QWidget* parent, const QString& text) override;
  bool confirm(QWidget* parent, const QString& text) override;
  QString save_file_name(QWidget* parent, const QString& title, const QString& filter,
                         const QString& folder) override;
};

} // namespace zentar
