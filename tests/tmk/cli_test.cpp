// End-to-end tests: the built tmk run on files in a temporary folder.
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

std::string BaseOfClasses(const std::vector<int32_t>& classes) {
    std::vector<TRecept> recepts;
    for (const int32_t c : classes) {
        recepts.push_back(MakeRecept("Рецепт", c));
        recepts.back().Name += std::to_string(recepts.size());
    }
    return SerializeBase(recepts);
}

} // namespace

TEST(TmkInfo, CountsRecipesByClassWithTheClassTableNames) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, BaseOfClasses({2, 13, 2, 1, 17, 0, 99, -3}));
    const TmkRun run = RunTmk({"info", path});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "Рецептов в базе: 8\n"
                       "  1   Другой: 1\n"
                       "  2  Бутерброды: 2\n"
                       " 13  Напитки безалкогольные: 1\n"
                       " 17   Рекомендации: 1\n"
                       "Класс вне 1–17: 3\n");
    EXPECT_EQ(run.err, "");
}

TEST(TmkInfo, AnEmptyBaseHasNoClassLines) {
    TempDir dir;
    const std::string path = dir.file("empty.tmk");
    WriteBytes(path, Int(0));
    const TmkRun run = RunTmk({"info", path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "Рецептов в базе: 0\n");
}

TEST(TmkInfo, ABrokenFileIsExplainedAsByCheck) {
    TempDir dir;
    const std::string path = dir.file("cut.tmk");
    WriteBytes(path, kTeaBase.substr(0, 50));
    const TmkRun run = RunTmk({"info", path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, RunTmk({"check", path}).err);
}

struct CheckCase {
    const char* what;
    std::string bytes;
    int exitCode;
    std::string err; // with "P" standing for the file's path
};

TEST(TmkCheck, SaysNothingForAGoodFileAndExplainsABadOne) {
    std::string zeroLength = kTeaBase;
    zeroLength.replace(8, 4, Int(0));
    const std::string bad = "P: Файл поврежден или не является базой рецептов! :(\n";
    const std::vector<CheckCase> cases = {
        {"worked example", kTeaBase, 0, ""},
        {"zero bytes", "", 0, ""},
        {"count 0", Int(0), 0, ""},
        {"truncated", kTeaBase.substr(0, 50), 1,
         bad + "P: смещение 45, рецепт с Id 0: файл обрывается посреди рецепта\n"},
        {"string length 0", zeroLength, 1,
         bad + "P: смещение 8, рецепт с Id 0: недопустимая длина строки (0)\n"},
        {"negative count", Int(-1), 1,
         bad + "P: смещение 0, число рецептов: отрицательное число рецептов (-1)\n"},
        {"over the capacity", Int(100001), 1,
         "P: В файле больше рецептов, чем может вместить программа (100000)! :(\n"
         "P: смещение 0, число рецептов: рецептов больше, чем может вместить программа "
         "(100001)\n"},
    };
    TempDir dir;
    for (const CheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.file("x.tmk");
        WriteBytes(path, c.bytes);
        std::string err = c.err;
        for (std::size_t at = 0; (at = err.find("P:", at)) != std::string::npos;) {
            err.replace(at, 1, path);
            at += path.size();
        }
        const TmkRun run = RunTmk({"check", path});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, err);
    }
}

TEST(TmkCheck, AFileThatCannotBeOpenedGivesTheProgramsMessage) {
    TempDir dir;
    for (const std::string& path : {dir.file("missing.tmk"), dir.path().string()}) {
        const TmkRun run = RunTmk({"check", path});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, path + ": Файл не удается открыть! :(\n");
    }
}

TEST(TmkCheck, ANameAfterDoubleDashIsAFileEvenWithADash) {
    TempDir dir;
    WriteBytes(dir.file("-x.tmk"), kTeaBase);
    EXPECT_EQ(RunTmk({"check", "-x.tmk"}, {}, dir.path().string()).exitCode, 2);
    const TmkRun run = RunTmk({"check", "--", "-x.tmk"}, {}, dir.path().string());
    EXPECT_EQ(run.exitCode, 0) << run.err;
}

TEST(TmkExport, WritesTheWorkedExampleToStandardOutput) {
    TempDir dir;
    WriteBytes(dir.file("tea.tmk"), kTeaBase);
    const TmkRun run = RunTmk({"export", dir.file("tea.tmk")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, kTeaJson);
}

TEST(TmkExport, WritesTheSameTextIntoTheOutputFile) {
    TempDir dir;
    WriteBytes(dir.file("tea.tmk"), kTeaBase);
    for (const std::vector<std::string>& out :
         {std::vector<std::string>{"-o", dir.file("a.json")},
          std::vector<std::string>{"--output=" + dir.file("a.json")}}) {
        std::vector<std::string> args = {"export", dir.file("tea.tmk")};
        args.insert(args.end(), out.begin(), out.end());
        const TmkRun run = RunTmk(args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(ReadBytes(dir.file("a.json")), kTeaJson);
        fs::remove(dir.file("a.json"));
    }
}

TEST(TmkExport, AFullStandardOutputIsAFailure) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    TempDir dir;
    WriteBytes(dir.file("edge.tmk"), SerializeBase(EdgeRecepts()));
    const TmkRun run = RunTmk({"export", dir.file("edge.tmk")}, "/dev/full");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tmk: не удается записать результат в стандартный вывод\n");
}

TEST(TmkRoundTrip, ExportThenImportGivesTheSameFileByteForByte) {
    const std::vector<std::pair<const char*, std::string>> bases = {
        {"worked example", kTeaBase},
        {"edge cases", SerializeBase(EdgeRecepts())},
        {"empty base", Int(0)},
    };
    for (const auto& [what, bytes] : bases) {
        SCOPED_TRACE(what);
        TempDir dir;
        WriteBytes(dir.file("in.tmk"), bytes);
        const TmkRun exported = RunTmk({"export", dir.file("in.tmk")});
        ASSERT_EQ(exported.exitCode, 0) << exported.err;
        WriteBytes(dir.file("in.json"), exported.out);
        const TmkRun imported = RunTmk({"import", dir.file("in.json"), "-o", dir.file("out.tmk")});
        EXPECT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(imported.out, "");
        EXPECT_EQ(imported.err, "");
        EXPECT_EQ(ReadBytes(dir.file("out.tmk")), bytes);
        EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"in.json", "in.tmk", "out.tmk"}));
    }
}

