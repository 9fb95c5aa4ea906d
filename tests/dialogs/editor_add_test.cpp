// The add dialog: every showing starts afresh from the presets, OK checks the input and
// appends the recipe, unmarked, to the base.
#include "dialogs/UAddRecept.h"
#include "dialogs/recept_commands.h"

#include "editor_test_util.h"

namespace timyanka::dialogs::testing {
namespace {

using timyanka::testing::MakeRecept;

class AddDialog : public EditorTest {
protected:
    void Type(EditorForm& f, const char* name, const char* ingridient, const char* text) {
        f.EditName.setText(Q(name));
        f.MemoIngridient.setPlainText(Q(ingridient));
        f.MemoRecept.setPlainText(Q(text));
    }
};

TEST_F(AddDialog, EveryShowingStartsFromThePresets) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        Type(f, "Окрошка", "квас", "Смешать.");
        Pick(f.CNational, "Грузинская");
        Pick(f.CClass, "САЛАТЫ");
        Pick(f.CClass, " РЕКОМЕНДАЦИИ");
    });
    Script([&](EditorForm& f) {
        EXPECT_TRUE(IsShown(f.CNational));
        EXPECT_TRUE(IsShown(f.COsoboe));
        EXPECT_TRUE(IsShown(f.MemoIngridient));
        EXPECT_FALSE(IsShown(f.C1Ur));
        EXPECT_EQ(f.CClass.currentText(), Q(" ДРУГОЙ"));
        // The pickers show their first entries; the codes are those of the tables' second
        // entries ("Русская", "Постное").
        EXPECT_EQ(f.CNational.currentText(), Q("Абхазская"));
        EXPECT_EQ(f.COsoboe.currentText(), Q("Детское"));
        EXPECT_EQ(add.Codes(), (WorkingCodes{2, 1, -1, 2}));
        EXPECT_EQ(f.EditName.text(), QString());
        EXPECT_EQ(f.MemoIngridient.toPlainText(), QString());
        EXPECT_EQ(f.MemoRecept.toPlainText(), QString());
        EXPECT_EQ(add.focusWidget(), &f.EditName);
    });
    EXPECT_EQ(add.Execute(), QDialog::Rejected);
    EXPECT_EQ(add.Execute(), QDialog::Rejected);
    EXPECT_EQ(store.ReceptCount(), 0);
}

TEST_F(AddDialog, ACuisineTableOfTheEntryForAllAloneLeavesThePickerEmpty) {
    // As loaded from a cuisine file of that one line.
    classes.NationalCount = 1;
    for (std::size_t i = 1; i < classes.Nationals.size(); ++i) {
        classes.Nationals[i] = {};
    }
    mainNational.clear();
    mainNational.addItem(Q(" Все"));
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        EXPECT_EQ(f.CNational.count(), 0);
        EXPECT_EQ(add.Codes().DlgNational, -1);
    });
    add.Execute();
}

TEST_F(AddDialog, OkAppendsTheRecipeUnmarked) {
    store.AppendRecept(MakeRecept("Борщ"), true);
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        Type(f, "Винегрет", "свёкла\nморковь\n", "Нарезать.\n\nПеремешать.");
        Pick(f.CNational, "Грузинская");
        Pick(f.CClass, "САЛАТЫ");
        Pick(f.C1Ur, "Мясные");
        Pick(f.COsoboe, "Детское");
        f.BitBtnOK.click();
    });
    EXPECT_EQ(AddReceptCommand(add), CommandResult::Done);
    EXPECT_TRUE(Messages().isEmpty());
    ASSERT_EQ(store.ReceptCount(), 2);
    const base::TRecept& r = store.Recept(1);
    EXPECT_EQ(r.Id, 1);
    EXPECT_EQ(r.Name, W("Винегрет"));
    EXPECT_EQ(r.Ingridient, (base::Lines{W("свёкла"), W("морковь")}));
    EXPECT_EQ(r.Text, (base::Lines{W("Нарезать."), "", W("Перемешать.")}));
    EXPECT_EQ(r.National, 4);
    EXPECT_EQ(r.Class, kSalads);
    EXPECT_EQ(r.PodClass, 11);
    EXPECT_EQ(r.Osoboe, 3);
    EXPECT_EQ(r.Selected, 0);
    EXPECT_EQ(store.Recept(0).Selected, 1);
}

TEST_F(AddDialog, CancelAddsNothing) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        Type(f, "Винегрет", "свёкла", "Нарезать.");
        f.BitBtnNO.click();
    });
    EXPECT_EQ(AddReceptCommand(add), CommandResult::Cancelled);
    EXPECT_EQ(store.ReceptCount(), 0);
}

