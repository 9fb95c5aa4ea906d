// Whole-file reading and crash-safe whole-file writing, shared by base files and tools.
#pragma once

#include <string>
#include <string_view>

namespace timyanka::base {

// Reads the whole file into `out`. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& out);

enum class WriteStatus { Ok, CannotCreate, CannotWrite };

// Whether a write keeps the file it replaces as "<name>.bak" beside it.
enum class Backup { None, KeepOld };

// Replaces `path` with `bytes` so that, whatever happens, the file is either the old one or
// the new one: a temporary file in the same folder is written, flushed to disk and renamed
// over the target. A symbolic link is followed and stays a link; a replaced file keeps its
// permissions. On failure the temporary file is removed and the target is untouched.
//
// With Backup::KeepOld an existing target is first kept as BackupPath(path), one generation
// deep: hard-linked (or, where the file system has no hard links, copied and flushed) under
// a temporary name and renamed over the previous backup before the new file takes the
// target's place, so the backup, whenever it exists, is a whole earlier file. When the
// backup cannot be made the write fails with CannotWrite and changes nothing.
//
// Temporary files are named "." + name + "." + six letters or digits and are locked while
// their writer lives; a write removes the ones of its target that a killed writer left.
WriteStatus WriteFileSafely(const std::string& path, std::string_view bytes,
                            Backup backup = Backup::None);

// Where a write of `path` with Backup::KeepOld keeps the replaced file: beside the file a
// symbolic link leads to, with ".bak" appended to its name.
std::string BackupPath(const std::string& path);

} // namespace timyanka::base
