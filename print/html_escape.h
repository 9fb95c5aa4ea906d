// Escaping of recipe and table texts for the printed HTML sheet, so that a name or line
// holding &, < or > prints as written instead of being read as markup.
#pragma once

#include <string>
#include <string_view>

namespace timyanka::print {

// Appends `text` with & < > written as &amp; &lt; &gt;; every other byte is copied as it is
// (the text stays Windows-1251).
void AppendHtmlEscaped(std::string& out, std::string_view text);

} // namespace timyanka::print
