// tmk sheet: the print sheet of chosen recipes, the very page the program hands to the
// printer, written without printing it.
#include "classification/classification.h"
#include "print/sheet.h"
#include "print/sheet_file.h"
#include "tools/tmk/base_input.h"
#include "tools/tmk/command.h"
#include "tools/tmk/help.h"
#include "tools/tmk/user_text.h"

#include <charconv>
#include <cstdint>
#include <optional>

namespace timyanka::tmk {

const Command& SheetCommand();

namespace {

constexpr const char* kDefaultFlagsFolder = "flags";

constexpr OptionDef kOptions[] = {
    {.longName = "id",
     .valueName = "N",
     .help = "Id рецепта для листа (обязательно; можно указать несколько раз)",
     .required = true,
     .repeatable = true},
    {.longName = "flags",
     .valueName = "ПАПКА",
     .help = "папка словарей классификации (по умолчанию flags в текущей папке)"},
    {.shortName = 'o',
     .longName = "output",
     .valueName = "ВЫХОД",
     .help = "записать лист в файл ВЫХОД (по умолчанию Print.htm в текущей папке)"},
};

struct RequestedId {
    std::string typed;
    std::optional<int64_t> value; // none: a number too large to be any recipe's Id
};

// False when the text is no whole number at all.
bool ParseId(const std::string& typed, RequestedId& out) {
    int64_t v = 0;
    const char* end = typed.data() + typed.size();
    const auto [ptr, ec] = std::from_chars(typed.data(), end, v);
    if (ptr != end || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
        return false;
    }
    out.typed = typed;
    if (ec == std::errc()) {
        out.value = v;
    }
    return true;
}

// The flags file a failed load names, in the folder it was read from.
std::string FlagsFilePath(const std::string& folder, const std::string& file) {
    const std::size_t slash = file.rfind('/');
    const std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

int RunSheet(const Invocation& inv) {
    std::vector<RequestedId> requested;
    for (const std::string& typed : inv.args.Values("id")) {
        RequestedId id;
        if (!ParseId(typed, id)) {
            PrintUsageError(SheetCommand(), "«" + Printable(typed) + "» не является Id рецепта",
                            inv.err);
            return kExitUsage;
        }
        requested.push_back(std::move(id));
    }

    const std::string& basePath = inv.args.positionals[0];
    std::vector<base::TRecept> recepts;
    if (!ReadBaseForCommand(basePath, recepts, inv.err)) {
        return kExitFailure;
    }
    std::vector<const base::TRecept*> printed;
    for (const RequestedId& id : requested) {
        if (!id.value || *id.value < 0 || *id.value >= static_cast<int64_t>(recepts.size())) {
            inv.err << basePath << ": рецепта с Id " << id.typed << " в базе нет (рецептов "
                    << recepts.size() << ")\n";
            return kExitFailure;
        }
        printed.push_back(&recepts[static_cast<std::size_t>(*id.value)]);
    }

    const std::string* flagsOption = inv.args.Value("flags");
    const std::string flags = flagsOption != nullptr ? *flagsOption : kDefaultFlagsFolder;
    classification::Classification c;
    const classification::ClassificationResult loaded =
        classification::LoadClassification(c, flags);
    if (loaded.status != classification::ClassificationStatus::Ok) {
        inv.err << FlagsFilePath(flags, loaded.file) << ": "
                << classification::ClassificationMessage(loaded) << '\n';
        return kExitFailure;
    }

    const std::string* outputOption = inv.args.Value("output");
    const std::string output = outputOption != nullptr ? *outputOption : print::kSheetFileName;
    const print::PrintStatus written = print::WriteSheetFile(output, print::WriteSheet(c, printed));
    if (written != print::PrintStatus::Ok) {
        inv.err << output << ": " << print::PrintMessage(written) << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

constexpr Command kSheet{
    .name = "sheet",
    .summary = "записать лист для печати рецептов",
    .usage = "ФАЙЛ --id N [--id N...] [--flags ПАПКА] [-o ВЫХОД]",
    .description =
        "Записывает лист для печати (HTML в Windows-1251) с рецептами базы ФАЙЛ,\n"
        "названными по Id (номер рецепта в базе от 0, как его выводят search и export),\n"
        "в том порядке, в каком они указаны; рецепт, указанный дважды, печатается дважды. Лист тот "
        "же, байт в байт, что программа отдает\n"
        "на печать; названия кухни, подкласса и особенности берутся из словарей папки\n"
        "ПАПКА. Сам лист не печатается.\n"
        "\n"
        "Если ФАЙЛ не читается или неправилен, Id нет в базе или словари не читаются,\n"
        "выводится сообщение, ничего не записывается и код завершения 1; прежний\n"
        "ВЫХОД остается как был.\n",
    .options = kOptions,
    .minPositionals = 1,
    .maxPositionals = 1,
    .run = RunSheet,
};

} // namespace

const Command& SheetCommand() {
    return kSheet;
}

} // namespace timyanka::tmk
