// Merging a base of the same size, half of its names new, into the open base: the whole
// command's work (reading the other file and appending), against reading that file alone.
#include "base/base_file.h"
#include "base/merge.h"
#include "base/recept_store.h"
#include "bench/register.h"

#include <limits>

namespace timyanka::bench {
namespace {

// Room for the merged recipes: at the default capacity a full base would take none of them.
base::ReceptStore StoreWithRoom(Corpus& data) {
    base::ReceptStore store(2 * data.Size());
    store.ReplaceAll(std::vector<base::TRecept>(data.Recepts()));
    return store;
}

void TakeBackAdded(base::ReceptStore& store, int32_t size) {
    while (store.ReceptCount() > size) {
        store.DeleteRecept(store.ReceptCount() - 1);
    }
}

void MergeFile(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& other = data.OtherPath();
    base::ReceptStore store = StoreWithRoom(data);
    const int32_t expected = data.Size() / 2;
    for (auto _ : state) {
        Untimed(state, [&] { TakeBackAdded(store, data.Size()); });
        const base::MergeFileResult r = base::MergeBaseFile(store, other, false);
        if (r.load.status != base::LoadStatus::Ok || r.merge.added != expected) {
            state.SkipWithError("the merge did not add the new half");
            break;
        }
    }
}

// The merge without the file: the other base already in memory.
void MergeInMemory(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    std::vector<base::TRecept> other;
    if (base::ReadBaseFile(data.OtherPath(), std::numeric_limits<int32_t>::max(), other).status !=
        base::LoadStatus::Ok) {
        state.SkipWithError("cannot read the other base");
        return;
    }
    base::ReceptStore store = StoreWithRoom(data);
    for (auto _ : state) {
        Untimed(state, [&] { TakeBackAdded(store, data.Size()); });
        if (base::MergeRecepts(store, other, false).added != data.Size() / 2) {
            state.SkipWithError("the merge did not add the new half");
            break;
        }
    }
}

void ReadOtherBaseline(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& path = data.OtherPath();
    for (auto _ : state) {
        ColdHeap(state);
        // Freed inside the loop, as the merge frees its copy of the other base.
        std::vector<base::TRecept> other;
        if (base::ReadBaseFile(path, std::numeric_limits<int32_t>::max(), other).status !=
            base::LoadStatus::Ok) {
            state.SkipWithError("cannot read the other base");
            break;
        }
        benchmark::DoNotOptimize(other.data());
    }
}

} // namespace

void RegisterMergeBenchmarks(Workbench& wb) {
    AtBothSizes(benchmark::RegisterBenchmark("Merge/File", MergeFile, std::ref(wb)));
    AtBothSizes(benchmark::RegisterBenchmark("Merge/InMemory", MergeInMemory, std::ref(wb)));
    AtBothSizes(
        benchmark::RegisterBenchmark("Baseline/ReadOtherFile", ReadOtherBaseline, std::ref(wb)));
}

} // namespace timyanka::bench
