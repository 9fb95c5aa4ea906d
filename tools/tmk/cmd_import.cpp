// tmk import: a base file built from JSON, saved the way the program saves a base.
#include "base/base_file.h"
#include "base/file_io.h"
#include "base/recept_store.h"
#include "tools/tmk/command.h"
#include "tools/tmk/json_io.h"
#include "tools/tmk/output_file.h"

namespace timyanka::tmk {
namespace {

constexpr OptionDef kOptions[] = {
    {.shortName = 'o',
     .longName = "output",
     .valueName = "ФАЙЛ",
     .help = "файл базы, который нужно записать (обязательно)",
     .required = true},
};

int RunImport(const Invocation& inv) {
    const std::string& jsonPath = inv.args.positionals[0];
    const std::string& basePath = *inv.args.Value("output");
    std::string json;
    if (!base::ReadWholeFile(jsonPath, json)) {
        inv.err << jsonPath << ": "
                << base::LoadMessage(base::LoadStatus::CannotOpen, base::kDefaultReceptCapacity)
                << '\n';
        return kExitFailure;
    }
    const ImportResult imported = ReceptsFromJsonText(json, base::kDefaultReceptCapacity);
    if (imported.status != ImportStatus::Ok) {
        inv.err << jsonPath << ": " << imported.message << '\n';
        return kExitFailure;
    }
    return SaveBaseFile(basePath, imported.recepts, inv.err) ? kExitOk : kExitFailure;
}

constexpr Command kImport{
    .name = "import",
    .summary = "собрать файл базы из JSON",
    .usage = "JSON -o ФАЙЛ",
    .description =
        "Записывает файл базы ФАЙЛ из рецептов JSON (массив объектов, как выгружает export).\n"
        "Обязательно только поле \"name\"; отсутствующие коды считаются равными 0, списки —\n"
        "пустыми, поле \"id\" не читается. Все строки должны записываться в Windows-1251\n"
        "и быть не длиннее 255 байт. При любой ошибке ничего не записывается, а прежний\n"
        "ФАЙЛ остается как был.\n",
    .options = kOptions,
    .minPositionals = 1,
    .maxPositionals = 1,
    .run = RunImport,
};

} // namespace

const Command& ImportCommand() {
    return kImport;
}

} // namespace timyanka::tmk
