#include "base/recept_store.h"

#include <cassert>
#include <utility>

namespace timyanka::base {

ReceptStore::ReceptStore(int32_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

void ReceptStore::ClearBase() {
    recepts_.clear();
    Edited(StoreEdit::Kind::Replace, -1);
}

AppendStatus ReceptStore::AppendRecept(const TRecept& recept, bool selected) {
    if (IsFull()) {
        return AppendStatus::Full;
    }
    return AppendRecept(TRecept(recept), selected);
}

AppendStatus ReceptStore::AppendRecept(TRecept&& recept, bool selected) {
    if (IsFull()) {
        return AppendStatus::Full;
    }
    TRecept& r = recepts_.emplace_back(std::move(recept));
    r.Id = static_cast<int32_t>(recepts_.size() - 1);
    r.Selected = selected ? 1 : 0;
    return AppendStatus::Ok;
}

void ReceptStore::ChangeRecept(int32_t id, const TRecept& recept) {
    assert(id >= 0 && id < ReceptCount());
    TRecept& r = recepts_[static_cast<std::size_t>(id)];
    r.National = recept.National;
    r.Name = recept.Name;
    r.Ingridient = recept.Ingridient;
    r.Text = recept.Text;
    r.Class = recept.Class;
    r.PodClass = recept.PodClass;
    r.Osoboe = recept.Osoboe;
    Edited(StoreEdit::Kind::Change, id);
}

void ReceptStore::DeleteRecept(int32_t id) {
    assert(id >= 0 && id < ReceptCount());
    recepts_.erase(recepts_.begin() + id);
    for (std::size_t i = static_cast<std::size_t>(id); i < recepts_.size(); ++i) {
        recepts_[i].Id = static_cast<int32_t>(i);
    }
    Edited(StoreEdit::Kind::Delete, id);
}

void ReceptStore::SetSelected(int32_t id, bool selected) {
    assert(id >= 0 && id < ReceptCount());
    recepts_[static_cast<std::size_t>(id)].Selected = selected ? 1 : 0;
}

void ReceptStore::ToggleSelected(int32_t id) {
    assert(id >= 0 && id < ReceptCount());
    auto& s = recepts_[static_cast<std::size_t>(id)].Selected;
    s = s ? 0 : 1;
}

void ReceptStore::ClearMarks() {
    for (TRecept& r : recepts_) {
        r.Selected = 0;
    }
}

void ReceptStore::ReplaceAll(std::vector<TRecept>&& recepts) {
    assert(static_cast<int64_t>(recepts.size()) <= capacity_);
    recepts_ = std::move(recepts);
    for (std::size_t i = 0; i < recepts_.size(); ++i) {
        recepts_[i].Id = static_cast<int32_t>(i);
        recepts_[i].Selected = 0;
    }
    Edited(StoreEdit::Kind::Replace, -1);
}

} // namespace timyanka::base
