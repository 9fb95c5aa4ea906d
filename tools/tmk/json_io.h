// Recipes to JSON and back, the format of `tmk export` and `tmk import`: an array of recipe
// objects in UTF-8. Reading checks every field against what a base file can hold, so that
// a recipe which passes is saved exactly as given.
#pragma once

#include "base/recept.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace timyanka::tmk {

using Json = nlohmann::ordered_json;

// The keys of a recipe object, in the order export writes them.
inline constexpr std::string_view kKeyId = "id";
inline constexpr std::string_view kKeyNational = "national";
inline constexpr std::string_view kKeyName = "name";
inline constexpr std::string_view kKeyIngredients = "ingredients";
inline constexpr std::string_view kKeyText = "text";
inline constexpr std::string_view kKeyClass = "class";
inline constexpr std::string_view kKeyPodClass = "podclass";
inline constexpr std::string_view kKeyOsoboe = "osoboe";

Json ReceptsToJson(std::span<const base::TRecept> recepts);

// The document as export writes it: indented by two blanks, ending in a newline.
std::string ReceptsToJsonText(std::span<const base::TRecept> recepts);

enum class ImportStatus { Ok, InvalidJson, NotAnArray, TooManyRecepts, BadRecept };

struct ImportResult {
    ImportStatus status = ImportStatus::Ok;
    std::vector<base::TRecept> recepts; // Ok: the recipes, Ids from 0, no marks
    std::string message;                // Russian (UTF-8), empty for Ok

    // InvalidJson: where the parser stopped (line and column from 1, offset from 0).
    std::size_t line = 0;
    std::size_t column = 0;
    std::size_t offset = 0;

    // BadRecept: the recipe's position in the array (from 1), the key concerned and, for a
    // list field, the line (from 1; 0 for the field as a whole).
    std::size_t recept = 0;
    std::string field;
    std::size_t fieldLine = 0;
};

// Checks and converts a parsed document. More than `capacity` recipes are refused.
ImportResult ReceptsFromJson(const Json& doc, int32_t capacity);

// Parses JSON text and converts it. Bad input of any kind is reported, never thrown.
ImportResult ReceptsFromJsonText(std::string_view text, int32_t capacity);

} // namespace timyanka::tmk