struct ImportFailure {
    const char* what;
    std::string json; // empty: no JSON file at all
    std::string err;  // after "<json path>: "
};

TEST(TmkImport, AFailureWritesNothingAndLeavesTheOldFileAsItWas) {
    const std::vector<ImportFailure> cases = {
        {"broken JSON", "[{\"name\": \"Чай\",]",
         "Ошибка в JSON: строка 1, столбец 17 (смещение 19)"},
        {"no name", R"([{"name": "Чай"}, {"class": 2}])", "Рецепт 2: нет поля «name»"},
        {"long line", R"([{"name": "Чай", "text": [")" + std::string(300, 'x') + R"("]}])",
         "Рецепт 1 «Чай», поле «text», строка 1: длиннее 255 байт в Windows-1251 (300)"},
        {"missing JSON file", "", "Файл не удается открыть! :("},
    };
    for (const ImportFailure& c : cases) {
        SCOPED_TRACE(c.what);
        for (const bool outputExists : {false, true}) {
            TempDir dir;
            const std::string json = dir.file("in.json");
            const std::string out = dir.file("out.tmk");
            if (!c.json.empty()) {
                WriteBytes(json, c.json);
            }
            if (outputExists) {
                WriteBytes(out, kTeaBase);
            }
            const TmkRun run = RunTmk({"import", json, "-o", out});
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_EQ(run.err, json + ": " + c.err + "\n");
            std::vector<std::string> expected;
            if (!c.json.empty()) {
                expected.push_back("in.json");
            }
            if (outputExists) {
                expected.push_back("out.tmk");
                EXPECT_EQ(ReadBytes(out), kTeaBase);
            }
            EXPECT_EQ(FilesIn(dir.path()), expected);
        }
    }
}

TEST(TmkImport, AnOutputFolderThatDoesNotExistIsReported) {
    TempDir dir;
    for (const char* json : {kTeaJson, "[]"}) {
        WriteBytes(dir.file("in.json"), json);
        const std::string out = dir.file("no/such/folder.tmk");
        const TmkRun run = RunTmk({"import", dir.file("in.json"), "-o", out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, out + ": Файл не удается создать... :(\n");
    }
}

TEST(TmkImport, AnEmptyArrayGivesAnEmptyBaseFile) {
    TempDir dir;
    WriteBytes(dir.file("in.json"), "[]");
    const TmkRun run = RunTmk({"import", dir.file("in.json"), "-o", dir.file("out.tmk")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(dir.file("out.tmk")), Int(0));
}

TEST(TmkUsage, AWrongCommandLineExitsWithTwoAndNoOutput) {
    const std::vector<std::vector<std::string>> lines = {
        {},
        {"frobnicate"},
        {"--frob"},
        {"info"},
        {"info", "a.tmk", "b.tmk"},
        {"check", "--output=x", "a.tmk"},
        {"import", "in.json"},
        {"export", "a.tmk", "-o"},
        {"export", "a.tmk", "-x"},
        {"export", "a.tmk", "-o", "x", "-o", "y"},
    };
    for (const auto& args : lines) {
        SCOPED_TRACE(::testing::PrintToString(args));
        const TmkRun run = RunTmk(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("tmk", 0), 0u) << run.err;
    }
    EXPECT_EQ(RunTmk({"import", "in.json"}).err, "tmk import: не указан параметр -o ФАЙЛ\n"
                                                 "Использование: tmk import JSON -o ФАЙЛ\n"
                                                 "Справка: tmk import --help\n");
    EXPECT_EQ(RunTmk({"frobnicate"}).err, "tmk: неизвестная команда «frobnicate»\n"
                                          "Справка: tmk --help\n");
}

TEST(TmkHelp, ExplainsEveryCommandAndEachCommandOnItsOwn) {
    const TmkRun overview = RunTmk({"--help"});
    EXPECT_EQ(overview.exitCode, 0);
    for (const char* name : {"info", "check", "export", "import", "search", "merge", "sheet"}) {
        EXPECT_NE(overview.out.find(std::string("\n  ") + name + " "), std::string::npos) << name;
        const TmkRun one = RunTmk({name, "--help"});
        EXPECT_EQ(one.exitCode, 0);
        EXPECT_EQ(one.out.rfind(std::string("Использование: tmk ") + name, 0), 0u) << one.out;
        EXPECT_NE(one.out.find("-h, --help"), std::string::npos);
    }
    // Help wins over the mistakes around it.
    const TmkRun help = RunTmk({"import", "-z", "--help", "a", "b"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(help.out, RunTmk({"import", "-h"}).out);
}
