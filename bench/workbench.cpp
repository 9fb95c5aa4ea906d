#include "bench/workbench.h"

#include "base/base_file.h"
#include "text/cp1251.h"

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace timyanka::bench {
namespace {

std::string Quoted(const std::string& path) {
    std::string out = "'";
    for (char c : path) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

} // namespace

std::string MissingWord() {
    return text::Cp1251Literal("трюфель");
}

std::vector<std::string> ThreeWords() {
    return {text::Cp1251Literal("курица"), text::Cp1251Literal("рис"),
            text::Cp1251Literal("чеснок")};
}

std::string NameWord() {
    return text::Cp1251Literal("пирог");
}

Corpus::Corpus(int32_t size, std::filesystem::path folder)
    : size_(size), folder_(std::move(folder)), recepts_(GenerateBase(size)) {}

const std::string& Corpus::BasePath() {
    if (basePath_.empty()) {
        const std::string path = (folder_ / ("base-" + std::to_string(size_) + ".tmk")).string();
        if (!WriteBaseFile(recepts_, path)) {
            std::cerr << "cannot write " << path << "\n";
            std::exit(1);
        }
        basePath_ = path;
    }
    return basePath_;
}

std::uintmax_t Corpus::BaseFileSize() {
    return std::filesystem::file_size(BasePath());
}

const std::string& Corpus::BaseBytes() {
    if (baseBytes_.empty()) {
        baseBytes_ = base::SerializeBase(recepts_);
    }
    return baseBytes_;
}

const std::string& Corpus::OtherPath() {
    if (otherPath_.empty()) {
        const std::string path = (folder_ / ("other-" + std::to_string(size_) + ".tmk")).string();
        if (!WriteBaseFile(GenerateMergeBase(recepts_, size_), path)) {
            std::cerr << "cannot write " << path << "\n";
            std::exit(1);
        }
        otherPath_ = path;
    }
    return otherPath_;
}

const std::string& Corpus::JsonPath() {
    if (jsonPath_) {
        return *jsonPath_;
    }
    jsonPath_.emplace();
#ifdef TIMYANKA_BENCH_TMK
    const std::string path = (folder_ / ("base-" + std::to_string(size_) + ".json")).string();
    const std::string command =
        Quoted(TIMYANKA_BENCH_TMK) + " export " + Quoted(BasePath()) + " -o " + Quoted(path);
    const int status = std::system(command.c_str());
    if (status == 0) {
        *jsonPath_ = path;
    } else {
        jsonProblem_ = "tmk export failed (" + command + ")";
    }
#else
    jsonProblem_ = "tmk is not built: configure with tools/tmk present";
#endif
    return *jsonPath_;
}

const base::SearchIndex& Corpus::Index() {
    if (!index_) {
        index_ = std::make_unique<base::SearchIndex>();
        index_->Rebuild(recepts_);
    }
    return *index_;
}

const std::vector<int32_t>& Corpus::CandidateIds(Candidates which) {
    auto [it, added] = candidates_.try_emplace(which);
    if (added) {
        const int32_t step = which == Candidates::Picker ? 3 : 1;
        for (int32_t id = 0; id < size_; id += step) {
            it->second.push_back(id);
        }
    }
    return it->second;
}

const std::string& Corpus::AllFieldsFloor(Candidates which) {
    auto [it, added] = allFloor_.try_emplace(which);
    if (added) {
        std::string& out = it->second;
        for (int32_t id : CandidateIds(which)) {
            const base::TRecept& r = recepts_[static_cast<std::size_t>(id)];
            out += r.Name;
            for (const auto* lines : {&r.Ingridient, &r.Text}) {
                for (const std::string& l : *lines) {
                    out += l;
                }
            }
        }
        text::AnsiLowerCaseInPlace(out);
    }
    return it->second;
}

const std::string& Corpus::NamesFloor(Candidates which) {
    auto [it, added] = namesFloor_.try_emplace(which);
    if (added) {
        for (int32_t id : CandidateIds(which)) {
            it->second += recepts_[static_cast<std::size_t>(id)].Name;
        }
        text::AnsiLowerCaseInPlace(it->second);
    }
    return it->second;
}

bool Corpus::MissingWordAbsent() {
    const std::string& all = AllFieldsFloor(Candidates::Whole);
    const std::string word = MissingWord();
    return memmem(all.data(), all.size(), word.data(), word.size()) == nullptr;
}

Workbench::Workbench() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "timyanka-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "cannot make a folder under " << std::filesystem::temp_directory_path()
                  << "\n";
        std::exit(1);
    }
    folder_ = pattern;
}

Workbench::~Workbench() {
    std::error_code ec;
    std::filesystem::remove_all(folder_, ec);
}

Corpus& Workbench::Data(int32_t size) {
    auto [it, added] = corpora_.try_emplace(size);
    if (added) {
        it->second = std::make_unique<Corpus>(size, folder_);
    }
    return *it->second;
}

} // namespace timyanka::bench
