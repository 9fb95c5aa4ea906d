#include "dialogs/calculators.h"

#include <charconv>
#include <cmath>

namespace timyanka::dialogs {
namespace {

int KaloriFactor(Activity level) {
    switch (level) {
    case Activity::Passive:
        return 10;
    case Activity::Moderate:
        return 15;
    case Activity::Strenuous:
        return 20;
    }
    return 10;
}

std::string_view ZeroIfEmpty(std::string_view text) {
    return text.empty() ? std::string_view("0") : text;
}

} // namespace

std::optional<std::int32_t> ReadWholeNumber(std::string_view text) {
    // from_chars takes a minus but no plus; a plus sign is still a plain decimal integer.
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    std::int32_t value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
    if (error != std::errc() || stop != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::int64_t BelokGrams(std::int32_t weight, Activity level) {
    const std::int64_t w = weight;
    switch (level) {
    case Activity::Passive:
        return w;
    case Activity::Moderate:
        return w * 3 / 2; // w * 1.5 truncated toward zero, without rounding on the way
    case Activity::Strenuous:
        return w * 3;
    }
    return w;
}

std::int64_t KaloriPerDay(std::int32_t weight, Activity level) {
    const double pounds = static_cast<double>(weight) * kPoundsPerKilogram;
    return static_cast<std::int64_t>(std::trunc(pounds * KaloriFactor(level)));
}

CalcResult BelokResult(std::string_view weightText, Activity level) {
    const std::string_view text = ZeroIfEmpty(weightText);
    if (level == Activity::Passive) {
        return {CalcStatus::Ok, std::string(text)};
    }
    const std::optional<std::int32_t> weight = ReadWholeNumber(text);
    if (!weight) {
        return {CalcStatus::NotANumber, {}};
    }
    return {CalcStatus::Ok, std::to_string(BelokGrams(*weight, level))};
}

CalcResult KaloriResult(std::string_view weightText, Activity level) {
    const std::optional<std::int32_t> weight = ReadWholeNumber(ZeroIfEmpty(weightText));
    if (!weight) {
        return {CalcStatus::NotANumber, {}};
    }
    return {CalcStatus::Ok, std::to_string(KaloriPerDay(*weight, level))};
}

std::string NotAnIntegerMessage(std::string_view weightText) {
    return "'" + std::string(weightText) + "' не является целым числом";
}

WeightKey WeightKeyAction(char32_t typed) {
    if (typed >= U'0' && typed <= U'9') {
        return WeightKey::Insert;
    }
    if (typed == U'.' || typed == U'\b') {
        return WeightKey::ClearAndRefuse;
    }
    return WeightKey::Refuse;
}

} // namespace timyanka::dialogs
