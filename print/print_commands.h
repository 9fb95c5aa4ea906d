// What the two print commands decide before a sheet is written: whether the current recipe
// can be printed, and which recipes are marked.
#pragma once

#include "base/recept_store.h"

#include <cstdint>
#include <string>
#include <vector>

namespace timyanka::print {

// Printing the current recipe: nothing happens while the list is empty, an empty base is
// reported, otherwise the recipe of the current row is printed.
enum class PrintCurrentCheck { NothingListed, EmptyBase, Ready };

PrintCurrentCheck CheckPrintCurrent(int32_t spisokCount, int32_t receptCount);

// The message for an empty base (UTF-8).
std::string EmptyBaseMessage();

// The Ids of the marked recipes in table order, whatever order the list shows; this is
// both the list shown after printing the marked recipes and the order they are printed in.
// Empty when nothing is marked, in which case nothing is printed.
std::vector<int32_t> MarkedIds(const base::ReceptStore& store);

} // namespace timyanka::print
