#pragma once
// Entry of the benchmark programs that show windows: one QApplication,
// offscreen unless told otherwise, then the benchmarks.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#define ZENTAR_GUI_BENCHMARK_MAIN()                                                                \
  int main(int argc, char** argv) {                                                                \
    setenv("QT_QPA_PLATFORM", "offscreen", 0);                                                     \
    QApplication app(argc, argv);                                                                  \
    benchmark::Initialize(&argc, argv);                                                            \
    benchmark::RunSpecifiedBenchmarks();                                                           \
    benchmark::Shutdown();                                                                         \
    return 0;                                                                                      \
  }
