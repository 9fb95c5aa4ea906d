// Finding recipes by words. SearchIndex keeps the lower-cased name, ingredients and text of
// every recipe in flat buffers, so that a search only scans memory and never lower-cases or
// allocates per recipe; Matches and Search apply the one matching rule of the program.
#pragma once

#include "base/recept.h"
#include "base/recept_store.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace timyanka::base {

// The search panel offers this many word fields.
inline constexpr int kMaxSearchWords = 5;

// Which parts of a recipe are searched; they are tried in this order.
struct SearchFields {
    bool name = true;
    bool ingredients = false;
    bool text = false;
};

// The words and fields of one search, lower-cased once when the search starts.
class SearchQuery {
public:
    // Words in Windows-1251 exactly as typed (no trimming). Empty words are dropped: an empty
    // word would occur everywhere. A query left without words matches nothing.
    SearchQuery(std::span<const std::string> words, SearchFields fields);

    const std::vector<std::string>& Words() const { return words_; }
    SearchFields Fields() const { return fields_; }
    bool Empty() const { return words_.empty(); }

private:
    std::vector<std::string> words_;
    SearchFields fields_;
};

enum class SearchField { Name, Ingredients, Text };

// The lower-cased texts of a recipe table, one buffer per field with the recipes' slices in Id
// order; the lines of a field are joined with nothing between them.
//
// The index does not watch the store: whoever changes the store tells the index right after,
// so that recipe i of the index is always recipe i of the store:
//   LoadBase, ReplaceAll     -> Rebuild(store)
//   ClearBase                -> Clear()
//   AppendRecept (Ok)        -> Append(recipe), or AppendFrom(store) after several (a merge)
//   ChangeRecept(id, r)      -> Change(id, r)
//   DeleteRecept(id)         -> Delete(id)
// Rebuild and Append cost the size of what they add. Change and Delete move the bytes behind
// the recipe, tens of milliseconds on a base of 100,000 recipes: right for one edit by the
// user; for wholesale changes call Rebuild. Ids out of range are ignored by every operation.
class SearchIndex {
public:
    SearchIndex() = default;
    explicit SearchIndex(const ReceptStore& store) { Rebuild(store); }

    void Rebuild(const ReceptStore& store);
    void Rebuild(std::span<const TRecept> recepts);
    void Clear();
    void Append(const TRecept& recept);
    // Appends the store's recipes from Count() on.
    void AppendFrom(const ReceptStore& store);
    void Change(int32_t id, const TRecept& recept);
    void Delete(int32_t id);

    // Brings the index in step with the store, whatever was done to it since the last Sync
    // or Rebuild from it: appends are added, a single change or delete is followed, anything
    // else rebuilds. The window syncs before every search, so it never searches stale text.
    void Sync(const ReceptStore& store);

    int32_t Count() const { return static_cast<int32_t>(name_.offsets.size() - 1); }
    bool InStepWith(const ReceptStore& store) const { return Count() == store.ReceptCount(); }

    // The lower-cased, joined text of one field of a recipe; empty for an Id out of range.
    std::string_view Field(SearchField field, int32_t id) const;

private:
    struct Column {
        std::string bytes;
        std::vector<std::size_t> offsets{0}; // recipe i is bytes[offsets[i], offsets[i + 1])

        void Clear();
        void Replace(int32_t id, std::string_view lowered);
        void Erase(int32_t id);
        std::string_view Slice(int32_t id) const;
    };

    const Column& ColumnOf(SearchField field) const;

    Column name_;
    Column ingredients_;
    Column text_;
    uint64_t revision_ = 0;  // the store revision the index shows
    bool fromStore_ = false; // built from a store (Rebuild(store) or Sync)
};

// The matching rule: the recipe matches when every word occurs, as a substring anywhere, in
// one and the same of the chosen fields; an Id outside the index never matches.
bool Matches(const SearchIndex& index, int32_t id, const SearchQuery& query);

// The matching candidates in candidate order, each Id at most once.
std::vector<int32_t> Search(const SearchIndex& index, std::span<const int32_t> candidates,
                            const SearchQuery& query);

} // namespace timyanka::base
