// The "<name>.bak" a base save keeps of the file it replaces, and the temporary files that
// saves leave beside a base.
#include "base/base_file.h"
#include "base/file_io.h"

#include "test_util.h"

#include <gtest/gtest.h>

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using namespace timyanka::base;
using timyanka::testing::FilesIn;
using timyanka::testing::InChild;
using timyanka::testing::MakeRecept;
using timyanka::testing::ReadBytes;
using timyanka::testing::TempDir;
using timyanka::testing::WriteBytes;
namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

std::vector<TRecept> Recepts(int n, const char* name = "Рецепт") {
    std::vector<TRecept> out;
    for (int i = 0; i < n; ++i) {
        TRecept r = MakeRecept(name);
        r.Name += std::to_string(i);
        r.Id = i;
        out.push_back(r);
    }
    return out;
}

constexpr int kNoSeccomp = 99;

// From here on link() and linkat() fail with EPERM, as on a FAT memory stick, which has no
// hard links. False where the kernel offers no seccomp filter.
bool DenyHardLinks() {
#if defined(__x86_64__)
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, AUDIT_ARCH_X86_64, 0, 4),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_link, 3, 0),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_linkat, 2, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | EPERM),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0 &&
           link("/nonexistent/a", "/nonexistent/b") != 0 && errno == EPERM;
#else
    return false;
#endif
}

int Code(SaveStatus s) {
    return static_cast<int>(s);
}

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace

TEST(Backup, EverySaveOverABaseKeepsTheFileItReplacesOneSaveDeep) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    const auto first = Recepts(1, "Первый");
    const auto second = Recepts(2, "Второй");
    const auto third = Recepts(3, "Третий");

    ASSERT_EQ(SaveRecepts(first, path).status, SaveStatus::Ok);
    EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk"})); // nothing was there to keep

    ASSERT_EQ(SaveRecepts(second, path).status, SaveStatus::Ok);
    EXPECT_EQ(ReadBytes(path), SerializeBase(second));
    EXPECT_EQ(ReadBytes(path + ".bak"), SerializeBase(first));

    ASSERT_EQ(SaveRecepts(third, path).status, SaveStatus::Ok);
    EXPECT_EQ(ReadBytes(path), SerializeBase(third));
    EXPECT_EQ(ReadBytes(path + ".bak"), SerializeBase(second));
    EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk", "base.tmk.bak"}));
    EXPECT_EQ(BackupPath(path), path + ".bak");
}

TEST(Backup, AWriteWithoutBackupKeepsNothing) {
    TempDir dir;
    const std::string path = dir.file("Print.htm");
    WriteBytes(path, "old sheet");
    ASSERT_EQ(WriteFileSafely(path, "new sheet"), WriteStatus::Ok);
    EXPECT_EQ(ReadBytes(path), "new sheet");
    EXPECT_EQ(FilesIn(dir.path()), (Names{"Print.htm"}));
}

TEST(Backup, WithoutHardLinksTheOldFileIsCopiedWithItsPermissions) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old base");
    chmod(path.c_str(), 0640);
    const auto recepts = Recepts(2);
    const int status = InChild(
        [&] { return DenyHardLinks() ? Code(SaveRecepts(recepts, path).status) : kNoSeccomp; });
    if (status == kNoSeccomp) {
        GTEST_SKIP() << "no seccomp filter to refuse hard links";
    }
    EXPECT_EQ(status, Code(SaveStatus::Ok));
    EXPECT_EQ(ReadBytes(path), SerializeBase(recepts));
    EXPECT_EQ(ReadBytes(path + ".bak"), "old base");
    EXPECT_EQ(ModeOf(path + ".bak"), 0640u);
    EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk", "base.tmk.bak"}));
}

TEST(Backup, ABackupThatIsASymbolicLinkIsReplacedAndWhatItPointsToIsLeftAlone) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old base");
    WriteBytes(dir.file("elsewhere"), "not a backup");
    fs::create_symlink("elsewhere", path + ".bak");
    ASSERT_EQ(SaveRecepts(Recepts(1), path).status, SaveStatus::Ok);
    EXPECT_FALSE(fs::is_symlink(path + ".bak"));
    EXPECT_EQ(ReadBytes(path + ".bak"), "old base");
    EXPECT_EQ(ReadBytes(dir.file("elsewhere")), "not a backup");
}

