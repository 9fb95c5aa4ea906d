#include "base/base_file.h"

#include "test_util.h"

#include <gtest/gtest.h>

using namespace timyanka::base;
using timyanka::testing::MakeRecept;
using timyanka::testing::ReadBytes;
using timyanka::testing::TempDir;
using timyanka::testing::W;
using timyanka::testing::WriteBytes;

namespace {

std::string Hex(const char* hex) {
    std::string out;
    for (const char* p = hex; *p;) {
        if (*p == ' ') {
            ++p;
            continue;
        }
        out.push_back(static_cast<char>(std::stoi(std::string(p, 2), nullptr, 16)));
        p += 2;
    }
    return out;
}

// One recipe: cuisine 1, "Чай", lines "вода" and "чай", text "Заварить.", 13, 1, 2.
const std::string kTeaBase = Hex("01000000"
                                 "01000000"
                                 "04000000 D7E0E900"
                                 "02000000"
                                 "05000000 E2EEE4E000"
                                 "04000000 F7E0E900"
                                 "01000000"
                                 "0A000000 C7E0E2E0F0E8F2FC2E00"
                                 "0D000000"
                                 "01000000"
                                 "02000000");

TRecept Tea() {
    TRecept r;
    r.National = 1;
    r.Name = W("Чай");
    r.Ingridient = {W("вода"), W("чай")};
    r.Text = {W("Заварить.")};
    r.Class = 13;
    r.PodClass = 1;
    r.Osoboe = 2;
    return r;
}

std::string Int(int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    return std::string{static_cast<char>(u), static_cast<char>(u >> 8), static_cast<char>(u >> 16),
                       static_cast<char>(u >> 24)};
}

std::string Str(const std::string& s) {
    return Int(static_cast<int32_t>(s.size() + 1)) + s + '\0';
}

} // namespace

TEST(BaseFile, TheTeaExampleIsReadAsOneRecipe) {
    ASSERT_EQ(kTeaBase.size(), 67u);
    std::vector<TRecept> out;
    const ParseResult r = ParseBase(kTeaBase, 10, out);
    ASSERT_EQ(r.status, ParseStatus::Ok);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].Id, 0);
    EXPECT_TRUE(out[0].SameStoredFields(Tea()));
}

TEST(BaseFile, TheTeaRecipeIsWrittenByteForByte) {
    const TRecept tea = Tea();
    EXPECT_EQ(SerializeBase({&tea, 1}), kTeaBase);
}

TEST(BaseFile, EmptyStringsAndListsAndA255ByteNameRoundTrip) {
    std::vector<TRecept> recepts(3);
    recepts[0].Name = "";
    recepts[0].Ingridient = {""};
    recepts[1].Name = std::string(255, '\xE0');
    recepts[1].Text = {"", std::string(255, 'x'), ""};
    recepts[2] = MakeRecept("Борщ");
    for (int i = 0; i < 3; ++i) {
        recepts[i].Id = i;
    }
    const std::string bytes = SerializeBase(recepts);
    // The empty name: L = 1 and one zero byte; no ingredient strings follow a zero count.
    EXPECT_EQ(bytes.substr(4, 4 + 5 + 4 + 5 + 4), Int(0) + Str("") + Int(1) + Str("") + Int(0));
    EXPECT_NE(bytes.find(Int(256) + std::string(255, '\xE0') + '\0'), std::string::npos);

    std::vector<TRecept> back;
    ASSERT_EQ(ParseBase(bytes, 10, back).status, ParseStatus::Ok);
    ASSERT_EQ(back.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(back[i].SameStoredFields(recepts[i])) << i;
        EXPECT_EQ(back[i].Id, i);
    }
    EXPECT_EQ(SerializeBase(back), bytes);
}

TEST(BaseFile, EmptyFilesAreEmptyBases) {
    for (const std::string& bytes : {std::string(), Int(0), std::string("\x01\x00", 2)}) {
        std::vector<TRecept> out;
        EXPECT_EQ(ParseBase(bytes, 10, out).status, ParseStatus::Ok);
        EXPECT_TRUE(out.empty());
    }
}

TEST(BaseFile, BytesAfterTheFirstZeroAndAfterTheLastRecordAreDropped) {
    std::string bytes = kTeaBase;
    bytes.replace(8, 8, Int(4) + std::string("\xD7\0\xE9\0", 4));
    bytes += "trailing garbage";
    std::vector<TRecept> out;
    ASSERT_EQ(ParseBase(bytes, 10, out).status, ParseStatus::Ok);
    EXPECT_EQ(out[0].Name, "\xD7");
}

struct MalformedCase {
    const char* what;
    std::string bytes;
    ParseFault fault;
};

void PrintTo(const MalformedCase& c, std::ostream* os) {
    *os << c.what;
}

class MalformedBase : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedBase, IsRefusedAndLeavesTheStoreAsItWas) {
    TempDir dir;
    const std::string path = dir.file("bad.tmk");
    WriteBytes(path, GetParam().bytes);

