// tmk: the command-line companion of the cookbook program. Looks the command up in the
// command table, parses its arguments and runs it.
#include "tools/tmk/args.h"
#include "tools/tmk/command.h"
#include "tools/tmk/help.h"

#include <exception>
#include <iostream>
#include <span>
#include <string>
#include <vector>

namespace timyanka::tmk {
namespace {

// `failureCode` becomes the command's own status for a failure main has to report.
int Run(std::span<const std::string> args, std::ostream& out, std::ostream& err, int& failureCode) {
    if (args.empty()) {
        err << "tmk: не указана команда\n"
               "Справка: tmk --help\n";
        return kExitUsage;
    }
    const std::string& name = args.front();
    if (name == "-h" || name == "--help") {
        PrintOverview(out);
        return kExitOk;
    }
    const Command* command = FindCommand(name);
    if (command == nullptr) {
        err << "tmk: неизвестная команда «" << name << "»\n"
            << "Справка: tmk --help\n";
        return kExitUsage;
    }
    failureCode = command->failureCode;
    const ArgsResult parsed = ParseArgs(args.subspan(1), command->options, command->minPositionals,
                                        command->maxPositionals);
    if (!parsed.ok) {
        PrintUsageError(*command, parsed.error, err);
        return kExitUsage;
    }
    if (parsed.args.help) {
        PrintCommandHelp(*command, out);
        return kExitOk;
    }
    return command->run(Invocation{parsed.args, out, err});
}

} // namespace
} // namespace timyanka::tmk

int main(int argc, char** argv) {
    using namespace timyanka::tmk;
    int failureCode = kExitFailure;
    int code = kExitFailure;
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        code = Run(args, std::cout, std::cerr, failureCode);
    } catch (const std::exception& e) {
        std::cerr << "tmk: внутренняя ошибка: " << e.what() << '\n';
        code = failureCode;
    } catch (...) {
        std::cerr << "tmk: внутренняя ошибка\n";
        code = failureCode;
    }
    // A result that never reached its reader (a full disk behind a redirection) is a
    // failure, not a success.
    std::cout.flush();
    if (!std::cout && code == kExitOk) {
        std::cerr << "tmk: не удается записать результат в стандартный вывод\n";
        code = failureCode;
    }
    return code;
}
