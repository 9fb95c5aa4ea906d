// tmk sheet end to end: the program's print sheet for recipes chosen by Id.
#include "base/base_file.h"
#include "classification/classification.h"
#include "fixtures.h"
#include "print/sheet.h"
#include "run_tmk.h"
#include "tests/print/print_test_util.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace timyanka::testing;
using timyanka::base::SerializeBase;
using timyanka::base::TRecept;
namespace classification = timyanka::classification;
namespace fs = std::filesystem;

namespace {

// The vocabularies of the hand-written sheets: cuisines 1 " Все", 2 "Русская",
// 3 "Французская"; features 1 " Все", 2 "Вегетарианское"; "Из яиц" (4) among the main
// dishes, "Овощные" (3) among the salads.
void WriteFlags(const fs::path& folder) {
    fs::create_directories(folder);
    const auto put = [&](const std::string& name, const char* utf8) {
        WriteBytes((folder / name).string(), W(utf8));
    };
    put("cuisine.txt", "  1  Все\n  2 Русская\n  3 Французская\n");
    put("special.txt", "    1  Все\r\n    2 Вегетарианское\r\n");
    for (const classification::SubClassFile& f : classification::SubClassFiles()) {
        put(f.fileName, "    2  Все\n    1  Другие");
    }
    put("basic.txt", "    2  Все\n    1  Другие\n    4 Из яиц");
    put("salad.txt", "    2  Все\n    1  Другие\n    3 Овощные");
}

TRecept Make(const char* name, int32_t national, int32_t cls, int32_t podClass, int32_t osoboe,
             std::vector<const char*> ingridient, std::vector<const char*> text) {
    TRecept r = Named(name, std::move(ingridient), std::move(text));
    r.National = national;
    r.Class = cls;
    r.PodClass = podClass;
    r.Osoboe = osoboe;
    return r;
}

TRecept Omelette() {
    return Make(
        "Омлет с сыром & зеленью", 3, 6, 4, 2, {"2 яйца", "50 г сыра", "молоко <по вкусу>"},
        {"Взбить яйца с молоком.", "Добавить сыр & зелень.", "Жарить 5 минут, t > 150 °C."});
}

// The recipes of the page of three marked recipes at 0, 2 and 3.
std::vector<TRecept> FourRecepts() {
    return {
        Make("Чай", 2, 13, 1, 2, {}, {"Заварить."}),
        Make("Не печатается", 2, 4, 1, 2, {"вода"}, {"Сварить."}),
        Make("Салат", 99, 3, 5, 2, {"огурец", ""}, {}),
        Make("Совет", 0, 17, 0, 0, {}, {"Пейте воду."}),
    };
}

// What the program writes for these recipes, with the vocabularies of `flags`.
std::string ProgramSheet(const std::string& flags, std::span<const TRecept> recepts,
                         std::vector<int> ids) {
    classification::Classification c;
    EXPECT_EQ(classification::LoadClassification(c, flags).status,
              classification::ClassificationStatus::Ok);
    std::vector<const TRecept*> printed;
    for (const int id : ids) {
        printed.push_back(&recepts[static_cast<std::size_t>(id)]);
    }
    return timyanka::print::WriteSheet(c, printed);
}

} // namespace

