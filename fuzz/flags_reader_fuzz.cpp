// The flags reader under any input: it stays within its capacity and the name limit, and
// what it reads from a well-formed file it reads again from the file written back.
#include "classification/flags_reader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace timyanka::classification;

namespace {

void Require(bool ok) {
    if (!ok) {
        std::abort();
    }
}

std::string Field(int32_t code, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%*d", width, code);
    return buf;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte picks the file kind; the rest is the file.
    const int width = (data[0] & 1) ? 3 : 5;
    const int capacity = (data[0] & 2) ? 50 : 600;
    const std::string_view contents(reinterpret_cast<const char*>(data + 1), size - 1);

    std::vector<FlagsEntry> entries;
    const FlagsResult r = ReadFlagsEntries(contents, width, capacity, entries);
    Require(entries.size() <= static_cast<std::size_t>(capacity));
    for (const FlagsEntry& e : entries) {
        Require(e.name.size() <= kMaxFlagsName + 1);
        Require(e.name.find('\n') == std::string::npos);
    }
    if (r.status != FlagsStatus::Ok) {
        return 0;
    }
    // Write the entries back in the shipped form and read them again, where that form can
    // hold them: codes that fit the field, names that neither end in CR nor fill the limit.
    std::string file;
    for (const FlagsEntry& e : entries) {
        const std::string field = Field(e.code, width);
        if (field.size() != static_cast<std::size_t>(width) || e.name.size() > kMaxFlagsName ||
            (!e.name.empty() && e.name.back() == '\r')) {
            return 0;
        }
        if (!file.empty()) {
            file += '\n';
        }
        file += field + ' ' + e.name;
    }
    if (!entries.empty() && entries.back().name.empty()) {
        return 0; // an empty last name leaves a trailing separator only
    }
    std::vector<FlagsEntry> again;
    Require(ReadFlagsEntries(file, width, capacity, again).status == FlagsStatus::Ok);
    Require(again.size() == entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Require(again[i].code == entries[i].code && again[i].name == entries[i].name);
    }
    return 0;
}
