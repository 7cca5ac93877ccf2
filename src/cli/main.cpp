// zentar-cli: the configurator's headless commands.
#include <cstdio>
#include <cstring>

namespace {

void Print_Usage(std::FILE* out) { std::fputs("usage: zentar-cli --help | --version\n", out); }

void Print_Help() {
  std::puts("zentar-cli " ZENTAR_VERSION " - headless commands of the CF44K10 configurator\n"
            "\n"
            "  zentar-cli --help       this text\n"
            "  zentar-cli --version    the version of the configurator");
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
  Print_Usage(stderr);
  return 2;
}
