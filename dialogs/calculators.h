// The arithmetic of the protein and calorie calculators and the rule by which their weight
// field takes typed characters, kept apart from the windows so that both can be checked
// case by case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace timyanka::dialogs {

// The three activity buttons RB1, RB2, RB3.
enum class Activity { Passive, Moderate, Strenuous };

// Pounds per kilogram as the calorie estimate has always used it: 1 / 0.4536 cut to 16
// digits, a little below the true quotient. Weights whose exact product would be whole
// therefore come out one lower (567 kg at the passive level gives 12499); that is the
// program's known result, so the constant must stay exactly this.
inline constexpr double kPoundsPerKilogram = 2.204585537918871;

// The weight field's text read as a decimal integer: an optional sign and at least one of
// the digits 0-9, nothing else, within the range of a 32-bit integer.
std::optional<std::int32_t> ReadWholeNumber(std::string_view text);

// Grams of protein per day for the moderate and strenuous levels; the passive level is
// one gram per kilogram.
std::int64_t BelokGrams(std::int32_t weight, Activity level);

// Calories per day: (weight * pounds per kilogram) * 10, 15 or 20, truncated.
std::int64_t KaloriPerDay(std::int32_t weight, Activity level);

enum class CalcStatus { Ok, NotANumber };

struct CalcResult {
    CalcStatus status = CalcStatus::Ok;
    std::string text; // what the result label shows when status is Ok
};

// What the result label of the protein calculator shows for the weight text. The passive
// level shows the text itself, byte for byte, whether it is a number or not; an empty
// text counts as "0".
CalcResult BelokResult(std::string_view weightText, Activity level);

// What the result label of the calorie calculator shows; an empty text counts as "0".
CalcResult KaloriResult(std::string_view weightText, Activity level);

// The message for a weight text that is no number (UTF-8 in, UTF-8 out).
std::string NotAnIntegerMessage(std::string_view weightText);

// What a typed character does to the weight field.
enum class WeightKey {
    Insert,         // a digit: typed as usual
    ClearAndRefuse, // full stop or Backspace: the field is emptied, the key refused, a beep
    Refuse,         // anything else: refused with a beep
};

WeightKey WeightKeyAction(char32_t typed);

} // namespace timyanka::dialogs
