#include "text/cp1251.h"

#include <gtest/gtest.h>

#include <set>

using namespace timyanka::text;

TEST(AnsiLowerCase, MapsEveryCapitalOfTheCodePageAndNothingElse) {
    // capital, small: Latin, А-Я, Ё and the other Cyrillic capitals of Windows-1251
    std::set<std::pair<int, int>> expected;
    for (int c = 'A'; c <= 'Z'; ++c) {
        expected.insert({c, c + 32});
    }
    for (int c = 0xC0; c <= 0xDF; ++c) {
        expected.insert({c, c + 32});
    }
    for (auto p : {std::pair{0xA8, 0xB8},
                   {0x80, 0x90},
                   {0x81, 0x83},
                   {0x8A, 0x9A},
                   {0x8C, 0x9C},
                   {0x8D, 0x9D},
                   {0x8E, 0x9E},
                   {0x8F, 0x9F},
                   {0xA1, 0xA2},
                   {0xA3, 0xBC},
                   {0xA5, 0xB4},
                   {0xAA, 0xBA},
                   {0xB2, 0xB3},
                   {0xAF, 0xBF},
                   {0xBD, 0xBE}}) {
        expected.insert(p);
    }
    for (int b = 0; b < 256; ++b) {
        const int lower = static_cast<unsigned char>(AnsiLowerChar(static_cast<char>(b)));
        bool isCapital = false;
        for (auto [cap, small] : expected) {
            if (cap == b) {
                EXPECT_EQ(lower, small) << "byte " << b;
                isCapital = true;
            }
        }
        if (!isCapital) {
            EXPECT_EQ(lower, b) << "byte " << b << " must stay as it is";
        }
    }
}

TEST(AnsiLowerCase, LowersMixedCyrillicAndLatinText) {
    EXPECT_EQ(AnsiLowerCase(Cp1251Literal("БОРЩ Ёлка Pizza ІЇЄҐ")),
              Cp1251Literal("борщ ёлка pizza іїєґ"));
}

TEST(Cp1251Utf8, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    const std::string utf8 = Cp1251ToUtf8(all);
    const Utf8ToCp1251Result back = Utf8ToCp1251(utf8);
    ASSERT_EQ(back.status, ConvertStatus::Ok);
    EXPECT_EQ(back.text, all);
    EXPECT_EQ(Cp1251ToUnicode(0x98), U'\u0098');
    EXPECT_EQ(Cp1251ToUtf8("\xD7\xE0\xE9"), "Чай");
}

TEST(Cp1251Utf8, ReportsTheFirstCharacterTheCodePageLacks) {
    const Utf8ToCp1251Result r = Utf8ToCp1251("Суп ½ стакана €");
    EXPECT_EQ(r.status, ConvertStatus::Unmappable);
    EXPECT_EQ(r.codePoint, U'½');
    EXPECT_EQ(r.character, "½");
    EXPECT_EQ(r.offset, std::string("Суп ").size());
    EXPECT_TRUE(r.text.empty());
}

TEST(Cp1251Utf8, RefusesMalformedUtf8) {
    for (const char* bad : {"\xD0", "abc\xC0\xAF", "\xED\xA0\x80", "\xFF"}) {
        const Utf8ToCp1251Result r = Utf8ToCp1251(bad);
        EXPECT_EQ(r.status, ConvertStatus::InvalidUtf8) << bad;
    }
}
