#include "dialogs/calculators_form.h"

#include "platform/platform.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace timyanka::dialogs {

WeightKeyFilter::WeightKeyFilter(QLineEdit& edit, platform::Platform& platform)
    : QObject(&edit), edit_(edit), platform_(platform) {
    // Composed input and dropped text would reach the field without a key press.
    edit.setAttribute(Qt::WA_InputMethodEnabled, false);
    edit.setAcceptDrops(false);
    edit.installEventFilter(this);
}

QString TypedCharacters(const QKeyEvent& key) {
    const Qt::KeyboardModifiers chords = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const int code = key.key();
    switch (code) {
    case Qt::Key_Backspace:
        return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Escape:
        return QStringLiteral("\x1b");
    default:
        break;
    }
    if ((key.modifiers() & chords) == Qt::ControlModifier) {
        if (code >= Qt::Key_A && code <= Qt::Key_Z) {
            return QString(QChar(code - Qt::Key_A + 1));
        }
        // With a non-Latin layout the key is the layout's letter; the text still holds
        // the control character.
        const QString text = key.text();
        if (text.size() == 1 && text.front().unicode() >= 1 && text.front().unicode() < 0x20) {
            return text;
        }
    }
    if ((key.modifiers() & chords) != Qt::NoModifier) {
        return {};
    }
    QString typed;
    for (const QChar c : key.text()) {
        if (c.isPrint()) {
            typed += c;
        }
    }
    return typed;
}

bool WeightKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &edit_ ||
        (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)) {
        return QObject::eventFilter(watched, event);
    }
    const auto& key = static_cast<const QKeyEvent&>(*event);
    const QString typed = TypedCharacters(key);
    if (typed.isEmpty()) {
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the key so that no shortcut (the field's own paste among them) takes it
        // before the filter has seen it.
        event->accept();
        return true;
    }
    if (typed.size() == 1 && WeightKeyAction(typed.front().unicode()) == WeightKey::Insert) {
        return false; // a digit is typed by the field itself, within its length limit
    }
    Edit1KeyPress(typed);
    return true;
}

void WeightKeyFilter::Edit1KeyPress(const QString& typed) {
    for (const char32_t c : typed.toUcs4()) {
        switch (WeightKeyAction(c)) {
        case WeightKey::Insert:
            edit_.insert(QString::fromUcs4(&c, 1));
            break;
        case WeightKey::ClearAndRefuse:
            edit_.setText(QString());
            platform_.Beep();
            break;
        case WeightKey::Refuse:
            platform_.Beep();
            break;
        }
    }
}

Activity CheckedActivity(const QRadioButton& rb2, const QRadioButton& rb3) {
    if (rb2.isChecked()) {
        return Activity::Moderate;
    }
    if (rb3.isChecked()) {
        return Activity::Strenuous;
    }
    return Activity::Passive;
}

void Calculate(QLineEdit& weight, QLabel& result, Activity level, Calculation calculation,
               platform::Platform& platform, QWidget* parent) {
    if (weight.text().isEmpty()) {
        weight.setText(QStringLiteral("0"));
    }
    const QByteArray utf8 = weight.text().toUtf8();
    const std::string_view text(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    const CalcResult outcome = calculation(text, level);
    if (outcome.status == CalcStatus::NotANumber) {
        platform.ShowMessage(parent, QString::fromStdString(NotAnIntegerMessage(text)));
        return;
    }
    result.setText(QString::fromStdString(outcome.text));
}

} // namespace timyanka::dialogs
