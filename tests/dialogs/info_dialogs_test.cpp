// The help page and the about and author windows: what each link hands to the desktop's
// "open" verb, and the windows' fixed looks.
#include "dialogs/UAvtor.h"
#include "dialogs/UOProgramme.h"
#include "dialogs/credits.h"
#include "platform/testing/recording_platform.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace timyanka::dialogs {
namespace {

using platform::testing::CallKind;
using platform::testing::RecordingPlatform;

// The targets handed to the "open" verb, in order; any other verb fails the test.
QStringList OpenedTargets(const RecordingPlatform& platform) {
    QStringList targets;
    for (const auto& call : platform.CallsOf(CallKind::Shell)) {
        EXPECT_EQ(call.args, QStringList{QStringLiteral("open")});
        targets << call.text;
    }
    return targets;
}

// Makes `folder` the current folder for the test's length.
class CurrentFolder {
public:
    explicit CurrentFolder(const QString& folder) : previous_(QDir::currentPath()) {
        EXPECT_TRUE(QDir::setCurrent(folder));
    }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;
    ~CurrentFolder() { QDir::setCurrent(previous_); }

private:
    QString previous_;
};

TEST(HelpPage, IsLookedForBelowTheCurrentFolder) {
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString folder = QDir(work.path()).canonicalPath();
    ASSERT_NE(folder, QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    CurrentFolder current(folder);
    RecordingPlatform platform;
    OpenHelpPage(platform); // there is no Help folder: nothing is reported
    EXPECT_EQ(OpenedTargets(platform), QStringList{folder + QStringLiteral("/Help/index.html")});
    EXPECT_TRUE(platform.Messages().isEmpty());
}

class InfoWindows : public ::testing::Test {
protected:
    QLabel& Label(QDialog& dialog, const char* name) {
        auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        EXPECT_NE(label, nullptr) << name;
        return *label;
    }

    RecordingPlatform platform_;
    QWidget mainWindow_;
    TFOProgramme about_{platform_, &mainWindow_};
    TFAvtor author_{platform_, &mainWindow_};
};

TEST_F(InfoWindows, TheWebAddressOpensWithTheCaptionOfTheMoment) {
    about_.show();
    QLabel& web = Label(about_, "Label6");
    EXPECT_EQ(web.text(), QStringLiteral("www.example.org"));
    QTest::mouseClick(&web, Qt::LeftButton);
    web.setText(QStringLiteral("recepty.example.org"));
    QTest::mouseClick(&web, Qt::LeftButton);
    EXPECT_EQ(OpenedTargets(platform_),
              (QStringList{QStringLiteral("http://www.example.org"),
                           QStringLiteral("http://recepty.example.org")}));
}

TEST_F(InfoWindows, BothMailLinksOpenTheSameLetter) {
    about_.show();
    author_.show();
    QLabel& letter = Label(about_, "Label7");
    EXPECT_EQ(letter.text(), QStringLiteral("Написать письмо >>>"));
    QTest::mouseClick(&letter, Qt::LeftButton);
    QLabel& address = Label(author_, "Label11");
    EXPECT_EQ(address.text(), QStringLiteral("timyanka@example.org"));
    QTest::mouseClick(&address, Qt::LeftButton);
    const QString mail = QStringLiteral("mailto:timyanka@example.org");
    EXPECT_EQ(OpenedTargets(platform_), (QStringList{mail, mail}));
}

TEST_F(InfoWindows, OnlyALeftClickOpensALink) {
    about_.show();
    author_.show();
    for (QLabel* link :
         {&Label(about_, "Label6"), &Label(about_, "Label7"), &Label(author_, "Label11")}) {
        QTest::mouseClick(link, Qt::RightButton);
        QTest::mouseClick(link, Qt::MiddleButton);
    }
    QTest::mouseClick(&Label(about_, "Label2"), Qt::LeftButton);
    EXPECT_TRUE(OpenedTargets(platform_).isEmpty());
}

TEST_F(InfoWindows, AboutWindowLooks) {
    about_.show();
    EXPECT_EQ(about_.windowTitle(), QStringLiteral("О Программе"));
    EXPECT_EQ(about_.size(), QSize(311, 195));
    const QLabel& title = Label(about_, "Label1");
    EXPECT_EQ(title.text(), QStringLiteral("ТИМЬЯНКА 2"));
    EXPECT_EQ(title.font().pixelSize(), 24);
    EXPECT_TRUE(title.font().bold() && title.font().italic());
    EXPECT_EQ(title.palette().color(QPalette::WindowText), QColor(Qt::blue));
    EXPECT_EQ(Label(about_, "Label8").text(), QStringLiteral("версия 1.0"));
    // The version stands to the right of the title.
    EXPECT_GT(Label(about_, "Label8").x(), title.x() + title.width() - 1);
    for (const char* link : {"Label6", "Label7"}) {
        const QLabel& label = Label(about_, link);
        EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor) << link;
        EXPECT_EQ(label.font().pixelSize(), 13) << link;
        EXPECT_TRUE(label.alignment() & Qt::AlignHCenter) << link;
    }
}

TEST_F(InfoWindows, AuthorWindowLooks) {
    author_.show();
    EXPECT_EQ(author_.windowTitle(), QStringLiteral("Автор..."));
    const QLabel& picture = Label(author_, "Image1");
    EXPECT_EQ(picture.size(), QSize(150, 163));
    EXPECT_EQ(picture.pixmap().size(), QSize(150, 163));
    EXPECT_EQ(Label(author_, "StaticText1").text() + QLatin1Char(' ') +
                  Label(author_, "StaticText2").text(),
              CreditText(credits::kTeam));
    EXPECT_EQ(Label(author_, "Label11").cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(InfoWindows, EachCommandShowsItsOwnWindowModally) {
    platform_.QueueModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    platform_.QueueModal([](QDialog&) { return static_cast<int>(QDialog::Rejected); });
    about_.Execute();
    author_.Execute();
    QStringList shown;
    for (const auto& call : platform_.CallsOf(CallKind::Modal)) {
        shown << call.text;
    }
    EXPECT_EQ(shown, (QStringList{QStringLiteral("FOProgramme"), QStringLiteral("FAvtor")}));
}

} // namespace
} // namespace timyanka::dialogs

// The windows need an application object; no test needs a real screen.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
