// The lines of a memo: counted as the user typed them, long lines broken at blanks so that
// the base file can hold them and nothing is lost.
#include "dialogs/memo_lines.h"

#include "tests/core/test_util.h"

#include <gtest/gtest.h>

#include <numeric>

namespace timyanka::dialogs {
namespace {

using timyanka::testing::W;

std::string Joined(const base::Lines& parts) {
    return std::accumulate(parts.begin(), parts.end(), std::string());
}

TEST(MemoLines, CountsTheLinesTheUserTyped) {
    struct Case {
        std::string text;
        base::Lines lines;
    } cases[] = {
        {"", {}},
        {"\n", {""}},
        {"\n\n", {"", ""}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"a\n\n", {"a", ""}},
        {"a\nb", {"a", "b"}},
        {"\na", {"", "a"}},
        {"a\n\nb\n", {"a", "", "b"}},
        {"  ", {"  "}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MemoLines(c.text, 255), c.lines) << '"' << c.text << '"';
    }
}

TEST(MemoLines, AParagraphIsOneLineHoweverTheMemoWrapsIt) {
    std::string paragraph;
    while (paragraph.size() < 250) {
        paragraph += W("Нарезать лук кольцами, ");
    }
    paragraph.resize(250);
    EXPECT_EQ(MemoLines(paragraph + "\n" + W("Посолить."), 255),
              (base::Lines{paragraph, W("Посолить.")}));
}

TEST(BreakLongLine, BreaksAfterTheLastBlankWithinTheLimit) {
    struct Case {
        std::string line;
        base::Lines parts;
    } cases[] = {
        {"", {""}},
        {"abc", {"abc"}},
        {"abcdefghij", {"abcdefghij"}},               // exactly the limit
        {"aaaa bbbb cccc", {"aaaa bbbb ", "cccc"}},   // blank kept at the end
        {"aaaa bb cc dddd", {"aaaa bb ", "cc dddd"}}, // the last blank, not the first
        {"aaaaaaaaa bb", {"aaaaaaaaa ", "bb"}},       // blank at the last byte
        {"aaaaaaaaaa bb", {"aaaaaaaaaa", " bb"}},     // blank just beyond the limit
        {"aaaaaaaaaaaa", {"aaaaaaaaaa", "aa"}},       // no blank: at the limit
        {" aaaaaaaaaaaa", {" ", "aaaaaaaaaa", "aa"}}, // only a leading blank
        {"aaaa bbbb cccc dddd eeee", {"aaaa bbbb ", "cccc dddd ", "eeee"}},
    };
    for (const Case& c : cases) {
        const base::Lines parts = BreakLongLine(c.line, 10);
        EXPECT_EQ(parts, c.parts) << '"' << c.line << '"';
        EXPECT_EQ(Joined(parts), c.line);
    }
}

TEST(BreakLongLine, ASixHundredByteLineFitsTheBaseFile) {
    std::string line;
    for (int i = 0; i < 100; ++i) {
        line += W("слово "); // six bytes in Windows-1251
    }
    ASSERT_EQ(line.size(), 600u);
    const base::Lines lines = MemoLines(line, 255);
    // 42 words end at byte 252; the 43rd would run past byte 255.
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].size(), 252u);
    EXPECT_EQ(lines[1].size(), 252u);
    EXPECT_EQ(lines[2].size(), 96u);
    for (const std::string& l : lines) {
        EXPECT_LE(l.size(), 255u);
    }
    EXPECT_EQ(Joined(lines), line);
}

TEST(BreakLongLine, AWordLongerThanTheLimitIsCutAtTheLimit) {
    const std::string line = std::string(300, 'x') + " end";
    const base::Lines lines = MemoLines(line, 255);
    EXPECT_EQ(lines, (base::Lines{std::string(255, 'x'), std::string(45, 'x') + " end"}));
}

TEST(MemoText, GivesBackTheSameLines) {
    const base::Lines cases[] = {
        {}, {""}, {"", ""}, {"a"}, {"a", ""}, {"", "a"}, {"a", "", "b"}, {"a", "b", "", ""},
    };
    for (const base::Lines& lines : cases) {
        EXPECT_EQ(MemoLines(MemoText(lines), 255), lines) << '"' << MemoText(lines) << '"';
    }
}

} // namespace
} // namespace timyanka::dialogs