TEST(TmkSheet, OneRecipeGivesTheHandWrittenPage) {
    TempDir dir;
    WriteFlags(dir.path() / "words");
    WriteBytes(dir.file("b.tmk"), SerializeBase(std::vector{Tea(), Omelette()}));
    const TmkRun run = RunTmk({"sheet", dir.file("b.tmk"), "--id", "1", "--flags",
                               dir.file("words"), "-o", dir.file("out.htm")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
    const std::string expected = Fixture("omelette.htm");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(ReadBytes(dir.file("out.htm")), expected);
}

TEST(TmkSheet, TheRecipesComeInTheOrderOfTheIdOptions) {
    TempDir dir;
    const std::string flags = dir.file("flags");
    WriteFlags(flags);
    const std::vector<TRecept> recepts = FourRecepts();
    WriteBytes(dir.file("b.tmk"), SerializeBase(recepts));
    const std::vector<std::pair<std::vector<int>, std::string>> cases = {
        {{0, 2, 3}, Fixture("three_marked.htm")},
        {{3, 0, 2}, {}},
        {{2, 2}, {}},
    };
    for (const auto& [ids, fixture] : cases) {
        SCOPED_TRACE(::testing::PrintToString(ids));
        std::vector<std::string> args = {"sheet", dir.file("b.tmk"), "--flags", flags,
                                         "--output=" + dir.file("out.htm")};
        for (const int id : ids) {
            args.insert(args.end(), {"--id", std::to_string(id)});
        }
        const TmkRun run = RunTmk(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const std::string sheet = ReadBytes(dir.file("out.htm"));
        EXPECT_EQ(sheet, ProgramSheet(flags, recepts, ids));
        if (!fixture.empty()) {
            EXPECT_EQ(sheet, fixture);
        }
    }
}

TEST(TmkSheet, WritesPrintHtmWithTheFlagsOfTheCurrentFolderByDefault) {
    TempDir dir;
    WriteFlags(dir.path() / "flags");
    WriteBytes(dir.file("b.tmk"), SerializeBase(std::vector{Omelette()}));
    WriteBytes(dir.file("Print.htm"), "an old sheet");
    const TmkRun run = RunTmk({"sheet", "b.tmk", "--id", "0"}, {}, dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(dir.file("Print.htm")), Fixture("omelette.htm"));
}

TEST(TmkSheet, AnIdOutsideTheBaseIsNamedAndNothingIsWritten) {
    TempDir dir;
    WriteFlags(dir.path() / "flags");
    const std::string base = dir.file("b.tmk");
    WriteBytes(base, SerializeBase(FourRecepts()));
    WriteBytes(dir.file("Print.htm"), "an old sheet");
    for (const char* id : {"4", "-1", "99999999999999999999"}) {
        SCOPED_TRACE(id);
        const TmkRun run =
            RunTmk({"sheet", base, "--id", "0", "--id", id}, {}, dir.path().string());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, base + ": рецепта с Id " + id + " в базе нет (рецептов 4)\n");
        EXPECT_EQ(ReadBytes(dir.file("Print.htm")), "an old sheet");
    }
    for (const char* id : {"x", "1.5", "", "+1", "0x1"}) {
        SCOPED_TRACE(id);
        const TmkRun run = RunTmk({"sheet", base, "--id", id}, {}, dir.path().string());
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')),
                  std::string("tmk sheet: «") + id + "» не является Id рецепта");
    }
    const TmkRun none = RunTmk({"sheet", base}, {}, dir.path().string());
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_EQ(none.err.substr(0, none.err.find('\n')), "tmk sheet: не указан параметр --id N");
    EXPECT_EQ(ReadBytes(dir.file("Print.htm")), "an old sheet");
}

TEST(TmkSheet, AFlagsFolderThatCannotBeReadGivesItsMessage) {
    TempDir dir;
    const std::string base = dir.file("b.tmk");
    WriteBytes(base, kTeaBase);
    // No flags folder in the current folder, one named that does not exist, one with a
    // sub-class file missing and one with a bad code.
    WriteFlags(dir.path() / "partial");
    fs::remove(dir.path() / "partial" / "Garnish.txt");
    WriteFlags(dir.path() / "bad");
    WriteBytes(dir.file("bad/special.txt"), W("    1  Все\n   x2 Постное"));
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "flags/cuisine.txt: Файл не удается открыть! :(\n"},
        {{"--flags", dir.file("none")},
         dir.file("none") + "/cuisine.txt: Файл не удается открыть! :(\n"},
        {{"--flags", dir.file("partial/")},
         dir.file("partial") + "/Garnish.txt: Файл не удается открыть! :(\n"},
        {{"--flags", dir.file("bad")},
         dir.file("bad") + "/special.txt: '   x2' не является целым числом\n"},
    };
    for (const auto& [flags, err] : cases) {
        SCOPED_TRACE(err);
        std::vector<std::string> args = {"sheet", base, "--id", "0"};
        args.insert(args.end(), flags.begin(), flags.end());
        const TmkRun run = RunTmk(args, {}, dir.path().string());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, err);
        EXPECT_FALSE(fs::exists(dir.path() / "Print.htm"));
    }
}

TEST(TmkSheet, ABrokenBaseOrAnUnwritableSheetIsReported) {
    TempDir dir;
    WriteFlags(dir.path() / "flags");
    WriteBytes(dir.file("cut.tmk"), kTeaBase.substr(0, 50));
    const TmkRun broken = RunTmk({"sheet", "cut.tmk", "--id", "0"}, {}, dir.path().string());
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.err, RunTmk({"check", "cut.tmk"}, {}, dir.path().string()).err);

    WriteBytes(dir.file("tea.tmk"), kTeaBase);
    const std::string out = dir.file("no/such/Print.htm");
    const TmkRun unwritable =
        RunTmk({"sheet", "tea.tmk", "--id", "0", "-o", out}, {}, dir.path().string());
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_EQ(unwritable.err, out + ": Файл не удается создать... :(\n");
}
