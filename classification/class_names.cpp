#include "classification/class_names.h"

#include "classification/classification.h"
#include "text/cp1251.h"

#include <array>

namespace timyanka::classification {
namespace {

struct ClassNames {
    std::string table;
    std::string picker;
    std::string detail;
    std::string sheet;
};

const std::array<ClassNames, kBuiltInClassCount>& Names() {
    static const auto names = [] {
        constexpr const char* raw[kBuiltInClassCount][4] = {
            {" Все", " ВСЕ", "", ""},
            {" Другой", " ДРУГОЙ", "Другой", "Другой"},
            {"Бутерброды", "БУТЕРБРОДЫ", "Бутерброды", "Бутерброды"},
            {"Салаты", "САЛАТЫ", "Салаты", "Салаты"},
            {"Супы", "СУПЫ", "Супы", "Супы"},
            {"Закуски", "ЗАКУСКИ", "Закуски", "Закуски"},
            {"Основные блюда", "ОСНОВНЫЕ БЛЮДА", "Основные блюда", "Основные блюда"},
            {"Мучные блюда", "МУЧНЫЕ БЛЮДА", "Мучные блюда", "Мучные блюда"},
            {"Кондитерские изделия", "КОНДИТЕРСКИЕ ИЗДЕЛИЯ", "Кондитерские изделия",
             "Кондитерские изделия"},
            {"Напитки алкогольные", "НАПИТКИ АЛКОГОЛЬНЫЕ", "Напитки алкогольные",
             "Напитки алкогольные"},
            {"Десерты", "ДЕСЕРТЫ", "Десерты", "Десерты"},
            {"Гарниры и полуфабрикаты", "ГАРНИРЫ И ПОЛУФАБРИКАТЫ", "Гарниры и полуфабрикаты",
             "Гарниры и полуфабрикаты"},
            {"Соусы", "СОУСЫ", "Соусы", "Соусы"},
            // The detail pane and the sheet write this class in two words.
            {"Напитки безалкогольные", "НАПИТКИ БЕЗАЛКОГОЛЬНЫЕ", "Напитки без алкогольные",
             "Напитки без алкогольные"},
            {"Заготовки", "ЗАГОТОВКИ", "Заготовки", "Заготовки"},
            {"Блюда из круп", "БЛЮДА ИЗ КРУП", "Блюда из круп", "Блюда из круп"},
            {"Молоко и молочные продукты", "МОЛОКО И МОЛОЧНЫЕ ПРОДУКТЫ",
             "Молоко и молочные продукты", "Молоко и молочные продукты"},
            {" Рекомендации", " РЕКОМЕНДАЦИИ", "Рекомендации", ""},
        };
        std::array<ClassNames, kBuiltInClassCount> n;
        for (int i = 0; i < kBuiltInClassCount; ++i) {
            n[i] = {text::Cp1251Literal(raw[i][0]), text::Cp1251Literal(raw[i][1]),
                    text::Cp1251Literal(raw[i][2]), text::Cp1251Literal(raw[i][3])};
        }
        return n;
    }();
    return names;
}

const std::string& Empty() {
    static const std::string empty;
    return empty;
}

bool InList(int32_t index) {
    return index >= 0 && index < kBuiltInClassCount;
}

} // namespace

const std::string& ClassTableName(int32_t index) {
    return InList(index) ? Names()[index].table : Empty();
}
const std::string& ClassPickerText(int32_t index) {
    return InList(index) ? Names()[index].picker : Empty();
}
const std::string& ClassDetailName(int32_t index) {
    return InList(index) ? Names()[index].detail : Empty();
}
const std::string& ClassSheetName(int32_t index) {
    return InList(index) ? Names()[index].sheet : Empty();
}

int32_t ClassIndexOfPickerText(const std::string& text) {
    for (int32_t i = 0; i < kBuiltInClassCount; ++i) {
        if (Names()[i].picker == text) {
            return i;
        }
    }
    return -1;
}

const std::string& PseudoAll() {
    static const std::string s = text::Cp1251Literal(" Все");
    return s;
}
const std::string& PseudoOthers() {
    static const std::string s = text::Cp1251Literal(" Другие");
    return s;
}
const std::string& PickerAllClasses() {
    return ClassPickerText(kClassAll);
}
const std::string& PickerOtherClass() {
    return ClassPickerText(kClassOther);
}
const std::string& PickerRecommendations() {
    return ClassPickerText(kClassRecommendations);
}
const std::string& PodClassOtherName() {
    static const std::string s = text::Cp1251Literal("Другие");
    return s;
}

} // namespace timyanka::classification
