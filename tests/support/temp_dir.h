#pragma once
// A fresh folder for one test, removed afterwards.
#include <string>

namespace zentar::test {

class TTemp_Dir {
public:
  TTemp_Dir();
  ~TTemp_Dir();
  TTemp_Dir(const TTemp_Dir&) = delete;
  TTemp_Dir& operator=(const TTemp_Dir&) = delete;
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
  std::string path_;
};

void Write_Text(const std::string& path, const std::string& data);
std::string Read_Text(const std::string& path);

} // namespace zentar::test
