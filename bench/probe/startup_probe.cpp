// The configurator's start-up, ending as soon as the main window is shown.
#include "app/ui/run_zentar.h"

int main(int argc, char** argv) { return zentar::Run_Zentar(argc, argv, true); }
