#include "classification/class_names.h"
#include "classification/classification.h"
#include "classification/flags_reader.h"

#include "test_util.h"

#include <gtest/gtest.h>

using namespace timyanka::classification;
using timyanka::testing::TempDir;
using timyanka::testing::W;
using timyanka::testing::WriteBytes;
namespace fs = std::filesystem;

namespace {

// A complete flags folder of small valid files.
void WriteFlags(const TempDir& dir) {
    fs::create_directories(dir.path() / "flags");
    auto put = [&](const std::string& name, const char* utf8) {
        WriteBytes((dir.path() / "flags" / name).string(), W(utf8));
    };
    put("cuisine.txt", "  1  Все\n  2 Грузинская\n  3 Русская");
    put("special.txt", "    1  Все\r\n    2 Постное\r\n    3 Праздничное");
    for (const SubClassFile& f : SubClassFiles()) {
        put(f.fileName, "    2  Все\n    1  Другие\n   10 Первое\n   11 Второе");
    }
}

std::string Flags(const TempDir& dir) {
    return (dir.path() / "flags").string();
}

std::vector<FlagsEntry> Read(const std::string& contents, int width, FlagsResult* result = nullptr,
                             int capacity = 600) {
    std::vector<FlagsEntry> out;
    const FlagsResult r = ReadFlagsEntries(contents, width, capacity, out);
    if (result) {
        *result = r;
    }
    return out;
}

} // namespace

TEST(FlagsReader, CodeFieldsOfTheCuisineFile) {
    struct Case {
        std::string field;
        bool ok;
    } cases[] = {{"007", true},  {"  7", true}, {"+07", true},  {"7  ", false},
                 {"   ", false}, {"-07", true}, {"0x7", false}, {"7a ", false}};
    for (const Case& c : cases) {
        FlagsResult r;
        const auto entries = Read(c.field + " Name", 3, &r);
        if (c.ok) {
            ASSERT_EQ(entries.size(), 1u) << c.field;
            EXPECT_EQ(std::abs(entries[0].code), 7) << c.field;
            EXPECT_EQ(entries[0].name, "Name");
        } else {
            EXPECT_EQ(r.status, FlagsStatus::BadCode) << c.field;
            EXPECT_EQ(r.field, c.field);
            EXPECT_TRUE(entries.empty());
        }
    }
}

TEST(FlagsReader, ACodeWrittenShorterThanTheFieldIsAFormatError) {
    FlagsResult r;
    Read("7 Русская", 3, &r);
    EXPECT_EQ(r.status, FlagsStatus::BadCode);
    EXPECT_EQ(r.field, "7 \xD0");
}

TEST(FlagsReader, NamesKeepLeadingBlanksAndLoseTheirLineEnds) {
    const auto e = Read(W("  1  Все\r\n  2 Все\n  3 Третья"), 3);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].name, W(" Все"));
    EXPECT_EQ(e[1].name, W("Все"));
    EXPECT_EQ(e[2].name, W("Третья"));
}

TEST(FlagsReader, TrailingLineBreaksAndEmptyFilesEndCleanly) {
    EXPECT_EQ(Read("  1 A\n", 3).size(), 1u);
    EXPECT_EQ(Read("  1 A\r\n\r\n\n", 3).size(), 1u);
    FlagsResult r;
    EXPECT_TRUE(Read("", 3, &r).empty());
    EXPECT_EQ(r.status, FlagsStatus::Ok);
}

TEST(FlagsReader, AnEmptyLineInTheMiddleIsAFormatErrorKeepingWhatWasRead) {
    FlagsResult r;
    const auto e = Read("  1 A\n\n  2 B", 3, &r);
    EXPECT_EQ(r.status, FlagsStatus::BadCode);
    EXPECT_EQ(r.entry, 1);
    EXPECT_EQ(e.size(), 1u);
}

TEST(FlagsReader, ALongLineIsCutAndItsRestReadAsTheNextCodeField) {
    const std::string name(248, 'n');
    EXPECT_EQ(Read("  1 " + name + "\n  2 B", 3)[0].name, name);
    FlagsResult r;
    const auto e = Read("  1 " + name + "xyz1 B", 3, &r);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].name, name + "x");
    EXPECT_EQ(r.status, FlagsStatus::BadCode);
    EXPECT_EQ(r.field, "yz1");
}

TEST(FlagsReader, AnEntryBeyondTheCapacityIsAnError) {
    FlagsResult r;
    const auto e = Read("  1 A\n  2 B\n  3 C", 3, &r, 2);
    EXPECT_EQ(r.status, FlagsStatus::TooManyEntries);
    EXPECT_EQ(e.size(), 2u);
}

