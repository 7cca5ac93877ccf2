#pragma once
// Writes the fuzz input to a file, for the readers that take a path.
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace zentar::fuzz {

inline std::string Input_File(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/zentar-fuzz-" + std::to_string(getpid()) + ".xml";
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

} // namespace zentar::fuzz
