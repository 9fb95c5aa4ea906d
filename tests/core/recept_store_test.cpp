#include "base/recept_store.h"

#include "test_util.h"

#include <gtest/gtest.h>

using namespace timyanka::base;
using timyanka::testing::MakeRecept;

namespace {

void ExpectIdsArePositions(const ReceptStore& s) {
    for (int32_t i = 0; i < s.ReceptCount(); ++i) {
        EXPECT_EQ(s.Recept(i).Id, i);
    }
}

} // namespace

TEST(ReceptStore, AppendCopiesTheRecipeAndGivesItTheNextId) {
    ReceptStore s(10);
    EXPECT_EQ(s.ReceptCount(), 0);
    TRecept r = MakeRecept("Борщ");
    r.Id = 77;
    ASSERT_EQ(s.AppendRecept(r, true), AppendStatus::Ok);
    ASSERT_EQ(s.AppendRecept(MakeRecept("Щи"), false), AppendStatus::Ok);
    r.Ingridient.clear();
    r.Text.clear();

    ASSERT_EQ(s.ReceptCount(), 2);
    ExpectIdsArePositions(s);
    EXPECT_EQ(s.Recept(0).Ingridient.size(), 2u);
    EXPECT_EQ(s.Recept(0).Text.size(), 1u);
    EXPECT_EQ(s.Recept(0).Selected, 1);
    EXPECT_EQ(s.Recept(1).Selected, 0);
}

TEST(ReceptStore, AFullTableRefusesTheAppendAndStaysAsItWas) {
    ReceptStore s(2);
    ASSERT_EQ(s.AppendRecept(MakeRecept("А"), false), AppendStatus::Ok);
    ASSERT_EQ(s.AppendRecept(MakeRecept("Б"), false), AppendStatus::Ok);
    EXPECT_EQ(s.AppendRecept(MakeRecept("В"), true), AppendStatus::Full);
    EXPECT_EQ(s.ReceptCount(), 2);
    EXPECT_EQ(s.Recept(1).Name, MakeRecept("Б").Name);
}

TEST(ReceptStore, ClearBaseEmptiesTheTableAndTheNextAppendIsIdZero) {
    ReceptStore s(10);
    s.AppendRecept(MakeRecept("А"), true);
    s.AppendRecept(MakeRecept("Б"), true);
    s.ClearBase();
    EXPECT_EQ(s.ReceptCount(), 0);
    s.AppendRecept(MakeRecept("В"), false);
    EXPECT_EQ(s.Recept(0).Id, 0);
    EXPECT_EQ(s.Recept(0).Selected, 0);
}

TEST(ReceptStore, ChangeInPlaceKeepsIdPositionAndMark) {
    ReceptStore s(10);
    s.AppendRecept(MakeRecept("А"), false);
    s.AppendRecept(MakeRecept("Б"), true);
    TRecept changed = MakeRecept("Новое имя", 7, 3, 5, 4);
    changed.Id = 0;
    changed.Selected = 0;
    s.ChangeRecept(1, changed);
    EXPECT_EQ(s.Recept(1).Id, 1);
    EXPECT_EQ(s.Recept(1).Selected, 1);
    EXPECT_TRUE(s.Recept(1).SameStoredFields(changed));
}

TEST(ReceptStore, DeleteMovesTheLaterRecipesUpWithTheirMarks) {
    for (int32_t victim : {0, 2, 4}) {
        ReceptStore s(10);
        const char* names[] = {"0", "1", "2", "3", "4"};
        for (int i = 0; i < 5; ++i) {
            s.AppendRecept(MakeRecept(names[i]), i % 2 == 1);
        }
        s.DeleteRecept(victim);
        ASSERT_EQ(s.ReceptCount(), 4);
        ExpectIdsArePositions(s);
        int pos = 0;
        for (int i = 0; i < 5; ++i) {
            if (i == victim) {
                continue;
            }
            EXPECT_EQ(s.Recept(pos).Name, names[i]);
            EXPECT_EQ(s.Recept(pos).Selected, i % 2 == 1 ? 1 : 0);
            ++pos;
        }
    }
}

TEST(ReceptStore, MarksToggleAndClear) {
    ReceptStore s(10);
    s.AppendRecept(MakeRecept("А"), false);
    s.AppendRecept(MakeRecept("Б"), false);
    s.ToggleSelected(1);
    EXPECT_EQ(s.Recept(1).Selected, 1);
    s.ToggleSelected(1);
    EXPECT_EQ(s.Recept(1).Selected, 0);
    s.SetSelected(0, true);
    s.ClearMarks();
    EXPECT_EQ(s.Recept(0).Selected, 0);
}

TEST(ReceptStore, ReplaceAllSetsIdsFromPositionsAndClearsMarks) {
    ReceptStore s(10);
    std::vector<TRecept> loaded = {MakeRecept("А"), MakeRecept("Б")};
    loaded[0].Id = 5;
    loaded[1].Selected = 1;
    s.ReplaceAll(std::move(loaded));
    ExpectIdsArePositions(s);
    EXPECT_EQ(s.Recept(1).Selected, 0);
}
