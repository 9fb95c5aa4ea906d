// The name order computed from character weights must agree with the desktop's collator on
// every pair of names it claims to handle: a sort that mixed the two orders, or that
// disagreed with the pickers, would list names out of alphabetical order.
#include "platform/qt_collator.h"
#include "text/collation.h"
#include "text/cp1251.h"

#include <QString>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace timyanka {
namespace {

QString Qt(const std::string& cp1251) {
    return QString::fromStdString(text::Cp1251ToUtf8(cp1251));
}

int Sign(int v) {
    return (v > 0) - (v < 0);
}

std::string Show(const std::string& cp1251) {
    std::string out = "\"" + text::Cp1251ToUtf8(cp1251) + "\" (";
    for (unsigned char c : cp1251) {
        out += std::to_string(c) + " ";
    }
    return out + ")";
}

class CollationTest : public ::testing::Test {
protected:
    void ExpectAgreement(const std::string& a, const std::string& b) {
        ASSERT_TRUE(text::HasPlainCollation(a) && text::HasPlainCollation(b));
        ASSERT_EQ(Sign(text::ComparePlainNames(a, b)), Sign(collator_.Compare(Qt(a), Qt(b))))
            << Show(a) << " vs " << Show(b);
    }

    static std::vector<char> PlainBytes() {
        std::vector<char> out;
        for (int b = 0; b < 256; ++b) {
            const std::string s(1, static_cast<char>(b));
            if (text::HasPlainCollation(s)) {
                out.push_back(static_cast<char>(b));
            }
        }
        return out;
    }

    platform::QtCollator collator_;
};

TEST_F(CollationTest, OnlyTheSignsThatWeighAsSeveralLettersAreLeftToTheCollator) {
    EXPECT_EQ(PlainBytes().size(), 253u);
    for (const char* sign : {"…", "№", "™"}) {
        EXPECT_FALSE(text::HasPlainCollation(text::Cp1251Literal(sign))) << sign;
    }
}

TEST_F(CollationTest, AgreesOnEveryPairOfCharacters) {
    const std::vector<char> bytes = PlainBytes();
    for (char a : bytes) {
        for (char b : bytes) {
            ExpectAgreement(std::string(1, a), std::string(1, b));
            // The second character decides where the first ones weigh the same.
            ExpectAgreement(std::string(1, a) + "\xE1", std::string(1, b) + "\xE0");
        }
    }
}

TEST_F(CollationTest, AgreesOnTheOrderOfEverydayNames) {
    const char* names[] = {"Борщ",     "борщ",       "БОРЩ украинский",
                           "Борщ-суп", "Ёжики",      "Ежики",
                           "ежевика",  "Еж",         " Все",
                           "Салат 2",  "Салат 10",   "Салат «Мимоза»",
                           "салат",    "Щи",         "Яблоки",
                           "Pizza",    "пицца",      "Чай (зелёный)",
                           "Чай",      "чай-масала", "Ґрунт",
                           "Грибы",    "Ѓ",          "Їжа",
                           "Иван-чай", "Йогурт",     "Эклер",
                           "Юшка"};
    for (const char* a : names) {
        for (const char* b : names) {
            ExpectAgreement(text::Cp1251Literal(a), text::Cp1251Literal(b));
        }
    }
}

TEST_F(CollationTest, AgreesOnRandomNames) {
    // Letters that share a first weight and the signs around them are drawn more often, as
    // that is where two weights must work together.
    const std::string hot =
        text::Cp1251Literal("еЕёЁєЄгГѓЃґҐиИіІїЇйЙуУўЎкКќЌ -.,'") + '\x01' + '\xAD' + '\xA0';
    const std::vector<char> all = PlainBytes();
    std::mt19937 rng(1251);
    auto name = [&] {
        std::string s;
        for (std::size_t n = 1 + rng() % 6; n > 0; --n) {
            s += rng() % 3 == 0 ? all[rng() % all.size()] : hot[rng() % hot.size()];
        }
        return s;
    };
    for (int i = 0; i < 200000; ++i) {
        ExpectAgreement(name(), name());
    }
}

TEST_F(CollationTest, SortOrderFollowsTheCollatorAlsoBeyondTheFirstSixteenLetters) {
    // Long shared beginnings, differences of case and of е against ё late in the name, names
    // that are beginnings of others, blanks and skipped characters.
    const std::string common = text::Cp1251Literal("Салат из свежих овощей ");
    std::vector<std::string> names;
    std::mt19937 rng(7);
    const std::string tails[] = {text::Cp1251Literal("с ёжиком"),
                                 text::Cp1251Literal("С ЕЖИКОМ"),
                                 text::Cp1251Literal("с ежиком"),
                                 text::Cp1251Literal("с"),
                                 "",
                                 text::Cp1251Literal("и сыром"),
                                 std::string("­") + text::Cp1251Literal("и сыром"),
                                 text::Cp1251Literal("и сыр")};
    for (int i = 0; i < 400; ++i) {
        const std::string head = common.substr(0, rng() % (common.size() + 1));
        names.push_back(head + tails[rng() % std::size(tails)]);
    }
    const std::vector<std::string_view> views(names.begin(), names.end());
    const std::vector<std::size_t> order = text::PlainSortOrder(views);
    ASSERT_EQ(order.size(), names.size());
    std::vector<bool> seen(names.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        ASSERT_LT(order[k], names.size());
        ASSERT_FALSE(seen[order[k]]);
        seen[order[k]] = true;
        if (k > 0) {
            ASSERT_LE(collator_.Compare(Qt(names[order[k - 1]]), Qt(names[order[k]])), 0)
                << Show(names[order[k - 1]]) << " before " << Show(names[order[k]]);
        }
    }
}

} // namespace
} // namespace timyanka
