#include "base/file_io.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace timyanka::base {
namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    int release() {
        int f = fd_;
        fd_ = -1;
        return f;
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

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
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
        data.resize(static_cast<std::size_t>(st.st_size));
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

WriteStatus WriteFileSafely(const std::string& path, std::string_view bytes) {
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return WriteStatus::CannotCreate;
    }

    const std::string folder = FolderOf(target);
    const auto slash = target.rfind('/');
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temp = folder + "/." + base + ".XXXXXX";
    Fd fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        return WriteStatus::CannotCreate;
    }

    bool ok;
    {
        IgnoreFileSizeSignal guard;
        ok = WriteAll(fd.get(), bytes);
    }
    ok = ok && ::fchmod(fd.get(), exists ? (old.st_mode & 07777) : NewFileMode()) == 0;
    ok = ok && ::fsync(fd.get()) == 0;
    ok = ::close(fd.release()) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return WriteStatus::CannotWrite;
    }
    // The rename itself must reach the disk, or a power cut could bring back the old name.
    Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return WriteStatus::Ok;
}

} // namespace timyanka::base
