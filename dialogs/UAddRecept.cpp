#include "dialogs/UAddRecept.h"

#include "classification/class_names.h"
#include "ui_ReceptEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace timyanka::dialogs {

namespace cls = classification;

TFAddRecept::TFAddRecept(const EditorContext& context, QWidget* parent)
    : ReceptEditor(context, QStringLiteral("Внимание! Добавление нового рецепта!"),
                   QStringLiteral("Добавить"), parent) {
    setObjectName(QStringLiteral("FAddRecept"));
}

void TFAddRecept::FormActivate() {
    Ui::ReceptEditor& f = Form();
    const cls::Classification& c = Context().classes;
    const MainPickers& main = Context().pickers;
    WorkingCodes& codes = MutableCodes();

    f.CNational->clear();
    f.CClass->clear();
    f.COsoboe->clear();

    // The presets are the tables' second entries, the one after " Все", while the pickers
    // show their first entries in sort order; the flags files are written so that the two
    // agree.
    CopyMainPicker(*f.CNational, main.National);
    f.CNational->setCurrentIndex(f.CNational->count() > 0 ? 0 : -1);
    codes.DlgNational = c.Nationals[1].Code;

    CopyMainPicker(*f.CClass, main.Class);
    f.CClass->setCurrentIndex(f.CClass->count() > 0 ? 0 : -1);
    codes.DlgClass = cls::kClassOther;

    CopyMainPicker(*f.COsoboe, main.Osoboe);
    f.COsoboe->setCurrentIndex(f.COsoboe->count() > 0 ? 0 : -1);
    codes.DlgOsoboe = c.Osobye[1].Code;

    f.MemoIngridient->clear();
    f.MemoRecept->clear();
    f.EditName->clear();

    codes.DlgPodClass = -1;
    f.C1Ur->hide();
    f.EditName->setFocus();
    ShowPickersAndIngredients();
}

void TFAddRecept::RecommendationsPicked() {
    MutableCodes().DlgOsoboe = -1;
}

void TFAddRecept::BitBtnOKClick() {
    const std::optional<base::TRecept> input = ReadInput();
    if (!input || !PassesChecks(*input, std::nullopt)) {
        return;
    }
    if (Context().store.AppendRecept(*input, false) == base::AppendStatus::Full) {
        Context().platform.ShowMessage(this, QStringLiteral("База заполнена: рецепт не добавлен!"));
        return;
    }
    accept();
}

} // namespace timyanka::dialogs
