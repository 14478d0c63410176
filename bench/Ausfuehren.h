#pragma once
// The body of a benchmark program's main for the programs that need a Qt application object,
// which must exist before the benchmarks run and so cannot come with benchmark_main.
#include <benchmark/benchmark.h>

namespace bench {

inline int Ausfuehren(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
