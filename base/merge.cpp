#include "base/merge.h"

#include "text/cp1251.h"

#include <functional>
#include <limits>
#include <string_view>
#include <vector>

namespace timyanka::base {
namespace {

// The lower-cased names met so far: their bytes end to end in one buffer, and an
// open-addressing table of slots naming them. Both are sized once for every name the merge
// can meet, so nothing is allocated per name and the table never grows or fills.
class LoweredNames {
public:
    LoweredNames(std::size_t count, std::size_t bytes) {
        std::size_t size = 16;
        while (size < 2 * count) {
            size *= 2;
        }
        slots_.resize(size);
        mask_ = size - 1;
        starts_.reserve(count + 1);
        starts_.push_back(0);
        buffer_.reserve(bytes);
    }

    // False when the name, ignoring case, is already present.
    bool Insert(std::string_view name) {
        const std::size_t at = buffer_.size();
        buffer_.append(name);
        for (std::size_t i = at; i < buffer_.size(); ++i) {
            buffer_[i] = text::AnsiLowerChar(buffer_[i]);
        }
        const std::string_view lowered = std::string_view(buffer_).substr(at);
        const auto hash = static_cast<uint32_t>(std::hash<std::string_view>{}(lowered));
        for (std::size_t i = hash & mask_;; i = (i + 1) & mask_) {
            Slot& slot = slots_[i];
            if (slot.entry == kEmpty) {
                slot = {static_cast<uint32_t>(starts_.size() - 1), hash};
                starts_.push_back(buffer_.size());
                return true;
            }
            if (slot.hash == hash && Entry(slot.entry) == lowered) {
                buffer_.resize(at);
                return false;
            }
        }
    }

private:
    static constexpr uint32_t kEmpty = std::numeric_limits<uint32_t>::max();

    struct Slot {
        uint32_t entry = kEmpty;
        uint32_t hash = 0;
    };

    std::string_view Entry(uint32_t e) const {
        return std::string_view(buffer_).substr(starts_[e], starts_[e + 1] - starts_[e]);
    }

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    std::vector<std::size_t> starts_; // name e is buffer_[starts_[e], starts_[e + 1])
    std::string buffer_;
};

std::size_t NameBytes(std::span<const TRecept> recepts) {
    std::size_t n = 0;
    for (const TRecept& r : recepts) {
        n += r.Name.size();
    }
    return n;
}

} // namespace

namespace {

// `add` appends one recipe of `other` to the store, by copy or by move.
template <typename Recepts, typename Add>
MergeResult Merge(ReceptStore& store, Recepts& other, Add add) {
    MergeResult result;
    const std::span<const TRecept> present = store.Recepts();
    LoweredNames names(present.size() + other.size(), NameBytes(present) + NameBytes(other));
    for (const TRecept& r : present) {
        names.Insert(r.Name);
    }
    for (auto& r : other) {
        if (!names.Insert(r.Name)) {
            continue;
        }
        if (add(r) == AppendStatus::Full) {
            result.tableFull = true;
            break;
        }
        ++result.added;
    }
    return result;
}

} // namespace

MergeResult MergeRecepts(ReceptStore& store, std::span<const TRecept> other, bool markAdded) {
    return Merge(store, other, [&](const TRecept& r) { return store.AppendRecept(r, markAdded); });
}

MergeFileResult MergeBaseFile(ReceptStore& store, const std::string& path, bool markAdded) {
    MergeFileResult result;
    std::vector<TRecept> other;
    // The reader bounds the count by the file's size, so no cap is needed here.
    result.load = ReadBaseFile(path, std::numeric_limits<int32_t>::max(), other);
    if (result.load.status == LoadStatus::Ok) {
        // The recipes read are ours to give away: move them instead of copying every line.
        result.merge = Merge(
            store, other, [&](TRecept& r) { return store.AppendRecept(std::move(r), markAdded); });
    }
    return result;
}

std::string MergeAddedMessage(int32_t added) {
    return "В базу добавлено:  " + std::to_string(added) + " рецептов!";
}

std::string MergeFullMessage() {
    return "База заполнена: добавлены не все рецепты! :(";
}

} // namespace timyanka::base
