#include "common/ui/dialog_service.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace zentar {

namespace {
QString Box_Title() { return QApplication::applicationDisplayName(); }
} // namespace

void TReal_Dialog_Service::error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, Box_Title(), text, QMessageBox::Ok);
}

void TReal_Dialog_Service::warning(QWidget* parent, const QString& text) {
  QMessageBox::warning(parent, Box_Title(), text, QMessageBox::Ok);
}

bool TReal_Dialog_Service::confirm(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, Box_Title(), text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

QString TReal_Dialog_Service::save_file_name(QWidget* parent, const QString& title,
                                             const QString& filter, const QString& folder) {
  return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

} // namespace zentar
