// Text from a file or from the command line as tmk shows it: control characters made
// visible, and the reason a UTF-8 text has no Windows-1251 spelling.
#pragma once

#include "text/cp1251.h"

#include <string>
#include <string_view>

namespace timyanka::tmk {

// The UTF-8 text with its control characters (C0, DEL and C1) written as \u escapes, since
// they would act on the terminal.
std::string Printable(std::string_view utf8);

// "U+20AC".
std::string CodePointName(char32_t cp);

// Why the conversion failed, e.g. "знака «€» (U+20AC) нет в Windows-1251"; empty for Ok.
std::string DescribeConversion(const text::Utf8ToCp1251Result& r);

} // namespace timyanka::tmk
