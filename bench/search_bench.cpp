// The search of the main window, against its floor (one memmem over the lower-cased text of
// the same recipes in one buffer) and against what a user would run instead (grep over the
// JSON export).
#include "base/search.h"
#include "bench/register.h"
#include "text/cp1251.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/wait.h>

namespace timyanka::bench {
namespace {

enum class Query { AllFieldsWordMissing, AllFieldsThreeWords, NameOnly };

base::SearchQuery MakeQuery(Query q) {
    switch (q) {
    case Query::AllFieldsWordMissing:
        return base::SearchQuery(std::vector<std::string>{MissingWord()}, {true, true, true});
    case Query::AllFieldsThreeWords:
        return base::SearchQuery(ThreeWords(), {true, true, true});
    case Query::NameOnly:
        break;
    }
    return base::SearchQuery(std::vector<std::string>{NameWord()}, {true, false, false});
}

void Search(benchmark::State& state, Workbench& wb, Query q, Candidates which) {
    Corpus& data = wb.Data(SizeOf(state));
    if (q == Query::AllFieldsWordMissing && !data.MissingWordAbsent()) {
        state.SkipWithError("the missing word occurs in the generated base");
        return;
    }
    const base::SearchIndex& index = data.Index();
    const std::vector<int32_t>& candidates = data.CandidateIds(which);
    const base::SearchQuery query = MakeQuery(q);
    std::size_t found = 0;
    for (auto _ : state) {
        const std::vector<int32_t> result = base::Search(index, candidates, query);
        found = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["found"] = static_cast<double>(found);
    const std::string& scanned =
        q == Query::NameOnly ? data.NamesFloor(which) : data.AllFieldsFloor(which);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * scanned.size()));
}

// One pass of memmem over all the text the search may have to read: no search can do less.
void MemmemFloor(benchmark::State& state, Workbench& wb, bool namesOnly, Candidates which) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& hay = namesOnly ? data.NamesFloor(which) : data.AllFieldsFloor(which);
    const std::string word = MissingWord();
    for (auto _ : state) {
        const void* at = memmem(hay.data(), hay.size(), word.data(), word.size());
        benchmark::DoNotOptimize(at);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * hay.size()));
}

// grep -c -i -F over the JSON export, in a UTF-8 locale so that -i folds Cyrillic.
void GrepJson(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& json = data.JsonPath();
    if (json.empty()) {
        state.SkipWithError(data.JsonProblem().c_str());
        return;
    }
    const std::string command = "LC_ALL=C.UTF-8 grep -c -i -F '" +
                                text::Cp1251ToUtf8(MissingWord()) + "' '" + json + "' >/dev/null";
    for (auto _ : state) {
        const int status = std::system(command.c_str());
        // grep exits 1 when nothing matches, which is the point here; 2 is a failure.
        if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) > 1) {
            state.SkipWithError("grep failed");
            break;
        }
    }
}

void RegisterSearch(Workbench& wb, const std::string& name, Query q, Candidates which) {
    AtBothSizes(benchmark::RegisterBenchmark(name.c_str(), Search, std::ref(wb), q, which));
}

} // namespace

void RegisterSearchBenchmarks(Workbench& wb) {
    const std::pair<Candidates, std::string> sets[] = {{Candidates::Picker, "Picker"},
                                                       {Candidates::Whole, "Whole"}};
    for (const auto& [which, set] : sets) {
        RegisterSearch(wb, "Search/AllFields/WordMissing/" + set, Query::AllFieldsWordMissing,
                       which);
        RegisterSearch(wb, "Search/AllFields/ThreeWords/" + set, Query::AllFieldsThreeWords, which);
        RegisterSearch(wb, "Search/NameOnly/" + set, Query::NameOnly, which);
        AtBothSizes(benchmark::RegisterBenchmark(("Baseline/Memmem/AllFields/" + set).c_str(),
                                                 MemmemFloor, std::ref(wb), false, which));
        AtBothSizes(benchmark::RegisterBenchmark(("Baseline/Memmem/Names/" + set).c_str(),
                                                 MemmemFloor, std::ref(wb), true, which));
    }
    AtBothSizes(
        benchmark::RegisterBenchmark("Baseline/GrepJson/AllFields/Whole", GrepJson, std::ref(wb)));
}

} // namespace timyanka::bench
