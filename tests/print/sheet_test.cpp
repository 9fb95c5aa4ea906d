// The printed sheet, byte for byte against pages written by hand.
#include "print/html_escape.h"
#include "print/print_commands.h"
#include "print/sheet.h"
#include "tests/print/print_test_util.h"

#include <gtest/gtest.h>

#include <vector>

namespace timyanka::print {
namespace {

using testing::Fixture;
using testing::W;

base::TRecept Omelette() {
    base::TRecept r;
    r.Name = W("Омлет с сыром & зеленью");
    r.National = 3;
    r.Class = 6;
    r.PodClass = 4;
    r.Osoboe = 2;
    r.Ingridient = {W("2 яйца"), W("50 г сыра"), W("молоко <по вкусу>")};
    r.Text = {W("Взбить яйца с молоком."), W("Добавить сыр & зелень."),
              W("Жарить 5 минут, t > 150 °C.")};
    return r;
}

base::TRecept Recept(const char* name, int32_t national, int32_t cls, int32_t podClass,
                     int32_t osoboe, std::vector<const char*> ingridient,
                     std::vector<const char*> text) {
    base::TRecept r;
    r.Name = W(name);
    r.National = national;
    r.Class = cls;
    r.PodClass = podClass;
    r.Osoboe = osoboe;
    for (const char* line : ingridient) {
        r.Ingridient.push_back(W(line));
    }
    for (const char* line : text) {
        r.Text.push_back(W(line));
    }
    return r;
}

// A soft drink without ingredients (sub-class 1), an unmarked recipe, a salad without text
// and with an empty ingredient line (unknown cuisine and sub-class), a recommendation
// (class 17, feature code 0).
base::ReceptStore FourRecepts() {
    base::ReceptStore store;
    store.AppendRecept(Recept("Чай", 2, 13, 1, 2, {}, {"Заварить."}), true);
    store.AppendRecept(Recept("Не печатается", 2, 4, 1, 2, {"вода"}, {"Сварить."}), false);
    store.AppendRecept(Recept("Салат", 99, 3, 5, 2, {"огурец", ""}, {}), true);
    store.AppendRecept(Recept("Совет", 0, 17, 0, 0, {}, {"Пейте воду."}), true);
    return store;
}

TEST(Sheet, OneRecipeMatchesTheHandWrittenPage) {
    const auto c = testing::SheetClassification();
    const base::TRecept r = Omelette();
    const base::TRecept* recepts[] = {&r};
    const std::string expected = Fixture("omelette.htm");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(WriteSheet(c, recepts), expected);
}

TEST(Sheet, MarkedRecipesPrintInTableOrderWithTheRuleBetweenBlocks) {
    const auto c = testing::SheetClassification();
    base::ReceptStore store = FourRecepts();
    const std::string expected = Fixture("three_marked.htm");
    ASSERT_FALSE(expected.empty());

    EXPECT_EQ(WriteSheet(c, store, MarkedIds(store)), expected);

    std::string byBlocks = SheetHead();
    for (const int32_t id : {0, 2, 3}) {
        WriteReceptBlock(byBlocks, c, store.Recept(id));
    }
    byBlocks += SheetTail();
    EXPECT_EQ(byBlocks, expected);
}

TEST(Sheet, IdsThatNameNoRecipeAreLeftOut) {
    const auto c = testing::SheetClassification();
    const base::ReceptStore store = FourRecepts();
    const std::vector<int32_t> withStrays = {-1, 0, 4, 100};
    const std::vector<int32_t> valid = {0};
    EXPECT_EQ(WriteSheet(c, store, withStrays), WriteSheet(c, store, valid));
}

TEST(Sheet, NoRecipesGiveHeadAndTail) {
    const auto c = testing::SheetClassification();
    const std::string expected =
        W("<html><head><title>ТИМЬЯНКА 2</title><meta http-equiv=\"Content-Type\" "
          "content=\"text/html; charset=windows-1251\"></head>"
          "<body bgcolor=#FFFFFF text=#000000></body></html>");
    EXPECT_EQ(WriteSheet(c, std::span<const base::TRecept* const>{}), expected);
}

TEST(HtmlEscape, OnlyAmpersandAndAngleBracketsChange) {
    struct Case {
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"", ""},
        {"Соль & перец", "Соль &amp; перец"},
        {"<b>жирный</b>", "&lt;b&gt;жирный&lt;/b&gt;"},
        {"&amp;", "&amp;amp;"},
        {"t > 100 °C, 1 < 2", "t &gt; 100 °C, 1 &lt; 2"},
        {"\"кавычки\" и 'апостроф' #1 =", "\"кавычки\" и 'апостроф' #1 ="},
    };
    for (const Case& k : cases) {
        std::string out = "x";
        AppendHtmlEscaped(out, W(k.in));
        EXPECT_EQ(out, "x" + W(k.out)) << k.in;
    }
}

TEST(Sheet, EveryTextFromTheRecipeAndTheTablesIsEscaped) {
    auto c = testing::SheetClassification();
    const std::string raw = W("а<&>б");
    const std::string escaped = W("а&lt;&amp;&gt;б");
    c.Nationals[1].Name = raw;
    c.Classes[6].PodClass[2].Name = raw;
    c.Osobye[1].Name = raw;
    base::TRecept r = Omelette();
    r.National = 2;
    r.Name = raw;
    r.Ingridient = {raw};
    r.Text = {raw};

    std::string block;
    WriteReceptBlock(block, c, r);

    EXPECT_EQ(block.find(raw), std::string::npos);
    std::size_t count = 0;
    for (auto at = block.find(escaped); at != std::string::npos; at = block.find(escaped, at + 1)) {
        ++count;
    }
    // The name, the cuisine, the sub-class, the feature, one ingredient and one text line.
    EXPECT_EQ(count, 6u);
}

} // namespace
} // namespace timyanka::print
