// The help texts of tmk: the overview of all commands and the page of one command.
#pragma once

#include "tools/tmk/command.h"

#include <ostream>
#include <string_view>

namespace timyanka::tmk {

void PrintOverview(std::ostream& out);
void PrintCommandHelp(const Command& command, std::ostream& out);
// "Использование: tmk NAME USAGE" and a pointer to the command's help, after a usage error.
void PrintUsageHint(const Command& command, std::ostream& out);
// "tmk NAME: MESSAGE" followed by the usage hint: a wrong command line, found by the parser
// or by the command itself.
void PrintUsageError(const Command& command, std::string_view message, std::ostream& out);

} // namespace timyanka::tmk
