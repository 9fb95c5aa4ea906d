// What a tmk command is: its name, its help texts, its options and the function that runs
// it. The command table lists them all; main only looks a command up and runs it.
#pragma once

#include "tools/tmk/args.h"

#include <cstddef>
#include <ostream>
#include <span>
#include <string_view>

namespace timyanka::tmk {

enum ExitCode : int {
    kExitOk = 0,
    kExitFailure = 1, // bad input or data, a file that cannot be read or written
    kExitUsage = 2,   // a wrong command line
};

struct Invocation {
    const ParsedArgs& args;
    std::ostream& out; // the command's result
    std::ostream& err; // messages
};

struct Command {
    std::string_view name;
    std::string_view summary;     // one line for "tmk --help"
    std::string_view usage;       // what follows "tmk NAME" in the usage line
    std::string_view description; // the body of "tmk NAME --help", lines ending in '\n'
    std::span<const OptionDef> options;
    std::size_t minPositionals = 0;
    std::size_t maxPositionals = 0;
    int (*run)(const Invocation&) = nullptr;
    // The exit status for a failure the command cannot report itself: an internal error, or a
    // result that never reached the standard output.
    int failureCode = kExitFailure;
};

// Every command, in the order the overall help lists them.
std::span<const Command* const> Commands();

// The command of that name, or nullptr.
const Command* FindCommand(std::string_view name);

} // namespace timyanka::tmk
