// The commands of the "Печать" menu: the current recipe or every marked one written as a
// sheet to Print.htm in the current folder and handed to the desktop's print verb.
#include "app/UTimyanka.h"

#include "print/print_commands.h"
#include "print/sheet.h"
#include "print/sheet_file.h"

#include <QDir>

#include <utility>
#include <vector>

namespace timyanka::app {

bool TFGlobal::PrintSheet(std::span<const int32_t> ids) {
    const std::string sheet = print::WriteSheet(state_.Classes, state_.Recepts, ids);
    const print::PrintStatus status = print::WriteSheetFile(print::kSheetFileName, sheet);
    if (status != print::PrintStatus::Ok) {
        ShowMessage(print::PrintMessage(status));
        return false;
    }
    // The print program runs in a folder of its own, so it gets the sheet's full path.
    platform_.ShellExecute(
        QStringLiteral("print"),
        QDir::current().absoluteFilePath(QString::fromLatin1(print::kSheetFileName)));
    return true;
}

void TFGlobal::N21Click() {
    switch (print::CheckPrintCurrent(state_.SpisokCount(), state_.ReceptCount())) {
    case print::PrintCurrentCheck::NothingListed:
        return;
    case print::PrintCurrentCheck::EmptyBase:
        ShowMessage(print::EmptyBaseMessage());
        return;
    case print::PrintCurrentCheck::Ready:
        break;
    }
    state_.CurrentRecept = CurrentRowId();
    const int32_t ids[] = {state_.CurrentRecept};
    if (PrintSheet(ids)) {
        FocusGrid();
    }
}

void TFGlobal::N23Click() {
    // The current row is read from the list as the user sees it, before the marked list
    // takes its place; an empty list has no row to read.
    if (state_.SpisokCount() > 0) {
        state_.CurrentRecept = CurrentRowId();
    }
    std::vector<int32_t> marked = print::MarkedIds(state_.Recepts);
    if (!marked.empty()) {
        PrintSheet(marked);
    }
    // The grid shows the marked list also when nothing was printed, so that it always
    // shows what Spisok holds.
    state_.Spisok = std::move(marked);
    ShowSpisok();
    FocusGrid();
}

} // namespace timyanka::app
