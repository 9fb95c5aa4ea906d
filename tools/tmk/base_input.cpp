#include "tools/tmk/base_input.h"

#include "base/recept_store.h"

namespace timyanka::tmk {

std::string DescribeLoadFailure(const std::string& path, const base::LoadResult& r) {
    if (r.status == base::LoadStatus::Ok) {
        return {};
    }
    std::string text =
        path + ": " + base::LoadMessage(r.status, base::kDefaultReceptCapacity) + "\n";
    if (r.status != base::LoadStatus::CannotOpen) {
        const std::string where = r.parse.record < 0
                                      ? std::string("число рецептов")
                                      : "рецепт с Id " + std::to_string(r.parse.record);
        text += path + ": смещение " + std::to_string(r.parse.offset) + ", " + where + ": " +
                base::DescribeFault(r.parse) + "\n";
    }
    return text;
}

bool ReadBaseForCommand(const std::string& path, std::vector<base::TRecept>& out,
                        std::ostream& err) {
    const base::LoadResult r = base::ReadBaseFile(path, base::kDefaultReceptCapacity, out);
    err << DescribeLoadFailure(path, r);
    return r.status == base::LoadStatus::Ok;
}

} // namespace timyanka::tmk
