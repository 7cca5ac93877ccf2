// The configurator.
#include "app/ui/run_zentar.h"

int main(int argc, char** argv) { return zentar::Run_Zentar(argc, argv, false); }
