#include "tools/tmk/command.h"

namespace timyanka::tmk {

#define TMK_COMMAND(factory) const Command& factory();
#include "tools/tmk/command_list.h"
#undef TMK_COMMAND

std::span<const Command* const> Commands() {
    static const Command* const table[] = {
#define TMK_COMMAND(factory) &factory(),
#include "tools/tmk/command_list.h"
#undef TMK_COMMAND
    };
    return table;
}

const Command* FindCommand(std::string_view name) {
    for (const Command* c : Commands()) {
        if (c->name == name) {
            return c;
        }
    }
    return nullptr;
}

} // namespace timyanka::tmk
