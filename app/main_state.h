// The state the main window owns for the whole run: the recipe table, the classification
// tables, the filter codes, the listed recipes, the shown recipe and the current base file.
// The dialogs read and change it through the main window.
#pragma once

#include "app/spisok_builder.h"
#include "base/recept_store.h"
#include "base/search.h"
#include "classification/classification.h"

#include <cstdint>
#include <string>
#include <vector>

namespace timyanka::app {

inline constexpr const char* kDefaultBaseFile = "BaseRecept.tmk";
inline constexpr const char* kNewBaseFile = "New.tmk";
inline constexpr const char* kFlagsFolder = "flags";

struct MainState {
    explicit MainState(int32_t receptCapacity = base::kDefaultReceptCapacity)
        : Recepts(receptCapacity) {}

    base::ReceptStore Recepts;
    base::SearchIndex Index; // the store's texts for the search; synced before each search
    classification::Classification Classes;
    FilterCodes Filters;
    std::vector<int32_t> Spisok; // Ids of the listed recipes, in display order
    int32_t CurrentRecept = 0;   // Id of the recipe the detail pane shows
    std::string BaseFileName;    // a path in the file system's encoding

    int32_t ReceptCount() const { return Recepts.ReceptCount(); }
    int32_t SpisokCount() const { return static_cast<int32_t>(Spisok.size()); }
};

} // namespace timyanka::app
