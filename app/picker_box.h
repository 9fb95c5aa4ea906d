// The classification pickers hold Windows-1251 names: they show them converted, keep the
// original bytes beside each entry, and list them in the collator's order.
#pragma once

#include "platform/platform.h"

#include <string>
#include <vector>

class QComboBox;

namespace timyanka::app {

// Replaces the entries with these names in collation order (equal names keep their order)
// and selects the first entry, without running the picker's change handler.
void FillPicker(QComboBox& picker, const std::vector<std::string>& names,
                const platform::Collator& collator);

// The Windows-1251 text of the selected entry; empty when nothing is selected.
std::string PickerText(const QComboBox& picker);

// Selects the entry with this text (first match); false when there is none.
bool SelectPickerText(QComboBox& picker, const std::string& cp1251);

} // namespace timyanka::app
