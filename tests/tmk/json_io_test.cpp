#include "tools/tmk/json_io.h"

#include "base/base_file.h"
#include "fixtures.h"

#include <gtest/gtest.h>

using namespace timyanka::tmk;
using timyanka::base::SerializeBase;
using timyanka::base::TRecept;
using timyanka::testing::EdgeRecepts;
using timyanka::testing::kTeaJson;
using timyanka::testing::Tea;
using timyanka::testing::W;

namespace {

constexpr int32_t kCapacity = 1000;

std::vector<TRecept> WithIds(std::vector<TRecept> v) {
    for (std::size_t i = 0; i < v.size(); ++i) {
        v[i].Id = static_cast<int32_t>(i);
    }
    return v;
}

} // namespace

TEST(JsonExport, WritesTheWorkedExampleInKeyOrderWithTwoBlankIndent) {
    EXPECT_EQ(ReceptsToJsonText(WithIds({Tea()})), kTeaJson);
}

TEST(JsonExport, AnEmptyBaseIsAnEmptyArray) {
    EXPECT_EQ(ReceptsToJsonText({}), "[]\n");
}

TEST(JsonExport, GivesEachRecipeItsPositionAsId) {
    const Json doc = ReceptsToJson(WithIds({Tea(), Tea(), Tea()}));
    ASSERT_EQ(doc.size(), 3u);
    EXPECT_EQ(doc[2]["id"], 2);
}

TEST(JsonRoundTrip, GivesBackTheSameBaseFileImage) {
    const std::vector<std::vector<TRecept>> bases = {{}, WithIds({Tea()}), EdgeRecepts()};
    for (const auto& recepts : bases) {
        const ImportResult back = ReceptsFromJsonText(ReceptsToJsonText(recepts), kCapacity);
        ASSERT_EQ(back.status, ImportStatus::Ok) << back.message;
        EXPECT_EQ(SerializeBase(back.recepts), SerializeBase(recepts));
        for (std::size_t i = 0; i < back.recepts.size(); ++i) {
            EXPECT_EQ(back.recepts[i].Id, static_cast<int32_t>(i));
            EXPECT_TRUE(back.recepts[i].SameStoredFields(recepts[i]));
        }
    }
}

TEST(JsonImport, OmittedFieldsTakeDefaultsAndIdIsIgnored) {
    const ImportResult r = ReceptsFromJsonText(
        R"([{"name": "Чай", "id": "что угодно"}, {"id": 7, "name": "", "class": 4}])", kCapacity);
    ASSERT_EQ(r.status, ImportStatus::Ok) << r.message;
    ASSERT_EQ(r.recepts.size(), 2u);
    TRecept tea;
    tea.Name = W("Чай");
    EXPECT_TRUE(r.recepts[0].SameStoredFields(tea));
    EXPECT_EQ(r.recepts[1].Id, 1);
    EXPECT_EQ(r.recepts[1].Class, 4);
    EXPECT_EQ(r.recepts[1].Name, "");
}

TEST(JsonImport, CountsLengthInWindows1251Bytes) {
    // 255 Cyrillic letters take 510 bytes of UTF-8 but fit the base.
    std::string ya;
    for (int i = 0; i < 255; ++i) {
        ya += "я";
    }
    const ImportResult r =
        ReceptsFromJsonText(R"([{"name": "x", "text": [")" + ya + R"("]}])", kCapacity);
    ASSERT_EQ(r.status, ImportStatus::Ok) << r.message;
    EXPECT_EQ(r.recepts[0].Text[0], std::string(255, '\xFF'));
}

struct BadCase {
    std::string json;
    ImportStatus status;
    std::string message;
    std::size_t recept = 0;
    std::string field;
    std::size_t line = 0;
};

