// Writing the printed sheet to its file, and the message the program shows when it cannot.
#pragma once

#include <string>
#include <string_view>

namespace timyanka::print {

// The sheet's file, in the current folder; every print command rewrites it.
inline constexpr const char* kSheetFileName = "Print.htm";

enum class PrintStatus { Ok, CannotCreate, CannotWrite };

// Replaces the file at `path` with `bytes`. The file is written beside its final name and
// renamed over it, so a printer that reads it never sees half a sheet, and a failed write
// leaves the previous sheet as it was.
PrintStatus WriteSheetFile(const std::string& path, std::string_view bytes);

// The message the program shows for a failed write (UTF-8); empty for Ok.
std::string PrintMessage(PrintStatus status);

} // namespace timyanka::print
