#pragma once
// The end of every benchmark program's main(): Google Benchmark's own
// arguments taken, an unknown one refused, the selected benchmarks run.

#include <benchmark/benchmark.h>

inline int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
