#include "platform/qt_platform.h"

#include "platform/qt_print.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QUrl>

namespace timyanka::platform {
namespace {

std::optional<QString> RunFileDialog(QWidget* parent, const FileDialogOptions& options,
                                     QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(options.defaultExtension);
    dialog.setNameFilter(ToQtFilter(options.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtPlatform::ShowMessage(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

std::optional<QString> QtPlatform::GetOpenFileName(QWidget* parent,
                                                   const FileDialogOptions& options) {
    return RunFileDialog(parent, options, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::GetSaveFileName(QWidget* parent,
                                                   const FileDialogOptions& options) {
    return RunFileDialog(parent, options, QFileDialog::AcceptSave);
}

std::optional<QFont> QtPlatform::ChooseFont(QWidget* parent, const QFont& initial) {
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) {
        return std::nullopt;
    }
    return font;
}

void CentreOverParent(QDialog& dialog) {
    dialog.adjustSize();
    QRect frame(QPoint(0, 0), dialog.size());
    if (QWidget* parent = dialog.parentWidget()) {
        frame.moveCenter(parent->window()->frameGeometry().center());
    } else if (const QScreen* screen = dialog.screen()) {
        frame.moveCenter(screen->availableGeometry().center());
    }
    dialog.move(frame.topLeft());
}

int QtPlatform::ShowModal(QDialog& dialog) {
    CentreOverParent(dialog);
    return dialog.exec();
}

bool IsLink(const QString& target) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(target).hasMatch();
}

bool QtPlatform::ShellExecute(const QString& verb, const QString& target) {
    if (verb == QStringLiteral("print")) {
        // The desktop has no print verb for HTML files; the sheet is laid out here and
        // previewed, and the preview's print button leads to the system's printers.
        return PreviewSheet(QApplication::activeWindow(), target);
    }
    if (verb != QStringLiteral("open")) {
        return false;
    }
    const QUrl url = IsLink(target) ? QUrl(target, QUrl::StrictMode)
                                    : QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
    return url.isValid() && QDesktopServices::openUrl(url);
}

void QtPlatform::Beep() {
    QApplication::beep();
}

} // namespace timyanka::platform
