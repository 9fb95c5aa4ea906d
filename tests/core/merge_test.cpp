#include "base/merge.h"

#include "base/base_file.h"
#include "base/recept_store.h"
#include "test_util.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <random>
#include <string>
#include <vector>

using namespace timyanka::base;
using timyanka::testing::MakeRecept;
using timyanka::testing::TempDir;
using timyanka::testing::W;
using timyanka::testing::WriteBytes;
using timyanka::text::AnsiLowerCase;

namespace {

std::vector<TRecept> Recipes(std::initializer_list<const char*> names) {
    std::vector<TRecept> out;
    for (const char* n : names) {
        out.push_back(MakeRecept(n));
    }
    return out;
}

void Fill(ReceptStore& store, std::initializer_list<const char*> names) {
    for (const TRecept& r : Recipes(names)) {
        store.AppendRecept(r, false);
    }
}

std::vector<std::string> Names(const ReceptStore& store) {
    std::vector<std::string> out;
    for (const TRecept& r : store.Recepts()) {
        out.push_back(r.Name);
    }
    return out;
}

std::vector<std::string> Names(std::initializer_list<const char*> names) {
    std::vector<std::string> out;
    for (const char* n : names) {
        out.push_back(W(n));
    }
    return out;
}

} // namespace

TEST(Merge, MergingTheBaseIntoItselfAddsNothing) {
    ReceptStore store(10);
    Fill(store, {"Борщ", "Щи", "Tea"});
    const MergeResult r = MergeRecepts(store, store.Recepts(), true);
    EXPECT_EQ(r.added, 0);
    EXPECT_FALSE(r.tableFull);
    EXPECT_EQ(Names(store), Names({"Борщ", "Щи", "Tea"}));
    for (const TRecept& t : store.Recepts()) {
        EXPECT_EQ(t.Selected, 0);
    }
}

TEST(Merge, NamesThatDifferOnlyInLetterCaseAreSkipped) {
    ReceptStore store(20);
    Fill(store, {"Борщ", "Tea", "Ёжики", "Jam"});
    const MergeResult r = MergeRecepts(
        store, Recipes({"БОРЩ", "tEA", "ёжики", "ЁЖИКИ", "Ежики", "JAM", "Jam "}), false);
    // е is not ё, and a trailing blank makes another name.
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(Names(store), Names({"Борщ", "Tea", "Ёжики", "Jam", "Ежики", "Jam "}));
}

TEST(Merge, OnlyTheFirstOfTheOtherFilesEqualNamesIsAdded) {
    ReceptStore store(10);
    Fill(store, {"Каша"});
    std::vector<TRecept> other = Recipes({"Плов", "ПЛОВ", "плов", "каша"});
    for (std::size_t i = 0; i < other.size(); ++i) {
        other[i].Class = static_cast<int32_t>(i + 1);
    }
    const MergeResult r = MergeRecepts(store, other, false);
    EXPECT_EQ(r.added, 1);
    ASSERT_EQ(store.ReceptCount(), 2);
    EXPECT_TRUE(store.Recept(1).SameStoredFields(other[0]));
    EXPECT_EQ(store.Recept(0).Class, MakeRecept("Каша").Class);
}

TEST(Merge, AddedRecipesKeepTheirOrderAndFieldsAndGetTheNextIds) {
    for (const bool mark : {true, false}) {
        ReceptStore store(10);
        Fill(store, {"А", "Б"});
        store.SetSelected(1, true);
        std::vector<TRecept> other = Recipes({"Первый", "Второй", "Третий"});
        other[0].National = -5;
        other[0].Class = 999;
        other[1].PodClass = 0;
        other[1].Osoboe = 77;
        other[2].Ingridient = {"", W("соль"), ""};
        other[2].Text.clear();
        other[2].Id = 40;
        other[2].Selected = 1;

        const MergeResult r = MergeRecepts(store, other, mark);
        EXPECT_EQ(r.added, 3);
        EXPECT_FALSE(r.tableFull);
        ASSERT_EQ(store.ReceptCount(), 5);
        for (int32_t id = 0; id < 5; ++id) {
            EXPECT_EQ(store.Recept(id).Id, id);
        }
        for (int32_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(store.Recept(2 + i).SameStoredFields(other[static_cast<std::size_t>(i)]));
            EXPECT_EQ(store.Recept(2 + i).Selected, mark ? 1 : 0) << "mark " << mark;
        }
        EXPECT_EQ(store.Recept(0).Selected, 0);
        EXPECT_EQ(store.Recept(1).Selected, 1);
    }
}

TEST(Merge, IntoAnEmptyBaseTheFirstRecipeOfEachNameIsAdded) {
    ReceptStore store(10);
    const MergeResult r = MergeRecepts(store, Recipes({"Суп", "суп", "Каша", "КАША", "Чай"}), true);
    EXPECT_EQ(r.added, 3);
    EXPECT_EQ(Names(store), Names({"Суп", "Каша", "Чай"}));
    EXPECT_TRUE(MergeRecepts(store, {}, true).added == 0);
}

TEST(Merge, StopsWhenTheTableIsFullAndSaysSo) {
    ReceptStore store(3);
    Fill(store, {"А"});
    const MergeResult r = MergeRecepts(store, Recipes({"Б", "В", "Г", "Д"}), false);
    EXPECT_EQ(r.added, 2);
    EXPECT_TRUE(r.tableFull);
    EXPECT_EQ(Names(store), Names({"А", "Б", "В"}));

    const MergeResult again = MergeRecepts(store, Recipes({"Е"}), false);
    EXPECT_EQ(again.added, 0);
    EXPECT_TRUE(again.tableFull);
}

