// tmk info: how many recipes a base holds, in all and by class.
#include "classification/class_names.h"
#include "classification/classification.h"
#include "text/cp1251.h"
#include "tools/tmk/base_input.h"
#include "tools/tmk/command.h"

#include <array>
#include <cstdio>

namespace timyanka::tmk {
namespace {

int RunInfo(const Invocation& inv) {
    std::vector<base::TRecept> recepts;
    if (!ReadBaseForCommand(inv.args.positionals[0], recepts, inv.err)) {
        return kExitFailure;
    }
    using classification::kBuiltInClassCount;
    // Index 0 is the picker's " Все", not a class a recipe can be given: it counts with the
    // codes outside the list.
    std::array<std::size_t, kBuiltInClassCount> perClass{};
    std::size_t outside = 0;
    for (const base::TRecept& r : recepts) {
        if (r.Class >= 1 && r.Class < kBuiltInClassCount) {
            ++perClass[static_cast<std::size_t>(r.Class)];
        } else {
            ++outside;
        }
    }

    inv.out << "Рецептов в базе: " << recepts.size() << '\n';
    for (int32_t i = 1; i < kBuiltInClassCount; ++i) {
        if (perClass[static_cast<std::size_t>(i)] == 0) {
            continue;
        }
        char index[8];
        std::snprintf(index, sizeof index, "%3d", static_cast<int>(i));
        inv.out << index << "  " << text::Cp1251ToUtf8(classification::ClassTableName(i)) << ": "
                << perClass[static_cast<std::size_t>(i)] << '\n';
    }
    if (outside > 0) {
        inv.out << "Класс вне 1–" << kBuiltInClassCount - 1 << ": " << outside << '\n';
    }
    return kExitOk;
}

constexpr Command kInfo{
    .name = "info",
    .summary = "число рецептов в базе, всего и по классам",
    .usage = "ФАЙЛ",
    .description = "Считает рецепты базы ФАЙЛ и показывает, сколько их в каждом классе:\n"
                   "номер класса, его название и число рецептов; классы без рецептов\n"
                   "не показываются, рецепты с номером класса вне 1–17 считаются отдельно.\n",
    .options = {},
    .minPositionals = 1,
    .maxPositionals = 1,
    .run = RunInfo,
};

} // namespace

const Command& InfoCommand() {
    return kInfo;
}

} // namespace timyanka::tmk
