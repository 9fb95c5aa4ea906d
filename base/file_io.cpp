#include "base/file_io.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace timyanka::base {
namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    int release() {
        int f = fd_;
        fd_ = -1;
        return f;
    }
    void reset(int fd = -1) {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = fd;
    }

private:
    int fd_;
};

// A write past RLIMIT_FSIZE raises SIGXFSZ, which would end the program; while a file is
// written it is ignored so that the write fails with EFBIG and the save reports it.
class IgnoreFileSizeSignal {
public:
    IgnoreFileSizeSignal() {
        struct sigaction ign {};
        ign.sa_handler = SIG_IGN;
        sigemptyset(&ign.sa_mask);
        ::sigaction(SIGXFSZ, &ign, &old_);
    }
    IgnoreFileSizeSignal(const IgnoreFileSizeSignal&) = delete;
    IgnoreFileSizeSignal& operator=(const IgnoreFileSizeSignal&) = delete;
    ~IgnoreFileSizeSignal() { ::sigaction(SIGXFSZ, &old_, nullptr); }

private:
    struct sigaction old_ {};
};

// Follows symbolic links so that saving over a link replaces the file it points to.
std::string ResolveTarget(const std::string& path) {
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        struct stat st {};
        if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return current;
        }
        char buf[PATH_MAX];
        const ssize_t n = ::readlink(current.c_str(), buf, sizeof buf - 1);
        if (n <= 0) {
            return current;
        }
        std::string target(buf, static_cast<std::size_t>(n));
        if (target.front() != '/') {
            const auto slash = current.rfind('/');
            if (slash != std::string::npos) {
                target = current.substr(0, slash + 1) + target;
            }
        }
        current = target;
    }
    return current;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CopyAll(int from, int to) {
    std::vector<char> buf(1 << 16);
    for (;;) {
        const ssize_t n = ::read(from, buf.data(), buf.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            return true;
        }
        if (!WriteAll(to, std::string_view(buf.data(), static_cast<std::size_t>(n)))) {
            return false;
        }
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The rename itself must reach the disk, or a power cut could bring back the old name.
void SyncFolder(const std::string& folder) {
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
}

constexpr std::string_view kTempLetters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t kTempSuffixLength = 6;

// "." + name + ".", followed by the six letters or digits mkostemp puts for its X's.
std::string TempPrefix(const std::string& folder, const std::string& name) {
    return folder + "/." + name + ".";
}

bool IsTempOf(std::string_view entry, std::string_view name) {
    if (entry.size() != name.size() + 2 + kTempSuffixLength || entry.front() != '.' ||
        entry.substr(1, name.size()) != name || entry[name.size() + 1] != '.') {
        return false;
    }
    for (const char c : entry.substr(name.size() + 2)) {
        if (kTempLetters.find(c) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

std::string RandomSuffix(unsigned attempt) {
    std::array<unsigned char, kTempSuffixLength> raw{};
    if (::getrandom(raw.data(), raw.size(), 0) != static_cast<ssize_t>(raw.size())) {
        // Without the kernel's randomness a clash is merely more likely; link() then says so
        // and the next attempt differs.
        auto mix = static_cast<unsigned long long>(
                       std::chrono::steady_clock::now().time_since_epoch().count()) ^
                   (static_cast<unsigned long long>(::getpid()) << 20) ^ attempt;
        for (unsigned char& b : raw) {
            b = static_cast<unsigned char>(mix);
            mix = mix * 6364136223846793005ULL + 1442695040888963407ULL;
            b ^= static_cast<unsigned char>(mix >> 56);
        }
    }
    std::string out;
    for (const unsigned char b : raw) {
        out += kTempLetters[b % kTempLetters.size()];
    }
    return out;
}

// A temporary file of one write, removed again unless it was renamed into place. It is
// locked for as long as the write may use it: a lock that can be taken marks a file whose
// writer is gone.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    // A new empty file for writing; false when the folder does not allow one.
    bool Create(const std::string& prefix) {
        std::string path = prefix + std::string(kTempSuffixLength, 'X');
        file_.reset(::mkostemp(path.data(), O_CLOEXEC));
        if (file_.get() < 0) {
            return false;
        }
        path_ = std::move(path);
        if (::flock(file_.get(), LOCK_EX | LOCK_NB) == 0) {
            lock_.reset(::dup(file_.get()));
        }
        return true;
    }

    // A second name for `existing`; false when the file system refuses a hard link.
    bool Link(const std::string& existing, const std::string& prefix) {
        for (unsigned attempt = 0; attempt < 100; ++attempt) {
            std::string path = prefix + RandomSuffix(attempt);
            if (::link(existing.c_str(), path.c_str()) == 0) {
                path_ = std::move(path);
                lock_.reset(::open(path_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
                if (lock_.get() >= 0 && ::flock(lock_.get(), LOCK_EX | LOCK_NB) != 0) {
                    lock_.reset();
                }
                return true;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        return false;
    }

    int fd() const { return file_.get(); }

    // Closes the file written through fd(); the lock stays until the file is renamed.
    bool CloseFile() { return ::close(file_.release()) == 0; }

    bool RenameTo(const std::string& destination) {
        if (::rename(path_.c_str(), destination.c_str()) != 0) {
            return false;
        }
        path_.clear();
        return true;
    }

private:
    std::string path_;
    Fd file_;
    Fd lock_;
};

// Temporary files of `name` that a killed or crashed write left behind would pile up
// beside the base; the ones nobody holds locked are removed.
void RemoveStrayTemps(const std::string& folder, const std::string& name) {
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.c_str()), &::closedir);
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir.get())) {
        if (!IsTempOf(entry->d_name, name)) {
            continue;
        }
        const std::string path = folder + "/" + entry->d_name;
        const Fd fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
    }
}

// A copy of the old file under a temporary name, flushed, with the old file's permissions.
bool CopyOld(const std::string& target, const struct stat& old, const std::string& prefix,
             TempFile& temp) {
    const Fd from(::open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.get() < 0 || !temp.Create(prefix)) {
        return false;
    }
    bool ok = CopyAll(from.get(), temp.fd());
    ok = ok && ::fchmod(temp.fd(), old.st_mode & 07777) == 0;
    ok = ok && ::fsync(temp.fd()) == 0;
    return temp.CloseFile() && ok;
}

// Puts the file now at `target` in place as its backup before anything replaces it.
bool KeepBackup(const std::string& target, const struct stat& old, const std::string& folder,
                const std::string& prefix) {
    const std::string backup = target + ".bak";
    struct stat st {};
    if (::lstat(backup.c_str(), &st) == 0 && st.st_dev == old.st_dev && st.st_ino == old.st_ino) {
        // The backup is this very file already (a save that failed after keeping it); a
        // rename between two names of one file would do nothing and leave the temporary.
        return true;
    }
    TempFile temp;
    if (!temp.Link(target, prefix)) {
        if (errno == ENOENT) {
            return true; // gone since it was looked at: nothing left to keep
        }
        if (!CopyOld(target, old, prefix, temp)) {
            return false;
        }
    }
    if (!temp.RenameTo(backup)) {
        return false;
    }
    SyncFolder(folder);
    return true;
}

// The backup that a save with Backup::KeepOld is about to replace leaves the page cache before
// the new file is written rather than after it: its pages are clean, and the new file can take
// them over instead of needing as many again. Nothing on disk changes.
void ReleaseCachedBackup(const std::string& target) {
    const Fd fd(::open((target + ".bak").c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat st {};
    if (fd.get() >= 0 && ::fstat(fd.get(), &st) == 0 && S_ISREG(st.st_mode)) {
        ::posix_fadvise(fd.get(), 0, 0, POSIX_FADV_DONTNEED);
    }
}

} // namespace

bool ReadWholeFile(const std::string& path, std::string& out) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        return false;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return false;
    }
    std::string data;
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        // One byte more than the file, so that the end shows as a short read and the buffer
        // never has to grow (and be copied) for a file whose size was known.
        data.resize(static_cast<std::size_t>(st.st_size) + 1);
    }
    std::size_t used = 0;
    for (;;) {
        if (used == data.size()) {
            data.resize(data.size() < 4096 ? 4096 : data.size() * 2);
        }
        const ssize_t n = ::read(fd.get(), data.data() + used, data.size() - used);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (n == 0) {
            break;
        }
        used += static_cast<std::size_t>(n);
    }
    data.resize(used);
    out = std::move(data);
    return true;
}

namespace {

// The temporary file's descriptor behind the sink a producer writes through. A refused piece
// fails the write even if the producer carried on.
class FdSink final : public FileSink {
public:
    explicit FdSink(int fd) : fd_(fd) {}
    bool Write(std::string_view bytes) override {
        failed_ = failed_ || !WriteAll(fd_, bytes);
        return !failed_;
    }
    bool Failed() const { return failed_; }

private:
    int fd_;
    bool failed_ = false;
};

} // namespace

WriteStatus WriteFileSafelyStreamed(const std::string& path,
                                    const std::function<bool(FileSink&)>& produce, Backup backup) {
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return WriteStatus::CannotCreate;
    }

    const std::string folder = FolderOf(target);
    const std::string name = NameOf(target);
    const std::string prefix = TempPrefix(folder, name);
    RemoveStrayTemps(folder, name);
    if (exists && backup == Backup::KeepOld) {
        ReleaseCachedBackup(target);
    }

    TempFile temp;
    if (!temp.Create(prefix)) {
        return WriteStatus::CannotCreate;
    }
    const IgnoreFileSizeSignal guard;
    FdSink sink(temp.fd());
    bool ok = produce(sink) && !sink.Failed();
    ok = ok && ::fchmod(temp.fd(), exists ? (old.st_mode & 07777) : NewFileMode()) == 0;
    ok = ok && ::fsync(temp.fd()) == 0;
    ok = temp.CloseFile() && ok;
    // The backup is made once the new file is safely on disk, so that a full disk does not
    // cost the previous backup, and before the rename, which is the first change to the
    // target.
    ok = ok && (!exists || backup == Backup::None || KeepBackup(target, old, folder, prefix));
    ok = ok && temp.RenameTo(target);
    if (!ok) {
        return WriteStatus::CannotWrite;
    }
    SyncFolder(folder);
    return WriteStatus::Ok;
}

WriteStatus WriteFileSafely(const std::string& path, std::string_view bytes, Backup backup) {
    return WriteFileSafelyStreamed(
        path, [bytes](FileSink& sink) { return sink.Write(bytes); }, backup);
}

std::string BackupPath(const std::string& path) {
    return ResolveTarget(path) + ".bak";
}

} // namespace timyanka::base