TEST_F(AddDialog, ChecksRunInOrderAndKeepTheDialogOpen) {
    store.AppendRecept(MakeRecept("Борщ"), false);
    store.AppendRecept(MakeRecept("Ёжики"), false);
    struct Case {
        const char* name;
        const char* ingridient;
        const char* text;
        const char* message;
    } cases[] = {
        {"", "", "", "Рецепта без названия не может быть!"},
        {"", "соль", "Сварить.", "Рецепта без названия не может быть!"},
        {"   ", "соль", "", "Вы не ввели текст рецепта!"},
        {"Суп", "", "Сварить.", "Вы не ввели ингредиенты!"},
        {"бОРЩ", "соль", "Сварить.", "Рецепт с таким именем уже есть!"},
        {"ЁЖИКИ", "соль", "Сварить.", "Рецепт с таким именем уже есть!"},
    };
    for (const Case& c : cases) {
        platform.ClearCalls();
        TFAddRecept add(Context());
        Script([&](EditorForm& f) {
            Type(f, c.name, c.ingridient, c.text);
            f.BitBtnOK.click();
            EXPECT_EQ(add.result(), QDialog::Rejected);
            EXPECT_EQ(f.EditName.text(), Q(c.name));
            EXPECT_EQ(f.MemoIngridient.toPlainText(), Q(c.ingridient));
            EXPECT_EQ(f.MemoRecept.toPlainText(), Q(c.text));
        });
        EXPECT_EQ(add.Execute(), QDialog::Rejected);
        EXPECT_EQ(Messages(), QStringList{Q(c.message)}) << c.name;
        EXPECT_EQ(store.ReceptCount(), 2);
    }
}

TEST_F(AddDialog, ARecommendationNeedsNoIngredientsAndHasNoFeature) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        Type(f, "Как хранить зелень", "", "В холодильнике.");
        Pick(f.CClass, " РЕКОМЕНДАЦИИ");
        f.BitBtnOK.click();
    });
    EXPECT_EQ(add.Execute(), QDialog::Accepted);
    EXPECT_TRUE(Messages().isEmpty());
    ASSERT_EQ(store.ReceptCount(), 1);
    const base::TRecept& r = store.Recept(0);
    EXPECT_EQ(r.Class, 17);
    EXPECT_EQ(r.PodClass, -1);
    EXPECT_EQ(r.Osoboe, -1);
    EXPECT_EQ(r.National, 2);
    EXPECT_TRUE(r.Ingridient.empty());
}

TEST_F(AddDialog, AFullBaseIsReportedAndTheDialogStaysOpen) {
    base::ReceptStore full(1);
    full.AppendRecept(MakeRecept("Борщ"), false);
    TFAddRecept add(Context(full));
    Script([&](EditorForm& f) {
        Type(f, "Щи", "капуста", "Сварить.");
        f.BitBtnOK.click();
        EXPECT_EQ(add.result(), QDialog::Rejected);
        EXPECT_EQ(f.EditName.text(), Q("Щи"));
    });
    EXPECT_EQ(add.Execute(), QDialog::Rejected);
    EXPECT_EQ(Messages(), QStringList{Q("База заполнена: рецепт не добавлен!")});
    EXPECT_EQ(full.ReceptCount(), 1);
}

TEST_F(AddDialog, ACharacterTheBaseCannotHoldIsRefused) {
    struct Case {
        const char* name;
        const char* ingridient;
        const char* text;
        const char* message;
    } cases[] = {
        {"Чай ☕", "чай", "Заварить.", "Знак «☕» нельзя сохранить в базе рецептов!"},
        {"Чай", "чай, ½ лимона", "Заварить.", "Знак «½» нельзя сохранить в базе рецептов!"},
        {"Чай", "чай", "Заварить 🍵 и ☕", "Знак «🍵» нельзя сохранить в базе рецептов!"},
    };
    for (const Case& c : cases) {
        platform.ClearCalls();
        TFAddRecept add(Context());
        Script([&](EditorForm& f) {
            Type(f, c.name, c.ingridient, c.text);
            f.BitBtnOK.click();
            EXPECT_EQ(f.EditName.text(), Q(c.name));
            EXPECT_EQ(f.MemoIngridient.toPlainText(), Q(c.ingridient));
            EXPECT_EQ(f.MemoRecept.toPlainText(), Q(c.text));
        });
        EXPECT_EQ(add.Execute(), QDialog::Rejected);
        EXPECT_EQ(Messages(), QStringList{Q(c.message)});
        EXPECT_EQ(store.ReceptCount(), 0);
    }
}

TEST_F(AddDialog, CharactersOfTheCodePageAreStoredAsTheyAre) {
    TFAddRecept add(Context());
    Script([&](EditorForm& f) {
        // The euro sign and the no-break space are in Windows-1251.
        Type(f, "Торт «Ёлка» за 5 €", "мука", "Печь 40\u00a0минут.");
        f.BitBtnOK.click();
    });
    EXPECT_EQ(add.Execute(), QDialog::Accepted);
    ASSERT_EQ(store.ReceptCount(), 1);
    EXPECT_EQ(store.Recept(0).Name, W("Торт «Ёлка» за 5 €"));
    EXPECT_EQ(store.Recept(0).Text, base::Lines{W("Печь 40\u00a0минут.")});
}

} // namespace
} // namespace timyanka::dialogs::testing
