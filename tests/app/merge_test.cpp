#include "app_fixture.h"

#include <QAction>

namespace timyanka::testing {
namespace {

using platform::testing::CallKind;
using Names = std::vector<std::string>;

class MergeTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }

    // Chooses this file in the merge's open dialog (nothing: the user cancels).
    void MergeFrom(std::optional<QString> answer) {
        platform_.QueueOpenFile(std::move(answer));
        Trigger("MainMenu_AddBase");
    }
    void MergeFrom(const char* name) { MergeFrom(Q(name)); }

    void WriteOther(const char* name, const std::vector<base::TRecept>& recepts) {
        WriteBase(File(name), recepts);
    }

    // A list that no rebuild gives, to see whether the command refreshed it.
    void ListOddly() {
        State().Spisok = {7, 6};
        Window().ShowSpisok();
    }

    std::vector<int> Marks() {
        std::vector<int> out;
        for (const base::TRecept& r : State().Recepts.Recepts()) {
            out.push_back(r.Selected);
        }
        return out;
    }
};

TEST_F(MergeTest, CancelledDoesNothing) {
    ListOddly();
    MergeFrom(std::nullopt);
    const auto calls = platform_.CallsOf(CallKind::OpenFile);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, (QStringList{Q("tmk"), Q("База рецептов \"Тимьянка\"|*.tmk")}));
    EXPECT_TRUE(Messages().isEmpty());
    EXPECT_EQ(State().ReceptCount(), 8);
    EXPECT_EQ(State().Spisok, (std::vector<int32_t>{7, 6}));
}

TEST_F(MergeTest, AppendsTheNamesTheBaseLacksIgnoringCase) {
    ASSERT_EQ(State().Recepts.AppendRecept(MakeRecept("Tiramisu", 10), false),
              base::AppendStatus::Ok);
    base::TRecept olivier = MakeRecept("оЛИВЬЕ", 6, 2, 2, 3);
    olivier.Ingridient = {W("другое")};
    base::TRecept lasagne = MakeRecept("Lasagne", 7, 3, 9, 1);
    lasagne.Ingridient = {W("тесто"), W("фарш")};
    lasagne.Text = {};
    const base::TRecept odd = MakeRecept("Ёжики", 13, 77, 55, 42); // codes no table gives
    WriteOther("other.tmk", {olivier, lasagne, MakeRecept("Уха", 4), MakeRecept("LASAGNE", 7),
                             MakeRecept("TIRAMISU"), odd, MakeRecept("ёЖИКИ"), MakeRecept("борщ")});
    const base::TRecept oldOlivier = State().Recepts.Recept(1);
    MergeFrom("other.tmk");

    EXPECT_EQ(Messages(), QStringList{Q("В базу добавлено:  3 рецептов!")});
    ASSERT_EQ(State().ReceptCount(), 12);
    const base::TRecept expected[] = {lasagne, MakeRecept("Уха", 4), odd};
    for (int32_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const base::TRecept& r = State().Recepts.Recept(9 + i);
        EXPECT_EQ(r.Id, 9 + i);
        EXPECT_EQ(r.Name, expected[i].Name);
        EXPECT_EQ(r.Ingridient, expected[i].Ingridient);
        EXPECT_EQ(r.Text, expected[i].Text);
        EXPECT_EQ(r.National, expected[i].National);
        EXPECT_EQ(r.Class, expected[i].Class);
        EXPECT_EQ(r.PodClass, expected[i].PodClass);
        EXPECT_EQ(r.Osoboe, expected[i].Osoboe);
    }
    // The recipe already present stays as it was.
    EXPECT_EQ(State().Recepts.Recept(1).Name, oldOlivier.Name);
    EXPECT_EQ(State().Recepts.Recept(1).Ingridient, oldOlivier.Ingridient);
    EXPECT_EQ(State().Recepts.Recept(1).Class, oldOlivier.Class);
    EXPECT_EQ(State().BaseFileName, "BaseRecept.tmk");
    EXPECT_EQ(ReadBytes(File("BaseRecept.tmk")), base::SerializeBase(BenchRecepts()));
    // The list is rebuilt from the pickers and the grid takes the focus.
    EXPECT_EQ(State().SpisokCount(), 12);
    EXPECT_EQ(Cell(11, 1), Q("Ёжики"));
    EXPECT_EQ(Find<QLabel>("StatusSpisok")->text(),
              Q("В базе 12 рецептов! Отсортировано 12 рецептов!"));
    EXPECT_EQ(Window().focusWidget(), Grid());
}

