// The argument parser of tmk: the options a command may repeat and those it may not.
#include "tools/tmk/args.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace timyanka::tmk;

namespace {

constexpr OptionDef kOptions[] = {
    {.longName = "id", .valueName = "N", .help = "", .required = true, .repeatable = true},
    {.shortName = 'o', .longName = "output", .valueName = "ВЫХОД", .help = ""},
};

ArgsResult Parse(std::vector<std::string> args) {
    return ParseArgs(args, kOptions, 1, 1);
}

std::vector<std::string> Ids(const ArgsResult& r) {
    const auto values = r.args.Values("id");
    return {values.begin(), values.end()};
}

} // namespace

TEST(TmkArgs, ARepeatableOptionKeepsEveryValueInOrder) {
    const ArgsResult r = Parse({"--id", "3", "base.tmk", "--id=0", "--id", "-1", "--id", "3"});
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(Ids(r), (std::vector<std::string>{"3", "0", "-1", "3"}));
    EXPECT_EQ(*r.args.Value("id"), "3");
    EXPECT_EQ(r.args.positionals, (std::vector<std::string>{"base.tmk"}));
    EXPECT_TRUE(r.args.Values("output").empty());
    EXPECT_EQ(r.args.Value("output"), nullptr);
}

TEST(TmkArgs, AnOptionThatIsNotRepeatableIsStillGivenOnce) {
    const ArgsResult r = Parse({"base.tmk", "--id", "1", "-o", "a", "--output=b"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "параметр -o указан дважды");
}

TEST(TmkArgs, ARequiredRepeatableOptionMustBeGiven) {
    const ArgsResult r = Parse({"base.tmk"});
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.error, "не указан параметр --id N");
    EXPECT_FALSE(Parse({"base.tmk", "--id"}).ok);
}
