// Bases larger than the windows that loading and saving go through: a load reads the file a
// megabyte at a time and a save writes it so, and neither may differ from the whole-memory
// parse and image in any byte, result or guarantee.
#include "base/base_file.h"
#include "base/file_io.h"

#include "test_util.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
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

constexpr std::size_t kMegabyte = std::size_t{1} << 20;

using Names = std::vector<std::string>;

// About 4 MB of recipes with strings of every length the format allows, so that strings and
// numbers fall across the edges of the windows at many different places.
std::vector<TRecept> LargeBase() {
    std::mt19937 gen(20261211);
    const auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n)(gen); };
    const auto text = [&](int maxLength) {
        std::string s(static_cast<std::size_t>(below(maxLength)), ' ');
        for (char& c : s) {
            c = static_cast<char>(0xC0 + below(63));
        }
        return s;
    };
    std::vector<TRecept> out(4000);
    for (std::size_t i = 0; i < out.size(); ++i) {
        TRecept& r = out[i];
        r.Id = static_cast<int32_t>(i);
        r.Name = std::to_string(i) + text(200);
        r.National = below(45);
        r.Class = below(17);
        r.PodClass = below(12);
        r.Osoboe = below(12);
        for (int n = below(10); n > 0; --n) {
            r.Ingridient.push_back(text(40));
        }
        for (int n = below(10); n > 0; --n) {
            r.Text.push_back(text(255));
        }
    }
    return out;
}

const std::vector<TRecept>& Large() {
    static const std::vector<TRecept> base = LargeBase();
    return base;
}

const std::string& LargeBytes() {
    static const std::string bytes = SerializeBase(Large());
    return bytes;
}

// Where record `id` of the large base begins in its file.
std::size_t RecordOffset(std::size_t id) {
    return SerializeBase(std::span(Large()).first(id)).size();
}

std::string WithInt(std::string bytes, std::size_t at, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>(u >> (8 * i));
    }
    return bytes;
}

// Keeps every piece it is handed; refuses the one numbered `refuse` (from 0) and all after.
class Collector final : public FileSink {
public:
    explicit Collector(std::size_t refuse = SIZE_MAX) : refuse_(refuse) {}
    bool Write(std::string_view bytes) override {
        ++calls;
        if (pieces.size() >= refuse_) {
            return false;
        }
        pieces.emplace_back(bytes);
        return true;
    }
    std::vector<std::string> pieces;
    int calls = 0;

private:
    std::size_t refuse_;
};

} // namespace

TEST(StreamedLoad, ALargeBaseLoadsAsItsBytesParse) {
    ASSERT_GT(LargeBytes().size(), 3 * kMegabyte);
    TempDir dir;
    const std::string path = dir.file("large.tmk");
    WriteBytes(path, LargeBytes());

    ReceptStore store(10000);
    ASSERT_EQ(LoadBase(store, path).status, LoadStatus::Ok);
    ASSERT_EQ(store.ReceptCount(), static_cast<int32_t>(Large().size()));
    for (const TRecept& r : Large()) {
        ASSERT_TRUE(store.Recept(r.Id).SameStoredFields(r)) << "recipe " << r.Id;
    }
    std::vector<TRecept> merged;
    ASSERT_EQ(ReadBaseFile(path, 10000, merged).status, LoadStatus::Ok);
    EXPECT_EQ(SerializeBase(merged), LargeBytes());
}

struct DamagedCase {
    const char* what;
    std::function<std::string()> bytes;
    ParseFault fault;
};

void PrintTo(const DamagedCase& c, std::ostream* os) {
    *os << c.what;
}

class DamagedLargeBase : public ::testing::TestWithParam<DamagedCase> {};

// Wherever in the file the damage lies, the load reports exactly what ParseBase finds in the
// same bytes and leaves the store as it was.
TEST_P(DamagedLargeBase, IsReportedAsItsBytesParseAndLeavesTheStore) {
    const std::string bytes = GetParam().bytes();
    TempDir dir;
    const std::string path = dir.file("damaged.tmk");
    WriteBytes(path, bytes);

    std::vector<TRecept> parsed;
    const ParseResult expected = ParseBase(bytes, 10000, parsed);
    ASSERT_EQ(expected.fault, GetParam().fault);

    ReceptStore store(10000);
    store.AppendRecept(MakeRecept("Борщ"), true);
    const LoadResult r = LoadBase(store, path);
    EXPECT_EQ(r.status, LoadStatus::Malformed);
    EXPECT_EQ(r.parse.fault, expected.fault);
    EXPECT_EQ(r.parse.offset, expected.offset);
    EXPECT_EQ(r.parse.record, expected.record);
    EXPECT_EQ(r.parse.value, expected.value);
    ASSERT_EQ(store.ReceptCount(), 1);
    EXPECT_EQ(store.Recept(0).Selected, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedLargeBase,
    ::testing::Values(DamagedCase{"cut just past the first megabyte",
                                  [] { return LargeBytes().substr(0, kMegabyte + 3); },
                                  ParseFault::Truncated},
                      DamagedCase{"cut one byte short",
                                  [] { return LargeBytes().substr(0, LargeBytes().size() - 1); },
                                  ParseFault::Truncated},
                      DamagedCase{"a name of length 0 past the first megabyte",
                                  [] { return WithInt(LargeBytes(), RecordOffset(2000) + 4, 0); },
                                  ParseFault::BadStringLength},
                      DamagedCase{"a name of length 300 near the end",
                                  [] { return WithInt(LargeBytes(), RecordOffset(3990) + 4, 300); },
                                  ParseFault::BadStringLength},
                      DamagedCase{"a name without its zero byte",
                                  [] {
                                      std::string b = LargeBytes();
                                      const std::size_t at = RecordOffset(1500) + 8;
                                      const std::size_t len = Large()[1500].Name.size();
                                      b[at + len] = 'x';
                                      return b;
                                  },
                                  ParseFault::MissingZeroByte},
                      DamagedCase{"a negative line count",
                                  [] {
                                      const std::size_t at =
                                          RecordOffset(2500) + 8 + Large()[2500].Name.size() + 1;
                                      return WithInt(LargeBytes(), at, -3);
                                  },
                                  ParseFault::NegativeLineCount},
                      DamagedCase{"more recipes counted than the file holds",
                                  [] { return WithInt(LargeBytes(), 0, 4001); },
                                  ParseFault::Truncated}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& c : n) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return n;
    });

