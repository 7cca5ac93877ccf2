#include "support/scripted_dialogs.h"

namespace zentar::test {

void TScripted_Dialogs::error(QWidget*, const QString& text) {
  shown.push_back({"error", text.toStdString()});
}

void TScripted_Dialogs::warning(QWidget*, const QString& text) {
  shown.push_back({"warning", text.toStdString()});
}

bool TScripted_Dialogs::confirm(QWidget*, const QString& text) {
  shown.push_back({"confirm", text.toStdString()});
  if (answers.empty()) return false;
  const bool a = answers.front();
  answers.pop_front();
  return a;
}

QString TScripted_Dialogs::save_file_name(QWidget*, const QString& title, const QString&,
                                          const QString&) {
  shown.push_back({"save", title.toStdString()});
  if (file_names.empty()) return {};
  QString n = file_names.front();
  file_names.pop_front();
  return n;
}

std::vector<std::string> TScripted_Dialogs::Errors() const {
  std::vector<std::string> r;
  for (const auto& s : shown)
    if (s.kind == "error") r.push_back(s.text);
  return r;
}

} // namespace zentar::test
