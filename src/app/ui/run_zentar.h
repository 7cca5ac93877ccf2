#pragma once

namespace zentar {

// Creates the windows once, main window first, and runs the message loop
// until the main window closes. With `exit_when_shown` the program ends as
// soon as the main window is on screen (start-up measurement).
int Run_Zentar(int argc, char** argv, bool exit_when_shown);

} // namespace zentar
