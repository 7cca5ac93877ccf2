#include "common/ui/dialog_service.h"

#include "common/ui/zentar_dialog.h"

#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>

namespace zentar {

namespace {

// Shows a message box laid out at its final size and centred before it is
// mapped, so that it appears in its place at once rather than being resized
// or moved once on screen.
QMessageBox::StandardButton Show_Box(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                     const QString& text, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton default_button) {
  QMessageBox box(icon, title, text, buttons, parent);
  box.setDefaultButton(default_button);
  box.ensurePolished();
  if (box.layout()) box.layout()->activate();
  box.adjustSize();
  Centre_On_Screen(&box);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

void TReal_Dialog_Service::error(QWidget* parent, const QString& text) {
  Show_Box(parent, QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok,
           QMessageBox::Ok);
}

void TReal_Dialog_Service::warning(QWidget* parent, const QString& text) {
  Show_Box(parent, QMessageBox::Warning, QStringLiteral("Warning"), text, QMessageBox::Ok,
           QMessageBox::Ok);
}

bool TReal_Dialog_Service::confirm(QWidget* parent, const QString& text) {
  return Show_Box(parent, QMessageBox::Question, QStringLiteral("Confirm"), text,
                  QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

QString TReal_Dialog_Service::save_file_name(QWidget* parent, const QString& title,
                                             const QString& filter, const QString& folder) {
  return QFileDialog::getSaveFileName(parent, title, folder, filter);
}

} // namespace zentar
