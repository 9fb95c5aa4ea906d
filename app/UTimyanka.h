// The main window TFGlobal: it owns the program's state for the whole run, starts the
// program (FormCreate), lists and shows recipes and runs the commands of its menus, toolbar
// and the list's pop-up menu. Its pieces live in files of their own: the list model, the
// list building, the detail texts, the pickers, the command table.
#pragma once

#include "app/main_state.h"
#include "platform/platform.h"

#include <QFont>
#include <QMainWindow>

#include <memory>
#include <span>
#include <string>

namespace Ui {
class TFGlobal;
}

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QModelIndex;

namespace timyanka::dialogs {
class TFAddRecept;
class TFAvtor;
class TFBelok;
class TFKalori;
class TFOProgramme;
class TFRedRecept;
class TFYesNo;
} // namespace timyanka::dialogs

namespace timyanka::app {

class SpisokModel;

enum class StartStatus {
    Ok,           // everything read (a missing or broken base only showed its message)
    FlagsBroken,  // a flags file holds a bad entry: the window opens with what was read
    FlagsMissing, // a flags file is missing: the program ends
};

class TFGlobal final : public QMainWindow {
    Q_OBJECT
public:
    // `receptCapacity` bounds the recipe table (tests use small tables).
    explicit TFGlobal(platform::Platform& platform, QWidget* parent = nullptr,
                      int32_t receptCapacity = base::kDefaultReceptCapacity);
    ~TFGlobal() override;

    // Reads the flags folder and the default base from the current folder and lists the
    // base. The caller ends the program on FlagsMissing.
    StartStatus FormCreate();

    MainState& State() { return state_; }
    const MainState& State() const { return state_; }
    platform::Platform& Platform() { return platform_; }

    // The list and the detail pane.
    void ApplyClassPicker();
    void BuildSpisok();
    void ShowSpisok();
    void ShowRecept();

    // The current texts of the four pickers, Windows-1251.
    PickerTexts CurrentPickerTexts() const;

    // The font the font command starts from.
    const QFont& LastChosenFont() const { return lastFont_; }

public slots:
    // "Файл"
    void MainMenu_NewBaseClick();
    void MainMenu_OpenClick();
    void MainMenu_SaveClick();
    void MainMenu_SaveAsClick();
    void MainMenu_SaveSelectClick();
    void MainMenu_ExitClick();
    // "Вид"
    void MainMenu_SchriftClick();
    void MainMenu_SortClick();
    void MainMenu_SelectClick();
    // "Редактирование"
    void MainMenu_AddReceptClick();
    void MainMenu_EditReceptClick();
    void MainMenu_DelReceptClick();
    // "Дополнительно"
    void MainMenu_AddBaseClick();
    void N14Click();
    // "Печать"
    void N21Click();
    void N23Click();
    // "Калькулятор"
    void N28Click();
    void N27Click();
    // "Информация"
    void MainMenu_HelpClick();
    void N35Click();
    void MainMenu_InfoClick();
    // The mark button, the search button.
    void ButtonSelectClick();
    void ButtonPoiskClick();
    // The pickers, on the user's choice only.
    void CNationalChange();
    void CClassChange();
    void C1UrChange();
    void COsoboeChange();
    // The list grid.
    void SGSpisokClick();
    void SGSpisokSelectCell();

private:
    void SetUpGrid();
    void SetUpFonts();
    void SetUpLayout();
    void ConnectControls();
    void FillPickers(bool subClassesRead);
    void ShowPopupMenu(const QPoint& pos);
    void ShowMessage(const std::string& utf8);
    void LoadBase();
    void SaveTo(std::span<const base::TRecept> recepts, const std::string& path);
    void FocusGrid();
    int32_t CurrentRowId() const;
    // The two searches of the search panel; both end with ShowSpisok.
    void SearchSpisok(const base::SearchQuery& query);
    void SearchBase(const base::SearchQuery& query);
    void CreateDialogs();
    // After an editing dialog: the list built afresh, shown, and the grid focused.
    void RebuildList();
    // Writes the sheet of these recipes and hands it to the print verb; false, after its
    // message, when the sheet could not be written.
    bool PrintSheet(std::span<const int32_t> ids);

    platform::Platform& platform_;
    std::unique_ptr<Ui::TFGlobal> ui_;
    MainState state_;
    SpisokModel* model_ = nullptr;   // owned by this window
    QMenu* popup_ = nullptr;         // owned by this window
    QLabel* spisokStatus_ = nullptr; // the status bar's list panel
    QFont lastFont_;
    bool fillingGrid_ = false;
    // The dialogs, children of this window, created once and kept for the whole run.
    dialogs::TFAddRecept* addRecept_ = nullptr;
    dialogs::TFRedRecept* redRecept_ = nullptr;
    dialogs::TFOProgramme* oProgramme_ = nullptr;
    dialogs::TFBelok* belok_ = nullptr;
    dialogs::TFKalori* kalori_ = nullptr;
    dialogs::TFYesNo* yesNo_ = nullptr;
    dialogs::TFAvtor* avtor_ = nullptr;
};

} // namespace timyanka::app
