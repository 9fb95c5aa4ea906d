// Whole-file reading and crash-safe writing of whole files, from memory or made piece by piece
// while they are written; shared by base files and tools.
#pragma once

#include <functional>
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

// Where a streamed write sends the bytes of the file, piece by piece and in order.
class FileSink {
public:
    // False once the file cannot take them (disk full, file size limit); the write then fails
    // and later pieces are refused as well.
    virtual bool Write(std::string_view bytes) = 0;

protected:
    FileSink() = default;
    FileSink(const FileSink&) = default;
    FileSink& operator=(const FileSink&) = default;
    ~FileSink() = default;
};

// WriteFileSafely for a file that is made while it is written, so that its image never has to
// be in memory whole: `produce` hands the bytes to the sink and returns true when it handed
// them all. When it returns false (on its own or because the sink refused) the write fails
// with CannotWrite and the target and its backup stay as they were. Every guarantee of
// WriteFileSafely holds; the backup is made only after the whole new file is on disk.
WriteStatus WriteFileSafelyStreamed(const std::string& path,
                                    const std::function<bool(FileSink&)>& produce,
                                    Backup backup = Backup::None);

// Where a write of `path` with Backup::KeepOld keeps the replaced file: beside the file a
// symbolic link leads to, with ".bak" appended to its name.
std::string BackupPath(const std::string& path);

} // namespace timyanka::base
