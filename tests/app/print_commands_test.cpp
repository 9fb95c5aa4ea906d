// The "Печать" commands of the main window: the sheet written to Print.htm in the current
// folder, the print verb called on it, and the list shown afterwards.
#include "app_fixture.h"
#include "print/sheet.h"

#include <algorithm>
#include <filesystem>
#include <functional>

namespace timyanka::testing {
namespace {

using platform::testing::CallKind;
using platform::testing::RecordingPlatform;
using Names = std::vector<std::string>;

// Hands every call on to the recording platform and notes, when the print verb is called,
// what a print program would find then: the sheet file and the window's current recipe.
class PrintMoment final : public platform::Platform {
public:
    explicit PrintMoment(RecordingPlatform& to) : to_(to) {}

    std::function<void()> onPrint;

    void ShowMessage(QWidget* parent, const QString& text) override {
        to_.ShowMessage(parent, text);
    }
    std::optional<QString> GetOpenFileName(QWidget* parent,
                                           const platform::FileDialogOptions& o) override {
        return to_.GetOpenFileName(parent, o);
    }
    std::optional<QString> GetSaveFileName(QWidget* parent,
                                           const platform::FileDialogOptions& o) override {
        return to_.GetSaveFileName(parent, o);
    }
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override {
        return to_.ChooseFont(parent, initial);
    }
    int ShowModal(QDialog& dialog) override { return to_.ShowModal(dialog); }
    bool ShellExecute(const QString& verb, const QString& target) override {
        if (verb == QStringLiteral("print") && onPrint) {
            onPrint();
        }
        return to_.ShellExecute(verb, target);
    }
    void Beep() override { to_.Beep(); }
    const platform::Collator& NameCollator() const override { return to_.NameCollator(); }

private:
    RecordingPlatform& to_;
};

class PrintCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window_ = std::make_unique<app::TFGlobal>(moment_);
        ASSERT_EQ(window_->FormCreate(), app::StartStatus::Ok);
        moment_.onPrint = [this] {
            sheetWhenPrinted_ = ReadBytes(File("Print.htm"));
            currentWhenPrinted_ = State().CurrentRecept;
        };
    }
    // The window goes before the platform it was built on.
    void TearDown() override { window_.reset(); }

    std::string Sheet(std::vector<int32_t> ids) {
        return print::WriteSheet(State().Classes, State().Recepts, ids);
    }
    std::vector<platform::testing::PlatformCall> Prints() const {
        return platform_.CallsOf(CallKind::Shell);
    }
    bool SheetExists() const { return std::filesystem::exists(File("Print.htm")); }
    static std::size_t Blocks(const std::string& sheet) {
        std::size_t n = 0;
        for (auto at = sheet.find("<hr>"); at != std::string::npos;
             at = sheet.find("<hr>", at + 1)) {
            ++n;
        }
        return n;
    }
    int RowOf(int32_t id) {
        const auto& s = State().Spisok;
        return static_cast<int>(std::find(s.begin(), s.end(), id) - s.begin());
    }

    PrintMoment moment_{platform_};
    std::string sheetWhenPrinted_;
    int32_t currentWhenPrinted_ = -1;
};

TEST_F(PrintCommandsTest, PrintCurrentPrintsTheRecipeOfTheCurrentRow) {
    MoveTo(2);
    Trigger("N21");
    const std::string sheet = Sheet({2});
    EXPECT_EQ(ReadBytes(File("Print.htm")), sheet);
    EXPECT_EQ(Blocks(sheet), 1u);
    EXPECT_NE(sheet.find(W("Винегрет")), std::string::npos);
    const auto prints = Prints();
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].args, QStringList{Q("print")});
    // The print program gets the full path of the sheet in the current folder.
    EXPECT_EQ(prints[0].text,
              QString::fromStdString((std::filesystem::current_path() / "Print.htm").string()));
    EXPECT_EQ(sheetWhenPrinted_, sheet);
    EXPECT_EQ(State().CurrentRecept, 2);
    EXPECT_EQ(State().SpisokCount(), 8);
    EXPECT_TRUE(Messages().isEmpty());

    // A second print rewrites the sheet: one block again.
    MoveTo(0);
    Trigger("N21");
    EXPECT_EQ(ReadBytes(File("Print.htm")), Sheet({0}));
    EXPECT_EQ(Prints().size(), 2u);
}

