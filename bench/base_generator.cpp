#include "bench/base_generator.h"

#include "base/base_file.h"
#include "base/file_io.h"
#include "text/cp1251.h"

namespace timyanka::bench {
namespace {

// The vocabularies are UTF-8, their entries separated by '|'.

// What a recipe name often starts with.
constexpr std::string_view kDishes = "Суп|Салат|Пирог|Каша|Борщ|Котлеты|Рагу|Запеканка|Блины|"
                                     "Оладьи|Соус|Пирожки|Щи|Солянка|Плов|Жаркое|Омлет|Торт|"
                                     "Кекс|Компот|Морс|Квас|Пельмени|Вареники|Голубцы|Тефтели|"
                                     "Гуляш|Шашлык|Окрошка|Рассольник|Уха|Зразы|Драники|"
                                     "Сырники|Кисель|Пудинг|Желе|Мусс|Печенье|Пряники|"
                                     "Ватрушки|Бефстроганов";

// Ingredients, also strewn through names and texts.
constexpr std::string_view kProducts = "мука|сахар|соль|масло сливочное|масло растительное|яйца|"
                                       "молоко|сметана|картофель|морковь|лук репчатый|чеснок|"
                                       "капуста|свёкла|говядина|свинина|курица|рис|гречка|"
                                       "перец чёрный|лавровый лист|укроп|петрушка|сыр|творог|"
                                       "грибы|помидоры|огурцы|кефир|дрожжи|ванилин|корица|мёд|"
                                       "орехи грецкие|изюм|лимон|яблоки|тыква|кабачки|баклажаны|"
                                       "горох|фасоль|вода|сода|уксус|майонез|томатная паста|"
                                       "сливки|бульон|зелень|рыба|Ёрш речной|Сыр Российский|"
                                       "Масло Вологодское";

// Measures of the ingredient lines.
constexpr std::string_view kUnits = "г|кг|мл|л|шт.|ст. л.|ч. л.|стакан|стакана|щепотка|"
                                    "зубчика|пучок";

// The words of recipe texts, a few names and epithets among them.
constexpr std::string_view kWords = "нарезать|обжарить|добавить|минут|на|среднем|огне|до|"
                                    "готовности|посолить|поперчить|перемешать|выложить|в|"
                                    "форму|духовку|разогретую|градусов|тесто|кастрюлю|"
                                    "сковороду|залить|водой|варить|тушить|под|крышкой|"
                                    "подавать|горячим|со|сметаной|мелко|кубиками|соломкой|"
                                    "натереть|тёрке|взбить|миксером|остудить|процедить|"
                                    "кипящую|довести|кипения|снять|с|огня|дать|настояться|и|"
                                    "затем|после|этого|около|часа|Ещё|раз|по-домашнему|"
                                    "по-деревенски|Бабушкин|праздничный|летний|быстрый|"
                                    "постный|из|для|детей|Ивана|Петровича|Марии";

// Made-up words are built from these, so that names and texts are not all alike.
constexpr std::string_view kSyllables = "ба|ва|га|да|жа|за|ка|ла|ма|на|па|ра|са|та|ха|ча|ша|бо|"
                                        "во|го|до|зо|ко|ло|мо|но|по|ро|со|то|бу|ву|ду|ку|лу|му|"
                                        "ну|пу|ру|су|ту|бе|ве|ге|де|же|зе|ке|ле|ме|не|пе|ре|се|"
                                        "те|би|ви|ди|зи|ки|ли|ми|ни|пи|ри|си|ти|лы|мы|ны|ры|ты|"
                                        "ля|ня|ря|тя|лю|ню|рю|лё|нё|тё|ной|рой|ник|ков|лин|рем|"
                                        "тан|шек|чик|щи|ць|ль";

std::vector<std::string> Cp1251List(std::string_view utf8) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (;;) {
        const std::size_t bar = utf8.find('|', from);
        out.push_back(text::Cp1251Literal(utf8.substr(from, bar - from)));
        if (bar == std::string_view::npos) {
            return out;
        }
        from = bar + 1;
    }
}

// Windows-1251 capitals: а-я (E0-FF) sit 0x20 above А-Я, ё (B8) 0x10 above Ё.
char UpperChar(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0xE0) {
        return static_cast<char>(b - 0x20);
    }
    if (b == 0xB8) {
        return static_cast<char>(0xA8);
    }
    if (b >= 'a' && b <= 'z') {
        return static_cast<char>(b - 0x20);
    }
    return c;
}

std::string UpperCase(std::string s) {
    for (char& c : s) {
        c = UpperChar(c);
    }
    return s;
}

// Cuts `s` to `length` bytes; a blank left at the end gives way to `last`.
void FitTo(std::string& s, std::size_t length, char last) {
    if (s.size() > length) {
        s.resize(length);
    }
    if (!s.empty() && s.back() == ' ') {
        s.back() = last;
    }
}

template <typename T> const T& Pick(Rng& rng, const std::vector<T>& from) {
    return from[rng.Between(0, from.size() - 1)];
}

// Home cookbooks lean on a few cuisines and features; the rest are spread thin.
int32_t Code(Rng& rng, int32_t vocabulary) {
    const int32_t common = vocabulary < 5 ? vocabulary : 5;
    if (rng.Percent(40)) {
        return static_cast<int32_t>(rng.Between(1, static_cast<std::size_t>(common)));
    }
    return static_cast<int32_t>(rng.Between(1, static_cast<std::size_t>(vocabulary)));
}

} // namespace

