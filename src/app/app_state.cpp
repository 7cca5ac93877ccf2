#include "app/app_state.h"

namespace zentar {

TApp_State App_State;

const std::string& Txt(int index) {
  static const std::string blank = " ";
  if (index < 0 || index >= static_cast<int>(App_State.Texts.size())) return blank;
  return App_State.Texts[static_cast<size_t>(index)];
}

} // namespace zentar
