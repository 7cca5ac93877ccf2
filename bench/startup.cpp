// From process start to the main window shown (offscreen), with a full
// English.lng in the application folder.
#include "bench_util.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <spawn.h>
#include <sys/wait.h>

extern char** environ;

static void Startup_To_Main_Window(benchmark::State& state) {
  zentar::bench::TBench_Dir app;
  std::error_code ec;
  std::filesystem::copy_file(ZENTAR_BINARY_DIR "/bench/zentar-startup-probe", app / "zentar", ec);
  if (ec) {
    state.SkipWithError("zentar-startup-probe not built");
    return;
  }
  std::filesystem::create_directories(app / "LANGUAGE");
  zentar::bench::Write(app / "LANGUAGE/English.lng", zentar::bench::Full_Language_File());
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  const std::string exe = app / "zentar";
  char* argv[] = {const_cast<char*>(exe.c_str()), nullptr};
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, exe.c_str(), nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("spawn failed");
      return;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the configurator did not start cleanly");
      return;
    }
  }
}
BENCHMARK(Startup_To_Main_Window)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5)
    ->Repetitions(11)
    ->ReportAggregatesOnly();

BENCHMARK_MAIN();
