// The commands of the "Редактирование" menu: adding, changing and deleting a recipe. The
// dialogs change the base; the window then lists it afresh against its pickers.
#include "app/UTimyanka.h"

#include "dialogs/recept_commands.h"

namespace timyanka::app {

namespace {

bool DialogShown(dialogs::CommandResult r) {
    return r != dialogs::CommandResult::NotShown;
}

} // namespace

void TFGlobal::RebuildList() {
    BuildSpisok();
    ShowSpisok();
    FocusGrid();
}

void TFGlobal::MainMenu_AddReceptClick() {
    if (DialogShown(dialogs::AddReceptCommand(*addRecept_))) {
        RebuildList();
    }
}

void TFGlobal::MainMenu_EditReceptClick() {
    const int32_t id = CurrentRowId();
    if (DialogShown(dialogs::EditReceptCommand(*redRecept_, platform_, state_.SpisokCount(), id))) {
        state_.CurrentRecept = id;
        RebuildList();
    }
}

void TFGlobal::MainMenu_DelReceptClick() {
    const dialogs::CommandResult r = dialogs::DeleteReceptCommand(
        *yesNo_, platform_, state_.Recepts, state_.SpisokCount(), CurrentRowId());
    if (!DialogShown(r)) {
        return;
    }
    // Every recipe after a deleted one has a new Id now; the old list means nothing.
    RebuildList();
    if (r == dialogs::CommandResult::Done && state_.SpisokCount() == 0) {
        // Nothing is listed to be current; the deleted recipe's Id may be past the end.
        state_.CurrentRecept = 0;
    }
}

} // namespace timyanka::app