uint64_t Rng::Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::size_t Rng::Between(std::size_t lo, std::size_t hi) {
    // The high half of a 32 x 32 bit product maps onto the range without a division.
    const uint64_t range = static_cast<uint64_t>(hi - lo) + 1;
    return lo + static_cast<std::size_t>(((Next() >> 32) * range) >> 32);
}

BaseGenerator::BaseGenerator(uint64_t seed, RecipeShape shape)
    : rng_(seed), shape_(shape), dishes_(Cp1251List(kDishes)), products_(Cp1251List(kProducts)),
      units_(Cp1251List(kUnits)), words_(Cp1251List(kWords)), syllables_(Cp1251List(kSyllables)) {}

bool BaseGenerator::Claim(std::string_view name) {
    return lowered_.insert(text::AnsiLowerCase(name)).second;
}

std::string BaseGenerator::Word() {
    if (rng_.Percent(60)) {
        return Pick(rng_, words_);
    }
    std::string w;
    const std::size_t n = rng_.Between(2, 4);
    for (std::size_t i = 0; i < n; ++i) {
        w += Pick(rng_, syllables_);
    }
    return w;
}

std::string BaseGenerator::Name() {
    const std::size_t length = rng_.Between(shape_.minName, shape_.maxName);
    std::string name;
    if (rng_.Percent(70)) {
        name = Pick(rng_, dishes_);
    } else {
        name = Word();
        name[0] = UpperChar(name[0]);
    }
    while (name.size() < length) {
        name += ' ';
        name += rng_.Percent(30) ? Pick(rng_, products_) : Word();
    }
    // A blank left at the end gives way to a small Cyrillic letter (а-я are E0-FF).
    FitTo(name, length, static_cast<char>(0xE0 + rng_.Between(0, 31)));
    if (Claim(name)) {
        return name;
    }
    for (int counter = 2;; ++counter) {
        std::string suffix(1, ' ');
        suffix += std::to_string(counter);
        std::string numbered = name;
        if (numbered.size() + suffix.size() > shape_.maxName) {
            numbered.resize(shape_.maxName - suffix.size());
            FitTo(numbered, numbered.size(), static_cast<char>(0xE0));
        }
        numbered += suffix;
        if (Claim(numbered)) {
            return numbered;
        }
    }
}

std::string BaseGenerator::Line(std::size_t minLength, std::size_t maxLength, bool ingredient) {
    const std::size_t length = rng_.Between(minLength, maxLength);
    std::string line;
    if (ingredient) {
        line = Pick(rng_, products_);
        line += " - ";
        line += std::to_string(rng_.Between(1, 50) * (rng_.Percent(50) ? 10 : 1));
        line += ' ';
        line += Pick(rng_, units_);
        while (line.size() < length) {
            line += ' ';
            line += Word();
        }
        FitTo(line, length, ',');
        return line;
    }
    bool sentenceStart = true;
    while (line.size() < length) {
        std::string w = rng_.Percent(20) ? Pick(rng_, products_) : Word();
        if (sentenceStart) {
            w[0] = UpperChar(w[0]);
        }
        line += w;
        sentenceStart = rng_.Percent(12);
        line += sentenceStart ? ". " : (rng_.Percent(10) ? ", " : " ");
    }
    FitTo(line, length, '.');
    return line;
}

base::TRecept BaseGenerator::Next() {
    base::TRecept r;
    r.National = Code(rng_, kNationalCodes);
    r.Name = Name();
    r.Ingridient.resize(rng_.Between(shape_.minIngredients, shape_.maxIngredients));
    for (std::string& l : r.Ingridient) {
        l = Line(shape_.minIngredientLine, shape_.maxIngredientLine, true);
    }
    r.Text.resize(rng_.Between(shape_.minTextLines, shape_.maxTextLines));
    for (std::string& l : r.Text) {
        l = Line(shape_.minTextLine, shape_.maxTextLine, false);
    }
    r.Class = Code(rng_, kClassCodes);
    r.PodClass = Code(rng_, kPodClassCodes);
    r.Osoboe = Code(rng_, kOsoboeCodes);
    return r;
}

std::vector<base::TRecept> BaseGenerator::Base(int32_t count) {
    std::vector<base::TRecept> out;
    out.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int32_t i = 0; i < count; ++i) {
        out.push_back(Next());
        out.back().Id = i;
    }
    return out;
}

std::vector<base::TRecept> GenerateBase(int32_t count, uint64_t seed) {
    return BaseGenerator(seed).Base(count);
}

std::vector<base::TRecept> GenerateMergeBase(std::span<const base::TRecept> present, int32_t count,
                                             uint64_t seed) {
    BaseGenerator gen(seed);
    for (const base::TRecept& r : present) {
        gen.Claim(r.Name);
    }
    std::vector<base::TRecept> out;
    out.reserve(count > 0 ? static_cast<std::size_t>(count) : 0);
    for (int32_t i = 0; i < count; ++i) {
        base::TRecept r = gen.Next();
        if (i % 2 == 0 && !present.empty()) {
            r.Name = UpperCase(present[static_cast<std::size_t>(i / 2) % present.size()].Name);
        }
        r.Id = i;
        out.push_back(std::move(r));
    }
    return out;
}

bool WriteBaseFile(std::span<const base::TRecept> recepts, const std::string& path) {
    return base::WriteFileSafely(path, base::SerializeBase(recepts)) == base::WriteStatus::Ok;
}

} // namespace timyanka::bench
