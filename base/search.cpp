#include "base/search.h"

#include "text/cp1251.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace timyanka::base {
namespace {

void LowerInPlace(char* p, std::size_t n) {
    const auto& lower = text::LowerTable();
    for (std::size_t i = 0; i < n; ++i) {
        p[i] = static_cast<char>(lower[static_cast<unsigned char>(p[i])]);
    }
}

void AppendLowered(std::string& out, std::string_view s) {
    const std::size_t at = out.size();
    out.append(s);
    LowerInPlace(out.data() + at, s.size());
}

void AppendLowered(std::string& out, const Lines& lines) {
    for (const std::string& line : lines) {
        AppendLowered(out, line);
    }
}

std::size_t JoinedSize(const Lines& lines) {
    std::size_t n = 0;
    for (const std::string& line : lines) {
        n += line.size();
    }
    return n;
}

// Whether `needle` occurs in `hay`. Most recipes hold none of the words, so the time goes into
// rejecting: sixteen positions at a time are tested for the needle's first and last byte, and
// only the rare candidates are compared whole. glibc's memmem pays a table set-up on every
// call and crawls over two-letter words; this stays at memory speed on the short slices of a
// recipe. Loads never reach beyond `hay`.
bool Contains(std::string_view hay, std::string_view needle) {
    const std::size_t len = hay.size();
    const std::size_t nl = needle.size();
    if (nl == 0) {
        return true;
    }
    if (nl > len) {
        return false;
    }
    const char* h = hay.data();
    const char* n = needle.data();
    if (nl == 1) {
        return std::memchr(h, n[0], len) != nullptr;
    }
    const std::size_t positions = len - nl + 1;
    const char first = n[0];
    const char last = n[nl - 1];
#if defined(__SSE2__)
    if (positions >= 16) {
        const __m128i f = _mm_set1_epi8(first);
        const __m128i l = _mm_set1_epi8(last);
        const auto block = [&](std::size_t at) {
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + at));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(h + at + nl - 1));
            auto mask = static_cast<unsigned>(
                _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(a, f), _mm_cmpeq_epi8(b, l))));
            while (mask != 0) {
                const auto bit = static_cast<std::size_t>(__builtin_ctz(mask));
                if (std::memcmp(h + at + bit + 1, n + 1, nl - 2) == 0) {
                    return true;
                }
                mask &= mask - 1;
            }
            return false;
        };
        std::size_t at = 0;
        for (; at + 16 <= positions; at += 16) {
            if (block(at)) {
                return true;
            }
        }
        // The last block overlaps positions already rejected; testing them again is harmless.
        return at < positions && block(positions - 16);
    }
#else
    if (positions >= 16) {
        return hay.find(needle) != std::string_view::npos;
    }
#endif
    for (std::size_t at = 0; at < positions; ++at) {
        if (h[at] == first && h[at + nl - 1] == last &&
            std::memcmp(h + at + 1, n + 1, nl - 2) == 0) {
            return true;
        }
    }
    return false;
}

bool AllWordsIn(std::string_view field, const std::vector<std::string>& words) {
    for (const std::string& w : words) {
        if (!Contains(field, w)) {
            return false;
        }
    }
    return true;
}

} // namespace

SearchQuery::SearchQuery(std::span<const std::string> words, SearchFields fields)
    : fields_(fields) {
    words_.reserve(words.size());
    for (const std::string& w : words) {
        if (!w.empty()) {
            words_.push_back(text::AnsiLowerCase(w));
        }
    }
}

void SearchIndex::Column::Clear() {
    bytes.clear();
    offsets.assign(1, 0);
}

std::string_view SearchIndex::Column::Slice(int32_t id) const {
    const auto i = static_cast<std::size_t>(id);
    return std::string_view(bytes).substr(offsets[i], offsets[i + 1] - offsets[i]);
}

void SearchIndex::Column::Replace(int32_t id, std::string_view lowered) {
    const auto i = static_cast<std::size_t>(id);
    const std::size_t begin = offsets[i];
    const std::size_t oldSize = offsets[i + 1] - begin;
    bytes.replace(begin, oldSize, lowered);
    if (lowered.size() == oldSize) {
        return;
    }
    for (std::size_t j = i + 1; j < offsets.size(); ++j) {
        offsets[j] = offsets[j] - oldSize + lowered.size();
    }
}

