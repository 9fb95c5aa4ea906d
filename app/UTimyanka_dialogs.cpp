// The dialogs of the main window: created once, right after the window, with the window as
// their parent, so that they keep their contents between showings and go with the window;
// and the commands of the "Калькулятор" and "Информация" menus that show them.
#include "app/UTimyanka.h"

#include "dialogs/UAddRecept.h"
#include "dialogs/UAvtor.h"
#include "dialogs/UBelok.h"
#include "dialogs/UKalori.h"
#include "dialogs/UOProgramme.h"
#include "dialogs/URedRecept.h"
#include "dialogs/UYesNo.h"
#include "ui_UTimyanka.h"

namespace timyanka::app {

void TFGlobal::CreateDialogs() {
    // The editors copy the main pickers' entries at every showing, so the pickers must
    // exist first; what they hold then does not matter.
    const dialogs::EditorContext editor{
        platform_,
        state_.Classes,
        {*ui_->CNational, *ui_->CClass, *ui_->COsoboe},
        state_.Recepts,
    };
    addRecept_ = new dialogs::TFAddRecept(editor, this);
    redRecept_ = new dialogs::TFRedRecept(editor, this);
    oProgramme_ = new dialogs::TFOProgramme(platform_, this);
    belok_ = new dialogs::TFBelok(platform_, this);
    kalori_ = new dialogs::TFKalori(platform_, this);
    yesNo_ = new dialogs::TFYesNo(platform_, this);
    avtor_ = new dialogs::TFAvtor(platform_, this);
}

void TFGlobal::N28Click() {
    belok_->Execute();
}

void TFGlobal::N27Click() {
    kalori_->Execute();
}

void TFGlobal::MainMenu_HelpClick() {
    dialogs::OpenHelpPage(platform_);
}

void TFGlobal::N35Click() {
    avtor_->Execute();
}

void TFGlobal::MainMenu_InfoClick() {
    oProgramme_->Execute();
}

} // namespace timyanka::app