struct BackupFailure {
    const char* what;
    std::function<void(const std::string& path)> prepare;
    std::function<int(const std::string& path)> save; // in a child process
};

TEST(Backup, ABackupThatCannotBeMadeFailsTheSaveAndChangesNothing) {
    const auto big = Recepts(200);
    const auto small = Recepts(1);
    const BackupFailure cases[] = {
        {"the backup's name is taken by a folder",
         [](const std::string& path) {
             fs::create_directory(path + ".bak");
             WriteBytes(path + ".bak/inside", "kept");
         },
         [&](const std::string& path) { return Code(SaveRecepts(small, path).status); }},
        {"no hard links, and the copy goes past the file-size limit",
         [](const std::string& path) { WriteBytes(path + ".bak", "older base"); },
         [&](const std::string& path) {
             if (!DenyHardLinks()) {
                 return kNoSeccomp;
             }
             // Room for the small new base but not for a copy of the big old one.
             const auto limit = static_cast<rlim_t>(SerializeBase(small).size() + 100);
             const rlimit lim{limit, limit};
             setrlimit(RLIMIT_FSIZE, &lim);
             return Code(SaveRecepts(small, path).status);
         }},
    };
    for (const BackupFailure& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string path = dir.file("base.tmk");
        const std::string old = SerializeBase(big);
        WriteBytes(path, old);
        c.prepare(path);
        const Names before = FilesIn(dir.path());
        const std::string backupBefore =
            fs::is_regular_file(path + ".bak") ? ReadBytes(path + ".bak") : "";

        const int status = InChild([&] { return c.save(path); });
        if (status == kNoSeccomp) {
            continue; // this case needs a seccomp filter
        }
        EXPECT_EQ(status, Code(SaveStatus::CannotWrite));
        EXPECT_TRUE(ReadBytes(path) == old);
        EXPECT_EQ(FilesIn(dir.path()), before);
        if (fs::is_regular_file(path + ".bak")) {
            EXPECT_EQ(ReadBytes(path + ".bak"), backupBefore);
        }
    }
    EXPECT_EQ(SaveMessage(SaveResult{SaveStatus::CannotWrite, {}, {}}, "base.tmk"),
              "Файл не удается записать... :(");
}

TEST(Backup, ASaveRemovesTheTemporaryFilesAKilledSaveLeftAndNothingElse) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old base");
    const Names stray = {".base.tmk.Ab3xYz", ".base.tmk.000000"};
    const Names kept = {
        ".base.tmk.Ab3xY",   // five letters: not one of ours
        ".base.tmk.Ab3xYz7", // seven
        ".base.tmk.Ab-xYz",  // a sign mkostemp never uses
        "base.tmk.Ab3xYz",   // not hidden
        ".other.tmk.Ab3xYz", // another file's
        ".base.tmk.Held01",  // a living save's, locked below
    };
    for (const auto& names : {stray, kept}) {
        for (const std::string& name : names) {
            WriteBytes(dir.file(name), "partial");
        }
    }
    // A link with a temporary's name is not followed, and what it points to stays.
    fs::create_symlink("base.tmk.Ab3xYz", dir.file(".base.tmk.Link01"));

    // Another process in the middle of its own save holds its temporary locked.
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = fork();
    if (holder == 0) {
        close(ready[0]);
        close(release[1]); // or the read below never sees the parent let go
        const int fd = open(dir.file(".base.tmk.Held01").c_str(), O_RDONLY);
        const char ok = (fd >= 0 && flock(fd, LOCK_EX) == 0) ? 'y' : 'n';
        (void)!write(ready[1], &ok, 1);
        char c = 0;
        (void)!read(release[0], &c, 1);
        _exit(0);
    }
    close(ready[1]);
    close(release[0]);
    char ok = 0;
    ASSERT_EQ(read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');

    const auto recepts = Recepts(2);
    const SaveStatus status = SaveRecepts(recepts, path).status;
    close(release[1]);
    close(ready[0]);
    waitpid(holder, nullptr, 0);

    EXPECT_EQ(status, SaveStatus::Ok);
    EXPECT_EQ(ReadBytes(path), SerializeBase(recepts));
    Names expected = kept;
    expected.insert(expected.end(), {"base.tmk", "base.tmk.bak", ".base.tmk.Link01"});
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FilesIn(dir.path()), expected);
    EXPECT_EQ(ReadBytes(dir.file("base.tmk.Ab3xYz")), "partial");
}
