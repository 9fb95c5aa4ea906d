// What the class picker's current text makes of the other controls and of the class
// filter: which class it names, whether the sub-class picker is shown, and whether the
// recommendations hide the cuisine and feature pickers and the ingredient memo.
#pragma once

#include <cstdint>
#include <string>

namespace timyanka::app {

struct ClassChoice {
    bool matched = false;         // the text is one of the 18 picker texts
    int32_t filterClass = 0;      // the new class filter when matched
    bool showPodClass = false;    // the sub-class picker is shown and refilled
    bool recommendations = false; // hide cuisine, feature and ingredients
};

// For the class picker's text (Windows-1251, upper case).
ClassChoice ChooseClass(const std::string& pickerText);

} // namespace timyanka::app
