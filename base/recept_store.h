// The recipe table of the running program. Every change goes through the operations below,
// which keep each recipe's Id equal to its position.
#pragma once

#include "base/recept.h"

#include <cstdint>
#include <span>
#include <vector>

namespace timyanka::base {

inline constexpr int32_t kDefaultReceptCapacity = 100000;

enum class AppendStatus { Ok, Full };

// The last change of the stored fields other than an append, so that copies kept beside the
// store (the search index) can follow one edit without starting over.
struct StoreEdit {
    enum class Kind { None, Change, Delete, Replace } kind = Kind::None;
    int32_t id = -1;
};

class ReceptStore {
public:
    explicit ReceptStore(int32_t capacity = kDefaultReceptCapacity);

    int32_t Capacity() const { return capacity_; }
    int32_t ReceptCount() const { return static_cast<int32_t>(recepts_.size()); }
    bool IsFull() const { return ReceptCount() >= capacity_; }

    // The recipe with this Id; id must be below ReceptCount().
    const TRecept& Recept(int32_t id) const { return recepts_[static_cast<std::size_t>(id)]; }
    // All recipes in Id order (the enumeration).
    std::span<const TRecept> Recepts() const { return recepts_; }

    // No recipes, no marks.
    void ClearBase();

    // Puts a copy of the recipe's stored fields at position ReceptCount with the given mark.
    // A full table is reported and left unchanged.
    AppendStatus AppendRecept(const TRecept& recept, bool selected);
    AppendStatus AppendRecept(TRecept&& recept, bool selected);

    // Overwrites the stored fields of one recipe; its Id and mark stay.
    void ChangeRecept(int32_t id, const TRecept& recept);

    // Removes one recipe; those after it move up one place and take their new positions as
    // Id, each keeping its own mark.
    void DeleteRecept(int32_t id);

    void SetSelected(int32_t id, bool selected);
    void ToggleSelected(int32_t id);
    void ClearMarks();

    // Replaces the whole table with recipes read from a file: Ids are set from the
    // positions and every mark is cleared. The caller guarantees the capacity.
    void ReplaceAll(std::vector<TRecept>&& recepts);

    // Grows with every change of stored fields except appends (marks do not count).
    uint64_t Revision() const { return revision_; }
    // What the change that made the current revision was.
    StoreEdit LastEdit() const { return lastEdit_; }

private:
    void Edited(StoreEdit::Kind kind, int32_t id) {
        ++revision_;
        lastEdit_ = {kind, id};
    }

    int32_t capacity_;
    std::vector<TRecept> recepts_;
    uint64_t revision_ = 0;
    StoreEdit lastEdit_;
};

} // namespace timyanka::base
