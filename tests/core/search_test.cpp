#include "base/search.h"

#include "base/recept_store.h"
#include "test_util.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

using namespace timyanka::base;
using timyanka::testing::W;
using timyanka::text::AnsiLowerCase;

namespace {

constexpr SearchFields kName{true, false, false};
constexpr SearchFields kIngr{false, true, false};
constexpr SearchFields kText{false, false, true};
constexpr SearchFields kNameIngr{true, true, false};
constexpr SearchFields kAll{true, true, true};
constexpr SearchFields kNone{false, false, false};

Lines L(std::initializer_list<const char*> lines) {
    Lines out;
    for (const char* l : lines) {
        out.push_back(W(l));
    }
    return out;
}

TRecept R(const char* name, std::initializer_list<const char*> ingr = {},
          std::initializer_list<const char*> text = {}) {
    TRecept r;
    r.Name = W(name);
    r.Ingridient = L(ingr);
    r.Text = L(text);
    return r;
}

std::vector<std::string> Words(std::initializer_list<const char*> words) {
    std::vector<std::string> out;
    for (const char* w : words) {
        out.push_back(W(w));
    }
    return out;
}

std::vector<int32_t> AllIds(int32_t n) {
    std::vector<int32_t> ids(static_cast<std::size_t>(n));
    std::iota(ids.begin(), ids.end(), 0);
    return ids;
}

std::vector<int32_t> SearchAll(const ReceptStore& store, const std::vector<std::string>& words,
                               SearchFields fields) {
    const SearchIndex index(store);
    return Search(index, AllIds(store.ReceptCount()), SearchQuery(words, fields));
}

// The rule written down as plainly as possible, to check the index against.
bool NaiveMatches(const TRecept& r, const std::vector<std::string>& words, SearchFields f) {
    std::vector<std::string> lowered;
    for (const std::string& w : words) {
        if (!w.empty()) {
            lowered.push_back(AnsiLowerCase(w));
        }
    }
    const auto holdsAll = [&](const std::string& field) {
        if (lowered.empty()) {
            return false;
        }
        const std::string h = AnsiLowerCase(field);
        return std::all_of(lowered.begin(), lowered.end(),
                           [&](const std::string& w) { return h.find(w) != std::string::npos; });
    };
    const auto join = [](const Lines& lines) {
        std::string s;
        for (const std::string& l : lines) {
            s += l;
        }
        return s;
    };
    return (f.name && holdsAll(r.Name)) || (f.ingredients && holdsAll(join(r.Ingridient))) ||
           (f.text && holdsAll(join(r.Text)));
}

std::vector<int32_t> NaiveSearch(const ReceptStore& store, const std::vector<int32_t>& candidates,
                                 const std::vector<std::string>& words, SearchFields f) {
    std::vector<int32_t> out;
    for (const int32_t id : candidates) {
        if (id >= 0 && id < store.ReceptCount() &&
            std::find(out.begin(), out.end(), id) == out.end() &&
            NaiveMatches(store.Recept(id), words, f)) {
            out.push_back(id);
        }
    }
    return out;
}

struct Case {
    const char* what;
    TRecept recept;
    std::vector<std::string> words;
    SearchFields fields;
    bool found;
};

} // namespace

