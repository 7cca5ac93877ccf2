#pragma once
// The settings file Zentar.xml of the application folder.
#include "app/app_state.h"

#include <string>

namespace zentar {

// Reads the seven settings into `state`, each on its own: a missing element
// gives that value its default. A missing or unparsable file gives all defaults.
void Load_Settings(const std::string& path, TApp_State& state);

// The document Save_Setting writes.
std::string Settings_Text(const TApp_State& state);

// Writes the settings through a temporary file; false with `error` (path and
// reason) when it cannot be written, the previous file then stays whole.
bool Save_Settings(const std::string& path, const TApp_State& state, std::string& error);

} // namespace zentar
