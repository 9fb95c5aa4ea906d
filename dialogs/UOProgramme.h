// TFOProgramme, the window "О Программе", and the commands of the menu "Информация" that
// hand a page or a link to the desktop: the help start page and the maker's web and mail
// links. Links go through the platform's "open" verb; its result is not looked at.
#pragma once

#include <QDialog>

#include <memory>
#include <string_view>

class QLabel;

namespace Ui {
class TFOProgramme;
}

namespace timyanka::platform {
class Platform;
}

namespace timyanka::dialogs {

// A UTF-8 text of credits.h for a widget.
QString CreditText(std::string_view utf8);

// The help start page Help/index.html below the current folder of the process (not the
// folder of the program file), as an absolute path.
QString HelpStartPage();

// MainMenu_HelpClick (F1): opens the help start page with the program the desktop
// associates with it. A missing page or browser makes no difference to the program.
void OpenHelpPage(platform::Platform& platform);

class TFOProgramme final : public QDialog {
    Q_OBJECT
public:
    TFOProgramme(platform::Platform& platform, QWidget* parent);
    ~TFOProgramme() override;

    // MainMenu_InfoClick: shows the window modally over its parent.
    int Execute();

    // A click on the web address: "http://" and the address label's caption of the moment.
    void Label6Click();
    // A click on "Написать письмо >>>": a new letter to the team.
    void Label7Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<Ui::TFOProgramme> ui_;
    platform::Platform& platform_;
};

// How a link label takes a mouse event: the left button going down is the label's own, and
// its going up inside the label is the click.
enum class LinkEvent { Press, Click, Other };
LinkEvent LabelLinkEvent(const QLabel& label, const QEvent& event);

} // namespace timyanka::dialogs
