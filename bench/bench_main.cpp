// The benchmark program: one workbench for the whole run, every group registered against it.
#include "bench/register.h"

int main(int argc, char** argv) {
    timyanka::bench::Workbench wb;
    timyanka::bench::RegisterFileBenchmarks(wb);
    timyanka::bench::RegisterSearchBenchmarks(wb);
    timyanka::bench::RegisterMergeBenchmarks(wb);
#ifdef TIMYANKA_BENCH_SORT
    timyanka::bench::RegisterSortBenchmarks(wb);
#endif
    benchmark::AddCustomContext("data_folder", wb.Folder().string());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
