// Writing a command's result file the way the program saves a base: the old file survives
// any failure.
#pragma once

#include "base/file_io.h"
#include "base/recept.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace timyanka::tmk {

// The program's message for a failed write (UTF-8); empty for Ok.
std::string WriteMessage(base::WriteStatus status);

// Replaces `path` with `bytes`; on failure writes the message to `err`.
bool WriteOutputFile(const std::string& path, std::string_view bytes, std::ostream& err,
                     base::Backup backup = base::Backup::None);

// Saves the recipes as the program saves a base, the replaced file kept as "<name>.bak"; on
// failure writes the message to `err`. The program's save writes nothing for an empty base,
// but a command that is asked for a base file must leave one: an empty list gives the file
// holding the count 0.
bool SaveBaseFile(const std::string& path, std::span<const base::TRecept> recepts,
                  std::ostream& err);

} // namespace timyanka::tmk
