#include "platform/testing/recording_platform.h"

#include <QDialog>

namespace timyanka::platform::testing {

std::vector<PlatformCall> RecordingPlatform::CallsOf(CallKind kind) const {
    std::vector<PlatformCall> out;
    for (const PlatformCall& c : calls_) {
        if (c.kind == kind) {
            out.push_back(c);
        }
    }
    return out;
}

QStringList RecordingPlatform::Messages() const {
    QStringList out;
    for (const PlatformCall& c : CallsOf(CallKind::Message)) {
        out << c.text;
    }
    return out;
}

bool RecordingPlatform::ScriptUsedUp() const {
    return openFiles_.empty() && saveFiles_.empty() && fonts_.empty() && modals_.empty();
}

template <typename T>
std::optional<T> RecordingPlatform::Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) {
        ++unscripted_;
        return std::nullopt;
    }
    const std::optional<T> answer = queue.front();
    queue.pop_front();
    return answer;
}

void RecordingPlatform::ShowMessage(QWidget*, const QString& text) {
    calls_.push_back({CallKind::Message, text, {}});
}

std::optional<QString> RecordingPlatform::GetOpenFileName(QWidget*,
                                                          const FileDialogOptions& options) {
    calls_.push_back({CallKind::OpenFile, {}, {options.defaultExtension, options.filter}});
    return Next(openFiles_);
}

std::optional<QString> RecordingPlatform::GetSaveFileName(QWidget*,
                                                          const FileDialogOptions& options) {
    calls_.push_back({CallKind::SaveFile, {}, {options.defaultExtension, options.filter}});
    return Next(saveFiles_);
}

std::optional<QFont> RecordingPlatform::ChooseFont(QWidget*, const QFont& initial) {
    calls_.push_back({CallKind::Font, {}, {initial.family()}});
    initialFonts_.push_back(initial);
    return Next(fonts_);
}

int RecordingPlatform::ShowModal(QDialog& dialog) {
    calls_.push_back({CallKind::Modal, dialog.objectName(), {}});
    if (modals_.empty()) {
        ++unscripted_;
        return QDialog::Rejected;
    }
    const std::function<int(QDialog&)> action = std::move(modals_.front());
    modals_.pop_front();
    return action(dialog);
}

bool RecordingPlatform::ShellExecute(const QString& verb, const QString& target) {
    calls_.push_back({CallKind::Shell, target, {verb}});
    return shellResult_;
}

void RecordingPlatform::Beep() {
    calls_.push_back({CallKind::Beep, {}, {}});
}

} // namespace timyanka::platform::testing
