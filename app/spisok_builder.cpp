#include "app/spisok_builder.h"

#include "classification/class_names.h"
#include "classification/classification.h"

namespace timyanka::app {

namespace cls = classification;

bool PassesFilter(const base::TRecept& r, const FilterCodes& filters, const PickerTexts& pickers) {
    // Recommendations have no cuisine or feature: they are listed whatever those pickers
    // show.
    if (pickers.Class == cls::PickerRecommendations() && r.Class == cls::kClassRecommendations) {
        return true;
    }
    if (r.Osoboe != filters.Osoboe && pickers.Osoboe != cls::PseudoAll()) {
        return false;
    }
    if (r.National != filters.National && pickers.National != cls::PseudoAll()) {
        return false;
    }
    if (pickers.Class == cls::PickerAllClasses()) {
        return true;
    }
    if (r.Class != filters.Class) {
        return false;
    }
    // " ДРУГОЙ" has no sub-classes; the sub-class picker, hidden then, still holds a choice
    // made under another class, which must not narrow this class.
    if (pickers.Class == cls::PickerOtherClass()) {
        return true;
    }
    if (r.PodClass == cls::kPodClassOther && pickers.PodClass == cls::PseudoOthers()) {
        return true;
    }
    return r.PodClass == filters.PodClass || pickers.PodClass == cls::PseudoAll();
}

std::vector<int32_t> BuildSpisok(std::span<const base::TRecept> recepts, const FilterCodes& filters,
                                 const PickerTexts& pickers) {
    std::vector<int32_t> ids;
    for (const base::TRecept& r : recepts) {
        if (PassesFilter(r, filters, pickers)) {
            ids.push_back(r.Id);
        }
    }
    return ids;
}

} // namespace timyanka::app