TEST(Classification, LoadsTheFilesAndTheBuiltInClasses) {
    TempDir dir;
    WriteFlags(dir);
    Classification c;
    const ClassificationResult r = LoadClassification(c, Flags(dir));
    ASSERT_EQ(r.status, ClassificationStatus::Ok) << r.file;
    EXPECT_EQ(c.NationalCount, 3);
    EXPECT_EQ(c.Nationals[0].Name, W(" Все"));
    EXPECT_EQ(c.Nationals[2].Code, 3);
    EXPECT_EQ(c.Nationals[3].Code, -1);
    EXPECT_EQ(c.OsoboeCount, 3);
    EXPECT_EQ(c.Osobye[1].Name, W("Постное"));
    EXPECT_EQ(c.Osobye[3].Code, 0);
    EXPECT_EQ(c.ClassCount, 18);
    EXPECT_EQ(c.Classes[0].Name, W(" Все"));
    EXPECT_EQ(c.Classes[11].Name, W("Гарниры и полуфабрикаты"));
    EXPECT_EQ(c.Classes[11].Code, 12);
    EXPECT_EQ(c.Classes[17].Name, W(" Рекомендации"));
    EXPECT_EQ(c.Classes[4].PodCount, 4);
    EXPECT_EQ(c.Classes[4].PodClass[1].Name, W(" Другие"));
    EXPECT_EQ(c.Classes[4].PodClass[4].Code, -1);
    EXPECT_EQ(c.Classes[1].PodCount, 0);
    EXPECT_EQ(c.Classes[18].Code, -1);
}

TEST(Classification, AMissingGarnishFileStopsTheLoadThere) {
    TempDir dir;
    WriteFlags(dir);
    fs::remove(dir.path() / "flags" / "Garnish.txt");
    // The name is exact: a lower-case file does not stand in for it.
    WriteBytes((dir.path() / "flags" / "garnish.txt").string(), "    1 x");
    Classification c;
    const ClassificationResult r = LoadClassification(c, Flags(dir));
    EXPECT_EQ(r.status, ClassificationStatus::CannotOpen);
    EXPECT_EQ(r.stage, LoadStage::SubClasses);
    EXPECT_EQ(r.file, "flags/Garnish.txt");
    EXPECT_EQ(ClassificationMessage(r), "Файл не удается открыть! :(");
    EXPECT_EQ(c.Classes[10].PodCount, 4); // dessert.txt, read before
    EXPECT_EQ(c.Classes[12].PodCount, 0); // sauce.txt, never read
}

TEST(Classification, ABadCodeStopsAtThatEntryKeepingWhatWasRead) {
    TempDir dir;
    WriteFlags(dir);
    WriteBytes((dir.path() / "flags" / "special.txt").string(),
               W("    1  Все\n    2 Постное\n   x3 Острое\n    4 Детское"));
    Classification c;
    const ClassificationResult r = LoadClassification(c, Flags(dir));
    EXPECT_EQ(r.status, ClassificationStatus::BadCode);
    EXPECT_EQ(r.stage, LoadStage::Specials);
    EXPECT_EQ(ClassificationMessage(r), "'   x3' не является целым числом");
    EXPECT_EQ(c.NationalCount, 3);
    EXPECT_EQ(c.OsoboeCount, 2);
    EXPECT_EQ(c.ClassCount, 0);
}

TEST(Classification, TwoEntriesWithOneCodeAreKeptAndTheLaterNamesTheCode) {
    TempDir dir;
    WriteFlags(dir);
    WriteBytes((dir.path() / "flags" / "cuisine.txt").string(),
               W("  1  Все\n  5 Первая\n  5 Вторая"));
    Classification c;
    ASSERT_EQ(LoadClassification(c, Flags(dir)).status, ClassificationStatus::Ok);
    EXPECT_EQ(c.NationalCount, 3);
    EXPECT_EQ(NationalName(c, 5), W("Вторая"));
    EXPECT_EQ(NationalName(c, 99), "");
    EXPECT_EQ(OsoboeName(c, 2), W("Постное"));
    // Features beyond the count hold code 0, so code 0 names nothing.
    EXPECT_EQ(OsoboeName(c, 0), "");
    EXPECT_EQ(PodClassName(c, 4, 11), W("Второе"));
    EXPECT_EQ(PodClassName(c, 40, 11), "");
}

TEST(ClassNames, TheFourListsByClassIndex) {
    EXPECT_EQ(ClassPickerText(0), W(" ВСЕ"));
    EXPECT_EQ(ClassPickerText(13), W("НАПИТКИ БЕЗАЛКОГОЛЬНЫЕ"));
    EXPECT_EQ(ClassDetailName(13), W("Напитки без алкогольные"));
    EXPECT_EQ(ClassSheetName(13), W("Напитки без алкогольные"));
    EXPECT_EQ(ClassTableName(13), W("Напитки безалкогольные"));
    EXPECT_EQ(ClassDetailName(17), W("Рекомендации"));
    EXPECT_EQ(ClassSheetName(17), "");
    EXPECT_EQ(ClassDetailName(0), "");
    EXPECT_EQ(ClassDetailName(18), "");
    EXPECT_EQ(ClassDetailName(-1), "");
    EXPECT_EQ(ClassIndexOfPickerText(W(" РЕКОМЕНДАЦИИ")), 17);
    EXPECT_EQ(ClassIndexOfPickerText(W(" Рекомендации")), -1);
}
