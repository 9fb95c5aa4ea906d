#include "app/recept_detail.h"

#include "classification/class_names.h"
#include "text/cp1251.h"

namespace timyanka::app {

namespace cls = classification;

const std::string& NationPrefix() {
    static const std::string s = text::Cp1251Literal("Кухня:  ");
    return s;
}
const std::string& ClassPrefix() {
    static const std::string s = text::Cp1251Literal("Класс:  ");
    return s;
}
const std::string& PodClassPrefix() {
    static const std::string s = text::Cp1251Literal("Подкласс:  ");
    return s;
}
const std::string& OsoboePrefix() {
    static const std::string s = text::Cp1251Literal("Особенность:  ");
    return s;
}

ReceptDetail BareDetail() {
    return {NationPrefix(), ClassPrefix(), PodClassPrefix(), OsoboePrefix(), true};
}

ReceptDetail DescribeRecept(const base::TRecept& r, const cls::Classification& c) {
    ReceptDetail d;
    if (r.Class == cls::kClassRecommendations) {
        // A recommendation has neither cuisine nor ingredients.
        d.Nation = NationPrefix();
        d.ShowIngridient = false;
    } else {
        d.Nation = NationPrefix() + cls::NationalName(c, r.National);
    }
    d.Class = ClassPrefix() + cls::ClassDetailName(r.Class);
    const std::string podClass = r.PodClass == cls::kPodClassOther
                                     ? cls::PodClassOtherName()
                                     : cls::PodClassName(c, r.Class, r.PodClass);
    d.PodClass = PodClassPrefix() + podClass;
    d.Osoboe = OsoboePrefix() + cls::OsoboeName(c, r.Osoboe);
    return d;
}

} // namespace timyanka::app
