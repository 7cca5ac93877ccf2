#pragma once
// Launching a program and waiting for it to end.
#include <string>

namespace zentar {

inline constexpr int Start_Program_Timeout_Ms = 150000;

// Launches the program file `NomeSW` with the command-line text `Parameter`
// (split at blanks, double quotes group) and waits until it ends or
// `timeout_ms` have passed; a program still running then is left running. A
// program that cannot be launched returns at once. `tipo` asks for a hidden
// start, which has no meaning for programs without a window here.
void Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                   int timeout_ms = Start_Program_Timeout_Ms);

} // namespace zentar
