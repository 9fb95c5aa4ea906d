// What the print commands decide before writing a sheet.
#include "print/print_commands.h"
#include "tests/core/test_util.h"

#include <gtest/gtest.h>

namespace timyanka::print {
namespace {

TEST(PrintCommands, PrintingTheCurrentRecipeNeedsAListAndABase) {
    struct Case {
        int32_t spisokCount;
        int32_t receptCount;
        PrintCurrentCheck check;
    };
    const Case cases[] = {
        {0, 0, PrintCurrentCheck::NothingListed},
        {0, 5, PrintCurrentCheck::NothingListed},
        {2, 0, PrintCurrentCheck::EmptyBase},
        {1, 1, PrintCurrentCheck::Ready},
    };
    for (const Case& k : cases) {
        EXPECT_EQ(CheckPrintCurrent(k.spisokCount, k.receptCount), k.check)
            << k.spisokCount << "/" << k.receptCount;
    }
    EXPECT_EQ(EmptyBaseMessage(), "В базе нет рецептов!!!");
}

TEST(PrintCommands, MarkedIdsAreInTableOrder) {
    base::ReceptStore store;
    for (const char* name : {"Борщ", "Щи", "Уха", "Солянка", "Рассольник"}) {
        store.AppendRecept(testing::MakeRecept(name), false);
    }
    EXPECT_TRUE(MarkedIds(store).empty());

    store.SetSelected(3, true);
    store.SetSelected(0, true);
    store.SetSelected(4, true);
    EXPECT_EQ(MarkedIds(store), (std::vector<int32_t>{0, 3, 4}));

    EXPECT_TRUE(MarkedIds(base::ReceptStore{}).empty());
}

} // namespace
} // namespace timyanka::print