TEST(Search, MatchingRuleCases) {
    const Case cases[] = {
        {"capitals in the word", R("Борщ украинский"), Words({"БОРЩ"}), kName, true},
        {"inside a word", R("Фасоль с грибами"), Words({"сол"}), kName, true},
        {"leading blank kept", R("Суп гороховый"), Words({" суп"}), kName, false},
        {"name has one, text the other", R("Курица отварная", {"вода"}, {"Подать с рисом."}),
         Words({"курица", "рис"}), kAll, false},
        {"name has one, ingredients the other", R("Курица жареная", {"масло", "рис"}),
         Words({"курица", "рис"}), kNameIngr, false},
        {"ingredients hold both", R("Плов", {"курица", "рис"}), Words({"курица", "рис"}), kNameIngr,
         true},
        {"lines joined without separator", R("Салат", {"соль", "перец"}), Words({"льпер"}), kIngr,
         true},
        {"text lines joined too", R("Суп", {}, {"Варить", "час."}), Words({"тьчас"}), kText, true},
        {"no field ticked", R("Суп", {"суп"}, {"суп"}), Words({"суп"}), kNone, false},
        {"text only: word in the name", R("Суп", {"вода"}, {"Варить."}), Words({"суп"}), kText,
         false},
        {"text only: word in the ingredients", R("Щи", {"суп"}, {"Варить."}), Words({"суп"}), kText,
         false},
        {"text only: word in the text", R("Щи", {}, {"Варить СУП."}), Words({"суп"}), kText, true},
        {"ingredients only: word in the text", R("Щи", {"вода"}, {"суп"}), Words({"суп"}), kIngr,
         false},
        {"ingredients only: word in the name", R("Суп", {"вода"}), Words({"суп"}), kIngr, false},
        {"later field matches", R("Щи", {}, {"Суп"}), Words({"суп"}), kAll, true},
        {"capital Ё", R("Ёжики в тумане"), Words({"ёЖИК"}), kName, true},
        {"small ё against capital Ё word", R("ёлка"), Words({"ЁЛ"}), kName, true},
        {"е is not ё", R("Ёжики"), Words({"ежики"}), kName, false},
        {"Latin capitals in the recipe", R("Tomato SOUP"), Words({"soup"}), kName, true},
        {"Latin capitals in the word", R("tomato soup"), Words({"TOMATO"}), kName, true},
        {"five words", R("Салат из свёклы с чесноком и майонезом"),
         Words({"САЛАТ", "свёкл", "чеснок", "майонез", " из "}), kName, true},
        {"five words, last missing", R("Салат из свёклы с чесноком"),
         Words({"салат", "свёкл", "чеснок", " из ", "майонез"}), kName, false},
        {"empty fields", R("", {}, {}), Words({"а"}), kAll, false},
        {"empty lines only", R("", {"", ""}, {""}), Words({" "}), kAll, false},
    };
    for (const Case& c : cases) {
        ReceptStore store(4);
        store.AppendRecept(c.recept, false);
        const std::vector<int32_t> expected =
            c.found ? std::vector<int32_t>{0} : std::vector<int32_t>{};
        EXPECT_EQ(SearchAll(store, c.words, c.fields), expected) << c.what;
        EXPECT_EQ(Matches(SearchIndex(store), 0, SearchQuery(c.words, c.fields)), c.found)
            << c.what;
    }
}

TEST(Search, AWordNeverSpansTwoRecipes) {
    ReceptStore store(4);
    store.AppendRecept(R("Фасол", {"сол"}, {"сол"}), false);
    store.AppendRecept(R("ь", {"ь"}, {"ь"}), false);
    EXPECT_TRUE(SearchAll(store, Words({"соль"}), kAll).empty());
    EXPECT_EQ(SearchAll(store, Words({"ь"}), kAll), std::vector<int32_t>{1});
    EXPECT_EQ(SearchAll(store, Words({"сол"}), kText), std::vector<int32_t>{0});
}

// Words of every length at every position of fields long and short, and near misses that
// differ in the first or last letter only. The fields are in capitals, the words in small
// letters.
TEST(Search, FindsTheWordAtEveryPositionOfAField) {
    const std::string capitals = W("АБВГДЕЁЗИЙКЛМНОПРСТУФ");
    const char filler = W("Ж")[0];
    for (std::size_t len = 2; len <= 70; ++len) {
        for (std::size_t wl = 2; wl <= std::min(len, capitals.size()); ++wl) {
            const std::string hit = capitals.substr(0, wl);
            std::string lastMissed = hit;
            lastMissed.back() = filler;
            std::string firstMissed = hit;
            firstMissed.front() = filler;
            const std::pair<std::string, bool> variants[] = {
                {hit, true}, {lastMissed, false}, {firstMissed, false}};
            ReceptStore store(1000);
            std::vector<int32_t> expected;
            for (std::size_t at = 0; at + wl <= len; ++at) {
                for (const auto& [w, found] : variants) {
                    if (found) {
                        expected.push_back(store.ReceptCount());
                    }
                    TRecept r;
                    r.Name = std::string(len, filler).replace(at, wl, w);
                    store.AppendRecept(r, false);
                }
            }
            ASSERT_EQ(SearchAll(store, {AnsiLowerCase(hit)}, kName), expected)
                << "field length " << len << ", word length " << wl;
        }
    }
}

