// The command-line parser of tmk: options and positional arguments of one command.
#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace timyanka::tmk {

struct OptionDef {
    char shortName = 0;         // 'o' for "-o"; 0 when there is only the long form
    std::string_view longName;  // "output" for "--output"
    std::string_view valueName; // "ВЫХОД" when the option takes a value; empty for a flag
    std::string_view help;      // one line for the command's help
    bool required = false;
    bool repeatable = false; // may be given more than once; every value is kept, in order
};

struct ParsedArgs {
    bool help = false; // -h or --help was given: nothing else was checked
    std::vector<std::string> positionals;
    // By long name, the values in the order given; one "" for a flag.
    std::map<std::string, std::vector<std::string>, std::less<>> values;

    bool Has(std::string_view longName) const { return values.find(longName) != values.end(); }
    // The option's (first) value, or nullptr when it was not given.
    const std::string* Value(std::string_view longName) const;
    // Every value of a repeatable option, in the order given; empty when it was not given.
    std::span<const std::string> Values(std::string_view longName) const;
};

struct ArgsResult {
    bool ok = true;
    std::string error; // a Russian (UTF-8) usage error when !ok
    ParsedArgs args;
};

// Accepts "-o VALUE", "-oVALUE", "--output VALUE", "--output=VALUE" and flags; "--" ends the
// options, and a lone "-" is a positional argument. An option may be given once unless it is
// repeatable.
ArgsResult ParseArgs(std::span<const std::string> args, std::span<const OptionDef> options,
                     std::size_t minPositionals, std::size_t maxPositionals);

} // namespace timyanka::tmk
