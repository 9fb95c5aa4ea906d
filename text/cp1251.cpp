#include "text/cp1251.h"

#include <cassert>
#include <utility>

namespace timyanka::text {
namespace {

// Code points of the bytes 0x80-0xFF. 0x98 has no character in the code page; it is given
// U+0098 so that every byte survives a round trip through UTF-8.
constexpr std::array<char16_t, 128> kHigh = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // F8
};

constexpr std::array<unsigned char, 256> MakeLowerTable() {
    std::array<unsigned char, 256> t{};
    for (int i = 0; i < 256; ++i) {
        t[i] = static_cast<unsigned char>(i);
    }
    for (int c = 'A'; c <= 'Z'; ++c) {
        t[c] = static_cast<unsigned char>(c + 0x20);
    }
    for (int c = 0xC0; c <= 0xDF; ++c) { // А-Я
        t[c] = static_cast<unsigned char>(c + 0x20);
    }
    // The remaining capitals of the code page and their small letters.
    constexpr unsigned char pairs[][2] = {
        {0xA8, 0xB8}, // Ё ё
        {0x80, 0x90}, // Ђ ђ
        {0x81, 0x83}, // Ѓ ѓ
        {0x8A, 0x9A}, // Љ љ
        {0x8C, 0x9C}, // Њ њ
        {0x8D, 0x9D}, // Ќ ќ
        {0x8E, 0x9E}, // Ћ ћ
        {0x8F, 0x9F}, // Џ џ
        {0xA1, 0xA2}, // Ў ў
        {0xA3, 0xBC}, // Ј ј
        {0xA5, 0xB4}, // Ґ ґ
        {0xAA, 0xBA}, // Є є
        {0xB2, 0xB3}, // І і
        {0xAF, 0xBF}, // Ї ї
        {0xBD, 0xBE}, // Ѕ ѕ
    };
    for (const auto& p : pairs) {
        t[p[0]] = p[1];
    }
    return t;
}

constexpr std::array<unsigned char, 256> kLower = MakeLowerTable();

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

int FromUnicode(char32_t cp) {
    if (cp < 0x80) {
        return static_cast<int>(cp);
    }
    for (int i = 0; i < 128; ++i) {
        if (kHigh[i] == cp) {
            return 0x80 + i;
        }
    }
    return -1;
}

// Decodes one UTF-8 sequence at s[pos]; returns its length, or 0 when it is malformed.
std::size_t DecodeUtf8(std::string_view s, std::size_t pos, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > s.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            return 0;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return 0;
    }
    return len;
}

} // namespace

const std::array<unsigned char, 256>& LowerTable() {
    return kLower;
}

std::string AnsiLowerCase(std::string_view s) {
    std::string out(s);
    AnsiLowerCaseInPlace(out);
    return out;
}

void AnsiLowerCaseInPlace(std::string& s) {
    for (char& c : s) {
        c = AnsiLowerChar(c);
    }
}

char32_t Cp1251ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kHigh[byte - 0x80]};
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (char c : cp1251) {
        AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(c)));
    }
    return out;
}

Utf8ToCp1251Result Utf8ToCp1251(std::string_view utf8) {
    Utf8ToCp1251Result r;
    r.text.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = 0;
        const std::size_t len = DecodeUtf8(utf8, pos, cp);
        if (len == 0) {
            r.status = ConvertStatus::InvalidUtf8;
            r.offset = pos;
            r.character = std::string(utf8.substr(pos, 1));
            r.text.clear();
            return r;
        }
        const int byte = FromUnicode(cp);
        if (byte < 0) {
            r.status = ConvertStatus::Unmappable;
            r.offset = pos;
            r.codePoint = cp;
            r.character = std::string(utf8.substr(pos, len));
            r.text.clear();
            return r;
        }
        r.text.push_back(static_cast<char>(byte));
        pos += len;
    }
    return r;
}

std::string Cp1251Literal(std::string_view utf8) {
    Utf8ToCp1251Result r = Utf8ToCp1251(utf8);
    assert(r.status == ConvertStatus::Ok);
    return std::move(r.text);
}

} // namespace timyanka::text
