#include "base/base_file.h"
#include "base/file_io.h"

#include "test_util.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace timyanka::base;
using timyanka::testing::FilesIn;
using timyanka::testing::InChild;
using timyanka::testing::MakeRecept;
using timyanka::testing::ReadBytes;
using timyanka::testing::TempDir;
using timyanka::testing::W;
using timyanka::testing::WriteBytes;
namespace fs = std::filesystem;

namespace {

ReceptStore StoreOf(int n) {
    ReceptStore s(1000);
    for (int i = 0; i < n; ++i) {
        TRecept r = MakeRecept("Рецепт");
        r.Name += std::to_string(i);
        r.Text.assign(10, std::string(100, 't'));
        s.AppendRecept(r, false);
    }
    return s;
}

int Code(SaveStatus s) {
    return static_cast<int>(s);
}

using Names = std::vector<std::string>;

} // namespace

TEST(SaveBase, WritesNothingForAnEmptyStore) {
    TempDir dir;
    ReceptStore empty(10);
    const SaveResult r = SaveBase(empty, dir.file("x.tmk"));
    EXPECT_EQ(r.status, SaveStatus::NothingToSave);
    EXPECT_EQ(SaveMessage(r, dir.file("x.tmk")), "");
    EXPECT_FALSE(fs::exists(dir.file("x.tmk")));
}

TEST(SaveBase, ReportsTheSavedFile) {
    TempDir dir;
    const SaveResult r = SaveBase(StoreOf(1), dir.file("x.tmk"));
    EXPECT_EQ(r.status, SaveStatus::Ok);
    EXPECT_EQ(SaveMessage(r, "BaseRecept.tmk"), "База рецептов сохранена:  BaseRecept.tmk");
}

TEST(SaveBase, AFileSizeLimitLeavesTheOldFileItsBackupAndNoTemporary) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old base");
    WriteBytes(path + ".bak", "older base");
    const int status = InChild([&] {
        rlimit lim{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &lim);
        return Code(SaveBase(StoreOf(50), path).status);
    });
    EXPECT_EQ(status, Code(SaveStatus::CannotWrite));
    EXPECT_EQ(ReadBytes(path), "old base");
    // The new file failed before the backup was due, so the earlier one is still there.
    EXPECT_EQ(ReadBytes(path + ".bak"), "older base");
    EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk", "base.tmk.bak"}));
    EXPECT_EQ(SaveMessage(SaveResult{SaveStatus::CannotWrite, {}, {}}, path),
              "Файл не удается записать... :(");
}

TEST(SaveBase, AFolderWithoutWritePermissionCannotBeCreatedIn) {
    TempDir dir;
    const fs::path folder = dir.path() / "locked";
    fs::create_directory(folder);
    const std::string path = (folder / "base.tmk").string();
    WriteBytes(path, "old base");
    WriteBytes(path + ".bak", "older base");
    chmod(folder.c_str(), 0555);
    chmod(dir.path().c_str(), 0755);
    const int status = InChild([&] {
        if (geteuid() == 0) {
            // The superuser writes anywhere; the save runs as an ordinary user instead.
            if (setgid(65534) != 0 || setuid(65534) != 0) {
                return 100;
            }
        }
        return Code(SaveBase(StoreOf(3), path).status);
    });
    EXPECT_EQ(status, Code(SaveStatus::CannotCreate));
    EXPECT_EQ(ReadBytes(path), "old base");
    EXPECT_EQ(ReadBytes(path + ".bak"), "older base");
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(FilesIn(folder), (Names{"base.tmk", "base.tmk.bak"}));
    EXPECT_EQ(SaveMessage(SaveResult{SaveStatus::CannotCreate, {}, {}}, path),
              "Файл не удается создать... :(");
}

TEST(SaveBase, ReplacingAFileKeepsItsPermissionsInTheNewFileAndTheBackup) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old");
    chmod(path.c_str(), 0640);
    ASSERT_EQ(SaveBase(StoreOf(2), path).status, SaveStatus::Ok);
    for (const std::string& file : {path, path + ".bak"}) {
        SCOPED_TRACE(file);
        struct stat st {};
        ASSERT_EQ(stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0640u);
    }
    EXPECT_EQ(ReadBytes(path + ".bak"), "old");
}

TEST(SaveBase, SavingOverASymbolicLinkReplacesItsTargetAndKeepsTheLinkAndTheBackupBesideIt) {
    TempDir dir;
    fs::create_directory(dir.path() / "store");
    const std::string target = dir.file("store/real.tmk");
    const std::string link = dir.file("link.tmk");
    WriteBytes(target, "old");
    fs::create_symlink("store/real.tmk", link);
    const ReceptStore store = StoreOf(2);
    ASSERT_EQ(SaveBase(store, link).status, SaveStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(target), SerializeBase(store.Recepts()));
    EXPECT_EQ(BackupPath(link), target + ".bak");
    EXPECT_EQ(ReadBytes(target + ".bak"), "old");
    EXPECT_EQ(FilesIn(dir.path()), (Names{"link.tmk", "store"}));
    EXPECT_EQ(FilesIn(dir.path() / "store"), (Names{"real.tmk", "real.tmk.bak"}));
}

TEST(SaveBase, ALineTooLongForTheFormatRefusesTheWholeSave) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old");
    ReceptStore store = StoreOf(3);
    TRecept r = store.Recept(1);
    r.Text[4] = std::string(256, 'x');
    store.ChangeRecept(1, r);

    const SaveResult result = SaveBase(store, path);
    EXPECT_EQ(result.status, SaveStatus::StringTooLong);
    EXPECT_EQ(result.tooLong.id, 1);
    EXPECT_EQ(result.tooLong.field, RecordField::Text);
    EXPECT_EQ(result.tooLong.line, 4);
    EXPECT_EQ(SaveMessage(result, path),
              "Базу не удается сохранить: в рецепте «Рецепт1» строка текста 5 длиннее 255 "
              "знаков! :(");
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk"}));
}
