// tmk check: whether the program would open a base file, and if not, where and why not.
#include "tools/tmk/base_input.h"
#include "tools/tmk/command.h"

namespace timyanka::tmk {
namespace {

int RunCheck(const Invocation& inv) {
    std::vector<base::TRecept> recepts;
    return ReadBaseForCommand(inv.args.positionals[0], recepts, inv.err) ? kExitOk : kExitFailure;
}

constexpr Command kCheck{
    .name = "check",
    .summary = "проверить, откроет ли программа файл базы",
    .usage = "ФАЙЛ",
    .description = "Читает ФАЙЛ так, как его открывает программа. Если программа его откроет,\n"
                   "ничего не выводит и завершается с кодом 0. Иначе выводит сообщение\n"
                   "программы, смещение в байтах, с которого файл неправилен, рецепт, который\n"
                   "читался в этот момент, и причину, и завершается с кодом 1.\n",
    .options = {},
    .minPositionals = 1,
    .maxPositionals = 1,
    .run = RunCheck,
};

} // namespace

const Command& CheckCommand() {
    return kCheck;
}

} // namespace timyanka::tmk
