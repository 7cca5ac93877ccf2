#pragma once
// Dialog service double: records every box shown and answers questions from a script.
#include "common/ui/dialog_service.h"

#include <QStringList>
#include <deque>
#include <string>
#include <vector>

namespace zentar::test {

struct TShown {
  std::string kind; // "error", "warning", "confirm", "save"
  std::string text;
};

class TScripted_Dialogs : public TDialog_Service {
public:
  void error(QWidget*, const QString& text) override;
  void warning(QWidget*, const QString& text) override;
  bool confirm(QWidget*, const QString& text) override;
  QString save_file_name(QWidget*, const QString& title, const QString& filter,
                         const QString& folder) override;

  // Answers for the next questions (true = Yes); a question with no answer
  // left is answered No.
  std::deque<bool> answers;
  // Names returned by the next save dialogs; empty = cancelled.
  std::deque<QString> file_names;
  std::vector<TShown> shown;

  // Texts of the error boxes shown so far.
  std::vector<std::string> Errors() const;
  void Clear() { shown.clear(); }
};

} // namespace zentar::test