TEST(Search, ResultFollowsTheCandidatesAndHoldsEachIdOnce) {
    ReceptStore store(10);
    for (const char* name : {"Суп 0", "Суп 1", "Каша 2", "Суп 3", "Суп 4"}) {
        store.AppendRecept(R(name), false);
    }
    SearchIndex index(store);
    const SearchQuery query(Words({"суп"}), kName);
    const std::vector<int32_t> candidates{3, 1, 3, 2, -1, 99, 4, 1};
    EXPECT_EQ(Search(index, candidates, query), (std::vector<int32_t>{3, 1, 4}));
    EXPECT_FALSE(Matches(index, 5, query));
    EXPECT_FALSE(Matches(index, -1, query));
    EXPECT_TRUE(index.Field(SearchField::Name, 5).empty());

    // Ids out of range leave the index as it was.
    index.Delete(5);
    index.Change(-1, R("Суп"));
    EXPECT_TRUE(index.InStepWith(store));
    EXPECT_EQ(Search(index, candidates, query), (std::vector<int32_t>{3, 1, 4}));
}

TEST(Search, EmptyWordsAreDroppedAndAQueryWithoutWordsFindsNothing) {
    ReceptStore store(10);
    store.AppendRecept(R("Суп"), false);
    store.AppendRecept(R("Каша"), false);

    const SearchQuery withBlanks(Words({"", "СУП", ""}), kAll);
    EXPECT_EQ(withBlanks.Words(), Words({"суп"}));
    EXPECT_EQ(SearchAll(store, Words({"", "СУП", ""}), kAll), std::vector<int32_t>{0});

    EXPECT_TRUE(SearchQuery(Words({"", ""}), kAll).Empty());
    EXPECT_TRUE(SearchAll(store, Words({"", ""}), kAll).empty());
    EXPECT_TRUE(SearchAll(store, {}, kAll).empty());
}

