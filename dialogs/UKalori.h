// TFKalori: the calculator of the calories a person needs a day, from body weight and
// level of activity. Created once with the main window as its parent and kept for the
// whole run, so the weight, the level and the last result are still there next time.
#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class TFKalori;
}

namespace timyanka::platform {
class Platform;
}

namespace timyanka::dialogs {

class TFKalori final : public QDialog {
    Q_OBJECT
public:
    TFKalori(platform::Platform& platform, QWidget* parent);
    ~TFKalori() override;

    // N27Click (F10): shows the window modally over its parent.
    int Execute();

    // "ПОДСЧИТАТЬ".
    void Button1Click();

private:
    std::unique_ptr<Ui::TFKalori> ui_;
    platform::Platform& platform_;
};

} // namespace timyanka::dialogs