TEST(StreamedSave, TheImageIsHandedOnInWindowsOfAMegabyteAndIsSerializeBaseByteForByte) {
    Collector sink;
    ASSERT_TRUE(WriteBase(Large(), sink));
    ASSERT_GT(sink.pieces.size(), 3u);
    std::string joined;
    for (const std::string& piece : sink.pieces) {
        EXPECT_LE(piece.size(), kMegabyte + 260);
        joined += piece;
    }
    EXPECT_EQ(joined, LargeBytes());

    TempDir dir;
    const std::string path = dir.file("large.tmk");
    ASSERT_EQ(SaveRecepts(Large(), path).status, SaveStatus::Ok);
    EXPECT_EQ(ReadBytes(path), LargeBytes());
}

TEST(StreamedSave, ASinkThatRefusesAPieceStopsTheImage) {
    Collector sink(1);
    EXPECT_FALSE(WriteBase(Large(), sink));
    EXPECT_EQ(sink.pieces.size(), 1u);
    EXPECT_EQ(sink.calls, 2);
}

// A write that fails after some bytes, for any reason, changes nothing: not the file, not its
// backup, and no temporary file stays.
TEST(StreamedWrite, AProducerThatFailsPartWayLeavesTheOldFileItsBackupAndNoTemporary) {
    for (const std::size_t written : {std::size_t{0}, std::size_t{1}, 3 * kMegabyte}) {
        TempDir dir;
        const std::string path = dir.file("base.tmk");
        WriteBytes(path, "old base");
        WriteBytes(path + ".bak", "older base");
        const auto produce = [written](FileSink& sink) {
            EXPECT_TRUE(sink.Write(std::string(written, 'n')));
            return false; // as a producer that runs out of memory or finds a bad recipe
        };
        EXPECT_EQ(WriteFileSafelyStreamed(path, produce, Backup::KeepOld), WriteStatus::CannotWrite)
            << written;
        EXPECT_EQ(ReadBytes(path), "old base") << written;
        EXPECT_EQ(ReadBytes(path + ".bak"), "older base") << written;
        EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk", "base.tmk.bak"})) << written;
    }
}

TEST(StreamedWrite, PiecesMakeOneFileThatKeepsThePermissionsOfTheOneItReplaces) {
    TempDir dir;
    const std::string path = dir.file("sheet.txt");
    WriteBytes(path, "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    const auto produce = [](FileSink& sink) {
        return sink.Write("one ") && sink.Write("") && sink.Write("two");
    };
    ASSERT_EQ(WriteFileSafelyStreamed(path, produce), WriteStatus::Ok);
    EXPECT_EQ(ReadBytes(path), "one two");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FilesIn(dir.path()), (Names{"sheet.txt"}));
}

// The limit lets the first windows through and stops a later one: the signal it raises must
// not end the program, and the save fails as a whole.
TEST(StreamedSave, AFileSizeLimitPastTheFirstWindowsFailsTheSaveAndChangesNothing) {
    TempDir dir;
    const std::string path = dir.file("base.tmk");
    WriteBytes(path, "old base");
    WriteBytes(path + ".bak", "older base");
    const int status = InChild([&] {
        const auto limit = static_cast<rlim_t>(2 * kMegabyte + kMegabyte / 2);
        rlimit lim{limit, limit};
        setrlimit(RLIMIT_FSIZE, &lim);
        return static_cast<int>(SaveRecepts(Large(), path).status);
    });
    EXPECT_EQ(status, static_cast<int>(SaveStatus::CannotWrite));
    EXPECT_EQ(ReadBytes(path), "old base");
    EXPECT_EQ(ReadBytes(path + ".bak"), "older base");
    EXPECT_EQ(FilesIn(dir.path()), (Names{"base.tmk", "base.tmk.bak"}));
}

TEST(StreamedWrite, APieceTheFileRefusedFailsTheWriteEvenIfTheProducerCarriesOn) {
    TempDir dir;
    const std::string path = dir.file("sheet.txt");
    WriteBytes(path, "old");
    const int status = InChild([&] {
        rlimit lim{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &lim);
        const auto careless = [](FileSink& sink) {
            sink.Write(std::string(8192, 'n'));
            sink.Write("tail");
            return true;
        };
        return static_cast<int>(WriteFileSafelyStreamed(path, careless));
    });
    EXPECT_EQ(status, static_cast<int>(WriteStatus::CannotWrite));
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FilesIn(dir.path()), (Names{"sheet.txt"}));
}
