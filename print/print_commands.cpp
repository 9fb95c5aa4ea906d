#include "print/print_commands.h"

namespace timyanka::print {

PrintCurrentCheck CheckPrintCurrent(int32_t spisokCount, int32_t receptCount) {
    if (spisokCount <= 0) {
        return PrintCurrentCheck::NothingListed;
    }
    if (receptCount <= 0) {
        return PrintCurrentCheck::EmptyBase;
    }
    return PrintCurrentCheck::Ready;
}

std::string EmptyBaseMessage() {
    return "В базе нет рецептов!!!";
}

std::vector<int32_t> MarkedIds(const base::ReceptStore& store) {
    std::vector<int32_t> ids;
    for (const base::TRecept& r : store.Recepts()) {
        if (r.Selected != 0) {
            ids.push_back(r.Id);
        }
    }
    return ids;
}

} // namespace timyanka::print
