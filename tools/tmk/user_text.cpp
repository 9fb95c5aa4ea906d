#include "tools/tmk/user_text.h"

#include <cstdio>

namespace timyanka::tmk {

std::string Printable(std::string_view utf8) {
    std::string out;
    char buf[8];
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        unsigned control = 0x100;
        if (b < 0x20 || b == 0x7F) {
            control = b;
        } else if (b == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            control = static_cast<unsigned char>(utf8[++i]);
        }
        if (control < 0x100) {
            std::snprintf(buf, sizeof buf, "\\u%04X", control);
            out += buf;
        } else {
            out.push_back(utf8[i]);
        }
    }
    return out;
}

std::string CodePointName(char32_t cp) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

std::string DescribeConversion(const text::Utf8ToCp1251Result& r) {
    switch (r.status) {
    case text::ConvertStatus::Ok:
        return {};
    case text::ConvertStatus::InvalidUtf8:
        return "неправильный UTF-8 (байт " + std::to_string(r.offset) + ")";
    case text::ConvertStatus::Unmappable: {
        // An invisible character is named by its code point alone.
        const std::string printable = Printable(r.character);
        const std::string shown = printable == r.character ? "«" + r.character + "» " : "";
        return "знака " + shown + "(" + CodePointName(r.codePoint) + ") нет в Windows-1251";
    }
    }
    return {};
}

} // namespace timyanka::tmk
