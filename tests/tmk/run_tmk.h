// Runs the built tmk executable with its output captured, for the end-to-end tests.
#pragma once

#include "tests/core/test_util.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace timyanka::testing {

struct TmkRun {
    int exitCode = -1; // -signal when tmk was killed
    std::string out;
    std::string err;
};

// Runs tmk with `args` in the folder `cwd` (the test's own when empty); its standard output
// goes to `stdoutPath` when given (so that a test can hand it /dev/full), otherwise it is
// captured.
inline TmkRun RunTmk(const std::vector<std::string>& args, const std::string& stdoutPath = {},
                     const std::string& cwd = {}) {
    TempDir capture;
    const std::string outFile = stdoutPath.empty() ? capture.file("out") : stdoutPath;
    const std::string errFile = capture.file("err");

    std::vector<std::string> argvStrings = {TMK_EXECUTABLE};
    argvStrings.insert(argvStrings.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : argvStrings) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!cwd.empty()) {
        posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
    }
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    TmkRun run;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        run.err = "cannot start " TMK_EXECUTABLE;
        return run;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    if (stdoutPath.empty()) {
        run.out = ReadBytes(outFile);
    }
    run.err = ReadBytes(errFile);
    return run;
}

} // namespace timyanka::testing
