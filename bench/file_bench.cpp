// Loading and saving a base file, each against what the file system alone costs: reading the
// file into memory in one go, and writing and flushing the same bytes.
#include "base/base_file.h"
#include "base/recept_store.h"
#include "bench/register.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace timyanka::bench {
namespace {

long MinorFaults() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Fresh pages cost more than anything else an operation on a large base does here (see the
// README), so the benchmarks that read a base note how many each iteration touched.
class FaultCount {
public:
    void Start() { start_ = MinorFaults(); }
    void Stop() { total_ += MinorFaults() - start_; }
    void Report(benchmark::State& state) const {
        if (state.iterations() > 0) {
            state.counters["page_faults"] =
                static_cast<double>(total_) / static_cast<double>(state.iterations());
        }
    }

private:
    long start_ = 0;
    long total_ = 0;
};

// open, one read of the whole size, close: the floor for any reader of the file.
bool ReadInOneGo(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0;
    const auto size = static_cast<std::size_t>(st.st_size);
    auto buffer = std::make_unique_for_overwrite<char[]>(size);
    std::size_t used = 0;
    while (ok && used < size) {
        const ssize_t n = ::read(fd, buffer.get() + used, size - used);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        used += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    benchmark::DoNotOptimize(buffer.get());
    ::close(fd);
    return ok;
}

// The same bytes into a plain file, then fsync: the floor for a save that survives a crash.
bool WriteAndFlush(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        ok = n > 0;
        done += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

void LoadBase(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& path = data.BasePath();
    ReadInOneGo(path); // the page cache holds the file from here on
    base::ReceptStore store(data.Size());
    FaultCount faults;
    for (auto _ : state) {
        // Start-up loads into an empty store; freeing the previous base is not the load's cost.
        Untimed(state, [&store] { store.ClearBase(); });
        faults.Start();
        const bool ok = base::LoadBase(store, path).status == base::LoadStatus::Ok;
        faults.Stop();
        if (!ok) {
            state.SkipWithError("LoadBase failed");
            break;
        }
    }
    faults.Report(state);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.BaseFileSize()));
}

void ReadFileBaseline(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& path = data.BasePath();
    ReadInOneGo(path);
    FaultCount faults;
    for (auto _ : state) {
        ColdHeap(state);
        faults.Start();
        const bool ok = ReadInOneGo(path);
        faults.Stop();
        if (!ok) {
            state.SkipWithError("cannot read the base file");
            break;
        }
    }
    faults.Report(state);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.BaseFileSize()));
}

void SaveBase(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    base::ReceptStore store(data.Size());
    store.ReplaceAll(std::vector<base::TRecept>(data.Recepts()));
    const std::string path =
        (data.Folder() / ("saved-" + std::to_string(data.Size()) + ".tmk")).string();
    for (auto _ : state) {
        ColdHeap(state);
        if (base::SaveBase(store, path).status != base::SaveStatus::Ok) {
            state.SkipWithError("SaveBase failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.BaseFileSize()));
}

void WriteFlushBaseline(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const std::string& bytes = data.BaseBytes();
    const std::string path =
        (data.Folder() / ("plain-" + std::to_string(data.Size()) + ".bin")).string();
    for (auto _ : state) {
        if (!WriteAndFlush(path, bytes)) {
            state.SkipWithError("cannot write the plain file");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}

} // namespace

void RegisterLoadBenchmark(Workbench& wb, const char* name) {
    AtBothSizes(benchmark::RegisterBenchmark(name, LoadBase, std::ref(wb)));
}

void RegisterFileBenchmarks(Workbench& wb) {
    RegisterLoadBenchmark(wb, "LoadBase");
    AtBothSizes(benchmark::RegisterBenchmark("Baseline/ReadFile", ReadFileBaseline, std::ref(wb)));
    AtBothSizes(benchmark::RegisterBenchmark("SaveBase", SaveBase, std::ref(wb)));
    AtBothSizes(
        benchmark::RegisterBenchmark("Baseline/WriteFsync", WriteFlushBaseline, std::ref(wb)));
}

} // namespace timyanka::bench
