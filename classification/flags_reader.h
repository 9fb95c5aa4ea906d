// The reader of one flags file: entries of a fixed-width code field, one separator
// character and a name, one entry a line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace timyanka::classification {

struct FlagsEntry {
    int32_t code = 0;
    std::string name;
};

enum class FlagsStatus { Ok, BadCode, TooManyEntries };

struct FlagsResult {
    FlagsStatus status = FlagsStatus::Ok;
    std::string field; // BadCode: the code field's text, without its line break
    int entry = 0;     // the index of the entry that failed
};

// Longest name an entry holds; a longer line goes on as the next entry's code field.
inline constexpr std::size_t kMaxFlagsName = 248;

// Reads the entries of a file's contents (as read from disk: CR LF and LF line ends both
// end a line). Stops at the first bad code field, or before entry number `capacity`,
// keeping the entries read up to there. A line break or empty lines after the last entry,
// and an empty file, end the file without an entry.
FlagsResult ReadFlagsEntries(std::string_view contents, int codeWidth, int capacity,
                             std::vector<FlagsEntry>& out);

// The code field's conversion: leading blanks, an optional sign, then decimal digits to
// the end of the field, at least one.
bool ParseCodeField(std::string_view field, int32_t& code);

} // namespace timyanka::classification
