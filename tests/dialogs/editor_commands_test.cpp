// The commands of the "Редактирование" menu: what they do with an empty list or an empty
// base, and deleting a recipe after the confirmation.
#include "dialogs/UAddRecept.h"
#include "dialogs/URedRecept.h"
#include "dialogs/UYesNo.h"
#include "dialogs/recept_commands.h"

#include "editor_test_util.h"

#include <QLabel>

namespace timyanka::dialogs::testing {
namespace {

using timyanka::testing::MakeRecept;

class ReceptCommands : public EditorTest {
protected:
    void FourRecipes() {
        for (const char* name : {"Борщ", "Щи", "Уха", "Солянка"}) {
            store.AppendRecept(MakeRecept(name), false);
        }
        store.SetSelected(1, true);
        store.SetSelected(3, true);
    }

    // The user answers the confirmation with one of its two buttons.
    void Answer(const char* button) {
        platform.QueueModal([button](QDialog& d) {
            EditorForm::Get<QPushButton>(d, button).click();
            return d.result();
        });
    }

    TFRedRecept red{Context()};
    TFYesNo yesNo{platform};
};

TEST_F(ReceptCommands, AddShowsTheAddDialog) {
    TFAddRecept add(Context());
    Script([](EditorForm&) {});
    EXPECT_EQ(AddReceptCommand(add), CommandResult::Cancelled);
    EXPECT_EQ(platform.CallsOf(CallKind::Modal).at(0).text, Q("FAddRecept"));
}

TEST_F(ReceptCommands, EditWithAnEmptyListDoesNothing) {
    FourRecipes();
    EXPECT_EQ(EditReceptCommand(red, platform, 0, 1), CommandResult::NotShown);
    EXPECT_EQ(DeleteReceptCommand(yesNo, platform, store, 0, 1), CommandResult::NotShown);
    EXPECT_TRUE(platform.Calls().empty());
    EXPECT_EQ(store.ReceptCount(), 4);
}

TEST_F(ReceptCommands, AnEmptyBaseIsReported) {
    EXPECT_EQ(EditReceptCommand(red, platform, 1, 0), CommandResult::NotShown);
    EXPECT_EQ(DeleteReceptCommand(yesNo, platform, store, 1, 0), CommandResult::NotShown);
    EXPECT_EQ(Messages(), (QStringList{Q("В базе нет рецептов!!!"), Q("В базе нет рецептов!!!")}));
    EXPECT_TRUE(platform.CallsOf(CallKind::Modal).empty());
}

TEST_F(ReceptCommands, EditShowsTheCurrentRecipe) {
    FourRecipes();
    Script([](EditorForm& f) {
        EXPECT_EQ(f.EditName.text(), Q("Уха"));
        f.EditName.setText(Q("Уха по-фински"));
        f.BitBtnOK.click();
    });
    EXPECT_EQ(EditReceptCommand(red, platform, 4, 2), CommandResult::Done);
    EXPECT_EQ(store.Recept(2).Name, W("Уха по-фински"));

    Script([](EditorForm& f) { f.BitBtnNO.click(); });
    EXPECT_EQ(EditReceptCommand(red, platform, 4, 0), CommandResult::Cancelled);
}

TEST_F(ReceptCommands, TheConfirmationAsksInItsOwnWords) {
    EXPECT_EQ(yesNo.objectName(), Q("FYesNo"));
    EXPECT_EQ(yesNo.windowTitle(), Q("ВНИМАНИЕ!!!"));
    EXPECT_EQ(yesNo.size(), QSize(296, 89));
    EXPECT_EQ(EditorForm::Get<QLabel>(yesNo, "StaticText1").text(),
              Q("Удаляем рецепт из базы ???"));
    EXPECT_EQ(EditorForm::Get<QPushButton>(yesNo, "Button1").text(), Q("ДА"));
    EXPECT_EQ(EditorForm::Get<QPushButton>(yesNo, "Button2").text(), Q("НЕТ"));
}

TEST_F(ReceptCommands, DeleteKeepsIdsAsPositionsAndMarksWithTheirRecipes) {
    struct Case {
        int32_t id;
        std::vector<const char*> names;
        std::vector<uint8_t> marks;
    } cases[] = {
        {0, {"Щи", "Уха", "Солянка"}, {1, 0, 1}},
        {2, {"Борщ", "Щи", "Солянка"}, {0, 1, 1}},
        {3, {"Борщ", "Щи", "Уха"}, {0, 1, 0}},
    };
    for (const Case& c : cases) {
        store.ClearBase();
        FourRecipes();
        Answer("Button1");
        EXPECT_EQ(DeleteReceptCommand(yesNo, platform, store, 4, c.id), CommandResult::Done);
        ASSERT_EQ(store.ReceptCount(), 3) << c.id;
        for (int32_t i = 0; i < 3; ++i) {
            const base::TRecept& r = store.Recept(i);
            EXPECT_EQ(r.Id, i);
            EXPECT_EQ(r.Name, W(c.names[static_cast<std::size_t>(i)])) << c.id;
            EXPECT_EQ(r.Selected, c.marks[static_cast<std::size_t>(i)]) << c.id;
        }
    }
    EXPECT_EQ(platform.CallsOf(CallKind::Modal).at(0).text, Q("FYesNo"));
}

TEST_F(ReceptCommands, NoDeletesNothing) {
    FourRecipes();
    Answer("Button2");
    EXPECT_EQ(DeleteReceptCommand(yesNo, platform, store, 4, 1), CommandResult::Cancelled);
    EXPECT_EQ(store.ReceptCount(), 4);
    EXPECT_EQ(store.Recept(1).Name, W("Щи"));
}

TEST_F(ReceptCommands, TheLastRecipeCanBeDeleted) {
    store.AppendRecept(MakeRecept("Борщ"), true);
    Answer("Button1");
    EXPECT_EQ(DeleteReceptCommand(yesNo, platform, store, 1, 0), CommandResult::Done);
    EXPECT_EQ(store.ReceptCount(), 0);
}

} // namespace
} // namespace timyanka::dialogs::testing
