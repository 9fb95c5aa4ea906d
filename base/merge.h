// Merging another base: the recipes of a second base file whose names the table lacks
// (ignoring letter case) are appended, in the file's order.
#pragma once

#include "base/base_file.h"
#include "base/recept.h"
#include "base/recept_store.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace timyanka::base {

struct MergeResult {
    int32_t added = 0;
    bool tableFull = false; // a recipe that should have been added did not fit
};

// Appends, in order, every recipe of `other` whose lower-cased name equals no name of the
// store, the recipes added by this merge included, marked when `markAdded`. Codes are copied
// as they stand. Stops at the first recipe that does not fit; what was added stays. Linear in
// the length of all names. `other` may be the store's own recipes: their names are all
// present, so nothing is appended while they are read.
MergeResult MergeRecepts(ReceptStore& store, std::span<const TRecept> other, bool markAdded);

struct MergeFileResult {
    LoadResult load; // anything but Ok: the file was not used and the store is unchanged
    MergeResult merge;
};

// Reads the other base file whole and merges it. The file may hold more recipes than the
// table can: its duplicates cost no room.
MergeFileResult MergeBaseFile(ReceptStore& store, const std::string& path, bool markAdded);

// The messages of the merge (UTF-8).
std::string MergeAddedMessage(int32_t added);
std::string MergeFullMessage();

} // namespace timyanka::base
