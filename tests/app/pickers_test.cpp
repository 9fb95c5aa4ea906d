#include "app_fixture.h"

namespace timyanka::testing {
namespace {

using Names = std::vector<std::string>;

class PickersTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
};

TEST_F(PickersTest, RecommendationsHideFourControlsAndListOnlyClass17) {
    Choose("CNational", "Украинская");
    Choose("COsoboe", "Постное");
    Choose("CClass", " РЕКОМЕНДАЦИИ");
    EXPECT_EQ(Listed(), Names{"Совет дня"});
    EXPECT_EQ(State().Filters.Class, 17);
    for (const char* name : {"CNational", "COsoboe", "C1Ur", "MemoIngridient"}) {
        EXPECT_TRUE(Hidden(name)) << name;
    }
    Choose("CClass", "САЛАТЫ");
    for (const char* name : {"CNational", "COsoboe", "C1Ur", "MemoIngridient"}) {
        EXPECT_FALSE(Hidden(name)) << name;
    }
}

TEST_F(PickersTest, AClassRefillsTheSubClassPickerWithAllSelected) {
    Choose("CClass", "СУПЫ");
    Choose("C1Ur", "Первый");
    EXPECT_EQ(State().Filters.PodClass, 2);
    EXPECT_EQ(Listed(), Names{"Борщ"});
    Choose("CClass", "САЛАТЫ");
    QComboBox* sub = Picker("C1Ur");
    EXPECT_FALSE(sub->isHidden());
    EXPECT_EQ(sub->currentText(), Q(" Все"));
    EXPECT_EQ(sub->count(), 4);
    EXPECT_GE(sub->findText(Q("Овощные")), 0);
    EXPECT_EQ(State().Filters.PodClass, 2); // kept from the soups
    EXPECT_EQ(Listed(), (Names{"Оливье", "Винегрет", "Салат прочий"}));
    Choose("C1Ur", "Мясные");
    EXPECT_EQ(Listed(), Names{"Оливье"});
    Choose("C1Ur", " Другие");
    EXPECT_EQ(Listed(), Names{"Салат прочий"});
}

TEST_F(PickersTest, TheOtherClassIsNotNarrowedByAHiddenSubClass) {
    Choose("CClass", "САЛАТЫ");
    Choose("C1Ur", "Мясные"); // code 3; the pizza has sub-class code 5
    Choose("CClass", " ДРУГОЙ");
    EXPECT_TRUE(Hidden("C1Ur"));
    EXPECT_EQ(Picker("C1Ur")->currentText(), Q("Мясные"));
    EXPECT_EQ(Listed(), Names{"Пицца"});
}

TEST_F(PickersTest, ADuplicateCuisineNameGivesTheCodeOfItsFirstOccurrence) {
    Choose("CNational", "Русская", 1);
    EXPECT_EQ(State().Filters.National, 1);
    EXPECT_EQ(Listed(), (Names{"Оливье", "Винегрет", "Квас", "Салат прочий"}));
}

TEST_F(PickersTest, CuisineAndFeatureNarrowTogether) {
    Choose("CNational", "Русская");
    Choose("COsoboe", "Постное");
    EXPECT_EQ(State().Filters.Osoboe, 2);
    EXPECT_EQ(Listed(), (Names{"Винегрет", "Квас"}));
    Choose("CNational", " Все");
    EXPECT_EQ(Listed(), (Names{"Винегрет", "Квас"}));
}

TEST_F(PickersTest, OnlyTheUsersChoiceRunsAChangeHandler) {
    // A selection made by the program (as at start) leaves the filter and the list alone.
    Picker("CNational")->setCurrentIndex(Picker("CNational")->findText(Q("Итальянская")));
    Picker("CClass")->setCurrentIndex(Picker("CClass")->findText(Q("СУПЫ")));
    EXPECT_EQ(State().Filters.National, 0);
    EXPECT_EQ(State().Filters.Class, -1);
    EXPECT_EQ(State().SpisokCount(), 8);
    EXPECT_TRUE(Hidden("C1Ur"));
}

TEST_F(PickersTest, AnEmptyListFromTheFeaturePickerLeavesTheDetailLabels) {
    Choose("COsoboe", "Детское");
    EXPECT_EQ(State().SpisokCount(), 0);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(LabelText("LNation"), Q("Кухня:  Украинская"));
    EXPECT_EQ(LabelText("LClass"), Q("Класс:  Супы"));
    EXPECT_EQ(MemoText("MemoRecept"), QString());
    EXPECT_EQ(MemoText("MemoIngridient"), QString());
}

TEST_F(PickersTest, AnEmptyListFromTheClassPickerBaresTheDetailLabels) {
    Choose("CClass", "БУТЕРБРОДЫ");
    EXPECT_EQ(State().SpisokCount(), 0);
    EXPECT_EQ(LabelText("LNation"), Q("Кухня:  "));
    EXPECT_EQ(LabelText("LClass"), Q("Класс:  "));
    EXPECT_EQ(LabelText("LPodClass"), Q("Подкласс:  "));
    EXPECT_EQ(LabelText("LOsoboe"), Q("Особенность:  "));
    EXPECT_EQ(State().CurrentRecept, 0);
}

} // namespace
} // namespace timyanka::testing
