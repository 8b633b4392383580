#pragma once

#include <benchmark/benchmark.h>

// Runs the registered benchmarks of a program whose first argument is the
// dados directory: the benchmark library reads the arguments after it.
inline void rodarSemDiretorio(int argc, char **argv) {
    int argcBenchmark = argc - 1;
    argv[1] = argv[0];
    benchmark::Initialize(&argcBenchmark, argv + 1);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
