// The "Редактирование" commands of the main window: the dialog each one shows, what it does
// to the base, and the list built afresh afterwards.
#include "app_fixture.h"

#include <QDialog>
#include <QLineEdit>

#include <algorithm>
#include <functional>
#include <iterator>
#include <stdexcept>

namespace timyanka::testing {
namespace {

using platform::testing::CallKind;
using Names = std::vector<std::string>;

class EditCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
    void TearDown() override {
        EXPECT_TRUE(platform_.ScriptUsedUp());
        EXPECT_EQ(platform_.Unscripted(), 0);
    }

    template <typename T> static T& In(QDialog& d, const char* name) {
        T* w = d.findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) {
            ADD_FAILURE() << "no " << name << " in " << d.objectName().toStdString();
            throw std::runtime_error(name);
        }
        return *w;
    }

    // What the user does in the next dialog; the showing ends with the dialog's result.
    void Script(std::function<void(QDialog&)> user) {
        platform_.QueueModal([user = std::move(user)](QDialog& d) {
            user(d);
            return d.result();
        });
    }
    // The user fills the editor and presses its OK button.
    void ScriptRecipe(const char* name, const char* ingredients, const char* text) {
        Script([=](QDialog& d) {
            In<QLineEdit>(d, "EditName").setText(Q(name));
            In<QPlainTextEdit>(d, "MemoIngridient").setPlainText(Q(ingredients));
            In<QPlainTextEdit>(d, "MemoRecept").setPlainText(Q(text));
            In<QPushButton>(d, "BitBtnOK").click();
        });
    }
    void ScriptClick(const char* button) {
        Script([button](QDialog& d) { In<QPushButton>(d, button).click(); });
    }

    QStringList ModalsShown() const {
        QStringList out;
        for (const auto& c : platform_.CallsOf(CallKind::Modal)) {
            out << c.text;
        }
        return out;
    }
    std::string BaseBytes() { return base::SerializeBase(State().Recepts.Recepts()); }
    std::vector<uint8_t> Marks() {
        std::vector<uint8_t> out;
        for (const base::TRecept& r : State().Recepts.Recepts()) {
            out.push_back(r.Selected);
        }
        return out;
    }
    // The recipe's text lines as the detail pane shows them.
    QString TextOf(int32_t id) {
        QStringList lines;
        for (const std::string& l : State().Recepts.Recept(id).Text) {
            lines << QString::fromStdString(text::Cp1251ToUtf8(l));
        }
        return lines.join(QLatin1Char('\n'));
    }
    // Every stored recipe's Id is its position; the grid's current row names a recipe of
    // the base and the pane shows that recipe.
    void ExpectConsistent() {
        for (int32_t i = 0; i < State().ReceptCount(); ++i) {
            EXPECT_EQ(State().Recepts.Recept(i).Id, i);
        }
        ASSERT_EQ(Rows(), std::max(1, State().SpisokCount()));
        for (int row = 0; row < State().SpisokCount(); ++row) {
            EXPECT_EQ(Cell(row, 2).toInt(), State().Spisok[static_cast<std::size_t>(row)]);
        }
        if (State().SpisokCount() > 0) {
            EXPECT_EQ(State().CurrentRecept, State().Spisok[0]);
            EXPECT_EQ(Grid()->currentIndex().row(), 0);
        }
    }
};

const Names kBench = {"Борщ",  "Оливье", "Винегрет",     "Совет дня",
                      "Пицца", "Квас",   "Салат прочий", "Сыр"};

