#include "dialogs/recept_commands.h"

#include "dialogs/UAddRecept.h"
#include "dialogs/URedRecept.h"
#include "dialogs/UYesNo.h"

namespace timyanka::dialogs {

namespace {

CommandResult FromDialog(int result) {
    return result == QDialog::Accepted ? CommandResult::Done : CommandResult::Cancelled;
}

// Whether the command has a recipe to work on; says so when the base is empty.
bool HasRecept(platform::Platform& platform, QWidget* parent, const base::ReceptStore& store,
               int32_t spisokCount, int32_t currentRecept) {
    if (spisokCount <= 0) {
        return false;
    }
    if (store.ReceptCount() == 0) {
        platform.ShowMessage(parent, QStringLiteral("В базе нет рецептов!!!"));
        return false;
    }
    return currentRecept >= 0 && currentRecept < store.ReceptCount();
}

} // namespace

CommandResult AddReceptCommand(TFAddRecept& dialog) {
    return FromDialog(dialog.Execute());
}

CommandResult EditReceptCommand(TFRedRecept& dialog, platform::Platform& platform,
                                int32_t spisokCount, int32_t currentRecept) {
    if (!HasRecept(platform, dialog.parentWidget(), dialog.Store(), spisokCount, currentRecept)) {
        return CommandResult::NotShown;
    }
    dialog.SetRecept(currentRecept);
    return FromDialog(dialog.Execute());
}

CommandResult DeleteReceptCommand(TFYesNo& dialog, platform::Platform& platform,
                                  base::ReceptStore& store, int32_t spisokCount,
                                  int32_t currentRecept) {
    if (!HasRecept(platform, dialog.parentWidget(), store, spisokCount, currentRecept)) {
        return CommandResult::NotShown;
    }
    if (dialog.Execute() != QDialog::Accepted) {
        return CommandResult::Cancelled;
    }
    store.DeleteRecept(currentRecept);
    return CommandResult::Done;
}

} // namespace timyanka::dialogs
