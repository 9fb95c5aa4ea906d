#include "tools/tmk/args.h"

namespace timyanka::tmk {
namespace {

const OptionDef* FindLong(std::span<const OptionDef> options, std::string_view name) {
    for (const OptionDef& o : options) {
        if (o.longName == name) {
            return &o;
        }
    }
    return nullptr;
}

const OptionDef* FindShort(std::span<const OptionDef> options, char name) {
    for (const OptionDef& o : options) {
        if (o.shortName != 0 && o.shortName == name) {
            return &o;
        }
    }
    return nullptr;
}

std::string Quoted(std::string_view s) {
    return "«" + std::string(s) + "»";
}

std::string Spelling(const OptionDef& o) {
    return o.shortName != 0 ? "-" + std::string(1, o.shortName) : "--" + std::string(o.longName);
}

bool IsHelp(std::string_view arg) {
    return arg == "-h" || arg == "--help";
}

ArgsResult Error(std::string message) {
    ArgsResult r;
    r.ok = false;
    r.error = std::move(message);
    return r;
}

} // namespace

const std::string* ParsedArgs::Value(std::string_view longName) const {
    const auto it = values.find(longName);
    return it == values.end() || it->second.empty() ? nullptr : &it->second.front();
}

std::span<const std::string> ParsedArgs::Values(std::string_view longName) const {
    const auto it = values.find(longName);
    return it == values.end() ? std::span<const std::string>() : it->second;
}

ArgsResult ParseArgs(std::span<const std::string> args, std::span<const OptionDef> options,
                     std::size_t minPositionals, std::size_t maxPositionals) {
    // A request for help wins over every mistake in the rest of the line.
    for (const std::string& arg : args) {
        if (arg == "--") {
            break;
        }
        if (IsHelp(arg)) {
            ArgsResult r;
            r.args.help = true;
            return r;
        }
    }

    ArgsResult result;
    ParsedArgs& parsed = result.args;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            parsed.positionals.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }

        const OptionDef* def = nullptr;
        std::string value;
        bool hasInlineValue = false;
        if (arg[1] == '-') {
            std::string_view name = std::string_view(arg).substr(2);
            if (const auto eq = name.find('='); eq != std::string_view::npos) {
                value = std::string(name.substr(eq + 1));
                name = name.substr(0, eq);
                hasInlineValue = true;
            }
            def = FindLong(options, name);
        } else {
            def = FindShort(options, arg[1]);
            if (arg.size() > 2) {
                value = arg.substr(2);
                hasInlineValue = true;
            }
        }
        if (def == nullptr) {
            return Error("неизвестный параметр " + Quoted(arg));
        }
        if (def->valueName.empty() && hasInlineValue) {
            // Short flags are not bundled: "-ab" is no spelling of "-a -b".
            if (arg[1] != '-') {
                return Error("неизвестный параметр " + Quoted(arg));
            }
            return Error("параметр " + Spelling(*def) + " не принимает значения");
        }
        if (!def->valueName.empty() && !hasInlineValue) {
            if (i + 1 >= args.size()) {
                return Error("параметру " + Spelling(*def) + " нужно значение " +
                             std::string(def->valueName));
            }
            value = args[++i];
        }
        if (parsed.Has(def->longName) && !def->repeatable) {
            return Error("параметр " + Spelling(*def) + " указан дважды");
        }
        parsed.values[std::string(def->longName)].push_back(std::move(value));
    }

    for (const OptionDef& o : options) {
        if (o.required && !parsed.Has(o.longName)) {
            return Error("не указан параметр " + Spelling(o) + " " + std::string(o.valueName));
        }
    }
    if (parsed.positionals.size() < minPositionals) {
        return Error("не хватает аргументов");
    }
    if (parsed.positionals.size() > maxPositionals) {
        return Error("лишний аргумент " + Quoted(parsed.positionals[maxPositionals]));
    }
    return result;
}

} // namespace timyanka::tmk