TEST_F(EditCommandsTest, AddedRecipeGoesToTheEndOfTheBaseAndIntoTheList) {
    ScriptRecipe("Уха", "рыба\nсоль", "Сварить.\nПосолить.");
    Trigger("MainMenu_AddRecept");
    EXPECT_EQ(ModalsShown(), QStringList{Q("FAddRecept")});
    ASSERT_EQ(State().ReceptCount(), 9);
    const base::TRecept& r = State().Recepts.Recept(8);
    EXPECT_EQ(r.Id, 8);
    EXPECT_EQ(r.Name, W("Уха"));
    EXPECT_EQ(r.Ingridient, (base::Lines{W("рыба"), W("соль")}));
    EXPECT_EQ(r.Text, (base::Lines{W("Сварить."), W("Посолить.")}));
    // The add dialog's presets: " ДРУГОЙ" without a sub-class, the tables' second entries.
    EXPECT_EQ(r.Class, 1);
    EXPECT_EQ(r.PodClass, -1);
    EXPECT_EQ(r.National, 1);
    EXPECT_EQ(r.Osoboe, 1);
    EXPECT_EQ(r.Selected, 0);
    Names all = kBench;
    all.push_back("Уха");
    EXPECT_EQ(Listed(), all);
    EXPECT_EQ(Cell(8, 1), Q("Уха"));
    EXPECT_EQ(Cell(8, 2), Q("8"));
    EXPECT_EQ(LabelText("StatusSpisok"), Q("В базе 9 рецептов! Отсортировано 9 рецептов!"));
    ExpectConsistent();
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(EditCommandsTest, AddedRecipeIsListedOnlyWhenThePickersSelectIt) {
    Choose("CClass", "САЛАТЫ");
    ScriptRecipe("Уха", "рыба", "Сварить.");
    Trigger("MainMenu_AddRecept");
    EXPECT_EQ(State().ReceptCount(), 9);
    EXPECT_EQ(Listed(), (Names{"Оливье", "Винегрет", "Салат прочий"}));
    EXPECT_EQ(LabelText("StatusSpisok"), Q("В базе 9 рецептов! Отсортировано 3 рецептов!"));
}

TEST_F(EditCommandsTest, FirstRecipeOfANewBaseIsListedAndShown) {
    Trigger("MainMenu_NewBase");
    ScriptRecipe("Уха", "рыба", "Сварить.");
    Trigger("MainMenu_AddRecept");
    EXPECT_EQ(Listed(), Names{"Уха"});
    EXPECT_EQ(State().CurrentRecept, 0);
    EXPECT_EQ(MemoText("MemoRecept"), Q("Сварить."));
    EXPECT_EQ(MemoText("MemoIngridient"), Q("рыба"));
}

TEST_F(EditCommandsTest, ChangedRecipeKeepsItsIdAndMark) {
    State().Recepts.SetSelected(2, true);
    Trigger("MainMenu_Sort"); // a list of its own, which the change replaces
    const int row = static_cast<int>(std::find(State().Spisok.begin(), State().Spisok.end(), 2) -
                                     State().Spisok.begin());
    MoveTo(row);
    Script([](QDialog& d) {
        EXPECT_EQ(In<QLineEdit>(d, "EditName").text(), Q("Винегрет"));
        In<QLineEdit>(d, "EditName").setText(Q("Винегрет овощной"));
        In<QPushButton>(d, "BitBtnOK").click();
    });
    Trigger("MainMenu_EditRecept");
    EXPECT_EQ(ModalsShown(), QStringList{Q("FRedRecept")});
    ASSERT_EQ(State().ReceptCount(), 8);
    const base::TRecept& r = State().Recepts.Recept(2);
    EXPECT_EQ(r.Id, 2);
    EXPECT_EQ(r.Name, W("Винегрет овощной"));
    EXPECT_EQ(r.Selected, 1);
    EXPECT_EQ(r.Class, 3);
    EXPECT_EQ(r.National, 1);
    EXPECT_EQ(r.PodClass, 2);
    EXPECT_EQ(r.Osoboe, 2);
    Names changed = kBench;
    changed[2] = "Винегрет овощной";
    EXPECT_EQ(Listed(), changed);
    ExpectConsistent();
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(EditCommandsTest, DeleteKeepsIdsAsPositionsAndMarksWithTheirRecipes) {
    struct Case {
        const char* classPicker; // nullptr: " ВСЕ"
        int row;
        Names base;
        std::vector<uint8_t> marks;
        Names listed;
    } cases[] = {
        {nullptr,
         0,
         {"Оливье", "Винегрет", "Совет дня", "Пицца", "Квас", "Салат прочий", "Сыр"},
         {1, 0, 0, 1, 0, 0, 1},
         {"Оливье", "Винегрет", "Совет дня", "Пицца", "Квас", "Салат прочий", "Сыр"}},
        {nullptr,
         3,
         {"Борщ", "Оливье", "Винегрет", "Пицца", "Квас", "Салат прочий", "Сыр"},
         {0, 1, 0, 1, 0, 0, 1},
         {"Борщ", "Оливье", "Винегрет", "Пицца", "Квас", "Салат прочий", "Сыр"}},
        {nullptr,
         7,
         {"Борщ", "Оливье", "Винегрет", "Совет дня", "Пицца", "Квас", "Салат прочий"},
         {0, 1, 0, 0, 1, 0, 0},
         {"Борщ", "Оливье", "Винегрет", "Совет дня", "Пицца", "Квас", "Салат прочий"}},
        // The list is built afresh against the pickers, with the new Ids.
        {"САЛАТЫ",
         1,
         {"Борщ", "Оливье", "Совет дня", "Пицца", "Квас", "Салат прочий", "Сыр"},
         {0, 1, 0, 1, 0, 0, 1},
         {"Оливье", "Салат прочий"}},
        // The only listed recipe: nothing is listed afterwards.
        {" РЕКОМЕНДАЦИИ",
         0,
         {"Борщ", "Оливье", "Винегрет", "Пицца", "Квас", "Салат прочий", "Сыр"},
         {0, 1, 0, 1, 0, 0, 1},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << (c.classPicker ? c.classPicker : "all") << " row " << c.row);
        ASSERT_EQ(Start(), app::StartStatus::Ok);
        for (int32_t id : {1, 4, 7}) {
            State().Recepts.SetSelected(id, true);
        }
        if (c.classPicker != nullptr) {
            Choose("CClass", c.classPicker);
        }
        MoveTo(c.row);
        ScriptClick("Button1");
        Trigger("MainMenu_DelRecept");
        ASSERT_EQ(State().ReceptCount(), 7);
        Names stored;
        for (const base::TRecept& r : State().Recepts.Recepts()) {
            stored.push_back(text::Cp1251ToUtf8(r.Name));
        }
        EXPECT_EQ(stored, c.base);
        EXPECT_EQ(Marks(), c.marks);
        EXPECT_EQ(Listed(), c.listed);
        ExpectConsistent();
        if (c.listed.empty()) {
            EXPECT_EQ(State().CurrentRecept, 0);
            EXPECT_EQ(Cell(0, 1), QString());
            EXPECT_EQ(MemoText("MemoRecept"), QString());
        } else {
            EXPECT_EQ(MemoText("MemoRecept"), TextOf(State().Spisok[0]));
        }
    }
    EXPECT_EQ(ModalsShown(), QStringList(static_cast<qsizetype>(std::size(cases)), Q("FYesNo")));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(EditCommandsTest, CancelLeavesTheBaseAndStillRebuildsTheList) {
    struct Case {
        const char* command;
        std::function<void(QDialog&)> user;
    } cases[] = {
        {"MainMenu_AddRecept",
         [](QDialog& d) {
             In<QLineEdit>(d, "EditName").setText(Q("Уха"));
             In<QPlainTextEdit>(d, "MemoRecept").setPlainText(Q("Сварить."));
             In<QPushButton>(d, "BitBtnNO").click();
         }},
        {"MainMenu_EditRecept",
         [](QDialog& d) {
             In<QLineEdit>(d, "EditName").setText(Q("Другое имя"));
             In<QPushButton>(d, "BitBtnNO").click();
         }},
        {"MainMenu_DelRecept", [](QDialog& d) { In<QPushButton>(d, "Button2").click(); }},
    };
    State().Recepts.SetSelected(5, true);
    const std::string before = BaseBytes();
    const std::vector<uint8_t> marks = Marks();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        Trigger("MainMenu_Select"); // the marked list, which the rebuild replaces
        ASSERT_EQ(Listed(), Names{"Квас"});
        Script(c.user);
        Trigger(c.command);
        EXPECT_EQ(BaseBytes(), before);
        EXPECT_EQ(Marks(), marks);
        EXPECT_EQ(Listed(), kBench);
        ExpectConsistent();
    }
    EXPECT_EQ(ModalsShown(), (QStringList{Q("FAddRecept"), Q("FRedRecept"), Q("FYesNo")}));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(EditCommandsTest, ChangeAndDeleteNeedAListedRecipeOfTheBase) {
    for (const char* command : {"MainMenu_EditRecept", "MainMenu_DelRecept"}) {
        SCOPED_TRACE(command);
        // An empty list: nothing is shown and nothing said.
        ASSERT_EQ(Start(), app::StartStatus::Ok);
        Trigger("MainMenu_Select");
        platform_.ClearCalls();
        Trigger(command);
        EXPECT_TRUE(platform_.Calls().empty());
        EXPECT_EQ(State().ReceptCount(), 8);

        // A list left over from a base that is now empty.
        ASSERT_EQ(Start(), app::StartStatus::Ok);
        State().Recepts.ClearBase();
        const std::vector<int32_t> stale = State().Spisok;
        platform_.ClearCalls();
        Trigger(command);
        EXPECT_EQ(Messages(), QStringList{Q("В базе нет рецептов!!!")});
        EXPECT_TRUE(ModalsShown().isEmpty());
        EXPECT_EQ(State().Spisok, stale);
    }
}

} // namespace
} // namespace timyanka::testing