    ReceptStore store(10);
    store.AppendRecept(MakeRecept("Борщ"), true);
    store.AppendRecept(MakeRecept("Щи"), false);
    const LoadResult r = LoadBase(store, path);

    EXPECT_EQ(r.status, LoadStatus::Malformed);
    EXPECT_EQ(r.parse.fault, GetParam().fault);
    EXPECT_EQ(LoadMessage(r.status, 10), "Файл поврежден или не является базой рецептов! :(");
    ASSERT_EQ(store.ReceptCount(), 2);
    EXPECT_EQ(store.Recept(0).Name, W("Борщ"));
    EXPECT_EQ(store.Recept(0).Selected, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedBase,
    ::testing::Values(
        MalformedCase{"negative count", Int(-1), ParseFault::NegativeCount},
        MalformedCase{"length 0", Int(1) + Int(1) + Int(0) + std::string(30, '\0'),
                      ParseFault::BadStringLength},
        MalformedCase{"length 257", Int(1) + Int(1) + Int(257) + std::string(257, 'a'),
                      ParseFault::BadStringLength},
        MalformedCase{"no zero byte", Int(1) + Int(1) + Int(3) + "abc" + std::string(20, '\0'),
                      ParseFault::MissingZeroByte},
        MalformedCase{"negative line count",
                      Int(1) + Int(1) + Str("a") + Int(-2) + std::string(20, '\0'),
                      ParseFault::NegativeLineCount},
        MalformedCase{"ends inside a record", kTeaBase.substr(0, 60), ParseFault::Truncated},
        MalformedCase{"huge line count",
                      Int(1) + Int(1) + Str("a") + Int(0x7FFFFFFF) + Int(0) + Int(0) + Int(0) +
                          Int(0),
                      ParseFault::Truncated},
        MalformedCase{"count beyond the bytes", Int(9) + kTeaBase.substr(4),
                      ParseFault::Truncated}),
    [](const auto& info) {
        std::string n = info.param.what;
        for (char& c : n) {
            c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return n;
    });

TEST(BaseFile, MoreRecipesThanTheCapacityAreRefusedWithTheirOwnMessage) {
    TempDir dir;
    const std::string path = dir.file("big.tmk");
    const TRecept tea = Tea();
    std::vector<TRecept> three(3, tea);
    WriteBytes(path, SerializeBase(three));

    ReceptStore store(2);
    store.AppendRecept(MakeRecept("Борщ"), false);
    const LoadResult r = LoadBase(store, path);
    EXPECT_EQ(r.status, LoadStatus::TooManyRecepts);
    EXPECT_EQ(LoadMessage(r.status, store.Capacity()),
              "В файле больше рецептов, чем может вместить программа (2)! :(");
    EXPECT_EQ(store.ReceptCount(), 1);
    EXPECT_EQ(LoadMessage(LoadStatus::TooManyRecepts, kDefaultReceptCapacity),
              "В файле больше рецептов, чем может вместить программа (100000)! :(");
}

TEST(BaseFile, AMissingFileCannotBeOpenedAndLeavesTheStore) {
    ReceptStore store(10);
    store.AppendRecept(MakeRecept("Борщ"), false);
    const LoadResult r = LoadBase(store, "/nonexistent/BaseRecept.tmk");
    EXPECT_EQ(r.status, LoadStatus::CannotOpen);
    EXPECT_EQ(LoadMessage(r.status, 10), "Файл не удается открыть! :(");
    EXPECT_EQ(store.ReceptCount(), 1);
}

TEST(BaseFile, LoadingClearsTheMarksAndSaveLoadSaveIsByteIdentical) {
    TempDir dir;
    ReceptStore store(100);
    for (int i = 0; i < 20; ++i) {
        TRecept r = MakeRecept("Рецепт", i % 17 + 1, i, i % 5, i % 3);
        r.Name += std::to_string(i);
        r.Text.assign(static_cast<std::size_t>(i), std::string(static_cast<std::size_t>(i), 'a'));
        store.AppendRecept(r, i % 2 == 0);
    }
    const std::string first = dir.file("first.tmk");
    ASSERT_EQ(SaveBase(store, first).status, SaveStatus::Ok);

    ReceptStore loaded(100);
    ASSERT_EQ(LoadBase(loaded, first).status, LoadStatus::Ok);
    ASSERT_EQ(loaded.ReceptCount(), 20);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(loaded.Recept(i).Id, i);
        EXPECT_EQ(loaded.Recept(i).Selected, 0);
        EXPECT_TRUE(loaded.Recept(i).SameStoredFields(store.Recept(i)));
    }
    const std::string second = dir.file("second.tmk");
    ASSERT_EQ(SaveBase(loaded, second).status, SaveStatus::Ok);
    EXPECT_EQ(ReadBytes(first), ReadBytes(second));
}
