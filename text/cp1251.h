// Windows-1251 text helpers: the single-byte lower-casing used wherever recipe names and
// texts are compared without regard to case, and lossless conversion to and from UTF-8.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace timyanka::text {

// Byte -> lower-cased byte. Latin A-Z, Cyrillic А-Я, Ё and the other Cyrillic capitals of
// the code page map to their small letters; every other byte maps to itself.
const std::array<unsigned char, 256>& LowerTable();

inline char AnsiLowerChar(char c) {
    return static_cast<char>(LowerTable()[static_cast<unsigned char>(c)]);
}

std::string AnsiLowerCase(std::string_view s);
void AnsiLowerCaseInPlace(std::string& s);

// Every byte 0x00-0xFF has a code point, 0x98 included (U+0098), so this never fails.
std::string Cp1251ToUtf8(std::string_view cp1251);
char32_t Cp1251ToUnicode(unsigned char byte);

enum class ConvertStatus { Ok, InvalidUtf8, Unmappable };

struct Utf8ToCp1251Result {
    ConvertStatus status = ConvertStatus::Ok;
    std::string text;       // the converted text when status is Ok
    std::size_t offset = 0; // byte offset in the input of the offending character
    char32_t codePoint = 0; // the character that Windows-1251 cannot hold (Unmappable)
    std::string character;  // that character as it stands in the UTF-8 input
};

// Converts UTF-8 to Windows-1251; stops at the first character the code page lacks
// (or at the first malformed sequence) and reports it instead of replacing it.
Utf8ToCp1251Result Utf8ToCp1251(std::string_view utf8);

// A fixed text of the program (a UTF-8 literal holding only characters of the code page)
// in Windows-1251.
std::string Cp1251Literal(std::string_view utf8);

} // namespace timyanka::text
