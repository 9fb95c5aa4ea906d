// Merging another base into the open one: the recipes of a second base file whose names the
// table lacks are appended, marked when the flag "Помечать добавляемые рецепты" is ticked.
#include "app/UTimyanka.h"

#include "base/base_file.h"
#include "base/merge.h"

#include <QAction>
#include <QFile>

namespace timyanka::app {

namespace {

platform::FileDialogOptions AddBaseDialog() {
    return {QStringLiteral("tmk"), QStringLiteral("База рецептов \"Тимьянка\"|*.tmk")};
}

} // namespace

void TFGlobal::MainMenu_AddBaseClick() {
    const std::optional<QString> path = platform_.GetOpenFileName(this, AddBaseDialog());
    if (!path) {
        return;
    }
    const auto* markAdded = findChild<QAction*>(QStringLiteral("N16"));
    const base::MergeFileResult r =
        base::MergeBaseFile(state_.Recepts, QFile::encodeName(*path).toStdString(),
                            markAdded != nullptr && markAdded->isChecked());
    if (r.load.status != base::LoadStatus::Ok) {
        ShowMessage(base::LoadMessage(r.load.status, state_.Recepts.Capacity()));
        return;
    }
    ShowMessage(base::MergeAddedMessage(r.merge.added));
    if (r.merge.tableFull) {
        ShowMessage(base::MergeFullMessage());
    }
    ApplyClassPicker();
    BuildSpisok();
    ShowSpisok();
    FocusGrid();
}

} // namespace timyanka::app