TEST_F(PrintCommandsTest, PrintMarkedPrintsThemInTableOrderAndListsThem) {
    for (int32_t id : {6, 1, 4}) {
        State().Recepts.SetSelected(id, true);
    }
    Trigger("MainMenu_Sort"); // the grid's order is not the table's
    MoveTo(RowOf(3));
    Trigger("N23");
    const std::string sheet = Sheet({1, 4, 6});
    EXPECT_EQ(ReadBytes(File("Print.htm")), sheet);
    EXPECT_EQ(Blocks(sheet), 3u);
    ASSERT_EQ(Prints().size(), 1u);
    EXPECT_EQ(sheetWhenPrinted_, sheet);
    // While the sheet is printed, the current recipe is the one of the row the user was on.
    EXPECT_EQ(currentWhenPrinted_, 3);
    // Afterwards the grid shows the marked recipes and the pane the first of them.
    EXPECT_EQ(State().Spisok, (std::vector<int32_t>{1, 4, 6}));
    EXPECT_EQ(Listed(), (Names{"Оливье", "Пицца", "Салат прочий"}));
    EXPECT_EQ(Rows(), 3);
    EXPECT_EQ(State().CurrentRecept, 1);
    EXPECT_EQ(Grid()->currentIndex().row(), 0);
    EXPECT_EQ(LabelText("StatusSpisok"), Q("В базе 8 рецептов! Отсортировано 3 рецептов!"));
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PrintCommandsTest, PrintMarkedFromAnEmptyListPrintsThem) {
    Choose("CClass", "БУТЕРБРОДЫ");
    ASSERT_EQ(State().SpisokCount(), 0);
    State().Recepts.SetSelected(5, true);
    const int32_t current = State().CurrentRecept;
    Trigger("N23");
    EXPECT_EQ(ReadBytes(File("Print.htm")), Sheet({5}));
    EXPECT_EQ(currentWhenPrinted_, current);
    EXPECT_EQ(Listed(), Names{"Квас"});
    EXPECT_TRUE(Messages().isEmpty());
}

TEST_F(PrintCommandsTest, PrintMarkedWithNothingMarkedShowsTheEmptyList) {
    Trigger("N23");
    EXPECT_FALSE(SheetExists());
    EXPECT_TRUE(platform_.Calls().empty());
    EXPECT_EQ(State().SpisokCount(), 0);
    EXPECT_EQ(Rows(), 1);
    EXPECT_EQ(Cell(0, 1), QString());
    EXPECT_EQ(MemoText("MemoRecept"), QString());
    EXPECT_EQ(LabelText("StatusSpisok"), Q("В базе 8 рецептов! Отсортировано 0 рецептов!"));
}

TEST_F(PrintCommandsTest, ASheetThatCannotBeCreatedIsReportedAndNotPrinted) {
    std::filesystem::create_directory(File("Print.htm"));
    State().Recepts.SetSelected(2, true);
    for (const char* command : {"N21", "N23"}) {
        SCOPED_TRACE(command);
        platform_.ClearCalls();
        Trigger(command);
        EXPECT_EQ(Messages(), QStringList{Q("Файл не удается создать... :(")});
        EXPECT_TRUE(Prints().empty());
        EXPECT_TRUE(std::filesystem::is_directory(File("Print.htm")));
    }
    // The grid still shows what the list holds: the marked recipes.
    EXPECT_EQ(Listed(), Names{"Винегрет"});
    EXPECT_EQ(Cell(0, 1), Q("Винегрет"));
}

TEST_F(PrintCommandsTest, PrintCurrentNeedsAListedRecipeOfTheBase) {
    State().Recepts.ClearBase(); // a list left over from a base that is now empty
    Trigger("N21");
    EXPECT_EQ(Messages(), QStringList{Q("В базе нет рецептов!!!")});
    EXPECT_TRUE(Prints().empty());
    EXPECT_FALSE(SheetExists());

    Trigger("MainMenu_Select"); // nothing marked: an empty list
    platform_.ClearCalls();
    Trigger("N21");
    EXPECT_TRUE(platform_.Calls().empty());
    EXPECT_FALSE(SheetExists());
}

} // namespace
} // namespace timyanka::testing
