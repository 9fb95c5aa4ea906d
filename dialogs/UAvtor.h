// TFAvtor, the window "Автор..." about the team that makes the program: a picture of a
// sprig of thyme, the team's name, a few lines about it and its mail address as a link.
#pragma once

#include <QDialog>
#include <QPixmap>

#include <memory>

namespace Ui {
class TFAvtor;
}

namespace timyanka::platform {
class Platform;
}

namespace timyanka::dialogs {

class TFAvtor final : public QDialog {
    Q_OBJECT
public:
    TFAvtor(platform::Platform& platform, QWidget* parent);
    ~TFAvtor() override;

    // N35Click: shows the window modally over its parent.
    int Execute();

    // A click on the mail address: a new letter to the team.
    void Label11Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TFAvtor> ui_;
    platform::Platform& platform_;
};

// The author window's picture, 150 by 163 pixels, drawn rather than shipped.
QPixmap DrawThymeSprig();

} // namespace timyanka::dialogs
