#include "tools/tmk/help.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace timyanka::tmk {
namespace {

// Columns are lined up by characters, not by the bytes of their UTF-8.
std::size_t Width(std::string_view utf8) {
    std::size_t n = 0;
    for (const char c : utf8) {
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return n;
}

void PrintTable(const std::vector<std::pair<std::string, std::string>>& rows, std::ostream& out) {
    std::size_t width = 0;
    for (const auto& row : rows) {
        width = std::max(width, Width(row.first));
    }
    for (const auto& [left, right] : rows) {
        out << "  " << left << std::string(width - Width(left) + 2, ' ') << right << '\n';
    }
}

std::string OptionText(const OptionDef& o) {
    std::string s = o.shortName != 0 ? "-" + std::string(1, o.shortName) + ", " : "    ";
    s += "--" + std::string(o.longName);
    if (!o.valueName.empty()) {
        s += " " + std::string(o.valueName);
    }
    return s;
}

} // namespace

void PrintOverview(std::ostream& out) {
    out << "tmk — спутник программы «Тимьянка 2»: сведения о файлах баз рецептов (*.tmk),\n"
           "их проверка, выгрузка в JSON и сборка из JSON, поиск рецептов, добавление\n"
           "рецептов из другой базы и лист для печати.\n"
           "\n"
           "Использование: tmk КОМАНДА [ПАРАМЕТРЫ] ФАЙЛ...\n"
           "\n"
           "Команды:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const Command* c : Commands()) {
        rows.emplace_back(std::string(c->name), std::string(c->summary));
    }
    PrintTable(rows, out);
    out << "\n"
           "Справка по команде: tmk КОМАНДА --help\n"
           "Код завершения: 0 — успешно, 1 — ошибка в данных или в работе с файлом,\n"
           "2 — неверная командная строка. У search, как у grep: 0 — рецепты найдены,\n"
           "1 — не найдено ни одного, 2 — ошибка.\n";
}

void PrintCommandHelp(const Command& command, std::ostream& out) {
    out << "Использование: tmk " << command.name;
    if (!command.usage.empty()) {
        out << ' ' << command.usage;
    }
    out << "\n\n" << command.description << "\nПараметры:\n";
    std::vector<std::pair<std::string, std::string>> rows;
    for (const OptionDef& o : command.options) {
        rows.emplace_back(OptionText(o), std::string(o.help));
    }
    rows.emplace_back("-h, --help", "показать эту справку");
    PrintTable(rows, out);
}

void PrintUsageHint(const Command& command, std::ostream& out) {
    out << "Использование: tmk " << command.name;
    if (!command.usage.empty()) {
        out << ' ' << command.usage;
    }
    out << "\nСправка: tmk " << command.name << " --help\n";
}

void PrintUsageError(const Command& command, std::string_view message, std::ostream& out) {
    out << "tmk " << command.name << ": " << message << '\n';
    PrintUsageHint(command, out);
}

} // namespace timyanka::tmk
