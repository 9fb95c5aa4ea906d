// Whole-file reading and crash-safe whole-file writing, shared by base files and tools.
#pragma once

#include <string>
#include <string_view>

namespace timyanka::base {

// Reads the whole file into `out`. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

enum class WriteStatus { Ok, CannotCreate, CannotWrite };

// Replaces `path` with `bytes` so that, whatever happens, the file is either the old one or
// the new one: a temporary file in the same folder is written, flushed to disk and renamed
// over the target. A symbolic link is followed and stays a link; a replaced file keeps its
// permissions. On failure the temporary file is removed and the target is untouched.
WriteStatus WriteFileSafely(const std::string& path, std::string_view bytes);

} // namespace timyanka::base
