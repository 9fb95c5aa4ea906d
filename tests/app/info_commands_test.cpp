// The dialogs of the main window: created once with the window, shown by the calculator and
// information commands over the window, the help page handed to the desktop, and the
// credits in the status bar.
#include "app_fixture.h"
#include "dialogs/credits.h"

#include <QDialog>
#include <QLineEdit>

#include <filesystem>

namespace timyanka::testing {
namespace {

using platform::testing::CallKind;

class InfoCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(Start(), app::StartStatus::Ok);
    }
    void TearDown() override {
        EXPECT_TRUE(platform_.ScriptUsedUp());
        EXPECT_EQ(platform_.Unscripted(), 0);
    }
    static QString Credit(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
};

TEST_F(InfoCommandsTest, TheDialogsAreCreatedOnceInTheirOrder) {
    QStringList names;
    for (const QDialog* d :
         Window().findChildren<QDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
        names << d->objectName();
    }
    EXPECT_EQ(names, (QStringList{Q("FAddRecept"), Q("FRedRecept"), Q("FOProgramme"), Q("FBelok"),
                                  Q("FKalori"), Q("FYesNo"), Q("FAvtor")}));
}

TEST_F(InfoCommandsTest, EachCommandShowsItsDialogOverTheWindow) {
    const struct {
        const char* action;
        QKeySequence key;
        const char* dialog;
    } cases[] = {
        {"N28", QKeySequence(Qt::Key_F9), "FBelok"},
        {"N27", QKeySequence(Qt::Key_F10), "FKalori"},
        {"MainMenu_Info", {}, "FOProgramme"},
        {"N35", {}, "FAvtor"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.action);
        EXPECT_EQ(Find<QAction>(c.action)->shortcut(), c.key);
        const QWidget* parent = nullptr;
        platform_.QueueModal([&parent](QDialog& d) {
            parent = d.parentWidget();
            return static_cast<int>(QDialog::Rejected);
        });
        platform_.ClearCalls();
        Trigger(c.action);
        const auto modals = platform_.CallsOf(CallKind::Modal);
        ASSERT_EQ(modals.size(), 1u);
        EXPECT_EQ(modals[0].text, Q(c.dialog));
        EXPECT_EQ(parent, &Window());
        EXPECT_EQ(platform_.Calls().size(), 1u);
    }
}

TEST_F(InfoCommandsTest, ACalculatorKeepsItsWeightAndResultBetweenShowings) {
    platform_.QueueModal([](QDialog& d) {
        d.findChild<QLineEdit*>(Q("Edit1"))->setText(Q("75"));
        d.findChild<QPushButton*>(Q("Button1"))->click();
        return static_cast<int>(QDialog::Rejected);
    });
    QString weight;
    QString result;
    platform_.QueueModal([&](QDialog& d) {
        weight = d.findChild<QLineEdit*>(Q("Edit1"))->text();
        result = d.findChild<QLabel*>(Q("Label1"))->text();
        return static_cast<int>(QDialog::Rejected);
    });
    Trigger("N28");
    Trigger("N28");
    EXPECT_EQ(weight, Q("75"));
    EXPECT_EQ(result, Q("75"));
}

TEST_F(InfoCommandsTest, HelpOpensTheStartPageBelowTheCurrentFolder) {
    EXPECT_EQ(Find<QAction>("MainMenu_Help")->shortcut(), QKeySequence(Qt::Key_F1));
    Trigger("MainMenu_Help");
    const auto& calls = platform_.Calls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].kind, CallKind::Shell);
    EXPECT_EQ(calls[0].args, QStringList{Q("open")});
    EXPECT_EQ(calls[0].text, QString::fromStdString(
                                 (std::filesystem::current_path() / "Help/index.html").string()));
}

TEST_F(InfoCommandsTest, TheCreditPanelsShowTheCredits) {
    EXPECT_EQ(LabelText("StatusCredit"), Credit(dialogs::credits::kStatusAuthorCredit));
    EXPECT_TRUE(LabelText("StatusCredit").contains(Credit(dialogs::credits::kTeam)));
    // The same address as in the about window.
    const auto* about = Window().findChild<QDialog*>(Q("FOProgramme"));
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(LabelText("StatusWeb"), about->findChild<QLabel*>(Q("Label6"))->text());
    EXPECT_EQ(LabelText("StatusWeb"), Credit(dialogs::credits::kWebAddress));
}

} // namespace
} // namespace timyanka::testing
