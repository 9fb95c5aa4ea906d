#include "app_fixture.h"

#include <filesystem>

namespace timyanka::testing {
namespace {

using platform::testing::CallKind;
using Names = std::vector<std::string>;

class BaseCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
    QStringList FileDialogArgs() { return {Q("tmk"), Q("База рецептов \"Тимьянка\"|*.tmk")}; }
    bool Exists(const char* name) { return std::filesystem::exists(File(name)); }
    std::string Serialized(const std::vector<base::TRecept>& r) { return base::SerializeBase(r); }
};

TEST_F(BaseCommandsTest, NewBaseEmptiesTheListAndKeepsThePickers) {
    Choose("CClass", "САЛАТЫ");
    Window().State().Recepts.SetSelected(1, true);
    Trigger("MainMenu_NewBase");
    EXPECT_EQ(State().BaseFileName, "New.tmk");
    EXPECT_EQ(State().ReceptCount(), 0);
    EXPECT_EQ(State().SpisokCount(), 0);
    EXPECT_EQ(State().CurrentRecept, 0);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, 1), QString());
    EXPECT_EQ(Find<QLabel>("StatusSpisok")->text(),
              Q("В базе 0 рецептов! Отсортировано 0 рецептов!"));
    EXPECT_EQ(Picker("CClass")->currentText(), Q("САЛАТЫ"));
    EXPECT_EQ(State().Filters.Class, 3);
    // Nothing to save: no file, no message.
    Trigger("MainMenu_Save");
    EXPECT_FALSE(Exists("New.tmk"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(BaseCommandsTest, OpenCancelledStillRebuildsTheList) {
    State().Spisok = {7, 6};
    Window().ShowSpisok();
    platform_.QueueOpenFile(std::nullopt);
    Trigger("MainMenu_Open");
    const auto calls = platform_.CallsOf(CallKind::OpenFile);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].args, FileDialogArgs());
    EXPECT_EQ(State().BaseFileName, "BaseRecept.tmk");
    EXPECT_EQ(State().ReceptCount(), 8);
    EXPECT_EQ(State().SpisokCount(), 8);
    EXPECT_EQ(Cell(0, 1), Q("Борщ"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(BaseCommandsTest, OpenReplacesTheBaseAndClearsTheMarks) {
    std::vector<base::TRecept> other = {MakeRecept("Уха", 4, 1, 2, 1),
                                        MakeRecept("Щи", 4, 1, 2, 1)};
    WriteBase(File("other.tmk"), other);
    State().Recepts.SetSelected(0, true);
    Choose("CClass", "СУПЫ");
    platform_.QueueOpenFile(Q("other.tmk"));
    Trigger("MainMenu_Open");
    EXPECT_EQ(State().BaseFileName, "other.tmk");
    EXPECT_EQ(Listed(), (Names{"Уха", "Щи"}));
    EXPECT_EQ(State().Recepts.Recept(0).Selected, 0);
    EXPECT_FALSE(Hidden("C1Ur"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(BaseCommandsTest, OpenOfAnUnreadableFileKeepsTheRecipesAndSaveWritesThemThere) {
    platform_.QueueOpenFile(Q("fresh.tmk"));
    Trigger("MainMenu_Open");
    EXPECT_EQ(Messages(), QStringList{Q("Файл не удается открыть! :(")});
    EXPECT_EQ(State().BaseFileName, "fresh.tmk");
    EXPECT_EQ(State().SpisokCount(), 8);
    Trigger("MainMenu_Save");
    EXPECT_EQ(Messages().last(), Q("База рецептов сохранена:  fresh.tmk"));
    EXPECT_EQ(ReadBytes(File("fresh.tmk")), Serialized(BenchRecepts()));
}

TEST_F(BaseCommandsTest, SaveWritesTheBaseBackByteForByte) {
    const std::string before = ReadBytes(File("BaseRecept.tmk"));
    Trigger("MainMenu_Save");
    EXPECT_EQ(Messages(), QStringList{Q("База рецептов сохранена:  BaseRecept.tmk")});
    EXPECT_EQ(ReadBytes(File("BaseRecept.tmk")), before);
}

TEST_F(BaseCommandsTest, SaveThatCannotCreateTheFileSaysSo) {
    platform_.QueueOpenFile(Q("no-such-folder/base.tmk"));
    Trigger("MainMenu_Open");
    Trigger("MainMenu_Save");
    EXPECT_EQ(Messages(),
              (QStringList{Q("Файл не удается открыть! :("), Q("Файл не удается создать... :(")}));
    EXPECT_EQ(State().ReceptCount(), 8);
}

TEST_F(BaseCommandsTest, SaveAsNamesTheBaseAfterwards) {
    platform_.QueueSaveFile(std::nullopt);
    Trigger("MainMenu_SaveAs");
    EXPECT_EQ(State().BaseFileName, "BaseRecept.tmk");
    EXPECT_TRUE(Messages().isEmpty());

    platform_.QueueSaveFile(Q("copy.tmk"));
    Trigger("MainMenu_SaveAs");
    const auto calls = platform_.CallsOf(CallKind::SaveFile);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].args, FileDialogArgs());
    EXPECT_EQ(State().BaseFileName, "copy.tmk");
    EXPECT_EQ(Messages(), QStringList{Q("База рецептов сохранена:  copy.tmk")});
    EXPECT_EQ(ReadBytes(File("copy.tmk")), Serialized(BenchRecepts()));

    State().Recepts.ChangeRecept(0, MakeRecept("Борщ зелёный", 4, 2, 2, 1));
    Trigger("MainMenu_Save");
    EXPECT_EQ(Messages().last(), Q("База рецептов сохранена:  copy.tmk"));
    EXPECT_EQ(ReadBytes(File("copy.tmk")),
              Serialized({State().Recepts.Recepts().begin(), State().Recepts.Recepts().end()}));
    EXPECT_EQ(ReadBytes(File("BaseRecept.tmk")), Serialized(BenchRecepts()));
}

TEST_F(BaseCommandsTest, SaveMarkedWithoutMarksOnlySaysSo) {
    Trigger("MainMenu_SaveSelect");
    EXPECT_EQ(Messages(), QStringList{Q("Нет выбранных рецептов!")});
    EXPECT_TRUE(platform_.CallsOf(CallKind::SaveFile).empty());
}

TEST_F(BaseCommandsTest, SaveMarkedWritesTheMarkedRecipesInTableOrder) {
    State().Recepts.SetSelected(5, true);
    State().Recepts.SetSelected(1, true);
    platform_.QueueSaveFile(std::nullopt);
    Trigger("MainMenu_SaveSelect");
    EXPECT_TRUE(Messages().isEmpty());

    platform_.QueueSaveFile(Q("marked.tmk"));
    Trigger("MainMenu_SaveSelect");
    EXPECT_EQ(Messages(), QStringList{Q("База рецептов сохранена:  marked.tmk")});
    const std::vector<base::TRecept> all = BenchRecepts();
    EXPECT_EQ(ReadBytes(File("marked.tmk")), Serialized({all[1], all[5]}));
    EXPECT_EQ(State().BaseFileName, "BaseRecept.tmk");
    EXPECT_EQ(State().ReceptCount(), 8);
    EXPECT_EQ(State().Recepts.Recept(1).Selected, 1);
}

TEST_F(BaseCommandsTest, ExitEndsWithoutAQuestion) {
    State().Recepts.ChangeRecept(0, MakeRecept("Изменённый", 4, 2, 2, 1));
    Window().show();
    ASSERT_TRUE(Window().isVisible());
    Trigger("MainMenu_Exit");
    EXPECT_FALSE(Window().isVisible());
    EXPECT_TRUE(platform_.Calls().empty());
    EXPECT_EQ(ReadBytes(File("BaseRecept.tmk")), Serialized(BenchRecepts()));
}

} // namespace
} // namespace timyanka::testing
