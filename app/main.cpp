// Тимьянка 2: the program reads its flags folder and its base from the current folder.
#include "app/UTimyanka.h"
#include "platform/qt_platform.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application's name is its title on the task bar; the window keeps its own caption.
    QApplication::setApplicationName(QStringLiteral("Тимьянка 2"));
    // The desktop matches the window with its entry and icon by this name; an icon theme
    // without the installed icon leaves the copy built into the program.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Timyanka"));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QStringLiteral("org.example.Timyanka"),
                         QIcon(QStringLiteral(":/icons/org.example.Timyanka.png"))));

    timyanka::platform::QtPlatform platform;
    timyanka::app::TFGlobal window(platform);
    if (window.FormCreate() == timyanka::app::StartStatus::FlagsMissing) {
        return 1;
    }
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
    return QApplication::exec();
}
