// tmk search: the recipes of a base that hold all the given words, found by the rule of the
// program's search through the whole base.
#include "base/search.h"
#include "text/cp1251.h"
#include "tools/tmk/base_input.h"
#include "tools/tmk/command.h"
#include "tools/tmk/help.h"
#include "tools/tmk/user_text.h"

#include <limits>
#include <numeric>
#include <span>

namespace timyanka::tmk {

const Command& SearchCommand();

namespace {

// As grep has it, so that scripts can tell "nothing found" from a failure.
constexpr int kFound = 0;
constexpr int kNothingFound = 1;
constexpr int kSearchError = 2;

constexpr OptionDef kOptions[] = {
    {.longName = "name", .valueName = {}, .help = "искать в названии рецепта"},
    {.longName = "ingr", .valueName = {}, .help = "искать по ингредиентам"},
    {.longName = "text", .valueName = {}, .help = "искать по тексту рецепта"},
};

int UsageError(const Invocation& inv, const std::string& message) {
    PrintUsageError(SearchCommand(), message, inv.err);
    return kSearchError;
}

// The fields of the search panel: as it starts (the name alone) unless some are named.
base::SearchFields ChosenFields(const ParsedArgs& args) {
    const base::SearchFields fields{
        .name = args.Has("name"), .ingredients = args.Has("ingr"), .text = args.Has("text")};
    if (!fields.name && !fields.ingredients && !fields.text) {
        return base::SearchFields{};
    }
    return fields;
}

int RunSearch(const Invocation& inv) {
    const std::span<const std::string> given = std::span(inv.args.positionals).subspan(1);
    if (given.size() > static_cast<std::size_t>(base::kMaxSearchWords)) {
        return UsageError(inv, "слов для поиска больше " + std::to_string(base::kMaxSearchWords) +
                                   " (" + std::to_string(given.size()) + ")");
    }
    std::vector<std::string> words;
    for (std::size_t i = 0; i < given.size(); ++i) {
        text::Utf8ToCp1251Result r = text::Utf8ToCp1251(given[i]);
        if (r.status != text::ConvertStatus::Ok) {
            // A word that is not UTF-8 at all is not shown: it would garble the message.
            const std::string word = r.status == text::ConvertStatus::Unmappable
                                         ? " «" + Printable(given[i]) + "»"
                                         : std::string();
            return UsageError(inv, "слово " + std::to_string(i + 1) + word + ": " +
                                       DescribeConversion(r));
        }
        words.push_back(std::move(r.text));
    }
    // Empty words are left out, as the panel skips an empty word field.
    const base::SearchQuery query(words, ChosenFields(inv.args));
    if (query.Empty()) {
        return UsageError(inv, "не указаны слова для поиска");
    }

    std::vector<base::TRecept> recepts;
    if (!ReadBaseForCommand(inv.args.positionals[0], recepts, inv.err)) {
        return kSearchError;
    }
    base::SearchIndex index;
    index.Rebuild(recepts);
    std::vector<int32_t> candidates(recepts.size());
    std::iota(candidates.begin(), candidates.end(), 0);
    const std::vector<int32_t> found = base::Search(index, candidates, query);
    for (const int32_t id : found) {
        inv.out << id << '\t'
                << Printable(text::Cp1251ToUtf8(recepts[static_cast<std::size_t>(id)].Name))
                << '\n';
    }
    return found.empty() ? kNothingFound : kFound;
}

constexpr Command kSearch{
    .name = "search",
    .summary = "найти рецепты по словам",
    .usage = "ФАЙЛ [--name] [--ingr] [--text] СЛОВО...",
    .description =
        "Ищет в базе ФАЙЛ рецепты, в которых встречаются все СЛОВА (от одного до пяти),\n"
        "так же, как программа ищет по всей базе: большие и малые буквы не различаются,\n"
        "слово может стоять где угодно, хоть внутри другого слова; строки ингредиентов\n"
        "сливаются в одну строку без промежутков, строки текста тоже. Рецепт найден,\n"
        "только если все слова есть в одном и том же поле: слова, разбросанные по\n"
        "названию и ингредиентам, не складываются. Без --name, --ingr и --text ищется\n"
        "в названии, как в программе при запуске.\n"
        "\n"
        "Для каждого найденного рецепта выводится строка: Id, знак табуляции и название,\n"
        "в порядке базы; управляющие знаки названия выводятся как \\uXXXX. Слова\n"
        "даются в UTF-8, и в них могут быть только знаки, которые есть в Windows-1251;\n"
        "пустое слово пропускается. Слово, которое начинается с «-», пишется после «--».\n"
        "\n"
        "Код завершения, как у grep: 0 — найден хотя бы один рецепт, 1 — не найдено\n"
        "ни одного, 2 — ошибка (файл не читается или неправилен, неверная командная\n"
        "строка).\n",
    .options = kOptions,
    .minPositionals = 1,
    .maxPositionals = std::numeric_limits<std::size_t>::max(),
    .run = RunSearch,
    .failureCode = kSearchError,
};

} // namespace

const Command& SearchCommand() {
    return kSearch;
}

} // namespace timyanka::tmk
