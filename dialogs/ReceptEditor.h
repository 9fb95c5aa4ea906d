// The recipe editor form that the add and change dialogs share: its controls, the copies
// of the main window's pickers, the class cascade, the four working codes that follow the
// pickers and the checks of the OK button.
#pragma once

#include "base/recept.h"
#include "base/recept_store.h"
#include "classification/classification.h"
#include "platform/platform.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QPlainTextEdit;

namespace Ui {
class ReceptEditor;
}

namespace timyanka::dialogs {

// Typing stops at this many characters in the name.
inline constexpr int kNameMaxLength = 200;

// The main window's cuisine, class and special-feature pickers, whose entries the editor
// copies at every showing.
struct MainPickers {
    const QComboBox& National;
    const QComboBox& Class;
    const QComboBox& Osoboe;
};

// What is written into the recipe on OK. -1 stands for no sub-class and, for a
// recommendation entered in the add dialog, for no special feature.
struct WorkingCodes {
    int32_t DlgNational = 0;
    int32_t DlgClass = 0;
    int32_t DlgPodClass = 0;
    int32_t DlgOsoboe = 0;

    bool operator==(const WorkingCodes&) const = default;
};

// Everything the dialogs need from the main window; it outlives the dialogs.
struct EditorContext {
    platform::Platform& platform;
    const classification::Classification& classes;
    MainPickers pickers;
    base::ReceptStore& store;
};

class ReceptEditor : public QDialog {
    Q_OBJECT

public:
    ~ReceptEditor() override;

    // Activates the dialog for a new showing and shows it modally; QDialog::Accepted when
    // OK stored the recipe.
    int Execute();

    const WorkingCodes& Codes() const { return codes_; }
    const base::ReceptStore& Store() const { return context_.store; }

protected:
    ReceptEditor(const EditorContext& context, const QString& caption, const QString& okCaption,
                 QWidget* parent);

    // Whether the dialog has something to show; a dialog that has not is not shown.
    virtual bool CanActivate() const { return true; }
    virtual void FormActivate() = 0;
    virtual void BitBtnOKClick() = 0;
    // The step of the class cascade in which the two dialogs differ: the special feature of
    // a recommendation.
    virtual void RecommendationsPicked() {}

    // Replaces the editor picker's entries with the main window's, sorted, without the
    // main window's first entry (the one for all values).
    void CopyMainPicker(QComboBox& editor, const QComboBox& main);
    void ApplyEditorClass();

    // The sub-class names of class k, sorted, into C1Ur.
    void FillSubClasses(int32_t k);
    // Removes the first entry of C1Ur (the sub-class list's " Все").
    void RemoveFirstSubClass();
    void ShowPickersAndIngredients();
    // Selects the last entry whose text is this Windows-1251 name; no entry is selected when
    // none is, or when there is no name (even where an entry has the empty name).
    static void SelectLast(QComboBox& picker, const std::optional<std::string>& cp1251);

    // The name and lines as the user typed them, in Windows-1251; nothing, after a message,
    // when they hold a character the code page lacks.
    std::optional<base::TRecept> ReadInput();
    // The checks of OK, in order; the first that fails shows its message. The recipe at
    // position `own`, if any, does not count for the name check.
    bool PassesChecks(const base::TRecept& input, std::optional<int32_t> own);

    const EditorContext& Context() const { return context_; }
    WorkingCodes& MutableCodes() { return codes_; }
    Ui::ReceptEditor& Form() { return *ui_; }

private:
    void CNationalChange();
    void CClassChange();
    void C1UrChange();
    void COsoboeChange();
    void BitBtnNOClick();

    EditorContext context_;
    WorkingCodes codes_;
    std::unique_ptr<Ui::ReceptEditor> ui_;
};

// Windows-1251 text shown in a control.
QString Shown(const std::string& cp1251);

// Shows the lines in the memo so that reading it back gives the same lines.
void SetMemoLines(QPlainTextEdit& memo, const base::Lines& lines);

} // namespace timyanka::dialogs
