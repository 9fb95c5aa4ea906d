// tmk merge end to end: the program's merge by name ignoring case, saved safely.
#include "base/base_file.h"
#include "fixtures.h"
#include "run_tmk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace timyanka::testing;
using timyanka::base::SerializeBase;
using timyanka::base::TRecept;
namespace fs = std::filesystem;

namespace {

// `count` recipes named "r0", "r1"... with no lines and all codes 0, written straight as
// bytes: a full table is quicker to build this way than through recipes.
std::string NumberedBase(int32_t count) {
    std::string out = Int(count);
    for (int32_t i = 0; i < count; ++i) {
        const std::string name = "r" + std::to_string(i);
        out += Int(0) + Int(static_cast<int32_t>(name.size() + 1)) + name + '\0';
        out += Int(0) + Int(0) + Int(0) + Int(0) + Int(0);
    }
    return out;
}

} // namespace

TEST(TmkMerge, AddsOnlyTheNamesTheBaseLacksIgnoringCase) {
    TempDir dir;
    const std::string base = dir.file("base.tmk");
    const std::string other = dir.file("other.tmk");
    WriteBytes(base, SerializeBase(std::vector{Named("Борщ", {"свекла"}), Named("Tea")}));
    // Latin and Cyrillic case, Ё included; the second "Щи" repeats one added by this merge.
    WriteBytes(other, SerializeBase(std::vector{
                          Named("БОРЩ", {"другая свекла"}),
                          Named("Щи", {"капуста"}),
                          Named("tEA"),
                          Named("ёжики"),
                          Named("щИ", {"другая капуста"}),
                          Named("Ёжики"),
                          Named("Плов"),
                      }));
    const TmkRun run = RunTmk({"merge", base, other});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "В базу добавлено:  3 рецептов!\n");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadBytes(base),
              SerializeBase(std::vector{Named("Борщ", {"свекла"}), Named("Tea"),
                                        Named("Щи", {"капуста"}), Named("ёжики"), Named("Плов")}));
    // The base it replaced is kept beside it.
    EXPECT_EQ(FilesIn(dir.path()),
              (std::vector<std::string>{"base.tmk", "base.tmk.bak", "other.tmk"}));
}

TEST(TmkMerge, MergingABaseIntoItselfAddsNothingAndKeepsTheFile) {
    TempDir dir;
    WriteBytes(dir.file("tea.tmk"), kTeaBase);
    const TmkRun run = RunTmk({"merge", dir.file("tea.tmk"), dir.file("tea.tmk")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "В базу добавлено:  0 рецептов!\n");
    EXPECT_EQ(ReadBytes(dir.file("tea.tmk")), kTeaBase);
}

TEST(TmkMerge, TheOutputOptionLeavesTheBaseUntouched) {
    TempDir dir;
    const std::string base = SerializeBase(std::vector{Named("Борщ")});
    WriteBytes(dir.file("base.tmk"), base);
    WriteBytes(dir.file("tea.tmk"), kTeaBase);
    const TmkRun run =
        RunTmk({"merge", dir.file("base.tmk"), dir.file("tea.tmk"), "-o", dir.file("out.tmk")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "В базу добавлено:  1 рецептов!\n");
    EXPECT_EQ(ReadBytes(dir.file("base.tmk")), base);
    EXPECT_EQ(ReadBytes(dir.file("out.tmk")), SerializeBase(std::vector{Named("Борщ"), Tea()}));
}

TEST(TmkMerge, IntoAnEmptyBaseEachNameComesOnceAndAnEmptyResultIsStillAFile) {
    struct Case {
        const char* what;
        std::string base;
        std::string other;
        std::string result;
        const char* out;
    };
    const std::vector<Case> cases = {
        {"zero bytes and duplicates", "",
         SerializeBase(std::vector{Named("Суп", {"1"}), Named("СУП", {"2"}), Named("Чай")}),
         SerializeBase(std::vector{Named("Суп", {"1"}), Named("Чай")}),
         "В базу добавлено:  2 рецептов!\n"},
        {"count 0", Int(0), kTeaBase, kTeaBase, "В базу добавлено:  1 рецептов!\n"},
        // The program would save nothing here; the merge must still leave a base file.
        {"both empty", "", Int(0), Int(0), "В базу добавлено:  0 рецептов!\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteBytes(dir.file("base.tmk"), c.base);
        WriteBytes(dir.file("other.tmk"), c.other);
        const TmkRun run = RunTmk({"merge", dir.file("base.tmk"), dir.file("other.tmk")});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(ReadBytes(dir.file("base.tmk")), c.result);
    }
}

TEST(TmkMerge, AMalformedOrMissingFileIsRefusedAndNothingIsWritten) {
    const std::string cut = kTeaBase.substr(0, 50);
    const std::string base = SerializeBase(std::vector{Named("Борщ")});
    struct Case {
        const char* what;
        std::string base; // empty: no such file
        std::string other;
        bool otherIsTheCulprit;
    };
    const std::vector<Case> cases = {
        {"malformed other", base, cut, true},  {"negative count in other", base, Int(-1), true},
        {"missing other", base, "", true},     {"malformed base", cut, kTeaBase, false},
        {"missing base", "", kTeaBase, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        std::vector<std::string> files;
        if (!c.base.empty()) {
            WriteBytes(dir.file("base.tmk"), c.base);
            files.push_back("base.tmk");
        }
        if (!c.other.empty()) {
            WriteBytes(dir.file("other.tmk"), c.other);
            files.push_back("other.tmk");
        }
        const std::string culprit = dir.file(c.otherIsTheCulprit ? "other.tmk" : "base.tmk");
        for (const bool withOutput : {false, true}) {
            std::vector<std::string> args = {"merge", dir.file("base.tmk"), dir.file("other.tmk")};
            if (withOutput) {
                args.insert(args.end(), {"-o", dir.file("out.tmk")});
            }
            const TmkRun run = RunTmk(args);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.out, "");
            // The program's message and the explanation, as check gives them.
            EXPECT_EQ(run.err, RunTmk({"check", culprit}).err);
            EXPECT_NE(run.err, "");
            EXPECT_EQ(FilesIn(dir.path()), files);
            if (!c.base.empty()) {
                EXPECT_EQ(ReadBytes(dir.file("base.tmk")), c.base);
            }
        }
    }
}

TEST(TmkMerge, AFullTableKeepsWhatFitAndSaysSo) {
    TempDir dir;
    const std::string base = NumberedBase(99999);
    WriteBytes(dir.file("base.tmk"), base);
    WriteBytes(dir.file("other.tmk"),
               SerializeBase(std::vector{Named("r5"), Named("Первый"), Named("Второй")}));
    const TmkRun run = RunTmk({"merge", dir.file("base.tmk"), dir.file("other.tmk")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "В базу добавлено:  1 рецептов!\n");
    EXPECT_EQ(run.err, "База заполнена: добавлены не все рецепты! :(\n");
    const std::string merged = ReadBytes(dir.file("base.tmk"));
    EXPECT_EQ(merged,
              Int(100000) + base.substr(4) + SerializeBase(std::vector{Named("Первый")}).substr(4));
}

TEST(TmkMerge, ACommandLineWithoutTwoFilesIsAUsageError) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"merge", "a.tmk"},
          std::vector<std::string>{"merge", "a.tmk", "b.tmk", "c.tmk"}}) {
        const TmkRun run = RunTmk(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.rfind("tmk merge: ", 0), 0u) << run.err;
    }
}
