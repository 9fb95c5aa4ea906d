// The printed recipe sheet: a Windows-1251 HTML page with one block per recipe, built in
// memory so that writing the file and handing it to the printer stay with the caller.
#pragma once

#include "base/recept.h"
#include "base/recept_store.h"
#include "classification/classification.h"

#include <cstdint>
#include <span>
#include <string>

namespace timyanka::print {

// The four classification names a recipe block shows (Windows-1251, not yet escaped).
struct SheetNames {
    std::string national; // last cuisine entry of the whole table with the recipe's code
    std::string cls;      // the sheet's own class name; none for recommendations (17)
    std::string podClass; // last match among the class's sub-classes; "Другие" for code 1
    std::string osoboe;   // last feature entry of the whole table with the recipe's code
};

SheetNames SheetNamesOf(const classification::Classification& c, const base::TRecept& r);

// The page's opening and closing text.
const std::string& SheetHead();
const std::string& SheetTail();

// Appends one recipe's block: a rule, the name, the four classification names, the
// ingredient lines and the text lines. Every text taken from the recipe or the tables is
// escaped.
void WriteReceptBlock(std::string& out, const classification::Classification& c,
                      const base::TRecept& r);

// The whole sheet: the head, one block per recipe in the given order, the tail. Null
// pointers are left out.
std::string WriteSheet(const classification::Classification& c,
                       std::span<const base::TRecept* const> recepts);

// The same for recipes named by Id; an Id that names no recipe of the store is left out.
std::string WriteSheet(const classification::Classification& c, const base::ReceptStore& store,
                       std::span<const int32_t> ids);

} // namespace timyanka::print
