// The main window with a large base: start-up (window, flags, base, first list), refilling the
// list, and a whole program start in a child process with its peak memory. Runs on Qt's
// offscreen platform; the window talks to a recording platform, so no message box can block.
#include "app/UTimyanka.h"
#include "bench/register.h"
#include "platform/testing/recording_platform.h"

#include <QApplication>
#include <QComboBox>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace timyanka::bench {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kChildFlag = "--start-in=";

// Moves the process into the window's working folder for one benchmark and back.
class CurrentFolder {
public:
    explicit CurrentFolder(const fs::path& dir) : saved_(fs::current_path()) {
        fs::current_path(dir);
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { fs::current_path(saved_); }

private:
    fs::path saved_;
};

// A working folder as the program expects it: the shipped flags and the base of this size as
// "BaseRecept.tmk".
fs::path WorkingFolder(Corpus& data) {
    const fs::path dir = data.Folder() / ("gui-" + std::to_string(data.Size()));
    if (!fs::exists(dir / app::kDefaultBaseFile)) {
        fs::create_directories(dir);
        fs::copy(fs::path(TIMYANKA_BENCH_WORKDIR) / app::kFlagsFolder, dir / app::kFlagsFolder,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        fs::create_symlink(data.BasePath(), dir / app::kDefaultBaseFile);
    }
    return dir;
}

// Creates the window and starts it as the program does; false when it showed a message.
bool StartWindow(platform::testing::RecordingPlatform& platform,
                 std::unique_ptr<app::TFGlobal>& window) {
    platform.ClearCalls();
    window = std::make_unique<app::TFGlobal>(platform);
    const bool ok = window->FormCreate() == app::StartStatus::Ok;
    window->show();
    QCoreApplication::processEvents();
    return ok && platform.Messages().isEmpty();
}

void StartUp(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const CurrentFolder here(WorkingFolder(data));
    platform::testing::RecordingPlatform platform;
    std::unique_ptr<app::TFGlobal> window;
    for (auto _ : state) {
        // Closing the previous window is not part of starting.
        Untimed(state, [&window] { window.reset(); });
        if (!StartWindow(platform, window)) {
            state.SkipWithError("the window did not start cleanly");
            break;
        }
    }
    if (window) {
        state.counters["listed"] = window->State().SpisokCount();
    }
}

void ShowSpisok(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const CurrentFolder here(WorkingFolder(data));
    platform::testing::RecordingPlatform platform;
    std::unique_ptr<app::TFGlobal> window;
    if (!StartWindow(platform, window)) {
        state.SkipWithError("the window did not start cleanly");
        return;
    }
    for (auto _ : state) {
        window->ShowSpisok();
        QCoreApplication::processEvents();
    }
    state.counters["listed"] = window->State().SpisokCount();
}

// What every picker change does: the list built afresh from the pickers, then shown. "All" has
// every picker at " Все" (the whole base listed), "Narrow" a class and a cuisine chosen.
void BuildShowSpisok(benchmark::State& state, Workbench& wb, bool narrow) {
    Corpus& data = wb.Data(SizeOf(state));
    const CurrentFolder here(WorkingFolder(data));
    platform::testing::RecordingPlatform platform;
    std::unique_ptr<app::TFGlobal> window;
    if (!StartWindow(platform, window)) {
        state.SkipWithError("the window did not start cleanly");
        return;
    }
    if (narrow) {
        for (const char* name : {"CClass", "CNational"}) {
            auto* box = window->findChild<QComboBox*>(QString::fromLatin1(name));
            if (box == nullptr || box->count() < 4) {
                state.SkipWithError("no picker to choose from");
                return;
            }
            box->setCurrentIndex(3);
            emit box->activated(3);
        }
    }
    for (auto _ : state) {
        window->BuildSpisok();
        window->ShowSpisok();
        QCoreApplication::processEvents();
    }
    state.counters["listed"] = window->State().SpisokCount();
}

// The whole program start in a fresh process, from exec to the first list shown and the
// window closed again; the child reports its peak resident memory.
void ProcessStartUp(benchmark::State& state, Workbench& wb) {
    Corpus& data = wb.Data(SizeOf(state));
    const fs::path dir = WorkingFolder(data);
    const std::string command = "QT_QPA_PLATFORM=offscreen '" +
                                fs::read_symlink("/proc/self/exe").string() + "' " +
                                std::string(kChildFlag) + "'" + dir.string() + "' 2>/dev/null";
    long peakKb = 0;
    for (auto _ : state) {
        FILE* child = popen(command.c_str(), "r");
        if (child == nullptr || std::fscanf(child, "%ld", &peakKb) != 1) {
            if (child != nullptr) {
                pclose(child);
            }
            state.SkipWithError("the child start failed");
            break;
        }
        if (pclose(child) != 0) {
            state.SkipWithError("the child start failed");
            break;
        }
    }
    state.counters["peak_rss_mb"] = static_cast<double>(peakKb) / 1024.0;
    state.counters["file_mb"] = static_cast<double>(data.BaseFileSize()) / (1024.0 * 1024.0);
}

long PeakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// The child of ProcessStartUp: start the window in `dir`, print the peak memory in kB.
int RunStartUpChild(const std::string& dir) {
    fs::current_path(dir);
    platform::testing::RecordingPlatform platform;
    std::unique_ptr<app::TFGlobal> window;
    if (!StartWindow(platform, window)) {
        return 1;
    }
    std::printf("%ld\n", PeakResidentKb());
    return 0;
}

void RegisterGuiBenchmarks(Workbench& wb) {
    // The load measured in this program and run, so that start-up has a fair neighbour.
    RegisterLoadBenchmark(wb, "Gui/LoadBase");
    AtBothSizes(benchmark::RegisterBenchmark("Gui/StartUp", StartUp, std::ref(wb)));
    AtBothSizes(benchmark::RegisterBenchmark("Gui/ShowSpisok", ShowSpisok, std::ref(wb)));
    AtBothSizes(benchmark::RegisterBenchmark("Gui/BuildShowSpisok/All", BuildShowSpisok,
                                             std::ref(wb), false));
    AtBothSizes(benchmark::RegisterBenchmark("Gui/BuildShowSpisok/Narrow", BuildShowSpisok,
                                             std::ref(wb), true));
    AtBothSizes(benchmark::RegisterBenchmark("Gui/ProcessStartUp", ProcessStartUp, std::ref(wb)));
}

} // namespace

} // namespace timyanka::bench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc == 2 && std::string_view(argv[1]).starts_with(timyanka::bench::kChildFlag)) {
        return timyanka::bench::RunStartUpChild(
            std::string(std::string_view(argv[1]).substr(timyanka::bench::kChildFlag.size())));
    }
    timyanka::bench::Workbench wb;
    timyanka::bench::RegisterGuiBenchmarks(wb);
    benchmark::AddCustomContext("data_folder", wb.Folder().string());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
