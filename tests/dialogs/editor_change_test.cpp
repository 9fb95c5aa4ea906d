// The change dialog: the recipe loaded into the form with its own codes, the checks of OK,
// and the recipe written back in place with its Id and mark, or left alone on Cancel.
#include "dialogs/URedRecept.h"
#include "dialogs/recept_commands.h"

#include "editor_test_util.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace timyanka::dialogs::testing {
namespace {

using timyanka::testing::MakeRecept;

class ChangeDialog : public EditorTest {
protected:
    ChangeDialog() {
        store.AppendRecept(MakeRecept("Борщ", kSoups, 2, 1, 2), false);
        base::TRecept salad = MakeRecept("Винегрет", kSalads, 5, 12, 4);
        salad.Ingridient = {W("свёкла"), W("морковь")};
        salad.Text = {W("Нарезать."), "", W("Перемешать.")};
        store.AppendRecept(salad, true);
        store.AppendRecept(MakeRecept("Как хранить зелень", 17, 2, -1, 3), false);
    }

    // Shows the change dialog on one recipe with the user's actions.
    int Change(int32_t id, std::function<void(EditorForm&)> user) {
        Script(std::move(user));
        red.SetRecept(id);
        return red.Execute();
    }

    TFRedRecept red{Context()};
};

TEST_F(ChangeDialog, ActivationLoadsTheRecipe) {
    Change(1, [&](EditorForm& f) {
        // Names that occur twice select their last entry, as the code-to-name look-up does.
        EXPECT_EQ(f.CNational.currentIndex(), f.CNational.findText(Q("Грузинская")) + 1);
        EXPECT_EQ(f.CClass.currentText(), Q("САЛАТЫ"));
        EXPECT_TRUE(IsShown(f.C1Ur));
        EXPECT_EQ(Items(f.C1Ur),
                  (QStringList{Q(" Другие"), Q("Мясные"), Q("Овощные"), Q("Овощные")}));
        EXPECT_EQ(f.C1Ur.currentIndex(), 3);
        EXPECT_EQ(f.COsoboe.currentIndex(), f.COsoboe.findText(Q("Постное")) + 1);
        EXPECT_EQ(red.Codes(), (WorkingCodes{5, kSalads, 12, 4}));
        EXPECT_EQ(f.EditName.text(), Q("Винегрет"));
        EXPECT_EQ(red.focusWidget(), &f.EditName);
        EXPECT_TRUE(IsShown(f.CNational));
        EXPECT_TRUE(IsShown(f.COsoboe));
        EXPECT_TRUE(IsShown(f.MemoIngridient));
    });
    EXPECT_EQ(platform.CallsOf(CallKind::Modal).at(0).text, Q("FRedRecept"));
}

TEST_F(ChangeDialog, ARecommendationShowsItsIngredientMemo) {
    Change(2, [&](EditorForm& f) {
        EXPECT_EQ(f.CClass.currentText(), Q(" РЕКОМЕНДАЦИИ"));
        EXPECT_FALSE(IsShown(f.C1Ur));
        EXPECT_FALSE(IsShown(f.CNational));
        EXPECT_FALSE(IsShown(f.COsoboe));
        EXPECT_TRUE(IsShown(f.MemoIngridient));
        EXPECT_EQ(f.C1Ur.count(), 0);
        EXPECT_EQ(red.Codes(), (WorkingCodes{2, 17, -1, 3}));
    });
    // The next showing of another recipe shows everything again.
    Change(0, [&](EditorForm& f) {
        EXPECT_TRUE(IsShown(f.CNational));
        EXPECT_TRUE(IsShown(f.COsoboe));
        EXPECT_TRUE(IsShown(f.C1Ur));
        EXPECT_EQ(Items(f.C1Ur), QStringList());
    });
}

TEST_F(ChangeDialog, CodesWithoutEntriesAreKept) {
    store.ChangeRecept(1, MakeRecept("Винегрет", kSalads, 99, 55, 77));
    const base::TRecept before = store.Recept(1);
    const int result = Change(1, [&](EditorForm& f) {
        EXPECT_EQ(f.CNational.currentIndex(), -1);
        EXPECT_EQ(f.C1Ur.currentIndex(), -1);
        EXPECT_EQ(f.COsoboe.currentIndex(), -1);
        EXPECT_EQ(red.Codes(), (WorkingCodes{99, kSalads, 55, 77}));
        f.BitBtnOK.click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(store.Recept(1).SameStoredFields(before));
}

TEST_F(ChangeDialog, OkWritesTheRecipeInPlaceKeepingIdAndMark) {
    const int result = Change(1, [&](EditorForm& f) {
        f.EditName.setText(Q("Винегрет с фасолью"));
        f.MemoIngridient.setPlainText(Q("свёкла\nфасоль"));
        f.MemoRecept.setPlainText(Q("Смешать."));
        Pick(f.CNational, "Русская");
        Pick(f.C1Ur, "Мясные");
        Pick(f.COsoboe, "Детское");
        f.BitBtnOK.click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(Messages().isEmpty());
    ASSERT_EQ(store.ReceptCount(), 3);
    const base::TRecept& r = store.Recept(1);
    EXPECT_EQ(r.Id, 1);
    EXPECT_EQ(r.Selected, 1);
    EXPECT_EQ(r.Name, W("Винегрет с фасолью"));
    EXPECT_EQ(r.Ingridient, (base::Lines{W("свёкла"), W("фасоль")}));
    EXPECT_EQ(r.Text, base::Lines{W("Смешать.")});
    EXPECT_EQ(r.National, 2);
    EXPECT_EQ(r.Class, kSalads);
    EXPECT_EQ(r.PodClass, 11);
    EXPECT_EQ(r.Osoboe, 3);
    EXPECT_EQ(store.Recept(0).Name, W("Борщ"));
}

TEST_F(ChangeDialog, UntouchedLinesComeBackUnchanged) {
    const base::TRecept before = store.Recept(1);
    Change(1, [&](EditorForm& f) { f.BitBtnOK.click(); });
    EXPECT_TRUE(store.Recept(1).SameStoredFields(before));

    // A last empty line too.
    base::TRecept r = before;
    r.Text = {W("Нарезать."), ""};
    store.ChangeRecept(1, r);
    Change(1, [&](EditorForm& f) { f.BitBtnOK.click(); });
    EXPECT_EQ(store.Recept(1).Text, r.Text);
}

TEST_F(ChangeDialog, ChecksRunInOrder) {
    struct Case {
        const char* name;
        const char* ingridient;
        const char* text;
        const char* message; // nullptr: OK passes
    } cases[] = {
        {"", "", "", "Рецепта без названия не может быть!"},
        {" ", "свёкла", "", "Вы не ввели текст рецепта!"},
        {"Винегрет", "", "Нарезать.", "Вы не ввели ингредиенты!"},
        {"бОРЩ", "свёкла", "Нарезать.", "Рецепт с таким именем уже есть!"},
        {"КАК ХРАНИТЬ ЗЕЛЕНЬ", "свёкла", "Нарезать.", "Рецепт с таким именем уже есть!"},
        {"ВИНЕГРЕТ", "свёкла", "Нарезать.", nullptr}, // its own name in other case
        {"Винегрет", "\n", "\n", nullptr},            // one empty line each
    };
    for (const Case& c : cases) {
        platform.ClearCalls();
        const base::TRecept before = store.Recept(1);
        const int result = Change(1, [&](EditorForm& f) {
            f.EditName.setText(Q(c.name));
            f.MemoIngridient.setPlainText(Q(c.ingridient));
            f.MemoRecept.setPlainText(Q(c.text));
            f.BitBtnOK.click();
            if (c.message) {
                EXPECT_EQ(f.EditName.text(), Q(c.name));
                EXPECT_EQ(f.MemoRecept.toPlainText(), Q(c.text));
            }
        });
        if (c.message) {
            EXPECT_EQ(result, QDialog::Rejected) << c.name;
            EXPECT_EQ(Messages(), QStringList{Q(c.message)}) << c.name;
            EXPECT_TRUE(store.Recept(1).SameStoredFields(before)) << c.name;
        } else {
            EXPECT_EQ(result, QDialog::Accepted) << c.name;
            EXPECT_TRUE(Messages().isEmpty()) << c.name;
            EXPECT_EQ(store.Recept(1).Name, W(c.name));
        }
    }
    EXPECT_EQ(store.Recept(1).Ingridient, base::Lines{""});
    EXPECT_EQ(store.Recept(1).Text, base::Lines{""});
}

TEST_F(ChangeDialog, RecommendationsNeedNoIngredientsAndKeepTheirFeature) {
    // A recommendation as it is.
    Change(2, [&](EditorForm& f) {
        f.MemoIngridient.clear();
        f.BitBtnOK.click();
    });
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_TRUE(store.Recept(2).Ingridient.empty());

    // A salad turned into one.
    const int result = Change(1, [&](EditorForm& f) {
        f.MemoIngridient.clear();
        Pick(f.CClass, " РЕКОМЕНДАЦИИ");
        f.BitBtnOK.click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(Messages().isEmpty());
    const base::TRecept& r = store.Recept(1);
    EXPECT_EQ(r.Class, 17);
    EXPECT_EQ(r.PodClass, -1);
    EXPECT_EQ(r.Osoboe, 4);
    EXPECT_EQ(r.National, 5);
}

TEST_F(ChangeDialog, HiddenIngredientsAreStoredToo) {
    Change(1, [&](EditorForm& f) {
        Pick(f.CClass, " РЕКОМЕНДАЦИИ");
        f.BitBtnOK.click();
    });
    EXPECT_EQ(store.Recept(1).Ingridient, (base::Lines{W("свёкла"), W("морковь")}));
}

TEST_F(ChangeDialog, AnotherClassStoresItsSubClass) {
    struct Case {
        const char* pick;
        int32_t cls;
        int32_t podClass;
    } cases[] = {{" ДРУГОЙ", 1, -1}, {"СУПЫ", kSoups, 1}, {"ДЕСЕРТЫ", 10, 1}};
    for (const Case& c : cases) {
        store.ChangeRecept(1, MakeRecept("Винегрет", kSalads, 5, 12, 4));
        Change(1, [&](EditorForm& f) {
            Pick(f.CClass, c.pick);
            f.BitBtnOK.click();
        });
        EXPECT_EQ(store.Recept(1).Class, c.cls) << c.pick;
        EXPECT_EQ(store.Recept(1).PodClass, c.podClass) << c.pick;
    }
}

TEST_F(ChangeDialog, ALongParagraphIsOneLineAndALongerLineIsBrokenAtBlanks) {
    std::string paragraph; // wider than the memo, so shown wrapped
    while (paragraph.size() < 240) {
        paragraph += "Varit ";
    }
    std::string line;
    for (int i = 0; i < 100; ++i) {
        line += "slovo ";
    }
    Change(1, [&](EditorForm& f) {
        f.MemoRecept.setPlainText(QString::fromStdString(paragraph + "\n" + line));
        red.show();
        QApplication::processEvents();
        EXPECT_GT(f.MemoRecept.document()->firstBlock().layout()->lineCount(), 1);
        f.BitBtnOK.click();
    });
    const base::Lines& text = store.Recept(1).Text;
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(text[0], paragraph);
    EXPECT_EQ(text[1] + text[2] + text[3], line);
    for (std::size_t i = 1; i < 4; ++i) {
        EXPECT_LE(text[i].size(), 255u);
    }
    EXPECT_EQ(text[1].back(), ' ');
}

TEST_F(ChangeDialog, ACharacterTheBaseCannotHoldIsRefused) {
    const base::TRecept before = store.Recept(1);
    const int result = Change(1, [&](EditorForm& f) {
        f.EditName.setText(Q("Винегрет 🥗"));
        f.BitBtnOK.click();
        EXPECT_EQ(f.EditName.text(), Q("Винегрет 🥗"));
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(
        Messages(),
        QStringList{
            Q("Знак «🥗» нельзя сохранить в базе рецептов!")});
    EXPECT_TRUE(store.Recept(1).SameStoredFields(before));
}

TEST_F(ChangeDialog, CancelLeavesTheRecipeAsItWas) {
    const base::TRecept before = store.Recept(1);
    const int result = Change(1, [&](EditorForm& f) {
        f.EditName.setText(Q("Другое"));
        f.MemoIngridient.setPlainText(Q("вода"));
        f.MemoRecept.setPlainText(Q("Иначе."));
        Pick(f.CNational, "Абхазская");
        Pick(f.CClass, " ДРУГОЙ");
        Pick(f.COsoboe, "Детское");
        f.BitBtnNO.click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    const base::TRecept& r = store.Recept(1);
    EXPECT_TRUE(r.SameStoredFields(before));
    EXPECT_EQ(r.Id, 1);
    EXPECT_EQ(r.Selected, 1);
    // Nothing typed in the cancelled showing survives into the next.
    Change(1, [&](EditorForm& f) {
        EXPECT_EQ(f.EditName.text(), Q("Винегрет"));
        EXPECT_EQ(red.Codes(), (WorkingCodes{5, kSalads, 12, 4}));
    });
}

TEST_F(ChangeDialog, ANameLongerThanTypingAllowsIsShownWhole) {
    base::TRecept r = store.Recept(1);
    r.Name = std::string(230, 'n');
    store.ChangeRecept(1, r);
    Change(1, [&](EditorForm& f) {
        EXPECT_EQ(f.EditName.text().size(), 230);
        f.EditName.end(false);
        f.EditName.insert(Q("x"));
        EXPECT_EQ(f.EditName.text().size(), 230);
        f.BitBtnOK.click();
    });
    EXPECT_EQ(store.Recept(1).Name, std::string(230, 'n'));
}

} // namespace
} // namespace timyanka::dialogs::testing
