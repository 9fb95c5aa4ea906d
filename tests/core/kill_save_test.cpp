// A save killed at any moment leaves the base whole: the old one or the new one, never a
// mixture, and a backup that is a whole earlier base.
#include "base/base_file.h"

#include "test_util.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <thread>
#include <vector>

using namespace timyanka::base;
using timyanka::testing::FilesIn;
using timyanka::testing::ReadBytes;
using timyanka::testing::TempDir;
using timyanka::testing::W;
using timyanka::testing::WriteBytes;
namespace fs = std::filesystem;

namespace {

constexpr int kRecepts = 20000;
constexpr int kKills = 20;
constexpr unsigned kSeed = 20240229;

// Recipes of Cyrillic words of random lengths; `seed` decides every byte.
std::vector<TRecept> GeneratedBase(unsigned seed, int count) {
    std::mt19937 gen(seed);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n)(gen); };
    const auto words = [&](int maxLength) {
        std::string s;
        for (int n = below(maxLength); n > 0; --n) {
            // 0xE0..0xFF: the small Cyrillic letters of Windows-1251, now and then a blank.
            s += below(6) == 0 ? ' ' : static_cast<char>(0xE0 + below(31));
        }
        return s;
    };
    std::vector<TRecept> out(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        TRecept& r = out[static_cast<std::size_t>(i)];
        r.Id = i;
        r.Name = W("Рецепт ") + std::to_string(i) + ' ' + words(30);
        r.National = below(40);
        r.Class = below(20);
        r.PodClass = below(30);
        r.Osoboe = below(10);
        for (int n = below(8); n > 0; --n) {
            r.Ingridient.push_back(words(40));
        }
        for (int n = below(5); n > 0; --n) {
            r.Text.push_back(words(200));
        }
    }
    return out;
}

bool IsStrayTemp(const std::string& name) {
    const std::string prefix = ".base.tmk.";
    return name.size() == prefix.size() + 6 && name.starts_with(prefix) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                       [](char c) {
                           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                  (c >= '0' && c <= '9');
                       });
}

// Saves the recipes to `path` in a child process, killed with SIGKILL after `killAfter`
// microseconds unless that is negative. The child's wait status, or -1 without a child.
int SaveInChild(const std::vector<TRecept>& recepts, const std::string& path,
                std::int64_t killAfter) {
    const pid_t child = fork();
    if (child < 0) {
        return -1;
    }
    if (child == 0) {
        _exit(SaveRecepts(recepts, path).status == SaveStatus::Ok ? 0 : 1);
    }
    if (killAfter >= 0) {
        std::this_thread::sleep_for(std::chrono::microseconds(killAfter));
        kill(child, SIGKILL);
    }
    int status = 0;
    return waitpid(child, &status, 0) == child ? status : -1;
}

bool SavedWell(int status) {
    return status != -1 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST(KillSave, ABaseKilledWhileSavingIsTheWholeOldOrTheWholeNewOne) {
    const std::vector<TRecept> oldRecepts = GeneratedBase(1, kRecepts);
    const std::vector<TRecept> newRecepts = GeneratedBase(2, kRecepts);
    const std::string oldBytes = SerializeBase(oldRecepts);
    const std::string newBytes = SerializeBase(newRecepts);
    const std::string olderBytes = SerializeBase(GeneratedBase(3, 3));
    ASSERT_NE(oldBytes, newBytes);

    TempDir dir;
    const std::string path = dir.file("base.tmk");
    const std::string backup = path + ".bak";
    const auto reset = [&] {
        // Fresh files, so that no name shares its contents with another from the last round.
        fs::remove(path);
        fs::remove(backup);
        WriteBytes(path, oldBytes);
        WriteBytes(backup, olderBytes);
    };

    // How long a save in a child takes on this machine, fork included: the kills are spread
    // over that time.
    reset();
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(SavedWell(SaveInChild(newRecepts, path, -1)));
    const auto saveMicroseconds = std::chrono::duration_cast<std::chrono::microseconds>(
                                      std::chrono::steady_clock::now() - started)
                                      .count();

    std::mt19937 gen(kSeed);
    std::uniform_int_distribution<std::int64_t> delays(0,
                                                       std::max<std::int64_t>(saveMicroseconds, 1));
    for (int round = 0; round < kKills; ++round) {
        reset();
        const std::int64_t delay = delays(gen);
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", round " + std::to_string(round) +
                     ", kill after " + std::to_string(delay) + " of " +
                     std::to_string(saveMicroseconds) + " microseconds");
        const int status = SaveInChild(newRecepts, path, delay);
        ASSERT_NE(status, -1);
        if (WIFEXITED(status)) {
            EXPECT_TRUE(SavedWell(status)) << "the save finished but failed";
        }

        // Compared as flags: a failure must not print megabytes of base.
        const std::string now = ReadBytes(path);
        const std::string kept = ReadBytes(backup);
        const bool isOld = now == oldBytes;
        const bool isNew = now == newBytes;
        EXPECT_TRUE(isOld || isNew) << "the base is neither, " << now.size() << " bytes";
        EXPECT_TRUE(kept == olderBytes || kept == oldBytes)
            << "the backup is neither, " << kept.size() << " bytes";
        if (isNew) {
            EXPECT_TRUE(kept == oldBytes) << "the new base is in place without its backup";
        }
        for (const std::string& name : FilesIn(dir.path())) {
            EXPECT_TRUE(name == "base.tmk" || name == "base.tmk.bak" || IsStrayTemp(name)) << name;
        }
    }

    // A later save is not misled by what the kills left behind, and clears it away.
    ASSERT_EQ(SaveRecepts(newRecepts, path).status, SaveStatus::Ok);
    EXPECT_TRUE(ReadBytes(path) == newBytes);
    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"base.tmk", "base.tmk.bak"}));
}
