// zentar-cli: the configurator's headless commands.
#include "image/image_compiler.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

void Print_Usage(std::FILE* out) {
  std::fputs("usage: zentar-cli compile PROJECT_FOLDER | --help | --version\n", out);
}

void Print_Help() {
  std::puts("zentar-cli " ZENTAR_VERSION " - headless commands of the CF44K10 configurator\n"
            "\n"
            "  zentar-cli compile PROJECT_FOLDER\n"
            "      compiles the project's ParGen.xml, EtherCAT_Slave.xml,\n"
            "      EtherCAT_Slave_Group.xml, J1939_Rec_Frames.xml and J1939_Send_Frames.xml\n"
            "      into the device images PROJECT_FOLDER/bin/bank1.bin and bank2.bin\n"
            "      (bin is created when missing). Prints nothing and exits 0 on success;\n"
            "      on a refusal (unreadable or malformed file, more than the device holds)\n"
            "      prints the reason to standard error, writes nothing and exits 1.\n"
            "  zentar-cli --help       this text\n"
            "  zentar-cli --version    the version of the configurator\n"
            "\n"
            "Wrong usage exits 2.");
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    Print_Help();
    return 0;
  }
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::puts("zentar-cli " ZENTAR_VERSION);
    return 0;
  }
  if (argc == 3 && std::strcmp(argv[1], "compile") == 0 && argv[2][0] != '\0') {
    std::string error;
    if (!zentar::Compile_Project(argv[2], error)) {
      std::fprintf(stderr, "zentar-cli: %s\n", error.c_str());
      return 1;
    }
    return 0;
  }
  Print_Usage(stderr);
  return 2;
}
