#include "app_fixture.h"

#include "app/recept_detail.h"

#include <QTest>

namespace timyanka::testing {
namespace {

class DetailTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
    QStringList Labels() {
        return {LabelText("LNation"), LabelText("LClass"), LabelText("LPodClass"),
                LabelText("LOsoboe")};
    }
};

TEST_F(DetailTest, ShowsTheLabelsOfEachKindOfRecipe) {
    struct Case {
        int row;
        QStringList labels;
        bool ingredients;
    } cases[] = {
        {0,
         {Q("Кухня:  Украинская"), Q("Класс:  Супы"), Q("Подкласс:  Первый"),
          Q("Особенность:  Нет")},
         true},
        // A recommendation: no cuisine, no ingredients.
        {3,
         {Q("Кухня:  "), Q("Класс:  Рекомендации"), Q("Подкласс:  "), Q("Особенность:  ")},
         false},
        {4,
         {Q("Кухня:  Итальянская"), Q("Класс:  Другой"), Q("Подкласс:  "), Q("Особенность:  Нет")},
         true},
        // Sub-class code 1 is always "Другие"; class 13 is written in two words.
        {5,
         {Q("Кухня:  Русская"), Q("Класс:  Напитки без алкогольные"), Q("Подкласс:  Другие"),
          Q("Особенность:  Постное")},
         true},
        // A cuisine code no file gives.
        {7,
         {Q("Кухня:  "), Q("Класс:  Молоко и молочные продукты"), Q("Подкласс:  Первый"),
          Q("Особенность:  Нет")},
         true},
    };
    for (const Case& c : cases) {
        MoveTo(c.row);
        EXPECT_EQ(Labels(), c.labels) << c.row;
        EXPECT_EQ(Hidden("MemoIngridient"), !c.ingredients) << c.row;
        EXPECT_EQ(State().CurrentRecept, c.row);
    }
}

TEST_F(DetailTest, TheLastEntryWithACodeNamesIt) {
    base::TRecept r = MakeRecept("Морс", 13, 4, 1, 2);
    const app::ReceptDetail d = app::DescribeRecept(r, State().Classes);
    // Cuisine code 4 is the second "Русская"; sub-class code 1 is "Морсы" in the file.
    EXPECT_EQ(text::Cp1251ToUtf8(d.Nation), "Кухня:  Русская");
    EXPECT_EQ(text::Cp1251ToUtf8(d.PodClass), "Подкласс:  Другие");
    r.PodClass = 2;
    EXPECT_EQ(text::Cp1251ToUtf8(app::DescribeRecept(r, State().Classes).PodClass),
              "Подкласс:  Соки");
    r.Class = 45;
    EXPECT_EQ(text::Cp1251ToUtf8(app::DescribeRecept(r, State().Classes).Class), "Класс:  ");
}

TEST_F(DetailTest, FollowsTheCurrentRowOnClickAndKeys) {
    QTableView* grid = Grid();
    grid->resize(391, 200);
    const QRect cell = grid->visualRect(grid->model()->index(2, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(State().CurrentRecept, 2);
    EXPECT_EQ(MemoText("MemoRecept"), Q("Сварить."));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(State().CurrentRecept, 3);
    EXPECT_TRUE(Hidden("MemoIngridient"));
    EXPECT_EQ(MemoText("MemoRecept"), Q("Ешьте овощи."));
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(State().CurrentRecept, 4);
    EXPECT_FALSE(Hidden("MemoIngridient"));
    EXPECT_EQ(MemoText("MemoIngridient"), Q("вода\nсоль"));
}

TEST_F(DetailTest, TheRowsIdColumnNamesTheRecipe) {
    State().Spisok = {6, 2};
    Window().ShowSpisok();
    EXPECT_EQ(State().CurrentRecept, 6);
    MoveTo(1);
    EXPECT_EQ(State().CurrentRecept, 2);
}

TEST_F(DetailTest, TheMarkButtonShowsTheMark) {
    QPushButton* button = Find<QPushButton>("ButtonSelect");
    EXPECT_EQ(button->text(), Q("Выбрать"));
    EXPECT_FALSE(button->font().bold());
    button->click();
    EXPECT_EQ(State().Recepts.Recept(0).Selected, 1);
    EXPECT_EQ(button->text(), Q("ВЫБРАН"));
    EXPECT_TRUE(button->font().bold());
    MoveTo(1);
    EXPECT_EQ(button->text(), Q("Выбрать"));
    MoveTo(0);
    EXPECT_EQ(button->text(), Q("ВЫБРАН"));
    button->click();
    EXPECT_EQ(State().Recepts.Recept(0).Selected, 0);
    EXPECT_EQ(button->text(), Q("Выбрать"));
    EXPECT_FALSE(button->font().bold());
}

} // namespace
} // namespace timyanka::testing
