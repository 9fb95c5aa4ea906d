// The base reader's promises under any input: no access outside its buffers, a refused
// file leaves the store as it was, an accepted one is written back and read again to the
// same recipes.
#include "base/base_file.h"

#include <cstdint>
#include <cstdlib>

using namespace timyanka::base;

namespace {

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    ReceptStore store(64);
    TRecept sentinel;
    sentinel.Name = "sentinel";
    sentinel.Ingridient = {"a", "b"};
    store.AppendRecept(sentinel, true);

    const LoadResult r = LoadBaseBytes(store, bytes);
    if (r.status != LoadStatus::Ok) {
        Require(store.ReceptCount() == 1);
        Require(store.Recept(0).SameStoredFields(sentinel));
        Require(store.Recept(0).Selected == 1);
        return 0;
    }
    for (int32_t i = 0; i < store.ReceptCount(); ++i) {
        Require(store.Recept(i).Id == i);
        Require(store.Recept(i).Selected == 0);
    }
    Require(FindTooLongString(store.Recepts()).id < 0);
    const std::string written = SerializeBase(store.Recepts());
    ReceptStore again(64);
    Require(LoadBaseBytes(again, written).status == LoadStatus::Ok);
    Require(again.ReceptCount() == store.ReceptCount());
    for (int32_t i = 0; i < store.ReceptCount(); ++i) {
        Require(again.Recept(i).SameStoredFields(store.Recept(i)));
    }
    Require(SerializeBase(again.Recepts()) == written);
    return 0;
}
