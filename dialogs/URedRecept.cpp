#include "dialogs/URedRecept.h"

#include "classification/class_names.h"
#include "ui_ReceptEditor.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <optional>
#include <string>

namespace timyanka::dialogs {

namespace cls = classification;

namespace {

// Code to name over the first `count` entries: the last entry with the code wins; nothing
// when no entry has the code.
template <typename Table>
std::optional<std::string> LastNameOf(const Table& table, int32_t count, int32_t code) {
    const auto used =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(count, 0)), std::size(table));
    std::optional<std::string> name;
    for (std::size_t i = 0; i < used; ++i) {
        if (table[i].Code == code) {
            name = table[i].Name;
        }
    }
    return name;
}

} // namespace

TFRedRecept::TFRedRecept(const EditorContext& context, QWidget* parent)
    : ReceptEditor(context, QStringLiteral("Редактирование рецепта!"), QStringLiteral("Изменить"),
                   parent) {
    setObjectName(QStringLiteral("FRedRecept"));
}

bool TFRedRecept::CanActivate() const {
    return currentRecept_ >= 0 && currentRecept_ < Context().store.ReceptCount();
}

void TFRedRecept::FormActivate() {
    Ui::ReceptEditor& f = Form();
    const cls::Classification& c = Context().classes;
    const MainPickers& main = Context().pickers;
    WorkingCodes& codes = MutableCodes();
    const base::TRecept& r = Context().store.Recept(currentRecept_);

    f.CNational->clear();
    f.CClass->clear();
    f.COsoboe->clear();
    f.C1Ur->clear();

    // A code without an entry selects nothing; the working code keeps the recipe's code, so
    // OK writes it back unchanged.
    CopyMainPicker(*f.CNational, main.National);
    SelectLast(*f.CNational, LastNameOf(c.Nationals, c.NationalCount, r.National));
    codes.DlgNational = r.National;

    CopyMainPicker(*f.CClass, main.Class);
    codes.DlgClass = r.Class;

    f.C1Ur->show();
    ShowPickersAndIngredients();
    const bool subClassed = r.Class > cls::kClassOther && r.Class < cls::kClassRecommendations;
    if (r.Class == cls::kClassRecommendations) {
        f.C1Ur->hide();
        f.COsoboe->hide();
        f.CNational->hide();
    } else if (subClassed) {
        FillSubClasses(r.Class);
    } else {
        // " ДРУГОЙ", and a class outside the editor's list, which has no sub-classes either.
        f.C1Ur->hide();
    }
    SelectLast(*f.CClass, cls::ClassPickerText(r.Class));
    codes.DlgClass = r.Class;

    std::optional<std::string> podClassName;
    if (subClassed) {
        const cls::TOpredelitelClass& k = c.Classes[static_cast<std::size_t>(r.Class)];
        podClassName = LastNameOf(k.PodClass, k.PodCount, r.PodClass);
    }
    RemoveFirstSubClass();
    SelectLast(*f.C1Ur, podClassName);
    codes.DlgPodClass = r.PodClass;

    CopyMainPicker(*f.COsoboe, main.Osoboe);
    SelectLast(*f.COsoboe, LastNameOf(c.Osobye, c.OsoboeCount, r.Osoboe));
    codes.DlgOsoboe = r.Osoboe;

    SetMemoLines(*f.MemoIngridient, r.Ingridient);
    SetMemoLines(*f.MemoRecept, r.Text);

    // A stored name may be longer than typing allows; it is shown whole, and typing cannot
    // make it longer still.
    f.EditName->setMaxLength(std::max<int>(kNameMaxLength, static_cast<int>(Shown(r.Name).size())));
    f.EditName->setText(Shown(r.Name));
    f.EditName->setFocus();
}

void TFRedRecept::BitBtnOKClick() {
    const std::optional<base::TRecept> input = ReadInput();
    if (!input || !PassesChecks(*input, currentRecept_)) {
        return;
    }
    Context().store.ChangeRecept(currentRecept_, *input);
    accept();
}

} // namespace timyanka::dialogs