// The index, kept in step through any mix of store operations, agrees with the plain rule.
TEST(Search, IndexFollowsTheStoreAndAgreesWithThePlainRule) {
    std::mt19937 rng(20240601);
    const std::vector<std::string> pieces = Words({"а", "А", "б", "Б", "ё", "Ё", "е", "Е", "я", "Я",
                                                   "a", "A", "z", "Z", " ", "ь", "\xc2\xa0"});
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    const auto randomText = [&](std::size_t maxLen) {
        std::string s;
        const std::size_t len = pick(maxLen + 1);
        for (std::size_t i = 0; i < len; ++i) {
            s += pieces[pick(pieces.size())];
        }
        return s;
    };
    const auto randomLines = [&] {
        Lines lines(pick(4));
        for (auto& l : lines) {
            l = randomText(pick(3) == 0 ? 40 : 6);
        }
        return lines;
    };
    const auto randomRecept = [&] {
        TRecept r;
        r.Name = randomText(pick(4) == 0 ? 30 : 8);
        r.Ingridient = randomLines();
        r.Text = randomLines();
        return r;
    };

    ReceptStore store(40);
    SearchIndex index;
    for (int step = 0; step < 400; ++step) {
        const std::size_t op = pick(100);
        const int32_t n = store.ReceptCount();
        if (op < 40) {
            const TRecept r = randomRecept();
            if (store.AppendRecept(r, false) == AppendStatus::Ok) {
                index.Append(r);
            }
        } else if (op < 48) {
            for (int k = 0; k < 3; ++k) {
                store.AppendRecept(randomRecept(), false);
            }
            index.AppendFrom(store);
        } else if (op < 68 && n > 0) {
            const auto id = static_cast<int32_t>(pick(static_cast<std::size_t>(n)));
            const TRecept r = randomRecept();
            store.ChangeRecept(id, r);
            index.Change(id, r);
        } else if (op < 85 && n > 0) {
            const auto id = static_cast<int32_t>(pick(static_cast<std::size_t>(n)));
            store.DeleteRecept(id);
            index.Delete(id);
        } else if (op < 88) {
            store.ClearBase();
            index.Clear();
        } else if (op < 93) {
            std::vector<TRecept> fresh(pick(30));
            for (auto& r : fresh) {
                r = randomRecept();
            }
            store.ReplaceAll(std::move(fresh));
            index.Rebuild(store);
        }
        ASSERT_TRUE(index.InStepWith(store)) << "step " << step;

        for (int32_t id = 0; id < store.ReceptCount(); ++id) {
            std::string ingr;
            for (const auto& l : store.Recept(id).Ingridient) {
                ingr += AnsiLowerCase(l);
            }
            ASSERT_EQ(index.Field(SearchField::Name, id), AnsiLowerCase(store.Recept(id).Name));
            ASSERT_EQ(index.Field(SearchField::Ingredients, id), ingr);
        }

        for (int q = 0; q < 6; ++q) {
            std::vector<std::string> words(1 + pick(3));
            for (auto& w : words) {
                w = randomText(1 + pick(3));
            }
            const SearchFields fields{pick(2) == 0, pick(2) == 0, pick(2) == 0};
            std::vector<int32_t> candidates = AllIds(store.ReceptCount());
            if (q % 2 == 1) {
                std::shuffle(candidates.begin(), candidates.end(), rng);
                candidates.resize(candidates.size() / 2);
                candidates.push_back(store.ReceptCount());
                if (!candidates.empty()) {
                    candidates.push_back(candidates.front());
                }
            }
            const SearchQuery query(words, fields);
            ASSERT_EQ(Search(index, candidates, query),
                      NaiveSearch(store, candidates, words, fields))
                << "step " << step;
        }
    }
}

TEST(Search, SyncBringsTheIndexInStepAfterAnySequenceOfStoreOperations) {
    std::mt19937 rng(777);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    int serial = 0;
    const auto recept = [&] {
        TRecept r = R("Рецепт", {"Соль", "перец"}, {"Варить"});
        r.Name += std::to_string(++serial);
        r.Text.push_back(std::string(pick(5), 'A' + static_cast<char>(pick(26))));
        return r;
    };

    ReceptStore store(30);
    SearchIndex index;
    for (int step = 0; step < 600; ++step) {
        // A few operations between two syncs, as between two searches of the window.
        for (std::size_t k = pick(4); k > 0; --k) {
            const std::size_t op = pick(10);
            const auto n = static_cast<std::size_t>(store.ReceptCount());
            if (op < 4) {
                store.AppendRecept(recept(), false);
            } else if (op < 6 && n > 0) {
                store.ChangeRecept(static_cast<int32_t>(pick(n)), recept());
            } else if (op < 8 && n > 0) {
                store.DeleteRecept(static_cast<int32_t>(pick(n)));
            } else if (op == 8) {
                store.ClearBase();
            } else {
                store.ReplaceAll({recept(), recept()});
            }
        }
        index.Sync(store);
        ASSERT_EQ(index.Count(), store.ReceptCount()) << "step " << step;
        for (int32_t id = 0; id < store.ReceptCount(); ++id) {
            std::string text;
            for (const auto& l : store.Recept(id).Text) {
                text += AnsiLowerCase(l);
            }
            ASSERT_EQ(index.Field(SearchField::Name, id), AnsiLowerCase(store.Recept(id).Name))
                << "step " << step << " id " << id;
            ASSERT_EQ(index.Field(SearchField::Text, id), text) << "step " << step;
        }
    }
}
