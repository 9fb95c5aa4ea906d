// `tmk import`'s reader under any input: nothing is thrown, and a document it accepts holds
// recipes that the base file takes and gives back unchanged, also through export.
#include "base/base_file.h"
#include "tools/tmk/json_io.h"

#include <cstdint>
#include <cstdlib>

using namespace timyanka;

namespace {

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tmk::ImportResult r = tmk::ReceptsFromJsonText(text, 64);
    if (r.status != tmk::ImportStatus::Ok) {
        Require(r.recepts.empty());
        Require(!r.message.empty());
        return 0;
    }
    Require(base::FindTooLongString(r.recepts).id < 0);
    const std::string file = base::SerializeBase(r.recepts);
    std::vector<base::TRecept> back;
    Require(base::ParseBase(file, 64, back).status == base::ParseStatus::Ok);
    Require(back.size() == r.recepts.size());
    for (std::size_t i = 0; i < back.size(); ++i) {
        Require(back[i].SameStoredFields(r.recepts[i]));
    }
    const tmk::ImportResult again = tmk::ReceptsFromJsonText(tmk::ReceptsToJsonText(back), 64);
    Require(again.status == tmk::ImportStatus::Ok);
    Require(base::SerializeBase(again.recepts) == file);
    return 0;
}
