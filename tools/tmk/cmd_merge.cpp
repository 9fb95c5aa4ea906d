// tmk merge: the recipes of another base whose names the base lacks, added and saved, as the
// program's "Добавить рецепты из другой базы..." followed by Save.
#include "base/base_file.h"
#include "base/merge.h"
#include "base/recept_store.h"
#include "tools/tmk/base_input.h"
#include "tools/tmk/command.h"
#include "tools/tmk/output_file.h"

namespace timyanka::tmk {
namespace {

constexpr OptionDef kOptions[] = {
    {.shortName = 'o',
     .longName = "output",
     .valueName = "ВЫХОД",
     .help = "записать итог в файл ВЫХОД, а БАЗУ оставить как была"},
};

int RunMerge(const Invocation& inv) {
    const std::string& basePath = inv.args.positionals[0];
    const std::string& otherPath = inv.args.positionals[1];
    const std::string* output = inv.args.Value("output");
    const std::string& outPath = output != nullptr ? *output : basePath;

    base::ReceptStore store;
    const base::LoadResult loaded = base::LoadBase(store, basePath);
    if (loaded.status != base::LoadStatus::Ok) {
        inv.err << DescribeLoadFailure(basePath, loaded);
        return kExitFailure;
    }
    // Marks are never saved, so the program's "mark the added recipes" could change nothing
    // in the file.
    const base::MergeFileResult merged = base::MergeBaseFile(store, otherPath, false);
    if (merged.load.status != base::LoadStatus::Ok) {
        inv.err << DescribeLoadFailure(otherPath, merged.load);
        return kExitFailure;
    }
    if (!SaveBaseFile(outPath, store.Recepts(), inv.err)) {
        return kExitFailure;
    }
    inv.out << base::MergeAddedMessage(merged.merge.added) << '\n';
    if (merged.merge.tableFull) {
        inv.err << base::MergeFullMessage() << '\n';
    }
    return kExitOk;
}

static_assert(base::kDefaultReceptCapacity == 100000, "the help below names the capacity");

constexpr Command kMerge{
    .name = "merge",
    .summary = "добавить в базу рецепты из другой базы",
    .usage = "БАЗА ДРУГАЯ [-o ВЫХОД]",
    .description =
        "Добавляет в конец базы БАЗА рецепты базы ДРУГАЯ, как это делает программа:\n"
        "рецепт добавляется, только если в базе (вместе с уже добавленными) нет рецепта\n"
        "с таким же названием без различия больших и малых букв; остальные поля не\n"
        "сравниваются, порядок рецептов ДРУГОЙ сохраняется. Итог записывается в БАЗУ\n"
        "или в ВЫХОД так же надежно, как сохраняет программа, и выводится сообщение\n"
        "программы с числом добавленных рецептов. Файл, который при этом заменяется,\n"
        "остается рядом под тем же именем с добавкой .bak.\n"
        "\n"
        "Если БАЗА или ДРУГАЯ не читается или неправильна, выводится сообщение программы\n"
        "с объяснением, ничего не записывается и код завершения 1. Если база заполнилась\n"
        "(100000 рецептов), выводится еще и сообщение об этом; записывается то, что\n"
        "поместилось, и код завершения тоже 0.\n",
    .options = kOptions,
    .minPositionals = 2,
    .maxPositionals = 2,
    .run = RunMerge,
};

} // namespace

const Command& MergeCommand() {
    return kMerge;
}

} // namespace timyanka::tmk
