#include "app_fixture.h"

#include "app/SpisokModel.h"
#include "app/class_picker.h"
#include "app/spisok_builder.h"

namespace timyanka::testing {
namespace {

using app::BuildSpisok;
using app::FilterCodes;
using app::PickerTexts;
using Ids = std::vector<int32_t>;

// The pickers' texts as the user sees them (UTF-8), converted as the window reads them.
PickerTexts Pickers(const char* national, const char* klass, const char* podClass,
                    const char* osoboe) {
    return {W(national), W(klass), W(podClass), W(osoboe)};
}

TEST(BuildSpisok, AppliesTheSixTestsInOrder) {
    const std::vector<base::TRecept> r = BenchRecepts();
    struct Case {
        const char* what;
        FilterCodes filters;
        PickerTexts pickers;
        Ids expected;
    } cases[] = {
        {"everything",
         {0, -1, 0, 0},
         Pickers(" Все", " ВСЕ", " Все", " Все"),
         {0, 1, 2, 3, 4, 5, 6, 7}},
        {"a cuisine", {1, -1, 0, 0}, Pickers("Русская", " ВСЕ", " Все", " Все"), {1, 2, 5, 6}},
        {"a feature", {0, -1, 0, 2}, Pickers(" Все", " ВСЕ", " Все", "Постное"), {2, 5}},
        {"recommendations ignore cuisine and feature",
         {2, 17, 0, 3},
         Pickers("Украинская", " РЕКОМЕНДАЦИИ", " Все", "Детское"),
         {3}},
        {"all classes include recommendations that pass",
         {0, -1, 0, 0},
         Pickers(" Все", " ВСЕ", "Второй", " Все"),
         {0, 1, 2, 3, 4, 5, 6, 7}},
        {"a class with all its sub-classes",
         {0, 3, 9, 0},
         Pickers(" Все", "САЛАТЫ", " Все", " Все"),
         {1, 2, 6}},
        {"a sub-class by its code", {0, 3, 3, 0}, Pickers(" Все", "САЛАТЫ", "Мясные", " Все"), {1}},
        {"the other sub-classes whatever the code",
         {0, 3, 7, 0},
         Pickers(" Все", "САЛАТЫ", " Другие", " Все"),
         {6}},
        {"the other class ignores the hidden sub-class",
         {0, 1, 3, 0},
         Pickers(" Все", " ДРУГОЙ", "Мясные", " Все"),
         {4}},
        {"a class of no recipe", {0, 2, 0, 0}, Pickers(" Все", "БУТЕРБРОДЫ", " Все", " Все"), {}},
        {"names compare exactly: no leading blank",
         {5, -1, 0, 0},
         Pickers("Все", " ВСЕ", " Все", " Все"),
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BuildSpisok(r, c.filters, c.pickers), c.expected) << c.what;
    }
}

TEST(ChooseClass, GivesTheClassFilterAndWhatTheOtherControlsDo) {
    struct Case {
        const char* text;
        bool matched;
        int32_t filterClass;
        bool showPodClass;
        bool recommendations;
    } cases[] = {
        {" ВСЕ", true, -1, false, false},
        {" ДРУГОЙ", true, 1, false, false},
        {" РЕКОМЕНДАЦИИ", true, 17, false, true},
        {"БУТЕРБРОДЫ", true, 2, true, false},
        {"НАПИТКИ БЕЗАЛКОГОЛЬНЫЕ", true, 13, true, false},
        {"МОЛОКО И МОЛОЧНЫЕ ПРОДУКТЫ", true, 16, true, false},
        {"Салаты", false, 0, false, false},
        {"", false, 0, false, false},
    };
    for (const Case& c : cases) {
        const app::ClassChoice choice = app::ChooseClass(W(c.text));
        EXPECT_EQ(choice.matched, c.matched) << c.text;
        if (c.matched) {
            EXPECT_EQ(choice.filterClass, c.filterClass) << c.text;
            EXPECT_EQ(choice.showPodClass, c.showPodClass) << c.text;
            EXPECT_EQ(choice.recommendations, c.recommendations) << c.text;
        }
    }
}

TEST(SpisokModel, ShowsNumberNameAndIdAndOneEmptyRowForAnEmptyList) {
    base::ReceptStore store;
    store.ReplaceAll(BenchRecepts());
    std::vector<int32_t> spisok;
    app::SpisokModel model(spisok, store);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 3);
    EXPECT_EQ(model.index(0, 1).data().toString(), QString());
    spisok = {5, 0};
    model.Reset();
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.index(0, 0).data().toString(), Q("1"));
    EXPECT_EQ(model.index(0, 1).data().toString(), Q("Квас"));
    EXPECT_EQ(model.index(0, 2).data().toString(), Q("5"));
    EXPECT_EQ(model.index(1, 0).data().toString(), Q("2"));
    EXPECT_EQ(model.index(1, 2).data().toString(), Q("0"));
}

TEST_F(MainWindowTest, AHundredThousandRecipesAreListedWhole) {
    std::vector<base::TRecept> many;
    many.reserve(100000);
    for (int i = 0; i < 100000; ++i) {
        many.push_back(MakeRecept("Рецепт", 3 + i % 14, 1, 2, 1));
        many.back().Name += std::to_string(i);
    }
    WriteBase(File("BaseRecept.tmk"), many);
    ASSERT_EQ(Start(), app::StartStatus::Ok);
    ASSERT_EQ(Rows(), 100000);
    EXPECT_EQ(Cell(99999, 0), Q("100000"));
    EXPECT_EQ(Cell(99999, 1), Q("Рецепт99999"));
    EXPECT_EQ(Cell(99999, 2), Q("99999"));
    EXPECT_EQ(Grid()->currentIndex().row(), 0);
}

TEST_F(MainWindowTest, EveryRebuildStartsAtTheFirstRowAtTheTop) {
    ASSERT_EQ(Start(), app::StartStatus::Ok);
    MoveTo(6);
    EXPECT_EQ(State().CurrentRecept, 6);
    Choose("CClass", "САЛАТЫ");
    EXPECT_EQ(Grid()->currentIndex().row(), 0);
    EXPECT_EQ(Grid()->verticalScrollBar()->value(), 0);
    EXPECT_EQ(State().CurrentRecept, 1);
    EXPECT_EQ(Grid()->selectionModel()->selectedRows().size(), 1);
}

} // namespace
} // namespace timyanka::testing
