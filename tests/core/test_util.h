// Helpers shared by the core tests: Windows-1251 literals, temporary folders, recipes.
#pragma once

#include "base/recept.h"
#include "text/cp1251.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace timyanka::testing {

// The names of the files in a folder, sorted.
inline std::vector<std::string> FilesIn(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        names.push_back(e.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Runs `body` in a child process and returns its exit status (or -signal).
inline int InChild(const std::function<int()>& body) {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

inline std::string W(const char* utf8) {
    return text::Cp1251Literal(utf8);
}

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() /
                ("timyanka-test-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ec;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline base::TRecept MakeRecept(const char* nameUtf8, int32_t cls = 4, int32_t national = 1,
                                int32_t podClass = 1, int32_t osoboe = 2) {
    base::TRecept r;
    r.Name = W(nameUtf8);
    r.National = national;
    r.Class = cls;
    r.PodClass = podClass;
    r.Osoboe = osoboe;
    r.Ingridient = {W("вода"), W("соль")};
    r.Text = {W("Сварить.")};
    return r;
}

} // namespace timyanka::testing
