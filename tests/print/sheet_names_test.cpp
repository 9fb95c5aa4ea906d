// The classification names a recipe block shows.
#include "print/sheet.h"
#include "tests/print/print_test_util.h"

#include <gtest/gtest.h>

namespace timyanka::print {
namespace {

using testing::Entry;
using testing::W;

base::TRecept Codes(int32_t national, int32_t cls, int32_t podClass, int32_t osoboe) {
    base::TRecept r;
    r.National = national;
    r.Class = cls;
    r.PodClass = podClass;
    r.Osoboe = osoboe;
    return r;
}

TEST(SheetNames, CuisineIsTheLastMatchOverTheWholeTable) {
    auto c = testing::SheetClassification();
    c.Nationals[3].Code = 2;
    c.Nationals[3].Name = W("Русская домашняя");
    c.Nationals[classification::kNationalCapacity - 1].Code = 7;
    c.Nationals[classification::kNationalCapacity - 1].Name = W("За пределами счётчика");
    c.NationalCount = 4;
    struct Case {
        int32_t code;
        const char* name;
    };
    const Case cases[] = {
        {3, "Французская"}, {2, "Русская домашняя"}, {7, "За пределами счётчика"}, {99, ""},
        {-1, ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(SheetNamesOf(c, Codes(k.code, 6, 4, 2)).national, W(k.name)) << k.code;
    }
}

TEST(SheetNames, ClassHasTheSheetsOwnNamesAndNoneForRecommendations) {
    const auto c = testing::SheetClassification();
    struct Case {
        int32_t cls;
        const char* name;
    };
    const Case cases[] = {
        {1, "Другой"},
        {2, "Бутерброды"},
        {13, "Напитки без алкогольные"},
        {16, "Молоко и молочные продукты"},
        {17, ""},
        {0, ""},
        {18, ""},
        {-1, ""},
        {40, ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(SheetNamesOf(c, Codes(3, k.cls, 4, 2)).cls, W(k.name)) << k.cls;
    }
}

TEST(SheetNames, SubClassIsTheLastMatchAndCodeOneReadsOthers) {
    auto c = testing::SheetClassification();
    auto& mains = c.Classes[6];
    mains.PodClass[1] = Entry(1, "Прочие блюда");
    mains.PodClass[3] = Entry(4, "Из яиц и сыра");
    mains.PodCount = 4;
    mains.PodClass[5] = Entry(9, "За пределами счётчика");
    struct Case {
        int32_t cls;
        int32_t podClass;
        const char* name;
    };
    const Case cases[] = {
        {6, 4, "Из яиц и сыра"}, // the later of two entries with code 4
        {6, 1, "Другие"},        // whatever the list calls code 1
        {17, 1, "Другие"},       // even for a class without sub-classes
        {-1, 1, "Другие"},
        {6, 9, ""}, // only the first PodCount entries count
        {6, 5, ""},
        {3, 4, ""}, // another class's list
        {45, 4, ""},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(SheetNamesOf(c, Codes(3, k.cls, k.podClass, 2)).podClass, W(k.name))
            << k.cls << "/" << k.podClass;
    }
}

TEST(SheetNames, FeatureCodeZeroIsLookedUpLikeAnyOther) {
    // The unused feature entries hold code 0 and no name, so the last match for 0 is one
    // of them unless the whole table is in use.
    auto c = testing::SheetClassification();
    c.Osobye[2] = Entry(0, "Без особенностей");
    c.Osobye[3] = Entry(2, "Постное");
    c.OsoboeCount = 4;
    EXPECT_EQ(SheetNamesOf(c, Codes(3, 6, 4, 2)).osoboe, W("Постное"));
    EXPECT_EQ(SheetNamesOf(c, Codes(3, 6, 4, 0)).osoboe, "");
    EXPECT_EQ(SheetNamesOf(c, Codes(3, 6, 4, 77)).osoboe, "");

    c.Osobye[classification::kOsoboeCapacity - 1] = Entry(0, "Обычное");
    EXPECT_EQ(SheetNamesOf(c, Codes(3, 6, 4, 0)).osoboe, W("Обычное"));
}

} // namespace
} // namespace timyanka::print
