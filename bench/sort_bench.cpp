// Sorting the whole list by name as the sort command does it: by the byte weights of the
// collation for names that only hold plain characters, otherwise names to QString and the ICU
// collator's sort keys; against a plain byte sort of the lower-cased names.
#include "bench/register.h"
#include "platform/qt_collator.h"
#include "text/collation.h"
#include "text/cp1251.h"

#include <QString>

#include <algorithm>
#include <numeric>

namespace timyanka::bench {
namespace {

void SortByCollation(benchmark::State& state, Workbench& wb) {
    const std::vector<base::TRecept>& recepts = wb.Data(SizeOf(state)).Recepts();
    const platform::QtCollator collator;
    for (auto _ : state) {
        ColdHeap(state);
        std::vector<QString> names;
        names.reserve(recepts.size());
        for (const base::TRecept& r : recepts) {
            names.push_back(QString::fromStdString(text::Cp1251ToUtf8(r.Name)));
        }
        const std::vector<std::size_t> order = collator.SortOrder(names);
        benchmark::DoNotOptimize(order.data());
    }
}

void SortByWeights(benchmark::State& state, Workbench& wb) {
    const std::vector<base::TRecept>& recepts = wb.Data(SizeOf(state)).Recepts();
    for (auto _ : state) {
        ColdHeap(state);
        std::vector<std::string_view> names;
        names.reserve(recepts.size());
        for (const base::TRecept& r : recepts) {
            names.emplace_back(r.Name);
        }
        const bool plain = std::all_of(names.begin(), names.end(), [](std::string_view n) {
            return text::HasPlainCollation(n);
        });
        if (!plain) {
            state.SkipWithError("the generated names should all be plain");
            return;
        }
        const std::vector<std::size_t> ids = text::PlainSortOrder(names);
        benchmark::DoNotOptimize(ids.data());
    }
}

void ByteSortBaseline(benchmark::State& state, Workbench& wb) {
    const std::vector<base::TRecept>& recepts = wb.Data(SizeOf(state)).Recepts();
    for (auto _ : state) {
        ColdHeap(state);
        std::vector<std::string> keys;
        keys.reserve(recepts.size());
        for (const base::TRecept& r : recepts) {
            keys.push_back(text::AnsiLowerCase(r.Name));
        }
        std::vector<std::size_t> order(keys.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
        benchmark::DoNotOptimize(order.data());
    }
}

} // namespace

void RegisterSortBenchmarks(Workbench& wb) {
    AtBothSizes(benchmark::RegisterBenchmark("Sort/Weights", SortByWeights, std::ref(wb)));
    AtBothSizes(benchmark::RegisterBenchmark("Sort/Collator", SortByCollation, std::ref(wb)));
    AtBothSizes(benchmark::RegisterBenchmark("Baseline/ByteSort", ByteSortBaseline, std::ref(wb)));
}

} // namespace timyanka::bench
