// What the protein and calorie windows share: the key filter of the weight field Edit1 and
// the work of the button "ПОДСЧИТАТЬ".
#pragma once

#include "dialogs/calculators.h"

#include <QObject>

#include <string_view>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace timyanka::platform {
class Platform;
}

namespace timyanka::dialogs {

// Digits are typed as usual, a full stop or Backspace empties the field, and every other
// typed character is refused with the platform's beep. Keys that type no character
// (Delete, the arrows, Tab) and pasting from the context menu pass untouched.
class WeightKeyFilter final : public QObject {
    Q_OBJECT
public:
    // Installs itself on `edit`, whose child it becomes.
    WeightKeyFilter(QLineEdit& edit, platform::Platform& platform);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Edit1KeyPress(const QString& typed);

    QLineEdit& edit_;
    platform::Platform& platform_;
};

// The characters a key press types, as the weight field is to see them: Backspace, Enter
// and Escape type their control characters, Ctrl with a letter types the letter's control
// character (Ctrl+C, Ctrl+V and Ctrl+X among them); other key combinations with Ctrl, Alt
// or Meta and keys that only move or delete type nothing.
QString TypedCharacters(const QKeyEvent& key);

// The level of the checked activity button.
Activity CheckedActivity(const QRadioButton& rb2, const QRadioButton& rb3);

using Calculation = CalcResult (*)(std::string_view weightText, Activity level);

// Button1Click: an empty weight becomes "0", then the result label shows the calculation's
// result; a weight that is no number gets its message and the label keeps its value.
void Calculate(QLineEdit& weight, QLabel& result, Activity level, Calculation calculation,
               platform::Platform& platform, QWidget* parent);

} // namespace timyanka::dialogs
