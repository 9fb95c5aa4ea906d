#include "print/sheet_file.h"

#include "base/file_io.h"

namespace timyanka::print {

PrintStatus WriteSheetFile(const std::string& path, std::string_view bytes) {
    switch (base::WriteFileSafely(path, bytes)) {
    case base::WriteStatus::Ok:
        return PrintStatus::Ok;
    case base::WriteStatus::CannotCreate:
        return PrintStatus::CannotCreate;
    case base::WriteStatus::CannotWrite:
        return PrintStatus::CannotWrite;
    }
    return PrintStatus::CannotWrite;
}

std::string PrintMessage(PrintStatus status) {
    switch (status) {
    case PrintStatus::Ok:
        return {};
    case PrintStatus::CannotCreate:
        return "Файл не удается создать... :(";
    case PrintStatus::CannotWrite:
        // A sheet cut short must not go to the printer as if it were whole.
        return "Файл не удается записать... :(";
    }
    return {};
}

} // namespace timyanka::print
