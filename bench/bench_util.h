#pragma once
// Helpers of the benchmark programs.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zentar::bench {

// A fresh folder removed at the end of the program.
class TBench_Dir {
public:
  TBench_Dir() {
    std::string pattern = "/tmp/zentar-bench-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    path_ = mkdtemp(buf.data()) ? buf.data() : "/tmp";
  }
  ~TBench_Dir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }
  const std::string& Path() const { return path_; }

private:
  std::string path_;
};

inline void Write(const std::string& path, const std::string& data) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << data;
}

// A language file that sets every one of the 5400 slots.
inline std::string Full_Language_File() {
  std::string s = "\xEF\xBB\xBF";
  for (int i = 0; i < 5400; ++i)
    s += "STR" + std::to_string(i) + " = Testo numero " + std::to_string(i) +
         " \xC2\xB6 /#/ nota\r\n";
  return s;
}

} // namespace zentar::bench
