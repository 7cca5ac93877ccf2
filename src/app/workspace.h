#pragma once
// The project workspace: the PROJECTS folder, one folder per configuration,
// and the paths of the table files of the active configuration.
#include "app/app_state.h"

#include <string>
#include <vector>

namespace zentar {

// App_Dir and the three folders beside the executable, created when missing
// (a folder that cannot be created is not reported).
void Set_App_Folders(TApp_State& state, const std::string& app_dir);

// Every table file path := Conf_Path + "/" + its file name.
void Set_Files(TApp_State& state);

enum class TNew_Project_Result {
  Ok,
  Empty_Name,   // text 107
  Exists,       // text 106
  Not_Creatable // text 105
};

// Creates the folder of a new configuration and its empty bin folder. A name
// that would leave PROJECTS (a path separator) or be hidden (a leading dot) is not
// creatable; a name that differs from an existing folder only by letter case
// counts as existing, so that the project stays distinct on any file system.
TNew_Project_Result Create_Project_Folder(const std::string& projects_dir, const std::string& name);

// Names of the configuration folders in PROJECTS (hidden ones, whose name
// starts with a dot, left out), sorted without regard to case.
std::vector<std::string> Load_Existing_Configuration(const std::string& projects_dir);

// Position of `name` in `list`, ASCII letters compared without regard to case; -1 if absent.
int Search_Open_Conf(const std::vector<std::string>& list, const std::string& name);

// The name of the active configuration as found in Conf_Path (empty when none).
std::string Active_Conf_Name(const TApp_State& state);

} // namespace zentar
