// The program's only door to the system: message boxes, file and font dialogs, modal
// showing of dialogs, the desktop's "open" and "print" verbs, the beep and the collation
// of names. The program uses QtPlatform; tests use RecordingPlatform, which answers from a
// script and records every call, so that no test ever waits for a real dialog.
#pragma once

#include <QFont>
#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

class QDialog;
class QWidget;

namespace timyanka::platform {

// A file dialog of base files: default extension and one filter, in the form the program's
// commands give them ("База рецептов \"Тимьянка\"|*.tmk").
struct FileDialogOptions {
    QString defaultExtension = QStringLiteral("tmk");
    QString filter; // "description|pattern"
};

// Sorts names by the user's language, letter case ignored.
class Collator {
public:
    virtual ~Collator() = default;
    // <0, 0, >0 as a is before, equal to or after b.
    virtual int Compare(const QString& a, const QString& b) const = 0;
    // The positions of `texts` in collation order; texts that compare equal keep their
    // relative order.
    virtual std::vector<std::size_t> SortOrder(const std::vector<QString>& texts) const = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with one OK button.
    virtual void ShowMessage(QWidget* parent, const QString& text) = 0;

    // The chosen path, or nothing when the user cancels.
    virtual std::optional<QString> GetOpenFileName(QWidget* parent,
                                                   const FileDialogOptions& options) = 0;
    virtual std::optional<QString> GetSaveFileName(QWidget* parent,
                                                   const FileDialogOptions& options) = 0;

    // The chosen font, or nothing when the user cancels.
    virtual std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) = 0;

    // Shows the dialog modally, centred over its parent; returns QDialog::Accepted or
    // QDialog::Rejected.
    virtual int ShowModal(QDialog& dialog) = 0;

    // The desktop's verbs: "open" a file or a link (returns at once), "print" a file
    // (shows a print preview and returns when it is closed).
    virtual bool ShellExecute(const QString& verb, const QString& target) = 0;

    virtual void Beep() = 0;

    // Russian collation with case ignored.
    virtual const Collator& NameCollator() const = 0;
};

// Qt's file dialog filter ("description (pattern)") for a "description|pattern" filter;
// several pairs become several filters, and "*.a;*.b" becomes "*.a *.b".
QString ToQtFilter(const QString& filter);

} // namespace timyanka::platform
