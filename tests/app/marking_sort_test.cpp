#include "app_fixture.h"

namespace timyanka::testing {
namespace {

using Names = std::vector<std::string>;

class MarkingSortTest : public MainWindowTest {
protected:
    void SetUp() override {
        WriteFlags(BenchFlags());
        std::vector<base::TRecept> r = BenchRecepts();
        r.push_back(MakeRecept("борщ", 4, 2, 2, 1));  // 8
        r.push_back(MakeRecept("Ёжики", 6, 1, 2, 1)); // 9
        r.push_back(MakeRecept("Еда", 6, 1, 2, 1));   // 10
        r.push_back(MakeRecept(" Все о чае", 17, 0)); // 11
        WriteBase(File("BaseRecept.tmk"), r);
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
};

TEST_F(MarkingSortTest, SortOrdersTheListByNameAndKeepsEachRowsId) {
    Trigger("MainMenu_Sort");
    const Names sorted = Listed();
    ASSERT_EQ(sorted.size(), 12u);
    EXPECT_EQ(sorted[0], " Все о чае");
    // "Борщ" and "борщ" compare equal and end up side by side.
    const auto borsch = std::find(sorted.begin(), sorted.end(), "Борщ") - sorted.begin();
    EXPECT_TRUE(sorted[borsch + 1] == "борщ" || sorted[borsch - 1] == "борщ");
    EXPECT_LT(std::find(sorted.begin(), sorted.end(), "Винегрет"),
              std::find(sorted.begin(), sorted.end(), "Еда"));
    EXPECT_LT(std::find(sorted.begin(), sorted.end(), "Еда"),
              std::find(sorted.begin(), sorted.end(), "Ёжики"));
    EXPECT_LT(std::find(sorted.begin(), sorted.end(), "Ёжики"),
              std::find(sorted.begin(), sorted.end(), "Квас"));
    for (int row = 0; row < 12; ++row) {
        const int32_t id = Cell(row, 2).toInt();
        EXPECT_EQ(Cell(row, 1).toStdString(), text::Cp1251ToUtf8(State().Recepts.Recept(id).Name));
        EXPECT_EQ(Cell(row, 0), QString::number(row + 1));
    }
    EXPECT_EQ(State().CurrentRecept, 11);
    EXPECT_EQ(State().ReceptCount(), 12);
}

// Names the byte weights handle, and names with a sign that weighs as several letters ("№"),
// which the desktop's collator sorts: either way each row follows the collator's order.
TEST_F(MarkingSortTest, EveryListEndsInTheCollatorsOrder) {
    const std::vector<std::vector<const char*>> bases = {
        {"Щи", "Салат «Мимоза»", "салат", "Ёж", "Еда", "ежевика", "Pizza", "пицца", " Все",
         "Чай-масала", "Чай", "Салат 10", "Салат 2"},
        {"Щи", "Салат №2", "Салат №10", "Салат Nord", "салат", "Ёж", "Еда", "Pizza"},
    };
    for (const std::vector<const char*>& names : bases) {
        std::vector<base::TRecept> r;
        for (const char* name : names) {
            r.push_back(MakeRecept(name));
            r.back().Id = static_cast<int32_t>(r.size() - 1);
        }
        WriteBase(File("sort.tmk"), r);
        platform_.QueueOpenFile(Q(File("sort.tmk").c_str()));
        Trigger("MainMenu_Open");
        Trigger("MainMenu_Sort");
        const Names sorted = Listed();
        ASSERT_EQ(sorted.size(), names.size());
        for (std::size_t i = 1; i < sorted.size(); ++i) {
            EXPECT_LE(platform_.NameCollator().Compare(QString::fromStdString(sorted[i - 1]),
                                                       QString::fromStdString(sorted[i])),
                      0)
                << sorted[i - 1] << " before " << sorted[i];
        }
    }
}

TEST_F(MarkingSortTest, SortOfAnEmptyListShowsTheEmptyList) {
    Choose("CClass", "БУТЕРБРОДЫ");
    Trigger("MainMenu_Sort");
    EXPECT_EQ(State().SpisokCount(), 0);
    EXPECT_EQ(Rows(), 1);
}

TEST_F(MarkingSortTest, TheMarkedRecipesAreListedInTableOrderWhateverThePickers) {
    MoveTo(7);
    Find<QPushButton>("ButtonSelect")->click();
    MoveTo(2);
    Find<QPushButton>("ButtonSelect")->click();
    Choose("CClass", "СУПЫ");
    Trigger("MainMenu_Sort");
    Trigger("MainMenu_Select");
    EXPECT_EQ(Listed(), (Names{"Винегрет", "Сыр"}));
    Trigger("N14");
    EXPECT_EQ(Listed(), (Names{"Винегрет", "Сыр"}));
    EXPECT_EQ(Find<QPushButton>("ButtonSelect")->text(), Q("Выбрать"));
    Trigger("MainMenu_Select");
    EXPECT_EQ(State().SpisokCount(), 0);
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(MarkingSortTest, TheToggleDoesNothingOnAnEmptyList) {
    Choose("CClass", "БУТЕРБРОДЫ");
    Find<QPushButton>("ButtonSelect")->click();
    for (const base::TRecept& r : State().Recepts.Recepts()) {
        EXPECT_EQ(r.Selected, 0) << r.Id;
    }
}

} // namespace
} // namespace timyanka::testing
