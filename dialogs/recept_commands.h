// The recipe commands of the "Редактирование" menu up to the rebuild of the list, which the
// main window does itself whenever a command showed its dialog.
#pragma once

#include "base/recept_store.h"
#include "platform/platform.h"

#include <cstdint>

namespace timyanka::dialogs {

class TFAddRecept;
class TFRedRecept;
class TFYesNo;

enum class CommandResult {
    NotShown,  // nothing to work on: no dialog, nothing changed, no rebuild needed
    Cancelled, // the dialog was closed without a change; the list is rebuilt all the same
    Done,      // the base was changed
};

// Adding: shows the add dialog, which appends the recipe on OK.
CommandResult AddReceptCommand(TFAddRecept& dialog);

// Changing the recipe `currentRecept` (the Id of the grid's selected row) of the dialog's
// base. An empty list does nothing; an empty base says "В базе нет рецептов!!!".
CommandResult EditReceptCommand(TFRedRecept& dialog, platform::Platform& platform,
                                int32_t spisokCount, int32_t currentRecept);

// Deleting the recipe `currentRecept` after "ДА" in the confirmation, with the change
// command's handling of an empty list and an empty base. The recipes after it move up and
// take their new positions as Id, each with its own mark; the caller's CurrentRecept and
// list must be refreshed from the rebuilt list.
CommandResult DeleteReceptCommand(TFYesNo& dialog, platform::Platform& platform,
                                  base::ReceptStore& store, int32_t spisokCount,
                                  int32_t currentRecept);

} // namespace timyanka::dialogs
