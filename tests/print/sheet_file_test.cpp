// Writing the sheet file and the message for a file that cannot be created.
#include "print/sheet_file.h"
#include "tests/core/test_util.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace timyanka::print {
namespace {

using testing::ReadBytes;
using testing::TempDir;

TEST(SheetFile, EachPrintReplacesTheWholeSheet) {
    TempDir dir;
    const std::string path = dir.file(kSheetFileName);
    ASSERT_EQ(WriteSheetFile(path, "<html>two blocks, a longer sheet</html>"), PrintStatus::Ok);
    ASSERT_EQ(WriteSheetFile(path, "<html>one</html>"), PrintStatus::Ok);
    EXPECT_EQ(ReadBytes(path), "<html>one</html>");
}

TEST(SheetFile, AFileThatCannotBeCreatedIsReported) {
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "Print.htm");
    const std::string paths[] = {dir.file("missing/Print.htm"), dir.file("Print.htm")};
    for (const std::string& path : paths) {
        EXPECT_EQ(WriteSheetFile(path, "<html></html>"), PrintStatus::CannotCreate) << path;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "Print.htm"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "missing"));
}

TEST(SheetFile, Messages) {
    EXPECT_EQ(PrintMessage(PrintStatus::Ok), "");
    EXPECT_EQ(PrintMessage(PrintStatus::CannotCreate), "Файл не удается создать... :(");
    EXPECT_EQ(PrintMessage(PrintStatus::CannotWrite), "Файл не удается записать... :(");
}

} // namespace
} // namespace timyanka::print