void SearchIndex::Column::Erase(int32_t id) {
    const auto i = static_cast<std::size_t>(id);
    const std::size_t begin = offsets[i];
    const std::size_t size = offsets[i + 1] - begin;
    bytes.erase(begin, size);
    offsets.erase(offsets.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    for (std::size_t j = i + 1; j < offsets.size(); ++j) {
        offsets[j] -= size;
    }
}

void SearchIndex::Rebuild(std::span<const TRecept> recepts) {
    std::size_t names = 0;
    std::size_t ingredients = 0;
    std::size_t texts = 0;
    for (const TRecept& r : recepts) {
        names += r.Name.size();
        ingredients += JoinedSize(r.Ingridient);
        texts += JoinedSize(r.Text);
    }
    Clear();
    name_.bytes.reserve(names);
    ingredients_.bytes.reserve(ingredients);
    text_.bytes.reserve(texts);
    for (Column* c : {&name_, &ingredients_, &text_}) {
        c->offsets.reserve(recepts.size() + 1);
    }
    for (const TRecept& r : recepts) {
        Append(r);
    }
}

void SearchIndex::Rebuild(const ReceptStore& store) {
    Rebuild(store.Recepts());
    revision_ = store.Revision();
    fromStore_ = true;
}

void SearchIndex::Sync(const ReceptStore& store) {
    const uint64_t edits = store.Revision() - revision_;
    if (!fromStore_ || store.Revision() < revision_ || edits > 1 ||
        Count() > store.ReceptCount() + 1) {
        Rebuild(store);
        return;
    }
    if (edits == 1) {
        // One change or delete since the index was in step, with appends around it: the Ids
        // below Count() name the same recipes in both until the edit.
        const StoreEdit edit = store.LastEdit();
        if (edit.kind == StoreEdit::Kind::Change) {
            AppendFrom(store);
            Change(edit.id, store.Recept(edit.id));
        } else if (edit.kind == StoreEdit::Kind::Delete) {
            Delete(edit.id); // an Id the index does not hold yet is ignored
        } else {
            Rebuild(store);
            return;
        }
        revision_ = store.Revision();
    }
    if (Count() > store.ReceptCount()) {
        Rebuild(store);
        return;
    }
    AppendFrom(store);
}

void SearchIndex::Clear() {
    name_.Clear();
    ingredients_.Clear();
    text_.Clear();
}

void SearchIndex::Append(const TRecept& recept) {
    AppendLowered(name_.bytes, recept.Name);
    name_.offsets.push_back(name_.bytes.size());
    AppendLowered(ingredients_.bytes, recept.Ingridient);
    ingredients_.offsets.push_back(ingredients_.bytes.size());
    AppendLowered(text_.bytes, recept.Text);
    text_.offsets.push_back(text_.bytes.size());
}

void SearchIndex::AppendFrom(const ReceptStore& store) {
    for (int32_t id = Count(); id < store.ReceptCount(); ++id) {
        Append(store.Recept(id));
    }
}

void SearchIndex::Change(int32_t id, const TRecept& recept) {
    if (id < 0 || id >= Count()) {
        return;
    }
    std::string lowered;
    AppendLowered(lowered, recept.Name);
    name_.Replace(id, lowered);
    lowered.clear();
    AppendLowered(lowered, recept.Ingridient);
    ingredients_.Replace(id, lowered);
    lowered.clear();
    AppendLowered(lowered, recept.Text);
    text_.Replace(id, lowered);
}

void SearchIndex::Delete(int32_t id) {
    if (id < 0 || id >= Count()) {
        return;
    }
    name_.Erase(id);
    ingredients_.Erase(id);
    text_.Erase(id);
}

const SearchIndex::Column& SearchIndex::ColumnOf(SearchField field) const {
    switch (field) {
    case SearchField::Name:
        break;
    case SearchField::Ingredients:
        return ingredients_;
    case SearchField::Text:
        return text_;
    }
    return name_;
}

std::string_view SearchIndex::Field(SearchField field, int32_t id) const {
    if (id < 0 || id >= Count()) {
        return {};
    }
    return ColumnOf(field).Slice(id);
}

bool Matches(const SearchIndex& index, int32_t id, const SearchQuery& query) {
    if (id < 0 || id >= index.Count() || query.Empty()) {
        return false;
    }
    const SearchFields fields = query.Fields();
    const auto& words = query.Words();
    return (fields.name && AllWordsIn(index.Field(SearchField::Name, id), words)) ||
           (fields.ingredients && AllWordsIn(index.Field(SearchField::Ingredients, id), words)) ||
           (fields.text && AllWordsIn(index.Field(SearchField::Text, id), words));
}

std::vector<int32_t> Search(const SearchIndex& index, std::span<const int32_t> candidates,
                            const SearchQuery& query) {
    std::vector<int32_t> found;
    const SearchFields fields = query.Fields();
    if (query.Empty() || !(fields.name || fields.ingredients || fields.text)) {
        return found;
    }
    std::vector<bool> taken(static_cast<std::size_t>(index.Count()));
    for (const int32_t id : candidates) {
        if (Matches(index, id, query) && !taken[static_cast<std::size_t>(id)]) {
            taken[static_cast<std::size_t>(id)] = true;
            found.push_back(id);
        }
    }
    return found;
}

} // namespace timyanka::base
