// Checks the working folder the build assembles: the vocabularies follow the rules the
// pickers, the filter and the add dialog rely on, and the sample cookbook is complete.
#include "base/base_file.h"
#include "base/file_io.h"
#include "classification/class_names.h"
#include "classification/classification.h"
#include "classification/flags_reader.h"
#include "text/cp1251.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>

using namespace timyanka;
using classification::FlagsEntry;

namespace {

const std::string kWorkdir = TIMYANKA_WORKDIR;

struct VocabularyFile {
    std::string name;
    int width;
    bool subClasses;
};

std::vector<VocabularyFile> Files() {
    std::vector<VocabularyFile> files = {{"cuisine.txt", 3, false}, {"special.txt", 5, false}};
    for (const auto& f : classification::SubClassFiles()) {
        files.push_back({f.fileName, 5, true});
    }
    return files;
}

// Russian alphabetical order of small letters, Ё after Е, for checking the files' order.
std::string AlphabetKey(const std::string& name) {
    std::string key;
    for (char c : text::AnsiLowerCase(name)) {
        const auto b = static_cast<unsigned char>(c);
        if (b == 0xB8) { // ё
            key += "\xE5\x01";
        } else {
            key.push_back(c);
        }
    }
    return key;
}

std::vector<FlagsEntry> ReadEntries(const VocabularyFile& f, std::string* raw = nullptr) {
    std::string contents;
    EXPECT_TRUE(base::ReadWholeFile(kWorkdir + "/flags/" + f.name, contents)) << f.name;
    std::vector<FlagsEntry> entries;
    const auto r = classification::ReadFlagsEntries(contents, f.width, 600, entries);
    EXPECT_EQ(r.status, classification::FlagsStatus::Ok) << f.name;
    if (raw) {
        *raw = contents;
    }
    return entries;
}

} // namespace

TEST(ShippedVocabularies, LoadWithTheProgramsReader) {
    classification::Classification c;
    const auto r = classification::LoadClassification(c, kWorkdir + "/flags");
    ASSERT_EQ(r.status, classification::ClassificationStatus::Ok) << r.file;
    EXPECT_GE(c.NationalCount, 41); // " Все" and at least 40 cuisines
    EXPECT_GE(c.OsoboeCount, 11);
}

TEST(ShippedVocabularies, FollowTheFormatAndTheRulesOfThePickers) {
    const std::string all = classification::PseudoAll();
    const std::string others = classification::PseudoOthers();
    for (const VocabularyFile& f : Files()) {
        SCOPED_TRACE(f.name);
        std::string raw;
        const auto entries = ReadEntries(f, &raw);
        ASSERT_GE(entries.size(), 2u);
        EXPECT_NE(raw.back(), '\n');
        EXPECT_EQ(raw.find('\r'), std::string::npos);
        EXPECT_EQ(entries[0].name, all);

        std::set<int32_t> codes;
        for (const FlagsEntry& e : entries) {
            EXPECT_NE(e.code, 0) << text::Cp1251ToUtf8(e.name);
            EXPECT_TRUE(codes.insert(e.code).second) << "code " << e.code << " twice";
            const bool pseudo = e.name == all || (f.subClasses && e.name == others);
            EXPECT_EQ(!e.name.empty() && e.name[0] == ' ', pseudo) << text::Cp1251ToUtf8(e.name);
        }
        std::size_t firstReal = 1;
        if (f.subClasses) {
            ASSERT_EQ(entries[1].name, others);
            EXPECT_EQ(entries[1].code, classification::kPodClassOther);
            firstReal = 2;
            const std::size_t real = entries.size() - firstReal;
            EXPECT_GE(real, 5u);
            EXPECT_LE(real, 15u);
        }
        for (std::size_t i = firstReal + 1; i < entries.size(); ++i) {
            EXPECT_LT(AlphabetKey(entries[i - 1].name), AlphabetKey(entries[i].name))
                << text::Cp1251ToUtf8(entries[i].name) << " is out of alphabetical order";
        }
    }
}

TEST(ShippedCookbook, IsCompleteAndEveryCodeResolves) {
    classification::Classification c;
    ASSERT_EQ(classification::LoadClassification(c, kWorkdir + "/flags").status,
              classification::ClassificationStatus::Ok);
    std::vector<base::TRecept> recepts;
    const auto r = base::ReadBaseFile(kWorkdir + "/BaseRecept.tmk", 100000, recepts);
    ASSERT_EQ(r.status, base::LoadStatus::Ok);
    EXPECT_GE(recepts.size(), 60u);

    std::map<int32_t, int> perClass;
    std::set<std::string> names;
    for (const base::TRecept& rec : recepts) {
        const std::string name = text::Cp1251ToUtf8(rec.Name);
        SCOPED_TRACE(name);
        ++perClass[rec.Class];
        EXPECT_TRUE(names.insert(text::AnsiLowerCase(rec.Name)).second) << "name twice";
        EXPECT_FALSE(rec.Name.empty());
        EXPECT_LE(rec.Name.size(), 200u);
        EXPECT_FALSE(rec.Text.empty());
        ASSERT_GE(rec.Class, 1);
        ASSERT_LE(rec.Class, 17);
        if (rec.Class == classification::kClassRecommendations) {
            EXPECT_TRUE(rec.Ingridient.empty());
            EXPECT_EQ(rec.PodClass, -1);
            EXPECT_EQ(rec.Osoboe, -1);
            continue;
        }
        EXPECT_FALSE(rec.Ingridient.empty());
        EXPECT_NE(classification::NationalName(c, rec.National), "");
        EXPECT_NE(rec.National, c.Nationals[0].Code) << "the cuisine is \" Все\"";
        EXPECT_NE(classification::OsoboeName(c, rec.Osoboe), "");
        EXPECT_NE(rec.Osoboe, c.Osobye[0].Code) << "the feature is \" Все\"";
        if (rec.Class == classification::kClassOther) {
            EXPECT_EQ(rec.PodClass, -1);
        } else {
            EXPECT_NE(classification::PodClassName(c, rec.Class, rec.PodClass), "");
            EXPECT_NE(rec.PodClass, c.Classes[rec.Class].PodClass[0].Code);
        }
    }
    for (int32_t k = 1; k <= 17; ++k) {
        EXPECT_GE(perClass[k], 2) << "class " << k;
    }
}

TEST(ShippedCookbook, TmkChecksItAndCountsItsClasses) {
    const std::string base = kWorkdir + "/BaseRecept.tmk";
    EXPECT_EQ(std::system((std::string(TIMYANKA_TMK) + " check '" + base + "'").c_str()), 0);
    FILE* p = popen((std::string(TIMYANKA_TMK) + " info '" + base + "'").c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) {
        out += buf;
    }
    EXPECT_EQ(pclose(p), 0);
    EXPECT_NE(out.find("Рекомендации"), std::string::npos) << out;
    EXPECT_NE(out.find("Супы"), std::string::npos) << out;
}
