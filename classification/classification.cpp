#include "classification/classification.h"

#include "base/file_io.h"
#include "classification/class_names.h"
#include "classification/flags_reader.h"
#include "text/cp1251.h"

namespace timyanka::classification {
namespace {

constexpr int kCuisineCodeWidth = 3;
constexpr int kCodeWidth = 5;

// Reads one flags file and hands each entry to `store`, in file order.
template <typename Store>
ClassificationResult ReadFile(const std::string& dir, const char* name, int width, int capacity,
                              LoadStage stage, Store store) {
    ClassificationResult r;
    r.stage = stage;
    r.file = "flags/" + std::string(name);
    std::string contents;
    if (!base::ReadWholeFile(dir + "/" + name, contents)) {
        r.status = ClassificationStatus::CannotOpen;
        return r;
    }
    std::vector<FlagsEntry> entries;
    const FlagsResult f = ReadFlagsEntries(contents, width, capacity, entries);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        store(static_cast<int>(i), entries[i]);
    }
    r.entry = f.entry;
    switch (f.status) {
    case FlagsStatus::Ok:
        r.stage = LoadStage::Done;
        break;
    case FlagsStatus::BadCode:
        r.status = ClassificationStatus::BadCode;
        r.field = f.field;
        break;
    case FlagsStatus::TooManyEntries:
        r.status = ClassificationStatus::TooManyEntries;
        r.capacity = capacity;
        break;
    }
    return r;
}

} // namespace

Classification::Classification()
    : Nationals(kNationalCapacity), Classes(kClassCapacity), Osobye(kOsoboeCapacity) {
    // Features beyond the count hold code 0, unlike the other tables' -1.
    for (auto& o : Osobye) {
        o.Code = 0;
    }
}

const std::array<SubClassFile, 15>& SubClassFiles() {
    static constexpr std::array<SubClassFile, 15> files = {{
        {2, "sandwich.txt"},
        {3, "salad.txt"},
        {4, "soup.txt"},
        {5, "snacks.txt"},
        {6, "basic.txt"},
        {7, "flour.txt"},
        {8, "confect.txt"},
        {9, "alcohol.txt"},
        {10, "dessert.txt"},
        {11, "Garnish.txt"},
        {12, "sauce.txt"},
        {13, "nalcohol.txt"},
        {14, "airtight.txt"},
        {15, "croups.txt"},
        {16, "milk.txt"},
    }};
    return files;
}

ClassificationResult LoadClassification(Classification& c, const std::string& flagsDir) {
    for (auto& n : c.Nationals) {
        n = TOpredelitelClass{};
    }
    for (auto& k : c.Classes) {
        k = TOpredelitelClass{};
    }
    c.NationalCount = 0;
    c.ClassCount = 0;
    c.OsoboeCount = 0;

    ClassificationResult r = ReadFile(flagsDir, kCuisineFile, kCuisineCodeWidth, kNationalCapacity,
                                      LoadStage::Cuisines, [&](int i, const FlagsEntry& e) {
                                          c.Nationals[i].Code = e.code;
                                          c.Nationals[i].Name = e.name;
                                          ++c.NationalCount;
                                      });
    if (r.status != ClassificationStatus::Ok) {
        return r;
    }
    r = ReadFile(flagsDir, kSpecialFile, kCodeWidth, kOsoboeCapacity, LoadStage::Specials,
                 [&](int i, const FlagsEntry& e) {
                     c.Osobye[i].Code = e.code;
                     c.Osobye[i].Name = e.name;
                     ++c.OsoboeCount;
                 });
    if (r.status != ClassificationStatus::Ok) {
        return r;
    }
    for (int i = 0; i < kBuiltInClassCount; ++i) {
        c.Classes[i].Code = i + 1;
        c.Classes[i].Name = ClassTableName(i);
    }
    c.ClassCount = kBuiltInClassCount;

    for (const SubClassFile& f : SubClassFiles()) {
        TOpredelitelClass& k = c.Classes[f.classIndex];
        r = ReadFile(flagsDir, f.fileName, kCodeWidth, kPodClassCapacity, LoadStage::SubClasses,
                     [&](int i, const FlagsEntry& e) {
                         k.PodClass[i].Code = e.code;
                         k.PodClass[i].Name = e.name;
                         ++k.PodCount;
                     });
        if (r.status != ClassificationStatus::Ok) {
            return r;
        }
    }
    return {};
}

std::string ClassificationMessage(const ClassificationResult& r) {
    switch (r.status) {
    case ClassificationStatus::Ok:
        return {};
    case ClassificationStatus::CannotOpen:
        return "Файл не удается открыть! :(";
    case ClassificationStatus::BadCode:
        return "'" + text::Cp1251ToUtf8(r.field) + "' не является целым числом";
    case ClassificationStatus::TooManyEntries:
        return "В файле \"" + r.file + "\" больше записей, чем может вместить программа (" +
               std::to_string(r.capacity) + ")! :(";
    }
    return {};
}

namespace {

template <typename Table>
std::string LastMatch(const Table& table, std::size_t count, int32_t code) {
    std::string name;
    for (std::size_t i = 0; i < count && i < table.size(); ++i) {
        if (table[i].Code == code) {
            name = table[i].Name;
        }
    }
    return name;
}

} // namespace

std::string NationalName(const Classification& c, int32_t code) {
    return LastMatch(c.Nationals, c.Nationals.size(), code);
}

std::string OsoboeName(const Classification& c, int32_t code) {
    return LastMatch(c.Osobye, c.Osobye.size(), code);
}

std::string PodClassName(const Classification& c, int32_t classIndex, int32_t code) {
    if (classIndex < 0 || classIndex >= static_cast<int32_t>(c.Classes.size())) {
        return {};
    }
    const TOpredelitelClass& k = c.Classes[static_cast<std::size_t>(classIndex)];
    return LastMatch(k.PodClass, static_cast<std::size_t>(k.PodCount), code);
}

} // namespace timyanka::classification
