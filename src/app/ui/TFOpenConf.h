#pragma once
// Dialog that lists the configurations under PROJECTS and returns the chosen one.
#include "common/ui/zentar_dialog.h"

#include <string>
#include <vector>

class QLabel;
class QListWidget;

namespace zentar {

class TFOpenConf : public TZentar_Dialog {
  Q_OBJECT
public:
  explicit TFOpenConf(TDialog_Service& dialogs, QWidget* parent = nullptr);

  void Set_Lang() override;
  void FormShow() override;
  void ListBox1Click();
  void Load_Existing_Configuration();
  int Search_Open_Conf(const std::string& name) const;

  QLabel* Label1;
  QListWidget* ListBox1;
  TLb_Button* Btn_OK;
  TLb_Button* Btn_Cancel;

  std::vector<std::string> SL; // folder names found
  std::string Name_Conf;       // the name the dialog returns

protected:
  void Layout_Client(const QRect& area) override;
};

} // namespace zentar
