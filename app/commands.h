// The command table of the main window: its menu bar, its toolbar and the list's pop-up
// menu, every entry bound to its handler.
#pragma once

class QMenu;

namespace timyanka::app {

class TFGlobal;

// Builds the menu bar and the toolbar of the window; returns the list's pop-up menu (a
// child of the window).
QMenu* BuildCommands(TFGlobal& window);

} // namespace timyanka::app
