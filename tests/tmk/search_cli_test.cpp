// tmk search end to end: the program's matching rule on a small base, and grep's exit codes.
#include "base/base_file.h"
#include "fixtures.h"
#include "run_tmk.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace timyanka::testing;
using timyanka::base::SerializeBase;

namespace {

// Names, ingredients and texts laid out so that each case below finds exactly its recipes.
std::string Cookbook() {
    return SerializeBase(std::vector{
        Named("Борщ украинский", {"свекла", "капуста"}, {"Варить час."}),
        Named("Фасоль с грибами", {"фасоль", "грибы"}, {"Тушить с луком."}),
        Named("Курица жареная", {"соль", "рис"}, {"Жарить."}),
        Named("Плов", {"курица", "рис"}, {"Тушить."}),
        Named("Суп гороховый", {"горох", "соль", "перец"}, {"Варить."}),
        Named("Tea-Latte", {"milk"}, {}),
        Named("", {}, {}),
    });
}

struct SearchCase {
    std::vector<std::string> args; // after the file
    std::string out;
    int exitCode;
};

} // namespace

TEST(TmkSearch, FindsWhatTheProgramsWholeBaseSearchFinds) {
    const std::vector<SearchCase> cases = {
        // The name alone by default, as the panel starts.
        {{"сол"}, "1\tФасоль с грибами\n", 0},
        {{"--name", "рис"}, "", 1},
        {{"БОРЩ"}, "0\tБорщ украинский\n", 0},
        {{"LATTE"}, "5\tTea-Latte\n", 0},
        {{"украин", "бор"}, "0\tБорщ украинский\n", 0},
        {{"--ingr", "соль"}, "1\tФасоль с грибами\n2\tКурица жареная\n4\tСуп гороховый\n", 0},
        {{"--text", "ЛУКОМ"}, "1\tФасоль с грибами\n", 0},
        {{"--text", "фасоль"}, "", 1},
        // All words in one field: a name and an ingredient do not add up.
        {{"--name", "--ingr", "курица", "рис"}, "3\tПлов\n", 0},
        // The lines of a field are joined with nothing between them.
        {{"--ingr", "льпер"}, "4\tСуп гороховый\n", 0},
        {{"--ingr", "ь п"}, "", 1},
        {{"--name", "--text", "варить"}, "0\tБорщ украинский\n4\tСуп гороховый\n", 0},
        // A leading blank is part of the word.
        {{" суп"}, "", 1},
        {{"", "суп"}, "4\tСуп гороховый\n", 0},
        {{"нет", "такого"}, "", 1},
        // A word that begins with a dash follows "--".
        {{"--", "-latte"}, "5\tTea-Latte\n", 0},
    };
    TempDir dir;
    const std::string path = dir.file("book.tmk");
    WriteBytes(path, Cookbook());
    for (const SearchCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        std::vector<std::string> args = {"search", path};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const TmkRun run = RunTmk(args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.out, c.out);
        EXPECT_EQ(run.err, "");
    }
}

TEST(TmkSearch, ControlCharactersOfANameDoNotReachTheTerminal) {
    TempDir dir;
    WriteBytes(dir.file("b.tmk"), SerializeBase(std::vector{Named("Чай\x1B[2J\nдва\tтри")}));
    const TmkRun run = RunTmk({"search", dir.file("b.tmk"), "чай"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "0\tЧай\\u001B[2J\\u000Aдва\\u0009три\n");
}

struct SearchError {
    const char* what;
    std::vector<std::string> args; // "F" stands for the base file
    std::string err;               // the first line of the message, "F" for the file
};

TEST(TmkSearch, AnErrorExitsWithTwoAndPrintsNoResult) {
    TempDir dir;
    const std::string good = dir.file("book.tmk");
    const std::string cut = dir.file("cut.tmk");
    const std::string missing = dir.file("missing.tmk");
    WriteBytes(good, Cookbook());
    WriteBytes(cut, kTeaBase.substr(0, 50));
    const std::vector<SearchError> cases = {
        {"six words",
         {good, "а", "б", "в", "г", "д", "е"},
         "tmk search: слов для поиска больше 5 (6)"},
        {"no word", {good}, "tmk search: не указаны слова для поиска"},
        {"only empty words", {good, "", ""}, "tmk search: не указаны слова для поиска"},
        {"no file", {}, "tmk search: не хватает аргументов"},
        {"unknown option", {good, "--all", "суп"}, "tmk search: неизвестный параметр «--all»"},
        {"a character the code page lacks",
         {good, "суп", "чай✓"},
         "tmk search: слово 2 «чай✓»: знака «✓» (U+2713) нет в Windows-1251"},
        {"not UTF-8", {good, "ч\xFF"}, "tmk search: слово 1: неправильный UTF-8 (байт 2)"},
        {"missing file", {missing, "суп"}, missing + ": Файл не удается открыть! :("},
        {"malformed file",
         {cut, "чай"},
         cut + ": Файл поврежден или не является базой рецептов! :("},
    };
    for (const SearchError& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> args = {"search"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const TmkRun run = RunTmk(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.err);
    }
    // A malformed file is explained as check explains it.
    EXPECT_EQ(RunTmk({"search", cut, "чай"}).err, RunTmk({"check", cut}).err);
}

TEST(TmkSearch, FiveWordsAreAllowed) {
    TempDir dir;
    WriteBytes(dir.file("b.tmk"), SerializeBase(std::vector{Named("абвгд")}));
    const TmkRun run = RunTmk({"search", dir.file("b.tmk"), "а", "б", "в", "г", "д"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0\tабвгд\n");
}

TEST(TmkSearch, MatchesThatNeverReachTheirReaderAreAnErrorNotASuccess) {
    if (!std::filesystem::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    TempDir dir;
    WriteBytes(dir.file("book.tmk"), Cookbook());
    const TmkRun run = RunTmk({"search", dir.file("book.tmk"), "суп"}, "/dev/full");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "tmk: не удается записать результат в стандартный вывод\n");
}