TEST(JsonImport, RefusesWhatTheBaseCannotHoldNamingRecipeAndField) {
    const std::string longName(256, 'a');
    const std::vector<BadCase> cases = {
        {R"({"name": "Чай"})", ImportStatus::NotAnArray, "ожидается массив рецептов, а не объект",
         0, "", 0},
        {R"("Чай")", ImportStatus::NotAnArray, "ожидается массив рецептов, а не строка", 0, "", 0},
        {"[1]", ImportStatus::BadRecept, "Рецепт 1: ожидается объект, а не целое число", 1, "", 0},
        {"[{}]", ImportStatus::BadRecept, "Рецепт 1: нет поля «name»", 1, "name"},
        {R"([{"name": 5}])", ImportStatus::BadRecept,
         "Рецепт 1, поле «name»: ожидается строка, а не целое число", 1, "name"},
        {R"([{"name": "Чай"}, {"name": "Суп", "national": "1"}])", ImportStatus::BadRecept,
         "Рецепт 2 «Суп», поле «national»: ожидается целое число, а не строка", 2, "national"},
        {R"([{"name": "Чай", "class": 1.5}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «class»: ожидается целое число, а не дробное число", 1, "class"},
        {R"([{"name": "Чай", "podclass": null}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «podclass»: ожидается целое число, а не null", 1, "podclass"},
        {R"([{"name": "Чай", "osoboe": true}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «osoboe»: ожидается целое число, а не логическое значение", 1,
         "osoboe"},
        {R"([{"name": "Чай", "national": 2147483648}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «national»: число 2147483648 вне пределов от -2147483648 до "
         "2147483647",
         1, "national"},
        {R"([{"name": "Чай", "class": -2147483649}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «class»: число -2147483649 вне пределов от -2147483648 до "
         "2147483647",
         1, "class"},
        {R"([{"name": "Чай", "ingredients": "вода"}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «ingredients»: ожидается массив строк, а не строка", 1,
         "ingredients"},
        {R"([{"name": "Чай", "text": ["Заварить.", 1]}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «text», строка 2: ожидается строка, а не целое число", 1, "text", 2},
        {R"([{"name": "Чай", "ingredients": ["вода", "чай ✓"]}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «ingredients», строка 2: знака «✓» (U+2713) нет в Windows-1251", 1,
         "ingredients", 2},
        {R"([{"name": "Чай 😀"}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай 😀», поле «name»: знака «😀» (U+1F600) нет в Windows-1251", 1, "name"},
        {R"([{"name": "Чай", "text": ["\u0085"]}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «text», строка 1: знака (U+0085) нет в Windows-1251", 1, "text", 1},
        {R"([{"name": "Чай", "text": ["a\u0000b"]}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «text», строка 1: знак U+0000 не может храниться в базе", 1, "text",
         1},
        {R"([{"name": ")" + longName + R"("}])", ImportStatus::BadRecept,
         "Рецепт 1 «" + longName + "», поле «name»: длиннее 255 байт в Windows-1251 (256)", 1,
         "name"},
        {R"([{"name": "Чай", "text": ["", ")" + longName + R"("]}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай», поле «text», строка 2: длиннее 255 байт в Windows-1251 (256)", 1, "text",
         2},
        {R"([{"name": "Чай", "nmae": "Чай"}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай»: неизвестное поле «nmae»", 1, "nmae"},
        {R"([{"name": "Чай", "class": 2, "class": 13}])", ImportStatus::BadRecept,
         "Рецепт 1 «Чай»: поле «class» указано дважды", 1, "class"},
        // Control characters of the input reach the terminal only as escapes.
        {R"([{"name": "\u001b[2J\u009b"}])", ImportStatus::BadRecept,
         "Рецепт 1 «\\u001B[2J\\u009B», поле «name»: знака (U+009B) нет в Windows-1251", 1, "name"},
        {R"([{"name": "\u001b[2J", "class": "x"}])", ImportStatus::BadRecept,
         "Рецепт 1 «\\u001B[2J», поле «class»: ожидается целое число, а не строка", 1, "class"},
        // The first bad recipe is the one reported.
        {R"([{"name": "a"}, {"name": 5}, {}])", ImportStatus::BadRecept,
         "Рецепт 2, поле «name»: ожидается строка, а не целое число", 2, "name"},
    };
    for (const BadCase& c : cases) {
        SCOPED_TRACE(c.json);
        const ImportResult r = ReceptsFromJsonText(c.json, kCapacity);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.recept, c.recept);
        EXPECT_EQ(r.field, c.field);
        EXPECT_EQ(r.fieldLine, c.line);
        EXPECT_TRUE(r.recepts.empty());
    }
}

TEST(JsonImport, RefusesMoreRecipesThanTheCapacityWithTheProgramsMessage) {
    const std::string three = R"([{"name": "a"}, {"name": "b"}, {"name": "c"}])";
    const ImportResult over = ReceptsFromJsonText(three, 2);
    EXPECT_EQ(over.status, ImportStatus::TooManyRecepts);
    EXPECT_EQ(over.message, "В файле больше рецептов, чем может вместить программа (2)! :(");
    EXPECT_EQ(ReceptsFromJsonText(three, 3).status, ImportStatus::Ok);
}

TEST(JsonImport, ReportsWhereTheJsonIsBrokenAsTheParserSeesIt) {
    // Plain ASCII, where the parser's byte columns are character columns.
    const std::vector<std::string> broken = {
        "",
        "[",
        "[1,]",
        "[\n  {\"name\": \"a\",}\n]",
        "[{\"name\": \"\xFF\"}]",
        "[] x",
        "\n\n",
        "[{\"name\": \"a\nb\"}]",
    };
    for (const std::string& text : broken) {
        SCOPED_TRACE(text);
        std::size_t byte = 0;
        std::string what;
        try {
            const nlohmann::json doc = nlohmann::json::parse(text);
            (void)doc;
        } catch (const nlohmann::json::parse_error& e) {
            byte = e.byte;
            what = e.what();
        }
        ASSERT_GT(byte, 0u);
        const ImportResult r = ReceptsFromJsonText(text, kCapacity);
        EXPECT_EQ(r.status, ImportStatus::InvalidJson);
        EXPECT_EQ(r.offset, byte - 1);
        EXPECT_NE(what.find("line " + std::to_string(r.line) + ", column " +
                            std::to_string(r.column) + ":"),
                  std::string::npos)
            << what;
    }
    EXPECT_EQ(ReceptsFromJsonText("[1,]", kCapacity).message,
              "Ошибка в JSON: строка 1, столбец 4 (смещение 3)");
}

TEST(JsonImport, CountsTheColumnInCharactersAsAnEditorShowsIt) {
    // The parser's own column would be 21: "Чай" takes six bytes.
    EXPECT_EQ(ReceptsFromJsonText("[\n  {\"name\": \"Чай\",]", kCapacity).message,
              "Ошибка в JSON: строка 2, столбец 18 (смещение 22)");
}

TEST(JsonImport, AFloatTooLargeForADoubleIsBrokenJsonWithAPosition) {
    const ImportResult r = ReceptsFromJsonText("[\n1e999]", kCapacity);
    EXPECT_EQ(r.status, ImportStatus::InvalidJson);
    EXPECT_EQ(r.line, 2u);
    EXPECT_EQ(r.column, 5u); // the last digit of the number
}

TEST(JsonImport, DeepNestingNeitherCrashesNorPasses) {
    constexpr std::size_t depth = 200000;
    const ImportResult open = ReceptsFromJsonText(std::string(depth, '['), kCapacity);
    EXPECT_EQ(open.status, ImportStatus::InvalidJson);
    EXPECT_EQ(open.offset, depth);

    const ImportResult closed =
        ReceptsFromJsonText(std::string(depth, '[') + std::string(depth, ']'), kCapacity);
    EXPECT_EQ(closed.status, ImportStatus::BadRecept);
    EXPECT_EQ(closed.message, "Рецепт 1: ожидается объект, а не массив");
}

TEST(JsonImport, ADocumentBuiltInMemoryIsCheckedForUtf8) {
    Json doc = Json::array();
    doc.push_back({{"name", "\xFF"}});
    const ImportResult r = ReceptsFromJson(doc, kCapacity);
    EXPECT_EQ(r.status, ImportStatus::BadRecept);
    EXPECT_EQ(r.message, "Рецепт 1 «\xFF», поле «name»: неправильный UTF-8 (байт 0)");
}
