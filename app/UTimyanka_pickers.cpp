// The four classification pickers of the main window: their filling at start, the class
// picker's effect on the other controls, and the change handlers.
#include "app/UTimyanka.h"

#include "app/class_picker.h"
#include "app/picker_box.h"
#include "classification/class_names.h"
#include "ui_UTimyanka.h"

#include <QComboBox>
#include <QPlainTextEdit>

namespace timyanka::app {

namespace cls = classification;

namespace {

template <typename Table> std::vector<std::string> Names(const Table& table, int32_t count) {
    std::vector<std::string> names;
    for (int32_t i = 0; i < count && i < static_cast<int32_t>(table.size()); ++i) {
        names.push_back(table[static_cast<std::size_t>(i)].Name);
    }
    return names;
}

std::vector<std::string> PodClassNames(const cls::TOpredelitelClass& k) {
    return Names(k.PodClass, k.PodCount);
}

// The first entry whose name is the picker's text gives the code.
template <typename Table>
std::optional<int32_t> CodeOf(const Table& table, int32_t count, const std::string& text) {
    for (int32_t i = 0; i < count && i < static_cast<int32_t>(table.size()); ++i) {
        if (table[static_cast<std::size_t>(i)].Name == text) {
            return table[static_cast<std::size_t>(i)].Code;
        }
    }
    return std::nullopt;
}

} // namespace

void TFGlobal::FillPickers(bool subClassesRead) {
    const cls::Classification& c = state_.Classes;
    const platform::Collator& collator = platform_.NameCollator();
    FillPicker(*ui_->CNational, Names(c.Nationals, c.NationalCount), collator);
    FillPicker(*ui_->COsoboe, Names(c.Osobye, c.OsoboeCount), collator);
    std::vector<std::string> classTexts;
    for (int32_t i = 0; i < c.ClassCount; ++i) {
        classTexts.push_back(cls::ClassPickerText(i));
    }
    FillPicker(*ui_->CClass, classTexts, collator);
    // Until a class with sub-classes is chosen the hidden sub-class picker holds those of
    // the first such class.
    constexpr int32_t kFirstClassWithSubClasses = 2;
    FillPicker(*ui_->C1Ur,
               subClassesRead ? PodClassNames(c.Classes[kFirstClassWithSubClasses])
                              : std::vector<std::string>{},
               collator);
}

PickerTexts TFGlobal::CurrentPickerTexts() const {
    return {PickerText(*ui_->CNational), PickerText(*ui_->CClass), PickerText(*ui_->C1Ur),
            PickerText(*ui_->COsoboe)};
}

void TFGlobal::ApplyClassPicker() {
    ui_->MemoIngridient->show();
    ui_->COsoboe->show();
    ui_->CNational->show();
    const ClassChoice choice = ChooseClass(PickerText(*ui_->CClass));
    if (!choice.matched) {
        return;
    }
    state_.Filters.Class = choice.filterClass;
    ui_->C1Ur->setVisible(choice.showPodClass);
    if (choice.recommendations) {
        ui_->MemoIngridient->hide();
        ui_->COsoboe->hide();
        ui_->CNational->hide();
    }
    if (choice.showPodClass) {
        FillPicker(*ui_->C1Ur, PodClassNames(state_.Classes.Classes[choice.filterClass]),
                   platform_.NameCollator());
    }
}

void TFGlobal::CNationalChange() {
    const cls::Classification& c = state_.Classes;
    if (const auto code = CodeOf(c.Nationals, c.NationalCount, PickerText(*ui_->CNational))) {
        state_.Filters.National = *code;
        BuildSpisok();
        ShowSpisok();
    }
}

void TFGlobal::COsoboeChange() {
    const cls::Classification& c = state_.Classes;
    if (const auto code = CodeOf(c.Osobye, c.OsoboeCount, PickerText(*ui_->COsoboe))) {
        state_.Filters.Osoboe = *code;
        BuildSpisok();
        ShowSpisok();
    }
}

void TFGlobal::CClassChange() {
    ApplyClassPicker();
    BuildSpisok();
    ShowSpisok();
    ShowRecept();
}

void TFGlobal::C1UrChange() {
    const int32_t k = state_.Filters.Class;
    if (k < 2 || k > 16) {
        return;
    }
    const cls::TOpredelitelClass& klass = state_.Classes.Classes[static_cast<std::size_t>(k)];
    if (const auto code = CodeOf(klass.PodClass, klass.PodCount, PickerText(*ui_->C1Ur))) {
        state_.Filters.PodClass = *code;
        BuildSpisok();
        ShowSpisok();
    }
}

} // namespace timyanka::app
