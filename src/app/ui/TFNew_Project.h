#pragma once
// Dialog that creates a new configuration folder under PROJECTS.
#include "common/ui/zentar_dialog.h"

class QLabel;
class QLineEdit;

namespace zentar {

class TFNew_Project : public TZentar_Dialog {
  Q_OBJECT
public:
  explicit TFNew_Project(TDialog_Service& dialogs, QWidget* parent = nullptr);

  void Set_Lang() override;
  void FormShow() override;
  void Btn_OKClick();
  void E_New_ProjKeyPress(int key);

  QLabel* Label1;
  QLineEdit* E_New_Proj;
  TLb_Button* Btn_OK;
  TLb_Button* Btn_Cancel;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zentar