TEST_F(MergeTest, TheListFollowsThePickersAfterwards) {
    Choose("CClass", "СУПЫ");
    ListOddly();
    WriteOther("other.tmk", {MakeRecept("Уха", 4, 2, 2, 1), MakeRecept("Плов", 6, 2, 2, 1)});
    MergeFrom("other.tmk");
    EXPECT_EQ(Listed(), (Names{"Борщ", "Уха"}));
    EXPECT_FALSE(Hidden("C1Ur"));
}

TEST_F(MergeTest, MarksTheAddedRecipesWhenTheFlagIsTicked) {
    for (const bool ticked : {true, false}) {
        SCOPED_TRACE(ticked);
        Start();
        ASSERT_FALSE(Find<QAction>("N16")->isChecked());
        if (ticked) {
            Trigger("N16");
        }
        State().Recepts.SetSelected(1, true);
        WriteOther("other.tmk", {MakeRecept("Уха"), MakeRecept("Щи")});
        MergeFrom("other.tmk");
        const int m = ticked ? 1 : 0;
        EXPECT_EQ(Marks(), (std::vector<int>{0, 1, 0, 0, 0, 0, 0, 0, m, m}));
        Trigger("MainMenu_Select");
        EXPECT_EQ(Listed(), ticked ? (Names{"Оливье", "Уха", "Щи"}) : Names{"Оливье"});
    }
}

TEST_F(MergeTest, AFileWithNothingNewAddsNothing) {
    WriteBytes(File("empty.tmk"), "");
    WriteBytes(File("zero.tmk"), std::string(4, '\0'));
    for (const char* name : {"BaseRecept.tmk", "empty.tmk", "zero.tmk"}) {
        SCOPED_TRACE(name);
        platform_.ClearCalls();
        ListOddly();
        MergeFrom(name);
        EXPECT_EQ(Messages(), QStringList{Q("В базу добавлено:  0 рецептов!")});
        EXPECT_EQ(State().ReceptCount(), 8);
        EXPECT_EQ(State().SpisokCount(), 8);
    }
}

TEST_F(MergeTest, FillsAnEmptyBaseWithTheFirstOfEachName) {
    Trigger("MainMenu_NewBase");
    WriteOther("other.tmk", {MakeRecept("Щи"), MakeRecept("ЩИ"), MakeRecept("Уха"),
                             MakeRecept("щи"), MakeRecept("Pie"), MakeRecept("pIE")});
    MergeFrom("other.tmk");
    EXPECT_EQ(Messages(), QStringList{Q("В базу добавлено:  3 рецептов!")});
    EXPECT_EQ(Listed(), (Names{"Щи", "Уха", "Pie"}));
    EXPECT_EQ(State().BaseFileName, "New.tmk");
}

TEST_F(MergeTest, StopsWhenTheTableIsFull) {
    window_ = std::make_unique<app::TFGlobal>(platform_, nullptr, 10);
    ASSERT_EQ(window_->FormCreate(), app::StartStatus::Ok);
    ASSERT_EQ(State().ReceptCount(), 8);
    WriteOther("other.tmk", {MakeRecept("Борщ"), MakeRecept("Уха"), MakeRecept("уха"),
                             MakeRecept("Щи"), MakeRecept("Плов"), MakeRecept("Лагман")});
    MergeFrom("other.tmk");
    EXPECT_EQ(Messages(), (QStringList{Q("В базу добавлено:  2 рецептов!"),
                                       Q("База заполнена: добавлены не все рецепты! :(")}));
    EXPECT_EQ(State().ReceptCount(), 10);
    EXPECT_EQ(State().Recepts.Recept(9).Name, W("Щи"));
    EXPECT_EQ(State().SpisokCount(), 10);
}

TEST_F(MergeTest, ABadFileIsRefusedWithItsMessage) {
    std::string truncated =
        base::SerializeBase(std::vector<base::TRecept>{MakeRecept("Уха"), MakeRecept("Щи")});
    truncated.resize(truncated.size() - 3);
    WriteBytes(File("truncated.tmk"), truncated);
    WriteBytes(File("negative.tmk"), std::string(4, '\xFF'));
    const struct {
        const char* name;
        const char* message;
    } cases[] = {
        {"truncated.tmk", "Файл поврежден или не является базой рецептов! :("},
        {"negative.tmk", "Файл поврежден или не является базой рецептов! :("},
        {"missing.tmk", "Файл не удается открыть! :("},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        platform_.ClearCalls();
        ListOddly();
        MergeFrom(c.name);
        EXPECT_EQ(Messages(), QStringList{Q(c.message)});
        EXPECT_EQ(State().ReceptCount(), 8);
        EXPECT_EQ(State().Spisok, (std::vector<int32_t>{7, 6}));
    }
}

} // namespace
} // namespace timyanka::testing
