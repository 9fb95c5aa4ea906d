// The four panels of the main window's status bar: the credit, the web address, the list
// status text and the year.
#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace timyanka::app {

// Adds the panels; returns the one that shows the list status text.
QLabel* BuildStatusPanels(QStatusBar& bar);

// "В базе " N " рецептов! Отсортировано " M " рецептов!"
QString SpisokStatusText(int receptCount, int spisokCount);

} // namespace timyanka::app
