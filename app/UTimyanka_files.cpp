// The base commands of the "Файл" menu: new base, open, save, save as, save the marked
// recipes.
#include "app/UTimyanka.h"

#include "base/base_file.h"

#include <QFile>

namespace timyanka::app {

namespace {

platform::FileDialogOptions BaseFileDialog() {
    return {QStringLiteral("tmk"), QStringLiteral("База рецептов \"Тимьянка\"|*.tmk")};
}

// The chosen path in the file system's own encoding, as the file functions take it.
std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

void TFGlobal::LoadBase() {
    const base::LoadResult r = base::LoadBase(state_.Recepts, state_.BaseFileName);
    ShowMessage(base::LoadMessage(r.status, state_.Recepts.Capacity()));
}

void TFGlobal::SaveTo(std::span<const base::TRecept> recepts, const std::string& path) {
    const base::SaveResult r = base::SaveRecepts(recepts, path);
    ShowMessage(base::SaveMessage(r, path));
}

void TFGlobal::MainMenu_NewBaseClick() {
    state_.CurrentRecept = 0;
    state_.Spisok.clear();
    state_.BaseFileName = kNewBaseFile;
    state_.Recepts.ClearBase();
    ShowSpisok();
    FocusGrid();
}

void TFGlobal::MainMenu_OpenClick() {
    if (const std::optional<QString> path = platform_.GetOpenFileName(this, BaseFileDialog())) {
        state_.BaseFileName = LocalPath(*path);
        LoadBase();
    }
    ApplyClassPicker();
    BuildSpisok();
    ShowSpisok();
    FocusGrid();
}

void TFGlobal::MainMenu_SaveClick() {
    SaveTo(state_.Recepts.Recepts(), state_.BaseFileName);
}

void TFGlobal::MainMenu_SaveAsClick() {
    if (const std::optional<QString> path = platform_.GetSaveFileName(this, BaseFileDialog())) {
        state_.BaseFileName = LocalPath(*path);
        MainMenu_SaveClick();
    }
}

void TFGlobal::MainMenu_SaveSelectClick() {
    std::vector<base::TRecept> marked;
    for (const base::TRecept& r : state_.Recepts.Recepts()) {
        if (r.Selected != 0) {
            marked.push_back(r);
        }
    }
    if (marked.empty()) {
        ShowMessage("Нет выбранных рецептов!");
        return;
    }
    if (const std::optional<QString> path = platform_.GetSaveFileName(this, BaseFileDialog())) {
        SaveTo(marked, LocalPath(*path));
    }
}

} // namespace timyanka::app
