#include "classification/flags_reader.h"

#include <limits>

namespace timyanka::classification {
namespace {

// Text-mode reading turns CR LF into LF; a lone CR stays part of the line.
std::string TextMode(std::string_view raw) {
    std::string s;
    s.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            continue;
        }
        s.push_back(raw[i]);
    }
    return s;
}

// Reads at most `limit` characters, stopping after a line break.
std::string_view ReadUpTo(std::string_view s, std::size_t& pos, std::size_t limit) {
    const std::size_t start = pos;
    while (pos < s.size() && pos - start < limit) {
        if (s[pos++] == '\n') {
            break;
        }
    }
    return s.substr(start, pos - start);
}

bool OnlyLineBreaksLeft(std::string_view s, std::size_t pos) {
    return s.find_first_not_of('\n', pos) == std::string_view::npos;
}

} // namespace

bool ParseCodeField(std::string_view field, int32_t& code) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    if (i == field.size()) {
        return false;
    }
    int64_t v = 0;
    for (; i < field.size(); ++i) {
        if (field[i] < '0' || field[i] > '9') {
            return false;
        }
        v = v * 10 + (field[i] - '0');
        if (v > int64_t{std::numeric_limits<int32_t>::max()} + 1) {
            return false;
        }
    }
    v = negative ? -v : v;
    if (v > std::numeric_limits<int32_t>::max()) {
        return false;
    }
    code = static_cast<int32_t>(v);
    return true;
}

FlagsResult ReadFlagsEntries(std::string_view contents, int codeWidth, int capacity,
                             std::vector<FlagsEntry>& out) {
    const std::string s = TextMode(contents);
    FlagsResult result;
    std::size_t pos = 0;
    for (int entry = 0; !OnlyLineBreaksLeft(s, pos); ++entry) {
        result.entry = entry;
        if (entry >= capacity) {
            result.status = FlagsStatus::TooManyEntries;
            return result;
        }
        std::string_view field = ReadUpTo(s, pos, static_cast<std::size_t>(codeWidth));
        FlagsEntry e;
        if (!ParseCodeField(field, e.code)) {
            if (!field.empty() && field.back() == '\n') {
                field.remove_suffix(1);
            }
            result.status = FlagsStatus::BadCode;
            result.field = std::string(field);
            return result;
        }
        if (pos < s.size()) {
            ++pos; // the separator, whatever it is
        }
        std::string_view name = ReadUpTo(s, pos, kMaxFlagsName + 1);
        if (!name.empty() && name.back() == '\n') {
            name.remove_suffix(1);
        }
        e.name = std::string(name);
        out.push_back(std::move(e));
    }
    return result;
}

} // namespace timyanka::classification
