// How the benchmarks are registered: each group adds its own to Google Benchmark, reaching the
// shared data through the workbench that main owns.
#pragma once

#include "bench/workbench.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace timyanka::bench {

// Both base sizes, wall-clock time (saving waits for the disk), milliseconds.
inline benchmark::internal::Benchmark* AtBothSizes(benchmark::internal::Benchmark* b) {
    return b->Arg(kSmallBase)->Arg(kLargeBase)->UseRealTime()->Unit(benchmark::kMillisecond);
}

// Runs `tidy` untimed, then hands all freed memory back to the system, so that the next
// iteration pays for every page it touches, as a program that has just started does. Without
// it the allocator's leftovers from earlier benchmarks would decide what an operation costs.
template <typename Tidy> void Untimed(benchmark::State& state, Tidy&& tidy) {
    state.PauseTiming();
    tidy();
    malloc_trim(0);
    state.ResumeTiming();
}

inline void ColdHeap(benchmark::State& state) {
    Untimed(state, [] {});
}

inline int32_t SizeOf(const benchmark::State& state) {
    return static_cast<int32_t>(state.range(0));
}

void RegisterFileBenchmarks(Workbench& wb);
// LoadBase alone under another name, as the window's program measures it beside start-up.
void RegisterLoadBenchmark(Workbench& wb, const char* name);
void RegisterSearchBenchmarks(Workbench& wb);
void RegisterMergeBenchmarks(Workbench& wb);
void RegisterSortBenchmarks(Workbench& wb);

} // namespace timyanka::bench
