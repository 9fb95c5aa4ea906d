// The recipe record: one recipe of the base, its text in Windows-1251 bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace timyanka::base {

// A line list: the ingredient or text lines of a recipe, in order, duplicates and empty
// lines allowed.
using Lines = std::vector<std::string>;

struct TRecept {
    int32_t Id = 0; // the recipe's position in the table, never stored in a file
    int32_t National = 0;
    std::string Name;
    Lines Ingridient;
    Lines Text;
    int32_t Class = 0;
    int32_t PodClass = 0;
    int32_t Osoboe = 0;
    uint8_t Selected = 0; // the user's mark, never stored in a file

    // The seven fields a base file holds; Id and Selected play no part.
    bool SameStoredFields(const TRecept& o) const {
        return National == o.National && Name == o.Name && Ingridient == o.Ingridient &&
               Text == o.Text && Class == o.Class && PodClass == o.PodClass && Osoboe == o.Osoboe;
    }
};

} // namespace timyanka::base
