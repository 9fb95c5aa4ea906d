// The texts of the detail pane for one recipe: its four classification labels and whether
// its ingredients are shown.
#pragma once

#include "base/recept.h"
#include "classification/classification.h"

#include <string>

namespace timyanka::app {

// Windows-1251 label texts, each a fixed prefix followed by a name.
struct ReceptDetail {
    std::string Nation;
    std::string Class;
    std::string PodClass;
    std::string Osoboe;
    bool ShowIngridient = true;
};

// The four bare prefixes, with their two trailing blanks.
const std::string& NationPrefix();   // "Кухня:  "
const std::string& ClassPrefix();    // "Класс:  "
const std::string& PodClassPrefix(); // "Подкласс:  "
const std::string& OsoboePrefix();   // "Особенность:  "

ReceptDetail BareDetail();
ReceptDetail DescribeRecept(const base::TRecept& r, const classification::Classification& c);

} // namespace timyanka::app
