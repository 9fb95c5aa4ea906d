// The lines a recipe memo holds and the text that shows a recipe's lines in a memo, in
// Windows-1251 bytes, so that the editor dialogs store what the user typed, line for line.
#pragma once

#include "base/recept.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace timyanka::dialogs {

// The memo's own lines: its text split at the line breaks ('\n') the user typed, never where
// word wrap shows a paragraph broken. The empty text has no line, a final line break starts
// no line of its own, so a text of one line break is one empty line. A line longer than
// `limit` bytes, which the base file cannot hold, is broken into parts (BreakLongLine).
base::Lines MemoLines(std::string_view text, std::size_t limit);

// Parts of at most `limit` bytes: each part ends after the last blank within its first
// `limit` bytes, or after `limit` bytes when it has no blank there. The blank stays at the
// end of its part, so the parts joined give the line back. A line within the limit is the
// only part; the empty line gives one empty part.
base::Lines BreakLongLine(std::string_view line, std::size_t limit);

// The text that shows these lines in a memo and that MemoLines turns back into the same
// lines (lines within the limit, without line breaks of their own).
std::string MemoText(const base::Lines& lines);

} // namespace timyanka::dialogs
