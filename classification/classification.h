// The classification vocabulary: cuisines, the 18 built-in classes with their sub-classes,
// and the special features, read once at start from the flags folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace timyanka::classification {

inline constexpr int kNationalCapacity = 600;
inline constexpr int kClassCapacity = 40;
inline constexpr int kOsoboeCapacity = 200;
inline constexpr int kPodClassCapacity = 50;
inline constexpr int kBuiltInClassCount = 18;

// Class indexes that the program treats specially.
inline constexpr int32_t kClassAll = 0;
inline constexpr int32_t kClassOther = 1;
inline constexpr int32_t kClassRecommendations = 17;
// The sub-class code of the catch-all " Другие" entry of every sub-class list.
inline constexpr int32_t kPodClassOther = 1;

struct TOpredelitel {
    int32_t Code = -1;
    std::string Name; // Windows-1251, exactly as read (leading blanks kept)
};

struct TOpredelitelClass {
    int32_t Code = -1;
    std::string Name;
    int32_t PodCount = 0;
    std::array<TOpredelitel, kPodClassCapacity> PodClass{};
};

// The three tables with their counters; filled by LoadClassification, then only read.
struct Classification {
    Classification();

    std::vector<TOpredelitelClass> Nationals; // kNationalCapacity entries
    int32_t NationalCount = 0;
    std::vector<TOpredelitelClass> Classes; // kClassCapacity entries
    int32_t ClassCount = 0;
    std::vector<TOpredelitel> Osobye; // kOsoboeCapacity entries
    int32_t OsoboeCount = 0;
};

// How far the load got, in the order of its steps.
enum class LoadStage { Cuisines, Specials, BuiltInClasses, SubClasses, Done };

enum class ClassificationStatus { Ok, CannotOpen, BadCode, TooManyEntries };

struct ClassificationResult {
    ClassificationStatus status = ClassificationStatus::Ok;
    LoadStage stage = LoadStage::Done; // the step the load stopped in (Done on success)
    std::string file;                  // the flags file concerned, as "flags/cuisine.txt"
    std::string field;                 // BadCode: the code field's text (Windows-1251)
    int entry = 0;                     // BadCode, TooManyEntries: the entry's index
    int capacity = 0;                  // TooManyEntries: the table's capacity
};

// Resets the tables and reads the flags files from `flagsDir` ("flags" in the working
// folder), stopping at the first file that cannot be opened or the first bad entry and
// keeping what was read up to there.
ClassificationResult LoadClassification(Classification& c, const std::string& flagsDir);

// The message the program shows for a failed load (UTF-8); empty for Ok.
std::string ClassificationMessage(const ClassificationResult& r);

// The 15 sub-class files in reading order, with the class index each belongs to.
struct SubClassFile {
    int classIndex;
    const char* fileName;
};
const std::array<SubClassFile, 15>& SubClassFiles();

inline constexpr const char* kCuisineFile = "cuisine.txt";
inline constexpr const char* kSpecialFile = "special.txt";

// Code to name: the last entry with the code wins; no match gives the empty text.
// Every entry of the table's capacity takes part, as the detail pane and the sheet need.
std::string NationalName(const Classification& c, int32_t code);
std::string OsoboeName(const Classification& c, int32_t code);
// Over the first PodCount entries of the class; empty for a class outside the table.
std::string PodClassName(const Classification& c, int32_t classIndex, int32_t code);

} // namespace timyanka::classification
