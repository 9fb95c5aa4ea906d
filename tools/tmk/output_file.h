// Writing a command's result file the way the program saves a base: the old file survives
// any failure.
#pragma once

#include "base/file_io.h"

#include <ostream>
#include <string>
#include <string_view>

namespace timyanka::tmk {

// The program's message for a failed write (UTF-8); empty for Ok.
std::string WriteMessage(base::WriteStatus status);

// Replaces `path` with `bytes`; on failure writes the message to `err`.
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::ostream& err);

} // namespace timyanka::tmk
