// Integer and address texts: the 32-bit and 64-bit readers agree wherever the value fits.
#include "common/text_rules.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int v32 = zentar::Text_To_Int(text, -7);
  const int64_t v64 = zentar::Text_To_Int64(text, -7);
  const bool hex = text.find_first_of("$xX") != std::string::npos;
  if (!hex && v32 != -7 && v64 != v32) std::abort();
  std::string a, b, c, d;
  zentar::Split_IP(text, a, b, c, d);
  return 0;
}
