// The data the benchmarks share, made once per base size and only when a benchmark first asks
// for it: the generated recipes, their base file, the base to merge, the JSON export, the
// search index and the flat buffers the baselines scan. Everything lives in one folder under
// /tmp that goes away with the workbench.
#pragma once

#include "base/search.h"
#include "bench/base_generator.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace timyanka::bench {

// The two sizes every benchmark runs at: a large cookbook and the store's full capacity.
inline constexpr int32_t kSmallBase = 10000;
inline constexpr int32_t kLargeBase = 100000;

// Which recipes a search tests: a picker-like selection (every third recipe) or all of them.
enum class Candidates { Picker, Whole };

class Corpus {
public:
    Corpus(int32_t size, std::filesystem::path folder);

    int32_t Size() const { return size_; }
    const std::vector<base::TRecept>& Recepts() const { return recepts_; }
    const std::filesystem::path& Folder() const { return folder_; }

    // The base file of Recepts(), written on first use.
    const std::string& BasePath();
    std::uintmax_t BaseFileSize();
    // Its bytes, as SaveBase writes them.
    const std::string& BaseBytes();
    // A base of Size() recipes, half of their names new to Recepts(), for the merge.
    const std::string& OtherPath();
    // `tmk export` of the base file; empty when tmk is not there or fails, and then
    // JsonProblem() says why.
    const std::string& JsonPath();
    const std::string& JsonProblem() const { return jsonProblem_; }

    const base::SearchIndex& Index();
    const std::vector<int32_t>& CandidateIds(Candidates which);
    // The lower-cased text of the candidates in one buffer: all three fields, or names only.
    const std::string& AllFieldsFloor(Candidates which);
    const std::string& NamesFloor(Candidates which);
    // Whether MissingWord() really occurs nowhere in the base.
    bool MissingWordAbsent();

private:
    int32_t size_;
    std::filesystem::path folder_;
    std::vector<base::TRecept> recepts_;
    std::string basePath_;
    std::string baseBytes_;
    std::string otherPath_;
    std::optional<std::string> jsonPath_;
    std::string jsonProblem_;
    std::unique_ptr<base::SearchIndex> index_;
    std::map<Candidates, std::vector<int32_t>> candidates_;
    std::map<Candidates, std::string> allFloor_;
    std::map<Candidates, std::string> namesFloor_;
};

class Workbench {
public:
    Workbench();
    Workbench(const Workbench&) = delete;
    Workbench& operator=(const Workbench&) = delete;
    ~Workbench();

    Corpus& Data(int32_t size);
    const std::filesystem::path& Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::map<int32_t, std::unique_ptr<Corpus>> corpora_;
};

// The words the searches look for, Windows-1251. The missing word occurs in no generated
// recipe (Corpus checks it); the three present ones are common ingredients.
std::string MissingWord();
std::vector<std::string> ThreeWords();
std::string NameWord();

} // namespace timyanka::bench
