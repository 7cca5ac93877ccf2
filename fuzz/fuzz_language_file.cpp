// Any bytes as a language file: the table keeps exactly 5400 slots.
#include "lang/language.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::string> texts;
  int count = 0;
  zentar::Set_Default_Texts(texts, count);
  zentar::Apply_Language_Text(std::string(reinterpret_cast<const char*>(data), size), texts, count);
  if (texts.size() != 5400) std::abort();
  return 0;
}
