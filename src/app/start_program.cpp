#include "app/start_program.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zentar {

namespace {

std::vector<std::string> Split_Parameters(const std::string& text) {
  std::vector<std::string> args;
  std::string current;
  bool in_quotes = false, has_arg = false;
  for (const char c : text) {
    if (c == '"') {
      in_quotes = !in_quotes;
      has_arg = true;
    } else if ((c == ' ' || c == '\t') && !in_quotes) {
      if (has_arg) args.push_back(current);
      current.clear();
      has_arg = false;
    } else {
      current.push_back(c);
      has_arg = true;
    }
  }
  if (has_arg) args.push_back(current);
  return args;
}

} // namespace

void Start_Program(const std::string& NomeSW, const std::string& Parameter, bool tipo,
                   int timeout_ms) {
  (void)tipo;
  // The file's default action: run it when it is a program, otherwise hand it
  // to the desktop's opener.
  std::vector<std::string> argv_text;
  if (access(NomeSW.c_str(), X_OK) == 0) {
    argv_text.push_back(NomeSW);
  } else {
    struct stat st {};
    if (stat(NomeSW.c_str(), &st) != 0) return;
    argv_text = {"xdg-open", NomeSW};
  }
  for (auto& a : Split_Parameters(Parameter))
    argv_text.push_back(a);
  std::vector<char*> argv;
  for (auto& a : argv_text)
    argv.push_back(a.data());
  argv.push_back(nullptr);

  pid_t pid = 0;
  const int rc = argv_text[0] == "xdg-open"
                     ? posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ)
                     : posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
  if (rc != 0) return;

  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid || (done < 0 && errno != EINTR)) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      return;
    }
    if (std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(timeout_ms)) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

} // namespace zentar
