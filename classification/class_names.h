// The fixed lists of class names by class index: the built-in class table, the upper-case
// texts of the class pickers, the names of the detail pane and of the printed sheet.
#pragma once

#include <cstdint>
#include <string>

namespace timyanka::classification {

// All in Windows-1251; an index outside the list gives the empty text.
const std::string& ClassTableName(int32_t index); // " Все", " Другой", "Бутерброды", ...
const std::string& ClassPickerText(int32_t index); // " ВСЕ", " ДРУГОЙ", "БУТЕРБРОДЫ", ...
const std::string& ClassDetailName(int32_t index); // "Другой", ..., "Рекомендации"
const std::string& ClassSheetName(int32_t index);  // as the detail pane, none for 17

// The index whose picker text equals `text` byte for byte, or -1.
int32_t ClassIndexOfPickerText(const std::string& text);

// Texts the pickers and the filter recognise, in Windows-1251.
const std::string& PseudoAll();             // " Все"
const std::string& PseudoOthers();          // " Другие"
const std::string& PickerAllClasses();      // " ВСЕ"
const std::string& PickerOtherClass();      // " ДРУГОЙ"
const std::string& PickerRecommendations(); // " РЕКОМЕНДАЦИИ"
const std::string& PodClassOtherName();     // "Другие", shown for sub-class code 1

} // namespace timyanka::classification
