// Build step: turns a UTF-8 file of the repository into the Windows-1251 file the program
// reads, and fails loudly on any character the code page cannot hold.
#include "base/file_io.h"
#include "text/cp1251.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: utf8_to_cp1251 IN OUT\n");
        return 2;
    }
    std::string in;
    if (!timyanka::base::ReadWholeFile(argv[1], in)) {
        std::fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    const auto r = timyanka::text::Utf8ToCp1251(in);
    if (r.status != timyanka::text::ConvertStatus::Ok) {
        std::fprintf(stderr, "%s: byte %zu: '%s' cannot be written in Windows-1251\n", argv[1],
                     r.offset, r.character.c_str());
        return 1;
    }
    if (timyanka::base::WriteFileSafely(argv[2], r.text) != timyanka::base::WriteStatus::Ok) {
        std::fprintf(stderr, "%s: cannot write\n", argv[2]);
        return 1;
    }
    return 0;
}
