#include "platform/qt_collator.h"
#include "platform/qt_platform.h"
#include "platform/testing/recording_platform.h"

#include <QDialog>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

namespace timyanka::platform {
namespace {

using testing::CallKind;
using testing::RecordingPlatform;

QString Q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

TEST(ToQtFilter, TurnsDescriptionAndPatternPairsIntoQtFilters) {
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"База рецептов \"Тимьянка\"|*.tmk", "База рецептов \"Тимьянка\" (*.tmk)"},
        {"Базы|*.tmk;*.bak", "Базы (*.tmk *.bak)"},
        {"Базы|*.tmk|Все файлы|*", "Базы (*.tmk);;Все файлы (*)"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToQtFilter(Q(c.in)), Q(c.out)) << c.in;
    }
}

std::vector<QString> Sorted(const Collator& c, std::vector<QString> texts) {
    std::vector<QString> out;
    for (std::size_t i : c.SortOrder(texts)) {
        out.push_back(texts[i]);
    }
    return out;
}

TEST(QtCollator, FollowsTheRussianAlphabetWithLeadingBlanksFirst) {
    QtCollator c;
    const std::vector<QString> expected = {Q(" Все"), Q(" Другие"), Q("Азбука"),
                                           Q("Борщ"), Q("Ель"),     Q("Ёрш"),
                                           Q("Жук"),  Q("Юла"),     Q("Яблоко")};
    std::vector<QString> shuffled = {expected[8], expected[4], expected[2],
                                     expected[6], expected[0], expected[5],
                                     expected[3], expected[7], expected[1]};
    EXPECT_EQ(Sorted(c, shuffled), expected);
}

TEST(QtCollator, IgnoresLetterCaseAndKeepsEqualNamesInTheirOrder) {
    QtCollator c;
    EXPECT_EQ(c.Compare(Q("Борщ"), Q("борщ")), 0);
    EXPECT_EQ(c.Compare(Q("ЁЖ"), Q("ёж")), 0);
    EXPECT_LT(c.Compare(Q("борщ"), Q("Вареники")), 0);
    EXPECT_GT(c.Compare(Q("Щи"), Q("щавель")), 0);
    const std::vector<QString> texts = {Q("борщ"), Q("Азу"), Q("Борщ"), Q("БОРЩ")};
    EXPECT_EQ(c.SortOrder(texts), (std::vector<std::size_t>{1, 0, 2, 3}));
}

TEST(QtCollator, AgreesWithItsComparison) {
    QtCollator c;
    const std::vector<QString> texts = {Q("Щи"),   Q(" Все"), Q("ёлка"),    Q("Ель"), Q("apple"),
                                        Q("Кекс"), Q("кекс"), Q("1 блюдо"), Q("")};
    const std::vector<QString> sorted = Sorted(c, texts);
    for (std::size_t i = 1; i < sorted.size(); ++i) {
        EXPECT_LE(c.Compare(sorted[i - 1], sorted[i]), 0) << i;
    }
}

TEST(IsLink, TellsLinksFromPaths) {
    EXPECT_TRUE(IsLink(Q("http://www.example.org")));
    EXPECT_TRUE(IsLink(Q("mailto:cook@example.org")));
    EXPECT_FALSE(IsLink(Q("Help/index.html")));
    EXPECT_FALSE(IsLink(Q("/tmp/Print.htm")));
    EXPECT_FALSE(IsLink(Q("Print.htm")));
}

TEST(QtPlatform, ThePrintVerbIsNotHandedToTheDesktop) {
    QtPlatform p;
    EXPECT_FALSE(p.ShellExecute(Q("print"), Q("Print.htm")));
}

