#include "app/class_picker.h"

#include "classification/class_names.h"
#include "classification/classification.h"

namespace timyanka::app {

ClassChoice ChooseClass(const std::string& pickerText) {
    namespace cls = classification;
    const int32_t index = cls::ClassIndexOfPickerText(pickerText);
    ClassChoice c;
    if (index < 0) {
        return c;
    }
    c.matched = true;
    switch (index) {
    case cls::kClassAll:
        c.filterClass = -1;
        break;
    case cls::kClassOther:
        c.filterClass = cls::kClassOther;
        break;
    case cls::kClassRecommendations:
        c.filterClass = cls::kClassRecommendations;
        c.recommendations = true;
        break;
    default:
        c.filterClass = index;
        c.showPodClass = true;
        break;
    }
    return c;
}

} // namespace timyanka::app
