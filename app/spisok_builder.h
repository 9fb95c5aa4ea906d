// Which recipes the four pickers let into the list: the filter codes the change handlers
// set and the pickers' current texts decide it together.
#pragma once

#include "base/recept.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace timyanka::app {

struct FilterCodes {
    int32_t National = 0;
    int32_t Class = 0; // index in the class table, -1 for all classes
    int32_t PodClass = 0;
    int32_t Osoboe = 0;
};

// The pickers' current texts, Windows-1251; the class picker's in its upper-case form.
struct PickerTexts {
    std::string National;
    std::string Class;
    std::string PodClass;
    std::string Osoboe;
};

// Ids of the recipes that pass, in table order.
std::vector<int32_t> BuildSpisok(std::span<const base::TRecept> recepts, const FilterCodes& filters,
                                 const PickerTexts& pickers);

// Whether one recipe passes.
bool PassesFilter(const base::TRecept& r, const FilterCodes& filters, const PickerTexts& pickers);

} // namespace timyanka::app