TEST(CentreOverParent, PutsTheDialogInTheMiddleOfItsParentWindow) {
    QWidget parent;
    parent.setGeometry(100, 80, 800, 600);
    parent.show();
    QDialog dialog(&parent);
    dialog.setFixedSize(200, 100);
    CentreOverParent(dialog);
    const QPoint centre = dialog.frameGeometry().center();
    EXPECT_NEAR(centre.x(), parent.frameGeometry().center().x(), 1);
    EXPECT_NEAR(centre.y(), parent.frameGeometry().center().y(), 1);
}

TEST(RecordingPlatform, AnswersFileDialogsFromItsScriptAndCancelsTheRest) {
    RecordingPlatform p;
    p.QueueOpenFile(Q("a.tmk"));
    p.QueueOpenFile(std::nullopt);
    p.QueueSaveFile(Q("b.tmk"));
    const FileDialogOptions options{Q("tmk"), Q("База|*.tmk")};
    EXPECT_EQ(p.GetOpenFileName(nullptr, options), Q("a.tmk"));
    EXPECT_EQ(p.GetOpenFileName(nullptr, options), std::nullopt);
    EXPECT_EQ(p.GetSaveFileName(nullptr, options), Q("b.tmk"));
    EXPECT_EQ(p.Unscripted(), 0);
    EXPECT_EQ(p.GetSaveFileName(nullptr, options), std::nullopt);
    EXPECT_EQ(p.Unscripted(), 1);
    ASSERT_EQ(p.Calls().size(), 4u);
    EXPECT_EQ(p.Calls()[0].kind, CallKind::OpenFile);
    EXPECT_EQ(p.Calls()[0].args, (QStringList{Q("tmk"), Q("База|*.tmk")}));
    EXPECT_EQ(p.Calls()[3].kind, CallKind::SaveFile);
    EXPECT_TRUE(p.ScriptUsedUp());
}

TEST(RecordingPlatform, RecordsMessagesFontsShellVerbsAndBeeps) {
    RecordingPlatform p;
    p.ShowMessage(nullptr, Q("Раз"));
    p.QueueFont(QFont(Q("DejaVu Serif"), 14));
    const QFont initial(Q("MS Sans Serif"));
    EXPECT_EQ(p.ChooseFont(nullptr, initial)->family(), Q("DejaVu Serif"));
    EXPECT_EQ(p.ChooseFont(nullptr, initial), std::nullopt);
    EXPECT_TRUE(p.ShellExecute(Q("open"), Q("Help/index.html")));
    p.Beep();
    p.ShowMessage(nullptr, Q("Два"));
    EXPECT_EQ(p.Messages(), (QStringList{Q("Раз"), Q("Два")}));
    ASSERT_EQ(p.InitialFonts().size(), 2u);
    EXPECT_EQ(p.InitialFonts()[0].family(), Q("MS Sans Serif"));
    const auto shell = p.CallsOf(CallKind::Shell);
    ASSERT_EQ(shell.size(), 1u);
    EXPECT_EQ(shell[0].text, Q("Help/index.html"));
    EXPECT_EQ(shell[0].args, QStringList{Q("open")});
    EXPECT_EQ(p.CallsOf(CallKind::Beep).size(), 1u);
}

TEST(RecordingPlatform, ActsInsideAModalDialogAndGivesItsResult) {
    RecordingPlatform p;
    QDialog dialog;
    dialog.setObjectName(Q("FYesNo"));
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(Q("Edit1"));
    p.QueueModal([](QDialog& d) {
        d.findChild<QLineEdit*>(Q("Edit1"))->setText(Q("75"));
        return static_cast<int>(QDialog::Accepted);
    });
    EXPECT_EQ(p.ShowModal(dialog), QDialog::Accepted);
    EXPECT_EQ(edit->text(), Q("75"));
    EXPECT_EQ(p.ShowModal(dialog), QDialog::Rejected);
    EXPECT_EQ(p.Unscripted(), 1);
    const auto modals = p.CallsOf(CallKind::Modal);
    ASSERT_EQ(modals.size(), 2u);
    EXPECT_EQ(modals[0].text, Q("FYesNo"));
}

} // namespace
} // namespace timyanka::platform
