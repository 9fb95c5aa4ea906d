// tmk export: the whole base as JSON, for reading and editing outside the program.
#include "tools/tmk/base_input.h"
#include "tools/tmk/command.h"
#include "tools/tmk/json_io.h"
#include "tools/tmk/output_file.h"

namespace timyanka::tmk {
namespace {

constexpr OptionDef kOptions[] = {
    {.shortName = 'o',
     .longName = "output",
     .valueName = "ВЫХОД",
     .help = "записать JSON в файл ВЫХОД вместо стандартного вывода"},
};

int RunExport(const Invocation& inv) {
    std::vector<base::TRecept> recepts;
    if (!ReadBaseForCommand(inv.args.positionals[0], recepts, inv.err)) {
        return kExitFailure;
    }
    const std::string json = ReceptsToJsonText(recepts);
    if (const std::string* path = inv.args.Value("output")) {
        return WriteOutputFile(*path, json, inv.err) ? kExitOk : kExitFailure;
    }
    inv.out << json;
    return kExitOk;
}

constexpr Command kExport{
    .name = "export",
    .summary = "выгрузить базу в JSON",
    .usage = "ФАЙЛ [-o ВЫХОД]",
    .description =
        "Выгружает всю базу ФАЙЛ в JSON (UTF-8, отступ в два пробела): массив рецептов\n"
        "в порядке базы, у каждого поля \"id\", \"national\", \"name\", \"ingredients\"\n"
        "(массив строк), \"text\" (массив строк), \"class\", \"podclass\", \"osoboe\".\n"
        "Такой JSON команда import превращает обратно в тот же файл базы.\n",
    .options = kOptions,
    .minPositionals = 1,
    .maxPositionals = 1,
    .run = RunExport,
};

} // namespace

const Command& ExportCommand() {
    return kExport;
}

} // namespace timyanka::tmk