TEST(Merge, AFullTableIsNotReportedWhenOnlyKnownNamesWereLeft) {
    ReceptStore store(2);
    Fill(store, {"А"});
    const MergeResult r = MergeRecepts(store, Recipes({"Б", "а", "б"}), false);
    EXPECT_EQ(r.added, 1);
    EXPECT_FALSE(r.tableFull);
}

// Many names over a few letters, so that lower-cased names collide often: the merge decides
// exactly as comparing each name with every name of the table would.
TEST(Merge, AgreesWithComparingEveryPairOfNames) {
    std::mt19937 rng(1251);
    const std::vector<std::string> letters = Names({"а", "А", "ё", "Ё", "е", "q", "Q", " "});
    const auto randomName = [&] {
        std::string s;
        for (std::size_t n = rng() % 4; n > 0; --n) {
            s += letters[rng() % letters.size()];
        }
        return s;
    };
    ReceptStore store(5000);
    ReceptStore reference(5000);
    for (int i = 0; i < 300; ++i) {
        TRecept r;
        r.Name = randomName();
        store.AppendRecept(r, false);
        reference.AppendRecept(r, false);
    }
    std::vector<TRecept> other(600);
    for (TRecept& r : other) {
        r.Name = randomName();
    }

    int32_t added = 0;
    for (const TRecept& r : other) {
        bool present = false;
        for (const TRecept& p : reference.Recepts()) {
            present = present || AnsiLowerCase(p.Name) == AnsiLowerCase(r.Name);
        }
        if (!present) {
            reference.AppendRecept(r, true);
            ++added;
        }
    }
    ASSERT_GT(added, 0);
    ASSERT_LT(added, 600);
    const MergeResult r = MergeRecepts(store, other, true);
    EXPECT_EQ(r.added, added);
    EXPECT_EQ(Names(store), Names(reference));
}

TEST(MergeFile, AddsTheNewRecipesOfAWellFormedFile) {
    TempDir dir;
    const std::string path = dir.file("other.tmk");
    WriteBytes(path, SerializeBase(Recipes({"Щи", "Борщ", "Пирог"})));
    ReceptStore store(10);
    Fill(store, {"БОРЩ"});
    const MergeFileResult r = MergeBaseFile(store, path, true);
    EXPECT_EQ(r.load.status, LoadStatus::Ok);
    EXPECT_EQ(r.merge.added, 2);
    EXPECT_EQ(Names(store), Names({"БОРЩ", "Щи", "Пирог"}));
    EXPECT_EQ(store.Recept(1).Selected, 1);
}

TEST(MergeFile, EmptyFilesAddNothing) {
    TempDir dir;
    for (const std::string& bytes : {std::string(), std::string(4, '\0')}) {
        const std::string path = dir.file("empty.tmk");
        WriteBytes(path, bytes);
        ReceptStore store(10);
        Fill(store, {"Суп"});
        const MergeFileResult r = MergeBaseFile(store, path, true);
        EXPECT_EQ(r.load.status, LoadStatus::Ok) << bytes.size() << " bytes";
        EXPECT_EQ(r.merge.added, 0);
        EXPECT_EQ(store.ReceptCount(), 1);
    }
}

TEST(MergeFile, AFileThatCannotBeUsedAddsNothing) {
    TempDir dir;
    const std::string truncated = dir.file("truncated.tmk");
    const std::string bytes = SerializeBase(Recipes({"Новый", "Другой"}));
    WriteBytes(truncated, bytes.substr(0, bytes.size() - 1));
    struct {
        std::string path;
        LoadStatus status;
    } cases[] = {{truncated, LoadStatus::Malformed},
                 {dir.file("missing.tmk"), LoadStatus::CannotOpen}};
    for (const auto& c : cases) {
        ReceptStore store(10);
        Fill(store, {"Суп"});
        const MergeFileResult r = MergeBaseFile(store, c.path, true);
        EXPECT_EQ(r.load.status, c.status) << c.path;
        EXPECT_EQ(r.merge.added, 0);
        EXPECT_FALSE(r.merge.tableFull);
        EXPECT_EQ(Names(store), Names({"Суп"}));
    }
}

TEST(MergeFile, AFileWithMoreRecipesThanTheTableHoldsIsStillMerged) {
    TempDir dir;
    const std::string path = dir.file("big.tmk");
    WriteBytes(path, SerializeBase(Recipes({"а", "б", "В", "Г"})));
    ReceptStore store(3);
    Fill(store, {"А", "Б"});
    const MergeFileResult r = MergeBaseFile(store, path, false);
    EXPECT_EQ(r.load.status, LoadStatus::Ok);
    EXPECT_EQ(r.merge.added, 1);
    EXPECT_TRUE(r.merge.tableFull);
    EXPECT_EQ(Names(store), Names({"А", "Б", "В"}));
}

TEST(Merge, Messages) {
    EXPECT_EQ(MergeAddedMessage(0), "В базу добавлено:  0 рецептов!");
    EXPECT_EQ(MergeAddedMessage(12), "В базу добавлено:  12 рецептов!");
    EXPECT_EQ(MergeFullMessage(), "База заполнена: добавлены не все рецепты! :(");
}
