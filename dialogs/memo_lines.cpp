#include "dialogs/memo_lines.h"

namespace timyanka::dialogs {

base::Lines BreakLongLine(std::string_view line, std::size_t limit) {
    base::Lines parts;
    if (limit == 0) {
        parts.emplace_back(line);
        return parts;
    }
    while (line.size() > limit) {
        const std::size_t blank = line.substr(0, limit).rfind(' ');
        const std::size_t cut = blank == std::string_view::npos ? limit : blank + 1;
        parts.emplace_back(line.substr(0, cut));
        line.remove_prefix(cut);
    }
    parts.emplace_back(line);
    return parts;
}

base::Lines MemoLines(std::string_view text, std::size_t limit) {
    base::Lines lines;
    while (!text.empty()) {
        const std::size_t br = text.find('\n');
        const std::string_view line = text.substr(0, br);
        for (std::string& part : BreakLongLine(line, limit)) {
            lines.push_back(std::move(part));
        }
        if (br == std::string_view::npos) {
            break;
        }
        text.remove_prefix(br + 1);
    }
    return lines;
}

std::string MemoText(const base::Lines& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += '\n';
        }
        text += lines[i];
    }
    // A last line that is empty needs a line break of its own, which MemoLines does not read
    // as the start of a further line.
    if (!lines.empty() && lines.back().empty()) {
        text += '\n';
    }
    return text;
}

} // namespace timyanka::dialogs
