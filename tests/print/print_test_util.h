// A small classification for the sheet tests and access to the hand-written sheets.
#pragma once

#include "classification/classification.h"
#include "tests/core/test_util.h"

#include <string>

namespace timyanka::testing {

inline classification::TOpredelitel Entry(int32_t code, const char* nameUtf8) {
    return {code, W(nameUtf8)};
}

// Cuisines 1 " Все", 2 "Русская", 3 "Французская"; features 1 " Все", 2 "Вегетарианское";
// sub-classes of the main dishes (6), the salads (3) and the soft drinks (13).
inline classification::Classification SheetClassification() {
    classification::Classification c;
    c.Nationals[0].Code = 1;
    c.Nationals[0].Name = W(" Все");
    c.Nationals[1].Code = 2;
    c.Nationals[1].Name = W("Русская");
    c.Nationals[2].Code = 3;
    c.Nationals[2].Name = W("Французская");
    c.NationalCount = 3;

    c.Osobye[0] = Entry(1, " Все");
    c.Osobye[1] = Entry(2, "Вегетарианское");
    c.OsoboeCount = 2;

    auto& mains = c.Classes[6];
    mains.PodClass[0] = Entry(2, " Все");
    mains.PodClass[1] = Entry(1, " Другие");
    mains.PodClass[2] = Entry(4, "Из яиц");
    mains.PodCount = 3;
    auto& salads = c.Classes[3];
    salads.PodClass[0] = Entry(2, " Все");
    salads.PodClass[1] = Entry(1, " Другие");
    salads.PodClass[2] = Entry(3, "Овощные");
    salads.PodCount = 3;
    auto& drinks = c.Classes[13];
    drinks.PodClass[0] = Entry(2, " Все");
    drinks.PodClass[1] = Entry(1, " Другие");
    drinks.PodCount = 2;
    c.ClassCount = classification::kBuiltInClassCount;
    return c;
}

inline std::string Fixture(const char* name) {
    return ReadBytes(std::string(TIMYANKA_PRINT_FIXTURES) + "/" + name);
}

} // namespace timyanka::testing
