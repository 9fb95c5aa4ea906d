// The platform of the running program: Qt's message box, file and font dialogs, the
// desktop services and the ICU collator.
#pragma once

#include "platform/platform.h"
#include "platform/qt_collator.h"

namespace timyanka::platform {

class QtPlatform final : public Platform {
public:
    void ShowMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> GetOpenFileName(QWidget* parent,
                                           const FileDialogOptions& options) override;
    std::optional<QString> GetSaveFileName(QWidget* parent,
                                           const FileDialogOptions& options) override;
    std::optional<QFont> ChooseFont(QWidget* parent, const QFont& initial) override;
    int ShowModal(QDialog& dialog) override;
    bool ShellExecute(const QString& verb, const QString& target) override;
    void Beep() override;
    const Collator& NameCollator() const override { return collator_; }

private:
    QtCollator collator_;
};

// Places the dialog so that its centre is the centre of its parent's window (of the
// screen when it has no parent).
void CentreOverParent(QDialog& dialog);

// A "print" or "open" target: a link when it starts with a scheme ("http:", "mailto:"),
// otherwise a path relative to the current folder.
bool IsLink(const QString& target);

} // namespace timyanka::platform
