// The help texts of tmk: the overview of all commands and the page of one command.
#pragma once

#include "tools/tmk/command.h"

#include <ostream>

namespace timyanka::tmk {

void PrintOverview(std::ostream& out);
void PrintCommandHelp(const Command& command, std::ostream& out);
// "Использование: tmk NAME USAGE" and a pointer to the command's help, after a usage error.
void PrintUsageHint(const Command& command, std::ostream& out);

} // namespace timyanka::tmk
