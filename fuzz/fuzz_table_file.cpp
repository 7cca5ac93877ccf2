// Any bytes as a project table file and as the settings file.
#include "app/settings.h"
#include "common/table_file.h"
#include "fuzz_util.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = zentar::fuzz::Input_File(data, size);
  zentar::TTable_File file;
  file.root = "R";
  file.parent = "P";
  for (const char* s : {"A", "B"})
    file.sections.push_back(
        {s, {{"Enable", 1, "Y", true}, {"Name", 2, ""}, {"Value", 3, "0"}}, 2, true});
  std::vector<zentar::TTable_Column> cols(4);
  cols[1].kind = zentar::TColumn_Kind::Check_Box;
  zentar::TGrid a(17, cols), b(17, cols);
  a.Cell(1, 1).has_check = true;
  zentar::Load_Table(path, file, {&a, &b});
  file.parent.clear();
  file.sections.resize(1);
  file.sections[0].name.clear();
  zentar::Load_Table(path, file, {&a});
  zentar::TApp_State state;
  zentar::Load_Settings(path, state);
  return 0;
}
