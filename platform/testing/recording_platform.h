// A platform for tests: it records every call and answers from a script (a file name or
// Cancel for each file dialog, a font or Cancel for the font dialog, what to do inside each
// modal dialog), so that no test ever waits for a real dialog. A call the script did not
// provide for answers Cancel and is noted as unscripted.
#pragma once

#include "platform/platform.h"
#include "platform/qt_collator.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace timyanka::platform::testing {

enum class CallKind { Message, OpenFile, SaveFile, Font, Modal, Shell, Beep };

struct PlatformCall {
    CallKind kind = CallKind::Message;
    QString text;     // the message, the dialog's object name, the verb's target
    QStringList args; // file dialogs: extension, filter; font: family; shell: the verb
};

class RecordingPlatform final : public Platform {
public:
    // The script, consumed front first.
    void QueueOpenFile(std::optional<QString> answer) { openFiles_.push_back(std::move(answer)); }
    void QueueSaveFile(std::optional<QString> answer) { saveFiles_.push_back(std::move(answer)); }
    void QueueFont(std::optional<QFont> answer) { fonts_.push_back(std::move(answer)); }
    // Runs inside the shown dialog and gives the dialog's result.
    void QueueModal(std::function<int(QDialog&)> action) { modals_.push_back(std::move(action)); }
    void SetShellResult(bool result) { shellResult_ = result; }

    const std::vector<PlatformCall>& Calls() const { return calls_; }
    std::vector<PlatformCall> CallsOf(CallKind kind) const;
    // The texts of all messages shown, in order.
    QStringList Messages() const;
    // Fonts the font dialog started from, in order.
    const std::vector<QFont>& InitialFonts() const { return initialFonts_; }
    // Calls for which the script had no answer.
    int Unscripted() const { return unscripted_; }
    // Script entries nobody asked for.
    bool ScriptUsedUp() const;
    void ClearCalls() { calls_.clear(); }

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
    template <typename T> std::optional<T> Next(std::deque<std::optional<T>>& queue);

    std::vector<PlatformCall> calls_;
    std::deque<std::optional<QString>> openFiles_;
    std::deque<std::optional<QString>> saveFiles_;
    std::deque<std::optional<QFont>> fonts_;
    std::deque<std::function<int(QDialog&)>> modals_;
    std::vector<QFont> initialFonts_;
    bool shellResult_ = true;
    int unscripted_ = 0;
    QtCollator collator_;
};

} // namespace timyanka::platform::testing
