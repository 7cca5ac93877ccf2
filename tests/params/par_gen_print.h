#pragma once
// Readable test failures for the parameter values: every key with its value.
#include "params/par_gen.h"

#include <ostream>

namespace zentar {

inline void PrintTo(const TPar_Gen& v, std::ostream* os) {
  for (const TPar_Key& k : Par_Gen_Keys()) {
    *os << "\n  " << k.name << "=";
    if (k.kind == TPar_Kind::Text)
      *os << '"' << v.*k.text << '"';
    else if (k.kind == TPar_Kind::Flag)
      *os << (v.*k.flag ? 1 : 0);
    else
      *os << v.J1939_BAUDRATE;
  }
}

} // namespace zentar
