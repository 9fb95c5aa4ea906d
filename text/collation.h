// Alphabetical order of Windows-1251 names, letter case ignored, as the desktop's Russian
// collation gives it, computed from per-character weights: sorting a whole base by name
// needs no conversion and no collation keys.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace timyanka::text {

// Whether every character of the name weighs as one letter. A few signs ("…", "№", "™") weigh
// as several; names holding them are left to the desktop's collator.
bool HasPlainCollation(std::string_view name);

// <0, 0 or >0 as a comes before, together with or after b. Both names must be plain.
int ComparePlainNames(std::string_view a, std::string_view b);

// The positions of the names in that order (names that compare equal in no fixed order). All
// names must be plain.
std::vector<std::size_t> PlainSortOrder(std::span<const std::string_view> names);

} // namespace timyanka::text
