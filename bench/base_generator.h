// Realistic recipe bases for benchmarks and stress tests: Russian-looking Windows-1251 names,
// ingredient and text lines and plausible codes, the same for the same seed on every machine.
#pragma once

#include "base/recept.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace timyanka::bench {

inline constexpr uint64_t kDefaultSeed = 0x7133'1A2B'2024'0001;

// The shape of a generated recipe; the defaults are those of a large home cookbook.
struct RecipeShape {
    std::size_t minName = 10, maxName = 60;
    std::size_t minIngredients = 5, maxIngredients = 15;
    std::size_t minIngredientLine = 10, maxIngredientLine = 40;
    std::size_t minTextLines = 5, maxTextLines = 30;
    std::size_t minTextLine = 40, maxTextLine = 200;
};

// The code vocabularies the generator draws from.
inline constexpr int32_t kNationalCodes = 45;
inline constexpr int32_t kClassCodes = 17;
inline constexpr int32_t kPodClassCodes = 12;
inline constexpr int32_t kOsoboeCodes = 12;

// splitmix64: tiny, and unlike the standard distributions it gives the same numbers with
// every standard library.
class Rng {
public:
    explicit Rng(uint64_t seed) : state_(seed) {}
    uint64_t Next();
    // Uniform in [lo, hi], both included.
    std::size_t Between(std::size_t lo, std::size_t hi);
    // True with probability percent / 100.
    bool Percent(unsigned percent) { return Between(0, 99) < percent; }

private:
    uint64_t state_;
};

// Makes recipes one after another. Names never repeat, letter case ignored (as the program
// compares them), also against the names handed to Claim.
class BaseGenerator {
public:
    explicit BaseGenerator(uint64_t seed = kDefaultSeed, RecipeShape shape = {});

    // Marks a name as taken, so that no later recipe bears it. False when it already was.
    bool Claim(std::string_view name);

    base::TRecept Next();

    // `count` recipes with Ids from 0.
    std::vector<base::TRecept> Base(int32_t count);

private:
    std::string Name();
    std::string Line(std::size_t minLength, std::size_t maxLength, bool ingredient);
    std::string Word();

    Rng rng_;
    RecipeShape shape_;
    std::unordered_set<std::string> lowered_;
    std::vector<std::string> dishes_;
    std::vector<std::string> products_;
    std::vector<std::string> units_;
    std::vector<std::string> words_;
    std::vector<std::string> syllables_;
};

// `count` recipes from `seed`, Ids from 0.
std::vector<base::TRecept> GenerateBase(int32_t count, uint64_t seed = kDefaultSeed);

// A second base of `count` recipes to merge into `present`: every second recipe (Ids 0, 2, 4 ...)
// bears the name of a recipe of `present` in another letter case, so a merge skips it; the
// others have names that neither `present` nor this base holds yet.
std::vector<base::TRecept> GenerateMergeBase(std::span<const base::TRecept> present, int32_t count,
                                             uint64_t seed = kDefaultSeed + 1);

// Writes the recipes as a base file. False when it cannot be written.
bool WriteBaseFile(std::span<const base::TRecept> recepts, const std::string& path);

} // namespace timyanka::bench
